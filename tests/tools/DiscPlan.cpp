#include "DiscPlan.h"

#include "SkinFiles.h"
#include "support/CursorFile.h"

#include <QImage>

namespace discplan {

void WriteDisc(fixture::DiscFixture& disc, const DiscPlan& plan) {
    fixture::IniBuilder ini;
    ini.section("autorun").key("open", "autorun.exe").section("main");
    if (plan.header) ini.key("header", *plan.header);
    ini.key("laster", plan.laster).key("face", plan.face).key("newloop", plan.newloop);
    ini.section("menu");
    for (const QString& line : plan.menu) ini.line(line);
    ini.section("navigate").key("donghua", plan.donghua).key("shengyin", plan.shengyin);
    disc.writeIni(ini.bytes());

    for (const disccheck::SkinFile& file : disccheck::PlayerSkinFiles()) {
        const QString name = QString::fromLatin1(file.name);
        if (name.endsWith(QLatin1String(".cur"))) {
            QImage hand(32, 32, QImage::Format_ARGB32);
            hand.fill(Qt::black);
            disc.write(name, sim::makeCursorFile(hand, QPoint(5, 0)));
        } else {
            disc.writePicture(name, 12, 10, Qt::red);
        }
    }
    disc.writePicture("p1.jpg", 400, 300, Qt::white);
    disc.writePicture("p2.jpg", 400, 300, Qt::white);
    disc.write("a.wmv", "intro");
    disc.write("unit1\\a.wmv", "lesson a");
    disc.write("unit1\\b.wmv", "lesson b");
}

}  // namespace discplan
