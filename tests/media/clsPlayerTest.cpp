// clsPlayer on the simulated framework: its playing flag, the move to the end
// on Stopp, the volume formula and the failures it swallows or passes on.
#include "media/clsPlayer.h"
#include "support/SimMediaGraph.h"
#include "support/SimPlatform.h"
#include "ui/Errors.h"
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <limits>

namespace {

class ClsPlayerTest : public ::testing::Test {
protected:
    QString clip(double seconds = 12.5, bool video = true) {
        const QString p = dir.filePath(QStringLiteral("lesson%1.wmv").arg(++clips));
        sim::writeSimClip(p, seconds, 320, 240, video, true);
        return p;
    }
    sim::SimMediaGraph& graph() { return *sim::lastSimGraph(); }

    sim::SimPlatform platform;
    QTemporaryDir dir;
    int clips = 0;
};

TEST_F(ClsPlayerTest, PlayingFlagFollowsRunAndStoppButNotPause) {
    clsPlayer player;
    EXPECT_FALSE(player.isPlaying());
    player.RenderFile(clip());
    EXPECT_FALSE(player.isPlaying());
    player.Run();
    EXPECT_TRUE(player.isPlaying());
    platform.advance(2.0);
    player.Pause();
    EXPECT_TRUE(player.isPlaying());
    EXPECT_EQ(graph().state(), sim::SimMediaGraph::State::Paused);
    player.Run();
    EXPECT_TRUE(player.isPlaying());
    player.Stopp();
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(graph().state(), sim::SimMediaGraph::State::Stopped);
}

TEST_F(ClsPlayerTest, StoppStandsAtTheEnd) {
    clsPlayer player;
    player.RenderFile(clip(12.5));
    player.Run();
    platform.advance(3.0);
    EXPECT_NEAR(player.IVMPos().get_CurrentPosition(), 3.0, 1e-9);
    player.Stopp();
    EXPECT_EQ(player.IVMPos().get_CurrentPosition(), player.IVMPos().get_Duration());
    EXPECT_EQ(player.IVMPos().get_Duration(), 12.5);
}

TEST_F(ClsPlayerTest, VolumeSetsLevelsAndIgnoresRefusals) {
    constexpr int32_t unchanged = 12345;  // marks "the previous level stays"
    struct Case {
        int32_t volume;
        int32_t level;
    };
    const Case cases[] = {
        {0, -10000}, {25, -5000}, {50, 0}, {60, 0}, {1, -9800},
        {-1, unchanged},                                  // -10200: refused by the graph
        {std::numeric_limits<int32_t>::max(), 0},         // product overflows: level 0
        {-20000000, 0},                                   // product overflows: level 0
        {-10737418, 0},                                   // the subtraction overflows: level 0
        {-10737000, unchanged},                           // fits, far below -10000: refused
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.volume);
        clsPlayer player;
        player.RenderFile(clip());
        player.setVolume(25);
        player.setVolume(c.volume);
        EXPECT_EQ(graph().volume(), c.level == unchanged ? -5000 : c.level);
    }
}

TEST_F(ClsPlayerTest, VolumeOnAGraphWithoutAFileIsStillPassedOn) {
    clsPlayer player;
    player.setVolume(50);
    EXPECT_EQ(graph().volumeCalls(), 1);
}

TEST_F(ClsPlayerTest, MissingOrDamagedFileIsSwallowedAndVideoCallsCarryTheCause) {
    const QString missing = dir.filePath(QStringLiteral("no such lesson.wmv"));
    const QString damaged = dir.filePath(QStringLiteral("damaged.wmv"));
    QFile f(damaged);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("MZ not a clip at all");
    f.close();
    for (const QString& path : {missing, damaged}) {
        SCOPED_TRACE(path.toStdString());
        clsPlayer player;
        EXPECT_NO_THROW(player.RenderFile(path));
        QWidget owner;
        try {
            player.setOwner(&owner);
            ADD_FAILURE() << "Owner on a graph without a file succeeded";
        } catch (const ui::MediaError& e) {
            EXPECT_TRUE(e.text().contains(path)) << e.text().toStdString();
        }
        EXPECT_THROW(player.Width(), ui::MediaError);
        EXPECT_THROW(player.setWinStyle(7), ui::MediaError);
    }
}

TEST_F(ClsPlayerTest, OwnerSetsOwnerAndDrainAndSizesStartAtTheNaturalSize) {
    clsPlayer player;
    player.RenderFile(clip());
    EXPECT_EQ(player.Width(), 320);
    EXPECT_EQ(player.Height(), 240);
    QWidget owner;
    player.setOwner(&owner);
    EXPECT_EQ(graph().owner(), &owner);
    EXPECT_EQ(graph().drain(), &owner);
    player.setLeft(10);
    player.setTop(20);
    player.setWidth(640);
    player.setHeight(480);
    player.setWinStyle(7);
    EXPECT_EQ(graph().rect(), QRect(10, 20, 640, 480));
    EXPECT_EQ(player.Left(), 10);
    EXPECT_EQ(player.Top(), 20);
    EXPECT_EQ(graph().style(), 7);
}

TEST_F(ClsPlayerTest, SoundOnlyClipFailsTheVideoCalls) {
    clsPlayer player;
    player.RenderFile(clip(5.0, false));
    EXPECT_DOUBLE_EQ(player.IVMPos().get_Duration(), 5.0);
    QWidget owner;
    EXPECT_THROW(player.setOwner(&owner), ui::MediaError);
}

TEST_F(ClsPlayerTest, DroppingThePlayerReleasesItsGraph) {
    const int before = sim::liveSimGraphs();
    {
        clsPlayer player;
        player.RenderFile(clip());
        player.Run();
        EXPECT_EQ(sim::liveSimGraphs(), before + 1);
    }
    EXPECT_EQ(sim::liveSimGraphs(), before);
    EXPECT_EQ(sim::lastSimGraph(), nullptr);
}

// The simulated clip follows virtual time, stops at its end, holds while
// paused and jumps where a seek puts it.
TEST_F(ClsPlayerTest, SimulatedPositionFollowsVirtualTime) {
    clsPlayer player;
    player.RenderFile(clip(4.0));
    ui::IMediaPosition& pos = player.IVMPos();
    platform.advance(1.0);
    EXPECT_EQ(pos.get_CurrentPosition(), 0.0);  // not running yet
    player.Run();
    platform.advance(1.5);
    EXPECT_NEAR(pos.get_CurrentPosition(), 1.5, 1e-9);
    player.Pause();
    platform.advance(1.0);
    EXPECT_NEAR(pos.get_CurrentPosition(), 1.5, 1e-9);
    pos.put_CurrentPosition(0.5);
    player.Run();
    platform.advance(1.0);
    EXPECT_NEAR(pos.get_CurrentPosition(), 1.5, 1e-9);
    platform.advance(10.0);
    EXPECT_EQ(pos.get_CurrentPosition(), 4.0);
    EXPECT_GT(pos.get_CurrentPosition() / pos.get_Duration(), 0.9999);
}

}  // namespace
