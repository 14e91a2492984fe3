#include "disc/ImageSource.h"
#include "disc/CueSheet.h"
#include "disc/NrgLayout.h"

#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace disc {

namespace {

constexpr qint64 kMaxCueBytes = 1 << 20;
constexpr qint64 kMaxNrgChunkBytes = 1 << 20;

bool fail(QString* why, const QString& reason) {
    if (why) *why = reason;
    return false;
}

bool isSync(const QByteArray& b, qsizetype at) {
    static const char sync[12] = {0, char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF),
                                  char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF), 0};
    return b.size() >= at + 12 && std::equal(sync, sync + 12, b.constData() + at);
}

QByteArray readAt(QFile& f, qint64 offset, qint64 length) {
    if (!f.seek(offset)) return {};
    return f.read(length);
}

bool cueSource(const QString& path, SectorSource& source, QString* why) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return fail(why, QStringLiteral("cannot open %1: %2").arg(path, f.errorString()));
    if (f.size() > kMaxCueBytes) return fail(why, QStringLiteral("the cue sheet is too large to be one"));
    CueSheet sheet;
    if (!parseCueSheet(f.readAll(), sheet, why)) return false;
    const QString folder = QFileInfo(path).absolutePath();
    std::vector<QString> paths;
    std::vector<int64_t> sizes;
    for (const CueFile& file : sheet.files) {
        const QString found = findCueFile(folder, file.name);
        if (found.isEmpty())
            return fail(why, QStringLiteral("the .bin file named by the cue sheet is missing: %1").arg(file.name));
        paths.push_back(found);
        sizes.push_back(QFileInfo(found).size());
    }
    source.segments = layOutCueSheet(sheet, paths, sizes);
    if (source.segments.empty()) return fail(why, QStringLiteral("the files named by the cue sheet hold no sectors"));
    return true;
}

}  // namespace

bool findImageSource(const QString& path, SectorSource& source, QString* why) {
    source = {};
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return fail(why, QStringLiteral("no such image file or drive: %1").arg(path));
    if (S_ISBLK(st.st_mode)) {
        source.device = path;
        return true;
    }
    if (!S_ISREG(st.st_mode)) return fail(why, QStringLiteral("not an image file or a drive: %1").arg(path));
    if (QFileInfo(path).suffix().compare(u"cue", Qt::CaseInsensitive) == 0) return cueSource(path, source, why);

    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return fail(why, QStringLiteral("cannot open %1: %2").arg(path, f.errorString()));
    const int64_t size = f.size();
    if (size == 0) return fail(why, QStringLiteral("the image file is empty"));

    int footer = 0;
    const int64_t chunks = nrgChunkOffset(readAt(f, std::max<int64_t>(0, size - 12), 12), size, &footer);
    if (chunks >= 0) {
        if (size - footer - chunks > kMaxNrgChunkBytes)
            return fail(why, QStringLiteral("the NRG image is damaged: its chunks are too large"));
        const QByteArray bytes = readAt(f, chunks, size - footer - chunks);
        return parseNrgChunks(bytes, path, chunks, source.segments, why) == NrgResult::Nrg;
    }

    const QByteArray head = readAt(f, 0, 16);
    auto whole = [&](SectorLayout layout) {
        source.segments.push_back({path, 0, layout, 0, size / bytesPerSector(layout)});
        return true;
    };
    if (isSync(head, 0)) return whole(SectorLayout::Raw2352);
    if (readAt(f, 16 * kDataBytes + 1, 5) == "CD001") return whole(SectorLayout::Data2048);
    if (readAt(f, 16 * kMode2Bytes + 9, 5) == "CD001") return whole(SectorLayout::Mode2_2336);
    if (isSync(readAt(f, 16 * kRawBytes, 12), 0)) return whole(SectorLayout::Raw2352);
    return fail(why, QStringLiteral("not a disc image: no ISO 9660 volume descriptor and no CD sectors found"));
}

}  // namespace disc
