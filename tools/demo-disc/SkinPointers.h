#pragma once
// The hand cursor image\cur.cur and the menu arrow image\arrow.jpg.
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPoint>

namespace demo {

// Hot spot of the hand: the tip of its finger.
inline constexpr QPoint kHandHotSpot(5, 0);

// The 32 x 32 hand, two colours on transparent.
QImage HandImage();

// The .cur file of the hand.
QByteArray HandCursorFile();

// The arrow beside the chosen menu item, 48 x 40, on the menu pages' white.
QImage ArrowImage(const QColor& page);

}  // namespace demo
