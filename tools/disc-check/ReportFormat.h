#pragma once
// The two forms of the report: lines for a person, one JSON object for tools.
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

}  // namespace disccheck
