#include "support/CursorFile.h"
#include <QList>
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

QByteArray makeCursorFile(const QImage& source, QPoint hotSpot, int bitsPerPixel) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width(), h = image.height();
    const int colourStride = ((w * bitsPerPixel + 31) / 32) * 4;
    const int maskStride = ((w + 31) / 32) * 4;

    QList<QRgb> palette;
    if (bitsPerPixel <= 8) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (const QRgb c = image.pixel(x, y) | 0xFF000000u; !palette.contains(c)) palette.append(c);
        palette.resize(1 << bitsPerPixel, 0xFF000000u);
    }

    QByteArray dib;
    put32(dib, 40);       // header size
    put32(dib, quint32(w));
    put32(dib, quint32(h * 2));  // colour image and mask
    put16(dib, 1);        // planes
    put16(dib, quint16(bitsPerPixel));
    put32(dib, 0);        // no compression
    put32(dib, quint32(colourStride * h + maskStride * h));
    put32(dib, 0);
    put32(dib, 0);
    put32(dib, 0);
    put32(dib, 0);
    for (const QRgb c : palette) put32(dib, c & 0xFFFFFFu);
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(colourStride, '\0');
        for (int x = 0; x < w; ++x) {
            const QRgb c = image.pixel(x, y);
            if (bitsPerPixel == 32) {
                qToLittleEndian(quint32(c), row.data() + 4 * x);
            } else if (bitsPerPixel == 24) {
                row[3 * x] = char(qBlue(c));
                row[3 * x + 1] = char(qGreen(c));
                row[3 * x + 2] = char(qRed(c));
            } else {
                const int index = int(palette.indexOf(c | 0xFF000000u));
                const int perByte = 8 / bitsPerPixel;
                const int shift = 8 - bitsPerPixel * (x % perByte + 1);
                row[x / perByte] = char(row[x / perByte] | (index << shift));
            }
        }
        dib.append(row);
    }
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
