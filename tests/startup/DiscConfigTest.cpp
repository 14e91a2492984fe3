// Reading the configuration from a disc folder on disk.
#include "startup/DiscConfig.h"
#include "support/DiscFixture.h"

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
