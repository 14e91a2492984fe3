#pragma once
// The demo disc's configuration file, AUTORUN.INF.
#include "DemoContent.h"

#include <QString>

namespace demo {

// The file's text, CR LF line ends: the operating system's own [autorun]
// section, then [main], [menu] and [navigate].
QString AutorunInfText(const DiscContent& content);

}  // namespace demo
