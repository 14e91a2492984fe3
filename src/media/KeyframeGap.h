#pragma once
// How far apart the keyframes of an MPEG-1 or MPEG-2 program stream lie, read
// from the first bytes of the clip (Video CD tracks included, with or without
// their CD sector headers).
//
// An exact seek decodes forward from a keyframe at or before its target. The
// program-stream demuxer cannot find keyframes: it lands on the first one after
// the place it is sent to. Sent back by one whole group of pictures (plus a
// margin), it is sure to land before the target; sent back further, it only
// decodes more pictures before the target can show. This is how far to send it.
#include <cstddef>
#include <optional>
#include <string_view>

namespace media {

// How much of a clip's start is read for it: some seconds of a Video CD, at
// least a second of any program stream.
constexpr size_t kKeyframeScanBytes = size_t{1} << 20;

struct KeyframeGap {
    int pictures = 0;              // pictures from one keyframe to the next, at most
    double picturesPerSecond = 0;  // as the sequence header gives it
};

// The longest run seen from a keyframe to the next in head (the clip's first
// bytes), the run after the last keyframe counting too; nothing when head is
// no program stream or holds fewer than two keyframes of its first video
// stream. Time and memory grow linearly with head's size.
std::optional<KeyframeGap> LongestKeyframeGap(std::string_view head);

// How many seconds before its target an exact seek must start reading so that
// the demuxer lands on a keyframe at or before the target: the longest gap,
// with a quarter more for pictures shown longer than a frame (pulled-down
// film) and four frames for pictures shown in another order than stored.
double SeekLeadFor(const KeyframeGap& gap);

}  // namespace media
