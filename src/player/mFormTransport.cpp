// mForm: the controls that act on the file being played: play, pause, stop
// (back to the menu page), mute, seeking with the seek bar, and the volume bar.
#include "player/mForm.h"

#include "player/SkinFiles.h"
#include "slider/Progressbar.h"

void mForm::imgPlay_Click() {
    if (!Player) {
        return;  // every caller opens a file first; a stray call does nothing
    }
    picPlay.setPicture(ui::Picture());
    picPlay.Refresh();
    Player->Run();
    // A new file starts at the volume bar's loudness (silent when muted).
    Player->setVolume(Volumer.Value());
    if (Player->hasVideo()) {
        Player->setWinStyle(7);
    }
    BindVideo();
    // Starting playback always lets the volume bar be dragged, muted or not.
    Volumer.setCanMove(true);
    if (Progressbar1.isHidden()) {
        Progressbar1.setVisible(true);
    }
    Timer1.setEnabled(true);
}

void mForm::imgPause_Click() {
    // The player stays "playing" when paused, so a second pause pauses again
    // and the timer keeps running; play resumes.
    if (Player && Player->isPlaying()) {
        Player->Pause();
    }
}

void mForm::imgStop_Click() {
    if (!Player) {
        return;
    }
    Player->Stopp();
    Player.reset();
    SetEnable(false);
    // The seek bar's value and HeaderIndex stay as they are.
    showMenuPage();
}

void mForm::imgVoid_Click() {
    if (isMute) {
        // Unmuting comes back at 40, not at the level before muting.
        isMute = false;
        Volumer.setCanMove(true);
        Volumer.setValue(40);
        imgVoid.setPicture(LoadSkinPicture(QStringLiteral("image\\void.jpg")));
    } else {
        isMute = true;
        imgVoid.setPicture(LoadSkinPicture(QStringLiteral("image\\clsvoid.jpg")));
        Volumer.setValue(0);
        Volumer.setCanMove(false);
    }
}

// Seeking: a press on the seek bar pauses the file and fixes everything but
// the seek bar; the timer is off, so the thumb follows the mouse alone.
void mForm::Progressbar1_MouseDown(int, int, float, float) {
    SetEnable(false);
    Progressbar1.setCanMove(true);
    imgPause_Click();
}

// The release moves the position to the thumb and always resumes playback.
void mForm::Progressbar1_MouseUp(int, int, float, float) {
    if (!Player || !Player->isPlaying()) {
        return;
    }
    ui::IMediaPosition& position = Player->IVMPos();
    const double seconds =
        double(Progressbar1.Value()) * position.get_Duration() / double(Progressbar1.Max());
    position.put_CurrentPosition(seconds);
    imgPlay_Click();
    SetEnable(true);
}

void mForm::Progressbar1_Changed(int32_t&, int32_t&) {}

void mForm::Volumer_Changed(int32_t& tValue, int32_t&) {
    // The volume bar moves only while a file is loaded; the guard keeps a
    // value set with no file (by mute, say) harmless.
    if (Player) {
        Player->setVolume(tValue);
    }
}

void mForm::Progressbar1_MouseOverCmd() { Progressbar1.setcMousePointer(99); }
void mForm::Progressbar1_MouseOutCmd() { Progressbar1.setcMousePointer(0); }
void mForm::Volumer_MouseOverCmd() { Volumer.setcMousePointer(99); }
void mForm::Volumer_MouseOutCmd() { Volumer.setcMousePointer(0); }
