#include "media/KeyframeGap.h"
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>

namespace media {

namespace {

constexpr uint8_t kPack = 0xBA;
constexpr uint8_t kFirstVideo = 0xE0, kLastVideo = 0xEF;
constexpr uint8_t kSequenceHeader = 0xB3, kPicture = 0x00;
constexpr int kIntraCoded = 1;  // picture_coding_type of a keyframe

// The byte at i, or 0 past the end (callers check lengths where it matters).
struct Bytes {
    std::string_view s;
    uint8_t operator[](size_t i) const { return i < s.size() ? static_cast<uint8_t>(s[i]) : 0; }
};

// The offset of the next start code prefix (00 00 01) at or after from, or
// npos. memchr finds the candidates, so the search runs at memory speed.
size_t nextStartCode(std::string_view s, size_t from) {
    while (from + 3 <= s.size()) {
        const void* hit = std::memchr(s.data() + from + 2, 0x01, s.size() - from - 2);
        if (!hit) return std::string_view::npos;
        const size_t one = static_cast<const char*>(hit) - s.data();
        if (s[one - 1] == 0 && s[one - 2] == 0) return one - 2;
        from = one - 1;
    }
    return std::string_view::npos;
}

// Where the payload of the video packet at p (its start code) begins, or npos
// when its header does not hold together. MPEG-2 headers say their length;
// MPEG-1 headers are stuffing, an optional buffer size and the time stamps.
size_t payloadStart(Bytes b, size_t p, size_t end) {
    size_t q = p + 6;
    if ((b[q] & 0xC0) == 0x80) {
        q += 3 + b[q + 2];
    } else {
        for (int stuffing = 0; b[q] == 0xFF && stuffing < 16; ++stuffing) ++q;
        if ((b[q] & 0xC0) == 0x40) q += 2;
        if ((b[q] & 0xF0) == 0x20) q += 5;
        else if ((b[q] & 0xF0) == 0x30) q += 10;
        else if (b[q] == 0x0F) q += 1;
        else return std::string_view::npos;
    }
    return q <= end ? q : std::string_view::npos;
}

// The payloads of the first video stream's packets, joined. Packs are walked
// by their lengths; anything else between them (a RIFF header, CD sector
// headers, damage) is skipped up to the next start code.
std::string videoStream(std::string_view s) {
    const Bytes b{s};
    std::string video;
    int streamId = -1;
    bool packSeen = false;
    for (size_t p = nextStartCode(s, 0); p != std::string_view::npos; p = nextStartCode(s, p)) {
        const uint8_t id = b[p + 3];
        if (id == kPack) {
            packSeen = true;
            if ((b[p + 4] & 0xC0) == 0x40) p += 14 + (b[p + 13] & 0x07);  // MPEG-2
            else if ((b[p + 4] & 0xF0) == 0x20) p += 12;                  // MPEG-1
            else p += 4;
            continue;
        }
        if (id < 0xBB || !packSeen || p + 6 > s.size()) {
            p += 3;  // not a packet of a program stream: look further
            continue;
        }
        const size_t length = size_t{b[p + 4]} << 8 | b[p + 5];
        const size_t end = std::min(s.size(), p + 6 + length);
        if (id >= kFirstVideo && id <= kLastVideo && (streamId < 0 || streamId == id)) {
            const size_t from = payloadStart(b, p, end);
            if (from != std::string_view::npos) {
                streamId = id;
                video.append(s.substr(from, end - from));
            }
        }
        p = length ? end : p + 6;
    }
    return video;
}

double picturesPerSecond(uint8_t frameRateCode) {
    static constexpr double rates[] = {0, 24000.0 / 1001, 24, 25, 30000.0 / 1001, 30, 50, 60000.0 / 1001, 60};
    return frameRateCode < std::size(rates) ? rates[frameRateCode] : 0;
}

}  // namespace

std::optional<KeyframeGap> LongestKeyframeGap(std::string_view head) {
    const std::string video = videoStream(head);
    const Bytes b{video};
    double rate = 0;
    int pictures = 0, lastKeyframe = -1, longest = 0;
    bool wholeGap = false;
    for (size_t p = nextStartCode(video, 0); p != std::string_view::npos; p = nextStartCode(video, p + 3)) {
        const uint8_t code = b[p + 3];
        if (code == kSequenceHeader && rate == 0 && p + 8 <= video.size()) {
            rate = picturesPerSecond(b[p + 7] & 0x0F);
        } else if (code == kPicture && p + 6 <= video.size()) {
            if (((b[p + 5] >> 3) & 0x07) == kIntraCoded) {
                if (lastKeyframe >= 0) {
                    longest = std::max(longest, pictures - lastKeyframe);
                    wholeGap = true;
                }
                lastKeyframe = pictures;
            }
            ++pictures;
        }
    }
    if (!wholeGap || rate == 0) return std::nullopt;
    // The run after the last keyframe is at least that long a gap.
    longest = std::max(longest, pictures - lastKeyframe);
    return KeyframeGap{longest, rate};
}

double SeekLeadFor(const KeyframeGap& gap) {
    return (gap.pictures * 1.25 + 4) / gap.picturesPerSecond;
}

}  // namespace media
