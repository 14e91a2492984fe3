// The frame stretch against the painter's own smooth stretch, which it stands
// in for: the same picture to within rounding, at every size the player meets.
#include "ui/FrameStretch.h"
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// A picture with edges and gradients in every channel, so that a tap taken
// from the wrong pixel or a weight on the wrong side shows.
QImage Pattern(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 37) & 255, (y * 53) & 255, ((x / 3) ^ (y / 2)) * 29 & 255));
    return image;
}

QImage PainterStretch(const QImage& source, QSize size) {
    QImage target(size, QImage::Format_RGB32);
    QPainter painter(&target);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target.rect(), source);
    return target;
}

int LargestChannelDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

}  // namespace

TEST(FrameStretch, DrawsThePaintersSmoothStretchToWithinRounding) {
    struct Case {
        QSize from, to;
    } cases[] = {
        {{640, 480}, {1920, 1080}},  // a lesson in full screen
        {{352, 288}, {528, 432}},    // a Video CD picture in the window
        {{352, 240}, {1366, 768}},   // NTSC Video CD on a laptop screen
        {{3, 2}, {7, 5}},            // every tap near an edge
        {{1, 1}, {4, 3}},            // one pixel
        {{1, 5}, {9, 9}},            // one column
        {{100, 80}, {60, 50}},       // made smaller (two taps, as the painter)
        {{64, 48}, {64, 96}},        // stretched one way only
    };
    ui::FrameStretch stretch;
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1x%2 to %3x%4")
                         .arg(c.from.width()).arg(c.from.height()).arg(c.to.width()).arg(c.to.height())
                         .toStdString());
        const QImage source = Pattern(c.from);
        QImage ours(c.to, QImage::Format_RGB32);
        stretch.stretch(source, ours);
        EXPECT_LE(LargestChannelDifference(ours, PainterStretch(source, c.to)), 2);
    }
}

TEST(FrameStretch, SameSizeIsAnExactCopyAndBandsOfRowsMakeTheWholePicture) {
    const QImage source = Pattern({33, 17});
    ui::FrameStretch stretch;
    QImage copy(source.size(), QImage::Format_RGB32);
    stretch.stretch(source, copy);
    EXPECT_EQ(copy, source);

    // An empty target or source draws nothing and does not fail.
    QImage empty;
    stretch.stretch(source, empty);
    QImage untouched = copy;
    stretch.stretch(QImage(), untouched);
    EXPECT_EQ(untouched, copy);

    // A second frame of the same sizes reuses the tables made for the first.
    QImage large(100, 40, QImage::Format_RGB32), again(100, 40, QImage::Format_RGB32);
    stretch.stretch(source, large);
    stretch.stretch(source, again);
    EXPECT_EQ(large, again);

    // Bands of 7 rows (the last one cut short), from the top and from the
    // middle only, as a partial repaint asks, give the rows of the whole.
    for (const int firstBand : {0, 21}) {
        QImage band(100, 7, QImage::Format_RGB32);
        stretch.start(source, large.size());
        for (int y = firstBand; y < large.height(); y += band.height()) {
            stretch.drawRows(y, band);
            for (int row = y; row < std::min(y + band.height(), large.height()); ++row)
                ASSERT_EQ(0, std::memcmp(band.constScanLine(row - y), large.constScanLine(row), 400)) << row;
        }
    }
}
