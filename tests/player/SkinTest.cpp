// The buttons' hover pictures, the background that puts them back at rest and
// drags the window, the link label, help and the maker's page.
#include "MenuFixture.h"

#include "support/SkinFixture.h"

using namespace menutest;

namespace {

struct Hover {
    ui::Image mForm::*image;
    const char* over;     // picture while the pointer moves over it
    const char* release;  // picture after a release over it, "" for no change
};

const Hover kButtons[] = {
    {&mForm::Image1, "image\\help_h.jpg", ""},
    {&mForm::Image2, "image\\fscren_h.jpg", "image\\fscren.jpg"},
    {&mForm::Image3, "image\\close_h.jpg", "image\\close.jpg"},
    {&mForm::imgPlay, "image\\Play_h.jpg", "image\\play.jpg"},
    {&mForm::imgPause, "image\\Pause_h.jpg", "image\\pause.jpg"},
    {&mForm::imgStop, "image\\Stop_h.jpg", "image\\stop.jpg"},
    {&mForm::imgVoid, "image\\void_h.jpg", ""},
    {&mForm::imgShengYin, "image\\sy_h.jpg", "image\\sy.jpg"},
    {&mForm::imgDongHua, "image\\dh_h.jpg", "image\\dh.jpg"},
};

const char* const kResting[] = {"image\\help.jpg", "image\\fscren.jpg", "image\\close.jpg",
                                "image\\play.jpg", "image\\pause.jpg",  "image\\stop.jpg",
                                "image\\void.jpg", "image\\sy.jpg",     "image\\dh.jpg"};

class SkinTest : public MenuWindowTest {
protected:
    // A lesson playing, so that the transport buttons take the mouse.
    void playLesson() {
        hover(100, 180);
        click(w().picPlay, QPoint(100, 180));
        ASSERT_NE(w().Player, nullptr);
    }
    void releaseOver(ui::Image& image) {
        // A right-button release: a mouse-up without a click.
        press(image, {2, 2}, Qt::RightButton);
        release(image, {2, 2}, Qt::RightButton);
    }
    // A point of the window's background that no control covers.
    static QPoint background() { return {400, 30}; }
};

}  // namespace

TEST_F(SkinTest, ButtonsHighlightUnderThePointerAndRestOnReleaseOrBackground) {
    playLesson();
    for (const Hover& b : kButtons) {
        ui::Image& image = w().*b.image;
        moveOver(image);
        EXPECT_TRUE(fixture::showsSkin(image.picture(), b.over)) << b.over;
        releaseOver(image);
        EXPECT_TRUE(fixture::showsSkin(image.picture(), *b.release ? b.release : b.over)) << b.over;
        moveOver(image);
    }
    // Moving from button to button left them all highlighted; the background
    // puts every one back at rest.
    EXPECT_TRUE(fixture::showsSkin(w().imgPlay.picture(), "image\\Play_h.jpg"));
    moveOver(w(), background());
    for (size_t i = 0; i < std::size(kButtons); ++i) {
        EXPECT_TRUE(fixture::showsSkin((w().*kButtons[i].image).picture(), kResting[i])) << kResting[i];
    }
}

TEST_F(SkinTest, MutedButtonKeepsItsSoundOffPictureUnderHoverAndBackground) {
    playLesson();
    click(w().imgVoid);
    ASSERT_TRUE(w().isMute);
    moveOver(w().imgVoid);
    EXPECT_TRUE(fixture::showsSkin(w().imgVoid.picture(), "image\\clsvoid.jpg"));
    moveOver(w().imgPlay);
    moveOver(w(), background());
    EXPECT_TRUE(fixture::showsSkin(w().imgVoid.picture(), "image\\clsvoid.jpg"));
    EXPECT_TRUE(fixture::showsSkin(w().imgPlay.picture(), "image\\play.jpg"));
}

TEST_F(SkinTest, DisabledTransportButtonsShowNoHover) {
    moveOver(w().imgPlay);
    EXPECT_TRUE(fixture::showsSkin(w().imgPlay.picture(), "image\\play.jpg"));
}

TEST_F(SkinTest, LinkLabelTurnsRedAndUnderlinedUntilTheBackground) {
    moveOver(w().Label1);
    EXPECT_EQ(w().Label1.ForeColor(), ui::RGB(255, 0, 0));
    EXPECT_TRUE(w().Label1.FontUnderline());
    moveOver(w().imgDongHua);  // leaving the label for a button keeps the look
    EXPECT_TRUE(w().Label1.FontUnderline());
    moveOver(w(), background());
    EXPECT_EQ(w().Label1.ForeColor(), ui::RGB(10, 39, 112));
    EXPECT_FALSE(w().Label1.FontUnderline());
}

TEST_F(SkinTest, HelpAndLinksOpenThroughTheShell) {
    click(w().Image1);
    click(w().Label1);
    click(w().Label5);
    ASSERT_EQ(sim.opened.size(), 3u);
    // The help page by its full path, whether or not the disc has it.
    EXPECT_EQ(sim.opened[0], startup::AppFolder() + "help/help.htm");
    EXPECT_EQ(sim.opened[1], "https://example.org/autorun");
    EXPECT_EQ(sim.opened[2], "https://example.org/autorun");
    // Help has no release reaction: it stays highlighted after a click.
    moveOver(w().Image1);
    click(w().Image1);
    EXPECT_TRUE(fixture::showsSkin(w().Image1.picture(), "image\\help_h.jpg"));
}

// Only the left button alone on the background drags the window.
TEST_F(SkinTest, BackgroundDragsTheWindowWithTheLeftButtonAlone) {
    const QPoint start = w().pos();
    const QPoint at = background();
    moveOver(w(), at, Qt::RightButton);
    moveOver(w(), at + QPoint(30, 20), Qt::RightButton);
    moveOver(w(), at, Qt::LeftButton | Qt::RightButton);
    moveOver(w(), at + QPoint(30, 20), Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(w().pos(), start);

    press(w(), at);
    moveOver(w(), at + QPoint(1, 0), Qt::LeftButton);
    moveOver(w(), at + QPoint(40, 25), Qt::LeftButton);
    release(w(), at + QPoint(40, 25));
    EXPECT_NE(w().pos(), start);
}

// A press on a button, a label or the picture area, then moves with the left
// button held: the window is not dragged (the button shows its hover picture).
TEST_F(SkinTest, PressAndMoveOverAControlNeverDrags) {
    playLesson();
    QWidget* const targets[] = {&w().Image1, &w().imgPlay, &w().Label1, &w().picPlay};
    const QPoint start = w().pos();
    for (size_t i = 0; i < std::size(targets); ++i) {
        SCOPED_TRACE(i);
        QWidget& target = *targets[i];
        press(target);
        moveOver(target, {3, 2}, Qt::LeftButton);
        moveOver(target, {12, 9}, Qt::LeftButton);
        release(target, {12, 9});
        EXPECT_EQ(w().pos(), start);
    }
    EXPECT_TRUE(fixture::showsSkin(w().Image1.picture(), "image\\help_h.jpg"));
}
