// The start-up procedure's outcomes on the simulated platform.
#include "startup/DiscConfig.h"
#include "startup/MenuTable.h"
#include "startup/SharedState.h"
#include "startup/StartUp.h"
#include "startup/WindowOpeners.h"
#include "support/DiscFixture.h"
#include "support/SimPlatform.h"
#include "ui/DiscFiles.h"
#include "ui/Errors.h"

#include <gtest/gtest.h>

using namespace startup;
using fixture::DiscFixture;
using fixture::IniBuilder;

namespace {

class StartUpTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetSharedState();
        SetAppFolderForTests(disc.path());
        Openers().openIntro = [this] { ++introOpened; };
        Openers().openMainWindow = [this] { ++mainOpened; };
    }
    void TearDown() override {
        Openers() = WindowOpeners{};
        SetAppFolderForTests({});
        ResetSharedState();
    }
    QString missingMessage(const QString& path) const {
        return QStringLiteral("未找到文件\r\n") + path + QStringLiteral("，请插入光盘重试。");
    }

    sim::SimPlatform platform;
    DiscFixture disc;
    int introOpened = 0;
    int mainOpened = 0;
};

}  // namespace

TEST_F(StartUpTest, SecondOfThreeIntroFilesMissing) {
    disc.writeIni(IniBuilder().section("main").key("header", "a.wmv,intro\\b.wmv,c.wmv").bytes());
    disc.write("a.wmv", "x");
    disc.write("c.wmv", "x");
    EXPECT_EQ(StartUp(), StartUpOutcome::MissingIntroFile);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, missingMessage(disc.path() + "intro/b.wmv"));
    EXPECT_EQ(platform.messages[0].style, 16);
    EXPECT_EQ(platform.messages[0].title, "错误");
    EXPECT_EQ(introOpened + mainOpened, 0);
}

TEST_F(StartUpTest, NoConfigurationFileNamesDefaultCaption) {
    EXPECT_EQ(StartUp(), StartUpOutcome::MissingIntroFile);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, missingMessage(disc.path() + "Default Caption"));
}

TEST_F(StartUpTest, FolderWithOnlyTheDirectoryAttributeIsMissing) {
    disc.writeIni(IniBuilder().section("main").key("header", "clips").bytes());
    disc.mkdir("clips");
    EXPECT_EQ(StartUp(), StartUpOutcome::MissingIntroFile);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, missingMessage(disc.path() + "clips"));
}

// A folder with further attribute bits than the directory's passes the check:
// a hidden one (18) is taken as present. (A read-only one, 17, cannot be
// made by a test that runs as root, whom nothing refuses writing.)
TEST_F(StartUpTest, HiddenFolderPassesTheIntroCheck) {
    disc.writeIni(IniBuilder().section("main").key("header", ".clips").bytes());
    disc.mkdir(".clips");
    ASSERT_EQ(ui::GetFileAttributes(disc.path() + ".clips"), 18);
    EXPECT_EQ(StartUp(), StartUpOutcome::IntroOpened);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(introOpened, 1);
}

TEST_F(StartUpTest, TrailingCommaInHeaderNamesTheFolderItself) {
    disc.writeIni(IniBuilder().section("main").key("header", "a.wmv,").bytes());
    disc.write("a.wmv", "x");
    EXPECT_EQ(StartUp(), StartUpOutcome::MissingIntroFile);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, missingMessage(disc.path()));
}

TEST_F(StartUpTest, EmptyHeaderOpensTheMainWindow) {
    disc.writeIni(IniBuilder()
                      .section("main")
                      .key("header", "")
                      .key("laster", "end.wmv")
                      .key("face", "p1.jpg,p2.jpg")
                      .section("menu")
                      .key("1list", "1,2,3,4,#url,x")
                      .bytes());
    EXPECT_EQ(StartUp(), StartUpOutcome::MainWindowOpened);
    EXPECT_EQ(mainOpened, 1);
    EXPECT_EQ(introOpened, 0);
    EXPECT_TRUE(platform.messages.empty());
    const SharedState& s = Shared();
    EXPECT_EQ(s.IniFile, disc.path() + "AUTORUN.INF");
    EXPECT_EQ(s.HeaderFiles, QStringList{QString()});
    EXPECT_EQ(s.LasterFiles, QStringList{"end.wmv"});
    EXPECT_EQ(s.MenuRects.Item("1LIST"), "1,2,3,4");
    EXPECT_EQ(s.MenuActions.Item("1list"), "url,x");
    // The main window's opener reads the face list and takes the first picture.
    ReadFaceList();
    EXPECT_EQ(FirstFacePath(), disc.path() + "p1.jpg");
}

TEST_F(StartUpTest, IntroFilesPresentOpenTheIntroWindow) {
    // GBK text: 课件\ then a character whose trail byte is 0x5C, then .wmv.
    disc.writeIni("[main]\r\nheader=A.WMV,\xBF\xCE\xBC\xFE\\\xD5\x5C.wmv\r\nlaster=\r\n");
    disc.write("a.wmv", "x");
    disc.write(QStringLiteral("课件/誠.wmv"), "x");
    EXPECT_EQ(StartUp(), StartUpOutcome::IntroOpened) << (platform.messages.empty() ? "" : platform.messages[0].text.toStdString());
    EXPECT_EQ(introOpened, 1);
    EXPECT_EQ(Shared().HeaderFiles, QStringList({"A.WMV", QStringLiteral("课件\\誠.wmv")}));
    EXPECT_EQ(Shared().LasterFiles, QStringList{QString()});
    EXPECT_EQ(Shared().HeaderIndex, 0);
}

TEST_F(StartUpTest, RepeatedMenuKeyStopsStartUp) {
    disc.writeIni(IniBuilder()
                      .section("main")
                      .key("header", "")
                      .key("face", "p1.jpg")
                      .section("menu")
                      .key("1list", "1,2,3,4,#url,x")
                      .key("1LIST", "5,6,7,8,#url,y")
                      .bytes());
    try {
        StartUp();
        FAIL() << "no error";
    } catch (const ui::RuntimeError& e) {
        EXPECT_TRUE(e.text().contains("1LIST=5,6,7,8,#url,y")) << e.text().toStdString();
    }
    EXPECT_EQ(introOpened + mainOpened, 0);
}

TEST_F(StartUpTest, MalformedMenuLinesStopStartUp) {
    for (const char* line : {"1list 1,2,3,4,#url", "1list=1,2,3,4,url", "1list=#url"}) {
        SCOPED_TRACE(line);
        ResetSharedState();
        disc.writeIni(IniBuilder().section("main").key("header", "").section("menu").line(line).bytes());
        EXPECT_THROW(StartUp(), ui::RuntimeError);
    }
    EXPECT_EQ(introOpened + mainOpened, 0);
}

TEST_F(StartUpTest, EmptyFaceListHasNoFirstPicture) {
    disc.writeIni(IniBuilder().section("main").key("face", "").bytes());
    Shared().IniFile = disc.path() + "AUTORUN.INF";
    ReadFaceList();
    EXPECT_TRUE(Shared().FaceFiles.isEmpty());
    EXPECT_THROW(FirstFacePath(), ui::RuntimeError);
}
