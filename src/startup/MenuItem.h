#pragma once
// The texts of one menu item as the main window uses them: the action split
// into its word and argument, the rectangle text converted into four 16-bit
// numbers, and a page's item range ("first-last") converted into two.
// Conversions follow the runtime's number rules (spaces around a number
// allowed, fractions rounded half to even, 16-bit overflow raised).
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace startup {

// The key of item n: n in decimal followed by "list".
QString ItemKey(int n);

struct ActionParts {
    QString word;  // text before the first ",", or the whole action
    QString arg;   // text after the first ",", or ""
};
ActionParts SplitAction(const QString& action);

struct MenuRect {
    int16_t left = 0;
    int16_t top = 0;
    int16_t right = 0;
    int16_t bottom = 0;
};
// The rectangle text split at every ","; parts 1 to 4 are left, top, right and
// bottom, further parts are not looked at.
QStringList RectPieces(const QString& rectText);
// One piece as a 16-bit number; raises ui::TypeMismatchError or
// ui::OverflowError naming the piece (and the item, when a key is given).
int16_t RectNumber(const QString& piece, const QString& key = {});
// All four numbers; raises ui::RuntimeError when there are fewer than four
// pieces, and the errors of RectNumber.
MenuRect ParseRect(const QString& rectText, const QString& key = {});
// The point is inside when it is strictly inside on all four sides.
inline bool Contains(const MenuRect& r, int x, int y) {
    return r.left < x && x < r.right && r.top < y && y < r.bottom;
}

struct PageRange {
    int16_t first = 0;
    int16_t last = 0;
};
// A newloop entry split at "-": the first part is the first item, the second
// part the last. Raises ui::RuntimeError when there is no "-", and the number
// errors of the runtime for parts that are no 16-bit numbers.
PageRange ParseRange(const QString& entry);

// The arrow is placed beside a page's first item, unless that item replays
// the intro list or changes the page ("header", "redirect"): then beside the
// next one.
inline bool ArrowSkipsItem(const QString& word) {
    return word == QLatin1String("header") || word == QLatin1String("redirect");
}

// The arrow's top-left corner beside an item: 5 pixels left of it, centred on
// its height (rounded half to even).
QPoint ArrowBeside(const MenuRect& item, QSize arrow);

}  // namespace startup
