#include "disc/CueSheet.h"
#include "disc/NameDecoding.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace disc {

namespace {

// Splits a line into words; a quoted word keeps its spaces.
QStringList words(const QString& line) {
    QStringList out;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n) {
        while (i < n && line[i].isSpace()) ++i;
        if (i >= n) break;
        QString word;
        if (line[i] == u'"') {
            const qsizetype close = line.indexOf(u'"', i + 1);
            const qsizetype end = close < 0 ? n : close;
            word = line.mid(i + 1, end - i - 1);
            i = end + 1;
        } else {
            const qsizetype start = i;
            while (i < n && !line[i].isSpace()) ++i;
            word = line.mid(start, i - start);
        }
        out << word;
    }
    return out;
}

// "mm:ss:ff" in frames (75 a second); -1 when malformed.
int64_t frames(const QString& msf) {
    const QStringList parts = msf.split(u':');
    if (parts.size() != 3) return -1;
    bool ok[3];
    const int64_t m = parts[0].toLongLong(&ok[0]), s = parts[1].toLongLong(&ok[1]), f = parts[2].toLongLong(&ok[2]);
    if (!ok[0] || !ok[1] || !ok[2] || m < 0 || m > 999 || s < 0 || s > 59 || f < 0 || f > 74) return -1;
    return (m * 60 + s) * 75 + f;
}

bool layoutOf(const QString& mode, SectorLayout& layout) {
    const QString m = mode.toUpper();
    if (m == u"MODE1/2048" || m == u"MODE2/2048") layout = SectorLayout::Data2048;
    else if (m == u"MODE2/2336") layout = SectorLayout::Mode2_2336;
    else if (m == u"MODE1/2352" || m == u"MODE2/2352" || m == u"AUDIO") layout = SectorLayout::Raw2352;
    else return false;
    return true;
}

}  // namespace

bool parseCueSheet(const QByteArray& text, CueSheet& sheet, QString* why) {
    auto fail = [&](const QString& reason) {
        if (why) *why = reason;
        return false;
    };
    sheet.files.clear();
    QByteArray body = text;
    if (body.startsWith("\xEF\xBB\xBF")) body.remove(0, 3);
    QString text16 = decodeLocalName(body);
    text16.replace(u'\r', u'\n');
    const QStringList lines = text16.split(u'\n', Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const QStringList w = words(line);
        if (w.isEmpty()) continue;
        const QString command = w[0].toUpper();
        CueTrack* track = sheet.files.empty() || sheet.files.back().tracks.empty() ? nullptr
                                                                                   : &sheet.files.back().tracks.back();
        if (command == u"FILE") {
            if (w.size() < 2 || w[1].isEmpty()) return fail(QStringLiteral("the cue sheet has a FILE line without a name"));
            sheet.files.push_back({w[1], {}});
        } else if (command == u"TRACK") {
            if (sheet.files.empty()) return fail(QStringLiteral("the cue sheet has a TRACK before any FILE"));
            CueTrack t;
            t.number = w.size() > 1 ? w[1].toInt() : 0;
            if (w.size() < 3 || !layoutOf(w[2], t.layout))
                return fail(QStringLiteral("the cue sheet has a track of a kind not supported: %1")
                                .arg(w.size() < 3 ? QString() : w[2]));
            sheet.files.back().tracks.push_back(t);
        } else if (command == u"INDEX" || command == u"PREGAP" || command == u"POSTGAP") {
            if (!track) return fail(QStringLiteral("the cue sheet has %1 outside a track").arg(command));
            const int64_t at = frames(w.value(command == u"INDEX" ? 2 : 1));
            if (at < 0) return fail(QStringLiteral("the cue sheet has a malformed time: %1").arg(line.trimmed()));
            if (command == u"PREGAP") track->pregap = at;
            else if (command == u"POSTGAP") track->postgap = at;
            else if (w[1].toInt() == 0) track->index0 = at;
            else if (w[1].toInt() == 1) track->index1 = at;
        }
    }
    if (sheet.files.empty()) return fail(QStringLiteral("the cue sheet names no FILE"));
    for (const CueFile& f : sheet.files) {
        if (f.tracks.empty()) return fail(QStringLiteral("the cue sheet names a FILE without tracks: %1").arg(f.name));
        int64_t previous = -1;
        for (const CueTrack& t : f.tracks) {
            if (t.index1 < 0) return fail(QStringLiteral("track %1 of the cue sheet has no INDEX 01").arg(t.number));
            const int64_t start = t.index0 >= 0 ? std::min(t.index0, t.index1) : t.index1;
            if (start < previous) return fail(QStringLiteral("the tracks of the cue sheet are out of order"));
            previous = t.index1;
        }
    }
    return true;
}

std::vector<Segment> layOutCueSheet(const CueSheet& sheet, const std::vector<QString>& paths,
                                    const std::vector<int64_t>& sizes) {
    std::vector<Segment> out;
    int64_t fileBase = 0;     // disc LBA of the current file's first frame
    int64_t origin = -1;      // disc LBA of the first track's INDEX 01
    for (size_t f = 0; f < sheet.files.size() && f < sizes.size() && f < paths.size(); ++f) {
        const auto& tracks = sheet.files[f].tracks;
        int64_t gaps = 0;
        int64_t byteOffset = 0;
        int64_t fileFrames = 0;
        for (size_t t = 0; t < tracks.size(); ++t) {
            const CueTrack& track = tracks[t];
            const int size = bytesPerSector(track.layout);
            const int64_t start = track.index0 >= 0 ? std::min(track.index0, track.index1) : track.index1;
            if (t == 0) byteOffset = start * size;
            gaps += track.pregap;
            if (origin < 0) origin = fileBase + gaps + track.index1;
            int64_t count = 0;
            if (t + 1 < tracks.size()) {
                const CueTrack& next = tracks[t + 1];
                count = (next.index0 >= 0 ? std::min(next.index0, next.index1) : next.index1) - start;
            } else {
                count = std::max<int64_t>(0, (sizes[f] - byteOffset) / size);
            }
            out.push_back({paths[f], byteOffset, track.layout, fileBase + gaps + start, count});
            byteOffset += count * size;
            fileFrames = start + count;
            gaps += track.postgap;
        }
        fileBase += fileFrames + gaps;
    }
    // LBA 0 is the first track's INDEX 01: frames before it (its INDEX 00) are dropped.
    std::vector<Segment> shifted;
    for (Segment s : out) {
        s.firstLba -= std::max<int64_t>(origin, 0);
        if (s.firstLba < 0) {
            const int64_t skip = std::min(-s.firstLba, s.sectors);
            s.fileOffset += skip * bytesPerSector(s.layout);
            s.sectors -= skip;
            s.firstLba += skip;
        }
        if (s.sectors > 0) shifted.push_back(s);
    }
    return shifted;
}

namespace {

QString findBelow(const QString& cueFolder, const QString& name) {
    QString path = name;
    path.replace(u'\\', u'/');
    if (QFileInfo(path).isAbsolute() && QFileInfo(path).isFile()) return path;
    if (QFileInfo(path).isAbsolute()) path = QFileInfo(path).fileName();  // a rip's own drive path: try beside the cue
    QString current = cueFolder;
    const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        QString next = current + u'/' + part;
        if (part == u"..") {
            current = next;
            continue;
        }
        if (!QFileInfo::exists(next)) {
            const QStringList entries = QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            next.clear();
            for (const QString& e : entries)
                if (e.compare(part, Qt::CaseInsensitive) == 0) {
                    next = current + u'/' + e;
                    break;
                }
            if (next.isEmpty()) return {};
        }
        current = next;
    }
    return QFileInfo(current).isFile() ? current : QString();
}

}  // namespace

QString findCueFile(const QString& cueFolder, const QString& name) {
    const QString found = findBelow(cueFolder, name);
    if (!found.isEmpty()) return found;
    // A rip made elsewhere may name the file with its old folder ("D:\rips\disc.bin"): try the name alone.
    QString base = name;
    base.replace(u'\\', u'/');
    base = base.section(u'/', -1);
    return base == name ? QString() : findBelow(cueFolder, base);
}

}  // namespace disc
