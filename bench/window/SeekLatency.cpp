// Seek on the real main window with libmpv: a lesson plays, and the seek bar
// is pressed, moved and released as the window system delivers it
// (Progressbar1_MouseDown, Value, Progressbar1_MouseUp). Measured from the
// release: until the position the window reads (the seek bar's source) is at
// the target, and until the video shows its first new picture (the frame at
// the target: seeks are exact). Median and spread over N seeks to targets
// spread over the clip, forwards and backwards.
//
//   seek_latency [N]      (default 20; QT_QPA_PLATFORM as for any Qt program)
#include "BenchWindow.h"
#include "slider/Progressbar.h"
#include "ui/MediaGraph.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// Counts the paints of the video widget and notes when the last one came.
class VideoPaints : public QObject {
public:
    explicit VideoPaints(QWidget& video) : video_(video) {}
    int count = 0;
    qint64 lastNs = 0;
    bool grabbing = false;
    QElapsedTimer clock;

    // What the video widget shows now (its paints while grabbing are not counted).
    QImage shown() {
        grabbing = true;
        const QImage image = video_.grab().toImage();
        grabbing = false;
        return image;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!grabbing && event->type() == QEvent::Paint && watched == &video_) {
            ++count;
            lastNs = clock.nsecsElapsed();
        }
        return false;
    }

private:
    QWidget& video_;
};

// The video widget: the child of the picture area that is not the arrow.
QWidget* videoWidget(mForm& form) {
    for (QWidget* w : form.picPlay.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w != &form.imgTag && w->isVisible()) return w;
    return nullptr;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

void report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-40s median %7.2f ms  min %7.2f  max %7.2f  (n=%zu)\n", what, median(ms), ms.front(), ms.back(),
                ms.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int n = argc > 1 ? std::atoi(argv[1]) : 20;
    QTemporaryDir work;
    const QString clip = work.filePath(QStringLiteral("clip.mpg"));
    if (!bench::MakeBenchClip(clip)) {
        std::fprintf(stderr, "seek_latency: ffmpeg could not make the clip\n");
        return 1;
    }
    bench::BenchWindow window(bench::NameCase::AsWritten, clip);
    mForm& form = window.form();
    auto wait = bench::RunEventsFor;
    // Wakes the measuring loop every millisecond to read the position; between
    // events it sleeps, as the program does, leaving the cores to the player.
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    poll.setInterval(1);

    window.clickLesson();
    if (!form.Player) return 1;
    wait(500);
    QWidget* video = videoWidget(form);
    if (!video) {
        std::fprintf(stderr, "seek_latency: the lesson shows no video\n");
        return 1;
    }
    VideoPaints paints(*video);
    app.installEventFilter(&paints);
    const double duration = form.Player->IVMPos().get_Duration();
    std::vector<double> toPosition, toPicture;
    for (int i = 0; i < n; ++i) {
        // Targets between 10 % and 80 % of the clip, alternately ahead and behind.
        const int value = 1000 + (i * 3700) % 7000;
        const double target = value * duration / 10000.0;
        form.Progressbar1_MouseDown(1, 0, 0, 0);
        form.Progressbar1.setValue(value);
        wait(150);  // the paused picture settles
        const QImage paused = paints.shown();
        int seen = paints.count;
        paints.clock.start();
        poll.start();
        form.Progressbar1_MouseUp(1, 0, 0, 0);
        double atPosition = -1, atPicture = -1;
        while (paints.clock.elapsed() < 5000 && (atPosition < 0 || atPicture < 0)) {
            if (atPosition < 0 && std::abs(form.Player->IVMPos().get_CurrentPosition() - target) < 0.05)
                atPosition = paints.clock.nsecsElapsed() / 1e6;
            // A paint that shows another picture than the paused one: the
            // frame at the target (a repaint of the old frame does not count).
            if (atPicture < 0 && paints.count > seen) {
                const double paintedAt = paints.lastNs / 1e6;
                seen = paints.count;
                if (paints.shown() != paused) atPicture = paintedAt;
            }
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        poll.stop();
        if (atPosition >= 0) toPosition.push_back(atPosition);
        if (atPicture >= 0) toPicture.push_back(atPicture);
        wait(300);  // plays on a little before the next seek
        if (!form.Player) break;
    }
    std::printf("seeks on a %.1f s 640x480 25 fps MPEG-1 clip (keyframe every 15 frames):\n", duration);
    if (!toPosition.empty()) report("release -> position reads the target", toPosition);
    if (!toPicture.empty()) report("release -> first picture after the seek", toPicture);
    return toPosition.empty() ? 1 : 0;
}
