#include "support/CursorFile.h"
#include <QtEndian>

namespace sim {

namespace {
void put16(QByteArray& out, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}
void put32(QByteArray& out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}
}  // namespace

QByteArray makeCursorFile(const QImage& source, QPoint hotSpot) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width(), h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;

    QByteArray dib;
    put32(dib, 40);       // header size
    put32(dib, quint32(w));
    put32(dib, quint32(h * 2));  // colour image and mask
    put16(dib, 1);        // planes
    put16(dib, 32);       // bits per pixel
    put32(dib, 0);        // no compression
    put32(dib, quint32(w * h * 4 + maskStride * h));
    put32(dib, 0);
    put32(dib, 0);
    put32(dib, 0);
    put32(dib, 0);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) put32(dib, image.pixel(x, y));
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(image.pixel(x, y)) == 0) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        dib.append(row);
    }

    QByteArray out;
    put16(out, 0);
    put16(out, 2);  // cursor
    put16(out, 1);
    out.append(char(w >= 256 ? 0 : w));
    out.append(char(h >= 256 ? 0 : h));
    out.append(char(0));
    out.append(char(0));
    put16(out, quint16(hotSpot.x()));
    put16(out, quint16(hotSpot.y()));
    put32(out, quint32(dib.size()));
    put32(out, 6 + 16);
    out.append(dib);
    return out;
}

}  // namespace sim
