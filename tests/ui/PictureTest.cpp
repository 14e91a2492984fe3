#include "support/CursorFile.h"
#include "ui/Cursor.h"
#include "ui/Errors.h"
#include "ui/Picture.h"
#include <QDir>
#include <QFile>
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
}

TEST(Picture, MissingOrUndecodableFilesRaiseNamingThePath) {
    QTemporaryDir dir;
    write(dir.path() + "/text.jpg", "not a picture");
    write(dir.path() + "/empty.bmp", "");
    for (const char* name : {"/none.jpg", "/text.jpg", "/empty.bmp"}) {
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
