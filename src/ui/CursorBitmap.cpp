#include "ui/CursorBitmap.h"
#include "ui/Picture.h"
#include <QtEndian>

namespace ui {

namespace {

constexpr qsizetype kHeaderSize = 40;

// Bytes per row of a bitmap: rows are padded to whole 32-bit words.
qsizetype stride(qint64 width, int bitsPerPixel) { return qsizetype((width * bitsPerPixel + 31) / 32 * 4); }

// The index of pixel x in a row of 1, 4 or 8 bits per pixel, high bits first.
int indexAt(const uchar* row, int x, int bitsPerPixel) {
    const int perByte = 8 / bitsPerPixel;
    const int shift = 8 - bitsPerPixel * (x % perByte + 1);
    return (row[x / perByte] >> shift) & ((1 << bitsPerPixel) - 1);
}

}  // namespace

std::optional<QImage> DecodeCursorBitmap(const uchar* dib, qsizetype length) {
    if (length < kHeaderSize || qFromLittleEndian<quint32>(dib) != kHeaderSize) return std::nullopt;
    const qint32 width = qFromLittleEndian<qint32>(dib + 4);
    const qint32 doubleHeight = qFromLittleEndian<qint32>(dib + 8);  // the colour image over the mask
    const quint16 planes = qFromLittleEndian<quint16>(dib + 12);
    const int bits = qFromLittleEndian<quint16>(dib + 14);
    const quint32 compression = qFromLittleEndian<quint32>(dib + 16);
    const quint32 coloursUsed = qFromLittleEndian<quint32>(dib + 32);
    if (planes != 1 || compression != 0) return std::nullopt;
    // Qt's icon reader draws a 24-bit cursor without its mask; such a rare
    // file is left to it, so that it looks as it always has.
    if (bits != 1 && bits != 4 && bits != 8 && bits != 32) return std::nullopt;
    if (width <= 0 || doubleHeight <= 0 || doubleHeight % 2 != 0) return std::nullopt;
    const int height = doubleHeight / 2;
    if (!PictureSizeProblem(QSize(width, height)).isEmpty()) return std::nullopt;
    const int paletteSize = bits <= 8 ? 1 << bits : 0;
    if (paletteSize && coloursUsed != 0 && coloursUsed != quint32(paletteSize)) return std::nullopt;

    const qsizetype colourStride = stride(width, bits);
    const qsizetype maskStride = stride(width, 1);
    const qsizetype pixelsAt = kHeaderSize + qsizetype(paletteSize) * 4;
    if (qint64(pixelsAt) + (qint64(colourStride) + maskStride) * height > length) return std::nullopt;
    const uchar* palette = dib + kHeaderSize;
    const uchar* colours = dib + pixelsAt;
    const uchar* mask = colours + colourStride * height;

    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull()) return std::nullopt;
    // Rows run bottom up. A 32-bit cursor carries its own transparency; any
    // other takes it from the mask, where a set bit is a transparent pixel.
    for (int y = 0; y < height; ++y) {
        const uchar* in = colours + colourStride * (height - 1 - y);
        const uchar* maskRow = mask + maskStride * (height - 1 - y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (bits == 32) {
                out[x] = qFromLittleEndian<quint32>(in + 4 * x);
                continue;
            }
            const uchar* bgr = palette + 4 * indexAt(in, x, bits);
            const bool transparent = (maskRow[x / 8] >> (7 - x % 8)) & 1;
            out[x] = transparent ? 0 : qRgb(bgr[2], bgr[1], bgr[0]);
        }
    }
    // The icon reader's 32-bit pictures pass through premultiplied alpha (a
    // colour under full transparency becomes 0, a translucent one may move by
    // a level); the same passage gives the same pixels.
    if (bits == 32) image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied).convertToFormat(QImage::Format_ARGB32);
    return image;
}

}  // namespace ui
