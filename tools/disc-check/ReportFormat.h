#pragma once
// The forms of the report: lines for a person, JSON for tools.
#include "DiscReport.h"

#include <QByteArray>
#include <QString>

namespace disccheck {

// One line per problem ("error   [main] header: ..."), then a summary line.
QString FormatText(const DiscReport& report);

// {"header": [...], "laster": [...], "face": [...], "newloop": [...],
//  "menu": [{"key", "rect", "action", "word", "arg", "left", "top", "right",
//  "bottom"}...], "navigate": {"donghua", "shengyin"}, "problems": [...]},
// UTF-8, keys in that order.
QByteArray FormatJson(const DiscReport& report);

// The same object on one line (JSON Lines, for many discs), with the disc as
// it was given first: {"disc": ..., "header": [...], ...}\n
QByteArray FormatJsonLine(const DiscReport& report, const QString& disc);
// The line for a disc that could not be checked: {"disc": ..., "<what>": why}\n,
// what being "unreadable" or "failed".
QByteArray FormatJsonFailureLine(const QString& disc, const QString& what, const QString& why);

}  // namespace disccheck
