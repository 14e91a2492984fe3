#pragma once
// Writes Windows cursor files (.cur) for fixtures: one image with its AND
// mask (set where the image is transparent) and the given hot spot. At 32
// bits per pixel the image keeps its alpha; at 24 its colours; at 1, 4 or 8
// its colours become indices into a palette of the first colours met (the
// image must have no more than the depth allows).
#include <QByteArray>
#include <QImage>
#include <QPoint>

namespace sim {

QByteArray makeCursorFile(const QImage& image, QPoint hotSpot, int bitsPerPixel = 32);

}  // namespace sim
