// A mouse move over the main window's bare background, once warm: the window
// puts its ten button pictures back at rest (Initial). Measured on the real
// main window (real Qt platform, offscreen unless QT_QPA_PLATFORM says
// otherwise) over the test skin, with the skin's names as the window spells
// them and in capitals (as copies of CDs often are). Counters: picture files
// read and decoded per move (ui::PictureFileReads; the target is none).
//
//   bench_mouse_move [Google Benchmark flags]
//   bench_mouse_move --moves=N [--upper] [--paint]   N moves and nothing else
//                                                    (for strace: run.sh)
#include "BenchWindow.h"
#include "ui/Picture.h"
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>

namespace {

void move(mForm& form, bool paint) {
    form.Form_MouseMove(0, 0, 20, 300);
    // What the event loop does after the move: the repaints it asked for.
    if (paint) QCoreApplication::processEvents();
}

void BM_BackgroundMove(benchmark::State& state) {
    const auto names = state.range(0) ? bench::NameCase::Upper : bench::NameCase::AsWritten;
    const bool paint = state.range(1) != 0;
    bench::BenchWindow window(names);
    mForm& form = window.form();
    move(form, true);  // warm: every picture decoded once
    const uint64_t reads = ui::PictureFileReads();
    for (auto _ : state) move(form, paint);
    state.counters["file_reads_per_move"] =
        benchmark::Counter(double(ui::PictureFileReads() - reads), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_BackgroundMove)
    ->ArgNames({"upper", "paint"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    long moves = -1;
    bool upper = false, paint = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--moves=", 8) == 0) moves = std::atol(argv[i] + 8);
        if (std::strcmp(argv[i], "--upper") == 0) upper = true;
        if (std::strcmp(argv[i], "--paint") == 0) paint = true;
    }
    if (moves >= 0) {
        bench::BenchWindow window(upper ? bench::NameCase::Upper : bench::NameCase::AsWritten);
        move(window.form(), true);
        // The marker lets run.sh count only what the moves do.
        std::fprintf(stderr, "moves begin\n");
        const uint64_t reads = ui::PictureFileReads();
        for (long i = 0; i < moves; ++i) move(window.form(), paint);
        std::fprintf(stderr, "moves end: %llu picture file reads\n",
                     static_cast<unsigned long long>(ui::PictureFileReads() - reads));
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
