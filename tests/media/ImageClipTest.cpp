// Clips played from inside disc images through the real media framework: an
// ISO holding the three clip kinds, and a Video CD (BIN/CUE) whose lesson is
// a Form 2 track. Each streams from the image without a copy, knows its
// length, seeks exactly and plays to its end; a slow disc is waited for.
#include "disc/DiscTestHooks.h"
#include "media/MediaFramework.h"
#include "media/mpv/MpvGraph.h"
#include <mpv/client.h>
#include "media/TestClips.h"
#include "support/DiscFixture.h"
#include "support/ImageFixture.h"
#include "ui/DiscMount.h"
#include "ui/Errors.h"
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

using mediatest::ClipKind;

mediatest::TestClips& clips() {
    static mediatest::TestClips c;
    return c;
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// Mounts the image as the disc for the life of the object.
struct Mounted {
    explicit Mounted(const QString& image) : root(image + QLatin1Char('/')) {
        QString why;
        std::unique_ptr<disc::Image> opened = disc::Image::open(image, &why);
        if (!opened) throw std::runtime_error(why.toStdString());
        ui::MountImage(std::move(opened), root);
    }
    ~Mounted() { ui::UnmountImage(); }
    QString root;
};

double ratio(ui::MediaGraph& g) { return g.get_CurrentPosition() / g.get_Duration(); }

// Opens the clip, checks its length, seeks to the middle and plays to the end.
void playThrough(const QString& path, double seconds) {
    auto graph = media::CreateMpvGraph();
    graph->RenderFile(path);
    EXPECT_NEAR(graph->get_Duration(), seconds, 0.2) << path.toStdString();
    EXPECT_GT(graph->get_Width(), 0);
    graph->put_CurrentPosition(seconds / 2);
    QTest::qWait(300);
    EXPECT_NEAR(graph->get_CurrentPosition(), seconds / 2, 0.1) << path.toStdString();
    QWidget owner;
    owner.resize(160, 120);
    owner.show();
    graph->put_Owner(&owner);
    graph->Run();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ratio(*graph) > 0.9999; }, 8000)) << path.toStdString();
}

}  // namespace

TEST(ImageClips, EachKindPlaysFromAnIsoImage) {
    if (!fixture::ImageFixture::haveTool("xorriso")) GTEST_SKIP() << "xorriso is missing";
    fixture::DiscFixture disc;
    disc.write("AUTORUN.INF", "[main]\r\nheader=\r\n");
    const struct {
        ClipKind kind;
        const char* name;
    } kinds[] = {{ClipKind::Wmv, "第一单元/第一课.wmv"}, {ClipKind::Mpeg1, "LESSON.MPG"}, {ClipKind::VideoCd, "mpegav/avseq01.dat"}};
    for (const auto& k : kinds) disc.write(QString::fromUtf8(k.name), bytesOf(clips().path(k.kind)));
    fixture::ImageFixture images;
    const QString iso = images.makeJolietIso(disc.path());
    ASSERT_FALSE(iso.isEmpty()) << images.error().toStdString();

    Mounted mounted(iso);
    // The names as a disc's configuration writes them: "\" and another case.
    playThrough(mounted.root + QString::fromUtf8("第一单元\\第一课.WMV"), mediatest::factsOf(ClipKind::Wmv).seconds);
    playThrough(mounted.root + "lesson.mpg", mediatest::factsOf(ClipKind::Mpeg1).seconds);
    playThrough(mounted.root + "MPEGAV\\AVSEQ01.DAT", mediatest::factsOf(ClipKind::VideoCd).seconds);
}

TEST(ImageClips, AVideoCdTrackPlaysFromItsForm2Sectors) {
    for (const char* tool : {"vcdimager", "ffmpeg"})
        if (!fixture::ImageFixture::haveTool(tool)) GTEST_SKIP() << tool << " is missing";
    fixture::DiscFixture disc;
    disc.write("AUTORUN.INF", "[main]\r\nheader=\r\n");
    fixture::ImageFixture images;
    const QString clip = images.makeVideoCdClip();
    ASSERT_FALSE(clip.isEmpty()) << images.error().toStdString();
    const QString cue = images.makeVideoCd(disc.path(), clip);
    ASSERT_FALSE(cue.isEmpty()) << images.error().toStdString();

    Mounted mounted(cue);
    playThrough(mounted.root + "mpegav\\avseq01.dat", 1.6);
}

// A disc that delivers slowly (a drive spinning up) is not taken for a clip
// that cannot be played, while a clip that cannot be played still fails at once.
TEST(ImageClips, ASlowDiscIsWaitedForAndADamagedClipStillFailsAtOnce) {
    if (!fixture::ImageFixture::haveTool("xorriso")) GTEST_SKIP() << "xorriso is missing";
    fixture::DiscFixture disc;
    disc.write("AUTORUN.INF", "[main]\r\nheader=\r\n");
    disc.write("LESSON.MPG", bytesOf(clips().path(ClipKind::Mpeg1)));
    disc.write("BROKEN.MPG", QByteArray(200000, '\x33'));
    fixture::ImageFixture images;
    const QString iso = images.makeJolietIso(disc.path());
    ASSERT_FALSE(iso.isEmpty()) << images.error().toStdString();
    Mounted mounted(iso);

    QElapsedTimer timer;
    timer.start();
    auto broken = media::CreateMpvGraph();
    EXPECT_THROW(broken->RenderFile(mounted.root + "broken.mpg"), ui::MediaError);
    EXPECT_LT(timer.elapsed(), 4000);

    // Every sector read waits; opening the clip takes longer than the bound a
    // file from a folder gets, and still succeeds.
    disc::setTestReadDelay(700);
    timer.restart();
    auto slow = media::CreateMpvGraph();
    EXPECT_NO_THROW(slow->RenderFile(mounted.root + "lesson.mpg"));
    disc::setTestReadDelay(0);
    EXPECT_GT(timer.elapsed(), media::MpvGraph::loadTimeout.count());
}

// Keyframes 2.4 s apart, farther than the demuxer is sent back by default: the
// seek to 2.0 still shows the picture at 2.0, not the keyframe at 2.4, from a
// folder and from an image alike (there the keyframes are read from the bytes
// the core itself read).
TEST(ImageClips, ExactSeeksLandWhereKeyframesAreFarApart) {
    if (!fixture::ImageFixture::haveTool("xorriso")) GTEST_SKIP() << "xorriso is missing";
    const QString clip = clips().path(ClipKind::LongGroupsMpeg1);
    fixture::DiscFixture disc;
    disc.write("AUTORUN.INF", "[main]\r\nheader=\r\n");
    disc.write("LESSON.MPG", bytesOf(clip));
    fixture::ImageFixture images;
    const QString iso = images.makeJolietIso(disc.path());
    ASSERT_FALSE(iso.isEmpty()) << images.error().toStdString();
    Mounted mounted(iso);

    for (const QString& path : {clip, mounted.root + "lesson.mpg"}) {
        media::MpvGraph graph;
        graph.RenderFile(path);
        graph.put_CurrentPosition(3.0);
        QTest::qWait(500);
        graph.put_CurrentPosition(2.0);
        QTest::qWait(700);
        double shown = -1;  // the time of the picture the core shows
        ASSERT_GE(mpv_get_property(graph.coreHandle(), "time-pos", MPV_FORMAT_DOUBLE, &shown), 0);
        EXPECT_NEAR(shown, 2.0, 0.045) << path.toStdString();
    }
}
