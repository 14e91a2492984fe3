#pragma once
// Where a link goes: a menu item's "url", a side button's [navigate] target,
// the help page and the maker's page all reach the desktop's opener through
// here. Deciding what a target names is kept apart from what the opener is
// given for it: a file on the disc is named by its disc path, and only
// OpenerArgument turns that into something the opener can read.
#include <QString>

struct ShellTarget {
    enum class Kind {
        Nothing,     // blank: nothing is opened
        DiscFile,    // a file (or folder) that is on the disc
        WebAddress,  // "www." without a scheme
        AsWritten,   // anything else: an address with its scheme, a path off the disc, a name the opener knows
    };
    Kind kind = Kind::Nothing;
    // DiscFile: its disc path, appFolder + the target as written (names match
    // without regard to case); WebAddress: "http://" + the target;
    // AsWritten: the target.
    QString text;

    bool operator==(const ShellTarget&) const = default;
};

// What a target names. A file of the disc counts only when it is there (in
// any letter case); a target that begins with "www." (any case) is a web
// address; everything else is handed over exactly as written.
ShellTarget ClassifyShellTarget(const QString& target, const QString& appFolder);

// The one argument the opener gets for a target: a file of the disc by its
// real path on disk (its spelling there), anything else as its text.
QString OpenerArgument(const ShellTarget& target);

// Classifies a target against the application folder and opens it; a blank
// target opens nothing. Failures are silent.
void OpenShellTarget(const QString& target);

// Opens a file the program itself names on the disc (the help page), whether
// or not it is there: the opener tells the user when it is not.
void OpenDiscFile(const QString& discPath);
