#pragma once
// The player's command line: `autorun [DISC]`, `--help`, `--version`. Read
// before any application object exists, so that --help and --version work
// without a display.
#include <QString>
#include <QStringList>

namespace app {

struct CommandLine {
    enum class Action { Play, ShowHelp, ShowVersion, UsageError };
    Action action = Action::Play;
    QString disc;   // as given; empty when none was
    QString error;  // one line, for UsageError
};

// args: the arguments without the program's name.
CommandLine ParseCommandLine(const QStringList& args);
// The same over main()'s arguments (the local 8-bit encoding).
CommandLine ParseCommandLine(int argc, char** argv);

// The --help text: usage, what DISC may be, the exit statuses.
QString HelpText();
// "autorun VERSION".
QString VersionText();

// Prints what the action asks for (help and version to standard output, a
// usage error and the usage to standard error) and gives the exit status:
// 0, or 2 for a usage error. Not for Action::Play.
int Answer(const CommandLine& line);

}  // namespace app
