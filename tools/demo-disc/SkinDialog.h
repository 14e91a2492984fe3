#pragma once
// The close confirmation: image\CBack.jpg (418 x 265) with the question and
// both answers drawn at rest, and the two answers under the mouse,
// image\ok.jpg and image\cancel.jpg (116 x 53 each), which the dialog lays
// over the background at (74, 155) and (225, 155).
#include <QImage>
#include <QRect>

namespace demo {

namespace dialog {
inline const QRect okButton(74, 155, 116, 53);
inline const QRect cancelButton(225, 155, 116, 53);
inline constexpr int width = 418, height = 265;
}  // namespace dialog

QImage DialogBackground();
QImage DialogAnswer(const QImage& background, bool ok);

}  // namespace demo
