// disc-check on small discs: what each must report, the JSON of a disc with
// the configuration's own examples, and the command's exit status.
#include "DiscReport.h"
#include "DiscPlan.h"
#include "ReportFormat.h"

#include <QProcess>
#include <functional>
#include <gtest/gtest.h>

using namespace disccheck;
using discplan::DiscPlan;
using fixture::DiscFixture;

namespace {

struct Expected {
    Severity severity;
    const char* where;    // part of the place
    const char* message;  // part of the message
};

struct Case {
    const char* name;
    std::function<void(DiscPlan&)> change;
    std::function<void(DiscFixture&)> damage;  // after the disc is written
    std::vector<Expected> expected;
};

const Severity E = Severity::Error;
const Severity W = Severity::Warning;

std::string Describe(const DiscReport& r) {
    std::string out;
    for (const Problem& p : r.problems)
        out += (p.severity == E ? "error " : "warning ") + p.where.toStdString() + ": " + p.message.toStdString() + "\n";
    return out;
}

}  // namespace

TEST(DiscCheck, ACompleteDiscHasNoProblems) {
    DiscFixture disc;
    discplan::WriteDisc(disc, DiscPlan{});
    const DiscReport r = CheckDisc(disc.path());
    EXPECT_TRUE(r.problems.empty()) << Describe(r);
}

TEST(DiscCheck, SmallDiscsReportTheirProblems) {
    const QString longTarget = QStringLiteral("http://example.com/") + QString(300, QLatin1Char('x'));
    const std::vector<Case> cases = {
        {"second intro file missing", [](DiscPlan& s) { s.header = "a.wmv,b.wmv"; }, nullptr,
         {{E, "[main] header", "\"b.wmv\" is missing"}}},
        {"no header key", [](DiscPlan& s) { s.header.reset(); }, nullptr, {{E, "[main] header", "Default Caption"}}},
        {"no configuration file", nullptr, [](DiscFixture& d) { QFile::remove(d.filePath("AUTORUN.INF")); },
         {{E, "AUTORUN.INF", "no AUTORUN.INF"}}},
        {"line without =", [](DiscPlan& s) { s.menu << "5list 1,2,3,4,#url"; }, nullptr,
         {{E, "[menu] \"5list 1,2,3,4,#url\"", "no \"=\""}}},
        {"# right after =", [](DiscPlan& s) { s.menu << "5list=#url"; }, nullptr, {{E, "[menu]", "right after"}}},
        {"repeated key in another case", [](DiscPlan& s) { s.menu << "2LIST=1,2,3,4,#url,x"; }, nullptr,
         {{E, "[menu] 2LIST", "repeats the key \"2list\""}}},
        {"empty face list", [](DiscPlan& s) { s.face = ""; }, nullptr, {{E, "[main] face", "empty"}}},
        {"first menu picture missing", [](DiscPlan& s) { s.face = "none.jpg,p2.jpg"; }, nullptr,
         {{E, "[main] face", "page 1, \"none.jpg\", cannot be loaded"}}},
        {"first menu picture unreadable", nullptr, [](DiscFixture& d) { d.write("p1.jpg", "not a picture"); },
         {{E, "[main] face", "page 1"}}},
        {"page without newloop entry", [](DiscPlan& s) { s.newloop = "1-3"; }, nullptr,
         {{E, "[main] newloop, page 2", "no newloop entry"}}},
        {"newloop entry without -", [](DiscPlan& s) { s.newloop = "1-3,4"; }, nullptr,
         {{E, "[main] newloop, page 2", "no \"-\""}}},
        {"items in the range without keys", [](DiscPlan& s) { s.newloop = "1-3,4-7"; }, nullptr,
         {{E, "[main] newloop, page 2", "Items 5 to 7"}}},
        {"rectangle that is no number", [](DiscPlan& s) { s.menu[3] = "4list=10,20,x,60,#lesson,unit1\\b.wmv"; },
         nullptr, {{E, "[menu] 4list", "not a number"}}},
        {"rectangle that overflows", [](DiscPlan& s) { s.menu[3] = "4list=10,20,40000,60,#lesson,unit1\\b.wmv"; },
         nullptr, {{E, "[menu] 4list", "16-bit"}}},
        {"rectangle with three numbers", [](DiscPlan& s) { s.menu[3] = "4list=10,20,100 #lesson,unit1\\b.wmv"; },
         nullptr, {{E, "[menu] 4list", "fewer than four"}}},
        {"redirect beyond the face list", [](DiscPlan& s) { s.menu[0] = "1list=40,100,300,140,#redirect,3"; }, nullptr,
         {{E, "[menu] 1list", "page 3"}}},
        {"redirect that is no number", [](DiscPlan& s) { s.menu[0] = "1list=40,100,300,140,#redirect,two"; }, nullptr,
         {{E, "[menu] 1list", "not a 16-bit number"}}},
        {"arrow skips to an item without key", [](DiscPlan& s) { s.menu[3] = "4list=10,20,100,60,#redirect,1"; },
         nullptr, {{E, "[main] newloop, page 2", "arrow goes beside item 5"}}},
        {"missing lesson file", nullptr, [](DiscFixture& d) { QFile::remove(d.filePath("unit1/b.wmv")); },
         {{E, "[menu] 4list", "unit1\\b.wmv\" is missing"}}},
        {"replaying an intro list that is empty",
         [](DiscPlan& s) {
             s.header = "";
             s.menu[3] = "4list=10,20,100,60,#header";
         },
         nullptr, {{E, "[menu] 4list", "replays the intro list"}}},
        {"missing skin picture", nullptr, [](DiscFixture& d) { QFile::remove(d.filePath("image/Play_h.jpg")); },
         {{E, "image\\Play_h.jpg", "play button under the mouse"}}},
        {"unreadable cursor", nullptr, [](DiscFixture& d) { d.write("image\\cur.cur", "garbage"); },
         {{E, "image\\cur.cur", "cursor"}}},
        {"no skin folder", nullptr, [](DiscFixture& d) { QDir(d.filePath("image")).removeRecursively(); },
         {{E, "image\\", "skin folder is missing"}}},
        {"black picture needed behind a video after a picture",
         [](DiscPlan& s) { s.header = "p1.jpg,a.wmv"; }, nullptr, {{E, "image\\black.jpg", "behind a video"}}},
        {"overlapping rectangles", [](DiscPlan& s) { s.menu[2] = "3list=40,190,300,260,#url,help\\index.htm"; },
         nullptr, {{W, "[menu] 2list, 3list", "only 2list"}}},
        {"many overlapping rectangles: some listed, the rest counted",
         [](DiscPlan& s) {
             s.newloop = "1-30,4-4";
             for (int i = 5; i <= 30; ++i) s.menu << QStringLiteral("%1list=40,100,300,140,#url,x").arg(i);
         },
         nullptr, {{W, "[menu] 1list, 5list", "only 1list"}, {W, "page 1", "more pairs of rectangles overlap"}}},
        {"item outside every range", [](DiscPlan& s) { s.menu << "9list=1,2,3,4,#url,x"; }, nullptr,
         {{W, "[menu] 9list", "outside every page's newloop range"}}},
        {"fourth number lost its last digit", [](DiscPlan& s) { s.menu[3] = "4list=10,20,100,60#lesson,unit1\\b.wmv"; },
         nullptr,
         {{W, "[menu] 4list", "\"10,20,100,6\""}, {W, "[menu] 4list", "no point inside"}}},
        {"outro file missing", [](DiscPlan& s) { s.laster = "a.wmv,bye.wmv"; }, nullptr,
         {{W, "[main] laster", "\"bye.wmv\" does not exist"}}},
        {"name only in another letter case", [](DiscPlan& s) { s.menu[3] = "4list=10,20,100,60,#lesson,UNIT1\\B.WMV"; },
         nullptr, {{W, "[menu] 4list", "another letter case"}}},
        {"value cut at 255 bytes", [&](DiscPlan& s) { s.donghua = longTarget; }, nullptr,
         {{W, "[navigate] donghua", "255 bytes"}}},
        {"repeated section and key", [](DiscPlan& s) { s.donghua += "\r\nDongHua=http://other"; },
         [](DiscFixture& d) {
             QFile ini(d.filePath("AUTORUN.INF"));
             ASSERT_TRUE(ini.open(QIODevice::Append));
             ini.write("[MAIN]\r\nface=other.jpg\r\n");
         },
         {{W, "[main]", "appears 2 times"}, {W, "[navigate] DongHua", "more than once"}}},
        {"menu section cut at 9,998 bytes",
         [](DiscPlan& s) {
             for (int i = 10; i < 400; ++i) s.menu << QStringLiteral("%1list=1,2,3,4,#url,padding-padding").arg(i);
         },
         nullptr, {{W, "[menu]", "9,998 bytes"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DiscFixture disc;
        DiscPlan plan;
        if (c.change) c.change(plan);
        discplan::WriteDisc(disc, plan);
        if (c.damage) c.damage(disc);
        const DiscReport r = CheckDisc(disc.path());
        for (const Expected& e : c.expected) {
            const bool found = std::any_of(r.problems.begin(), r.problems.end(), [&](const Problem& p) {
                return p.severity == e.severity && p.where.contains(QString::fromUtf8(e.where)) &&
                       p.message.contains(QString::fromUtf8(e.message));
            });
            EXPECT_TRUE(found) << "expected " << e.where << ": " << e.message << "\nreported:\n" << Describe(r);
        }
        const bool errorExpected = std::any_of(c.expected.begin(), c.expected.end(),
                                               [](const Expected& e) { return e.severity == E; });
        EXPECT_EQ(r.hasErrors(), errorExpected) << Describe(r);
    }
}

TEST(DiscCheck, JsonOfTheExampleDisc) {
    DiscFixture disc;
    DiscPlan plan;
    plan.menu << "9list=1,2,x,4,#url";
    discplan::WriteDisc(disc, plan);
    const QByteArray json = FormatJson(CheckDisc(disc.path()));
    const QByteArray expected = R"({
  "header": ["a.wmv"],
  "laster": [""],
  "face": ["p1.jpg", "p2.jpg"],
  "newloop": ["1-3", "4-4"],
  "menu": [
    {"key": "1list", "rect": "40,100,300,140", "action": "redirect,2", "word": "redirect", "arg": "2", "left": 40, "top": 100, "right": 300, "bottom": 140},
    {"key": "2list", "rect": "40,160,300,200", "action": "lesson,unit1\\a.wmv", "word": "lesson", "arg": "unit1\\a.wmv", "left": 40, "top": 160, "right": 300, "bottom": 200},
    {"key": "3list", "rect": "40,220,300,260", "action": "url,help\\index.htm", "word": "url", "arg": "help\\index.htm", "left": 40, "top": 220, "right": 300, "bottom": 260},
    {"key": "4list", "rect": "10,20,100,60", "action": "lesson,unit1\\b.wmv", "word": "lesson", "arg": "unit1\\b.wmv", "left": 10, "top": 20, "right": 100, "bottom": 60},
    {"key": "9list", "rect": "1,2,x,4", "action": "url", "word": "url", "arg": "", "left": 1, "top": 2, "right": null, "bottom": 4}
  ],
  "navigate": {"donghua": "http://example.com/a", "shengyin": "http://example.com/b"},
  "problems": [
    {"severity": "warning", "where": "[menu] 9list", "message": "The item is outside every page's newloop range, so it can never be clicked. Widen a range or remove the line."}
  ]
}
)";
    EXPECT_EQ(json.toStdString(), expected.toStdString());
}

TEST(DiscCheck, JsonTextIsUnicodeFromGb18030) {
    DiscFixture disc;
    discplan::WriteDisc(disc, DiscPlan{});
    // [navigate] donghua in GBK bytes: 课件\誠 (the last character's trail byte is 0x5C).
    disc.writeIni("[main]\r\nheader=\r\nface=p1.jpg\r\nnewloop=1-1\r\n[menu]\r\n1list=1,2,3,4,#url,x\r\n"
                  "[navigate]\r\ndonghua=\xBF\xCE\xBC\xFE\\\xD5\x5C\r\n");
    EXPECT_TRUE(FormatJson(CheckDisc(disc.path())).contains(QStringLiteral("\"donghua\": \"课件\\\\誠\"").toUtf8()));
}

TEST(DiscCheck, CommandExitStatus) {
    DiscFixture good, bad;
    discplan::WriteDisc(good, DiscPlan{});
    DiscPlan broken;
    broken.header = "missing.wmv";
    discplan::WriteDisc(bad, broken);
    const auto run = [](const QStringList& args, QByteArray* out = nullptr) {
        QProcess p;
        p.start(QStringLiteral(DISC_CHECK_PATH), args);
        p.waitForFinished(60000);
        if (out) *out = p.readAllStandardOutput();
        return p.exitCode();
    };
    QByteArray out;
    EXPECT_EQ(run({good.path()}, &out), 0);
    EXPECT_TRUE(out.contains("No problems found.")) << out.toStdString();
    EXPECT_EQ(run({bad.path()}, &out), 1);
    EXPECT_TRUE(out.contains("error   [main] header: Intro entry 1 \"missing.wmv\" is missing")) << out.toStdString();
    EXPECT_EQ(run({"--json", bad.path()}, &out), 1);
    EXPECT_TRUE(out.startsWith("{\n  \"header\": [\"missing.wmv\"]")) << out.toStdString();
    EXPECT_EQ(run({}), 2);
    EXPECT_EQ(run({good.path() + "no-such-folder"}), 2);
    EXPECT_EQ(run({"--map"}), 2);
    EXPECT_EQ(run({"--bogus", good.path()}), 2);
}
