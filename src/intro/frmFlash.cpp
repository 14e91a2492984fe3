#include "intro/frmFlash.h"
#include "startup/DiscConfig.h"
#include "startup/SharedState.h"
#include "startup/WindowOpeners.h"
#include "ui/DiscFiles.h"
#include "ui/Errors.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"
#include "ui/StringTable.h"
#include <QPainter>
#include <QPointer>
#include <QtGlobal>

namespace {

constexpr double SecondsPerDay = 86400.0;
// A picture stays up while the clock is within this many seconds of its start.
constexpr double PictureSeconds = 3.0;
// A press waits this long for a double click before it skips.
constexpr double PressWaitSeconds = 0.5;
// A video counts as finished once position / duration passes this.
constexpr double EndRatio = 0.9999;

// Seconds from a moment taken as the clock rounded to whole seconds until now.
// The rounding alone can make this as low as -0.5; anything lower means the
// clock went back (it passed midnight), so a day is added. Waits and pictures
// therefore end on time across midnight instead of lasting for ever.
double SecondsSince(int32_t then) {
    double elapsed = double(ui::Clock()) - double(then);
    if (elapsed < -0.5) elapsed += SecondsPerDay;
    return elapsed;
}

// The clock rounded to whole seconds, halves to even.
int32_t ClockSeconds() { return ui::CLng(double(ui::Clock())); }

bool IsVideoKind(const QString& kind) {
    return kind == QLatin1String("wmv") || kind == QLatin1String("dat") || kind == QLatin1String("mpg");
}

bool IsPictureKind(const QString& kind) { return kind == QLatin1String("gif") || kind == QLatin1String("jpg"); }

}  // namespace

frmFlash::frmFlash() {
    setDeleteOnUnload(true);
    setShowInTaskbar(false);
    // No caption bar shows it, but the window system lists the window by it.
    setCaption(ui::LoadResString(101));

    // The picture area paints black wherever no picture is drawn (around a
    // video that comes first).
    picPlay = new ui::PictureBox(this);
    picPlay->OnPaint = [this] { picPlay_Paint(); };
    picPlay->OnMouseDown = [this](int Button, int Shift, float X, float Y) { picPlay_MouseDown(Button, Shift, X, Y); };
    picPlay->OnDblClick = [this] { picPlay_DblClick(); };

    Timer1.setEnabled(false);
    Timer1.setInterval(10);
    Timer1.OnTimer = [this] { Timer1_Timer(); };
}

frmFlash::~frmFlash() = default;

void frmFlash::Form_Load() {
    setWidth(12000);
    setHeight(9000);
    picPlay->Move(0, 0, ScaleWidth(), ScaleHeight());
    PressTime = ClockSeconds();
    DoubleClicked = false;
}

// Nothing plays on once the window is gone.
void frmFlash::Form_Unload(int& Cancel) {
    (void)Cancel;
    Timer1.setEnabled(false);
    Player.reset();
}

void frmFlash::PlayHeader() { PlayList(List::Header); }

void frmFlash::PlayLaster() { PlayList(List::Laster); }

void frmFlash::PlayList(List list) {
    SharedState& shared = Shared();
    const bool header = list == List::Header;
    for (;;) {
        const QStringList& files = header ? shared.HeaderFiles : shared.LasterFiles;
        int16_t& index = header ? shared.HeaderIndex : shared.LasterIndex;
        if (index > files.size() - 1) {
            // The list is done: the intro hands over to the main window; both
            // lists then unload this window (the last one ends the process).
            if (header && Openers().openMainWindow) Openers().openMainWindow();
            Unload();
            return;  // this window may be gone: touch nothing more
        }
        const QString path = startup::AppFolder() + files.value(index);
        const QString kind = startup::FileExtension(path);
        index = ui::Add16(index, 1);
        Timer1.Tag = header ? QStringLiteral("header") : QStringLiteral("laster");

        if (IsVideoKind(kind)) {
            if (PlayVideo(path)) return;
        } else if (IsPictureKind(kind)) {
            if (ShowPicture(path)) return;
        } else {
            return;  // no playable kind: the timer stays off until a press
        }
        // The entry could not be presented: go on with the next one.
    }
}

bool frmFlash::PlayVideo(const QString& path) {
    // A picture shown before the video gives way to black (painted at the
    // area's next repaint); with no picture held, none is loaded.
    if (!HeldPicture.isNull()) HeldPicture = ui::LoadPicture(startup::AppFolder() + QStringLiteral("image\\black.jpg"));

    if (!Player) Player = std::make_unique<clsPlayer>();
    Player->RenderFile(path);
    // Only a file the media framework could not render (missing, damaged, no
    // stream it can decode) is passed over. Any other failure below is a
    // real one and is not taken for an unplayable entry.
    if (!Player->hasMedia()) {
        qWarning("Skipping a clip that cannot be played: %s", qUtf8Printable(ui::DisplayPath(path)));
        DropPlayer();
        return false;
    }
    // A clip with sound and no picture plays all the same: the area keeps
    // what it shows (the held picture, or black) while it sounds.
    const bool video = Player->hasVideo();
    const auto placeVideo = [this] {
        Player->setOwner(picPlay->hWnd());
        Player->setLeft(ui::CLng((picPlay->ScaleWidth() - Player->Width()) / 2.0));
        Player->setTop(ui::CLng((picPlay->ScaleHeight() - Player->Height()) / 2.0));
    };
    if (video) placeVideo();
    Timer1.setEnabled(true);
    Player->Run();
    if (video) {
        placeVideo();
        Player->setWinStyle(7);
    }
    return true;
}

bool frmFlash::ShowPicture(const QString& path) {
    try {
        HeldPicture = ui::LoadPicture(path);
    } catch (const ui::FileError& e) {
        qWarning("Skipping a picture that cannot be loaded: %s", e.what());
        return false;
    }
    picPlay->Refresh();
    PictureTime = ClockSeconds();
    Timer1.setEnabled(true);
    return true;
}

void frmFlash::DropPlayer() {
    Player.reset();
    Timer1.setEnabled(false);
}

void frmFlash::PlayNext() {
    if (Player) {
        try {
            Player->Stopp();
        } catch (const ui::MediaError&) {
            // Dropping the player below ends the playback all the same.
        }
    }
    DropPlayer();
    if (Timer1.Tag == QLatin1String("header")) PlayHeader();
    else if (Timer1.Tag == QLatin1String("laster")) PlayLaster();
}

void frmFlash::picPlay_Paint() {
    if (HeldPicture.isNull()) return;
    QPainter painter(picPlay);
    painter.drawImage(0, 0, HeldPicture.image());
}

void frmFlash::picPlay_MouseDown(int Button, int Shift, float X, float Y) {
    (void)Button;
    (void)Shift;
    (void)X;
    (void)Y;
    PressTime = ClockSeconds();
    DoubleClicked = false;
    // Pending events run during the wait: the double click of this press,
    // and timer ticks, which may finish the entry and even unload the window.
    const QPointer<frmFlash> self(this);
    while (SecondsSince(PressTime) < PressWaitSeconds) {
        ui::DoEvents();
        if (!self || !self->isLoaded()) return;
    }
    if (!DoubleClicked) PlayNext();
}

void frmFlash::picPlay_DblClick() { DoubleClicked = true; }

void frmFlash::Timer1_Timer() {
    if (!Player) {
        if (SecondsSince(PictureTime) > PictureSeconds) PlayNext();
        return;
    }
    const double position = Player->IVMPos().get_CurrentPosition();
    const double duration = Player->IVMPos().get_Duration();
    // A clip without a usable duration cannot be followed to its end: it is
    // passed over rather than left playing for ever.
    if (!(duration > 0) || position / duration > EndRatio) PlayNext();
}
