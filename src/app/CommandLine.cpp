#include "app/CommandLine.h"

#include <cstdio>

namespace app {

namespace {

const char kUsage[] = "usage: autorun [DISC]\n       autorun --help | --version\n";

void Print(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& args) {
    CommandLine line;
    bool optionsEnded = false;
    for (const QString& a : args) {
        if (!optionsEnded && a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            if (a == QLatin1String("--")) {
                optionsEnded = true;
            } else if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
                return {CommandLine::Action::ShowHelp, {}, {}};
            } else if (a == QLatin1String("--version")) {
                return {CommandLine::Action::ShowVersion, {}, {}};
            } else {
                return {CommandLine::Action::UsageError, {}, QStringLiteral("unknown option %1").arg(a)};
            }
        } else if (line.disc.isEmpty()) {
            if (a.isEmpty()) return {CommandLine::Action::UsageError, {}, QStringLiteral("the DISC is empty")};
            line.disc = a;
        } else {
            return {CommandLine::Action::UsageError, {}, QStringLiteral("one DISC only")};
        }
    }
    return line;
}

CommandLine ParseCommandLine(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args.append(QString::fromLocal8Bit(argv[i]));
    return ParseCommandLine(args);
}

QString HelpText() {
    return QString::fromLatin1(kUsage) + QStringLiteral(
        "\n"
        "Plays an educational CD-ROM disc: its intro, its picture menus and its lessons.\n"
        "\n"
        "DISC may be:\n"
        "  a folder         the root of a disc copy, or the folder where a disc is mounted\n"
        "  an image file    .iso, .cue, .bin, .nrg or .img holding ISO 9660\n"
        "  a drive          an optical drive such as /dev/sr0\n"
        "Without DISC the player plays the disc in its own folder (a player copied onto a\n"
        "disc); else the one disc of this family that is mounted or in a drive; else it asks.\n"
        "\n"
        "Options:\n"
        "  -h, --help       print this help and exit\n"
        "  --version        print the version and exit\n"
        "  --               end of options (a DISC that starts with \"-\" follows)\n"
        "\n"
        "Exit status:\n"
        "  0  normal end (also when the disc question is cancelled)\n"
        "  1  a disc that cannot be opened, or an error report\n"
        "  2  usage error\n");
}

QString VersionText() { return QStringLiteral("autorun " AUTORUN_VERSION "\n"); }

int Answer(const CommandLine& line) {
    switch (line.action) {
    case CommandLine::Action::ShowHelp: Print(stdout, HelpText()); return 0;
    case CommandLine::Action::ShowVersion: Print(stdout, VersionText()); return 0;
    case CommandLine::Action::UsageError:
        Print(stderr, QStringLiteral("autorun: %1\n").arg(line.error) + QString::fromLatin1(kUsage));
        return 2;
    case CommandLine::Action::Play: break;
    }
    return 0;
}

}  // namespace app
