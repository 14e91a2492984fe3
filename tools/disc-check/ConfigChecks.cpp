// Reading the configuration as start-up does, and what start-up would refuse
// in it: the intro files, the [menu] lines; plus the values the profile reader
// had to cut and the files of the outro list.
#include "CheckHelpers.h"

#include "startup/DiscConfig.h"
#include "startup/KeyedTable.h"
#include "startup/MenuTable.h"
#include "startup/SharedState.h"
#include "startup/StartUp.h"
#include "ui/DiscFiles.h"
#include "ui/Errors.h"

#include <QSet>
#include <algorithm>

namespace disccheck {

using namespace startup;

bool IsVideoKind(const QString& name) {
    const QString kind = FileExtension(name);
    return kind == QLatin1String("wmv") || kind == QLatin1String("dat") || kind == QLatin1String("mpg");
}

bool IsPictureKind(const QString& name) {
    const QString kind = FileExtension(name);
    return kind == QLatin1String("gif") || kind == QLatin1String("jpg");
}

void WarnIfCaseOnly(DiscReport& r, const QString& where, const QString& entry) {
    if (ui::MatchesOnlyIgnoringCase(r.folder + entry))
        AddWarning(r, where,
                   QStringLiteral("%1 exists only in another letter case; the player finds it, but a copy on a "
                                  "case-sensitive medium may not. Rename the file or the entry to match.")
                       .arg(Quoted(entry)));
    CheckImageName(r, where, entry);
}

namespace {

void WarnIfCut(DiscReport& r, const ProfileString& value, const QString& where) {
    if (value.cut)
        AddWarning(r, where,
                   QStringLiteral("The value is longer than 255 bytes; the player reads only its first 255 bytes "
                                  "(\"…%1\"). Shorten it.")
                       .arg(value.text.right(20)));
}

void CheckIntroList(DiscReport& r, const ProfileString& header, bool introConfigured) {
    const QString where = QStringLiteral("[main] header");
    if (!r.configFound) {
        AddError(r, QStringLiteral("AUTORUN.INF"),
                 QStringLiteral("There is no AUTORUN.INF in the folder; start-up would look for the intro file "
                                "\"Default Caption\" and stop with the message asking for the disc. Add the file."));
        return;
    }
    if (!header.found) {
        AddError(r, where,
                 QStringLiteral("There is no header key; start-up reads it as the intro file \"Default Caption\" "
                                "and stops with the message asking for the disc. Add \"header=\" (empty for no "
                                "intro) to [main]."));
        return;
    }
    if (!introConfigured) return;
    for (int i = 0; i < r.header.size(); ++i) {
        const QString& entry = r.header[i];
        if (IsIntroFileMissing(r.folder + entry)) {
            AddError(r, where,
                     QStringLiteral("Intro entry %1 %2 is missing (%3); start-up would stop with the message "
                                    "asking for the disc. Add the file or remove the entry%4.")
                         .arg(i + 1)
                         .arg(Quoted(entry), ui::DisplayPath(r.folder + entry),
                              entry.isEmpty() ? QStringLiteral(" (an empty entry comes from two commas in a row or "
                                                               "a comma at the end)")
                                              : QString()));
        } else {
            WarnIfCaseOnly(r, where, entry);
        }
    }
}

void CheckOutroList(DiscReport& r, const ProfileString& laster) {
    if (!laster.found || laster.text.isEmpty()) return;
    const QString where = QStringLiteral("[main] laster");
    for (int i = 0; i < r.laster.size(); ++i) {
        const QString& entry = r.laster[i];
        if (entry.isEmpty()) continue;
        if (IsIntroFileMissing(r.folder + entry))
            AddWarning(r, where,
                       QStringLiteral("Outro entry %1 %2 does not exist (outro files are not checked at start-up). "
                                      "Add the file or remove the entry.")
                           .arg(i + 1)
                           .arg(Quoted(entry)));
        else
            WarnIfCaseOnly(r, where, entry);
    }
}

void ReadMenuLines(DiscReport& r) {
    const ProfileSection section = ReadIniSectionText(QStringLiteral("menu"), Shared().IniFile);
    const QStringList pieces = MenuPieces(section.text);
    if (section.cut) {
        const QString lost = section.text.split(QChar(0)).back();
        AddWarning(r, QStringLiteral("[menu]"),
                   QStringLiteral("The section is longer than 9,998 bytes; the player reads only the first 9,998 and "
                                  "drops the line in which the cut falls (it begins %1) and every line after it. "
                                  "Shorten the section.")
                       .arg(Quoted(lost.left(20))));
    }
    KeyedTable keys;
    for (const QString& piece : pieces) {
        const ParsedMenuLine parsed = ParseMenuLine(piece);
        if (!parsed.line) {
            AddError(r, QStringLiteral("[menu] ") + Quoted(piece),
                     QStringLiteral("The line %1; start-up would stop with an error report. Write it as "
                                    "key=left,top,right,bottom,#word,argument.")
                         .arg(parsed.problem));
            continue;
        }
        const MenuLine& line = *parsed.line;
        if (keys.Exists(line.key)) {
            AddError(r, QStringLiteral("[menu] ") + line.key,
                     QStringLiteral("The key repeats the key %1 of an earlier line (letter case does not count); "
                                    "start-up would stop with an error report. Give the item a key of its own.")
                         .arg(Quoted(keys.Item(line.key))));
            continue;
        }
        keys.Add(line.key, line.key);

        MenuEntry e;
        e.key = line.key;
        e.rect = line.rect;
        e.action = line.action;
        const ActionParts parts = SplitAction(line.action);
        e.word = parts.word;
        e.arg = parts.arg;
        const QStringList numbers = RectPieces(line.rect);
        for (int k = 0; k < 4 && k < numbers.size(); ++k) {
            try {
                e.numbers[static_cast<size_t>(k)] = RectNumber(numbers[k], line.key);
            } catch (const ui::RuntimeError&) {
            }
        }
        try {
            ParseRect(line.rect, line.key);
        } catch (const ui::RuntimeError& error) {
            e.rectError = error.text();
        }
        const qsizetype hash = piece.indexOf(QLatin1Char('#'));
        e.lostDigit = piece.at(hash - 1).isDigit();
        if (e.lostDigit)
            AddWarning(r, QStringLiteral("[menu] ") + line.key,
                       QStringLiteral("The digit %1 right before \"#\" is dropped with the separator, so the "
                                      "rectangle reads %2. Put a comma or a space before \"#\".")
                           .arg(Quoted(piece.at(hash - 1)), Quoted(line.rect)));
        r.menuIndex.insert(e.key.toCaseFolded(), static_cast<int>(r.menu.size()));
        r.menu.push_back(e);
    }
}

// Repeated sections and keys: the profile reader takes the first and ignores
// the rest, which an author rarely means. ([menu] repeats are errors of their
// own.)
void WarnAboutRepeats(DiscReport& r) {
    const auto profile = ReadProfile(Shared().IniFile);
    const QStringList sections = profile->sectionNames();
    for (const char* name : {"main", "menu", "navigate"}) {
        const QString section = QString::fromLatin1(name);
        const auto times = std::count_if(sections.begin(), sections.end(), [&](const QString& s) {
            return s.compare(section, Qt::CaseInsensitive) == 0;
        });
        if (times > 1)
            AddWarning(r, QLatin1Char('[') + section + QLatin1Char(']'),
                       QStringLiteral("The section appears %1 times; the player reads only the first. Merge them.")
                           .arg(times));
    }
    for (const char* name : {"main", "navigate"}) {
        const QString section = QString::fromLatin1(name);
        QSet<QString> seen;  // case-folded: a look-up per key, however many keys there are
        for (const QString& key : profile->keyNames(section)) {
            const QString folded = key.toCaseFolded();
            if (seen.contains(folded)) {
                AddWarning(r, QStringLiteral("[%1] %2").arg(section, key),
                           QStringLiteral("The key appears more than once; the player reads only the first value. "
                                          "Remove the others."));
                continue;
            }
            seen.insert(folded);
        }
    }
}

void ReadNavigate(DiscReport& r) {
    for (const char* name : {"donghua", "shengyin"}) {
        const QString key = QString::fromLatin1(name);
        const ProfileString value = ReadIniValue(QStringLiteral("navigate"), key, Shared().IniFile);
        (key == QLatin1String("donghua") ? r.donghua : r.shengyin) = value.text;
        const QString where = QStringLiteral("[navigate] ") + key;
        WarnIfCut(r, value, where);
        if (r.configFound && !value.found)
            AddWarning(r, where,
                       QStringLiteral("There is no %1 key; its side button hands \"Default Caption\" to the shell, "
                                      "which opens nothing. Add the key with a target.")
                           .arg(key));
    }
}

}  // namespace

void CheckConfiguration(DiscReport& r) {
    const bool introConfigured = ReadStartUpLists();
    const SharedState& s = Shared();
    r.configFound = ReadProfile(s.IniFile)->hasFile();
    r.header = s.HeaderFiles;
    r.laster = s.LasterFiles;

    const ProfileString header = ReadIniValue(QStringLiteral("main"), QStringLiteral("header"), s.IniFile);
    const ProfileString laster = ReadIniValue(QStringLiteral("main"), QStringLiteral("laster"), s.IniFile);
    WarnIfCut(r, header, QStringLiteral("[main] header"));
    WarnIfCut(r, laster, QStringLiteral("[main] laster"));
    CheckIntroList(r, header, introConfigured);
    CheckOutroList(r, laster);
    ReadMenuLines(r);

    ReadFaceList();
    r.face = Shared().FaceFiles;
    const ProfileString face = ReadIniValue(QStringLiteral("main"), QStringLiteral("face"), s.IniFile);
    WarnIfCut(r, face, QStringLiteral("[main] face"));
    const ProfileString newloop = ReadIniValue(QStringLiteral("main"), QStringLiteral("newloop"), s.IniFile);
    WarnIfCut(r, newloop, QStringLiteral("[main] newloop"));
    r.newloop = SplitList(newloop.text);
    ReadNavigate(r);
    WarnAboutRepeats(r);
}

}  // namespace disccheck
