#pragma once
// Text to the GBK code page, the 8-bit encoding of Chinese discs, through the
// C library's iconv.
#include <QByteArray>
#include <QString>
#include <optional>

namespace demo {

// The GBK bytes of the text, or nothing when a character has no GBK form.
std::optional<QByteArray> ToGbk(const QString& text);

}  // namespace demo
