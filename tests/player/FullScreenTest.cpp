// Full screen on and off with the button, a double click and Esc, and the
// requests that change nothing.
#include "MainWindowFixture.h"

#include <QScreen>
#include <QTest>

TEST_F(MainWindowTest, FullScreenOnAndOff) {
    mForm& form = open();
    clickItem(form, 2);
    sim::SimMediaGraph* g = graph();
    form.move(form.pos() + QPoint(37, -23));  // dragged away from the centre
    const QRect dragged = form.geometry();

    form.Image2_Click();
    QCoreApplication::processEvents();
    EXPECT_EQ(form.WindowState(), 2);
    EXPECT_EQ(form.geometry(), form.screen()->geometry());
    EXPECT_EQ(form.picPlay.geometry(), QRect(QPoint(0, 0), form.size()));
    EXPECT_EQ(g->rect(), QRect(QPoint(0, 0), form.picPlay.size()));
    EXPECT_EQ(g->owner(), form.picPlay.hWnd());
    EXPECT_EQ(g->style(), 7);

    QTest::keyClick(&form.picPlay, Qt::Key_Escape);
    EXPECT_EQ(form.WindowState(), 0);
    EXPECT_EQ(form.geometry(), dragged);  // where it was, not centred again
    EXPECT_EQ(form.picPlay.geometry(), QRect(206, 61, 528, 432));
    EXPECT_EQ(g->rect(), QRect(0, 0, 528, 432));
    EXPECT_EQ((std::vector<int>{form.Image1.Left(), form.Image2.Left(), form.Image3.Left()}),
              (std::vector<int>{695, 730, 765}));

    // A double click toggles, also while paused.
    form.imgPause_Click();
    form.picPlay_DblClick();
    EXPECT_EQ(form.WindowState(), 2);
    form.picPlay_DblClick();
    EXPECT_EQ(form.WindowState(), 0);
    EXPECT_TRUE(plat.errorReports.empty());
}

TEST_F(MainWindowTest, EscInNormalModeRefitsTheVideo) {
    mForm& form = open();
    clickItem(form, 2);
    sim::SimMediaGraph* g = graph();
    g->put_Width(100);
    g->put_WindowStyle(0);

    int key = 27;
    form.picPlay_KeyPress(key);
    EXPECT_EQ(form.WindowState(), 0);
    EXPECT_EQ(form.picPlay.geometry(), QRect(206, 61, 528, 432));
    EXPECT_EQ(g->rect(), QRect(0, 0, 528, 432));
    EXPECT_EQ(g->style(), 7);

    key = 'a';  // other keys are ignored
    g->put_WindowStyle(0);
    form.picPlay_KeyPress(key);
    EXPECT_EQ(g->style(), 0);
}

TEST_F(MainWindowTest, FullScreenRequestsWithoutAFileChangeNothing) {
    mForm& form = open();
    auto request = [&] {
        form.Image2_Click();
        form.picPlay_DblClick();
        int key = 27;
        form.picPlay_KeyPress(key);
        EXPECT_EQ(form.WindowState(), 0);
        EXPECT_EQ(form.picPlay.geometry(), QRect(206, 61, 528, 432));
    };
    request();  // on the menu page
    clickItem(form, 2);
    form.Player->Stopp();  // a stopped player counts as no file
    request();
}
