// Any bytes as a disc image file: opened or refused with a reason, then every
// folder listed and every file stat'ed, read whole and streamed, never a
// crash, hang or read past a buffer. The same bytes also go through the cue
// sheet parser and the NRG chunk parser.
#include "disc/CueSheet.h"
#include "disc/DiscImage.h"
#include "disc/NrgLayout.h"
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr int kMaxNodes = 4000;
constexpr int64_t kMaxRead = 1 << 20;

// The image's file: a memfd written once per input (no file on disk).
int imageFile(const uint8_t* data, size_t size) {
    static const int fd = memfd_create("fuzz-disc", MFD_CLOEXEC);
    if (fd < 0 || ftruncate(fd, 0) != 0) __builtin_trap();
    for (size_t done = 0; done < size;) {
        const ssize_t n = pwrite(fd, data + done, size - done, off_t(done));
        if (n <= 0) __builtin_trap();
        done += size_t(n);
    }
    return fd;
}

void walk(const disc::Image& image) {
    QStringList pending{QString()};
    int visited = 0;
    char buffer[8192];
    while (!pending.isEmpty() && visited < kMaxNodes) {
        const QString folder = pending.takeFirst();
        for (const QString& name : image.list(folder)) {
            if (++visited > kMaxNodes) break;
            const QString path = folder.isEmpty() ? name : folder + QLatin1Char('\\') + name;
            const disc::NodeInfo info = image.stat(path);
            if (!info.exists) __builtin_trap();  // a listed name must be found
            if (info.isDir) {
                pending << path;
                continue;
            }
            QByteArray all;
            const bool whole = image.readAll(path, all, kMaxRead);
            if (whole && all.size() != info.size) __builtin_trap();
            auto stream = image.openStream(path);
            if (!stream || stream->size() != info.size) __builtin_trap();
            int64_t total = 0, got = 0;
            while (total < kMaxRead && (got = stream->read(buffer, sizeof buffer)) > 0) total += got;
            if (got < 0 && !stream->failed()) __builtin_trap();
            if (info.size > 0 && stream->seek(info.size / 2) && stream->read(buffer, 100) < 0 && !stream->failed())
                __builtin_trap();
        }
    }
    for (const disc::ImageProblem& p : image.problems())
        if (p.message.isEmpty()) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    disc::CueSheet sheet;
    if (disc::parseCueSheet(bytes, sheet, nullptr)) {
        std::vector<QString> paths(sheet.files.size(), QStringLiteral("x.bin"));
        std::vector<int64_t> sizes(sheet.files.size(), int64_t(size) * 2352);
        for (const disc::Segment& s : disc::layOutCueSheet(sheet, paths, sizes))
            if (s.sectors < 0 || s.firstLba < 0) __builtin_trap();
    }
    std::vector<disc::Segment> segments;
    disc::parseNrgChunks(bytes, QStringLiteral("x.nrg"), int64_t(size), segments, nullptr);

    const int fd = imageFile(data, size);
    QString why;
    auto image = disc::Image::open(QStringLiteral("/proc/self/fd/%1").arg(fd), &why);
    if (!image) {
        if (why.isEmpty()) __builtin_trap();  // a refusal always says why
        return 0;
    }
    walk(*image);
    return 0;
}
