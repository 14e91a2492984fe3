#pragma once
// disc-check's command line:
//   disc-check [--json] [--map OUT_FOLDER] [--jobs N] [--media] DISC...
//   disc-check --help | --version
#include <QString>
#include <QStringList>

namespace disccheck {

struct CheckOptions {
    enum class Action { Check, ShowHelp, ShowVersion, UsageError };
    Action action = Action::Check;
    bool json = false;
    bool media = false;
    QString mapFolder;   // empty: no maps
    int jobs = 0;        // discs checked at a time; 0: one per core
    QStringList discs;   // in the order given
    QString error;       // one line, for UsageError
};

// args: the arguments without the program's name.
CheckOptions ParseCheckOptions(const QStringList& args);

QString CheckHelpText();
QString CheckVersionText();  // "disc-check VERSION"
QString CheckUsageText();

}  // namespace disccheck
