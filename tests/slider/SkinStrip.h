#pragma once
// A seek-bar skin strip written to disk as a .bmp and loaded back, with pieces
// of known colours side by side: left cap 17, right cap 17, filled 1, empty 1,
// then four thumb frames of 16 pixels whose top corners are magenta.
#include "support/DiscFixture.h"
#include "support/SimPlatform.h"
#include "slider/Progressbar.h"
#include "ui/Picture.h"
#include <QRgb>
#include <gtest/gtest.h>
#include <memory>

namespace skin {

constexpr QRgb LeftCap = 0xFFFF0000;     // red
constexpr QRgb RightCap = 0xFF00FF00;    // green
constexpr QRgb Filled = 0xFF0000FF;      // blue
constexpr QRgb Empty = 0xFFFFFF00;       // yellow
constexpr QRgb Frames[4] = {0xFFC8C8C8, 0xFF6464FF, 0xFF323232, 0xFF808000};
constexpr QRgb Magenta = 0xFFFF00FF;
constexpr int StripWidth = 100;
constexpr int StripHeight = 9;

// Writes the strip (width x height, the rest of the width after the thumb
// frames in white) as relativePath in the disc folder and loads it.
ui::Picture WriteStrip(fixture::DiscFixture& disc, const QString& relativePath, int width = StripWidth,
                       int height = StripHeight);

// Writes a picture as .bmp into the disc folder and loads it back.
ui::Picture WriteBmp(fixture::DiscFixture& disc, const QString& relativePath, const QImage& image);

}  // namespace skin

// A 240 x 9 pixel slider (3600 twips wide) with the strip set as (17, 17, 1, 1, 16).
class SliderTest : public ::testing::Test {
protected:
    void SetUp() override;
    // A pixel of an off-screen grab of the control, without alpha.
    QRgb pixel(int x, int y);
    QImage grab();

    sim::SimPlatform platform;
    fixture::DiscFixture disc;
    ui::Picture strip;
    std::unique_ptr<slider::Progressbar> bar;
};
