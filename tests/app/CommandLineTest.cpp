// The player's command line: what each form of `autorun [DISC]` asks for.
#include "app/CommandLine.h"
#include <gtest/gtest.h>

namespace {

using Action = app::CommandLine::Action;

TEST(CommandLine, EachFormGivesItsActionAndDisc) {
    struct Case {
        QStringList args;
        Action action;
        QString disc;
    };
    const Case cases[] = {
        {{}, Action::Play, {}},
        {{"/media/cdrom"}, Action::Play, "/media/cdrom"},
        {{"lesson.iso"}, Action::Play, "lesson.iso"},
        {{"/dev/sr0"}, Action::Play, "/dev/sr0"},
        {{"--", "-odd name"}, Action::Play, "-odd name"},
        {{"-"}, Action::Play, "-"},
        {{"--help"}, Action::ShowHelp, {}},
        {{"-h"}, Action::ShowHelp, {}},
        {{"disc", "--help"}, Action::ShowHelp, {}},
        {{"--version"}, Action::ShowVersion, {}},
        {{"--verbose"}, Action::UsageError, {}},
        {{"-platform", "xcb"}, Action::UsageError, {}},
        {{"a", "b"}, Action::UsageError, {}},
        {{""}, Action::UsageError, {}},
        {{"--", "--help", "x"}, Action::UsageError, {}},
    };
    for (const Case& c : cases) {
        const app::CommandLine line = app::ParseCommandLine(c.args);
        const std::string name = c.args.join(' ').toStdString();
        EXPECT_EQ(line.action, c.action) << name;
        EXPECT_EQ(line.disc, c.disc) << name;
        EXPECT_EQ(line.error.isEmpty(), c.action != Action::UsageError) << name;
    }
}

TEST(CommandLine, HelpNamesTheDiscKindsAndTheExitStatuses) {
    const QString help = app::HelpText();
    for (const char* part : {"usage: autorun [DISC]", ".iso", ".cue", ".bin", ".nrg", ".img", "/dev/sr0", "--help",
                             "--version", "0  ", "1  ", "2  "})
        EXPECT_TRUE(help.contains(QLatin1String(part))) << part;
    EXPECT_EQ(app::VersionText(), QStringLiteral("autorun " AUTORUN_VERSION "\n"));
}

}  // namespace
