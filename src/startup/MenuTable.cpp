#include "startup/MenuTable.h"

#include "startup/DiscConfig.h"
#include "startup/SharedState.h"
#include "ui/Errors.h"

namespace startup {

QStringList MenuPieces(const QString& sectionText) {
    QStringList pieces = sectionText.split(QChar(0), Qt::KeepEmptyParts);
    pieces.removeLast();
    return pieces;
}

ParsedMenuLine ParseMenuLine(const QString& piece) {
    const qsizetype eq = piece.indexOf(QLatin1Char('='));
    const qsizetype hash = piece.indexOf(QLatin1Char('#'));
    ParsedMenuLine parsed;
    if (eq < 0)
        parsed.problem = QStringLiteral("has no \"=\" after its key");
    else if (hash < 0)
        parsed.problem = QStringLiteral("has no \"#\" before its action");
    else if (hash < eq)
        parsed.problem = QStringLiteral("has \"#\" before \"=\"");
    else if (hash == eq + 1)
        parsed.problem = QStringLiteral("has \"#\" right after \"=\", so it has no rectangle");
    if (!parsed.problem.isEmpty()) return parsed;
    // The character right before "#" separates the rectangle from the action
    // and is dropped, whatever it is.
    parsed.line = MenuLine{piece.left(eq), piece.mid(eq + 1, hash - eq - 2), piece.mid(hash + 1)};
    return parsed;
}

void ReadMenuTable() {
    SharedState& s = Shared();
    for (const QString& piece : MenuPieces(ReadIniSection(QStringLiteral("menu"), s.IniFile))) {
        const ParsedMenuLine parsed = ParseMenuLine(piece);
        if (!parsed.line)
            throw ui::RuntimeError(QStringLiteral("AUTORUN.INF [menu]: the line \"%1\" %2").arg(piece, parsed.problem));
        const MenuLine& line = *parsed.line;
        if (s.MenuRects.Exists(line.key))
            throw ui::RuntimeError(
                QStringLiteral("AUTORUN.INF [menu]: the line \"%1\" repeats the key \"%2\" of an earlier line")
                    .arg(piece, line.key));
        s.MenuRects.Add(line.key, line.rect);
        s.MenuActions.Add(line.key, line.action);
    }
}

QStringList ReadFaceFiles() {
    return SplitList(ReadIniString(QStringLiteral("main"), QStringLiteral("face"), Shared().IniFile));
}

void ReadFaceList() { Shared().FaceFiles = ReadFaceFiles(); }

QString FirstFacePath() {
    SharedState& s = Shared();
    if (s.FaceFiles.isEmpty())
        throw ui::RuntimeError(QStringLiteral("AUTORUN.INF [main] face names no menu picture"));
    s.FacePath = AppFolder() + s.FaceFiles.front();
    return s.FacePath;
}

}  // namespace startup
