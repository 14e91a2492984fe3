#include "ui/FrameStretch.h"
#include <algorithm>

namespace ui {

namespace {

// Byte loops the compiler vectorises: 16 or 32 bytes at a time. No product or
// sum leaves 16 bits (255 * 256 at most).
void BlendRows(const uint8_t* __restrict above, const uint8_t* __restrict below, uint16_t weightBelow,
               uint8_t* __restrict out, size_t bytes) {
    const uint16_t weightAbove = uint16_t(256 - weightBelow);
    for (size_t i = 0; i < bytes; ++i)
        out[i] = uint8_t((above[i] * weightAbove + below[i] * weightBelow) >> 8);
}

void BlendBytes(const uint8_t* __restrict first, const uint8_t* __restrict second,
                const uint16_t* __restrict weightSecond, uint8_t* __restrict out, size_t bytes) {
    for (size_t i = 0; i < bytes; ++i)
        out[i] = uint8_t((first[i] * (256 - weightSecond[i]) + second[i] * weightSecond[i]) >> 8);
}

}  // namespace

// Sample centres map onto each other: target pixel i samples the source at
// (i + 0.5) * source / target - 0.5, in 16.16 fixed point, clamped to the edges.
void FrameStretch::taps(int sourceLength, int targetLength, std::vector<Tap>& out) {
    out.resize(size_t(targetLength));
    const int64_t step = (int64_t(sourceLength) << 16) / targetLength;
    int64_t position = step / 2 - 0x8000;
    for (Tap& tap : out) {
        const int64_t clamped = std::max<int64_t>(position, 0);
        tap.first = int(clamped >> 16);
        tap.weight = uint32_t((clamped >> 8) & 0xFF);
        if (tap.first >= sourceLength - 1) {
            tap.first = sourceLength - 1;
            tap.weight = 0;
        }
        tap.second = std::min(tap.first + 1, sourceLength - 1);
        position += step;
    }
}

// The two source pixels of every target pixel side by side, then the same
// byte blend as between rows, with each pixel's weight repeated over its bytes.
void FrameStretch::stretchRow(const uint32_t* sourceRow, uint32_t* out) {
    uint32_t* left = left_.data();
    uint32_t* right = right_.data();
    for (size_t x = 0; x < columns_.size(); ++x) {
        left[x] = sourceRow[columns_[x].first];
        right[x] = sourceRow[columns_[x].second];
    }
    BlendBytes(reinterpret_cast<const uint8_t*>(left), reinterpret_cast<const uint8_t*>(right), columnWeights_.data(),
               reinterpret_cast<uint8_t*>(out), columnWeights_.size());
}

void FrameStretch::start(const QImage& source, QSize targetSize) {
    source_ = &source;
    held_[0] = held_[1] = -1;
    // Nothing to draw from or into: no rows to draw.
    if (source.isNull() || targetSize.isEmpty()) targetSize = QSize(0, 0);
    if (source.size() == from_ && targetSize == to_) return;
    from_ = source.size();
    to_ = targetSize;
    if (to_.isEmpty()) return;
    const int width = targetSize.width();
    taps(source.width(), width, columns_);
    taps(source.height(), targetSize.height(), rows_);
    columnWeights_.resize(size_t(width) * 4);
    for (size_t x = 0; x < columns_.size(); ++x)
        std::fill_n(columnWeights_.begin() + ptrdiff_t(x * 4), 4, uint16_t(columns_[x].weight));
    left_.resize(size_t(width));
    right_.resize(size_t(width));
    stretchedRows_.resize(size_t(width) * 2);
}

// Rows are asked for in order: of the two held, the one above is the one a
// new row replaces, never the other row of the same target row.
const uint32_t* FrameStretch::stretchedRow(int sourceRow) {
    uint32_t* slot[2] = {stretchedRows_.data(), stretchedRows_.data() + to_.width()};
    for (int s = 0; s < 2; ++s)
        if (held_[s] == sourceRow) return slot[s];
    const int free = held_[0] < held_[1] ? 0 : 1;
    stretchRow(reinterpret_cast<const uint32_t*>(source_->constScanLine(sourceRow)), slot[free]);
    held_[free] = sourceRow;
    return slot[free];
}

void FrameStretch::drawRows(int firstRow, QImage& band) {
    if (band.width() < to_.width() || band.depth() != 32) return;  // rows would not fit
    const int last = std::min(to_.height(), firstRow + band.height());
    const size_t bytes = size_t(to_.width()) * 4;
    for (int y = std::max(firstRow, 0); y < last; ++y) {
        const Tap& tap = rows_[size_t(y)];
        const uint32_t* above = stretchedRow(tap.first);
        const uint32_t* below = stretchedRow(tap.second);
        BlendRows(reinterpret_cast<const uint8_t*>(above), reinterpret_cast<const uint8_t*>(below),
                  uint16_t(tap.weight), band.scanLine(y - firstRow), bytes);
    }
}

void FrameStretch::stretch(const QImage& source, QImage& target) {
    start(source, target.size());
    drawRows(0, target);
}

}  // namespace ui
