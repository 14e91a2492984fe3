#pragma once
// The menu of a disc: the [menu] lines made into the two keyed tables of the
// shared state, and the [main] face list.
#include <QString>
#include <QStringList>
#include <optional>

namespace startup {

// One [menu] line: the key before the first "="; the rectangle text after it
// and before the first "#", less the one character right before the "#"; the
// action after the "#".
struct MenuLine {
    QString key;
    QString rect;
    QString action;
};

// The pieces of a [menu] section text that are items: split at NUL, all but
// the last piece (which is empty, or the rest of a section cut at its limit).
QStringList MenuPieces(const QString& sectionText);

// A line, or the reason it is malformed (no "=", no "#", "#" before "=", or
// "#" right after "=").
struct ParsedMenuLine {
    std::optional<MenuLine> line;
    QString problem;
};
ParsedMenuLine ParseMenuLine(const QString& piece);

// Fills MenuRects and MenuActions from the [menu] section of IniFile, in line
// order. A malformed line or a key that occurs twice (compared without regard
// to case) raises ui::RuntimeError naming the line.
void ReadMenuTable();

// The [main] face value split at ",".
QStringList ReadFaceFiles();
// FaceFiles = ReadFaceFiles().
void ReadFaceList();

// FacePath = AppFolder + FaceFiles(0), returned. Raises ui::RuntimeError when
// the face list is empty (there is no first menu picture).
QString FirstFacePath();

}  // namespace startup
