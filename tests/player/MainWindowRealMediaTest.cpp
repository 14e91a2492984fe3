// The main window on real media: Qt's clock and timers and the libmpv media
// framework, with clips made by ffmpeg: a lesson with picture and sound, one
// with sound only, and a damaged one.
#include "player/OpenMainWindow.h"
#include "player/mForm.h"
#include "startup/DiscConfig.h"
#include "startup/MenuTable.h"
#include "startup/SharedState.h"
#include "support/DiscFixture.h"
#include "support/RealMedia.h"
#include "support/SkinFixture.h"
#include "ui/Errors.h"
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The main window goes with the test, while its platform is still in place.
struct MainFormScope {
    ~MainFormScope() { DestroyMainForm(); }
};

}  // namespace

TEST(MainWindowRealMedia, LessonsPlayAndTheMenuReturns) {
    if (fixture::FfmpegPath().isEmpty()) GTEST_SKIP() << "ffmpeg is not installed";
    fixture::RecordingPlatform platform;
    fixture::RealPlatformScope scope(platform);
    MainFormScope mainForm;
    fixture::DiscFixture disc;
    fixture::writeSkin(disc);
    disc.writePicture("face1.jpg", 528, 432, Qt::darkGreen);
    ASSERT_TRUE(fixture::RunFfmpeg({"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=1", "-f", "lavfi", "-i",
                              "sine=frequency=440:duration=1", "-c:v", "wmv2", "-c:a", "wmav2",
                              disc.filePath("lesson.wmv")}));
    ASSERT_TRUE(fixture::RunFfmpeg({"-f", "lavfi", "-i", "sine=frequency=440:duration=1", "-c:a", "wmav2",
                              disc.filePath("sound.wmv")}));
    disc.write("damaged.wmv", QByteArray(4096, '\x5a'));
    fixture::IniBuilder ini;
    ini.section("main").key("header", "").key("laster", "").key("face", "face1.jpg").key("newloop", "1-3");
    ini.section("menu")
        .line("1list=10,10,100,50,#lesson,LESSON.WMV")
        .line("2list=10,60,100,100,#lesson,sound.wmv")
        .line("3list=10,110,100,150,#lesson,damaged.wmv");
    disc.writeIni(ini.bytes());

    ResetSharedState();
    startup::SetAppFolder(disc.path());
    Shared().IniFile = startup::AppFolder() + "AUTORUN.INF";
    Shared().HeaderFiles = QStringList{QString()};
    Shared().FaceFiles = QStringList{QString()};
    startup::ReadMenuTable();
    OpenMainWindow();
    mForm& form = MainForm();
    auto click = [&](int item) {
        form.picPlay_MouseMove(0, 0, 50, item * 50 - 20);
        form.picPlay_Click();
    };

    // The lesson: its video fills the picture area, and the menu comes back.
    click(1);
    ASSERT_NE(form.Player, nullptr);
    EXPECT_EQ(QRect(form.Player->Left(), form.Player->Top(), form.Player->Width(), form.Player->Height()),
              QRect(0, 0, 528, 432));
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.Player == nullptr; }, 15000)) << "the lesson did not end";
    EXPECT_FALSE(form.picPlay.picture().isNull());

    // Sound only: it plays to its end, with nothing to show.
    click(2);
    ASSERT_NE(form.Player, nullptr);
    EXPECT_TRUE(form.Player->isPlaying());
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.Player == nullptr; }, 15000)) << "the sound did not end";

    // Damaged: told, and the menu stays.
    click(3);
    EXPECT_EQ(form.Player, nullptr);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].contains("damaged.wmv"));
    EXPECT_FALSE(form.Timer1.Enabled());
    EXPECT_TRUE(platform.errors.empty());

    startup::SetAppFolder(QString());
    ResetSharedState();
}
