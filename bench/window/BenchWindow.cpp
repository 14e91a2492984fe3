#include "BenchWindow.h"

#include "media/MediaFramework.h"
#include "player/OpenMainWindow.h"
#include "startup/DiscConfig.h"
#include "startup/MenuTable.h"
#include "startup/SharedState.h"
#include "support/SkinFixture.h"
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <cstdio>

namespace bench {

namespace {

// Renames every entry under folder (and folder's own entries) to capitals.
void upperCaseTree(const QString& folder) {
    QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (name == QLatin1String("AUTORUN.INF")) continue;
        const QString from = dir.filePath(name);
        if (QFileInfo(from).isDir()) upperCaseTree(from);
        if (name != name.toUpper()) dir.rename(name, name.toUpper());
    }
}

}  // namespace

CountingPlatform::CountingPlatform() : ui::QtPlatform([] { return media::CreateMpvGraph(); }) {}

std::unique_ptr<ui::TimerBackend> CountingPlatform::createTimer(std::function<void()> tick) {
    return ui::QtPlatform::createTimer([this, tick = std::move(tick)] {
        ++timerTicks;
        tick();
    });
}

void CountingPlatform::messageBox(const QString& text, int, const QString& title) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
}

BenchWindow::BenchWindow(NameCase names, const QString& clip) {
    ui::setPlatform(&platform_);
    fixture::writeSkin(disc_);
    disc_.writePicture(QStringLiteral("face1.jpg"), 528, 432, QColor(200, 30, 30));
    if (!clip.isEmpty()) QFile::copy(clip, disc_.filePath(QStringLiteral("lesson.mpg")));
    fixture::IniBuilder ini;
    ini.section(QStringLiteral("main"))
        .key(QStringLiteral("header"), QString())
        .key(QStringLiteral("laster"), QString())
        .key(QStringLiteral("face"), QStringLiteral("face1.jpg"))
        .key(QStringLiteral("newloop"), QStringLiteral("1-1"))
        .section(QStringLiteral("menu"))
        .line(QStringLiteral("1list=40,100,300,140,#lesson,lesson.mpg"));
    disc_.writeIni(ini.bytes());
    if (names == NameCase::Upper) upperCaseTree(disc_.path());

    ResetSharedState();
    startup::SetAppFolder(disc_.path());
    SharedState& s = Shared();
    s.IniFile = startup::AppFolder() + QStringLiteral("AUTORUN.INF");
    s.HeaderFiles = QStringList{QString()};
    s.LasterFiles = QStringList{QString()};
    s.FaceFiles = QStringList{QString()};
    startup::ReadMenuTable();
    OpenMainWindow();
    QCoreApplication::processEvents();
}

BenchWindow::~BenchWindow() {
    DestroyMainForm();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    startup::SetAppFolder(QString());
    ResetSharedState();
    ui::setPlatform(nullptr);
}

mForm& BenchWindow::form() { return MainForm(); }

void BenchWindow::clickLesson() {
    form().picPlay_MouseMove(0, 0, 170, 120);
    form().picPlay_Click();
}

void RunEventsFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

bool MakeBenchClip(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("ffmpeg"),
            {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc2=s=640x480:r=25:d=10", "-f", "lavfi", "-i",
             "sine=f=440:sample_rate=44100:d=10", "-c:v", "mpeg1video", "-b:v", "1800k", "-g", "15", "-c:a", "mp2",
             "-b:a", "192k", "-f", "mpeg", path});
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

}  // namespace bench
