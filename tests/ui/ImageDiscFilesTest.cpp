// Disc files when the disc is an image: the same lookups as on a folder,
// answered from inside the image, and real files for the opener made as
// private copies that go when the player ends.
#include "support/DiscFixture.h"
#include "support/ImageFixture.h"
#include "ui/DiscFiles.h"
#include "ui/DiscMount.h"
#include "ui/OpenerCopies.h"
#include "ui/Picture.h"
#include "ui/PicturePrefetch.h"
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace ui;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

class ImageDiscFiles : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fixture::ImageFixture::haveTool("xorriso")) GTEST_SKIP() << "xorriso is missing";
        disc.write("AUTORUN.INF", "[main]\r\nheader=\r\n");
        disc.write("Help/Guide.htm", "<img src=\"pics/a.gif\">");
        disc.write("Help/pics/a.gif", "GIF89a");
        disc.write("IMAGE/Play.JPG", "jpeg bytes");
        disc.write(QString::fromUtf8("课程/第一课.wmv"), "clip");
        const QString iso = images.makeJolietIso(disc.path(), QStringLiteral("disc.iso"));
        ASSERT_FALSE(iso.isEmpty()) << images.error().toStdString();
        QString why;
        std::unique_ptr<disc::Image> image = disc::Image::open(iso, &why);
        ASSERT_TRUE(image) << why.toStdString();
        root = iso + "/";
        MountImage(std::move(image), root);
    }
    void TearDown() override {
        RemoveOpenerCopies();
        UnmountImage();
    }

    fixture::DiscFixture disc;
    fixture::ImageFixture images;
    QString root;
};

}  // namespace

TEST_F(ImageDiscFiles, LookupsAnswerFromInsideTheImage) {
    EXPECT_EQ(ResolveDiscPath(root + "image\\play.jpg"), root + "IMAGE/Play.JPG");
    EXPECT_TRUE(MatchesOnlyIgnoringCase(root + "image\\play.jpg"));
    EXPECT_EQ(ResolveDiscPath(root + "image\\missing.jpg"), root + "image/missing.jpg");
    // Everything on an image is read-only, as on a CD.
    EXPECT_EQ(GetFileAttributes(root + "IMAGE"), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(GetFileAttributes(root + "image\\PLAY.jpg"), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(GetFileAttributes(root + "nothing"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(FindFirstFile(root + QString::fromUtf8("课程\\第一课.WMV")), QString::fromUtf8("第一课.wmv"));
    EXPECT_EQ(FindFirstFile(root + "image\\*.jpg"), "Play.JPG");
    EXPECT_EQ(FindFirstFile(root + "image"), QString());  // a folder is no file
    QByteArray bytes;
    ASSERT_TRUE(ReadWholeFile(root + "image\\play.jpg", bytes));
    EXPECT_EQ(bytes, "jpeg bytes");
    EXPECT_TRUE(IsDiscFile(root + "AUTORUN.INF"));
    EXPECT_TRUE(IsDiscFolder(root + "help"));
    // The image's own file is outside the disc.
    EXPECT_FALSE(InsideImage(root.chopped(1), nullptr));
}

TEST_F(ImageDiscFiles, TheOpenerGetsAPrivateCopyOfAPageWithItsFolder) {
    const QString page = OpenerPath(root + "help\\guide.htm");
    ASSERT_FALSE(page.isEmpty());
    EXPECT_FALSE(page.startsWith(root));
    EXPECT_TRUE(page.endsWith("/Help/Guide.htm")) << page.toStdString();
    EXPECT_EQ(bytesOf(page), "<img src=\"pics/a.gif\">");
    const QString folder = page.left(page.size() - QStringLiteral("Help/Guide.htm").size());
    EXPECT_EQ(bytesOf(folder + "Help/pics/a.gif"), "GIF89a");
    EXPECT_FALSE(QFileInfo::exists(folder + "IMAGE/Play.JPG"));  // only the page's folder comes along
    EXPECT_EQ(QFileInfo(folder).permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther), 0);

    EXPECT_TRUE(OpenerPath(root + "help\\missing.htm").isEmpty());
    RemoveOpenerCopies();
    EXPECT_FALSE(QFileInfo::exists(page));
}

// An image is read on the user-interface thread only: nothing is read ahead
// from it, whatever the list.
TEST_F(ImageDiscFiles, NoPictureIsReadAheadFromAnImage) {
    const uint64_t reads = PictureFileReads();
    {
        PicturePrefetch prefetch({root + "image\\play.jpg"});
        EXPECT_FALSE(TakePrefetchedPicture(root + "image\\play.jpg"));
    }
    EXPECT_EQ(PictureFileReads(), reads);
}
