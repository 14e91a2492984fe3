#pragma once
// Finding and reading the disc configuration: the application folder, one
// value, one section, a file's kind, and the splitting of list values.
#include "startup/ProfileFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

namespace startup {

// The folder of the running executable with exactly one trailing separator.
// Disc paths are built by plain concatenation onto it.
QString AppFolder();
// Makes AppFolder() return this folder (a trailing "/" is added when missing);
// an empty text goes back to the executable's folder. Used by tests and by
// tools that read a disc other than the one they run from.
void SetAppFolder(const QString& folder);
inline void SetAppFolderForTests(const QString& folder) { SetAppFolder(folder); }

// The bytes of a configuration file, or empty bytes when there is no file (a
// folder in its place and an empty file read the same way). The path is a
// disc path, matched without regard to case.
QByteArray ReadConfigFile(const QString& file);

// The configuration file read and prepared once: the same parse is handed out
// for as long as the file's size and modification time stay as they were (one
// stat per call), and a changed file is read again. A missing file gives a
// Profile of no file. The values below all come from here. For the
// user-interface thread only (the parse remembers its answers unguarded).
std::shared_ptr<const Profile> ReadProfile(const QString& file);

// One value: spaces around it and one pair of enclosing quotes dropped, cut to
// 255 bytes; "Default Caption" when the key, the section or the file is absent.
QString ReadIniString(const QString& section, const QString& key, const QString& file);
// The same, telling also whether the key was found and whether it was cut.
ProfileString ReadIniValue(const QString& section, const QString& key, const QString& file);
// The whole section: every line followed by a NUL character, cut to 9,998
// bytes; the empty text when the section or the file is absent.
QString ReadIniSection(const QString& section, const QString& file);
// The same, telling also whether the section was found and whether it was cut.
ProfileSection ReadIniSectionText(const QString& section, const QString& file);

// The lower-cased text after the last "." of the whole path ("a.b\c" gives
// "b\c"), or the whole path lower-cased when it has no ".". Never fails.
QString FileExtension(const QString& path);

// A list value split at every ",", nothing trimmed; empty entries stay. The
// empty text is a list of no entries.
QStringList SplitList(const QString& value);

}  // namespace startup
