#include "SkinFiles.h"

namespace disccheck {

const std::vector<SkinFile>& PlayerSkinFiles() {
    static const std::vector<SkinFile> files = {
        {"image\\player.bmp", "the main window's background"},
        {"image\\arrow.jpg", "the menu arrow"},
        {"image\\help.jpg", "the help button"},
        {"image\\help_h.jpg", "the help button under the mouse"},
        {"image\\fscren.jpg", "the full-screen button"},
        {"image\\fscren_h.jpg", "the full-screen button under the mouse"},
        {"image\\close.jpg", "the close button"},
        {"image\\close_h.jpg", "the close button under the mouse"},
        {"image\\tp.jpg", "the hidden pictures button"},
        {"image\\sy.jpg", "the sound side button"},
        {"image\\sy_h.jpg", "the sound side button under the mouse"},
        {"image\\dh.jpg", "the animation side button"},
        {"image\\dh_h.jpg", "the animation side button under the mouse"},
        {"image\\play.jpg", "the play button"},
        {"image\\Play_h.jpg", "the play button under the mouse"},
        {"image\\pause.jpg", "the pause button"},
        {"image\\Pause_h.jpg", "the pause button under the mouse"},
        {"image\\stop.jpg", "the stop button"},
        {"image\\Stop_h.jpg", "the stop button under the mouse"},
        {"image\\void.jpg", "the mute button with sound on"},
        {"image\\void_h.jpg", "the mute button under the mouse"},
        {"image\\clsvoid.jpg", "the mute button with sound off"},
        {"image\\progress.bmp", "the seek bar"},
        {"image\\Trad2_1.bmp", "the volume bar"},
        {"image\\cur.cur", "the hand cursor over menu items and sliders"},
        {"image\\CBack.jpg", "the close dialog's background"},
        {"image\\ok.jpg", "the close dialog's OK button"},
        {"image\\cancel.jpg", "the close dialog's cancel button"},
    };
    return files;
}

}  // namespace disccheck
