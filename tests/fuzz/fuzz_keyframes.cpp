// Any bytes as the start of a clip: a keyframe gap that makes sense, or none,
// never a crash or a read past the bytes.
#include "media/KeyframeGap.h"
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view head(reinterpret_cast<const char*>(data), size);
    if (auto gap = media::LongestKeyframeGap(head)) {
        if (gap->pictures < 1 || !(gap->picturesPerSecond > 0) || !(media::SeekLeadFor(*gap) > 0)) __builtin_trap();
    }
    return 0;
}
