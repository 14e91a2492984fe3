// The player's entry point. Started from the disc's root folder (or a copy of
// it), with no arguments: it installs the real platform, wires the windows'
// openers and runs start-up; the program then lives on window events until
// the last window unloads. Every failure that nothing else handles ends here,
// as an error report and exit code 1.
#include "intro/frmFlash.h"
#include "media/MediaFramework.h"
#include "player/OpenMainWindow.h"
#include "startup/StartUp.h"
#include "startup/WindowOpeners.h"
#include "ui/AppIdentity.h"
#include "ui/Form.h"
#include "ui/Guard.h"
#include "ui/QtPlatform.h"
#include <QApplication>
#include <clocale>
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
    PlayerApplication app(argc, argv);
    // libmpv reads numbers in the C locale only; QApplication changed it.
    std::setlocale(LC_NUMERIC, "C");
    ui::SetApplicationIdentity();
    // The program ends when its last window unloads, not when one is hidden.
    QApplication::setQuitOnLastWindowClosed(false);

    ui::QtPlatform platform([] { return media::CreateMpvGraph(); });
    ui::setPlatform(&platform);
    wireOpeners();
#ifdef AUTORUN_FIRST_PAINT_PROBE
    // Only in bench/startup's copy of the player, never in the player itself.
    InstallFirstPaintProbe(app);
#endif

    ui::Guarded([] { startup::StartUp(); });
    int code = 0;
    if (ui::LoadedFormCount() > 0) code = app.exec();
    DestroyMainForm();
    ui::setPlatform(nullptr);
    return code;
}
