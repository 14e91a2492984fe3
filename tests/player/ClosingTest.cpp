// Closing the main window: every request asks in frmConfirm; Cancel changes
// nothing, OK starts the outro before the window lets its player go.
#include "MenuFixture.h"

#include "player/frmConfirm.h"
#include "slider/Progressbar.h"
#include "support/SkinFixture.h"
#include "ui/SessionEnd.h"

using namespace menutest;

namespace {

class ClosingTest : public MenuWindowTest {
protected:
    // Answers the dialog with a click on one of its two pictures, after
    // letting half a second pass behind it.
    void answerWith(bool ok) {
        sim.onModal = [this, ok](ui::Form& form) {
            auto* dialog = dynamic_cast<frmConfirm*>(&form);
            ASSERT_NE(dialog, nullptr);
            ++asked;
            answerWasFalse = dialog->ReturnValue() == 0;
            dialogShowsBackground = fixture::showsSkin(dialog->picture(), "image\\CBack.jpg");
            dialogSize = dialog->size();
            centreOffset = dialog->geometry().center() - w().geometry().center();
            sim.advance(0.5);
            click(ok ? dialog->imgOk : dialog->imgCancel);
        };
    }
    void playLesson() {
        hover(100, 180);
        click(w().picPlay, QPoint(100, 180));
        ASSERT_NE(w().Player, nullptr);
    }

    int asked = 0;
    bool answerWasFalse = false;
    bool dialogShowsBackground = false;
    QSize dialogSize;
    QPoint centreOffset{99, 99};
};

}  // namespace

TEST_F(ClosingTest, CancelChangesNothingAndPlaybackGoesOnBehindTheDialog) {
    playLesson();
    sim.advance(1.0);
    const double before = sim::lastSimGraph()->position();
    w().move(w().pos() + QPoint(37, 23));  // dragged away from the screen's centre
    answerWith(false);
    click(w().Image3);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(answerWasFalse);
    EXPECT_TRUE(dialogShowsBackground);
    EXPECT_EQ(dialogSize, QSize(418, 265));
    EXPECT_LE(centreOffset.manhattanLength(), 2);  // centred over the main window
    EXPECT_TRUE(w().isLoaded());
    ASSERT_NE(w().Player, nullptr);
    EXPECT_EQ(sim::lastSimGraph()->state(), sim::SimMediaGraph::State::Running);
    // The file and the window's timer went on while the dialog was open.
    EXPECT_GT(sim::lastSimGraph()->position(), before);
    EXPECT_GT(w().Progressbar1.Value(), 0);
    EXPECT_TRUE(w().Timer1.Enabled());
    EXPECT_EQ(outrosStarted, 0);

    // A second request asks again, from a fresh answer.
    click(w().Image3);
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(answerWasFalse);
    EXPECT_TRUE(w().isLoaded());
}

TEST_F(ClosingTest, OkStartsTheOutroThenReleasesThePlayer) {
    playLesson();
    answerWith(true);
    click(w().Image3);
    EXPECT_EQ(outrosStarted, 1);
    EXPECT_TRUE(playerAliveAtOutro);
    EXPECT_FALSE(w().isLoaded());
    EXPECT_EQ(w().Player, nullptr);
    EXPECT_EQ(sim::liveSimGraphs(), 0);
    EXPECT_FALSE(w().Timer1.Enabled());
}

// The window system's close command takes the same road.
TEST_F(ClosingTest, WindowSystemCloseAsksToo) {
    answerWith(false);
    EXPECT_FALSE(w().close());
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(w().isLoaded());
    answerWith(true);
    EXPECT_TRUE(w().close());
    EXPECT_EQ(outrosStarted, 1);
    EXPECT_FALSE(w().isLoaded());
}

// The end of the desktop session takes the same road where the session
// manager lets the player ask: "no" calls the logout off, "yes" lets it go on
// with the outro started. Without leave to ask, nothing is asked and nothing
// is called off: the session ends the player.
TEST_F(ClosingTest, EndOfTheSessionAsksWhereItMay) {
    struct Request : ui::SessionEndRequest {
        bool interaction = false;
        bool cancelled = false;
        bool allowsInteraction() override { return interaction; }
        void cancel() override { cancelled = true; }
    };
    struct Case {
        bool interaction, answer;
        int asked;
        bool cancelled, stillOpen;
    };
    const Case cases[] = {
        {false, true, 0, false, true},
        {true, false, 1, true, true},
        {true, true, 1, false, false},  // last: the window is gone after it
    };
    playLesson();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "interaction " << c.interaction << ", answer " << c.answer);
        asked = 0;
        answerWith(c.answer);
        Request request;
        request.interaction = c.interaction;
        ui::AnswerSessionEnd(request);
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(request.cancelled, c.cancelled);
        EXPECT_EQ(w().isLoaded(), c.stillOpen);
        EXPECT_EQ(outrosStarted, c.stillOpen ? 0 : 1);
    }
}

// Once the session is over, its manager has the program quit: the windows are
// not asked again (Qt would close each of them first), the program just ends.
TEST_F(ClosingTest, QuitAtTheEndOfTheSessionEndsWithoutAsking) {
    playLesson();
    ui::WatchSessionEnd();
    answerWith(false);
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(sim.exitCode, 0);
}

// The dialog alone: hover pictures come and go, and the answer stays readable
// after it has unloaded, until the next load.
TEST_F(ClosingTest, DialogHoverAndAnswerAfterUnload) {
    frmConfirm dialog;
    sim.onModal = [&](ui::Form&) {
        moveOver(dialog.imgOk);
        EXPECT_TRUE(fixture::showsSkin(dialog.imgOk.picture(), "image\\ok.jpg"));
        moveOver(dialog, QPoint(10, 10));
        EXPECT_TRUE(dialog.imgOk.picture().isNull());
        moveOver(dialog.imgCancel);
        EXPECT_TRUE(fixture::showsSkin(dialog.imgCancel.picture(), "image\\cancel.jpg"));
        EXPECT_TRUE(dialog.imgOk.picture().isNull());
        click(dialog.imgOk);
    };
    dialog.Show(1, &w());
    EXPECT_FALSE(dialog.isLoaded());
    EXPECT_EQ(dialog.ReturnValue(), -1);

    // Closed by the window system: counts as Cancel.
    sim.onModal = [&](ui::Form&) { dialog.close(); };
    dialog.Show(1, &w());
    EXPECT_FALSE(dialog.isLoaded());
    EXPECT_EQ(dialog.ReturnValue(), 0);
}

// Cancel in full screen: the window stays in full screen with the video over
// the whole window, and the file plays on.
TEST_F(ClosingTest, CancelInFullScreenKeepsFullScreen) {
    playLesson();
    w().Image2_Click();
    ASSERT_EQ(w().WindowState(), 2);
    const QRect area = w().picPlay.geometry();
    const QRect video = sim::lastSimGraph()->rect();
    answerWith(false);
    click(w().Image3);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(w().isLoaded());
    EXPECT_EQ(w().WindowState(), 2);
    EXPECT_EQ(w().picPlay.geometry(), area);
    EXPECT_EQ(sim::lastSimGraph()->rect(), video);
    EXPECT_EQ(sim::lastSimGraph()->state(), sim::SimMediaGraph::State::Running);
    EXPECT_EQ(outrosStarted, 0);
}
