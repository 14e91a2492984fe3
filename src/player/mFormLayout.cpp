// mForm: the controls at their design places, the wiring of their events,
// creation and load, the resting look of the buttons (Initial), the video
// area's normal rectangle and hanging the player's video into it.
#include "player/mForm.h"

#include "player/MakerLink.h"
#include "player/SkinFiles.h"
#include "slider/Progressbar.h"
#include "startup/DiscConfig.h"
#include "ui/Errors.h"
#include "ui/Numbers.h"
#include "ui/StringTable.h"

namespace {

// Text colour of the captions and the link at rest: red 10, green 39, blue 112.
constexpr uint32_t kCaptionColour = ui::RGB(10, 39, 112);

void placeCaption(ui::Label& label, const QString& text, int left, int top) {
    label.Move(left, top, 33, 17);
    label.setCaption(text);
    label.setFont(ui::SimSunFont(10.5));
}

}  // namespace

mForm::mForm()
    : Progressbar1(*new slider::Progressbar(this)),
      Volumer(*new slider::Progressbar(this)) {
    picPlay.Move(206, 61, 528, 432);
    picPlay.setFocusPolicy(Qt::StrongFocus);
    imgTag.Move(0, 0, 48, 40);
    imgTag.setVisible(false);

    Timer1.setInterval(10);
    Timer1.setEnabled(false);

    Volumer.setLeft(270);
    Volumer.setTop(562);

    imgPlay.Move(41, 546, 28, 28);
    imgPause.Move(86, 546, 28, 28);
    imgStop.Move(160, 539, 40, 40);
    imgVoid.Move(230, 557, 28, 28);
    imgVoid.setToolTipText(QStringLiteral("静音"));

    placeCaption(Label2, QStringLiteral("播放"), 41, 579);
    placeCaption(Label3, QStringLiteral("暂停"), 86, 579);
    placeCaption(Label4, QStringLiteral("目录"), 166, 581);
    Label1.Move(453, 573, 323, 17);
    Label1.setFont(ui::ArialFont(9));
    Label1.setCaption(kMakerLinkText);
    Label5.Move(40, 88, 121, 121);

    imgTuPian.Move(49, 339, 103, 25);
    imgTuPian.setVisible(false);
    imgShengYin.Move(59, 350, 65, 33);
    imgDongHua.Move(59, 418, 65, 33);

    Image1.Move(592, 8, 41, 17);
    Image1.setToolTipText(QStringLiteral("帮助"));
    Image2.Move(640, 8, 41, 17);
    Image2.setToolTipText(QStringLiteral("全屏播放"));
    Image3.Move(696, 8, 41, 17);
    Image3.setToolTipText(QStringLiteral("退出"));

    // The buttons, the captions and the links show the program's hand cursor.
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &imgPlay, &imgPause, &imgStop, &imgVoid, &Label1, &Label5, &imgTuPian, &imgShengYin,
             &imgDongHua}) {
        c->setMousePointer(ui::vbCustom);
    }

    // The picture area is a window of its own: the images and labels, which are
    // drawn on the window's surface, lie under it, so in full screen it covers
    // them all. It comes first in the tab order and holds the keyboard focus.
    picPlay.raise();
    setFocusProxy(&picPlay);

    wireEvents();
}

mForm::~mForm() {
    // Release the player (and its video window inside picPlay) before the
    // controls go.
    Timer1.setEnabled(false);
    Player.reset();
}

void mForm::wireEvents() {
    Timer1.OnTimer = [this] { Timer1_Timer(); };

    // Transport, seek and volume.
    imgPlay.OnClick = [this] { imgPlay_Click(); };
    imgPause.OnClick = [this] { imgPause_Click(); };
    imgStop.OnClick = [this] { imgStop_Click(); };
    imgVoid.OnClick = [this] { imgVoid_Click(); };
    Progressbar1.MouseDown = [this](int16_t& b, int16_t& s, float& x, float& y) {
        Progressbar1_MouseDown(b, s, x, y);
    };
    Progressbar1.MouseUp = [this](int16_t& b, int16_t& s, float& x, float& y) {
        Progressbar1_MouseUp(b, s, x, y);
    };
    Progressbar1.Changed = [this](int32_t& v, int32_t& m) { Progressbar1_Changed(v, m); };
    Progressbar1.MouseOverCmd = [this] { Progressbar1_MouseOverCmd(); };
    Progressbar1.MouseOutCmd = [this] { Progressbar1_MouseOutCmd(); };
    Volumer.Changed = [this](int32_t& v, int32_t& m) { Volumer_Changed(v, m); };
    Volumer.MouseOverCmd = [this] { Volumer_MouseOverCmd(); };
    Volumer.MouseOutCmd = [this] { Volumer_MouseOutCmd(); };

    // Sizing and full screen.
    Image2.OnClick = [this] { Image2_Click(); };
    picPlay.OnDblClick = [this] { picPlay_DblClick(); };
    picPlay.OnKeyPress = [this](int& key) { picPlay_KeyPress(key); };

    // Menu hot spots and side buttons.
    picPlay.OnMouseMove = [this](int b, int s, float x, float y) { picPlay_MouseMove(b, s, x, y); };
    picPlay.OnClick = [this] { picPlay_Click(); };
    imgDongHua.OnClick = [this] { imgDongHua_Click(); };
    imgShengYin.OnClick = [this] { imgShengYin_Click(); };

    // Hover pictures, help and links.
    auto move = [this](void (mForm::*handler)(int, int, float, float)) {
        return [this, handler](int b, int s, float x, float y) { (this->*handler)(b, s, x, y); };
    };
    Image1.OnMouseMove = move(&mForm::Image1_MouseMove);
    Image2.OnMouseMove = move(&mForm::Image2_MouseMove);
    Image3.OnMouseMove = move(&mForm::Image3_MouseMove);
    imgPlay.OnMouseMove = move(&mForm::imgPlay_MouseMove);
    imgPause.OnMouseMove = move(&mForm::imgPause_MouseMove);
    imgStop.OnMouseMove = move(&mForm::imgStop_MouseMove);
    imgVoid.OnMouseMove = move(&mForm::imgVoid_MouseMove);
    imgShengYin.OnMouseMove = move(&mForm::imgShengYin_MouseMove);
    imgDongHua.OnMouseMove = move(&mForm::imgDongHua_MouseMove);
    Label1.OnMouseMove = move(&mForm::Label1_MouseMove);
    Image2.OnMouseUp = move(&mForm::Image2_MouseUp);
    Image3.OnMouseUp = move(&mForm::Image3_MouseUp);
    imgPlay.OnMouseUp = move(&mForm::imgPlay_MouseUp);
    imgPause.OnMouseUp = move(&mForm::imgPause_MouseUp);
    imgStop.OnMouseUp = move(&mForm::imgStop_MouseUp);
    imgShengYin.OnMouseUp = move(&mForm::imgShengYin_MouseUp);
    imgDongHua.OnMouseUp = move(&mForm::imgDongHua_MouseUp);
    Image1.OnClick = [this] { Image1_Click(); };
    Label1.OnClick = [this] { Label1_Click(); };
    Label5.OnClick = [this] { Label5_Click(); };

    // Closing.
    Image3.OnClick = [this] { Image3_Click(); };
}

QStringList mForm::PicturesOfLoad() {
    // Form_Initialize, Initial (from Form_Load), then the rest of Form_Load.
    static const char* const kNames[] = {
        "image\\player.bmp", "image\\help.jpg",  "image\\fscren.jpg",   "image\\close.jpg",
        "image\\tp.jpg",     "image\\sy.jpg",    "image\\dh.jpg",       "image\\play.jpg",
        "image\\pause.jpg",  "image\\stop.jpg",  "image\\void.jpg",     "image\\progress.bmp",
        "image\\cur.cur",    "image\\arrow.jpg", "image\\Trad2_1.bmp",
    };
    const QString folder = startup::AppFolder();
    QStringList paths;
    for (const char* name : kNames) paths << folder + QLatin1String(name);
    return paths;
}

void mForm::Form_Initialize() {
    setCaption(ui::LoadResString(101));
    ui::Form::setPicture(LoadSkinPicture("image\\player.bmp"));
}

void mForm::Form_Load() {
    setWidth(800 * ui::TwipsPerPixel);
    setHeight(600 * ui::TwipsPerPixel);
    CurrentPage = 1;
    isMute = false;
    Initial();
    setNormalArea();

    // The seek bar runs under the video area, a little wider than it:
    // 539 x 9 at 200, 503 with the normal rectangle.
    Progressbar1.setMax(10000);
    Progressbar1.Move(picPlay.Left() - 6, picPlay.Top() + picPlay.Height() + 10, picPlay.Width() + 11, 9);
    Progressbar1.setStyle(2);
    Progressbar1.setCanMove(true);
    Progressbar1.setBite_LP(17);
    Progressbar1.setBite_RP(16);
    Progressbar1.setPicture(LoadSkinPicture("image\\progress.bmp"), 17, 17, 1, 1, 16);
    Progressbar1.setcMouseIcon(LoadSkinPicture("image\\cur.cur"));

    imgTag.setPicture(LoadSkinPicture("image\\arrow.jpg"));

    // The volume bar keeps a new slider's range, 0 to 100, and value 50.
    Volumer.setStyle(3);
    Volumer.setCanMove(false);
    Volumer.Move(Volumer.Left(), Volumer.Top(), 75, 20);
    Volumer.setPicture(LoadSkinPicture("image\\Trad2_1.bmp"), 0, 0, 69, 76, 14, 14, 6);
    Volumer.setcMouseIcon(LoadSkinPicture("image\\cur.cur"));
}

void mForm::Initial() {
    Image1.setPicture(LoadSkinPicture("image\\help.jpg"));
    Image2.setPicture(LoadSkinPicture("image\\fscren.jpg"));
    Image3.setPicture(LoadSkinPicture("image\\close.jpg"));
    imgTuPian.setPicture(LoadSkinPicture("image\\tp.jpg"));
    imgShengYin.setPicture(LoadSkinPicture("image\\sy.jpg"));
    imgDongHua.setPicture(LoadSkinPicture("image\\dh.jpg"));
    imgPlay.setPicture(LoadSkinPicture("image\\play.jpg"));
    imgPause.setPicture(LoadSkinPicture("image\\pause.jpg"));
    imgStop.setPicture(LoadSkinPicture("image\\stop.jpg"));
    for (ui::Label* label : {&Label1, &Label2, &Label3, &Label4}) {
        label->setForeColor(kCaptionColour);
    }
    Label1.setFontUnderline(false);
    // A muted button keeps its sound-off picture.
    if (!isMute) {
        imgVoid.setPicture(LoadSkinPicture("image\\void.jpg"));
    }
}

void mForm::setNormalArea() {
    picPlay.setLeft(206);
    picPlay.setTop(61);
    picPlay.setHeight(432);
    picPlay.setWidth(528);
}

void mForm::BindVideo() {
    if (!Player->hasVideo()) {
        // No video comes over the picture area, so the arrow is put away as a
        // video would cover it; setArrow shows it again with the menu page.
        imgTag.setVisible(false);
        return;
    }
    Player->setOwner(picPlay.hWnd());
    Player->setLeft(0);
    Player->setTop(0);
    Player->setWidth(ui::CLng(picPlay.ScaleWidth()));
    Player->setHeight(ui::CLng(picPlay.ScaleHeight()));
}
