// The live menu page: hit tests, the arrow, the hand cursor, and what a click
// on an item or a side button does.
#include "MenuFixture.h"

#include "ui/Controls.h"

using namespace menutest;

namespace {

struct Point {
    int x;
    int y;
    const char* key;  // item found, "" for none
};

}  // namespace

// Item 2 is 40,160,300,200: its border lines are outside, one pixel in is
// inside; item 3 (200,180,400,240) overlaps it and the lower number wins.
TEST_F(MenuWindowTest, HitTestExcludesBordersAndLowerItemWinsOverlap) {
    const Point cases[] = {
        {40, 170, ""},       {41, 170, "2list"},  // left border
        {300, 170, ""},      {299, 170, "2list"},  // right border
        {100, 160, ""},      {100, 161, "2list"},  // top border
        {100, 200, ""},      {100, 199, "2list"},  // bottom border
        {250, 190, "2list"},                       // overlap of 2 and 3
        {350, 190, "3list"},                       // item 3 alone
        {450, 350, ""},                            // item 8: in no page's range
        {10, 10, ""},
    };
    for (const Point& p : cases) {
        hover(p.x, p.y);
        EXPECT_EQ(w().HotSpotKey, QString::fromLatin1(p.key)) << p.x << "," << p.y;
        EXPECT_EQ(w().picPlay.MousePointer(), *p.key ? ui::vbCustom : ui::vbDefault) << p.x << "," << p.y;
    }
}

TEST_F(MenuWindowTest, ItemsOfOtherPagesAreNeverFound) {
    // Items 6 and 7 (page 2) lie exactly under items 1 and 2 of page 1.
    hover(100, 120);
    EXPECT_EQ(w().HotSpotKey, "1list");
    w().CurrentPage = 3;
    w().setArrow();
    hover(100, 120);
    EXPECT_EQ(w().HotSpotKey, "");
    hover(450, 350);  // item 8
    EXPECT_EQ(w().HotSpotKey, "");
}

TEST_F(MenuWindowTest, ArrowFollowsLessonsButNotPageChangesIntroOrOutro) {
    // Page 1 opens with the arrow beside item 2 (item 1 changes the page).
    const QPoint start(40 - 24 - 5, 160 + (40 - 20) / 2);
    EXPECT_EQ(arrow(), start);
    hover(100, 120);  // redirect
    EXPECT_EQ(arrow(), start);
    hover(100, 340);  // header
    EXPECT_EQ(arrow(), start);
    hover(350, 230);  // lesson: centred beside it
    EXPECT_EQ(arrow(), QPoint(200 - 24 - 5, 180 + (60 - 20) / 2));
    EXPECT_TRUE(w().imgTag.Visible());
    hover(10, 10);  // off every item: the arrow stays
    EXPECT_EQ(arrow(), QPoint(171, 200));

    // Page 2: laster items do not draw the arrow either.
    hover(100, 120);
    click(w().picPlay, QPoint(100, 120));
    ASSERT_EQ(w().CurrentPage, 2);
    hover(100, 180);  // lesson 7
    EXPECT_EQ(arrow(), QPoint(11, 170));
    hover(100, 120);  // laster 6
    EXPECT_EQ(w().HotSpotKey, "6list");
    EXPECT_EQ(w().picPlay.MousePointer(), ui::vbCustom);
    EXPECT_EQ(arrow(), QPoint(11, 170));
}

// A page whose first item replays the intro list: the arrow goes beside the
// second item.
TEST_F(MenuWindowTest, ArrowSkipsAHeaderItemFirstOnItsPage) {
    disc.writeIni(discIni().replace("1-5,6-7,9-11", "1-5,6-7,5-7"));  // page 3: header 5, laster 6, 7
    w().CurrentPage = 3;
    w().setArrow();
    EXPECT_EQ(arrow(), QPoint(40 - 24 - 5, 100 + (40 - 20) / 2));  // beside item 6
}

// The arrow moves only when its top differs from the item's top: beside an
// item as tall as itself its top equals the item's, so a neighbour with the
// same top edge does not take it.
TEST_F(MenuWindowTest, ArrowStaysForAnItemWithTheSameTop) {
    w().CurrentPage = 3;
    w().setArrow();
    EXPECT_EQ(arrow(), QPoint(100 - 29, 50));  // item 9, as tall as the arrow
    hover(350, 70);                           // item 10, same top
    EXPECT_EQ(w().HotSpotKey, "10list");
    EXPECT_EQ(arrow(), QPoint(71, 50));
    hover(150, 170);  // item 11
    EXPECT_EQ(arrow(), QPoint(71, 160));
    hover(150, 171);  // again: placed at the same spot
    EXPECT_EQ(arrow(), QPoint(71, 160));
    hover(350, 70);  // item 10 now moves it
    EXPECT_EQ(arrow(), QPoint(271, 60));
}

TEST_F(MenuWindowTest, RedirectShowsTheNewPage) {
    hover(100, 120);
    click(w().picPlay, QPoint(100, 120));
    EXPECT_EQ(w().CurrentPage, 2);
    EXPECT_NEAR(w().picPlay.picture().image().pixelColor(10, 10).green(), 80, 12);  // page2.jpg
    // Page 2 starts with a laster item, which keeps the arrow beside it.
    EXPECT_EQ(arrow(), QPoint(11, 110));
    EXPECT_EQ(w().Player, nullptr);
    // Without a new mouse move, a second click runs the old page's item again.
    click(w().picPlay, QPoint(100, 120));
    EXPECT_EQ(w().CurrentPage, 2);
}

TEST_F(MenuWindowTest, UrlItemHandsItsTargetToTheShell) {
    hover(100, 280);
    click(w().picPlay, QPoint(100, 280));
    ASSERT_EQ(sim.opened.size(), 1u);
    EXPECT_EQ(sim.opened[0], "http://example.com/x.htm");
    EXPECT_EQ(w().Player, nullptr);
    EXPECT_EQ(w().CurrentPage, 1);
}

TEST_F(MenuWindowTest, LessonItemPlaysItsFileAndHotSpotsRest) {
    hover(100, 180);
    click(w().picPlay, QPoint(100, 180));
    ASSERT_NE(w().Player, nullptr);
    ASSERT_NE(sim::lastSimGraph(), nullptr);
    EXPECT_TRUE(sim::lastSimGraph()->path().endsWith("unit1\\a.wmv"));
    EXPECT_EQ(sim::lastSimGraph()->state(), sim::SimMediaGraph::State::Running);
    EXPECT_TRUE(w().imgPlay.Enabled());
    EXPECT_TRUE(w().Timer1.Enabled());

    // While a file is loaded the picture area has no hot spots.
    hover(100, 180);
    EXPECT_EQ(w().HotSpotKey, "");
    EXPECT_EQ(w().picPlay.MousePointer(), ui::vbDefault);
    const auto* graph = sim::lastSimGraph();
    click(w().picPlay, QPoint(100, 180));
    EXPECT_EQ(sim::lastSimGraph(), graph);
}

TEST_F(MenuWindowTest, MissingLessonLeavesTheMenuAsItWas) {
    hover(100, 120);
    click(w().picPlay, QPoint(100, 120));
    hover(100, 180);  // item 7: missing.wmv
    const QPoint before = arrow();
    click(w().picPlay, QPoint(100, 180));
    ASSERT_EQ(sim.messages.size(), 1u);
    EXPECT_TRUE(sim.messages[0].text.contains("missing.wmv"));
    EXPECT_EQ(w().Player, nullptr);
    EXPECT_FALSE(w().imgPlay.Enabled());
    EXPECT_FALSE(w().Timer1.Enabled());
    EXPECT_EQ(w().CurrentPage, 2);
    EXPECT_EQ(arrow(), before);
}

TEST_F(MenuWindowTest, HeaderItemReplaysTheIntroListFromItsStart) {
    hover(100, 340);
    click(w().picPlay, QPoint(100, 340));
    EXPECT_EQ(Shared().HeaderIndex, 0);
    ASSERT_NE(sim::lastSimGraph(), nullptr);
    EXPECT_TRUE(sim::lastSimGraph()->path().endsWith("intro1.wmv"));
    EXPECT_EQ(sim::lastSimGraph()->state(), sim::SimMediaGraph::State::Running);
}

// The side buttons read [navigate] again on every click, playing or not. A
// target that is a file of the disc opens by its spelling on disk; one that
// is not goes to the opener as written.
TEST_F(MenuWindowTest, SideButtonsOpenTheirNavigateTargets) {
    click(w().imgDongHua);
    click(w().imgShengYin);  // no shengyin key
    disc.write("Anim/Index.htm", "<html></html>");
    click(w().imgDongHua);
    disc.writeIni(discIni().replace("anim\\index.htm", "www.example.com/anim"));
    hover(100, 180);
    click(w().picPlay, QPoint(100, 180));
    click(w().imgDongHua);
    const std::vector<QString> expected{"anim\\index.htm", "Default Caption", startup::AppFolder() + "Anim/Index.htm",
                                        "http://www.example.com/anim"};
    EXPECT_EQ(sim.opened, expected);
    EXPECT_NE(w().Player, nullptr);
}
