#pragma once
// Files on the disc. Names use "\" inside (a "/" is taken the same way) and
// match without regard to case: each component is looked up in its folder on
// disk, exactly first, then ignoring case, because discs copied from CD often
// carry upper-case names. Nothing here ever writes.
#include <QString>
#include <cstdint>

namespace ui {

// The real path on disk for a disc path: "\" turned into "/", each existing
// component replaced by its spelling on disk. Components that do not exist are
// kept as given.
QString ResolveDiscPath(const QString& path);

// True when the disc path names an existing file or folder only in another
// letter case (used by tools that warn about such names).
bool MatchesOnlyIgnoringCase(const QString& path);

// File attributes as the classic file system reports them: -1 when nothing is
// there; a folder has 16 (directory), plus 1 when it cannot be written and 2 when
// hidden; a file has 32 (archive), plus 1 and 2 likewise.
constexpr int32_t INVALID_FILE_ATTRIBUTES = -1;
constexpr int32_t FILE_ATTRIBUTE_READONLY = 1;
constexpr int32_t FILE_ATTRIBUTE_HIDDEN = 2;
constexpr int32_t FILE_ATTRIBUTE_DIRECTORY = 16;
constexpr int32_t FILE_ATTRIBUTE_ARCHIVE = 32;
int32_t GetFileAttributes(const QString& path);

// Directory search: the name of the first normal file (not a folder) matching
// the path, or the empty text when there is none.
QString FindFirstFile(const QString& path);

// The size and modification time (nanoseconds since the epoch) of the regular
// file a disc path names, from one stat of the resolved path; false when no
// regular file is there. Readers that keep what they parsed from a file use
// it to tell whether the file changed since.
bool FileStamp(const QString& discPath, int64_t& size, int64_t& modifiedNs);

// Reads a whole file; returns false when it cannot be read.
bool ReadWholeFile(const QString& path, QByteArray& out);

// The folder of the running executable, "/" separated, with exactly one
// trailing "/" (the root "/" gets none added).
QString ExecutableFolder();

// How a disc path is shown to a person: with "/" separators.
QString DisplayPath(const QString& path);

}  // namespace ui
