// What the main window will do with the menu: each page's newloop range, the
// items it covers, where setArrow puts the arrow, and what a click on each item
// needs.
#include "CheckHelpers.h"

#include "startup/MenuItem.h"
#include "startup/SharedState.h"
#include "ui/DiscFiles.h"
#include "ui/Errors.h"
#include "ui/Numbers.h"

#include <algorithm>

namespace disccheck {

using namespace startup;

namespace {

QString PageWhere(int page) { return QStringLiteral("[main] newloop, page %1").arg(page); }

// The items of a page's range that are in [menu], by item number, in order:
// the entries whose key is an item key (a number in decimal and "list"). A
// range can cover 65,536 numbers on each page; the checks walk the entries
// in it, not the numbers.
using NumberedItems = std::vector<std::pair<int, MenuEntry*>>;

NumberedItems NumberItems(DiscReport& r) {
    NumberedItems items;
    for (MenuEntry& e : r.menu) {
        const QString key = e.key.toCaseFolded();
        if (!key.endsWith(QLatin1String("list"))) continue;
        bool ok = false;
        const int n = key.left(key.size() - 4).toInt(&ok);
        if (ok && ItemKey(n) == key) items.emplace_back(n, &e);
    }
    std::sort(items.begin(), items.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return items;
}

// The entries of items with first <= number <= last.
std::pair<NumberedItems::const_iterator, NumberedItems::const_iterator> InRange(const NumberedItems& items, int first,
                                                                                int last) {
    const auto begin = std::lower_bound(items.begin(), items.end(), first,
                                        [](const auto& item, int n) { return item.first < n; });
    const auto end = std::upper_bound(begin, items.end(), last, [](int n, const auto& item) { return n < item.first; });
    return {begin, end};
}

// Items first..last that have no key, reported as runs ("items 4 to 9").
void ReportMissingKeys(DiscReport& r, int page, const std::vector<std::pair<int, int>>& missing) {
    for (const auto& [from, to] : missing) {
        const QString items = from == to ? QStringLiteral("Item %1 (key %2) is").arg(from).arg(ItemKey(from))
                                         : QStringLiteral("Items %1 to %2 (keys %3 to %4) are")
                                               .arg(from)
                                               .arg(to)
                                               .arg(ItemKey(from), ItemKey(to));
        AddError(r, PageWhere(page),
                 QStringLiteral("%1 in the page's range but not in [menu]; moving the mouse over the page would end "
                                "the player. Add the items or narrow the range.")
                     .arg(items));
    }
}

// The item setArrow places the arrow beside: the page's first item, or the
// next one when the first is a "header" or "redirect" item.
void PlaceArrow(DiscReport& r, MenuPage& page) {
    int n = page.range->first;
    const MenuEntry* first = r.item(ItemKey(n));
    if (!first) {
        if (page.range->first > page.range->last)
            AddError(r, PageWhere(page.page),
                     QStringLiteral("The arrow goes beside item %1 (key %2), which is not in [menu]; showing the "
                                    "page would end the player.")
                         .arg(QString::number(n), ItemKey(n)));
        return;  // otherwise already reported as a key missing from the range
    }
    if (ArrowSkipsItem(first->word)) ++n;
    const MenuEntry* target = r.item(ItemKey(n));
    if (!target) {
        AddError(r, PageWhere(page.page),
                 QStringLiteral("The page's first item is a %1 item, so the arrow goes beside item %2 (key %3), "
                                "which is not in [menu]; showing the page would end the player. Add the item.")
                     .arg(Quoted(first->word), QString::number(n), ItemKey(n)));
        return;
    }
    if (!target->rectError.isEmpty()) {
        if (!target->onSomePage)
            AddError(r, QStringLiteral("[menu] ") + target->key,
                     QStringLiteral("The arrow of page %1 goes beside this item, but its rectangle cannot be used "
                                    "(%2); showing the page would end the player. Write four numbers.")
                         .arg(page.page)
                         .arg(target->rectError));
        return;
    }
    page.arrowKey = target->key;
}

void CheckRedirect(DiscReport& r, const MenuEntry& e) {
    const QString where = QStringLiteral("[menu] ") + e.key;
    try {
        const int16_t target = ui::CIntText(e.arg);
        if (target < 1 || target > r.face.size())
            AddError(r, where,
                     QStringLiteral("It switches to page %1, but [main] face lists %2 picture(s); a click would end "
                                    "the player. Point it at an existing page or add the picture.")
                         .arg(target)
                         .arg(r.face.size()));
    } catch (const ui::RuntimeError&) {
        AddError(r, where,
                 QStringLiteral("Its page %1 is not a 16-bit number; a click would end the player. Write the page "
                                "number, counting from 1.")
                     .arg(Quoted(e.arg)));
    }
}

void CheckPlayedFile(DiscReport& r, const MenuEntry& e) {
    const QString where = QStringLiteral("[menu] ") + e.key;
    if (e.arg.isEmpty()) {
        // An empty argument replays the intro list from its first entry.
        if (r.header.value(0).isEmpty())
            AddError(r, where,
                     QStringLiteral("The %1 action has no file, so it replays the intro list, but the disc has no "
                                    "intro; the player would try to play the folder itself and end. Name a file.")
                         .arg(Quoted(e.word)));
        return;
    }
    if (ui::FindFirstFile(r.folder + e.arg).isEmpty()) {
        AddError(r, where,
                 QStringLiteral("The file %1 is missing (%2); a click shows \"未找到播放文件\" instead of playing. Add "
                                "the file or correct the name.")
                     .arg(Quoted(e.arg), ui::DisplayPath(r.folder + e.arg)));
    } else {
        WarnIfCaseOnly(r, where, e.arg);
    }
}

void CheckClick(DiscReport& r, const MenuEntry& e) {
    if (e.word == QLatin1String("url")) {
        if (e.arg.isEmpty())
            AddWarning(r, QStringLiteral("[menu] ") + e.key,
                       QStringLiteral("The url action has no target; a click opens nothing. Add \",target\"."));
    } else if (e.word == QLatin1String("redirect")) {
        CheckRedirect(r, e);
    } else {
        CheckPlayedFile(r, e);
    }
}

// Rectangles share a point that the hit test can find (whole pixels strictly
// inside both).
bool Overlap(const MenuEntry& a, const MenuEntry& b) {
    const auto& p = a.numbers;
    const auto& q = b.numbers;
    const int left = std::max(*p[0], *q[0]), right = std::min(*p[2], *q[2]);
    const int top = std::max(*p[1], *q[1]), bottom = std::min(*p[3], *q[3]);
    return left + 1 < right && top + 1 < bottom;
}

// At most this many overlapping pairs are listed per page, the rest counted: a
// page of n items that all overlap has n (n - 1) / 2 pairs, and a 9 KB [menu]
// shown on forty pages made millions of warnings.
constexpr int kOverlapsListedPerPage = 20;

void CheckOverlaps(DiscReport& r, const MenuPage& page, const NumberedItems& numbered) {
    std::vector<const MenuEntry*> items;
    const auto [begin, end] = InRange(numbered, page.range->first, page.range->last);
    for (auto it = begin; it != end; ++it)
        if (it->second->rectError.isEmpty()) items.push_back(it->second);
    int pairs = 0;
    for (size_t i = 0; i < items.size(); ++i)
        for (size_t j = i + 1; j < items.size(); ++j)
            if (Overlap(*items[i], *items[j]) && ++pairs <= kOverlapsListedPerPage)
                AddWarning(r, QStringLiteral("[menu] %1, %2").arg(items[i]->key, items[j]->key),
                           QStringLiteral("The rectangles overlap on page %1; where they do, the mouse finds only "
                                          "%2 (the lower item). Move them apart if both should be reachable.")
                               .arg(page.page)
                               .arg(items[i]->key));
    if (pairs > kOverlapsListedPerPage)
        AddWarning(r, PageWhere(page.page),
                   QStringLiteral("%1 more pairs of rectangles overlap on page %2 (%3 in all; the first %4 are "
                                  "listed).")
                       .arg(pairs - kOverlapsListedPerPage)
                       .arg(page.page)
                       .arg(pairs)
                       .arg(kOverlapsListedPerPage));
}

}  // namespace

void CheckMenuPages(DiscReport& r) {
    const NumberedItems numbered = NumberItems(r);
    for (int p = 1; p <= r.face.size(); ++p) {
        MenuPage page;
        page.page = p;
        page.picture = r.face[p - 1];
        if (p <= r.newloop.size()) page.newloop = r.newloop[p - 1];
        if (!page.newloop) {
            AddError(r, PageWhere(p),
                     QStringLiteral("Page %1 (picture %2) has no newloop entry; showing it would end the player. Add "
                                    "\"first-last\" for it to [main] newloop.")
                         .arg(p)
                         .arg(Quoted(page.picture)));
        } else {
            try {
                page.range = ParseRange(*page.newloop);
            } catch (const ui::RuntimeError& error) {
                AddError(r, PageWhere(p),
                         QStringLiteral("%1; showing the page would end the player. Write \"first-last\".")
                             .arg(error.text()));
            }
        }
        if (page.range) {
            // The numbers between the entries in the range are the missing items.
            std::vector<std::pair<int, int>> missing;
            int next = page.range->first;
            const auto [begin, end] = InRange(numbered, page.range->first, page.range->last);
            for (auto it = begin; it != end; ++it) {
                it->second->onSomePage = true;
                if (it->first > next) missing.emplace_back(next, it->first - 1);
                next = it->first + 1;
            }
            if (next <= page.range->last) missing.emplace_back(next, page.range->last);
            ReportMissingKeys(r, p, missing);
            if (page.range->first > page.range->last)
                AddWarning(r, PageWhere(p),
                           QStringLiteral("The range %1 is empty (first after last); nothing on the page can be "
                                          "clicked.")
                               .arg(Quoted(*page.newloop)));
        }
        r.pages.push_back(page);
    }
    for (MenuPage& page : r.pages)
        if (page.range) PlaceArrow(r, page);

    for (const MenuEntry& e : r.menu) {
        const QString where = QStringLiteral("[menu] ") + e.key;
        if (!e.onSomePage) {
            AddWarning(r, where,
                       QStringLiteral("The item is outside every page's newloop range, so it can never be clicked. "
                                      "Widen a range or remove the line."));
            continue;
        }
        if (!e.rectError.isEmpty())
            AddError(r, where,
                     QStringLiteral("%1; moving the mouse over its page would end the player. Write four whole "
                                    "numbers from -32768 to 32767.")
                         .arg(e.rectError));
        else if (!(*e.numbers[0] + 1 < *e.numbers[2] && *e.numbers[1] + 1 < *e.numbers[3]))
            AddWarning(r, where,
                       QStringLiteral("The rectangle %1 has no point inside it (left must be below right and top "
                                      "below bottom, borders excluded), so the mouse never finds the item.")
                           .arg(Quoted(e.rect)));
        CheckClick(r, e);
    }
    for (const MenuPage& page : r.pages)
        if (page.range) CheckOverlaps(r, page, numbered);
}

}  // namespace disccheck
