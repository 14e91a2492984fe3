#pragma once
// What is on the demo disc: its menu pages and their items, its clips and
// pictures, and the names under which the configuration finds them. The disc
// is a small course for children, "小小探索家", with three menu pages.
#include <QColor>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

namespace demo {

// How an item is drawn on its menu page.
enum class ItemLook {
    Lesson,   // a wide card with a number badge: plays a clip
    Chip,     // a small rounded button: page change, intro replay, link
    BackChip  // the "返回" button in a page's heading band
};

struct MenuItem {
    int number = 0;      // item n has the key "nlist"
    QString title;       // drawn on the page
    QString note;        // a short second line on lesson cards, "" for none
    QRect rect;          // where the item is drawn on its 528 x 432 page
    QString action;      // word, "," and argument, as written in [menu]
    ItemLook look = ItemLook::Lesson;
    QString glyph;       // the symbol on a chip ("›", "‹", "↺", "?") or a lesson's badge
};

struct MenuPage {
    QString picture;     // name in the face list
    QString heading;
    QString subheading;
    QColor accent;       // colour of the heading band and the badges
    QColor accentDark;
    QList<MenuItem> items;
};

enum class ClipKind { Wmv, Mpg, VcdDat };

struct Clip {
    QString name;        // name as the configuration writes it
    ClipKind kind = ClipKind::Wmv;
    QString title;       // drawn large on every frame
    QString subtitle;
    QSize size;          // picture size in pixels
    int seconds = 6;
    int toneHz = 440;    // the clip's tone
    QColor colour;       // main colour of its background
};

// A still picture of the intro or outro list.
struct StillPicture {
    QString name;
    QString title;
    QString subtitle;
    QColor colour;
};

struct DiscContent {
    QString discTitle;
    QString discSubtitle;
    QList<MenuPage> pages;
    QList<Clip> clips;
    QStringList header;          // intro list
    QStringList laster;          // outro list
    QList<StillPicture> stills;
    QString donghua;             // [navigate] targets
    QString shengyin;
};

// The demo disc.
const DiscContent& Content();

// The rectangle as the configuration writes it: left, top, right, bottom,
// where a point is on the item when it lies strictly inside.
QString InfRect(const QRect& r);

// Newloop entry of a page: "first-last".
QString PageRange(const MenuPage& page);

// Disc names use "\" between folders; this gives the name with "/".
QString Slashed(const QString& discName);

// The name a file has on the disc itself. Some files carry a different letter
// case than the configuration and the player use, as on discs pressed from
// upper-case file systems; the player matches names without regard to case.
QString OnDiskName(const QString& discName);

}  // namespace demo
