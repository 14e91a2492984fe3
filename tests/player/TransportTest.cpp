// Play, pause and stop; seeking by pressing and releasing the seek bar; mute,
// unmute and the volume bar.
#include "MainWindowFixture.h"

#include <QTest>

namespace {

// A press and release of the left button on a slider at a fraction of its width.
void pressAndRelease(slider::Progressbar& bar, double fraction) {
    const QPoint at(static_cast<int>(bar.width() * fraction), bar.height() / 2);
    QTest::mousePress(&bar, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, at);
}

}  // namespace

TEST_F(MainWindowTest, PausePlayAndStop) {
    mForm& form = open();
    clickItem(form, 2);
    plat.advance(1.0);
    sim::SimMediaGraph* g = graph();

    form.imgPause_Click();
    EXPECT_EQ(g->state(), sim::SimMediaGraph::State::Paused);
    EXPECT_TRUE(form.Player->isPlaying());
    EXPECT_TRUE(form.Timer1.Enabled());
    const double held = g->position();
    plat.advance(1.0);
    EXPECT_DOUBLE_EQ(g->position(), held);
    form.imgPause_Click();  // pausing again pauses again
    EXPECT_EQ(g->state(), sim::SimMediaGraph::State::Paused);

    form.imgPlay_Click();
    EXPECT_EQ(g->state(), sim::SimMediaGraph::State::Running);
    plat.advance(0.5);
    EXPECT_GT(g->position(), held);
    const int32_t seekValue = form.Progressbar1.Value();
    EXPECT_GT(seekValue, 0);

    QTest::mouseClick(&form.imgStop, Qt::LeftButton);  // through the button itself
    expectMenu(form);
    EXPECT_EQ(form.Progressbar1.Value(), seekValue);  // stop leaves the seek bar's value
    EXPECT_EQ(Shared().HeaderIndex, 0);
    EXPECT_TRUE(plat.errorReports.empty());
}

TEST_F(MainWindowTest, SeekingByPressAndReleaseOnTheSeekBar) {
    mForm& form = open();
    clickItem(form, 2);
    plat.advance(1.0);
    sim::SimMediaGraph* g = graph();

    // The press pauses and fixes everything but the seek bar.
    int16_t button = 1, shift = 0;
    float x = 0, y = 0;
    form.Progressbar1.MouseDown(button, shift, x, y);
    EXPECT_EQ(g->state(), sim::SimMediaGraph::State::Paused);
    EXPECT_FALSE(form.Timer1.Enabled());
    EXPECT_FALSE(form.imgPlay.Enabled());
    EXPECT_FALSE(form.Volumer.CanMove());
    EXPECT_TRUE(form.Progressbar1.CanMove());
    const double held = g->position();
    plat.advance(0.5);
    EXPECT_DOUBLE_EQ(g->position(), held);  // nothing moves while held
    form.Progressbar1.setValue(7500);
    form.Progressbar1.MouseUp(button, shift, x, y);
    EXPECT_DOUBLE_EQ(g->position(), 3.0);
    EXPECT_EQ(g->state(), sim::SimMediaGraph::State::Running);
    EXPECT_TRUE(form.Timer1.Enabled());
    EXPECT_TRUE(form.imgPlay.Enabled());
    EXPECT_TRUE(form.Volumer.CanMove());

    // With the mouse, from a paused file: the release always resumes.
    form.imgPause_Click();
    pressAndRelease(form.Progressbar1, 0.25);
    const int32_t value = form.Progressbar1.Value();
    EXPECT_GT(value, 1000);
    EXPECT_LT(value, 4000);
    EXPECT_NEAR(g->position(), value * 4.0 / 10000, 1e-9);
    EXPECT_EQ(g->state(), sim::SimMediaGraph::State::Running);
    EXPECT_TRUE(form.Timer1.Enabled());
    EXPECT_TRUE(plat.errorReports.empty());
}

TEST_F(MainWindowTest, MuteAndUnmute) {
    mForm& form = open();
    clickItem(form, 2);
    sim::SimMediaGraph* g = graph();
    form.Volumer.setValue(25);
    EXPECT_EQ(g->volume(), -5000);

    form.imgVoid_Click();
    EXPECT_TRUE(form.isMute);
    EXPECT_EQ(form.Volumer.Value(), 0);
    EXPECT_EQ(g->volume(), -10000);
    EXPECT_FALSE(form.Volumer.CanMove());
    EXPECT_TRUE(fixture::showsSkin(form.imgVoid.picture(), QStringLiteral("image\\clsvoid.jpg")));
    form.Initial();  // a muted button keeps its sound-off picture
    EXPECT_TRUE(fixture::showsSkin(form.imgVoid.picture(), QStringLiteral("image\\clsvoid.jpg")));
    EXPECT_TRUE(fixture::showsSkin(form.imgPlay.picture(), QStringLiteral("image\\play.jpg")));

    form.imgVoid_Click();  // back at 40, not at 25
    EXPECT_FALSE(form.isMute);
    EXPECT_EQ(form.Volumer.Value(), 40);
    EXPECT_EQ(g->volume(), -2000);
    EXPECT_TRUE(form.Volumer.CanMove());
    EXPECT_TRUE(fixture::showsSkin(form.imgVoid.picture(), QStringLiteral("image\\void.jpg")));
}

TEST_F(MainWindowTest, TheVolumeBarCanBeDraggedWhileMuted) {
    mForm& form = open();
    clickItem(form, 2);
    form.imgVoid_Click();
    form.imgStop_Click();

    // The next lesson starts silent, but the volume bar can be dragged.
    clickItem(form, 7);
    sim::SimMediaGraph* g = graph();
    EXPECT_EQ(g->volume(), -10000);
    EXPECT_TRUE(form.isMute);
    EXPECT_TRUE(form.Volumer.CanMove());
    pressAndRelease(form.Volumer, 0.9);
    EXPECT_GT(form.Volumer.Value(), 50);
    EXPECT_EQ(g->volume(), 0);  // audible again, the button still shows sound-off
    EXPECT_TRUE(fixture::showsSkin(form.imgVoid.picture(), QStringLiteral("image\\clsvoid.jpg")));

    form.imgVoid_Click();
    EXPECT_EQ(form.Volumer.Value(), 40);
    EXPECT_EQ(g->volume(), -2000);
    EXPECT_TRUE(fixture::showsSkin(form.imgVoid.picture(), QStringLiteral("image\\void.jpg")));
}
