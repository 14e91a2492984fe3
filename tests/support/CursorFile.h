#pragma once
// Writes Windows cursor files (.cur) for fixtures: one 32-bit image with its
// AND mask and the given hot spot.
#include <QByteArray>
#include <QImage>
#include <QPoint>

namespace sim {

QByteArray makeCursorFile(const QImage& image, QPoint hotSpot);

}  // namespace sim
