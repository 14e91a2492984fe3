#include "SkinFixture.h"

#include "ui/Picture.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QtEndian>
#include <cstdlib>
#include <stdexcept>

namespace fixture {
namespace {

struct SkinFile {
    const char* name;
    int width;
    int height;
};

// Plain pictures. Names keep the letter case the window uses where it first
// reads them; lookups ignore case.
constexpr SkinFile kPictures[] = {
    {"image\\player.bmp", 800, 600},  {"image\\arrow.jpg", 24, 20},    {"image\\help.jpg", 41, 17},
    {"image\\help_h.jpg", 41, 17},    {"image\\fscren.jpg", 41, 17},   {"image\\fscren_h.jpg", 41, 17},
    {"image\\close.jpg", 41, 17},     {"image\\close_h.jpg", 41, 17},  {"image\\tp.jpg", 103, 25},
    {"image\\sy.jpg", 65, 33},        {"image\\sy_h.jpg", 65, 33},     {"image\\dh.jpg", 65, 33},
    {"image\\dh_h.jpg", 65, 33},      {"image\\play.jpg", 28, 28},     {"image\\Play_h.jpg", 28, 28},
    {"image\\pause.jpg", 28, 28},     {"image\\Pause_h.jpg", 28, 28},  {"image\\stop.jpg", 40, 40},
    {"image\\Stop_h.jpg", 40, 40},    {"image\\void.jpg", 28, 28},     {"image\\void_h.jpg", 28, 28},
    {"image\\clsvoid.jpg", 28, 28},   {"image\\black.jpg", 800, 600},  {"image\\CBack.jpg", 418, 265},
    {"image\\ok.jpg", 116, 53},       {"image\\cancel.jpg", 116, 53},
};

// The slider strips: pieces side by side, each as high as the strip. The seek
// bar takes left cap 17, right cap 17, filled 1, empty 1, thumb 4 x 16; the
// volume bar filled 69, empty 76, thumb 4 x 14.
const char* const kSeekStrip = "image\\progress.bmp";
const char* const kVolumeStrip = "image\\Trad2_1.bmp";
const char* const kCursor = "image\\cur.cur";

QString folded(const QString& name) { return name.toCaseFolded(); }

int indexOf(const QString& name) {
    const QStringList all = skinFiles();
    for (int i = 0; i < all.size(); ++i) {
        if (folded(all[i]) == folded(name)) return i;
    }
    throw std::invalid_argument(("no skin file " + name).toStdString());
}

// Paints pieces of the given widths from the left, each in its own colour;
// the thumb frames (the last four pieces) carry the magenta key colour in
// their corners, as thumb frames do.
QImage strip(const std::initializer_list<int>& widths, int height, int thumbFrames, QColor base) {
    int total = 0;
    for (int w : widths) total += w;
    QImage image(total, height, QImage::Format_RGB32);
    QPainter painter(&image);
    int x = 0;
    int piece = 0;
    const int count = static_cast<int>(widths.size());
    for (int w : widths) {
        const QColor colour = QColor::fromHsv((base.hsvHue() + piece * 40) % 360, 200, 100 + piece * 15);
        painter.fillRect(x, 0, w, height, colour);
        if (piece >= count - thumbFrames) {
            painter.fillRect(x, 0, 1, 1, QColor(255, 0, 255));
        }
        x += w;
        ++piece;
    }
    return image;
}

QByteArray encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format, 100)) throw std::runtime_error("cannot encode a skin picture");
    return bytes;
}

void put16(QByteArray& out, int v) {
    char b[2];
    qToLittleEndian<quint16>(quint16(v), b);
    out.append(b, 2);
}
void put32(QByteArray& out, qint64 v) {
    char b[4];
    qToLittleEndian<quint32>(quint32(v), b);
    out.append(b, 4);
}

}  // namespace

QStringList skinFiles() {
    QStringList names;
    for (const SkinFile& f : kPictures) names << QString::fromLatin1(f.name);
    names << QString::fromLatin1(kSeekStrip) << QString::fromLatin1(kVolumeStrip) << QString::fromLatin1(kCursor);
    return names;
}

QSize skinSize(const QString& name) {
    for (const SkinFile& f : kPictures) {
        if (folded(QString::fromLatin1(f.name)) == folded(name)) return {f.width, f.height};
    }
    if (folded(name) == folded(QString::fromLatin1(kSeekStrip))) return {17 + 17 + 1 + 1 + 4 * 16, 9};
    if (folded(name) == folded(QString::fromLatin1(kVolumeStrip))) return {69 + 76 + 4 * 14, 20};
    if (folded(name) == folded(QString::fromLatin1(kCursor))) return {32, 32};
    throw std::invalid_argument(("no skin file " + name).toStdString());
}

QColor skinColour(const QString& name) {
    // Hues far apart for neighbours in the list, two brightness levels.
    const int i = indexOf(name);
    return QColor::fromHsv((i * 47) % 360, 220, i % 2 ? 160 : 230);
}

bool showsSkin(const ui::Picture& picture, const QString& name) {
    if (picture.isNull() || picture.image().size() != skinSize(name)) return false;
    const QColor want = skinColour(name);
    const QColor got = picture.image().pixelColor(picture.pixelWidth() / 2, picture.pixelHeight() / 2);
    return std::abs(want.red() - got.red()) <= 12 && std::abs(want.green() - got.green()) <= 12 &&
           std::abs(want.blue() - got.blue()) <= 12;
}

QByteArray twoColourCursor(int hotX, int hotY) {
    // A 1-bit image: colour table black and white; the XOR mask draws a white
    // hand-sized block on a transparent field, the AND mask marks what shows.
    constexpr int size = 32;
    constexpr int rowBytes = size / 8;
    QByteArray xorMask(rowBytes * size, '\0');
    QByteArray andMask(rowBytes * size, '\xFF');
    for (int y = 4; y < 28; ++y) {           // rows are stored bottom-up
        const int row = size - 1 - y;
        for (int x = 4; x < 20; ++x) {
            xorMask[row * rowBytes + x / 8] = char(xorMask[row * rowBytes + x / 8] | (0x80 >> (x % 8)));
            andMask[row * rowBytes + x / 8] = char(andMask[row * rowBytes + x / 8] & ~(0x80 >> (x % 8)));
        }
    }
    QByteArray image;
    put32(image, 40);        // BITMAPINFOHEADER size
    put32(image, size);      // width
    put32(image, size * 2);  // height: XOR and AND masks
    put16(image, 1);         // planes
    put16(image, 1);         // bits per pixel
    put32(image, 0);         // no compression
    put32(image, xorMask.size() + andMask.size());
    put32(image, 0);
    put32(image, 0);
    put32(image, 2);  // colours used
    put32(image, 0);
    put32(image, 0x000000);  // black
    put32(image, 0xFFFFFF);  // white
    image += xorMask;
    image += andMask;

    QByteArray file;
    put16(file, 0);  // reserved
    put16(file, 2);  // type: cursor
    put16(file, 1);  // one image
    file.append(char(size));
    file.append(char(size));
    file.append(char(0));  // colour count (0: not a palette entry count)
    file.append(char(0));  // reserved
    put16(file, hotX);
    put16(file, hotY);
    put32(file, image.size());
    put32(file, 6 + 16);  // the image follows the directory
    return file + image;
}

void writeSkin(DiscFixture& disc) {
    for (const SkinFile& f : kPictures) {
        const QString name = QString::fromLatin1(f.name);
        disc.writePicture(name, f.width, f.height, skinColour(name));
    }
    const QString seek = QString::fromLatin1(kSeekStrip);
    disc.write(seek, encode(strip({17, 17, 1, 1, 16, 16, 16, 16}, 9, 4, skinColour(seek)), "BMP"));
    const QString volume = QString::fromLatin1(kVolumeStrip);
    disc.write(volume, encode(strip({69, 76, 14, 14, 14, 14}, 20, 4, skinColour(volume)), "BMP"));
    disc.write(QString::fromLatin1(kCursor), twoColourCursor(5, 0));
}

}  // namespace fixture
