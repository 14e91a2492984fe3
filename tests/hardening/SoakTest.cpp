// Soak: the menu -> lesson (full screen on and off) -> end -> menu cycle many
// times over, on the simulated platform (1,000 cycles) and on libmpv with real
// short clips (10 in the suite; AUTORUN_SOAK_CYCLES sets another count,
// tools/soak.sh runs 50). After a warm-up, the process's open file descriptors must come back to
// where they stood and its resident memory must stay within a bound; the
// figures are printed.
#include "hardening/PlayerRun.h"
#include "hardening/RealMedia.h"
#include "player/MenuFixture.h"
#include "player/OpenMainWindow.h"
#include "support/DiscFixture.h"
#include "support/SimMediaGraph.h"
#include "support/SimPlatform.h"
#include "ui/Form.h"
#include "ui/Guard.h"
#include <QDir>
#include <QFile>
#include <algorithm>
#include <malloc.h>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

using hardening::PlayerRun;

int openDescriptors() { return int(QDir("/proc/self/fd").entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size()); }

long residentKb() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

struct Figures {
    int fdStart = 0, fdEnd = 0;
    long rssBeforeWarmUp = 0, rssStart = 0, rssHalf = 0, rssEnd = 0, rssMax = 0;
    int cycles = 0;
    std::vector<long> samples;  // VmRSS after every tenth of the cycles
};

// Runs the cycle `count` times after `warmUp` cycles, sampling the figures;
// stops at the first cycle that goes wrong.
Figures soak(PlayerRun& run, int warmUp, int count, double budget, const std::vector<QPoint>& items) {
    Figures f;
    auto cycle = [&](int n) {
        const QPoint at = items[size_t(n) % items.size()];
        run.clickLesson(at);
        if (!run.lessonPlaying()) {
            ADD_FAILURE() << "cycle " << n << ": the lesson did not start";
            return false;
        }
        // Full screen on and off: the video moves to the whole window and back.
        menutest::click(run.window().Image2);
        menutest::click(run.window().Image2);
        if (!run.wait([&] { return run.menuShown(); }, budget)) {
            ADD_FAILURE() << "cycle " << n << ": the menu did not return";
            return false;
        }
        return true;
    };
    f.rssBeforeWarmUp = residentKb();
    for (int n = 0; n < warmUp; ++n)
        if (!cycle(n)) return f;
    f.fdStart = openDescriptors();
    f.rssStart = f.rssMax = residentKb();
    for (int n = 0; n < count; ++n) {
        if (!cycle(warmUp + n)) break;
        ++f.cycles;
        const long rss = residentKb();
        f.rssMax = std::max(f.rssMax, rss);
        if ((n + 1) % std::max(1, count / 10) == 0) f.samples.push_back(rss);
        if (n + 1 == count / 2) f.rssHalf = rss;
    }
    f.fdEnd = openDescriptors();
    f.rssEnd = residentKb();
    return f;
}

void print(const char* what, const Figures& f) {
    std::printf("%s: %d cycles after the warm-up; open descriptors %d -> %d; VmRSS %ld kB before the warm-up, "
                "%ld kB -> %ld kB (max %ld kB, growth %+ld kB, over the second half %+ld kB)\n",
                what, f.cycles, f.fdStart, f.fdEnd, f.rssBeforeWarmUp, f.rssStart, f.rssEnd, f.rssMax,
                f.rssMax - f.rssStart, f.rssEnd - f.rssHalf);
    std::printf("  VmRSS kB after each tenth:");
    for (long s : f.samples) std::printf(" %ld", s);
    std::printf("\n");
    std::fflush(stdout);
}

// Under the address sanitizer freed memory waits in a quarantine of some
// 256 MB before reuse, so resident memory grows by design: the figures are
// printed but not judged there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryIsJudged = false;
#else
constexpr bool kMemoryIsJudged = true;
#endif

int cyclesFromEnvironment(int fallback) {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("AUTORUN_SOAK_CYCLES", &ok);
    return ok && n > 0 ? n : fallback;
}

TEST(Soak, ThousandLessonsOnTheSimulatedPlatform) {
    sim::SimPlatform sim;
    fixture::DiscFixture disc;
    hardening::writeDisc(disc, QString(), QString(), {"lesson,lesson.wmv"});
    sim::writeSimClip(disc.filePath("lesson.wmv"), 2.0);
    PlayerRun run(disc, [&sim](const std::function<bool()>& done, double seconds) {
        for (double t = 0; t < seconds && !done() && !sim.exitCode; t += 0.05) ui::Guarded([&] { sim.advance(0.05); });
        return done();
    });
    run.start();
    ASSERT_TRUE(run.menuShown());

    const Figures f = soak(run, 10, 1000, 5.0, {hardening::kLessonItem});
    print("simulated platform", f);
    EXPECT_EQ(f.cycles, 1000);
    // Nothing of a lesson stays behind: no file, no graph, no window.
    EXPECT_EQ(f.fdEnd, f.fdStart);
    EXPECT_EQ(sim::liveSimGraphs(), 0);
    EXPECT_EQ(ui::LoadedFormCount(), 1);
    // Flat within 4 MB, and within 1 MB over the last 500 cycles: a leak of
    // even two kilobytes a cycle would show.
    if (kMemoryIsJudged) {
        EXPECT_LT(f.rssMax - f.rssStart, 4 * 1024);
        EXPECT_LT(f.rssEnd - f.rssHalf, 1024);
    }
    EXPECT_TRUE(sim.messages.empty());
    EXPECT_TRUE(sim.errorReports.empty());
}

TEST(Soak, LessonsOnLibmpv) {
    if (!hardening::ShortClips::available()) GTEST_SKIP() << "ffmpeg is not installed";
    hardening::ShortClips clips;
    fixture::DiscFixture disc;
    // Items 1-3 play one clip of each kind.
    hardening::writeDisc(disc, QString(), QString(), {"lesson,clip.wmv", "lesson,clip.mpg", "lesson,clip.dat"});
    for (const char* kind : {"wmv", "mpg", "dat"})
        disc.write(QStringLiteral("clip.") + QLatin1String(kind), clips.bytes(QString::fromLatin1(kind)));

    // The C library's allocator gives each thread that allocates at the same
    // time as others a pool of its own and keeps it for later threads; with
    // libmpv's threads these pools add 10 to 30 MB over the first dozen
    // lessons, in steps that depend on timing, then no more (their number is
    // bounded by the cores, not by the lessons). Two pools keep that out of
    // the figures, so that what they show is what lessons leave behind.
    mallopt(M_ARENA_MAX, 2);
    hardening::RecordingPlatform platform;
    PlayerRun run(disc, hardening::wallClockWait());
    run.start();
    ASSERT_TRUE(run.menuShown());

    const int count = cyclesFromEnvironment(10);
    const Figures f = soak(run, 6, count, 10.0,
                           {hardening::itemPoint(1), hardening::itemPoint(2), hardening::itemPoint(3)});
    print("libmpv", f);
    EXPECT_EQ(f.cycles, count);
    // Each lesson's media core and its threads go with the lesson; libmpv may
    // keep a descriptor or two of its own (audio output) between runs.
    EXPECT_LE(f.fdEnd - f.fdStart, 2);
    // After the warm-up, memory may still take a step or two while the
    // decoders, the full-screen video and the allocator settle their buffers
    // (up to some 8 MB, at moments that depend on timing), then stays flat
    // (150 cycles: +0.9 MB in all, +24 kB over the second half). The bounds
    // leave room for those steps and still catch a leak of one 800 x 600
    // frame a cycle (1.9 MB) within the suite's ten cycles.
    if (kMemoryIsJudged) {
        EXPECT_LT(f.rssMax - f.rssStart, 16 * 1024);
        EXPECT_LT(f.rssEnd - f.rssHalf, 6 * 1024);
    }
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.errors.empty());
}

}  // namespace
