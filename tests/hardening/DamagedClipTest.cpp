// Damaged clips on real media (libmpv, clips made by ffmpeg): each damage in
// each place a clip can stand. An intro or outro entry that cannot be played
// is passed over and the list goes on; a lesson that cannot be played is told
// to the user with its name and the menu stays; a clip that still holds
// something to play (cut short, its header intact) plays what it holds to its
// end (also after a seek into what it no longer holds) and the program goes
// on. Never an error report, a crash or a hang:
// every step has a wall-clock budget.
#include "hardening/PlayerRun.h"
#include "hardening/RealMedia.h"
#include "player/OpenMainWindow.h"
#include "support/DiscFixture.h"
#include <QRandomGenerator>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cstdio>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using hardening::PlayerRun;

enum class Outcome { Skipped, Played };
enum class Role { Intro, Lesson, Outro };

const char* nameOf(Role r) { return r == Role::Intro ? "intro" : r == Role::Lesson ? "lesson" : "outro"; }
const char* nameOf(Outcome o) { return o == Outcome::Skipped ? "skipped" : "played"; }

struct Damage {
    const char* name;
    QByteArray (*make)(const QByteArray& clip);
    // Where the outcome does not depend on the format or the decoder's
    // guesses; else either one is defined (the run checks that the program
    // goes on as it should) and the test prints which one happened.
    std::optional<Outcome> expected;
};

// A web server on this machine that only counts who connects: no file on a
// disc may make the player go to the network.
class Listener {
public:
    Listener() {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&a), len) != 0 || ::listen(fd_, 16) != 0 ||
            ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len) != 0)
            throw std::runtime_error("no listening socket");
        port_ = ntohs(a.sin_port);
    }
    ~Listener() { ::close(fd_); }
    int port() const { return port_; }
    // Connections accepted since the last call.
    int connections() {
        int n = 0;
        for (int c; (c = ::accept(fd_, nullptr, nullptr)) >= 0; ++n) ::close(c);
        return n;
    }

private:
    int fd_ = -1;
    int port_ = 0;
};

Listener* listener = nullptr;

QByteArray webClip() { return "http://127.0.0.1:" + QByteArray::number(listener->port()) + "/x.wmv"; }

QByteArray randomBytes(int n) {
    QRandomGenerator random(1234);
    QByteArray b(n, 0);
    for (char& c : b) c = char(random.bounded(256));
    return b;
}

const Damage kDamages[] = {
    {"cut at 10 %", [](const QByteArray& c) { return c.left(c.size() / 10); }, std::nullopt},
    // An ASF file cut short has no readable length (its packets and index are
    // missing), so it counts as unplayable; MPEG and VCD files play on.
    {"cut at 50 %", [](const QByteArray& c) { return c.left(c.size() / 2); }, std::nullopt},
    {"zero bytes", [](const QByteArray&) { return QByteArray(); }, Outcome::Skipped},
    {"random bytes", [](const QByteArray&) { return randomBytes(64 * 1024); }, Outcome::Skipped},
    {"a text file", [](const QByteArray&) { return QByteArray("This is not a video.\r\n").repeated(200); },
     Outcome::Skipped},
    {"header only (first 4 KB)", [](const QByteArray& c) { return c.left(4096); }, std::nullopt},
    // Playlists under a clip's name lead nowhere: the player plays the file
    // it was given or nothing, never another file or a web address.
    {"M3U naming a good clip", [](const QByteArray&) { return QByteArray("#EXTM3U\nother-clip\n"); },
     Outcome::Skipped},
    {"PLS naming a web clip",
     [](const QByteArray&) {
         return "[playlist]\nFile1=" + webClip() + "\nNumberOfEntries=1\n";
     },
     Outcome::Skipped},
    {"HLS naming a web clip",
     [](const QByteArray&) {
         return "#EXTM3U\n#EXT-X-TARGETDURATION:1\n#EXTINF:1,\n" + webClip() + "\n#EXT-X-ENDLIST\n";
     },
     Outcome::Skipped},
};

// The clip's name on a folder that holds the intact clip. (As an intro
// entry, start-up counts such a folder as a missing file.)
constexpr const char* kFolderDamage = "a folder holding the clip";

// How long any one step may take on the wall clock.
constexpr double kBudgetSeconds = 15;

class DamagedClip : public ::testing::TestWithParam<const char*> {
protected:
    static void SetUpTestSuite() {
        clips = new hardening::ShortClips;
        listener = new Listener;
    }
    static void TearDownTestSuite() {
        delete clips;
        clips = nullptr;
        delete listener;
        listener = nullptr;
    }

    // Plays the damaged clip in its role; returns what happened, having
    // checked that the program went on as it should.
    Outcome run(Role role, const QByteArray& bytes, bool folder = false) {
        const QString name = QStringLiteral("clip.") + QString::fromLatin1(GetParam());
        fixture::DiscFixture disc;
        hardening::writeDisc(disc, role == Role::Intro ? name : QString(), role == Role::Outro ? name : QString(),
                             {"lesson," + (role == Role::Lesson ? name : QStringLiteral("none.wmv"))});
        disc.write(folder ? name + "/" + name : name, bytes);
        disc.write("other-clip", clips->bytes(QString::fromLatin1(GetParam())));  // for the playlists
        hardening::RecordingPlatform platform;
        PlayerRun player(disc, hardening::wallClockWait());
        bool played = false;

        player.start();
        if (role == Role::Intro) played = player.intro && player.intro->player();
        EXPECT_TRUE(player.wait([&] { return player.menuShown(); }, kBudgetSeconds)) << "no menu";
        if (role == Role::Lesson) {
            player.clickLesson();
            played = player.lessonPlaying();
            // A seek near the end, into what a cut clip no longer holds.
            if (played) player.seek(0.9);
            EXPECT_TRUE(player.wait([&] { return player.menuShown(); }, kBudgetSeconds)) << "the menu did not return";
            if (!played) {
                EXPECT_EQ(platform.messages.size(), 1u);
                if (!platform.messages.empty()) {
                    EXPECT_TRUE(platform.messages[0].contains(name));
                }
            }
        }
        if (role == Role::Outro) {
            player.close();
            played = player.outro && player.outro->player();
            EXPECT_TRUE(player.wait([&] { return player.ended(); }, kBudgetSeconds)) << "the program did not end";
        }
        if (role != Role::Lesson || played) {
            EXPECT_TRUE(platform.messages.empty());
        }
        EXPECT_TRUE(platform.errors.empty()) << platform.errors.front().toStdString();
        EXPECT_FALSE(platform.exitCode.value_or(0));
        return played ? Outcome::Played : Outcome::Skipped;
    }

    static hardening::ShortClips* clips;
};

hardening::ShortClips* DamagedClip::clips = nullptr;

TEST_P(DamagedClip, EveryDamageInEveryPlace) {
    if (!hardening::ShortClips::available()) GTEST_SKIP() << "ffmpeg is not installed";
    const QByteArray intact = clips->bytes(QString::fromLatin1(GetParam()));
    // The intact clip plays in every place (the table's baseline).
    for (Role role : {Role::Intro, Role::Lesson, Role::Outro}) {
        SCOPED_TRACE(nameOf(role));
        EXPECT_EQ(run(role, intact), Outcome::Played);
    }
    for (const Damage& d : kDamages) {
        const QByteArray bytes = d.make(intact);
        std::printf("  %-4s %-26s", GetParam(), d.name);
        for (Role role : {Role::Intro, Role::Lesson, Role::Outro}) {
            SCOPED_TRACE(std::string(d.name) + " as " + nameOf(role));
            const Outcome got = run(role, bytes);
            std::printf(" %s: %-8s", nameOf(role), nameOf(got));
            if (d.expected) {
                EXPECT_EQ(got, *d.expected);
            }
            EXPECT_EQ(listener->connections(), 0) << "the player went to the network";
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    std::printf("  %-4s %-26s", GetParam(), kFolderDamage);
    for (Role role : {Role::Lesson, Role::Outro}) {
        SCOPED_TRACE(std::string(kFolderDamage) + " as " + nameOf(role));
        const Outcome got = run(role, intact, true);
        std::printf(" %s: %-8s", nameOf(role), nameOf(got));
        EXPECT_EQ(got, Outcome::Skipped);
    }
    std::printf("\n");
}

INSTANTIATE_TEST_SUITE_P(Formats, DamagedClip, ::testing::Values("wmv", "mpg", "dat"));

}  // namespace
