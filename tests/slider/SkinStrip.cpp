#include "SkinStrip.h"

#include <QBuffer>
#include <QImage>

namespace skin {

ui::Picture WriteBmp(fixture::DiscFixture& disc, const QString& relativePath, const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    disc.write(relativePath, bytes);
    return ui::LoadPicture(disc.filePath(relativePath));
}

ui::Picture WriteStrip(fixture::DiscFixture& disc, const QString& relativePath, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    const auto band = [&](int x, int w, QRgb colour) {
        for (int y = 0; y < height; ++y)
            for (int i = x; i < x + w && i < width; ++i) image.setPixel(i, y, colour);
    };
    band(0, 17, LeftCap);
    band(17, 17, RightCap);
    band(34, 1, Filled);
    band(35, 1, Empty);
    for (int k = 0; k < 4; ++k) {
        const int x = 36 + 16 * k;
        band(x, 16, Frames[k]);
        image.setPixel(x, 0, Magenta);
        image.setPixel(x + 15, 0, Magenta);
    }
    return WriteBmp(disc, relativePath, image);
}

}  // namespace skin

void SliderTest::SetUp() {
    strip = skin::WriteStrip(disc, QStringLiteral("image\\progress.bmp"));
    bar = std::make_unique<slider::Progressbar>();
    bar->resize(240, 9);
    bar->setPicture(strip, 17, 17, 1, 1, 16);
    // A hidden widget gets its resize event (and that redraw) at its first
    // grab; take it now so that tests see only the redraws they cause.
    bar->grab();
}

QImage SliderTest::grab() { return bar->grab().toImage().convertToFormat(QImage::Format_RGB32); }

QRgb SliderTest::pixel(int x, int y) { return grab().pixel(x, y) | 0xFF000000; }
