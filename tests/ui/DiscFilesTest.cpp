#include "ui/DiscFiles.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ui;

namespace {
void touch(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}
}  // namespace

TEST(DiscFiles, ResolvesEachComponentWithoutRegardToCase) {
    QTemporaryDir dir;
    const QString root = dir.path() + "/";
    QDir(root).mkpath("IMAGE/Sub");
    touch(root + "IMAGE/Play.JPG");
    touch(root + "IMAGE/Sub/a.wmv");

    EXPECT_EQ(ResolveDiscPath(root + "image\\play.jpg"), root + "IMAGE/Play.JPG");
    EXPECT_EQ(ResolveDiscPath(root + "image\\SUB\\A.WMV"), root + "IMAGE/Sub/a.wmv");
    EXPECT_TRUE(MatchesOnlyIgnoringCase(root + "image\\play.jpg"));
    EXPECT_FALSE(MatchesOnlyIgnoringCase(root + "IMAGE\\Play.JPG"));
    // A name that is nowhere keeps its spelling after the part that exists.
    EXPECT_EQ(ResolveDiscPath(root + "image\\missing\\X.jpg"), root + "IMAGE/missing/X.jpg");
}

TEST(DiscFiles, AttributesAndDirectorySearch) {
    QTemporaryDir dir;
    const QString root = dir.path() + "/";
    QDir(root).mkpath("clips");
    touch(root + "Clip.WMV");

    EXPECT_EQ(GetFileAttributes(root + "nothing.wmv"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributes(root + "clips") & FILE_ATTRIBUTE_DIRECTORY, FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(GetFileAttributes(root + "clip.wmv") & FILE_ATTRIBUTE_ARCHIVE, FILE_ATTRIBUTE_ARCHIVE);

    EXPECT_EQ(FindFirstFile(root + "clip.wmv"), "Clip.WMV");
    EXPECT_EQ(FindFirstFile(root + "*.wmv"), "Clip.WMV");
    EXPECT_EQ(FindFirstFile(root + "clips"), "");  // folders are not normal files
    EXPECT_EQ(FindFirstFile(root + "none.mpg"), "");
    EXPECT_EQ(FindFirstFile(root + "nofolder\\none.mpg"), "");
}

TEST(DiscFiles, ExecutableFolderEndsWithOneSeparator) {
    const QString folder = ExecutableFolder();
    EXPECT_TRUE(folder.endsWith('/'));
    EXPECT_FALSE(folder.endsWith("//"));
    EXPECT_EQ(DisplayPath("/disc/unit1\\a.wmv"), "/disc/unit1/a.wmv");
}
