#include "imaging/mdlImage.h"

#include <QPainter>

namespace imaging {

namespace {

// The working format of off-screen buffers: what a true-colour display holds.
constexpr QImage::Format BufferFormat = QImage::Format_RGB32;

// A width x height buffer filled black, holding the rectangle at (x, y) of
// image where the rectangle lies inside it.
QImage CopyRect(const QImage& image, int x, int y, int width, int height) {
    QImage buffer(width, height, BufferFormat);
    if (buffer.isNull()) return buffer;
    buffer.fill(Qt::black);
    if (!image.isNull()) {
        QPainter painter(&buffer);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(0, 0), image, QRect(x, y, width, height));
    }
    return buffer;
}

}  // namespace

void BlitTransparent(QImage& dest, const QImage& src, int16_t srcX, int16_t srcY, int16_t width,
                     int16_t height, int16_t destX, int16_t destY, uint32_t keyColour) {
    if (width <= 0 || height <= 0 || dest.isNull()) return;
    const QRgb key = OleToRgb(keyColour) & RGB_MASK;

    // Background buffer: what dest shows now; sprite buffer: the source.
    QImage composite = CopyRect(dest, destX, destY, width, height);
    const QImage sprite = CopyRect(src, srcX, srcY, width, height);
    if (composite.isNull() || sprite.isNull()) return;

    // Where the sprite has the key colour the background stays; elsewhere the
    // sprite's pixel replaces it.
    for (int y = 0; y < height; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(sprite.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(composite.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if ((from[x] & RGB_MASK) != key) to[x] = from[x];
        }
    }

    // One final copy to the destination.
    QPainter painter(&dest);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(destX, destY), composite);
}

void DrawPictureTransparent(const ui::Picture& picture, QImage& dest, int16_t srcX, int16_t srcY,
                            int16_t width, int16_t height, int16_t destX, int16_t destY,
                            uint32_t keyColour) {
    if (picture.isNull()) return;
    BlitTransparent(dest, picture.image(), srcX, srcY, width, height, destX, destY, keyColour);
}

ui::Picture CopyDCToPicture(const QImage& src, int32_t left, int32_t top, int32_t width, int32_t height) {
    if (width <= 0 || height <= 0) return {};
    QImage copy = CopyRect(src, left, top, width, height);
    if (copy.isNull()) return {};
    return BitmapToPicture(copy);
}

ui::Picture BitmapToPicture(const QImage& bitmap, const QList<QRgb>& palette) {
    if (bitmap.isNull()) return {};
    // copy() makes a buffer of its own, so the picture never shares pixels
    // with an image the caller goes on drawing into.
    QImage owned = bitmap.copy();
    if (!palette.isEmpty() && owned.format() == QImage::Format_Indexed8) owned.setColorTable(palette);
    return ui::Picture(std::move(owned));
}

}  // namespace imaging
