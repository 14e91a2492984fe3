// Menu lines, rectangles, page ranges, actions and the keyed table.
#include "startup/KeyedTable.h"
#include "startup/MenuItem.h"
#include "startup/MenuTable.h"
#include "ui/Errors.h"

#include <gtest/gtest.h>

using namespace startup;

TEST(MenuLine, SplitsKeyRectangleAndAction) {
    struct Case {
        QString piece, key, rect, action;
    };
    const std::vector<Case> cases = {
        {"1list=40,100,300,140,#redirect,2", "1list", "40,100,300,140", "redirect,2"},
        {"2list=40,160,300,200 #lesson,unit1\\a.wmv", "2list", "40,160,300,200", "lesson,unit1\\a.wmv"},
        {"3list=40,220,300,260,#url,help\\index.htm", "3list", "40,220,300,260", "url,help\\index.htm"},
        // The character before "#" is dropped even when it is the fourth number's last digit.
        {"1list=10,20,30,40#url,x", "1list", "10,20,30,4", "url,x"},
        {"1list=a#b#c", "1list", "", "b#c"},
        {"=1,2,3,4,#x", "", "1,2,3,4", "x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.piece.toStdString());
        const ParsedMenuLine parsed = ParseMenuLine(c.piece);
        ASSERT_TRUE(parsed.line.has_value()) << parsed.problem.toStdString();
        EXPECT_EQ(parsed.line->key, c.key);
        EXPECT_EQ(parsed.line->rect, c.rect);
        EXPECT_EQ(parsed.line->action, c.action);
    }
}

TEST(MenuLine, MalformedLinesAreRejected) {
    for (const char* piece : {"1list 10,20,30,40,#url,x", "1list=10,20,30,40,url,x", "1li#st=10,20,30,40,url",
                              "1list=#url,x", ""}) {
        SCOPED_TRACE(piece);
        const ParsedMenuLine parsed = ParseMenuLine(QString::fromUtf8(piece));
        EXPECT_FALSE(parsed.line.has_value());
        EXPECT_FALSE(parsed.problem.isEmpty());
    }
}

TEST(MenuItem, ActionSplitsAtItsFirstComma) {
    EXPECT_EQ(SplitAction("url").word, "url");
    EXPECT_EQ(SplitAction("url").arg, "");
    EXPECT_EQ(SplitAction("lesson,unit1\\a.wmv").arg, "unit1\\a.wmv");
    EXPECT_EQ(SplitAction("a,b,c").word, "a");
    EXPECT_EQ(SplitAction("a,b,c").arg, "b,c");
    EXPECT_EQ(SplitAction(",x").word, "");
}

TEST(MenuItem, RectangleConvertsByTheNumberRules) {
    const MenuRect r = ParseRect(" 10 ,20.5,21.5,-3,extra");
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);    // halves to even
    EXPECT_EQ(r.right, 22);
    EXPECT_EQ(r.bottom, -3);
    EXPECT_THROW(ParseRect("10,20,30"), ui::RuntimeError);
    EXPECT_THROW(ParseRect("10,20,x,40"), ui::TypeMismatchError);   // the third number must convert too
    EXPECT_THROW(ParseRect("10,20,,40"), ui::TypeMismatchError);
    EXPECT_THROW(ParseRect("10,20,40000,40"), ui::OverflowError);
    EXPECT_TRUE(Contains(ParseRect("10,20,30,40"), 11, 21));
    EXPECT_FALSE(Contains(ParseRect("10,20,30,40"), 10, 21));        // borders are outside
    EXPECT_FALSE(Contains(ParseRect("10,20,30,40"), 11, 40));
}

TEST(MenuItem, PageRangeNeedsADash) {
    const PageRange r = ParseRange("4-7");
    EXPECT_EQ(r.first, 4);
    EXPECT_EQ(r.last, 7);
    EXPECT_EQ(ParseRange("1-3-9").last, 3);
    EXPECT_THROW(ParseRange("5"), ui::RuntimeError);
    EXPECT_THROW(ParseRange(""), ui::RuntimeError);
    EXPECT_THROW(ParseRange("a-3"), ui::TypeMismatchError);
    EXPECT_EQ(ItemKey(12), "12list");
}

TEST(KeyedTable, KeysIgnoreCaseAndKeepTheirOrder) {
    KeyedTable t;
    t.Add("2list", "b");
    t.Add("1List", "a");
    EXPECT_THROW(t.Add("1LIST", "c"), ui::RuntimeError);
    EXPECT_EQ(t.Item("1list"), "a");
    EXPECT_TRUE(t.Exists("2LIST"));
    EXPECT_FALSE(t.Exists("3list"));
    EXPECT_THROW(t.Item("3list"), ui::RuntimeError);
    EXPECT_EQ(t.Count(), 2);
    EXPECT_EQ(t.Keys(), QStringList({"2list", "1List"}));
}
