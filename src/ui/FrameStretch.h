#pragma once
// Stretches a video frame to another size with bilinear interpolation, the
// same picture the painter's smooth stretch gives, at a fraction of its cost:
// each source row is stretched across once and each target row is a blend of
// two of those, a loop the compiler turns into vector instructions.
#include <QImage>
#include <cstdint>
#include <vector>

namespace ui {

class FrameStretch {
public:
    // Draws source stretched over the whole of target, both 32-bit RGB
    // (QImage::Format_RGB32) and non-null, of any sizes.
    void stretch(const QImage& source, QImage& target);

private:
    struct Tap {
        int first;       // the source pixel (or row) at or left of the sample
        int second;      // the one after it, the same one at the far edge
        uint32_t weight; // of the second, in 256ths
    };
    static void taps(int sourceLength, int targetLength, std::vector<Tap>& out);
    void stretchRow(const uint32_t* sourceRow, uint32_t* out);

    QSize from_, to_;  // the sizes the tables below were made for
    std::vector<Tap> columns_;
    std::vector<Tap> rows_;
    std::vector<uint16_t> columnWeights_;  // each column's weight, once per byte
    std::vector<uint32_t> left_, right_;     // a row's two source pixels per column
    std::vector<uint32_t> stretchedRows_;  // two source rows stretched across
};

}  // namespace ui
