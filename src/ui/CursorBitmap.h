#pragma once
// The bitmap inside almost every cursor file, read here rather than by Qt's
// icon plugin, which cost finding and loading that plugin (about half a
// millisecond while the main window loads its skin): an uncompressed image
// of 1, 4, 8 or 32 bits per pixel with the plain 40-byte header, over a
// 1-bit transparency mask. The picture is the one the icon plugin gives.
#include <QImage>
#include <optional>

namespace ui {

// The cursor image of the bitmap at dib (length bytes, the entry's payload);
// nothing when the payload is of another kind (PNG, 24 bits, compressed,
// another header, a partial palette), cut short, or too large: Qt's icon
// reader is then asked, and words any error.
std::optional<QImage> DecodeCursorBitmap(const uchar* dib, qsizetype length);

}  // namespace ui
