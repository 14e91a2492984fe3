#pragma once
// A fast reader for the one kind of bitmap that skins are mostly made of:
// uncompressed 24-bit BMP with the plain 40-byte header. The main window's
// 800 x 600 background is one; the general image reader converts it a pixel at
// a time and spent a sixth of the start to the menu's first paint on it.
// The image is the one the general reader gives (32-bit RGB, the same pixels
// and resolution); any other file, or one whose header or length is not
// exactly right, is left to the general reader, which also words the errors.
#include <QByteArray>
#include <QImage>
#include <optional>

namespace ui {

std::optional<QImage> DecodePlainBitmap(const QByteArray& bytes);

}  // namespace ui
