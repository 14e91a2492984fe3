// The map of a menu page, checked at a few pixels.
#include "DiscReport.h"
#include "DiscPlan.h"
#include "MenuMap.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace disccheck;

namespace {
bool Near(QColor a, QColor b, int tolerance = 40) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}
}  // namespace

TEST(MenuMap, RectanglesInTheirWordColourAndTheArrowWhereSetArrowPutsIt) {
    fixture::DiscFixture disc;
    discplan::DiscPlan plan;
    plan.face = "page.bmp";
    plan.newloop = "1-2";
    // Item 1 is a page change, so the arrow goes beside item 2.
    plan.menu = {"1list=200,10,300,50,#url,x", "2list=40,100,140,160,#lesson,unit1\\a.wmv"};
    plan.menu[0] = "1list=200,10,300,50,#redirect,1";
    discplan::WriteDisc(disc, plan);
    disc.writePicture("page.bmp", 320, 200, Qt::white);
    disc.writePicture("image\\arrow.jpg", 20, 10, Qt::red);

    const DiscReport report = CheckDisc(disc.path());
    ASSERT_FALSE(report.hasErrors());
    const QImage map = DrawMenuMap(report, 1);
    ASSERT_EQ(map.size(), QSize(320, 200));

    const QColor lesson = WordColour("lesson");
    const QColor redirect = WordColour("redirect");
    EXPECT_TRUE(Near(map.pixelColor(40, 130), lesson, 0));      // left border of item 2
    EXPECT_TRUE(Near(map.pixelColor(90, 160), lesson, 0));      // bottom border
    EXPECT_TRUE(Near(map.pixelColor(300, 30), redirect, 0));    // right border of item 1
    EXPECT_EQ(map.pixelColor(90, 140), QColor(Qt::white));      // inside, away from the label
    // Arrow: left = 40 - 20 - 5 = 15, top = 100 + (60 - 10) / 2 = 125.
    EXPECT_TRUE(Near(map.pixelColor(16, 126), Qt::red));
    EXPECT_TRUE(Near(map.pixelColor(34, 134), Qt::red));
    EXPECT_EQ(map.pixelColor(14, 130), QColor(Qt::white));
    EXPECT_EQ(map.pixelColor(25, 136), QColor(Qt::white));

    QTemporaryDir out;
    QStringList failures;
    const QStringList written = WriteMenuMaps(report, out.path() + "/maps", &failures);
    EXPECT_TRUE(failures.isEmpty());
    ASSERT_EQ(written.size(), 1);
    EXPECT_EQ(QImage(written[0]).pixelColor(40, 130), map.pixelColor(40, 130));
}
