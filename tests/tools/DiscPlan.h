#pragma once
// A small, complete disc for disc-check tests: every skin picture, two menu
// pages, an intro file and the lesson files, with the [menu] lines of the
// configuration's own examples. Cases change the plan, write it, then break
// files if they need to.
#include "support/DiscFixture.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace discplan {

struct DiscPlan {
    std::optional<QString> header = QStringLiteral("a.wmv");  // nothing: no header key
    QString laster = QString();
    QString face = QStringLiteral("p1.jpg,p2.jpg");
    QString newloop = QStringLiteral("1-3,4-4");
    QStringList menu = {
        QStringLiteral("1list=40,100,300,140,#redirect,2"),
        QStringLiteral("2list=40,160,300,200 #lesson,unit1\\a.wmv"),
        QStringLiteral("3list=40,220,300,260,#url,help\\index.htm"),
        QStringLiteral("4list=10,20,100,60,#lesson,unit1\\b.wmv"),
    };
    QString donghua = QStringLiteral("http://example.com/a");
    QString shengyin = QStringLiteral("http://example.com/b");
};

// Writes AUTORUN.INF from the plan, and the skin, pictures and media files.
void WriteDisc(fixture::DiscFixture& disc, const DiscPlan& plan);

}  // namespace discplan
