#pragma once
// The skin of a disc for tests: every picture the main window, its dialog and
// the intro window read from image\ (background, buttons and their "_h" hover
// versions, slider strips, arrow, hand cursor, dialog pictures, the black
// picture behind intro videos). Each picture is one plain colour of its own,
// so a test can tell which file a control shows.
#include "DiscFixture.h"

#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>

namespace ui {
class Picture;
}

namespace fixture {

// Writes the whole skin into the disc folder.
void writeSkin(DiscFixture& disc);

// The skin files as written ("image\play.jpg", ...), and the size of each.
QStringList skinFiles();
QSize skinSize(const QString& name);

// The colour of a skin picture (names compared without regard to case).
QColor skinColour(const QString& name);

// True when the picture is the skin picture of that name: its size and the
// colour at its centre (within what JPEG compression changes).
bool showsSkin(const ui::Picture& picture, const QString& name);

// The bytes of a 32 x 32 two-colour cursor file (type 2) with a hot spot.
QByteArray twoColourCursor(int hotX, int hotY);

}  // namespace fixture
