// Progressbar mouse handling: presses, drags, releases, clicks, the hover
// look and the leave watch on virtual time.
#include "SkinStrip.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

namespace {

// A mouse event at x (twips) as the window system delivers it.
void Send(QWidget& w, QEvent::Type type, double xTwips, Qt::MouseButton button, Qt::MouseButtons held) {
    const QPointF local(xTwips / 15.0, 4);
    QMouseEvent event(type, local, w.mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}

}  // namespace

class SliderMouseTest : public SliderTest {
protected:
    void SetUp() override {
        SliderTest::SetUp();
        bar->setCanMove(true);
        bar->setWindowAtCursor([this]() -> QWidget* { return cursorOnBar ? bar.get() : nullptr; });
        bar->MouseDown = [this](int16_t& b, int16_t&, float& x, float&) { log.push_back("MouseDown " + arg(b, x)); };
        bar->MouseMove = [this](int16_t& b, int16_t&, float& x, float&) { log.push_back("MouseMove " + arg(b, x)); };
        bar->MouseUp = [this](int16_t& b, int16_t&, float& x, float&) { log.push_back("MouseUp " + arg(b, x)); };
        bar->Changed = [this](int32_t& v, int32_t& m) { log.push_back("Changed " + std::to_string(v) + "/" + std::to_string(m)); };
        bar->MouseOverCmd = [this] { log.push_back("Over"); };
        bar->MouseOutCmd = [this] { log.push_back("Out"); };
        bar->Click = [this] { log.push_back("Click"); };
        bar->DBClick = [this] { log.push_back("DBClick"); };
        log.clear();
    }
    static std::string arg(int16_t button, float x) { return std::to_string(button) + " " + std::to_string(int(x)); }
    void press(double x, Qt::MouseButton b = Qt::LeftButton) { Send(*bar, QEvent::MouseButtonPress, x, b, b); }
    void drag(double x) { Send(*bar, QEvent::MouseMove, x, Qt::NoButton, Qt::LeftButton); }
    void hover(double x) { Send(*bar, QEvent::MouseMove, x, Qt::NoButton, Qt::NoButton); }
    void release(double x, Qt::MouseButton b = Qt::LeftButton) { Send(*bar, QEvent::MouseButtonRelease, x, b, Qt::NoButton); }

    std::vector<std::string> log;
    bool cursorOnBar = true;
};

using Log = std::vector<std::string>;

TEST_F(SliderMouseTest, PressSetsTheValueAtThePointerClamped) {
    struct Case {
        double x;
        int32_t value;
    };
    // (1800 - 120 - 255) x 100 / 2850 = 50; beyond either end clamps; 32.5 rounds to even.
    for (const Case c : {Case{1800, 50}, Case{10, 0}, Case{3590, 100}, Case{-900, 0}, Case{9000, 100}, Case{1301.25, 32}}) {
        bar->setValue(77);
        press(c.x);
        EXPECT_EQ(bar->Value(), c.value) << c.x;
        release(c.x);
    }
}

TEST_F(SliderMouseTest, LeftPressClickAndDoubleClickInTheirOrder) {
    press(1800);
    EXPECT_TRUE(bar->fields().mDragging);
    release(1800);
    Send(*bar, QEvent::MouseButtonDblClick, 1800, Qt::LeftButton, Qt::LeftButton);
    release(1800);
    EXPECT_EQ(log, Log({"MouseDown 1 1800", "MouseMove 1 1800", "Changed 50/100", "Over", "MouseUp 1 1800", "Over",
                        "Click", "DBClick", "MouseUp 1 1800", "Over"}));
    EXPECT_FALSE(bar->fields().mDragging);
}

TEST_F(SliderMouseTest, RightPressRaisesMouseDownOnly) {
    press(3000, Qt::RightButton);
    EXPECT_EQ(log, Log({"MouseDown 2 3000"}));
    EXPECT_EQ(bar->Value(), 50);
    EXPECT_FALSE(bar->fields().mDragging);
}

TEST_F(SliderMouseTest, DragFollowsTheMouseAndValueAssignmentsWaitForTheRelease) {
    QStringList notices;
    bar->PropertyChanged = [&](const QString& name) { notices << name; };
    press(1800);
    drag(3590);
    EXPECT_EQ(bar->Value(), 100);
    bar->setValue(10);  // dropped while the button is held: notice only
    EXPECT_EQ(bar->Value(), 100);
    EXPECT_EQ(notices, QStringList({"Value"}));
    EXPECT_EQ(std::count(log.begin(), log.end(), "Changed 10/100"), 0);
    drag(-400);
    EXPECT_EQ(bar->Value(), 0);
    EXPECT_EQ(pixel(24, 4), skin::Frames[2]);  // the pressed look at the left end

    release(-400);  // outside the control: still ends the drag, no click
    EXPECT_FALSE(bar->fields().mDragging);
    EXPECT_EQ(std::count(log.begin(), log.end(), "Click"), 0);
    bar->setValue(10);
    EXPECT_EQ(bar->Value(), 10);
}

TEST_F(SliderMouseTest, HandlersChangingButtonOrXChangeWhatFollows) {
    bar->MouseDown = [](int16_t& b, int16_t&, float&, float&) { b = 2; };
    press(3000);
    EXPECT_FALSE(bar->fields().mDragging);
    EXPECT_EQ(bar->Value(), 50);

    bar->MouseDown = nullptr;
    bar->MouseMove = [](int16_t&, int16_t&, float& x, float&) { x = 3590; };
    press(1800);
    EXPECT_EQ(bar->Value(), 100);
    EXPECT_FLOAT_EQ(bar->fields().mMouseX, 3590);
}

TEST_F(SliderMouseTest, HoverOnTheThumbAndTheLeaveWatch) {
    hover(1800);  // on the thumb (1680.1 .. 1920.1)
    EXPECT_EQ(log, Log({"MouseMove 0 1800", "Over"}));
    EXPECT_EQ(pixel(120, 4), skin::Frames[1]);
    EXPECT_TRUE(bar->Timer1().Enabled());

    log.clear();
    hover(600);  // on the bar, off the thumb
    EXPECT_EQ(log, Log({"MouseMove 0 600", "Out"}));
    hover(1800);

    log.clear();
    platform.advance(0.05);  // still over the control: the watch goes on quietly
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(bar->fields().mHover);

    cursorOnBar = false;
    platform.advance(0.02);
    EXPECT_EQ(log, Log({"Out"}));
    EXPECT_FALSE(bar->fields().mHover);
    EXPECT_FALSE(bar->Timer1().Enabled());
    EXPECT_EQ(pixel(120, 4), skin::Frames[0]);
}

TEST_F(SliderMouseTest, ThumbEdgesAreOutside) {
    // A MouseMove handler puts the pointer exactly on the thumb's edges.
    const float left = bar->fields().mCmdLeft;  // 1680.1
    for (const auto& [x, expected] : std::vector<std::pair<float, std::string>>{
             {left, "Out"}, {left + 0.01f, "Over"}, {left + 240.0f, "Out"}, {left + 239.99f, "Over"}}) {
        bar->MouseMove = [x = x](int16_t&, int16_t&, float& X, float&) { X = x; };
        log.clear();
        hover(0);
        EXPECT_EQ(log, Log({expected})) << x;
    }
}

TEST_F(SliderMouseTest, FixedBarRaisesMouseEventsOnlyAndRedrawsOnLeaving) {
    bar->setCanMove(false);
    log.clear();
    const qint64 before = bar->surface().cacheKey();
    press(1800);
    hover(1900);
    EXPECT_EQ(bar->Value(), 50);
    EXPECT_EQ(log, Log({"MouseDown 1 1800", "MouseMove 1 1800", "MouseMove 0 1900"}));
    EXPECT_EQ(bar->surface().cacheKey(), before);  // no redraw while moving
    EXPECT_TRUE(bar->fields().mHover);

    release(1900);
    log.clear();
    const qint64 afterRelease = bar->surface().cacheKey();
    cursorOnBar = false;
    platform.advance(0.02);
    EXPECT_TRUE(log.empty());  // no MouseOutCmd while the bar is fixed
    EXPECT_FALSE(bar->fields().mHover);
    EXPECT_NE(bar->surface().cacheKey(), afterRelease);  // but one redraw
}

TEST_F(SliderMouseTest, HiddenThumbLeavesItsWidthOutOfTheValue) {
    bar->setIsShowCmd(false);
    log.clear();
    press(1800);  // (1800 - 255) x 100 / 3090 = 50.0
    EXPECT_EQ(bar->Value(), 50);
    press(1000);  // 745 x 100 / 3090 = 24.1
    EXPECT_EQ(bar->Value(), 24);
    EXPECT_EQ(std::count(log.begin(), log.end(), "Over") + std::count(log.begin(), log.end(), "Out"), 0);
}

// The leave watch with the platform's own question (which window is under the
// real pointer), not a stand-in: the hover ends only once the pointer is off.
TEST_F(SliderTest, LeaveWatchAsksWhereTheRealPointerIs) {
    bar->setCanMove(true);
    bar->move(100, 100);
    bar->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(bar.get()));
    std::vector<std::string> log;
    bar->MouseOverCmd = [&] { log.push_back("Over"); };
    bar->MouseOutCmd = [&] { log.push_back("Out"); };

    const QPoint onThumb(120, 4);  // 1800 twips
    QCursor::setPos(bar->mapToGlobal(onThumb));
    Send(*bar, QEvent::MouseMove, 1800, Qt::NoButton, Qt::NoButton);
    platform.advance(0.05);
    const auto outs = [&] { return std::count(log.begin(), log.end(), "Out"); };
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(outs(), 0) << "the pointer is still over the control";
    EXPECT_TRUE(bar->fields().mHover);

    QCursor::setPos(bar->mapToGlobal(QPoint(0, 0)) + QPoint(400, 300));
    platform.advance(0.02);
    EXPECT_EQ(outs(), 1);
    EXPECT_EQ(log.back(), "Out");
    EXPECT_FALSE(bar->fields().mHover);
    EXPECT_FALSE(bar->Timer1().Enabled());
}
