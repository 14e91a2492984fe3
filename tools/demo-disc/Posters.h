#pragma once
// The pictures of the intro and outro lists, the still frame behind every
// clip, the ball that moves across the clips and image\black.jpg.
#include "DemoContent.h"

#include <QImage>

namespace demo {

// An 800 x 600 picture of the intro or outro list.
QImage StillPosterImage(const StillPicture& still);

// The background of a clip at the clip's size, its title large on it.
QImage ClipCard(const Clip& clip);

// A bright ball with a highlight on a transparent ground.
QImage BallSprite(int diameter);

// The black picture the intro window holds behind a video: 800 x 600.
QImage BlackPicture();

}  // namespace demo
