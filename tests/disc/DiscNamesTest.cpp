// Names on the disc: Joliet names whole (Chinese included), Rock Ridge names,
// plain names less their ";1", GBK bytes in a plain name, all matched without
// regard to case.
#include "disc/DiscImage.h"
#include "DiscTestFiles.h"
#include "support/DiscFixture.h"
#include "support/ImageFixture.h"
#include <gtest/gtest.h>

using disc::Image;

namespace {

std::unique_ptr<Image> openOrFail(const QString& path) {
    QString why;
    auto image = Image::open(path, &why);
    EXPECT_TRUE(image) << why.toStdString();
    return image;
}

QByteArray contents(const Image& image, const QString& path) {
    QByteArray out;
    EXPECT_TRUE(image.readAll(path, out, 1 << 20)) << path.toStdString();
    return out;
}

}  // namespace

TEST(DiscNames, JolietKeepsChineseNamesWholeAndMatchesWithoutCase) {
    SKIP_WITHOUT("xorriso");
    fixture::DiscFixture disc;
    disc.write(QStringLiteral("课程一/第一课.txt"), "lesson one");
    disc.write(QStringLiteral("课程二/第一课.txt"), "lesson two");
    disc.write(QStringLiteral("image/Play.jpg"), "play");
    disc.write(QStringLiteral("A rather long name for a lesson file.txt"), "long");
    fixture::ImageFixture images;
    const QString iso = images.makeJolietIso(disc.path());
    ASSERT_FALSE(iso.isEmpty()) << images.error().toStdString();
    auto image = openOrFail(iso);
    ASSERT_TRUE(image);

    QStringList root = image->list(QString());
    root.sort();
    EXPECT_EQ(root, (QStringList{"A rather long name for a lesson file.txt", "image", "课程一", "课程二"}));
    EXPECT_EQ(contents(*image, QStringLiteral("课程一\\第一课.txt")), "lesson one");
    EXPECT_EQ(contents(*image, QStringLiteral("课程二/第一课.TXT")), "lesson two");

    const disc::NodeInfo play = image->stat(QStringLiteral("IMAGE\\play.JPG"));
    EXPECT_TRUE(play.exists);
    EXPECT_TRUE(play.caseDiffers);
    EXPECT_FALSE(play.jolietOnly);  // the plain name is PLAY.JPG
    EXPECT_EQ(play.realPath, "image/Play.jpg");
    EXPECT_EQ(play.size, 4);

    const disc::NodeInfo exact = image->stat(QStringLiteral("image/Play.jpg"));
    EXPECT_FALSE(exact.caseDiffers);
    // The long name is also the Rock Ridge name: a copy keeps it.
    EXPECT_FALSE(image->stat(QStringLiteral("a RATHER long name for a lesson file.txt")).jolietOnly);
    // Without Rock Ridge only Joliet spells it so.
    const QString jolietOnly = images.makeJolietOnlyIso(disc.path());
    ASSERT_FALSE(jolietOnly.isEmpty()) << images.error().toStdString();
    auto withoutRockRidge = openOrFail(jolietOnly);
    ASSERT_TRUE(withoutRockRidge);
    EXPECT_TRUE(withoutRockRidge->stat(QStringLiteral("a RATHER long name for a lesson file.txt")).jolietOnly);
    EXPECT_FALSE(withoutRockRidge->stat(QStringLiteral("IMAGE/play.JPG")).jolietOnly);
    EXPECT_TRUE(image->stat(QStringLiteral("课程一")).isDir);
    EXPECT_FALSE(image->stat(QStringLiteral("课程")).exists);
    EXPECT_FALSE(image->stat(QStringLiteral("image/Play.jpg/x")).exists);
}

TEST(DiscNames, RockRidgeNamesWithoutJoliet) {
    SKIP_WITHOUT("xorriso");
    fixture::DiscFixture disc;
    disc.write(QStringLiteral("课程一/第一课.txt"), "lesson one");
    disc.write(QStringLiteral("image/Play.jpg"), "play");
    disc.write(QStringLiteral("lower case name.dat"), "dat");
    const QString longName = QString(60, QChar(u'长')) + QStringLiteral(".txt");  // 184 bytes: past one record
    disc.write(longName, "long");
    fixture::ImageFixture images;
    const QString iso = images.makeRockRidgeIso(disc.path());
    ASSERT_FALSE(iso.isEmpty()) << images.error().toStdString();
    auto image = openOrFail(iso);
    ASSERT_TRUE(image);

    const disc::NodeInfo play = image->stat(QStringLiteral("image/Play.jpg"));
    EXPECT_TRUE(play.exists);
    EXPECT_FALSE(play.caseDiffers);
    EXPECT_FALSE(play.jolietOnly);
    EXPECT_EQ(play.realPath, "image/Play.jpg");
    EXPECT_EQ(contents(*image, QStringLiteral("课程一/第一课.txt")), "lesson one");
    EXPECT_EQ(contents(*image, QStringLiteral("LOWER CASE NAME.DAT")), "dat");
    EXPECT_EQ(contents(*image, longName), "long");
}

TEST(DiscNames, PlainNamesLoseTheirVersionAndMatchWithoutCase) {
    SKIP_WITHOUT("xorriso");
    fixture::DiscFixture disc;
    disc.write(QStringLiteral("readme.txt"), "read me");
    disc.write(QStringLiteral("noext"), "no extension");
    disc.write(QStringLiteral("image/play.jpg"), "play");
    fixture::ImageFixture images;
    const QString iso = images.makePlainIso(disc.path());
    ASSERT_FALSE(iso.isEmpty()) << images.error().toStdString();
    auto image = openOrFail(iso);
    ASSERT_TRUE(image);

    QStringList root = image->list(QString());
    root.sort();
    EXPECT_EQ(root, (QStringList{"IMAGE", "NOEXT", "README.TXT"}));
    const disc::NodeInfo readme = image->stat(QStringLiteral("readme.txt"));
    EXPECT_TRUE(readme.caseDiffers);
    EXPECT_EQ(readme.realPath, "README.TXT");
    EXPECT_EQ(contents(*image, QStringLiteral("noext")), "no extension");
    EXPECT_EQ(contents(*image, QStringLiteral("image\\Play.jpg")), "play");
    EXPECT_FALSE(image->stat(QStringLiteral("README.TXT;1")).exists);
}

// Old discs wrote GBK bytes into plain names; the bytes are patched into a
// directory record here ("AAAA" becomes the GBK bytes of "课程").
TEST(DiscNames, GbkBytesInAPlainName) {
    SKIP_WITHOUT("xorriso");
    fixture::DiscFixture disc;
    disc.write(QStringLiteral("AAAA.TXT"), "gbk");
    fixture::ImageFixture images;
    const QString iso = images.makePlainIso(disc.path());
    ASSERT_FALSE(iso.isEmpty()) << images.error().toStdString();
    ASSERT_EQ(disctest::patchFile(iso, "AAAA.TXT;1", "\xBF\xCE\xB3\xCC.TXT;1"), 1);
    auto image = openOrFail(iso);
    ASSERT_TRUE(image);

    EXPECT_EQ(image->list(QString()), QStringList{QStringLiteral("课程.TXT")});
    EXPECT_EQ(contents(*image, QStringLiteral("课程.txt")), "gbk");
}
