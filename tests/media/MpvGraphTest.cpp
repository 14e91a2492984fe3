// The media framework over libmpv, on real clips made at test time: what the
// windows rely on (length, natural size, the end of the stream, pause, seek,
// the picture inside the owner widget) and what bad files do.
#include "media/MediaFramework.h"
#include "media/TestClips.h"
#include "media/clsPlayer.h"
#include "media/mpv/MpvGraph.h"
#include "support/SimPlatform.h"
#include "ui/Errors.h"
#include "ui/Platform.h"
#include <QElapsedTimer>
#include <QFile>
#include <QBackingStore>
#include <QImage>
#include <QPixmap>
#include <QRandomGenerator>
#include <QTest>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <mpv/client.h>

namespace {

using mediatest::ClipKind;
using mediatest::factsOf;

constexpr int kPlayTimeoutMs = 8000;

mediatest::TestClips& clips() {
    static mediatest::TestClips c;
    return c;
}

// The clip's path as a disc names it: "\" separators, the file name in
// another letter case.
QString discStylePath(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    QString disc = path.left(slash + 1) + path.mid(slash + 1).toUpper();
    if (disc == path) disc = path.left(slash + 1) + path.mid(slash + 1).toLower();
    return disc.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

double ratio(ui::MediaGraph& g) { return g.get_CurrentPosition() / g.get_Duration(); }

bool isRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 70 && qBlue(c) < 70; }

QRgb pixelOf(QWidget& w, QPoint at) { return w.grab().toImage().pixel(at); }

class MpvFormatTest : public ::testing::TestWithParam<ClipKind> {};

TEST_P(MpvFormatTest, RenderFileKnowsLengthAndNaturalSize) {
    const auto& facts = factsOf(GetParam());
    auto graph = media::CreateMpvGraph();
    graph->RenderFile(discStylePath(clips().path(GetParam())));
    EXPECT_NEAR(graph->get_Duration(), facts.seconds, 0.15);
    EXPECT_EQ(graph->get_Width(), facts.size.width());
    EXPECT_EQ(graph->get_Height(), facts.size.height());
    EXPECT_EQ(graph->get_CurrentPosition(), 0.0);
}

TEST_P(MpvFormatTest, PlaysToTheEndWherePositionReadsAsDuration) {
    auto graph = media::CreateMpvGraph();
    graph->RenderFile(clips().path(GetParam()));
    QWidget owner;
    owner.resize(160, 120);
    owner.show();
    graph->put_Owner(&owner);
    QElapsedTimer played;
    played.start();
    graph->Run();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ratio(*graph) > 0.9999; }, kPlayTimeoutMs));
    // It really played rather than jumping to the end.
    EXPECT_GT(played.elapsed(), qint64(factsOf(GetParam()).seconds * 1000 * 0.7));
    EXPECT_EQ(graph->get_CurrentPosition(), graph->get_Duration());
}

TEST_P(MpvFormatTest, ExactSeekLandsBetweenKeyframes) {
    // Keyframes every 1.2 s: a seek to 0.6 lands there only when it decodes
    // forward from the keyframe before it. Going to 1.4 first makes any landing
    // elsewhere show up as a change of position.
    auto graph = media::CreateMpvGraph();
    graph->RenderFile(clips().path(GetParam()));
    graph->put_CurrentPosition(1.4);
    QTest::qWait(500);
    graph->put_CurrentPosition(0.6);
    EXPECT_EQ(graph->get_CurrentPosition(), 0.6);
    QTest::qWait(700);
    EXPECT_NEAR(graph->get_CurrentPosition(), 0.6, 0.045);
    graph->Run();
    QTest::qWait(300);
    graph->Pause();
    EXPECT_GT(graph->get_CurrentPosition(), 0.7);
    EXPECT_LT(graph->get_CurrentPosition(), 1.3);
}

std::string formatName(const ::testing::TestParamInfo<ClipKind>& info) {
    const char* names[] = {"Wmv", "Mpeg1", "Mpeg2", "VideoCd", "Red", "Sound"};
    return names[int(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Formats, MpvFormatTest,
                         ::testing::Values(ClipKind::Wmv, ClipKind::Mpeg1, ClipKind::Mpeg2, ClipKind::VideoCd),
                         formatName);

TEST(MpvGraphTest, PauseHoldsThePosition) {
    auto graph = media::CreateMpvGraph();
    graph->RenderFile(clips().path(ClipKind::Mpeg1));
    graph->Run();
    QTest::qWait(500);
    graph->Pause();
    QTest::qWait(300);
    const double held = graph->get_CurrentPosition();
    QTest::qWait(500);
    EXPECT_EQ(graph->get_CurrentPosition(), held);
    EXPECT_GT(held, 0.2);
    EXPECT_LT(held, 1.2);
}

TEST(MpvGraphTest, VideoIsDrawnInsideTheOwnerAtItsRectangleAndLetsInputThrough) {
    QWidget owner;
    owner.resize(400, 300);
    owner.setAutoFillBackground(true);
    owner.setPalette(QPalette(Qt::blue));
    owner.show();
    auto graph = media::CreateMpvGraph();
    graph->RenderFile(clips().path(ClipKind::RedMpeg1));
    graph->put_Owner(&owner);
    graph->put_MessageDrain(&owner);
    graph->put_Left(40);
    graph->put_Top(30);
    graph->put_Width(200);
    graph->put_Height(150);
    graph->put_WindowStyle(7);
    EXPECT_EQ(graph->get_Left(), 40);
    EXPECT_EQ(graph->get_Top(), 30);

    // Paused after RenderFile, the first picture shows.
    EXPECT_TRUE(QTest::qWaitFor([&] { return isRed(pixelOf(owner, {140, 105})); }, 3000));
    EXPECT_FALSE(isRed(pixelOf(owner, {20, 20})));
    EXPECT_FALSE(isRed(pixelOf(owner, {245, 185})));
    // Clicks on the picture reach the owner.
    EXPECT_EQ(owner.childAt(140, 105), nullptr);

    // Full size, playing.
    graph->put_Left(0);
    graph->put_Top(0);
    graph->put_Width(400);
    graph->put_Height(300);
    graph->Run();
    EXPECT_TRUE(QTest::qWaitFor([&] { return isRed(pixelOf(owner, {395, 295})) && isRed(pixelOf(owner, {5, 5})); }, 3000));

    // Released, the picture is gone at once.
    graph.reset();
    EXPECT_TRUE(owner.findChildren<QWidget*>().isEmpty());
    EXPECT_FALSE(isRed(pixelOf(owner, {200, 150})));
}

// A frame drawn at the size it is shown goes straight into the window's own
// surface (what the screen gets), at the video's place there, the owner
// sitting inside another widget. A part of the video repainted alone (as when
// a window over it goes away) shows the frame too, and nothing more.
TEST(MpvGraphTest, FramesLandInTheWindowsSurfaceAtTheVideosPlace) {
    QWidget top;
    top.resize(400, 300);
    top.setAutoFillBackground(true);
    top.setPalette(QPalette(Qt::blue));
    QWidget owner(&top);
    owner.setGeometry(30, 20, 320, 240);
    top.show();
    auto graph = media::CreateMpvGraph();
    graph->RenderFile(clips().path(ClipKind::RedMpeg1));
    graph->put_Owner(&owner);
    graph->put_Left(40);
    graph->put_Top(30);
    graph->put_Width(200);
    graph->put_Height(150);
    auto shown = [&](QPoint at) { return static_cast<QImage*>(top.backingStore()->paintDevice())->pixel(at); };
    // The video covers x 70-269 and y 50-199 of the window.
    EXPECT_TRUE(QTest::qWaitFor([&] { return isRed(shown({70, 50})) && isRed(shown({269, 199})); }, 3000));
    for (QPoint outside : {QPoint(69, 120), QPoint(270, 120), QPoint(150, 49), QPoint(150, 200)})
        EXPECT_FALSE(isRed(shown(outside))) << outside.x() << "," << outside.y();
    // Opaque, as the surface's other pixels are (Qt's X11 surfaces take the
    // fourth byte as opacity), whether drawn in place or through the buffer.
    const QImage& surface = *static_cast<QImage*>(top.backingStore()->paintDevice());
    auto alphaAt = [&](QPoint at) {
        return reinterpret_cast<const quint32*>(surface.constScanLine(at.y()))[at.x()] >> 24;
    };
    EXPECT_EQ(alphaAt({150, 120}), 0xFFu);
    // A widget raised over the video keeps its pixels when another part of
    // the video is repainted alone.
    ASSERT_EQ(owner.findChildren<QWidget*>().size(), 1);
    QWidget* video = owner.findChildren<QWidget*>().front();
    QWidget cover(&owner);
    cover.setAutoFillBackground(true);
    cover.setPalette(QPalette(Qt::green));
    cover.setGeometry(140, 100, 40, 40);  // x 170-209, y 120-159 of the window
    cover.show();
    cover.raise();
    QTest::qWait(100);
    video->repaint(30, 50, 20, 20);  // x 100-119, y 100-119 of the window
    EXPECT_TRUE(isRed(shown({110, 110})));
    EXPECT_EQ(alphaAt({110, 110}), 0xFFu);
    EXPECT_EQ(shown({190, 140}), QColor(Qt::green).rgb());
}

// Full screen hands the video to another widget and back.
TEST(MpvGraphTest, VideoMovesToANewOwner) {
    QWidget first, second;
    for (QWidget* w : {&first, &second}) {
        w->resize(320, 240);
        w->setAutoFillBackground(true);
        w->setPalette(QPalette(Qt::blue));
        w->show();
    }
    auto graph = media::CreateMpvGraph();
    graph->RenderFile(clips().path(ClipKind::RedMpeg1));
    graph->put_Owner(&first);
    EXPECT_TRUE(QTest::qWaitFor([&] { return isRed(pixelOf(first, {160, 120})); }, 3000));
    graph->put_Owner(&second);
    EXPECT_TRUE(QTest::qWaitFor([&] { return isRed(pixelOf(second, {160, 120})); }, 3000));
    EXPECT_FALSE(isRed(pixelOf(first, {160, 120})));
    EXPECT_TRUE(first.findChildren<QWidget*>().isEmpty());
}

TEST(MpvGraphTest, StoppedPlayerStandsAtTheEndOnItsLastPicture) {
    sim::SimPlatform platform;
    platform.graphFactory = [] { return media::CreateMpvGraph(); };
    QWidget owner;
    owner.resize(320, 240);
    owner.show();
    clsPlayer player;
    player.RenderFile(clips().path(ClipKind::RedMpeg1));
    player.setOwner(&owner);
    player.Run();
    QTest::qWait(300);
    player.Stopp();
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(player.IVMPos().get_CurrentPosition(), player.IVMPos().get_Duration());
    QTest::qWait(500);
    EXPECT_EQ(player.IVMPos().get_CurrentPosition(), player.IVMPos().get_Duration());
    EXPECT_TRUE(isRed(pixelOf(owner, {160, 120})));
}

// While a file opens, the windows go on painting: the wait lets paint events
// through, and with them the posted calls of the cores (here those of a clip
// that plays meanwhile), which must not take the opening file's events from
// the wait. The timer of the caller does not tick inside it.
TEST(MpvGraphTest, WindowsRepaintWhileAFileOpens) {
    sim::SimPlatform platform;
    int pumps = 0;
    bool onlyPainting = true;
    platform.onPaintPump = [&] {
        ++pumps;
        onlyPainting = onlyPainting && ui::OnlyPaintingNow();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    auto playing = media::CreateMpvGraph();
    playing->RenderFile(clips().path(ClipKind::Mpeg1));
    playing->Run();
    auto graph = media::CreateMpvGraph();
    for (ClipKind kind : {ClipKind::Wmv, ClipKind::Mpeg2, ClipKind::VideoCd, ClipKind::Wmv}) {
        SCOPED_TRACE(factsOf(kind).name);
        graph->RenderFile(clips().path(kind));
        EXPECT_EQ(graph->get_Width(), factsOf(kind).size.width());
        EXPECT_NEAR(graph->get_Duration(), factsOf(kind).seconds, 0.15);
    }
    EXPECT_GT(pumps, 0);
    EXPECT_TRUE(onlyPainting);
    EXPECT_FALSE(ui::OnlyPaintingNow());
}

// The second file replaces the first, whose closing events must not be taken
// for the new one's; after a video CD track the format is probed again; a
// Chinese file name opens like any other.
TEST(MpvGraphTest, RenderFileAgainReplacesTheFile) {
    auto graph = media::CreateMpvGraph();
    graph->RenderFile(clips().path(ClipKind::VideoCd));
    graph->Run();
    QTest::qWait(200);
    QFile wmv(clips().path(ClipKind::Wmv));
    const QString chineseName = clips().folder() + QString::fromUtf8("/第一课.wmv");
    ASSERT_TRUE(wmv.copy(chineseName));
    graph->RenderFile(chineseName);
    EXPECT_EQ(graph->get_Width(), 320);
    EXPECT_NEAR(graph->get_Duration(), 1.6, 0.15);
    EXPECT_LT(graph->get_CurrentPosition(), 0.1);
    graph->Run();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ratio(*graph) > 0.9999; }, kPlayTimeoutMs));
}

TEST(MpvGraphTest, SoundOnlyFilePlaysButHasNoVideoWindow) {
    auto graph = media::CreateMpvGraph();
    graph->RenderFile(clips().path(ClipKind::SoundOnly));
    EXPECT_NEAR(graph->get_Duration(), 1.2, 0.15);
    QWidget owner;
    try {
        graph->put_Owner(&owner);
        ADD_FAILURE() << "put_Owner succeeded without video";
    } catch (const ui::MediaError& e) {
        EXPECT_TRUE(e.text().contains(QLatin1String("no video"))) << e.text().toStdString();
    }
    graph->put_Volume(-10000);
    graph->Run();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ratio(*graph) > 0.9999; }, kPlayTimeoutMs));
}

TEST(MpvGraphTest, VolumeOutsideTheScaleIsRefused) {
    auto graph = media::CreateMpvGraph();
    graph->put_Volume(-5000);
    EXPECT_THROW(graph->put_Volume(-10001), ui::MediaError);
    EXPECT_THROW(graph->put_Volume(1), ui::MediaError);
    EXPECT_EQ(graph->get_Volume(), -5000);
}

// A new graph has no core until its first file: every call a window may make
// before it answers as on a graph without a file, and none starts the core.
TEST(MpvGraphTest, GraphBeforeItsFirstFileAnswersWithoutACore) {
    media::MpvGraph graph;
    QWidget owner;
    const std::pair<const char*, std::function<void()>> refused[] = {
        {"get_Duration", [&] { graph.get_Duration(); }},
        {"get_CurrentPosition", [&] { graph.get_CurrentPosition(); }},
        {"put_CurrentPosition", [&] { graph.put_CurrentPosition(1); }},
        {"put_Owner", [&] { graph.put_Owner(&owner); }},
        {"put_MessageDrain", [&] { graph.put_MessageDrain(&owner); }},
        {"put_Left", [&] { graph.put_Left(1); }},
        {"put_Top", [&] { graph.put_Top(1); }},
        {"put_Width", [&] { graph.put_Width(10); }},
        {"put_Height", [&] { graph.put_Height(10); }},
        {"get_Left", [&] { graph.get_Left(); }},
        {"get_Top", [&] { graph.get_Top(); }},
        {"get_Width", [&] { graph.get_Width(); }},
        {"get_Height", [&] { graph.get_Height(); }},
        {"put_WindowStyle", [&] { graph.put_WindowStyle(7); }},
    };
    for (const auto& [name, call] : refused) {
        SCOPED_TRACE(name);
        try {
            call();
            ADD_FAILURE() << "succeeded without a file";
        } catch (const ui::MediaError& e) {
            EXPECT_EQ(e.text(), QStringLiteral("no media file is open"));
        }
    }
    EXPECT_NO_THROW(graph.Run());
    EXPECT_NO_THROW(graph.Pause());
    EXPECT_NO_THROW(graph.Stop());
    EXPECT_THROW(graph.put_Volume(1), ui::MediaError);
    graph.put_Volume(-6000);
    EXPECT_EQ(graph.get_Volume(), -6000);
    EXPECT_EQ(graph.coreHandle(), nullptr);
}

// The volume given before the first file is the core's once the file is open.
TEST(MpvGraphTest, VolumeSetBeforeTheFirstFileReachesTheCore) {
    struct Case {
        int32_t level;  // 1: none set
        double volume;  // the core's, in percent
    };
    const Case cases[] = {{-6000, 10.0}, {-10000, 0.0}, {1, 100.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        media::MpvGraph graph;
        if (c.level <= 0) graph.put_Volume(c.level);
        graph.RenderFile(clips().path(ClipKind::SoundOnly));
        ASSERT_NE(graph.coreHandle(), nullptr);
        double volume = -1;
        ASSERT_GE(mpv_get_property(graph.coreHandle(), "volume", MPV_FORMAT_DOUBLE, &volume), 0);
        EXPECT_NEAR(volume, c.volume, 1e-9);
    }
}

QByteArray randomBytes(int size) {
    QRandomGenerator gen(20240601);
    QByteArray b(size, '\0');
    for (char& c : b) c = char(gen.bounded(256));
    return b;
}

QByteArray headOf(const QString& path, int size) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.read(size) : QByteArray();
}

TEST(MpvGraphTest, BadFilesFailWithTheirCauseAndLeaveNoVideo) {
    struct Case {
        const char* name;
        QByteArray content;  // null: the file is not there
        const char* cause;
    };
    const Case cases[] = {
        {"missing.wmv", QByteArray(), "does not exist"},
        {"text.wmv", "This is not a video, just a note on the disc.\r\n", ""},
        {"noise.wmv", randomBytes(64 * 1024), ""},
        {"cut.dat", headOf(clips().path(ClipKind::VideoCd), 100), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = c.content.isNull() ? clips().folder() + "/" + c.name : clips().writeFile(c.name, c.content);
        auto graph = media::CreateMpvGraph();
        QString cause;
        try {
            graph->RenderFile(path);
            ADD_FAILURE() << "RenderFile succeeded";
        } catch (const ui::MediaError& e) {
            cause = e.text();
        }
        EXPECT_TRUE(cause.contains(QLatin1String(c.name))) << cause.toStdString();
        EXPECT_TRUE(cause.contains(QLatin1String(c.cause))) << cause.toStdString();
        QWidget owner;
        try {
            graph->put_Owner(&owner);
            ADD_FAILURE() << "put_Owner succeeded";
        } catch (const ui::MediaError& e) {
            EXPECT_EQ(e.text(), cause);
        }
        EXPECT_THROW(graph->get_Duration(), ui::MediaError);
        EXPECT_NO_THROW(graph->Run());
    }
}

// A clip cut short opens when its header is whole: it plays what it holds and
// reaches its end, so the windows move on.
TEST(MpvGraphTest, TruncatedClipPlaysWhatItHoldsAndEnds) {
    struct Case {
        const char* name;
        ClipKind kind;
        int bytes;
    };
    const Case cases[] = {{"half.mpg", ClipKind::Mpeg1, 0}, {"header.wmv", ClipKind::Wmv, 1500}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString full = clips().path(c.kind);
        const int bytes = c.bytes ? c.bytes : int(QFile(full).size() / 2);
        auto graph = media::CreateMpvGraph();
        graph->RenderFile(clips().writeFile(c.name, headOf(full, bytes)));
        graph->Run();
        EXPECT_TRUE(QTest::qWaitFor([&] { return ratio(*graph) > 0.9999; }, kPlayTimeoutMs));
    }
}

TEST(MpvGraphTest, ReleasingGraphsWhilePlayingIsSafeInAnyOrder) {
    auto owner = std::make_unique<QWidget>();
    owner->resize(320, 240);
    owner->show();
    auto first = media::CreateMpvGraph();
    auto second = media::CreateMpvGraph();
    first->RenderFile(clips().path(ClipKind::Mpeg1));
    second->RenderFile(clips().path(ClipKind::Wmv));
    first->put_Owner(owner.get());
    second->put_Owner(owner.get());
    first->Run();
    second->Run();
    QTest::qWait(300);
    owner.reset();  // the owner goes first, taking the video widgets with it
    first.reset();
    QTest::qWait(50);
    second.reset();
    SUCCEED();
}

}  // namespace
