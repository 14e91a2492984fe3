#pragma once
// Sound levels: the player speaks hundredths of a decibel, -10000 (silent) to 0
// (full); the library takes a volume in percent whose gain is cubic: v percent
// plays at amplitude (v/100)^3. A level L is an amplitude of 10^(L/2000), so
//     v = 100 * 10^(L/6000),
// which gives 100 at 0 dB, 46.4 at -20 dB and 2.15 at -100 dB. The bottom of the
// scale, -10000, means silence and maps to 0 exactly.
#include <cstdint>

namespace media {

constexpr int32_t silentLevel = -10000;
constexpr int32_t fullLevel = 0;

// The library's volume for a level; throws ui::MediaError for a level outside
// -10000..0, which the player's framework refuses.
double mpvVolumeForLevel(int32_t level);

}  // namespace media
