#pragma once
// The picture strips of the two sliders, laid out the way the main window
// cuts them:
// - seek bar, image\progress.bmp, 100 x 9: left end 17, right end 17, filled
//   part 1, empty part 1 (both stretched), then four thumb frames of 16;
// - volume bar, image\Trad2_1.bmp, 201 x 20: no ends, the whole bar filled
//   (69 wide) and empty (76 wide), shown left and right of the thumb without
//   stretching, then four thumb frames of 14, drawn 14 high at row 6.
// Thumb frames: normal, under the mouse, pressed, disabled; magenta around the
// thumb is see-through.
#include <QImage>
#include <QRect>

namespace demo {

namespace strips {
inline constexpr int seekEnd = 17, seekMid = 1, seekThumb = 16, seekHeight = 9;
inline constexpr int volumeFilled = 69, volumeEmpty = 76, volumeThumb = 14, volumeHeight = 20;
inline constexpr int volumeThumbTop = 6;
}  // namespace strips

// progress.bmp, from the chrome under the seek bar.
QImage SeekStrip(const QImage& chrome, const QRect& seekBar);

// Trad2_1.bmp, from the chrome under the volume bar.
QImage VolumeStrip(const QImage& chrome, const QRect& volumeBar);

// The seek bar's empty track painted into the window background, where the
// bar shows while a file plays.
void PaintIdleSeekTrack(QImage& window, const QRect& seekBar);

}  // namespace demo
