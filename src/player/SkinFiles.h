#pragma once
// Pictures of the disc read by the main window: skin pictures under image\ and
// the menu page pictures, each named relative to the application folder.
#include "ui/Picture.h"
#include <QString>
#include <cstdint>

// The picture AppFolder + name (matched without regard to case). A missing or
// unreadable file raises ui::FileError naming it.
ui::Picture LoadSkinPicture(const QString& name);

// The picture of menu page `page` (from 1): AppFolder + FaceFiles(page - 1).
// Raises ui::RuntimeError when the face list has no entry for the page.
ui::Picture LoadMenuPage(int16_t page);
