// The cost of one Value assignment on the seek bar as the main window
// configures it (539 x 9 pixels, style 2, skin set, bites 17 and 16): one full
// redraw into the off-screen surface, and, shown on screen, that redraw plus
// the paint that copies the surface to the window.
#include "slider/Progressbar.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// A 100 x 9 strip: caps 17 + 17, filled 1, empty 1, four thumb frames of 16
// pixels with magenta corners.
ui::Picture SeekBarStrip() {
    QImage strip(100, 9, QImage::Format_RGB32);
    strip.fill(qRgb(40, 40, 40));
    for (int y = 0; y < 9; ++y) {
        strip.setPixel(34, y, qRgb(0, 90, 200));
        strip.setPixel(35, y, qRgb(200, 200, 200));
    }
    for (int k = 0; k < 4; ++k) {
        strip.setPixel(36 + 16 * k, 0, qRgb(255, 0, 255));
        strip.setPixel(51 + 16 * k, 0, qRgb(255, 0, 255));
    }
    return ui::Picture(strip);
}

std::unique_ptr<slider::Progressbar> SeekBar() {
    auto bar = std::make_unique<slider::Progressbar>();
    bar->setMax(10000);
    bar->Move(200, 503, 539, 9);
    bar->setStyle(2);
    bar->setCanMove(true);
    bar->setBite_LP(17);
    bar->setBite_RP(16);
    bar->setPicture(SeekBarStrip(), 17, 17, 1, 1, 16);
    // The main window's handlers: the pointer follows the thumb state.
    slider::Progressbar* raw = bar.get();
    bar->MouseOverCmd = [raw] { raw->setcMousePointer(99); };
    bar->MouseOutCmd = [raw] { raw->setcMousePointer(0); };
    bar->Changed = [](int32_t&, int32_t&) {};
    return bar;
}

void BM_SeekBarValue(benchmark::State& state) {
    auto bar = SeekBar();
    int32_t v = 0;
    for (auto _ : state) {
        bar->setValue(v);
        v = (v + 7) % 10001;
    }
    benchmark::DoNotOptimize(bar->surface().constBits());
}
BENCHMARK(BM_SeekBarValue)->Unit(benchmark::kMicrosecond);

void BM_SeekBarValueShownAndPainted(benchmark::State& state) {
    auto bar = SeekBar();
    bar->show();
    QApplication::processEvents();
    int32_t v = 0;
    for (auto _ : state) {
        bar->setValue(v);
        bar->repaint();  // the paint that the next event-loop pass would run
        v = (v + 7) % 10001;
    }
}
BENCHMARK(BM_SeekBarValueShownAndPainted)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
