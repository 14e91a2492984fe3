// mForm: the buttons' reaction to the mouse. A move over a button shows its
// highlighted picture ("_h"), a release over it shows its resting picture
// again, and a move over the bare background puts every button back at rest
// (Initial) and, with the left button alone held, drags the window. Also the
// help button and the two links to the maker's web page.
#include "player/mForm.h"

#include "player/MakerLink.h"
#include "player/ShellTarget.h"
#include "player/SkinFiles.h"
#include "startup/DiscConfig.h"
#include "ui/MouseArgs.h"
#include "ui/WindowMove.h"

namespace {

// Link colour under the pointer: red 255, green 0, blue 0.
constexpr uint32_t kLinkHoverColour = ui::RGB(255, 0, 0);

// Shows a skin picture; names are matched on the disc without regard to case,
// so "image\Play_h.jpg" finds image/play_h.jpg.
void showSkin(ui::Image& image, const char* name) {
    image.setPicture(LoadSkinPicture(QString::fromLatin1(name)));
}

}  // namespace

// ---- Highlight while the pointer moves over a button ----
void mForm::Image1_MouseMove(int, int, float, float) { showSkin(Image1, "image\\help_h.jpg"); }
void mForm::Image2_MouseMove(int, int, float, float) { showSkin(Image2, "image\\fscren_h.jpg"); }
void mForm::Image3_MouseMove(int, int, float, float) { showSkin(Image3, "image\\close_h.jpg"); }
void mForm::imgPlay_MouseMove(int, int, float, float) { showSkin(imgPlay, "image\\Play_h.jpg"); }
void mForm::imgPause_MouseMove(int, int, float, float) { showSkin(imgPause, "image\\Pause_h.jpg"); }
void mForm::imgStop_MouseMove(int, int, float, float) { showSkin(imgStop, "image\\Stop_h.jpg"); }
void mForm::imgShengYin_MouseMove(int, int, float, float) { showSkin(imgShengYin, "image\\sy_h.jpg"); }
void mForm::imgDongHua_MouseMove(int, int, float, float) { showSkin(imgDongHua, "image\\dh_h.jpg"); }

// A muted button keeps its sound-off picture.
void mForm::imgVoid_MouseMove(int, int, float, float) {
    if (!isMute) {
        showSkin(imgVoid, "image\\void_h.jpg");
    }
}

void mForm::Label1_MouseMove(int, int, float, float) {
    Label1.setForeColor(kLinkHoverColour);
    Label1.setFontUnderline(true);
}

// ---- Resting picture again on a mouse-button release over a button ----
void mForm::Image2_MouseUp(int, int, float, float) { showSkin(Image2, "image\\fscren.jpg"); }
void mForm::Image3_MouseUp(int, int, float, float) { showSkin(Image3, "image\\close.jpg"); }
void mForm::imgPlay_MouseUp(int, int, float, float) { showSkin(imgPlay, "image\\Play.jpg"); }
void mForm::imgPause_MouseUp(int, int, float, float) { showSkin(imgPause, "image\\Pause.jpg"); }
void mForm::imgStop_MouseUp(int, int, float, float) { showSkin(imgStop, "image\\Stop.jpg"); }
void mForm::imgShengYin_MouseUp(int, int, float, float) { showSkin(imgShengYin, "image\\sy.jpg"); }
void mForm::imgDongHua_MouseUp(int, int, float, float) { showSkin(imgDongHua, "image\\dh.jpg"); }

// ---- The bare background ----
void mForm::Form_MouseMove(int Button, int, float, float) {
    Initial();
    // The window has no title bar: its background is where it is dragged.
    if (Button == ui::vbLeftButton) {
        ui::DragWindow(this);
    }
}

// ---- Help and links ----
void mForm::Image1_Click() {
    OpenDiscFile(startup::AppFolder() + QStringLiteral("help\\help.htm"));
}

void mForm::Label1_Click() {
    OpenShellTarget(kMakerPage);
}

void mForm::Label5_Click() {
    OpenShellTarget(kMakerPage);
}
