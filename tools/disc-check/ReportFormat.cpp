#include "ReportFormat.h"

namespace disccheck {

namespace {

QString SeverityName(Severity s) { return s == Severity::Error ? QStringLiteral("error") : QStringLiteral("warning"); }

// A JSON string literal.
QString JsonString(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"': out += QStringLiteral("\\\""); break;
        case '\\': out += QStringLiteral("\\\\"); break;
        case '\n': out += QStringLiteral("\\n"); break;
        case '\r': out += QStringLiteral("\\r"); break;
        case '\t': out += QStringLiteral("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + QLatin1Char('"');
}

QString JsonList(const QStringList& list) {
    QStringList items;
    for (const QString& s : list) items.append(JsonString(s));
    return QLatin1Char('[') + items.join(QStringLiteral(", ")) + QLatin1Char(']');
}

QString JsonNumber(const std::optional<int16_t>& n) { return n ? QString::number(*n) : QStringLiteral("null"); }

}  // namespace

QString FormatText(const DiscReport& report) {
    QString out = QStringLiteral("disc-check %1\n").arg(report.folder);
    for (const Problem& p : report.problems)
        out += QStringLiteral("%1 %2: %3\n").arg(SeverityName(p.severity).leftJustified(7), p.where, p.message);
    const int errors = report.count(Severity::Error);
    const int warnings = report.count(Severity::Warning);
    if (errors == 0 && warnings == 0)
        out += QStringLiteral("No problems found.\n");
    else
        out += QStringLiteral("%1 error(s), %2 warning(s).\n").arg(errors).arg(warnings);
    return out;
}

QByteArray FormatJson(const DiscReport& report) {
    QString out = QStringLiteral("{\n");
    out += QStringLiteral("  \"header\": %1,\n").arg(JsonList(report.header));
    out += QStringLiteral("  \"laster\": %1,\n").arg(JsonList(report.laster));
    out += QStringLiteral("  \"face\": %1,\n").arg(JsonList(report.face));
    out += QStringLiteral("  \"newloop\": %1,\n").arg(JsonList(report.newloop));
    QStringList items;
    for (const MenuEntry& e : report.menu) {
        items.append(QStringLiteral("    {\"key\": %1, \"rect\": %2, \"action\": %3, \"word\": %4, \"arg\": %5, "
                                    "\"left\": %6, \"top\": %7, \"right\": %8, \"bottom\": %9}")
                         .arg(JsonString(e.key), JsonString(e.rect), JsonString(e.action), JsonString(e.word),
                              JsonString(e.arg), JsonNumber(e.numbers[0]), JsonNumber(e.numbers[1]),
                              JsonNumber(e.numbers[2]), JsonNumber(e.numbers[3])));
    }
    out += items.isEmpty() ? QStringLiteral("  \"menu\": [],\n")
                           : QStringLiteral("  \"menu\": [\n%1\n  ],\n").arg(items.join(QStringLiteral(",\n")));
    out += QStringLiteral("  \"navigate\": {\"donghua\": %1, \"shengyin\": %2},\n")
               .arg(JsonString(report.donghua), JsonString(report.shengyin));
    QStringList problems;
    for (const Problem& p : report.problems)
        problems.append(QStringLiteral("    {\"severity\": %1, \"where\": %2, \"message\": %3}")
                            .arg(JsonString(SeverityName(p.severity)), JsonString(p.where), JsonString(p.message)));
    out += problems.isEmpty() ? QStringLiteral("  \"problems\": []\n")
                              : QStringLiteral("  \"problems\": [\n%1\n  ]\n").arg(problems.join(QStringLiteral(",\n")));
    out += QStringLiteral("}\n");
    return out.toUtf8();
}

QByteArray FormatJsonLine(const DiscReport& report, const QString& disc) {
    // FormatJson breaks lines only between tokens (a text's own line breaks
    // are escaped), so its lines join into one.
    QList<QByteArray> lines = FormatJson(report).split('\n');
    for (QByteArray& line : lines) line = line.trimmed();
    lines.removeAll(QByteArray());
    QByteArray joined = lines.join(' ');
    joined.remove(0, 1);  // the opening "{"
    return "{\"disc\": " + JsonString(disc).toUtf8() + "," + joined + "\n";
}

QByteArray FormatJsonFailureLine(const QString& disc, const QString& what, const QString& why) {
    return QStringLiteral("{\"disc\": %1, %2: %3}\n").arg(JsonString(disc), JsonString(what), JsonString(why)).toUtf8();
}

}  // namespace disccheck
