#pragma once
// A picture of the main window as the disc's skin makes it look on menu page
// 1, put together from the files just written: for looking at the skin
// without starting the player.
#include "DemoContent.h"
#include "DiscWriter.h"

#include <QImage>

namespace demo {

QImage MainWindowPreview(const DiscWriter& writer, const DiscContent& content);

}  // namespace demo
