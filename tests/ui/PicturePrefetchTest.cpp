#include "ui/Errors.h"
#include "ui/Picture.h"
#include "ui/PicturePrefetch.h"
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace ui {
namespace {

void savePicture(const QString& path, QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(path));
}

// What was read ahead is what LoadPicture gives, without reading again; a file
// changed after it was read ahead is read again; a file that could not be read
// ahead raises, when asked for, the error it always raised.
TEST(PicturePrefetch, GivesTheFilesAsTheyStandWhenAskedFor) {
    QTemporaryDir dir;
    const QString root = dir.path() + "/";
    savePicture(root + "skin.bmp", {8, 6}, Qt::red);
    savePicture(root + "face.jpg", {16, 16}, Qt::blue);
    savePicture(root + "later.bmp", {4, 4}, Qt::green);
    QFile text(root + "text.jpg");
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("\xFF\xD8\xFF not a picture");
    text.close();

    const uint64_t before = PictureFileReads();
    PicturePrefetch prefetch({root + "skin.bmp", root + "IMAGE\\none.jpg", root + "text.jpg", root + "FACE.JPG",
                              root + "later.bmp"});
    // Four files are there to be read (the missing one is not read at all).
    for (int i = 0; i < 500 && PictureFileReads() - before < 4; ++i) QThread::msleep(10);
    ASSERT_EQ(PictureFileReads() - before, 4u);
    savePicture(root + "later.bmp", {5, 5}, Qt::green);  // a new size: a new stamp

    EXPECT_EQ(LoadPicture(root + "skin.bmp").image().pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(LoadPicture(root + "FACE.JPG").pixelWidth(), 16);
    EXPECT_EQ(PictureFileReads() - before, 4u);
    EXPECT_EQ(LoadPicture(root + "later.bmp").pixelWidth(), 5);
    EXPECT_EQ(PictureFileReads() - before, 5u);
    for (const char* name : {"IMAGE\\none.jpg", "text.jpg"}) {
        try {
            LoadPicture(root + name);
            ADD_FAILURE() << name << " loaded";
        } catch (const FileError& e) {
            EXPECT_TRUE(e.text().contains(QString::fromUtf8(name).section('\\', -1))) << e.what();
        }
    }
}

// Gone with its prefetch, a picture not taken is read the usual way.
TEST(PicturePrefetch, WhatWasNotTakenIsDroppedWithIt) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/skin.bmp";
    savePicture(path, {8, 6}, Qt::red);
    { PicturePrefetch prefetch({path}); }
    EXPECT_FALSE(TakePrefetchedPicture(path));
    EXPECT_EQ(LoadPicture(path).pixelWidth(), 8);
}

}  // namespace
}  // namespace ui
