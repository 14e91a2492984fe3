#pragma once
// Real files for the desktop's opener when the disc is an image. The opener
// (a web browser, a document viewer) is another program: it can only open a
// file on disk. So a file it is to open is copied out of the image into one
// private folder of the player's (mode 0700, under $XDG_RUNTIME_DIR or the
// temporary folder), and the folder is removed when the player ends. A web
// page brings its whole folder along, so its pictures and style sheets open
// with it. The image itself is never written.
#include "disc/DiscImage.h"
#include <QString>

namespace ui {

// The copy of the file at inner (a path inside the image) for the opener, made
// on first use; empty when it is no file or cannot be copied.
QString PrivateCopyForOpener(const disc::Image& image, const QString& inner);

// Removes the private folder and all copies now (also done at exit).
void RemoveOpenerCopies();

}  // namespace ui
