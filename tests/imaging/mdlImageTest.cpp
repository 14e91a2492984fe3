#include "imaging/mdlImage.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace imaging;

namespace {

constexpr uint32_t MagentaOle = 0xFF00FF;
constexpr QRgb White = 0xFFFFFFFF;

QImage Filled(int w, int h, QRgb colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000; }

}  // namespace

TEST(BlitTransparent, OnlyExactKeyColourIsTransparent) {
    // Source row: magenta, magenta with one red bit off, magenta with one
    // blue bit off, black, blue.
    QImage src(5, 1, QImage::Format_RGB32);
    const QRgb row[5] = {0xFFFF00FF, 0xFFFE00FF, 0xFFFF00FE, 0xFF000000, 0xFF0000FF};
    for (int x = 0; x < 5; ++x) src.setPixel(x, 0, row[x]);
    QImage dest = Filled(5, 1, White);

    BlitTransparent(dest, src, 0, 0, 5, 1, 0, 0, MagentaOle);

    EXPECT_EQ(At(dest, 0, 0), White);
    for (int x = 1; x < 5; ++x) EXPECT_EQ(At(dest, x, 0), row[x]) << "x = " << x;
}

TEST(BlitTransparent, KeyColourIsReadAsOleBgr) {
    // OLE 0x0000FF is red: red pixels are transparent, blue ones are drawn.
    QImage src(2, 1, QImage::Format_RGB32);
    src.setPixel(0, 0, 0xFFFF0000);
    src.setPixel(1, 0, 0xFF0000FF);
    QImage dest = Filled(2, 1, White);
    BlitTransparent(dest, src, 0, 0, 2, 1, 0, 0, 0x0000FF);
    EXPECT_EQ(At(dest, 0, 0), White);
    EXPECT_EQ(At(dest, 1, 0), 0xFF0000FFu);
}

TEST(BlitTransparent, CopiesTheSourceRectangleToTheDestinationPoint) {
    QImage src = Filled(8, 4, 0xFF00FF00);
    src.setPixel(5, 2, 0xFF123456);
    QImage dest = Filled(10, 10, White);

    BlitTransparent(dest, src, 4, 1, 3, 2, 6, 7, MagentaOle);

    // (5, 2) of the source lands at (7, 8).
    EXPECT_EQ(At(dest, 7, 8), 0xFF123456u);
    EXPECT_EQ(At(dest, 6, 7), 0xFF00FF00u);
    EXPECT_EQ(At(dest, 8, 8), 0xFF00FF00u);
    // Nothing outside the 3 x 2 rectangle changes.
    EXPECT_EQ(At(dest, 5, 7), White);
    EXPECT_EQ(At(dest, 9, 7), White);
    EXPECT_EQ(At(dest, 6, 9), White);
}

TEST(BlitTransparent, EmptyRectangleDrawsNothing) {
    const QImage src = Filled(4, 4, 0xFF000000);
    for (auto [w, h] : {std::pair{0, 4}, std::pair{4, 0}, std::pair{-2, 3}}) {
        QImage dest = Filled(4, 4, White);
        const QImage before = dest.copy();
        BlitTransparent(dest, src, 0, 0, int16_t(w), int16_t(h), 0, 0, MagentaOle);
        EXPECT_EQ(dest, before) << w << " x " << h;
    }
}

TEST(BlitTransparent, ClipsAtTheDestinationEdges) {
    const QImage src = Filled(4, 4, 0xFF0000FF);
    QImage dest = Filled(4, 4, White);
    BlitTransparent(dest, src, 0, 0, 4, 4, 2, -2, MagentaOle);
    EXPECT_EQ(At(dest, 3, 0), 0xFF0000FFu);
    EXPECT_EQ(At(dest, 3, 1), 0xFF0000FFu);
    EXPECT_EQ(At(dest, 3, 2), White);
    EXPECT_EQ(At(dest, 1, 0), White);
}

TEST(DrawPictureTransparent, NoPictureDrawsNothing) {
    QImage dest = Filled(3, 3, White);
    const QImage before = dest.copy();
    DrawPictureTransparent(ui::Picture(), dest, 0, 0, 3, 3, 0, 0, MagentaOle);
    EXPECT_EQ(dest, before);
}

TEST(DrawPictureTransparent, DrawsThePictureWithTheKeyTransparent) {
    QImage frame = Filled(2, 2, 0xFF808080);
    frame.setPixel(0, 0, 0xFFFF00FF);
    QImage dest = Filled(4, 4, White);
    DrawPictureTransparent(ui::Picture(frame), dest, 0, 0, 2, 2, 1, 1, MagentaOle);
    EXPECT_EQ(At(dest, 1, 1), White);
    EXPECT_EQ(At(dest, 2, 1), 0xFF808080u);
    EXPECT_EQ(At(dest, 2, 2), 0xFF808080u);
}

TEST(CopyDCToPicture, MakesAPictureOfExactlyTheSizeAsked) {
    QImage src = Filled(10, 6, 0xFF00FF00);
    src.setPixel(3, 2, 0xFFABCDEF);
    const ui::Picture picture = CopyDCToPicture(src, 3, 2, 4, 3);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.pixelWidth(), 4);
    EXPECT_EQ(picture.pixelHeight(), 3);
    EXPECT_EQ(At(picture.image(), 0, 0), 0xFFABCDEFu);
    EXPECT_EQ(At(picture.image(), 3, 2), 0xFF00FF00u);
}

TEST(CopyDCToPicture, PartsOutsideTheSourceAreBlack) {
    const QImage src = Filled(4, 4, White);
    const ui::Picture picture = CopyDCToPicture(src, 2, 0, 4, 2);
    ASSERT_EQ(picture.pixelWidth(), 4);
    EXPECT_EQ(At(picture.image(), 1, 0), White);
    EXPECT_EQ(At(picture.image(), 2, 0), 0xFF000000u);
    EXPECT_EQ(At(picture.image(), 3, 1), 0xFF000000u);
}

TEST(CopyDCToPicture, PictureOwnsItsPixels) {
    QImage src = Filled(4, 4, White);
    const ui::Picture picture = CopyDCToPicture(src, 0, 0, 4, 4);
    src.fill(Qt::black);
    EXPECT_EQ(At(picture.image(), 0, 0), White);

    QImage bitmap = Filled(2, 2, White);
    const ui::Picture owned = BitmapToPicture(bitmap);
    bitmap.setPixel(0, 0, 0xFF000000);
    EXPECT_EQ(At(owned.image(), 0, 0), White);
}

TEST(CopyDCToPicture, EmptyRectangleGivesNoPicture) {
    const QImage src = Filled(4, 4, White);
    EXPECT_TRUE(CopyDCToPicture(src, 0, 0, 0, 4).isNull());
    EXPECT_TRUE(CopyDCToPicture(src, 0, 0, 4, 0).isNull());
    EXPECT_TRUE(CopyDCToPicture(src, 0, 0, -3, 4).isNull());
}
