// Reading the configuration from a disc folder on disk.
#include "startup/DiscConfig.h"
#include "support/DiscFixture.h"

#include <QDateTime>
#include <QFile>

#include <gtest/gtest.h>

using namespace startup;
using fixture::DiscFixture;

TEST(DiscConfig, FileNamesMatchWithoutRegardToCase) {
    DiscFixture disc;
    disc.write("autorun.inf", "[main]\r\nheader=a.wmv\r\n");
    EXPECT_EQ(ReadIniString("main", "header", disc.path() + "AUTORUN.INF"), "a.wmv");
    disc.write("Sub\\Conf.INI", "[navigate]\r\ndonghua=http://x\r\n");
    EXPECT_EQ(ReadIniString("navigate", "donghua", disc.path() + "SUB\\conf.ini"), "http://x");
}

TEST(DiscConfig, FolderOrEmptyFileReadsAsNoFile) {
    DiscFixture disc;
    disc.mkdir("AUTORUN.INF");
    EXPECT_EQ(ReadIniString("main", "header", disc.path() + "AUTORUN.INF"), "Default Caption");
    EXPECT_EQ(ReadIniSection("menu", disc.path() + "AUTORUN.INF"), "");
    disc.write("empty.inf", "");
    EXPECT_EQ(ReadIniString("main", "header", disc.path() + "empty.inf"), "Default Caption");
    EXPECT_EQ(ReadIniString("main", "header", disc.path() + "none.inf"), "Default Caption");
}

TEST(DiscConfig, FileExtensionLooksAtTheWholePath) {
    EXPECT_EQ(FileExtension("CLIP.WMV"), "wmv");
    EXPECT_EQ(FileExtension("NoDot"), "nodot");
    EXPECT_EQ(FileExtension(""), "");
    EXPECT_EQ(FileExtension("a.b\\c"), "b\\c");
    EXPECT_EQ(FileExtension("x.tar.GZ"), "gz");
}

TEST(DiscConfig, ListsSplitAtEveryCommaWithNothingTrimmed) {
    EXPECT_EQ(SplitList("a.jpg, b.jpg"), QStringList({"a.jpg", " b.jpg"}));
    EXPECT_EQ(SplitList("a,,b,"), QStringList({"a", "", "b", ""}));
    EXPECT_TRUE(SplitList("").isEmpty());
}

TEST(DiscConfig, AppFolderEndsWithOneSeparator) {
    SetAppFolderForTests("/tmp/disc");
    EXPECT_EQ(AppFolder(), "/tmp/disc/");
    SetAppFolderForTests("/");
    EXPECT_EQ(AppFolder(), "/");
    SetAppFolderForTests({});
    EXPECT_TRUE(AppFolder().endsWith('/'));
}

// The file is parsed once and the parse is handed out again while its size and
// modification time hold; a change in either is read.
TEST(DiscConfig, ParseIsKeptUntilTheFileChanges) {
    DiscFixture disc;
    const QString ini = disc.path() + "AUTORUN.INF";
    disc.writeIni("[main]\r\nnewloop=1-3\r\n");
    const auto first = ReadProfile(ini);
    EXPECT_EQ(ReadProfile(ini), first);  // not read again
    EXPECT_EQ(ReadIniString("main", "newloop", ini), "1-3");

    const auto setModified = [&](qint64 secondsAgo) {
        QFile file(disc.path() + "AUTORUN.INF");
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-secondsAgo),
                                     QFileDevice::FileModificationTime));
    };
    setModified(100);
    ReadProfile(ini);  // the stamp of the parse below is this one

    disc.writeIni("[main]\r\nnewloop=1-3,4-6\r\n");  // another size
    setModified(50);
    EXPECT_EQ(ReadIniString("main", "newloop", ini), "1-3,4-6");

    disc.writeIni("[main]\r\nnewloop=1-3,7-9\r\n");  // the same size, a new time
    setModified(10);
    EXPECT_EQ(ReadIniString("main", "newloop", ini), "1-3,7-9");

    QFile::remove(disc.path() + "AUTORUN.INF");
    EXPECT_EQ(ReadIniString("main", "newloop", ini), "Default Caption");
}
