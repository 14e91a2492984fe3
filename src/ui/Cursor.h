#pragma once
// Cursors: the program's own 32 x 32 two-colour hand (hot spot 5, 0) and
// cursors loaded from .cur files with the hot spot the file gives.
#include <QByteArray>
#include <QCursor>
#include <QString>
#include <optional>

namespace ui {

class Picture;

// The program's own hand cursor.
const QCursor& HandCursor();

// A cursor from a picture loaded from a .cur file (its hot spot kept).
QCursor CursorFromPicture(const Picture& picture);

// Reads a Windows cursor file (the first image; BMP or PNG payload) with its
// hot spot. Returns nothing when the bytes are not a readable cursor.
std::optional<Picture> DecodeCursorFile(const QByteArray& bytes, QString* why = nullptr);

}  // namespace ui
