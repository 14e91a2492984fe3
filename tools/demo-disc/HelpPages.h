#pragma once
// The pages under help\: the help page the window's help button opens and the
// two pages named in [navigate], all in Chinese, UTF-8 HTML.
#include "DemoContent.h"
#include "DiscWriter.h"

namespace demo {

bool WriteHelpPages(DiscWriter& writer, const DiscContent& content);

}  // namespace demo
