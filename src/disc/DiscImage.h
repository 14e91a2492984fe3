#pragma once
// A disc held as an image file (ISO 9660 .iso/.img, BIN/CUE, NRG) or in an
// optical drive (/dev/sr0), read without mounting: sectors come from the
// image or the drive, names from the ISO 9660 directory records (Joliet,
// else Rock Ridge, else plain names less their ";1"), matched without regard
// to case. Paths inside the disc use "\" or "/" alike and have no leading
// separator ("image\Play.jpg"); the empty path is the root.
//
// Threads: an Image is used from the user-interface thread. Each ClipStream has
// a sector handle of its own and may be used from one other thread (libmpv's
// stream thread); cancel() may be called from any thread.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

namespace disc {

// What is at a path inside the disc.
struct NodeInfo {
    bool exists = false;
    bool isDir = false;
    bool hidden = false;        // the ISO "existence" (hidden) flag
    bool form2 = false;         // a Mode 2 Form 2 file (a Video CD's MPEGAV or SEGMENT file)
    bool caseDiffers = false;   // found only by ignoring letter case
    bool jolietOnly = false;    // the name matched only through Joliet (the plain ISO name differs)
    QString realPath;           // the path with each component's real spelling, "/" separated
    int64_t size = 0;           // bytes as read: a Form 2 file counts its 2,324-byte payloads
};

// Something the image itself gets wrong (found while opening or listing it).
struct ImageProblem {
    QString path;     // inside the disc, or empty for the image as a whole
    QString message;  // in English, one line
};

// A clip's bytes, streamed from the disc: a Form 1 file as its bytes, a Form 2
// file as the concatenated 2,324-byte payloads of its sectors.
class ClipStream {
public:
    virtual ~ClipStream() = default;
    virtual int64_t size() const = 0;
    // Reads up to n bytes at the current position: the count read, 0 at the
    // end, -1 on a read error (also recorded: failed() turns true).
    virtual int64_t read(char* buffer, int64_t n) = 0;
    // Moves to offset (0 <= offset <= size); false when out of range.
    virtual bool seek(int64_t offset) = 0;
    // True once a sector could not be read (a scratched disc, a truncated image).
    virtual bool failed() const = 0;
    // Makes a read that waits on a slow or stalled drive return -1 soon; safe
    // from any thread. Every read after it returns -1 too; failed() stays
    // false, since the disc did nothing wrong.
    virtual void cancel() = 0;
};

class Image {
public:
    virtual ~Image() = default;

    // Opens the image file or drive at path. On failure returns null and sets
    // why to a one-line reason in English ("the .bin file named by the cue
    // sheet is missing: DISC.BIN", "not an ISO 9660 image", ...). Never writes.
    static std::unique_ptr<Image> open(const QString& path, QString* why);

    // True when path looks like something open() takes rather than a folder:
    // an existing regular file or a block device.
    static bool looksLikeImage(const QString& path);

    virtual NodeInfo stat(const QString& path) const = 0;
    // The real names in a folder (not "." or ".."), folders included.
    virtual QStringList list(const QString& folder) const = 0;
    // Reads a whole file (Form 2 as its payloads) when it is at most maxBytes;
    // false when absent, a folder, too big, or unreadable.
    virtual bool readAll(const QString& path, QByteArray& out, int64_t maxBytes) const = 0;
    // A stream over a file with its own sector handle; null when absent, a
    // folder, or when the image or drive can no longer be opened.
    virtual std::unique_ptr<ClipStream> openStream(const QString& path) const = 0;
    // Problems found in the image while opening it (extents past its end,
    // folders that point back, ...); path is "/" separated with real names.
    virtual std::vector<ImageProblem> problems() const = 0;
};

}  // namespace disc
