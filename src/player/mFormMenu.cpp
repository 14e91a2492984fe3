// mForm: the live menu page. A mouse move over the picture area finds the item
// of the current page under the pointer, shows the hand cursor there and
// moves the arrow beside it; a click runs the item's action (open a target,
// change page, play a file). The side buttons open their [navigate] targets.
#include "player/mForm.h"

#include "player/MenuPage.h"
#include "player/ShellTarget.h"
#include "player/SkinFiles.h"
#include "startup/DiscConfig.h"
#include "startup/MenuItem.h"
#include "startup/SharedState.h"
#include "ui/Cursor.h"
#include "ui/Errors.h"
#include "ui/Numbers.h"

namespace {

// Items whose word is one of these never draw the arrow: page changes and the
// intro and outro lists are not lessons to point at.
bool keepsArrow(const QString& word) {
    return word == QLatin1String("header") || word == QLatin1String("redirect") || word == QLatin1String("laster");
}

// Opens the [navigate] target of a side button, read again on every click.
void openNavigateTarget(const QString& key) {
    OpenShellTarget(startup::ReadIniString(QStringLiteral("navigate"), key, Shared().IniFile));
}

}  // namespace

QString mForm::HitTest(int16_t x, int16_t y) {
    if (Player) {
        return QString();
    }
    const startup::PageRange range = PageItems(NewLoops, CurrentPage);
    const SharedState& s = Shared();
    // Items are tried in ascending order and the first hit wins, so where
    // rectangles overlap the lower item number is found.
    for (int i = range.first; i <= range.last; ++i) {
        const QString key = startup::ItemKey(i);
        const startup::MenuRect r = startup::ParseRect(s.MenuRects.Item(key), key);
        if (!startup::Contains(r, x, y)) {
            continue;
        }
        const QString word = startup::SplitAction(s.MenuActions.Item(key)).word;
        if (!keepsArrow(word)) {
            imgTag.setVisible(true);
            // Centred beside the item, and moved only when its top differs
            // from the item's top.
            if (double(imgTag.Top()) != double(r.top)) {
                imgTag.move(startup::ArrowBeside(r, imgTag.size()));
            }
        }
        return key;
    }
    return QString();
}

void mForm::picPlay_MouseMove(int, int, float X, float Y) {
    HotSpotKey = HitTest(ui::CInt(X), ui::CInt(Y));
    if (!HotSpotKey.isEmpty()) {
        picPlay.setMousePointer(ui::vbCustom);
        picPlay.setMouseIcon(ui::CursorFromPicture(LoadSkinPicture(QStringLiteral("image\\cur.cur"))));
    } else {
        picPlay.setMousePointer(ui::vbDefault);
        HotSpotKey.clear();
    }
}

void mForm::picPlay_Click() {
    if (HotSpotKey.isEmpty()) {
        return;
    }
    SharedState& s = Shared();
    const startup::ActionParts action = startup::SplitAction(s.MenuActions.Item(HotSpotKey));

    if (action.word == QLatin1String("url")) {
        OpenShellTarget(action.arg);
        return;
    }
    if (action.word == QLatin1String("redirect")) {
        const int16_t page = ui::CIntText(action.arg);
        // The page must have a picture before the window turns to it.
        const ui::Picture face = LoadMenuPage(page);
        CurrentPage = page;
        picPlay.setPicture(face);
        setArrow();
        return;
    }

    // Any other word plays a file; an empty argument replays the intro list
    // from its first entry.
    QString path;
    if (!action.arg.isEmpty()) {
        path = startup::AppFolder() + action.arg;
    } else {
        if (s.HeaderFiles.isEmpty()) {
            throw ui::RuntimeError(QStringLiteral("Menu item %1 replays the intro list, but the disc has none.")
                                       .arg(HotSpotKey));
        }
        s.HeaderIndex = 0;
        path = startup::AppFolder() + s.HeaderFiles[0];
    }
    if (GiveFile(path)) {
        SetEnable(true);
        imgPlay_Click();
    }
}

void mForm::imgDongHua_Click() {
    openNavigateTarget(QStringLiteral("donghua"));
}

void mForm::imgShengYin_Click() {
    openNavigateTarget(QStringLiteral("shengyin"));
}
