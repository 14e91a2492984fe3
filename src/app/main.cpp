// The player's entry point: `autorun [DISC]`. Started from the disc's root
// folder (or a copy of it) with no arguments, its own folder is the disc;
// otherwise the disc is the one given, found or chosen. It installs the real platform, wires the windows'
// openers and runs start-up; the program then lives on window events until
// the last window unloads. Every failure that nothing else handles ends here,
// as an error report and exit code 1.
#include "app/CommandLine.h"
#include "app/DiscChooser.h"
#include "app/HeapTuning.h"
#include "disc/DiscImage.h"
#include "intro/frmFlash.h"
#include "media/MediaFramework.h"
#include "player/OpenMainWindow.h"
#include "startup/DiscConfig.h"
#include "startup/OpenDisc.h"
#include "startup/StartUp.h"
#include "startup/WindowOpeners.h"
#include "ui/AppIdentity.h"
#include "ui/FontWarmUp.h"
#include "ui/Form.h"
#include "ui/Guard.h"
#include "ui/MessageBox.h"
#include "ui/QtPlatform.h"
#include "ui/SessionEnd.h"
#include "ui/StringTable.h"
#include <QApplication>
#include <clocale>
#include <cstdio>
#ifdef AUTORUN_FIRST_PAINT_PROBE
#include "FirstPaintProbe.h"  // bench/startup
#endif

namespace {

// The last line of defence: a failure thrown out of any event handler that
// the runtime's own guard did not see becomes the error report.
class PlayerApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        bool handled = false;
        ui::Guarded([&] { handled = QApplication::notify(receiver, event); });
        return handled;
    }
};

void wireOpeners() {
    Openers().openIntro = [] {
        auto* intro = new frmFlash;
        intro->Load();
        intro->Refresh();
        intro->Show();
        intro->PlayHeader();
    };
    Openers().openMainWindow = [] { OpenMainWindow(); };
    Openers().playOutro = [] {
        auto* outro = new frmFlash;
        outro->Load();
        outro->Show();
        outro->PlayLaster();
    };
}

}  // namespace

int main(int argc, char** argv) {
    app::KeepTheHeapCompact();
    // The command line first: --help, --version and usage errors are answered
    // before any window system is needed.
    const app::CommandLine commandLine = app::ParseCommandLine(argc, argv);
    if (commandLine.action != app::CommandLine::Action::Play) return app::Answer(commandLine);

    ui::StartReadingFontConfiguration();
    PlayerApplication app(argc, argv);
    // Whichever way main ends, the font read is over before the application goes.
    struct FontReadFinished {
        ~FontReadFinished() { ui::FinishReadingFontConfiguration(); }
    } fontReadFinished;

    // The disc: the one given; else the player's own folder when it holds an
    // AUTORUN.INF (a player copied onto a disc: disc stays empty); else the one
    // disc mounted or in a drive, else the one the user chooses. Cancel ends here.
    app::DriveHoldsOurDisc() = [](const QString& device) {
        const std::unique_ptr<::disc::Image> image = ::disc::Image::open(device, nullptr);
        return image && image->stat(QStringLiteral("AUTORUN.INF")).exists;
    };
    QString disc = commandLine.disc;
    if (disc.isEmpty() && !app::HoldsAutorunInf(startup::AppFolder())) {
        const std::optional<QString> chosen = app::ChooseDisc();
        if (!chosen) return 0;
        disc = *chosen;
    }
    // libmpv reads numbers in the C locale only; QApplication changed it.
    std::setlocale(LC_NUMERIC, "C");
    ui::SetApplicationIdentity();
    // The program ends when its last window unloads, not when one is hidden.
    QApplication::setQuitOnLastWindowClosed(false);

    ui::QtPlatform platform([] { return media::CreateMpvGraph(); });
    ui::setPlatform(&platform);
    // Logging off closes the windows the way any other close does.
    ui::WatchSessionEnd();
    wireOpeners();
    // The menu paints without the media library; it loads right after.
    media::PreloadMediaLibraryAfterFirstPaint();
#ifdef AUTORUN_FIRST_PAINT_PROBE
    // Only in bench/startup's copy of the player, never in the player itself.
    InstallFirstPaintProbe(app);
#endif

    // A disc given or chosen becomes the application folder: a folder as it
    // is, an image or a drive read through the disc seam.
    if (!disc.isEmpty()) {
        QString why;
        if (!startup::OpenDisc(disc, &why)) {
            ui::MsgBox(startup::DiscOpenMessage(disc, why), ui::vbCritical, ui::LoadResString(103));
            ui::setPlatform(nullptr);
            return 1;
        }
    }

    ui::Guarded([] { startup::StartUp(); });
    int code = 0;
    if (ui::LoadedFormCount() > 0) code = app.exec();
    DestroyMainForm();
    ui::setPlatform(nullptr);
    return code;
}
