#include "support/CursorFile.h"
#include "ui/Cursor.h"
#include "ui/Errors.h"
#include "ui/Picture.h"
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ui;

namespace {
// Two 2 x 2 frames: red, then blue.
const unsigned char kTwoFrameGif[] = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x02, 0x00, 0x02, 0x00, 0xf0, 0x00, 0x00, 0xff, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x21, 0xff, 0x0b, 0x4e, 0x45, 0x54, 0x53,
    0x43, 0x41, 0x50, 0x45, 0x32, 0x2e, 0x30, 0x03, 0x01, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00,
    0x02, 0x00, 0x02, 0x00, 0x00, 0x02, 0x02, 0x84, 0x51, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x02, 0x00, 0x80, 0x00, 0x00, 0xff, 0x00, 0x00, 0x00,
    0x02, 0x02, 0x84, 0x51, 0x00, 0x3b};

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray saved(const char* format) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

void put16(QByteArray& b, qsizetype at, quint16 v, bool bigEndian) {
    b[at + (bigEndian ? 0 : 1)] = char(v >> 8);
    b[at + (bigEndian ? 1 : 0)] = char(v & 0xFF);
}

void put32(QByteArray& b, qsizetype at, quint32 v, bool bigEndian) {
    for (int i = 0; i < 4; ++i) b[at + (bigEndian ? 3 - i : i)] = char((v >> (8 * i)) & 0xFF);
}

// The CRC of a PNG chunk (type and data).
quint32 pngCrc(const QByteArray& bytes, qsizetype from, qsizetype length) {
    quint32 crc = 0xFFFFFFFFu;
    for (qsizetype i = from; i < from + length; ++i) {
        crc ^= static_cast<unsigned char>(bytes[i]);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}
}  // namespace

TEST(Picture, LoadsByContentWithSizeInHimetric) {
    QTemporaryDir dir;
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(Qt::green);
    image.save(dir.path() + "/player.bmp", "BMP");
    image.save(dir.path() + "/Face.JPG", "JPEG");
    write(dir.path() + "/anim.gif", QByteArray(reinterpret_cast<const char*>(kTwoFrameGif), sizeof kTwoFrameGif));

    const Picture bmp = LoadPicture(dir.path() + "/player.bmp");
    EXPECT_EQ(bmp.pixelWidth(), 800);
    EXPECT_EQ(bmp.Width(), 21167);  // 800 px at 96 per inch, in hundredths of a millimetre
    EXPECT_EQ(bmp.Height(), 15875);
    EXPECT_EQ(LoadPicture(dir.path() + "\\face.jpg").pixelHeight(), 600);

    const Picture gif = LoadPicture(dir.path() + "/anim.gif");
    EXPECT_EQ(gif.image().pixel(0, 0), qRgb(255, 0, 0));  // the first frame
    write(dir.path() + "/page.dat", saved("PNG"));  // the name says nothing of the kind
    EXPECT_EQ(LoadPicture(dir.path() + "/page.dat").pixelWidth(), 16);
}

// JPEG pictures decode to the very pixels Qt's own JPEG reader gives, in
// colour, in grey and written progressively, at sizes that are no multiple
// of the blocks; a CMYK picture, which the system library does not turn into
// RGB, is still read.
TEST(Picture, JpegPixelsMatchQtsReader) {
    QImage source(37, 23, QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) source.setPixel(x, y, qRgb(x * 7, y * 11, (x * y) % 256));
    const auto encoded = [&](QImage image, bool progressive) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setProgressiveScanWrite(progressive);
        writer.write(image);
        return bytes;
    };
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const std::vector<Case> cases = {
        {"colour", encoded(source, false)},
        {"grey", encoded(source.convertToFormat(QImage::Format_Grayscale8), false)},
        {"progressive", encoded(source, true)},
        // 9 x 7, CMYK (ImageMagick: gradient:red-blue -colorspace CMYK).
        {"cmyk", QByteArray::fromBase64(
        "/9j/7gAOQWRvYmUAZAAAAAAC/9sAQwADAgIDAgIDAwMDBAMDBAUIBQUEBAUKBwcGCAwKDAwLCgsLDQ4SEA0OEQ4LCxAWEBET"
        "FBUVFQwPFxgWFBgSFBUU/9sAQwEDBAQFBAUJBQUJFA0LDRQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQU"
        "FBQUFBQUFBQUFBQU/8AAFAgABwAJBAERAAIRAQMRAQQRAP/EABUAAQEAAAAAAAAAAAAAAAAAAAAI/8QAIBAAAAILAAAAAAAA"
        "AAAAAAAAAAQBBgcWF1VWkZPS4v/EABUBAQEAAAAAAAAAAAAAAAAAAAAI/8QAHhEAAAQHAAAAAAAAAAAAAAAAAAEXkQIEBVFU"
        "0eH/2gAOBAEAAhEDEQQAAD8AqSE6xTIvjTsJQXyv3Jj2JfQadyIW6LTc9ttRlLdhCdYpkXxp2BfK/cmPYINO5ELdB0G21GUt"
        "2P/Z")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QBuffer buffer;
        buffer.setData(c.bytes);
        QImageReader reader(&buffer, "jpeg");
        const QImage expected = reader.read().convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(expected.isNull());
        const std::optional<Picture> picture = DecodePicture(c.bytes);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->image().format(), QImage::Format_RGB32);
        EXPECT_EQ(picture->image(), expected);
    }
}

TEST(Picture, MissingOrUndecodableFilesRaiseNamingThePath) {
    QTemporaryDir dir;
    write(dir.path() + "/text.jpg", "not a picture");
    write(dir.path() + "/empty.bmp", "");
    write(dir.path() + "/cut.jpg", saved("JPEG").left(40));  // announces a JPEG, holds none
    for (const char* name : {"/none.jpg", "/text.jpg", "/empty.bmp", "/cut.jpg"}) {
        try {
            LoadPicture(dir.path() + name);
            ADD_FAILURE() << name << " loaded";
        } catch (const FileError& e) {
            EXPECT_TRUE(e.text().contains(QString::fromUtf8(name).mid(1))) << e.what();
        }
    }
}

TEST(Picture, CursorFilesKeepTheirHotSpot) {
    QTemporaryDir dir;
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(7, 3, qRgba(0, 0, 0, 255));
    write(dir.path() + "/cur.cur", sim::makeCursorFile(image, QPoint(7, 3)));

    const Picture cursor = LoadPicture(dir.path() + "/cur.cur");
    EXPECT_EQ(cursor.pixelWidth(), 32);
    EXPECT_EQ(cursor.hotSpot(), QPoint(7, 3));
    EXPECT_EQ(qAlpha(cursor.image().pixel(7, 3)), 255);
    EXPECT_EQ(qAlpha(cursor.image().pixel(0, 0)), 0);
    EXPECT_EQ(CursorFromPicture(cursor).hotSpot(), QPoint(7, 3));
    EXPECT_EQ(HandCursor().hotSpot(), QPoint(5, 0));

    // Damaged cursor files: truncated, offsets beyond the end.
    QByteArray bytes = sim::makeCursorFile(image, QPoint(7, 3));
    EXPECT_FALSE(DecodeCursorFile(bytes.left(30)));
    bytes[18] = char(0xFF);  // image offset far beyond the end
    EXPECT_FALSE(DecodeCursorFile(bytes));
}

// Cursor bitmaps of every usual depth give the very pixels Qt's icon reader
// gives them, mask and all.
TEST(Picture, CursorBitmapsMatchQtsIconReader) {
    QImage twoColours(32, 32, QImage::Format_ARGB32);
    twoColours.fill(Qt::transparent);
    QImage manyColours = twoColours;
    for (int y = 4; y < 28; ++y)
        for (int x = 2; x < 20 + y % 7; ++x) {
            twoColours.setPixel(x, y, (x + y) % 3 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
            manyColours.setPixel(x, y, qRgb(x * 12 % 256, y * 9 % 256, (x ^ y) * 16 % 256));
        }
    // Every level of alpha, colour under the transparent pixels too.
    QImage translucent(32, 32, QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) translucent.setPixel(x, y, qRgba(x * 7, y * 8, 99, (x * 32 + y) % 256));
    struct Case {
        int bits;
        QImage image;
    };
    const std::vector<Case> cases = {{1, twoColours}, {4, twoColours}, {8, manyColours.convertToFormat(QImage::Format_Indexed8).convertToFormat(QImage::Format_ARGB32)},
                                     {24, manyColours}, {32, translucent}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        const QByteArray bytes = sim::makeCursorFile(c.image, QPoint(3, 4), c.bits);
        QByteArray asIcon = bytes;
        asIcon[2] = 1;
        QBuffer buffer(&asIcon);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "ico");
        const QImage expected = reader.read().convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(expected.isNull());
        const std::optional<Picture> cursor = DecodeCursorFile(bytes);
        ASSERT_TRUE(cursor);
        EXPECT_EQ(cursor->hotSpot(), QPoint(3, 4));
        EXPECT_EQ(cursor->image(), expected);
    }
}

// The cache answers by the path asked for (resolved once, case ignored), yet
// a file changed or removed on disk is never answered from it.
TEST(Picture, CacheFollowsTheFileBehindACaseDifferingPath) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("IMAGE"));
    const QString file = dir.path() + "/IMAGE/PLAY.BMP";
    const QString asked = dir.path() + "\\image\\play.bmp";
    auto save = [&](int side, Qt::GlobalColor colour) {
        QImage image(side, side, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(file, "BMP"));
    };

    save(4, Qt::red);
    const uint64_t before = PictureFileReads();
    EXPECT_EQ(LoadPicture(asked).pixelWidth(), 4);
    EXPECT_EQ(LoadPicture(asked).pixelWidth(), 4);
    EXPECT_EQ(PictureFileReads() - before, 1u);

    save(6, Qt::blue);
    const Picture changed = LoadPicture(asked);
    EXPECT_EQ(changed.pixelWidth(), 6);
    EXPECT_EQ(changed.image().pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(PictureFileReads() - before, 2u);

    ASSERT_TRUE(QFile::remove(file));
    EXPECT_THROW(LoadPicture(asked), FileError);
}

// A header can claim any size in a few bytes: each of these small files says
// it is 65,000 x 65,000 pixels. Where the format's header gives the size, they
// are refused from it, with the size in the error, before any pixel is decoded
// or any memory is taken; the others are refused by the reader's own limit or
// read at the size their directory gives (the cursor).
TEST(Picture, HugeSizeClaimsAreRefusedFromTheHeader) {
    constexpr quint16 huge = 65000;
    QByteArray bmp = saved("BMP");
    put32(bmp, 18, huge, false);
    put32(bmp, 22, huge, false);

    QByteArray png = saved("PNG");  // IHDR data at 16, its CRC at 29
    put32(png, 16, huge, true);
    put32(png, 20, huge, true);
    put32(png, 29, pngCrc(png, 12, 17), true);

    QByteArray jpg = saved("JPEG");
    const qsizetype sof = jpg.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    put16(jpg, sof + 5, huge, true);
    put16(jpg, sof + 7, huge, true);

    QByteArray gif(reinterpret_cast<const char*>(kTwoFrameGif), sizeof kTwoFrameGif);
    put16(gif, 6, huge, false);  // the logical screen
    put16(gif, 8, huge, false);
    const qsizetype image = gif.indexOf(',');  // the first image descriptor
    put16(gif, image + 5, huge, false);
    put16(gif, image + 7, huge, false);

    QImage small(32, 32, QImage::Format_ARGB32);
    small.fill(Qt::black);
    QByteArray cur = sim::makeCursorFile(small, QPoint(1, 1));  // its bitmap header at 22
    put32(cur, 22 + 4, huge, false);
    put32(cur, 22 + 8, 2u * huge, false);  // colour and mask rows

    QTemporaryDir dir;
    struct Case {
        const char* name;
        QByteArray bytes;
        bool sizeInError;
    };
    const std::vector<Case> files = {{"huge.png", png, true}, {"huge.jpg", jpg, true}, {"huge.gif", gif, true},
                                     {"huge.bmp", bmp, false}, {"huge.cur", cur, false}};
    for (const Case& c : files) {
        SCOPED_TRACE(c.name);
        write(dir.path() + "/" + c.name, c.bytes);
        try {
            const Picture picture = LoadPicture(dir.path() + "/" + c.name);
            EXPECT_FALSE(c.sizeInError);
            EXPECT_LE(qint64(picture.pixelWidth()) * picture.pixelHeight(), kMaxPicturePixels);
        } catch (const FileError& e) {
            EXPECT_TRUE(!c.sizeInError || e.text().contains("65000 x 65000")) << e.what();
        }
    }
    EXPECT_TRUE(PictureSizeProblem(QSize(8192, 4096)).isEmpty());  // 32 megapixels pass
    EXPECT_FALSE(PictureSizeProblem(QSize(8192, 4097)).isEmpty());
}

// A cursor file's directory count is only believed as far as the file holds
// entries: 65,535 claimed with one present reads the one.
TEST(Picture, CursorDirectoryCountBeyondTheFile) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::black);
    QByteArray bytes = sim::makeCursorFile(image, QPoint(3, 4));
    bytes[4] = char(0xFF);
    bytes[5] = char(0xFF);
    if (const auto cursor = DecodeCursorFile(bytes)) {
        EXPECT_EQ(cursor->hotSpot(), QPoint(3, 4));
    }
}
