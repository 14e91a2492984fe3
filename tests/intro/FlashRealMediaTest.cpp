// One intro run on real media: the real platform (Qt's clock and timers) and
// the libmpv media framework, a .jpg and a short .wmv made with ffmpeg.
#include "intro/frmFlash.h"
#include "media/MediaFramework.h"
#include "startup/DiscConfig.h"
#include "startup/SharedState.h"
#include "startup/WindowOpeners.h"
#include "support/DiscFixture.h"
#include "ui/Errors.h"
#include "ui/Form.h"
#include "ui/QtPlatform.h"
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Puts the real platform in place for one test and the previous one back.
class RealPlatformScope {
public:
    RealPlatformScope() : platform_([] { return media::CreateMpvGraph(); }) {
        try {
            previous_ = &ui::platform();
        } catch (const ui::RuntimeError&) {
            previous_ = nullptr;
        }
        ui::setPlatform(&platform_);
    }
    ~RealPlatformScope() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ui::setPlatform(previous_);
    }

private:
    ui::QtPlatform platform_;
    ui::Platform* previous_ = nullptr;
};

bool makeWmv(const QString& ffmpeg, const QString& path) {
    QProcess p;
    p.start(ffmpeg, {"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                     "testsrc=size=160x120:rate=25:duration=1", "-f", "lavfi", "-i",
                     "sine=frequency=440:duration=1", "-c:v", "wmv2", "-c:a", "wmav2", path});
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

}  // namespace

TEST(FlashRealMedia, PictureAndVideoPlayThroughToTheMainWindow) {
    const QString ffmpeg = QStandardPaths::findExecutable("ffmpeg");
    if (ffmpeg.isEmpty()) GTEST_SKIP() << "ffmpeg is not installed";
    RealPlatformScope real;
    fixture::DiscFixture disc;
    disc.writePicture("Intro.jpg", 64, 48, Qt::red);
    disc.writePicture("image\\black.jpg", 8, 8, Qt::black);
    ASSERT_TRUE(makeWmv(ffmpeg, disc.filePath("clip.wmv")));

    ResetSharedState();
    startup::SetAppFolder(disc.path());
    Shared().HeaderFiles = QStringList{"intro.jpg", "CLIP.WMV"};  // names match without regard to case
    Shared().HeaderIndex = 0;
    ui::Form mainWindow;
    bool handedOver = false;
    Openers().openMainWindow = [&] {
        handedOver = true;
        mainWindow.Load();
    };

    QPointer<frmFlash> intro = new frmFlash;
    intro->Load();
    intro->Refresh();
    intro->Show();
    intro->PlayHeader();
    EXPECT_EQ(intro->heldPicture().pixelWidth(), 64);

    // Follow the run: note where the video was placed while it played.
    QRect videoRect;
    bool sawBlackBehindVideo = false;
    const bool done = QTest::qWaitFor(
        [&] {
            if (intro && intro->player()) {
                clsPlayer* p = intro->player();
                videoRect = QRect(p->Left(), p->Top(), p->Width(), p->Height());
                sawBlackBehindVideo = intro->heldPicture().pixelWidth() == 8;
            }
            return handedOver;
        },
        20000);

    EXPECT_TRUE(done) << "the intro did not reach the main window";
    EXPECT_EQ(videoRect, QRect(320, 240, 160, 120)) << "the video plays centred at its natural size";
    EXPECT_TRUE(sawBlackBehindVideo);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(intro.isNull()) << "the intro window unloaded and went";

    mainWindow.Unload();
    Openers() = WindowOpeners{};
    startup::SetAppFolder(QString());
    ResetSharedState();
}
