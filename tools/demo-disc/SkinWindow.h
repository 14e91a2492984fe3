#pragma once
// The main window's background, image\player.bmp: title band, the panel with
// the logo and the side buttons, the frame round the picture area, the place
// of the seek bar and the transport row.
#include "DemoContent.h"
#include "SkinButtons.h"

#include <QImage>
#include <QRect>

namespace demo {

// Where the window's parts lie (pixels on the 800 x 600 window).
namespace layout {
inline const QRect pictureArea(206, 61, 528, 432);
inline const QRect seekBar(200, 503, 539, 9);
inline const QRect volumeBar(270, 562, 75, 20);
inline const QRect logo(40, 88, 121, 121);
inline const QRect makerLink(453, 573, 323, 17);
inline constexpr int titleBandHeight = 40;
inline constexpr int transportTop = 524;
}  // namespace layout

// The background without any button: the buttons' pictures are cut from it
// so that they sit on it without a seam.
QImage WindowChrome(const DiscContent& content);

// The background as the window shows it: the chrome with every button in its
// resting look.
QImage PlayerBackground(const QImage& chrome);

// One button picture: the chrome under the button with the button drawn on it.
QImage ButtonImage(const QImage& chrome, const ButtonPicture& button);

}  // namespace demo
