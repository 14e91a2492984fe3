#pragma once
// What disc-check finds in a disc folder: the configuration as the player reads
// it, and the problems that would stop the player, end it later, or surprise a
// user.
#include "startup/MenuItem.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace disccheck {

enum class Severity { Error, Warning };

struct Problem {
    Severity severity = Severity::Error;
    QString where;    // section and key, or a file of the disc
    QString message;  // what is wrong, and what to do
};

// One [menu] item as the player's tables hold it.
struct MenuEntry {
    QString key;
    QString rect;    // rectangle text
    QString action;  // action text
    QString word;
    QString arg;
    // left, top, right, bottom as the main window converts them; empty where a
    // number does not convert (or is missing)
    std::array<std::optional<int16_t>, 4> numbers;
    QString rectError;  // why the rectangle cannot be used, "" when it can
    bool lostDigit = false;  // the character dropped before "#" was a digit
    bool onSomePage = false;  // some page's range covers it
};

// One menu page: its picture and its newloop entry.
struct MenuPage {
    int page = 0;  // from 1
    QString picture;  // face entry
    std::optional<QString> newloop;  // the entry, when there is one
    std::optional<startup::PageRange> range;  // when the entry converts
    QString arrowKey;  // the item setArrow places the arrow beside, "" when it cannot
};

struct DiscReport {
    QString folder;  // the application folder, with one trailing "/"
    bool configFound = false;
    QStringList header;   // HeaderFiles
    QStringList laster;   // LasterFiles
    QStringList face;     // FaceFiles as ReadFaceList builds it
    QStringList newloop;  // the newloop value split at ","
    std::vector<MenuEntry> menu;  // in the order ReadMenuTable adds them
    QHash<QString, int> menuIndex;  // case-folded key -> position in menu
    std::vector<MenuPage> pages;  // one per face entry
    QString donghua;
    QString shengyin;
    std::vector<Problem> problems;

    int count(Severity severity) const;
    bool hasErrors() const { return count(Severity::Error) > 0; }
    const MenuEntry* item(const QString& key) const;  // key without regard to case
};

// Reads the disc folder as the player would and checks it. The folder must
// exist; nothing is written to it.
DiscReport CheckDisc(const QString& folder);

}  // namespace disccheck
