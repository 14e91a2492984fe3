#include "AutorunInf.h"

#include <QStringList>

namespace demo {

QString AutorunInfText(const DiscContent& c) {
    QStringList lines;
    lines << QStringLiteral("[autorun]") << QStringLiteral("open=autorun.exe")
          << QStringLiteral("icon=autorun.exe") << QString();

    QStringList faces, ranges;
    for (const MenuPage& page : c.pages) {
        faces << page.picture;
        ranges << PageRange(page);
    }
    lines << QStringLiteral("[main]") << QStringLiteral("header=") + c.header.join(QLatin1Char(','))
          << QStringLiteral("laster=") + c.laster.join(QLatin1Char(','))
          << QStringLiteral("face=") + faces.join(QLatin1Char(','))
          << QStringLiteral("newloop=") + ranges.join(QLatin1Char(',')) << QString();

    // The character between the rectangle and "#" is dropped by the reader;
    // real discs use a comma there, and so does this one.
    lines << QStringLiteral("[menu]");
    for (const MenuPage& page : c.pages)
        for (const MenuItem& item : page.items)
            lines << QStringLiteral("%1list=%2,#%3").arg(item.number).arg(InfRect(item.rect), item.action);
    lines << QString();

    lines << QStringLiteral("[navigate]") << QStringLiteral("donghua=") + c.donghua
          << QStringLiteral("shengyin=") + c.shengyin;
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

}  // namespace demo
