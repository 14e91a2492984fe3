// The intro and outro lists played through on virtual time: pictures, videos,
// entries of no playable kind, the hand-over to the main window, the end of
// the process after the outro, and entries that cannot be presented.
#include "FlashTestFixture.h"
#include "ui/Picture.h"
#include <QImage>
#include <QTest>

namespace {

// A press anywhere on the picture area, as the window system delivers it.
void pressOn(frmFlash& flash) { QTest::mousePress(flash.picPlay, Qt::LeftButton, {}, QPoint(400, 300)); }

}  // namespace

TEST_F(FlashTest, PictureThenVideoThenMainWindow) {
    disc.writePicture("a.jpg", 40, 30);
    disc.writePicture("image\\black.jpg", 8, 8, Qt::black);
    writeClip("b.wmv", 2.0, 321, 239);
    frmFlash& intro = playIntro({"a.jpg", "b.wmv"});

    EXPECT_EQ(intro.Width(), 12000);
    EXPECT_EQ(intro.Height(), 9000);
    EXPECT_EQ(intro.picPlay->geometry(), QRect(0, 0, 800, 600));
    EXPECT_EQ(intro.Timer1.Interval(), 10);
    EXPECT_EQ(intro.Timer1.Tag, "header");
    EXPECT_EQ(intro.heldPicture().pixelWidth(), 40);
    EXPECT_EQ(intro.player(), nullptr);
    EXPECT_EQ(Shared().HeaderIndex, 1);

    plat.advance(2.9);
    EXPECT_EQ(intro.player(), nullptr) << "the picture stays about three seconds";
    plat.advance(0.2);
    ASSERT_NE(intro.player(), nullptr);
    EXPECT_EQ(intro.heldPicture().pixelWidth(), 8) << "black.jpg is held behind the video";
    // Centred at its natural size: (800 - 321) / 2 = 239.5 and (600 - 239) / 2
    // = 180.5, rounded halves to even.
    EXPECT_EQ(intro.player()->Left(), 240);
    EXPECT_EQ(intro.player()->Top(), 180);
    EXPECT_EQ(intro.player()->Width(), 321);
    EXPECT_EQ(intro.player()->Height(), 239);
    EXPECT_TRUE(intro.player()->isPlaying());
    ASSERT_NE(sim::lastSimGraph(), nullptr);
    EXPECT_EQ(sim::lastSimGraph()->owner(), intro.picPlay);
    EXPECT_EQ(sim::lastSimGraph()->drain(), intro.picPlay);
    EXPECT_EQ(sim::lastSimGraph()->style(), 7);

    plat.advance(1.5);
    EXPECT_EQ(mainWindowOpened, 0);
    plat.advance(1.0);
    EXPECT_EQ(mainWindowOpened, 1);
    EXPECT_TRUE(introLoadedAtHandOver) << "the main window opens before the intro window unloads";
    EXPECT_TRUE(flashGone());
    EXPECT_FALSE(plat.exitCode.has_value()) << "the main window keeps the process alive";
}

TEST_F(FlashTest, FirstEntryVideoHoldsNoPictureAndStaysBlack) {
    writeClip("b.wmv", 1.0);  // no image\black.jpg on this disc at all
    const uint64_t readsBefore = ui::PictureFileReads();
    frmFlash& intro = playIntro({"b.wmv"});

    ASSERT_NE(intro.player(), nullptr);
    EXPECT_TRUE(intro.heldPicture().isNull());
    EXPECT_EQ(ui::PictureFileReads(), readsBefore);
    EXPECT_EQ(intro.picPlay->grab().toImage().pixelColor(2, 2), QColor(Qt::black));

    plat.advance(1.1);
    EXPECT_EQ(mainWindowOpened, 1);
    EXPECT_TRUE(plat.errorReports.empty());
}

// The kind of an entry is its extension in lower case; other kinds wait for a
// press and never end by themselves.
TEST_F(FlashTest, EntryKindsByExtension) {
    enum Kind { Video, Picture, Waits };
    const struct {
        QString name;
        Kind kind;
    } cases[] = {
        {"CLIP.WMV", Video}, {"a.mpg", Video},   {"b.Dat", Video},   {"P.JPG", Picture},
        {"p.gif", Picture},  {"movie.avi", Waits}, {"photo.jpeg", Waits}, {"", Waits},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        TearDown();
        SetUp();
        if (c.kind == Video) writeClip(c.name, 60.0);
        if (c.kind == Picture) disc.writePicture(c.name, 16, 16);
        if (c.kind == Waits && !c.name.isEmpty()) disc.write(c.name, "data");
        frmFlash& intro = playIntro({c.name});

        EXPECT_EQ(intro.player() != nullptr, c.kind == Video);
        EXPECT_EQ(!intro.heldPicture().isNull(), c.kind == Picture);
        EXPECT_EQ(intro.Timer1.Enabled(), c.kind != Waits);
        EXPECT_EQ(intro.Timer1.Tag, "header");
        if (c.kind == Waits) {
            plat.advance(30.0);
            EXPECT_EQ(mainWindowOpened, 0);
            pressOn(intro);
            EXPECT_EQ(mainWindowOpened, 1) << "a press goes on with the list";
        }
    }
}

TEST_F(FlashTest, OutroEndsTheProcess) {
    disc.writePicture("bye.jpg", 16, 16);
    disc.writePicture("image\\black.jpg", 8, 8, Qt::black);
    writeClip("end.wmv", 1.0);
    frmFlash& outro = playOutro({"bye.jpg", "end.wmv"});
    EXPECT_EQ(outro.Timer1.Tag, "laster");

    plat.advance(3.6);
    ASSERT_NE(outro.player(), nullptr);
    EXPECT_FALSE(plat.exitCode.has_value());
    plat.advance(1.1);
    EXPECT_EQ(plat.exitCode, 0);
    EXPECT_EQ(ui::LoadedFormCount(), 0);
    EXPECT_EQ(mainWindowOpened, 0) << "the outro never opens the main window";
    EXPECT_EQ(Shared().LasterIndex, 2);
    EXPECT_TRUE(flashGone());
}

TEST_F(FlashTest, EmptyOutroWaitsForOnePressThenEnds) {
    frmFlash& outro = playOutro({""});
    plat.advance(10.0);
    EXPECT_FALSE(plat.exitCode.has_value());
    pressOn(outro);
    EXPECT_EQ(plat.exitCode, 0);
}

// Outro files are not checked at start-up: one that is missing or damaged is
// passed over, and the program still ends.
TEST_F(FlashTest, DamagedOutroEntriesAreSkipped) {
    disc.write("broken.wmv", "not a clip at all");
    disc.write("bad.jpg", "not a picture");
    writeClip("end.mpg", 1.0);
    frmFlash& outro = playOutro({"broken.wmv", "missing.jpg", "bad.jpg", "gone.dat", "end.mpg"});

    ASSERT_NE(outro.player(), nullptr) << "the first entry that plays is end.mpg";
    EXPECT_EQ(Shared().LasterIndex, 5);
    EXPECT_TRUE(outro.heldPicture().isNull());
    plat.advance(1.1);
    EXPECT_EQ(plat.exitCode, 0);
    EXPECT_TRUE(plat.errorReports.empty());
}

TEST_F(FlashTest, OutroOfOnlyDamagedEntriesEndsAtOnce) {
    disc.write("broken.wmv", "not a clip at all");
    playOutro({"broken.wmv", "missing.gif"});
    EXPECT_EQ(plat.exitCode, 0);
    EXPECT_TRUE(flashGone());
}

TEST_F(FlashTest, DamagedIntroVideoIsSkippedToTheNextEntry) {
    disc.write("broken.wmv", "not a clip at all");
    disc.writePicture("a.jpg", 40, 30);
    frmFlash& intro = playIntro({"broken.wmv", "a.jpg"});
    EXPECT_EQ(intro.player(), nullptr);
    EXPECT_EQ(intro.heldPicture().pixelWidth(), 40);
    EXPECT_EQ(Shared().HeaderIndex, 2);
}

// A picture shown just before midnight still goes after about three seconds.
TEST_F(FlashTest, PictureAcrossMidnightEnds) {
    disc.writePicture("a.jpg", 40, 30);
    disc.writePicture("b.jpg", 20, 10);
    plat.setNow(86399.8);  // rounds to 86400, midnight
    frmFlash& intro = playIntro({"a.jpg", "b.jpg"});
    plat.advance(3.1);  // 2.9 s after midnight
    EXPECT_EQ(intro.heldPicture().pixelWidth(), 40);
    plat.advance(0.2);  // 3.1 s after midnight
    EXPECT_EQ(intro.heldPicture().pixelWidth(), 20);
}

// A clip with sound and no picture is played, not skipped: in the intro
// after a picture (which gives way to black while it sounds), and as the
// whole outro (the program ends only when it is over).
TEST_F(FlashTest, SoundOnlyClipsPlayInTheIntroAndTheOutro) {
    disc.writePicture("a.jpg", 40, 30);
    disc.writePicture("image\\black.jpg", 8, 8, Qt::black);
    sim::writeSimClip(disc.filePath("music.mpg"), 2.0, 0, 0, false, true);
    frmFlash& intro = playIntro({"a.jpg", "music.mpg"});
    plat.advance(3.1);
    ASSERT_NE(intro.player(), nullptr) << "the sound-only entry was passed over";
    EXPECT_EQ(sim::lastSimGraph()->state(), sim::SimMediaGraph::State::Running);
    EXPECT_EQ(sim::lastSimGraph()->owner(), nullptr);
    EXPECT_EQ(intro.heldPicture().pixelWidth(), 8);
    plat.advance(1.5);
    EXPECT_EQ(mainWindowOpened, 0);
    plat.advance(1.0);
    EXPECT_EQ(mainWindowOpened, 1);
    EXPECT_TRUE(flashGone());

    // As closing does: the outro starts, then the main window goes.
    frmFlash& outro = playOutro({"music.mpg"});
    mainWindow.Unload();
    ASSERT_NE(outro.player(), nullptr);
    EXPECT_FALSE(plat.exitCode.has_value()) << "a sound-only outro ended the program at once";
    plat.advance(2.1);
    EXPECT_EQ(plat.exitCode, 0);
    EXPECT_TRUE(plat.errorReports.empty());
}

// Without a laster key the outro list is the profile's default text, an entry
// of no playable kind: the window waits for one press, then the program ends.
TEST_F(FlashTest, AbsentLasterKeyWaitsForOnePressThenEnds) {
    disc.writeIni(fixture::IniBuilder().section("main").key("header", "").bytes());
    const QStringList laster = startup::SplitList(
        startup::ReadIniString("main", "laster", startup::AppFolder() + "AUTORUN.INF"));
    ASSERT_EQ(laster, QStringList{"Default Caption"});
    frmFlash& outro = playOutro(laster);
    EXPECT_FALSE(outro.Timer1.Enabled());
    plat.advance(10.0);
    EXPECT_FALSE(plat.exitCode.has_value());
    pressOn(outro);
    EXPECT_EQ(plat.exitCode, 0);
    EXPECT_TRUE(plat.errorReports.empty());
}
