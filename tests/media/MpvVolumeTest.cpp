// The mapping from hundredths of a decibel onto the library's cubic volume.
#include "media/mpv/MpvVolume.h"
#include "ui/Errors.h"
#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(MpvVolumeTest, LevelsMapOntoTheCubicScaleWithTheSameGain) {
    struct Case {
        int32_t level;
        double volume;
    };
    const Case cases[] = {{0, 100.0}, {-6000, 10.0}, {-2000, 46.41588833612779}, {-1, 99.96162}, {-10000, 0.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        const double v = media::mpvVolumeForLevel(c.level);
        EXPECT_NEAR(v, c.volume, 1e-4);
        if (c.level > -10000) {
            // The library's gain (v/100)^3 is the level's amplitude 10^(L/2000).
            EXPECT_NEAR(std::pow(v / 100.0, 3), std::pow(10.0, c.level / 2000.0), 1e-12);
        }
    }
}

TEST(MpvVolumeTest, LevelsOutsideTheScaleAreRefused) {
    for (int32_t level : {-10001, 1, INT32_MIN, INT32_MAX}) {
        EXPECT_THROW(media::mpvVolumeForLevel(level), ui::MediaError) << level;
    }
}

}  // namespace
