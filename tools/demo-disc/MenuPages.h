#pragma once
// The menu pages' pictures (528 x 432, the size of the window's picture
// area), each item drawn exactly inside the rectangle that [menu] gives it.
// Left of every item on which the arrow can land the page stays plain white,
// the ground of the arrow picture.
#include "DemoContent.h"

#include <QImage>

namespace demo {

inline constexpr int kPageWidth = 528, kPageHeight = 432;

QImage MenuPagePicture(const MenuPage& page);

}  // namespace demo
