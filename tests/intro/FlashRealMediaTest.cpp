// One intro run on real media: the real platform (Qt's clock and timers) and
// the libmpv media framework, a .jpg and a short .wmv made with ffmpeg.
#include "intro/frmFlash.h"
#include "startup/DiscConfig.h"
#include "startup/SharedState.h"
#include "startup/WindowOpeners.h"
#include "support/DiscFixture.h"
#include "support/RealMedia.h"
#include "ui/Form.h"
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

bool makeWmv(const QString& path) {
    return fixture::RunFfmpeg({"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=1", "-f", "lavfi", "-i",
                               "sine=frequency=440:duration=1", "-c:v", "wmv2", "-c:a", "wmav2", path});
}

}  // namespace

TEST(FlashRealMedia, PictureAndVideoPlayThroughToTheMainWindow) {
    if (fixture::FfmpegPath().isEmpty()) GTEST_SKIP() << "ffmpeg is not installed";
    fixture::RecordingPlatform platform;
    fixture::RealPlatformScope real(platform);
    fixture::DiscFixture disc;
    disc.writePicture("Intro.jpg", 64, 48, Qt::red);
    disc.writePicture("image\\black.jpg", 8, 8, Qt::black);
    ASSERT_TRUE(makeWmv(disc.filePath("clip.wmv")));

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
