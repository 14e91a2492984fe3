// The player where the media library is missing (a copy of the program taken
// to a machine without libmpv): every clip fails as one that cannot be
// played, with the library named as the cause; intro and outro clips are
// passed over, a lesson is told to the user, and the program goes on and
// ends normally. Never a crash or an error report.
//
// This process never has the library: the file it opens instead is set
// before any test runs, so before any load.
#include "hardening/PlayerRun.h"
#include "hardening/RealMedia.h"
#include "media/MediaFramework.h"
#include "media/mpv/MpvLibrary.h"
#include "support/DiscFixture.h"
#include "ui/Errors.h"
#include <QWidget>
#include <gtest/gtest.h>
#include <mpv/client.h>

namespace {

constexpr char kAbsentLibrary[] = "libautorun-test-absent-media.so.0";
const bool libraryAbsent = (media::UseMpvLibraryFileForTests(kAbsentLibrary), true);
constexpr double kBudgetSeconds = 20;

TEST(NoMediaLibrary, EachFileFailsWithTheLibraryAsItsCause) {
    ASSERT_TRUE(libraryAbsent);
    fixture::DiscFixture disc;
    disc.write("a.wmv", QByteArray(4096, 'x'));
    auto graph = media::CreateMpvGraph();
    graph->put_Volume(-2000);
    // The second file does not try the library again; it fails the same way.
    for (int attempt = 1; attempt <= 2; ++attempt) {
        SCOPED_TRACE(attempt);
        QString cause;
        try {
            graph->RenderFile(disc.filePath("a.wmv"));
            ADD_FAILURE() << "RenderFile succeeded";
        } catch (const ui::MediaError& e) {
            cause = e.text();
        }
        EXPECT_TRUE(cause.contains(QLatin1String("a.wmv"))) << cause.toStdString();
        EXPECT_TRUE(cause.contains(QLatin1String(kAbsentLibrary))) << cause.toStdString();
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
    EXPECT_EQ(graph->get_Volume(), -2000);
    EXPECT_THROW(media::LoadMpvLibrary(), ui::MediaError);
    // Failure paths word error codes: that works without the library.
    const char* words = nullptr;
    EXPECT_NO_THROW(words = mpv_error_string(MPV_ERROR_GENERIC));
    EXPECT_NE(words, nullptr);
}

TEST(NoMediaLibrary, ThePlayerPassesOverClipsAndTellsOfTheLesson) {
    fixture::DiscFixture disc;
    hardening::writeDisc(disc, "intro.wmv", "outro.wmv", {"lesson,lesson.wmv"});
    for (const char* name : {"intro.wmv", "lesson.wmv", "outro.wmv"}) disc.write(name, QByteArray(4096, 'x'));
    hardening::RecordingPlatform platform;
    hardening::PlayerRun player(disc, hardening::wallClockWait());

    player.start();
    EXPECT_EQ(player.introsOpened, 1);
    ASSERT_TRUE(player.wait([&] { return player.menuShown(); }, kBudgetSeconds)) << "no menu";
    EXPECT_TRUE(platform.messages.empty());

    player.clickLesson();
    EXPECT_FALSE(player.lessonPlaying());
    EXPECT_TRUE(player.menuShown());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].contains(QLatin1String("lesson.wmv"))) << platform.messages[0].toStdString();

    player.close();
    EXPECT_TRUE(player.wait([&] { return player.ended(); }, kBudgetSeconds)) << "the program did not end";
    EXPECT_EQ(player.outrosOpened, 1);
    EXPECT_TRUE(platform.errors.empty()) << platform.errors.front().toStdString();
    EXPECT_FALSE(platform.exitCode.value_or(0));
}

}  // namespace
