// Playing lessons from the menu: to the end and back to the menu page, the
// missing and the unplayable lesson, a lesson with sound only, and the intro
// list replayed in the main window.
#include "MainWindowFixture.h"

#include "ui/StringTable.h"
#include <QFile>
#include <functional>

namespace {

QString missingText(const QString& path) {
    return QStringLiteral("未找到播放文件：") + path + QStringLiteral("，请插入光盘重试。");
}
QString unplayableText(const QString& path) {
    return QStringLiteral("无法播放文件：") + path + QStringLiteral("，请插入光盘重试。");
}

}  // namespace

TEST_F(MainWindowTest, ALessonPlaysToItsEndAndTheMenuPageReturns) {
    mForm& form = open();
    clickItem(form, 2);

    ASSERT_NE(form.Player, nullptr);
    sim::SimMediaGraph* g = graph();
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->path(), startup::AppFolder() + QStringLiteral("unit1\\a.wmv"));
    EXPECT_EQ(g->state(), sim::SimMediaGraph::State::Running);
    EXPECT_EQ(g->owner(), form.picPlay.hWnd());
    EXPECT_EQ(g->drain(), form.picPlay.hWnd());
    EXPECT_EQ(g->rect(), QRect(0, 0, 528, 432));
    EXPECT_EQ(g->style(), 7);
    EXPECT_EQ(g->volume(), 0);  // volume bar at 50: full volume
    EXPECT_TRUE(form.picPlay.picture().isNull());
    EXPECT_TRUE(form.Timer1.Enabled());
    EXPECT_TRUE(form.imgPause.Enabled());
    EXPECT_TRUE(form.Progressbar1.CanMove());
    EXPECT_TRUE(form.Volumer.CanMove());
    EXPECT_FALSE(form.Progressbar1.isHidden());

    plat.advance(1.0);
    EXPECT_NEAR(form.Progressbar1.Value(), 2500, 30);
    plat.advance(3.1);
    expectMenu(form);
    EXPECT_EQ(form.Progressbar1.Value(), 0);
    EXPECT_EQ(form.imgTag.Top(), itemTop(2) + 10);
    EXPECT_TRUE(plat.messages.empty());
    EXPECT_TRUE(plat.errorReports.empty());
}

// A lesson that is missing, or there but not playable (damaged, or a folder:
// an empty "header" entry names the disc folder itself), is reported with its
// path shown with "/" throughout, and the menu stays.
TEST_F(MainWindowTest, ALessonThatCannotStartIsReportedAndTheMenuStays) {
    const QString root = startup::AppFolder();
    struct Case {
        const char* name;
        int item;
        std::function<void()> prepare;
        QString text;
    };
    const Case cases[] = {
        {"missing", 3, [] {}, missingText(root + "missing.wmv")},
        {"damaged", 4, [] {}, unplayableText(root + "damaged.wmv")},
        {"empty header entry: the folder", 6, [] {}, unplayableText(root)},
        {"missing, written with \\", 7, [&] { QFile::remove(disc.filePath("unit1/b.wmv")); },
         missingText(root + "unit1/b.wmv")},
        {"a folder by the lesson's name", 7, [&] { disc.mkdir("unit1/b.wmv"); }, unplayableText(root + "unit1/b.wmv")},
    };
    mForm& form = open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        plat.messages.clear();
        c.prepare();
        const int graphsBefore = sim::liveSimGraphs();
        clickItem(form, c.item);
        ASSERT_EQ(plat.messages.size(), 1u);
        EXPECT_EQ(plat.messages[0].text, c.text);
        EXPECT_EQ(plat.messages[0].style, 0);
        EXPECT_EQ(plat.messages[0].title, ui::LoadResString(101));
        EXPECT_EQ(sim::liveSimGraphs(), graphsBefore);
        expectMenu(form);
    }
    // The menu still works afterwards.
    clickItem(form, 2);
    EXPECT_NE(form.Player, nullptr);
    EXPECT_TRUE(plat.errorReports.empty());
}

// Mended: a clip with sound and no picture plays its sound. The arrow goes
// away while it plays, as a video would cover it, and comes back with the menu.
TEST_F(MainWindowTest, ALessonWithSoundOnlyPlaysItsSound) {
    mForm& form = open();
    ASSERT_FALSE(form.imgTag.isHidden());
    clickItem(form, 5);

    ASSERT_NE(form.Player, nullptr);
    EXPECT_EQ(graph()->state(), sim::SimMediaGraph::State::Running);
    EXPECT_EQ(graph()->owner(), nullptr);  // no video to hang into picPlay
    EXPECT_TRUE(form.imgTag.isHidden());
    EXPECT_EQ(graph()->volume(), 0);
    form.Image2_Click();  // full screen has no video to fit, and says nothing
    form.imgPlay_Click();
    EXPECT_TRUE(form.imgTag.isHidden());
    plat.advance(3.1);
    expectMenu(form);
    EXPECT_FALSE(form.imgTag.isHidden());
    EXPECT_TRUE(plat.messages.empty());
}

TEST_F(MainWindowTest, AReplayedIntroListPlaysThroughInFullScreenThenReturns) {
    clip(QStringLiteral("i1.wmv"), 1.0);
    clip(QStringLiteral("i2.wmv"), 1.0);
    clip(QStringLiteral("i3.wmv"), 1.0);
    mForm& form = open({QStringLiteral("i1.wmv"), QStringLiteral("i2.wmv"), QStringLiteral("i3.wmv")});
    EXPECT_EQ(Shared().HeaderIndex, 3);

    clickItem(form, 6);
    EXPECT_EQ(Shared().HeaderIndex, 0);
    EXPECT_TRUE(graph()->path().endsWith(QStringLiteral("i1.wmv")));
    form.Image2_Click();
    EXPECT_EQ(form.WindowState(), 2);

    for (int k = 1; k <= 2; ++k) {
        plat.advance(1.05);
        ASSERT_NE(form.Player, nullptr);
        EXPECT_EQ(Shared().HeaderIndex, k);
        EXPECT_TRUE(graph()->path().endsWith(QStringLiteral("i%1.wmv").arg(k + 1)));
        EXPECT_EQ(sim::liveSimGraphs(), 1);  // the ended player was released
        EXPECT_EQ(form.WindowState(), 2);    // full screen goes on
        EXPECT_EQ(graph()->rect().size(), form.picPlay.size());
    }
    plat.advance(1.05);
    expectMenu(form);  // full screen left too
    EXPECT_EQ(form.picPlay.geometry(), QRect(206, 61, 528, 432));
    EXPECT_EQ(Shared().HeaderIndex, 2);
}

// Stopping a replay in its middle keeps HeaderIndex: the next lesson from the
// menu is followed by the rest of the intro list.
TEST_F(MainWindowTest, StoppingAReplayInItsMiddleLeavesTheRestOfTheListToFollow) {
    clip(QStringLiteral("i1.wmv"), 1.0);
    clip(QStringLiteral("i2.wmv"), 1.0);
    clip(QStringLiteral("i3.wmv"), 1.0);
    mForm& form = open({QStringLiteral("i1.wmv"), QStringLiteral("i2.wmv"), QStringLiteral("i3.wmv")});
    clickItem(form, 6);
    plat.advance(1.05);
    ASSERT_EQ(Shared().HeaderIndex, 1);
    form.imgStop_Click();
    expectMenu(form);
    EXPECT_EQ(Shared().HeaderIndex, 1);

    clickItem(form, 7);  // b.wmv, 2 s
    plat.advance(2.05);
    ASSERT_NE(form.Player, nullptr);
    EXPECT_TRUE(graph()->path().endsWith(QStringLiteral("i3.wmv")));
    EXPECT_EQ(Shared().HeaderIndex, 2);
    plat.advance(1.05);
    expectMenu(form);
}

// A lesson started while the third and last intro entry is current (the
// replay stopped there): nothing of the list is left, so the lesson's end
// returns to the menu.
TEST_F(MainWindowTest, ALessonStartedWhileTheLastIntroEntryIsCurrentReturnsToTheMenu) {
    clip(QStringLiteral("i1.wmv"), 1.0);
    clip(QStringLiteral("i2.wmv"), 1.0);
    clip(QStringLiteral("i3.wmv"), 1.0);
    mForm& form = open({QStringLiteral("i1.wmv"), QStringLiteral("i2.wmv"), QStringLiteral("i3.wmv")});
    clickItem(form, 6);
    plat.advance(2.1);
    ASSERT_EQ(Shared().HeaderIndex, 2);
    ASSERT_TRUE(graph()->path().endsWith(QStringLiteral("i3.wmv")));
    form.imgStop_Click();

    clickItem(form, 7);  // b.wmv, 2 s
    ASSERT_TRUE(graph()->path().endsWith(QStringLiteral("b.wmv")));
    plat.advance(2.05);
    expectMenu(form);
    EXPECT_EQ(Shared().HeaderIndex, 2);
}

// Mended: the next intro file gone from the disc while the list plays on:
// the user is told, and the menu page comes back (out of full screen) instead
// of the timer following an empty player.
TEST_F(MainWindowTest, TheNextIntroFileMissingReturnsToTheMenuPage) {
    clip(QStringLiteral("i1.wmv"), 1.0);
    clip(QStringLiteral("i3.wmv"), 1.0);
    mForm& form = open({QStringLiteral("i1.wmv"), QStringLiteral("gone.wmv"), QStringLiteral("i3.wmv")});
    clickItem(form, 6);
    form.Image2_Click();
    ASSERT_EQ(form.WindowState(), 2);

    plat.advance(1.05);
    ASSERT_EQ(plat.messages.size(), 1u);
    EXPECT_EQ(plat.messages[0].text, missingText(startup::AppFolder() + QStringLiteral("gone.wmv")));
    expectMenu(form);
    EXPECT_EQ(form.picPlay.geometry(), QRect(206, 61, 528, 432));
    EXPECT_EQ(Shared().HeaderIndex, 1);
    plat.advance(1.0);
    EXPECT_TRUE(plat.errorReports.empty());
    EXPECT_EQ(plat.messages.size(), 1u);
}

// The end of a file is a position above 0.9999 of the duration, strictly.
TEST_F(MainWindowTest, AFileEndsOnlyAbovePointNineNineNineNine) {
    clip(QStringLiteral("long.wmv"), 10000.0);
    mForm& form = open();
    ASSERT_TRUE(form.GiveFile(startup::AppFolder() + QStringLiteral("long.wmv")));
    form.SetEnable(true);
    form.imgPlay_Click();
    form.imgPause_Click();
    graph()->put_CurrentPosition(9999.0);  // exactly 0.9999 of the duration

    plat.advance(0.05);
    ASSERT_NE(form.Player, nullptr);
    EXPECT_EQ(form.Progressbar1.Value(), 9999);
    form.imgPlay_Click();
    plat.advance(0.02);
    expectMenu(form);
}
