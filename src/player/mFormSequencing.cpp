// mForm: opening files into the player, switching the transport on and off,
// placing the arrow on a menu page, and the timer that follows the playing
// file: it moves the seek bar and, at the end of the file, either goes on
// through the intro list or returns to the menu page.
#include "player/mForm.h"

#include "player/MenuPage.h"
#include "player/SkinFiles.h"
#include "slider/Progressbar.h"
#include "startup/DiscConfig.h"
#include "startup/MenuItem.h"
#include "startup/MenuTable.h"
#include "startup/SharedState.h"
#include "ui/DiscFiles.h"
#include "ui/Errors.h"
#include "ui/MessageBox.h"
#include "ui/Numbers.h"

bool mForm::GiveFile(const QString& strFileName) {
    const QString shown = ui::DisplayPath(strFileName);
    const auto cannotPlay = [&] {
        ui::MsgBox(QStringLiteral("无法播放文件：") + shown + QStringLiteral("，请插入光盘重试。"), ui::vbOKOnly);
    };
    if (ui::FindFirstFile(strFileName).isEmpty()) {
        // A folder is there but is nothing to play (an entry ending in "\" or
        // naming a folder): not a missing file.
        const int32_t attributes = ui::GetFileAttributes(strFileName);
        if (attributes != ui::INVALID_FILE_ATTRIBUTES && (attributes & ui::FILE_ATTRIBUTE_DIRECTORY)) {
            cannotPlay();
        } else {
            ui::MsgBox(QStringLiteral("未找到播放文件：") + shown + QStringLiteral("，请插入光盘重试。"), ui::vbOKOnly);
        }
        return false;
    }
    if (!Player) {
        Player = std::make_unique<clsPlayer>();
    }
    Player->RenderFile(strFileName);
    // A lesson that cannot be played is told to the user like a missing one,
    // and the window stays where it was, instead of failing on the video.
    if (!Player->hasMedia()) {
        Player.reset();
        cannotPlay();
        return false;
    }
    BindVideo();
    return true;
}

void mForm::SetEnable(bool isEnable) {
    imgPlay.setEnabled(isEnable);
    imgPause.setEnabled(isEnable);
    imgStop.setEnabled(isEnable);
    imgVoid.setEnabled(isEnable);
    Volumer.setCanMove(isEnable);
    Progressbar1.setCanMove(isEnable);
    Timer1.setEnabled(isEnable);
}

void mForm::setArrow() {
    const SharedState& s = Shared();
    NewLoops = startup::SplitList(startup::ReadIniString(QStringLiteral("main"), QStringLiteral("newloop"), s.IniFile));
    int16_t n = PageItems(NewLoops, CurrentPage).first;

    // Intro and page-change items get no arrow: it goes beside the next item.
    const QString word = startup::SplitAction(s.MenuActions.Item(startup::ItemKey(n))).word;
    if (startup::ArrowSkipsItem(word)) {
        n = ui::Add16(n, 1);
    }
    const QString key = startup::ItemKey(n);
    const startup::MenuRect r = startup::ParseRect(s.MenuRects.Item(key), key);

    imgTag.setVisible(true);
    imgTag.move(startup::ArrowBeside(r, imgTag.size()));
    Progressbar1.setVisible(false);
}

void mForm::showMenuPage() {
    if (Shared().FaceFiles.size() == 1) {
        startup::ReadFaceList();
    }
    picPlay.setPicture(LoadMenuPage(CurrentPage));
    setArrow();
}

void mForm::Timer1_Timer() {
    if (!Player) {
        // Nothing to follow (cannot happen while the window keeps its own
        // rules: the timer is on only while a file is loaded).
        Timer1.setEnabled(false);
        return;
    }
    ui::IMediaPosition& position = Player->IVMPos();
    double d = position.get_Duration();
    const int32_t m = Progressbar1.Max();
    double p = position.get_CurrentPosition();
    Progressbar1.setValue(ui::CLng(p / d * m));

    d = position.get_Duration();
    p = position.get_CurrentPosition();
    if (!(p / d > 0.9999)) {
        return;
    }
    Progressbar1.setValue(Progressbar1.Max());

    SharedState& s = Shared();
    const int headerUpper = static_cast<int>(s.HeaderFiles.size()) - 1;
    if (s.HeaderIndex >= headerUpper || headerUpper <= 0) {
        returnToMenu();
        return;
    }
    // A menu item replays the intro list: the next intro file follows at once,
    // in the same (possibly full-screen) picture area.
    s.HeaderIndex = ui::Add16(s.HeaderIndex, 1);
    Player.reset();
    if (GiveFile(startup::AppFolder() + s.HeaderFiles[s.HeaderIndex])) {
        imgPlay_Click();
    } else {
        // The next intro file is gone from the disc (or cannot be played): the
        // user has been told; show the menu page rather than follow nothing.
        returnToMenu();
    }
}

void mForm::returnToMenu() {
    showMenuPage();
    SetEnable(false);
    Progressbar1.setValue(0);
    if (Player) {
        setsize(2);
    } else {
        leaveFullScreen();
    }
    Player.reset();
}
