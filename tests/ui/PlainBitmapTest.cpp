// The fast reader of plain 24-bit bitmaps against the general image reader: the
// same image for every file it takes, and every other file left to the
// general reader.
#include "ui/Picture.h"
#include "ui/PlainBitmap.h"
#include <QBuffer>
#include <QImageReader>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

struct Bitmap {
    int32_t width = 5;
    int32_t height = 3;  // negative: rows stored top-down
    uint16_t bits = 24;
    uint32_t compression = 0;
    uint32_t headerSize = 40;
    int32_t gap = 0;        // bytes between the headers and the pixels (a colour table)
    int32_t offsetDelta = 0;  // added to the correct pixel offset
    int32_t cut = 0;        // bytes cut off the end
};

void put16(QByteArray& b, int at, uint16_t v) {
    b[at] = char(v & 0xFF);
    b[at + 1] = char(v >> 8);
}
void put32(QByteArray& b, int at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = char((v >> (8 * i)) & 0xFF);
}

// A bitmap file with pixels (and row padding) of noise.
QByteArray bitmapFile(const Bitmap& m) {
    const int rows = m.height < 0 ? -m.height : m.height;
    const int columns = m.width < 0 ? -m.width : m.width;
    const int rowBytes = (columns * m.bits / 8 + 3) / 4 * 4;
    const int pixelsAt = 14 + int(m.headerSize) + m.gap;
    QByteArray b(pixelsAt + rowBytes * rows, '\0');
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, uint32_t(b.size()));
    put32(b, 10, uint32_t(pixelsAt + m.offsetDelta));
    put32(b, 14, m.headerSize);
    put32(b, 18, uint32_t(m.width));
    put32(b, 22, uint32_t(m.height));
    put16(b, 26, 1);
    put16(b, 28, m.bits);
    put32(b, 30, m.compression);
    put32(b, 34, uint32_t(rowBytes * rows));
    put32(b, 38, 3780);
    put32(b, 42, 2835);
    QRandomGenerator noise(uint32_t(m.width * 7919 + m.height));
    for (int i = pixelsAt; i < b.size(); ++i) b[i] = char(noise.bounded(256));
    b.chop(m.cut);
    return b;
}

QImage generalReader(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

TEST(PlainBitmap, GivesTheImageOfTheGeneralReader) {
    struct Case {
        const char* name;
        QByteArray file;
    };
    QImage drawn(37, 11, QImage::Format_RGB32);
    drawn.fill(QColor(10, 39, 112));
    drawn.setPixel(0, 0, qRgb(255, 0, 0));
    drawn.setPixel(36, 10, qRgb(0, 255, 0));
    QByteArray written;
    {
        QBuffer out(&written);
        out.open(QIODevice::WriteOnly);
        ASSERT_TRUE(drawn.save(&out, "BMP"));
    }
    const Case cases[] = {
        {"one pixel", bitmapFile({.width = 1, .height = 1})},
        {"rows padded by 3, 2, 1 and 0 bytes", bitmapFile({.width = 1, .height = 4})},
        {"width 2", bitmapFile({.width = 2, .height = 3})},
        {"width 3", bitmapFile({.width = 3, .height = 3})},
        {"width 4", bitmapFile({.width = 4, .height = 2})},
        {"top-down rows", bitmapFile({.width = 5, .height = -3})},
        {"a table before the pixels", bitmapFile({.width = 6, .height = 2, .gap = 16})},
        {"the skin's background size", bitmapFile({.width = 800, .height = 600})},
        {"written by Qt", written},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<QImage> fast = ui::DecodePlainBitmap(c.file);
        const QImage general = generalReader(c.file);
        ASSERT_TRUE(fast.has_value());
        ASSERT_FALSE(general.isNull());
        EXPECT_EQ(fast->format(), general.format());
        EXPECT_EQ(fast->size(), general.size());
        EXPECT_TRUE(*fast == general) << "the pixels differ";
        EXPECT_EQ(fast->dotsPerMeterX(), general.dotsPerMeterX());
        EXPECT_EQ(fast->dotsPerMeterY(), general.dotsPerMeterY());
        const std::optional<ui::Picture> picture = ui::DecodePicture(c.file);
        ASSERT_TRUE(picture.has_value());
        EXPECT_TRUE(picture->image() == general);
    }
    EXPECT_TRUE(*ui::DecodePlainBitmap(written) == drawn);
}

// Anything else goes to the general reader, which decodes it or says why not.
TEST(PlainBitmap, LeavesEveryOtherFileToTheGeneralReader) {
    struct Case {
        const char* name;
        QByteArray file;
    };
    const Case cases[] = {
        {"32 bits a pixel", bitmapFile({.bits = 32})},
        {"8 bits a pixel", bitmapFile({.bits = 8, .gap = 1024})},
        {"compressed", bitmapFile({.compression = 1})},
        {"a longer header", bitmapFile({.headerSize = 108})},
        {"pixels cut short", bitmapFile({.cut = 1})},
        {"pixels said to start inside the header", bitmapFile({.offsetDelta = -2})},
        {"pixels said to start beyond the file", bitmapFile({.offsetDelta = 4})},
        {"no width", bitmapFile({.width = 0})},
        {"negative width", bitmapFile({.width = -4})},
        {"no height", bitmapFile({.height = 0})},
        {"headers cut short", bitmapFile({}).left(40)},
        {"not a bitmap", QByteArray(200, 'x')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(ui::DecodePlainBitmap(c.file).has_value());
    }
    // More pixels than a picture may have, the file long enough for them: the
    // general reader refuses it from the header (PictureTest).
    Bitmap wide{.width = 8193, .height = 4097};
    QByteArray huge = bitmapFile({.width = 1, .height = 1});
    put32(huge, 18, uint32_t(wide.width));
    put32(huge, 22, uint32_t(wide.height));
    huge.append(QByteArray(qsizetype(wide.width) * 3 * wide.height + 4 * wide.height, '\0'));
    EXPECT_FALSE(ui::DecodePlainBitmap(huge).has_value());
}

}  // namespace
