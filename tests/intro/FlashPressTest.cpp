// Mouse presses on the intro window: a single press skips after its half
// second wait, a double click skips nothing, and a press whose wait outlives
// the window does nothing more.
#include "FlashTestFixture.h"
#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace {

// Queues the events of a double click on the widget the way the window system
// delivers them (press, release, double click, release), to be handled by the
// event loop: the double click arrives during the wait of the first press.
void postDoubleClick(QWidget* widget) {
    const QPointF local(400, 300);
    const QPointF global = widget->mapToGlobal(local);
    const auto post = [&](QEvent::Type type, Qt::MouseButtons held) {
        QCoreApplication::postEvent(widget, new QMouseEvent(type, local, global, Qt::LeftButton, held, Qt::NoModifier));
    };
    post(QEvent::MouseButtonPress, Qt::LeftButton);
    post(QEvent::MouseButtonRelease, Qt::NoButton);
    post(QEvent::MouseButtonDblClick, Qt::LeftButton);
    post(QEvent::MouseButtonRelease, Qt::NoButton);
}

}  // namespace

// The wait ends when the clock is half a second past the press rounded to a
// whole second: between 0 and 1 second after the press.
TEST_F(FlashTest, SinglePressSkipsAfterTheWait) {
    const struct {
        double pressAt;
        double waitEnds;
    } cases[] = {{36000.2, 36000.5}, {36000.7, 36001.5}, {36000.5, 36000.5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pressAt);
        TearDown();
        SetUp();
        disc.writePicture("a.jpg", 40, 30);
        disc.writePicture("b.jpg", 20, 10);
        plat.setNow(c.pressAt);
        frmFlash& intro = playIntro({"a.jpg", "b.jpg"});

        QTest::mousePress(intro.picPlay, Qt::LeftButton, {}, QPoint(10, 10));
        EXPECT_EQ(intro.heldPicture().pixelWidth(), 20) << "the press skipped to the next picture";
        EXPECT_GE(plat.now(), c.waitEnds - 1e-6);
        EXPECT_LT(plat.now(), c.waitEnds + 0.05);
        QTest::mouseRelease(intro.picPlay, Qt::LeftButton, {}, QPoint(10, 10));
    }
}

TEST_F(FlashTest, PressOnVideoSkipsIt) {
    writeClip("a.wmv", 60.0);
    disc.writePicture("image\\black.jpg", 8, 8, Qt::black);
    disc.writePicture("b.jpg", 20, 10);
    frmFlash& intro = playIntro({"a.wmv", "b.jpg"});
    ASSERT_NE(intro.player(), nullptr);
    QTest::mousePress(intro.picPlay, Qt::RightButton, {}, QPoint(400, 300));
    EXPECT_EQ(intro.player(), nullptr);
    EXPECT_EQ(intro.heldPicture().pixelWidth(), 20);
}

TEST_F(FlashTest, DoubleClickSkipsNothing) {
    writeClip("a.wmv", 60.0);
    disc.writePicture("b.jpg", 20, 10);
    frmFlash& intro = playIntro({"a.wmv", "b.jpg"});
    const clsPlayer* playing = intro.player();
    ASSERT_NE(playing, nullptr);

    postDoubleClick(intro.picPlay);
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(intro.doubleClicked());
    EXPECT_EQ(intro.player(), playing) << "the same video plays on";
    EXPECT_EQ(Shared().HeaderIndex, 1);
    EXPECT_GT(plat.pumps, 0) << "the double click was handled inside the wait";
}

// A press near the end of the last intro video: the video ends during the
// wait and the window hands over; the end of the wait must not hand over a
// second time.
TEST_F(FlashTest, WindowUnloadedDuringTheWaitIsLeftAlone) {
    writeClip("a.wmv", 1.0);
    frmFlash& intro = playIntro({"a.wmv"});
    plat.advance(0.8);  // the press rounds to 36001: the wait lasts 0.7 s
    QTest::mousePress(intro.picPlay, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(mainWindowOpened, 1);
    EXPECT_TRUE(flashGone());
}

// A press just before midnight: the wait still ends.
TEST_F(FlashTest, PressWaitAcrossMidnightEnds) {
    disc.writePicture("a.jpg", 40, 30);
    disc.writePicture("b.jpg", 20, 10);
    plat.setNow(86399.6);  // the press rounds to 86400
    frmFlash& intro = playIntro({"a.jpg", "b.jpg"});
    QTest::mousePress(intro.picPlay, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(intro.heldPicture().pixelWidth(), 20);
    EXPECT_LT(plat.pumps, 200) << "the wait lasted about 0.9 s of virtual time";
}

// A second press (another button, so no double click) during the first
// press's wait is handled inside it: it waits and skips, then the first
// press's wait ends and skips once more. Each press skips one entry.
TEST_F(FlashTest, SecondPressDuringTheWaitSkipsOnceMore) {
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"}) disc.writePicture(name, 10 + name[0] - 'a', 10);
    frmFlash& intro = playIntro({"a.jpg", "b.jpg", "c.jpg", "d.jpg"});
    const QPointF local(400, 300);
    const QPointF global = intro.picPlay->mapToGlobal(local);
    const auto post = [&](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held) {
        QCoreApplication::postEvent(intro.picPlay, new QMouseEvent(type, local, global, button, held, Qt::NoModifier));
    };
    post(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    post(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
    post(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton);
    post(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton);
    QCoreApplication::sendPostedEvents();

    EXPECT_EQ(intro.heldPicture().pixelWidth(), 12) << "c.jpg: two entries skipped";
    EXPECT_EQ(Shared().HeaderIndex, 3);
    EXPECT_FALSE(intro.doubleClicked());
    EXPECT_TRUE(plat.errorReports.empty());
}
