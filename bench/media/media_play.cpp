// Plays one file through the player's media framework into a video widget and
// exits at its end: the program that bench/media/run.sh measures.
//
//   media_play FILE [natural|WxH] [source|painter|smooth]
//
// The window is shown at the video's natural size or at WxH (the video then
// fills it, as in full screen). Without a third argument the picture is
// scaled as the player scales it (the library draws a picture made smaller,
// the frame stretch one made larger); "source" lets the library scale it
// always, "painter" stretches a natural-size picture while painting, nearest
// pixel, and "smooth" with the frame stretch's interpolation. Like the main window, a 10 ms timer reads position and
// duration twice per tick. At the end it prints how many pictures were painted.
#include "media/MediaFramework.h"
#include "ui/Errors.h"
#include "ui/VideoWindow.h"
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <clocale>
#include <cstdio>

namespace {

// Counts the paints of the video widget (the one child of the window).
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& window) : window_(window) {}
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->parent() == &window_) ++count;
        return false;
    }

private:
    QWidget& window_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: media_play FILE [natural|WxH] [source|painter]\n");
        return 2;
    }
    const QString size = args.value(2, QStringLiteral("natural"));
    const QString scaling = args.value(3);
    if (scaling == QLatin1String("source")) ui::VideoWindow::setScaling(ui::VideoScaling::InSource);
    if (scaling == QLatin1String("painter")) ui::VideoWindow::setScaling(ui::VideoScaling::InPainter);
    if (scaling == QLatin1String("smooth")) ui::VideoWindow::setScaling(ui::VideoScaling::InPainterSmooth);

    try {
        auto graph = media::CreateMpvGraph();
        graph->RenderFile(args[1]);
        QWidget window;
        window.setWindowFlag(Qt::FramelessWindowHint);
        int w = graph->get_Width(), h = graph->get_Height();
        if (size != QLatin1String("natural")) {
            const QStringList wh = size.split(QLatin1Char('x'));
            w = wh.value(0).toInt();
            h = wh.value(1).toInt();
        }
        window.setGeometry(0, 0, w, h);
        window.show();
        graph->put_Owner(&window);
        graph->put_MessageDrain(&window);
        graph->put_Left(0);
        graph->put_Top(0);
        graph->put_Width(w);
        graph->put_Height(h);
        graph->put_WindowStyle(7);
        graph->Run();

        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            const double seekBar = graph->get_CurrentPosition() / graph->get_Duration();
            const double ended = graph->get_CurrentPosition() / graph->get_Duration();
            if (seekBar >= 0 && ended > 0.9999) app.quit();
        });
        tick.start(10);
        PaintCounter paints(window);
        app.installEventFilter(&paints);
        const int rc = app.exec();
        std::printf("painted %d pictures\n", paints.count);
        return rc;
    } catch (const ui::RuntimeError& e) {
        std::fprintf(stderr, "media_play: %s\n", e.what());
        return 1;
    }
}
