#include "support/SimPlatform.h"
#include "ui/Controls.h"
#include "ui/Errors.h"
#include "ui/Form.h"
#include "ui/Platform.h"
#include "ui/Timer.h"
#include <QTest>
#include <gtest/gtest.h>

using namespace ui;

namespace {

class ProbeForm : public Form {
public:
    int loads = 0;
    int cancelNext = 0;
    std::vector<int> queryModes;
    std::vector<int> moveButtons;

protected:
    void Form_Load() override {
        ++loads;
        setWidth(12000);
        setHeight(9000);
    }
    void Form_QueryUnload(int& Cancel, int UnloadMode) override {
        queryModes.push_back(UnloadMode);
        Cancel = cancelNext;
    }
    void Form_MouseMove(int Button, int, float, float) override { moveButtons.push_back(Button); }
};

void send(QWidget& w, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(20, 20), w.mapToGlobal(QPointF(20, 20)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &e);
}

}  // namespace

TEST(Form, LoadsOnceSizesInTwipsAndEndsTheProcessWhenTheLastUnloads) {
    sim::SimPlatform sim;
    ProbeForm a, b;
    a.Show();
    a.Load();
    EXPECT_EQ(a.loads, 1);
    EXPECT_EQ(a.ScaleWidth(), 800);
    EXPECT_EQ(a.Height(), 9000);
    b.Show();
    EXPECT_EQ(LoadedFormCount(), 2);

    a.cancelNext = 1;
    EXPECT_FALSE(a.Unload());  // query-unload cancelled
    EXPECT_TRUE(a.isLoaded());
    a.close();                 // the window system's close asks too
    EXPECT_EQ(a.queryModes, (std::vector<int>{vbFormCode, vbFormControlMenu}));
    EXPECT_TRUE(a.isLoaded());

    a.cancelNext = 0;
    EXPECT_TRUE(a.Unload());
    EXPECT_FALSE(sim.exitCode);
    EXPECT_TRUE(b.Unload());
    EXPECT_EQ(sim.exitCode, 0);
    EXPECT_EQ(LoadedFormCount(), 0);
}

TEST(Controls, MouseEventsComeInTheRuntimeOrder) {
    sim::SimPlatform sim;
    Form form;
    form.resize(200, 200);
    PictureBox box(&form);
    box.setGeometry(10, 10, 100, 100);
    Image disabled(&form);
    disabled.setGeometry(120, 10, 50, 50);
    disabled.setEnabled(false);
    form.Show();

    std::vector<std::string> seen;
    box.OnMouseDown = [&](int b, int, float x, float y) { seen.push_back("down" + std::to_string(b) + "@" + std::to_string(int(x)) + "," + std::to_string(int(y))); };
    box.OnMouseUp = [&](int b, int, float, float) { seen.push_back("up" + std::to_string(b)); };
    box.OnClick = [&] { seen.push_back("click"); };
    box.OnDblClick = [&] { seen.push_back("dblclick"); };
    disabled.OnClick = [&] { seen.push_back("disabled click"); };

    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 6));
    EXPECT_EQ(seen, (std::vector<std::string>{"down1@5,6", "up1", "click"}));
    seen.clear();
    // A double click as widgets receive it: press, release, double click, release.
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 6));
    QTest::mouseDClick(&box, Qt::LeftButton, {}, QPoint(5, 6));
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(5, 6));
    EXPECT_EQ(seen, (std::vector<std::string>{"down1@5,6", "up1", "click", "dblclick", "up1"}));
    seen.clear();
    QTest::mouseClick(&box, Qt::RightButton, {}, QPoint(5, 6));
    EXPECT_EQ(seen, (std::vector<std::string>{"down2@5,6", "up2"}));  // no click for the right button
    seen.clear();
    QTest::mouseClick(&disabled, Qt::LeftButton);
    EXPECT_TRUE(seen.empty());
    form.Unload();
}

TEST(Controls, AFailingHandlerBecomesTheErrorReport) {
    sim::SimPlatform sim;
    Form form;
    PictureBox box(&form);
    box.resize(50, 50);
    form.Show();
    box.OnClick = [] { throw ui::RuntimeError("menu line 3list is malformed"); };
    QTest::mouseClick(&box, Qt::LeftButton);
    ASSERT_EQ(sim.errorReports.size(), 1u);
    EXPECT_TRUE(sim.errorReports[0].contains("3list"));
    EXPECT_EQ(sim.exitCode, 1);
    form.Unload();
}

TEST(Timer, TicksOnVirtualTimeWhileOn) {
    sim::SimPlatform sim;
    Timer timer;
    int ticks = 0;
    timer.OnTimer = [&] {
        if (++ticks == 50) timer.setEnabled(false);
    };
    timer.setInterval(10);
    sim.advance(1.0);
    EXPECT_EQ(ticks, 0);  // off until enabled
    timer.setEnabled(true);
    sim.advance(1.0);
    EXPECT_EQ(ticks, 50);
    sim.setNow(86399.995);
    timer.setEnabled(true);
    sim.advance(0.02);
    EXPECT_LT(sim.now(), 1.0);  // the clock passes midnight
    EXPECT_EQ(ticks, 52);
}

// The window manager's move takes the release of the press that started it;
// the platform goes on reporting the left button held. The form takes the
// press as over, so a later move starts no new drag, until the next press.
TEST(Form, ASystemMoveEndsThePress) {
    sim::SimPlatform sim;
    ProbeForm form;
    form.Show();
    send(form, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    send(form, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton);
    form.pressTakenBySystemMove();
    send(form, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton);
    send(form, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton);
    send(form, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    send(form, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(form.moveButtons, (std::vector<int>{1, 0, 0, 1}));
    form.Unload();
}

// While a wait lets only painting through, timers hold their ticks (the
// handler that waits may be a tick of the same timer) and a close request
// from the window system is refused without asking.
TEST(Timer, HoldsItsTicksWhileOnlyPaintingRuns) {
    sim::SimPlatform sim;
    ProbeForm form;
    form.Show();
    Timer timer;
    int ticks = 0;
    timer.OnTimer = [&] { ++ticks; };
    timer.setInterval(10);
    timer.setEnabled(true);
    bool closed = true;
    sim.onPaintPump = [&] {
        EXPECT_TRUE(OnlyPaintingNow());
        sim.advance(0.1);
        closed = form.close();
    };
    PaintWhileWaiting();
    EXPECT_FALSE(OnlyPaintingNow());
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(closed);
    EXPECT_TRUE(form.queryModes.empty());
    EXPECT_TRUE(form.isLoaded());
    sim.advance(0.1);
    EXPECT_EQ(ticks, 10);
    form.Unload();
}

// The form's picture sits at its top-left corner; black fills what it does not
// cover and shows through its transparent pixels.
TEST(Form, PaintsItsPictureOnBlack) {
    struct Case {
        const char* name;
        QImage::Format format;
        QRgb inside;  // the picture's colour
        QRgb shown;   // what the form shows over the picture
    };
    const Case cases[] = {
        {"opaque", QImage::Format_RGB32, qRgb(200, 30, 40), qRgb(200, 30, 40)},
        {"transparent", QImage::Format_ARGB32, qRgba(0, 0, 0, 0), qRgb(0, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim::SimPlatform sim;
        Form form;
        form.resize(40, 30);
        QImage image(25, 20, c.format);
        image.fill(c.inside);
        form.setPicture(Picture(image));
        const QImage shown = form.grab().toImage();
        EXPECT_EQ(shown.pixel(0, 0), c.shown);
        EXPECT_EQ(shown.pixel(24, 19), c.shown);
        EXPECT_EQ(shown.pixel(25, 5), qRgb(0, 0, 0));   // right of the picture
        EXPECT_EQ(shown.pixel(5, 20), qRgb(0, 0, 0));   // below it
        EXPECT_EQ(shown.pixel(39, 29), qRgb(0, 0, 0));
    }
}
