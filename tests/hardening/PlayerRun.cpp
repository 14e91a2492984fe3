#include "hardening/PlayerRun.h"
#include "player/MenuFixture.h"
#include "player/OpenMainWindow.h"
#include "player/frmConfirm.h"
#include "slider/Progressbar.h"
#include "startup/DiscConfig.h"
#include "startup/SharedState.h"
#include "startup/StartUp.h"
#include "startup/WindowOpeners.h"
#include "support/SkinFixture.h"
#include "ui/Form.h"
#include "ui/Guard.h"
#include <QCoreApplication>
#include <QTest>

namespace hardening {

QByteArray discIni(const QString& header, const QString& laster, const QStringList& actions) {
    fixture::IniBuilder ini;
    ini.section("main").key("header", header).key("laster", laster).key("face", "face1.jpg");
    ini.key("newloop", QStringLiteral("1-%1").arg(actions.size()));
    ini.section("menu");
    for (int n = 1; n <= actions.size(); ++n) {
        const QPoint middle = itemPoint(n);
        ini.line(QStringLiteral("%1list=20,%2,180,%3,#%4").arg(n).arg(middle.y() - 25).arg(middle.y() + 25).arg(
            actions[n - 1]));
    }
    return ini.bytes();
}

void writeDisc(fixture::DiscFixture& disc, const QString& header, const QString& laster, const QStringList& actions) {
    fixture::writeSkin(disc);
    disc.writePicture("face1.jpg", 528, 432, Qt::darkGreen);
    disc.writeIni(discIni(header, laster, actions));
}

void answerOk(ui::Form& dialog) {
    auto* confirm = dynamic_cast<frmConfirm*>(&dialog);
    if (confirm) {
        menutest::moveOver(confirm->imgCancel);
        menutest::moveOver(confirm->imgOk);
        menutest::click(confirm->imgOk);
    }
    if (dialog.isLoaded()) dialog.Unload();  // never leave a modal loop waiting
}

PlayerRun::PlayerRun(const fixture::DiscFixture& disc, Wait wait) : wait_(std::move(wait)) {
    ResetSharedState();
    startup::SetAppFolder(disc.path());
    // As the entry point wires them.
    Openers().openIntro = [this] {
        ++introsOpened;
        intro = new frmFlash;
        intro->Load();
        intro->Refresh();
        intro->Show();
        intro->PlayHeader();
    };
    Openers().openMainWindow = [] { OpenMainWindow(); };
    Openers().playOutro = [this] {
        ++outrosOpened;
        outro = new frmFlash;
        outro->Load();
        outro->Show();
        outro->PlayLaster();
    };
}

PlayerRun::~PlayerRun() {
    for (frmFlash* f : {intro.data(), outro.data()})
        if (f && f->isLoaded()) f->Unload();
    DestroyMainForm();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Openers() = WindowOpeners{};
    startup::SetAppFolder(QString());
    ResetSharedState();
}

void PlayerRun::start() {
    ui::Guarded([] { startup::StartUp(); });
}

mForm& PlayerRun::window() const { return MainForm(); }

bool PlayerRun::menuShown() const { return MainFormExists() && window().isLoaded() && !window().Player; }

bool PlayerRun::lessonPlaying() const { return MainFormExists() && window().isLoaded() && window().Player; }

bool PlayerRun::ended() const {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ui::LoadedFormCount() == 0;
}

void PlayerRun::clickLesson(QPoint at) {
    menutest::moveOver(window().picPlay, at);
    menutest::click(window().picPlay, at);
}

void PlayerRun::hoverEverything() {
    mForm& w = window();
    for (QWidget* c : std::initializer_list<QWidget*>{&w.Image1, &w.Image2, &w.Image3, &w.imgShengYin, &w.imgDongHua,
                                                     &w.imgPlay, &w.imgPause, &w.imgStop, &w.imgVoid, &w.Label1}) {
        menutest::moveOver(*c);
        if (!MainFormExists() || !w.isLoaded()) return;
    }
    menutest::moveOver(w, QPoint(5, 595));
}

void PlayerRun::useTransport() {
    mForm& w = window();
    menutest::moveOver(w.imgStop);
    if (!lessonPlaying()) return;
    for (QWidget* c : std::initializer_list<QWidget*>{&w.imgVoid, &w.imgPause, &w.imgPlay, &w.imgVoid}) {
        menutest::moveOver(*c);
        menutest::click(*c);
        if (!lessonPlaying()) return;
    }
}

void PlayerRun::seek(double fraction) {
    slider::Progressbar& bar = window().Progressbar1;
    const QPoint at(int(bar.width() * fraction), bar.height() / 2);
    QTest::mousePress(&bar, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, at);
}

void PlayerRun::close() { menutest::click(window().Image3); }

}  // namespace hardening
