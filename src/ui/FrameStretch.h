#pragma once
// Stretches a video frame to another size with bilinear interpolation, the
// same picture the painter's smooth stretch gives, at a fraction of its cost:
// each source row is stretched across once and each target row is a blend of
// two of those, a loop the compiler turns into vector instructions. The
// target can be drawn a band of rows at a time, so that a full-screen picture
// needs no full-screen buffer.
#include <QImage>
#include <cstdint>
#include <vector>

namespace ui {

class FrameStretch {
public:
    // Starts a picture: source stretched to targetSize. source (32-bit RGB,
    // QImage::Format_RGB32, non-null) must stay as it is until the picture's
    // last rows are drawn.
    void start(const QImage& source, QSize targetSize);
    // Draws the target rows from firstRow on into the top rows of band (32-bit
    // RGB, targetSize's width), as many as band holds or the target has left.
    // Asked for from top to bottom, rows share the source rows they stretched.
    void drawRows(int firstRow, QImage& band);
    // The whole picture at once, into target.
    void stretch(const QImage& source, QImage& target);

private:
    struct Tap {
        int first;       // the source pixel (or row) at or left of the sample
        int second;      // the one after it, the same one at the far edge
        uint32_t weight; // of the second, in 256ths
    };
    static void taps(int sourceLength, int targetLength, std::vector<Tap>& out);
    void stretchRow(const uint32_t* sourceRow, uint32_t* out);
    const uint32_t* stretchedRow(int sourceRow);

    QSize from_, to_;  // the sizes the tables below were made for
    std::vector<Tap> columns_;
    std::vector<Tap> rows_;
    std::vector<uint16_t> columnWeights_;  // each column's weight, once per byte
    std::vector<uint32_t> left_, right_;     // a row's two source pixels per column
    std::vector<uint32_t> stretchedRows_;  // two source rows stretched across
    int held_[2] = {-1, -1};                // the source row each of them holds
    const QImage* source_ = nullptr;
};

}  // namespace ui
