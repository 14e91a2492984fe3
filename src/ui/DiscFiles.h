#pragma once
// Files on the disc. Names use "\" inside (a "/" is taken the same way) and
// match without regard to case: each component is looked up in its folder on
// disk, exactly first, then ignoring case, because discs copied from CD often
// carry upper-case names. A path inside a mounted disc image (DiscMount.h) is
// looked up in the image instead, by the same rules; callers never learn
// which. Nothing here ever writes to the disc.
#include "disc/DiscImage.h"
#include <QString>
#include <cstdint>
#include <memory>

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

// Reads a whole file; returns false when it cannot be read.
bool ReadWholeFile(const QString& path, QByteArray& out);

// True when the disc path names a file (not a folder) / a folder.
bool IsDiscFile(const QString& path);
bool IsDiscFolder(const QString& path);

// What tells a file's content changed: its size and modification time, from
// one stat of a path as ResolveDiscPath gives it (not resolved again, so that
// a cache checks a file with one system call). A file inside a disc image
// takes the image file's stamp. False when the path names no file.
struct FileStamp {
    int64_t size = -1;
    int64_t modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};
bool GetFileStamp(const QString& resolvedPath, FileStamp& stamp);

// A stream over a file inside the mounted disc image (for the media
// framework, which reads clips from the image without a copy); null when the
// path is not inside an image or names no file there.
std::unique_ptr<disc::ClipStream> OpenImageStream(const QString& path);

// A real file the desktop's opener can open for a disc path that names a
// file: the file itself on a folder disc; from an image, a private copy (of
// the page's whole folder for a web page, so its pictures come along).
// Empty when there is no such file or it cannot be copied.
QString OpenerPath(const QString& path);

// The folder of the running executable, "/" separated, with exactly one
// trailing "/" (the root "/" gets none added).
QString ExecutableFolder();

// How a disc path is shown to a person: with "/" separators.
QString DisplayPath(const QString& path);

}  // namespace ui
