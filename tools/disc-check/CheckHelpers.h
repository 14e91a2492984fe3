#pragma once
// Small helpers shared by the checks.
#include "DiscReport.h"

#include <QString>

namespace disccheck {

inline void AddProblem(DiscReport& r, Severity s, const QString& where, const QString& message) {
    r.problems.push_back({s, where, message});
}
inline void AddError(DiscReport& r, const QString& where, const QString& message) {
    AddProblem(r, Severity::Error, where, message);
}
inline void AddWarning(DiscReport& r, const QString& where, const QString& message) {
    AddProblem(r, Severity::Warning, where, message);
}

// A disc-relative name as a person reads it.
inline QString Quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

// The checks, in the order CheckDisc runs them.
void CheckConfiguration(DiscReport& r);  // lists, values, [menu] lines, [navigate]
void CheckMenuPages(DiscReport& r);      // pages, ranges, items, overlaps
void CheckPictures(DiscReport& r);       // menu pictures and the skin
void CheckImage(DiscReport& r);          // what a disc image itself gets wrong

// Notes on a file the configuration names inside a disc image: a name found
// only through Joliet, a Form 2 file. Nothing for a folder disc.
void CheckImageName(DiscReport& r, const QString& where, const QString& entry);

// A warning when the disc-relative name matches a file only in another letter
// case.
void WarnIfCaseOnly(DiscReport& r, const QString& where, const QString& entry);

// The media kinds of the intro window.
bool IsVideoKind(const QString& name);
bool IsPictureKind(const QString& name);

}  // namespace disccheck
