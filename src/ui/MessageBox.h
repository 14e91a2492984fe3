#pragma once
// Message boxes: text, the OK button, the stop icon (vbCritical) or none, and
// a title, or the application's default title (string 101) when none is given.
#include "ui/Platform.h"
#include <QString>
#include <optional>

namespace ui {

void MsgBox(const QString& text, int style = vbOKOnly, const std::optional<QString>& title = std::nullopt);

}  // namespace ui
