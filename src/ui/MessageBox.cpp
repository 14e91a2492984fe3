#include "ui/MessageBox.h"
#include "ui/StringTable.h"

namespace ui {

void MsgBox(const QString& text, int style, const std::optional<QString>& title) {
    platform().messageBox(text, style, title ? *title : LoadResString(101));
}

}  // namespace ui
