#include "CheckOptions.h"

namespace disccheck {

namespace {

CheckOptions UsageError(const QString& error) {
    CheckOptions options;
    options.action = CheckOptions::Action::UsageError;
    options.error = error;
    return options;
}

}  // namespace

CheckOptions ParseCheckOptions(const QStringList& args) {
    CheckOptions options;
    bool optionsEnded = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (optionsEnded || !a.startsWith(QLatin1Char('-')) || a.size() == 1) {
            if (a.isEmpty()) return UsageError(QStringLiteral("a DISC is empty"));
            options.discs.append(a);
        } else if (a == QLatin1String("--")) {
            optionsEnded = true;
        } else if (a == QLatin1String("--json")) {
            options.json = true;
        } else if (a == QLatin1String("--media")) {
            options.media = true;
        } else if (a == QLatin1String("--map")) {
            if (++i >= args.size() || args[i].isEmpty()) return UsageError(QStringLiteral("--map needs an output folder"));
            options.mapFolder = args[i];
        } else if (a == QLatin1String("--jobs")) {
            bool ok = false;
            options.jobs = ++i < args.size() ? args[i].toInt(&ok) : 0;
            if (!ok || options.jobs < 1) return UsageError(QStringLiteral("--jobs needs a number of 1 or more"));
        } else if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            options.action = CheckOptions::Action::ShowHelp;
            return options;
        } else if (a == QLatin1String("--version")) {
            options.action = CheckOptions::Action::ShowVersion;
            return options;
        } else {
            return UsageError(QStringLiteral("unknown option %1").arg(a));
        }
    }
    if (options.discs.isEmpty()) return UsageError(QStringLiteral("no DISC given"));
    return options;
}

QString CheckUsageText() {
    return QStringLiteral(
        "usage: disc-check [--json] [--map OUT_FOLDER] [--jobs N] [--media] DISC...\n"
        "       disc-check --help | --version\n");
}

QString CheckHelpText() {
    return CheckUsageText() + QStringLiteral(
        "\n"
        "Reads each DISC as the player would and reports what would stop the player,\n"
        "end it later, or surprise a user. Nothing is written to a disc.\n"
        "\n"
        "DISC is a disc folder (the root of a disc copy, or the folder where a disc is\n"
        "mounted), an image file (.iso, .cue, .bin, .nrg, or .img holding ISO 9660) or\n"
        "an optical drive such as /dev/sr0. Checking reads no clip (except --media).\n"
        "Several discs are checked in parallel, each in a process of its own;\n"
        "the reports come in the order given, and a summary goes to standard error.\n"
        "\n"
        "Options:\n"
        "  --json            the configuration and the problems as JSON: one object, or\n"
        "                    with several discs one object per line (JSON Lines)\n"
        "  --map OUT_FOLDER  draw each menu page with its items and the arrow (with several\n"
        "                    discs, one subfolder per disc)\n"
        "  --jobs N          check at most N discs at a time (default: one per core)\n"
        "  --media           also open every clip the configuration names with the player's\n"
        "                    media code; one that cannot be played or lasts 0 s is an error\n"
        "  -h, --help        print this help and exit\n"
        "  --version         print the version and exit\n"
        "\n"
        "Exit status:\n"
        "  0  no disc has errors (warnings allowed)\n"
        "  1  at least one disc has errors\n"
        "  2  usage error, or a DISC that cannot be read at all\n");
}

QString CheckVersionText() { return QStringLiteral("disc-check " AUTORUN_VERSION "\n"); }

}  // namespace disccheck
