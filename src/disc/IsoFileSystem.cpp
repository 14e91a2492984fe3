#include "disc/IsoFileSystem.h"
#include "disc/NameDecoding.h"

#include <QHash>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

namespace disc {

namespace {

constexpr int kMaxDepth = 64;            // far beyond any real disc; stops runaway nesting
constexpr int kMaxDescriptors = 256;     // volume descriptors looked at after sector 16
constexpr int kMaxContinuations = 8;     // Rock Ridge CE hops for one record
constexpr int kRecordHeader = 33;        // fixed part of a directory record
constexpr uint8_t kHiddenFlag = 0x01, kDirFlag = 0x02, kMultiExtentFlag = 0x80;
constexpr uint16_t kXaForm1 = 0x0800, kXaForm2 = 0x1000, kXaInterleaved = 0x2000;

uint32_t le32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
uint16_t le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

QString problemPath(const QString& path) { return path.isEmpty() ? QStringLiteral("the root folder") : path; }

}  // namespace

// One pass over a directory tree (the primary one or the Joliet one).
struct IsoFileSystem::Walk {
    SectorReader& reader;
    bool joliet;
    int64_t& budget;  // sectors left for directory and continuation reads, shared by both trees
    std::vector<IsoNode> nodes;
    std::vector<ImageProblem> problems;
    std::unordered_set<int64_t> visited;
    bool susp = false;   // the root's "." record carries a SUSP "SP" entry
    int suspSkip = 0;    // bytes to skip at the start of every System Use area
    uint8_t sector[kDataBytes];
    uint8_t continuation[kDataBytes];

    int64_t count() const { return reader.sectorCount(); }

    QString pathOf(int index) const {
        QStringList parts;
        for (int i = index; i > 0; i = nodes[size_t(i)].parent) parts.prepend(nodes[size_t(i)].name);
        return parts.join(u'/');
    }

    void problem(int index, const QString& message) {
        problems.push_back({pathOf(index), message.arg(problemPath(pathOf(index)))});
    }

    bool fits(const Extent& e) const {
        const int64_t sectors = (e.bytes + kDataBytes - 1) / kDataBytes;
        return e.lba >= 0 && e.lba <= count() && sectors <= count() - e.lba;
    }

    void run(const uint8_t* rootRecord) {
        IsoNode root;
        root.isDir = true;
        root.extents.push_back({int64_t(le32(rootRecord + 2)) + rootRecord[1], int64_t(le32(rootRecord + 10))});
        nodes.push_back(root);
        // Breadth first with an explicit queue: no recursion however deep the tree claims to be.
        std::vector<std::pair<int, int>> queue{{0, 0}};
        for (size_t next = 0; next < queue.size(); ++next) readDirectory(queue[next].first, queue[next].second, queue);
    }

    void readDirectory(int dir, int depth, std::vector<std::pair<int, int>>& queue) {
        const Extent extent = nodes[size_t(dir)].extents[0];
        if (!fits(extent)) {
            problem(dir, QStringLiteral("the directory of %1 runs past the end of the image (truncated?)"));
            return;
        }
        if (!visited.insert(extent.lba).second) {
            problem(dir, QStringLiteral("the folder %1 points back to a folder read before"));
            return;
        }
        const int64_t sectors = (extent.bytes + kDataBytes - 1) / kDataBytes;
        if (sectors > budget) {
            problem(dir, QStringLiteral("the directories up to %1 hold more sectors than the image"));
            budget = 0;
            return;
        }
        budget -= sectors;
        int lastNode = -1;
        QByteArray lastRawName;
        bool lastContinues = false;
        for (int64_t s = 0; s < sectors; ++s) {
            if (!reader.readData(extent.lba + s, 1, reinterpret_cast<char*>(sector))) {
                problem(dir, QStringLiteral("the directory of %1 cannot be read"));
                return;
            }
            const int used = int(std::min<int64_t>(kDataBytes, extent.bytes - s * kDataBytes));
            for (int off = 0; off < used;) {
                const int length = sector[off];
                // A zero length ends the records of this sector; a record that
                // is too short or crosses the sector's end is damage: skip the rest.
                if (length == 0 || length < kRecordHeader + 1 || off + length > kDataBytes) break;
                const uint8_t* record = sector + off;
                off += length;
                const int nameLength = record[32];
                if (kRecordHeader + nameLength > length) continue;
                const QByteArray rawName(reinterpret_cast<const char*>(record + kRecordHeader), nameLength);
                const int suStart = kRecordHeader + nameLength + (nameLength % 2 == 0 ? 1 : 0);
                const uint8_t* su = record + suStart;
                const int suLength = std::max(0, length - suStart);
                if (nameLength == 1 && (rawName[0] == '\0' || rawName[0] == '\1')) {
                    if (dir == 0 && s == 0 && rawName[0] == '\0' && !joliet) findSharingProtocol(su, suLength);
                    continue;
                }
                const uint8_t flags = record[25];
                const Extent e{int64_t(le32(record + 2)) + record[1], int64_t(le32(record + 10))};
                if (lastContinues && lastNode >= 0 && rawName == lastRawName) {
                    // The next piece of a multi-extent file.
                    nodes[size_t(lastNode)].extents.push_back(e);
                    if (!fits(e)) problem(lastNode, QStringLiteral("the extent of %1 runs past the end of the image (truncated?)"));
                    lastContinues = flags & kMultiExtentFlag;
                    continue;
                }
                IsoNode node;
                node.parent = dir;
                node.isDir = flags & kDirFlag;
                node.hidden = flags & kHiddenFlag;
                node.extents.push_back(e);
                node.form2 = !node.isDir && isForm2(su, suLength);
                if (joliet) {
                    node.name = stripVersion(decodeJolietName(rawName), false);
                    node.plainName = node.name;
                } else {
                    node.plainName = stripVersion(decodeLocalName(rawName), true);
                    QByteArray rockRidge;
                    node.name = susp && rockRidgeName(su, suLength, rockRidge) && !rockRidge.isEmpty()
                                    ? decodeLocalName(rockRidge)
                                    : node.plainName;
                }
                // A separator inside a name would split it when looked up.
                node.name.replace(u'/', u'_').replace(u'\\', u'_');
                node.plainName.replace(u'/', u'_').replace(u'\\', u'_');
                if (node.name.isEmpty()) continue;
                const int index = int(nodes.size());
                nodes.push_back(std::move(node));
                nodes[size_t(dir)].children.push_back(index);
                lastNode = index;
                lastRawName = rawName;
                lastContinues = flags & kMultiExtentFlag;
                if (nodes[size_t(index)].isDir) {
                    if (depth + 1 >= kMaxDepth) problem(index, QStringLiteral("the folder %1 is nested too deeply"));
                    else queue.push_back({index, depth + 1});
                } else if (!fits(e)) {
                    problem(index, QStringLiteral("the extent of %1 runs past the end of the image (truncated?)"));
                }
            }
        }
    }

    // XA attributes: a 14-byte record at the start of the System Use area,
    // "XA" at its offset 6, attributes big-endian at offset 4. A Video CD's
    // MPEG files carry 0x1555 (Form 2), its other files 0x0D55 (Form 1).
    static bool isForm2(const uint8_t* su, int length) {
        if (length < 14 || su[6] != 'X' || su[7] != 'A') return false;
        const uint16_t attributes = uint16_t(su[4] << 8 | su[5]);
        return (attributes & kXaForm2) || ((attributes & kXaInterleaved) && !(attributes & kXaForm1));
    }

    void findSharingProtocol(const uint8_t* su, int length) {
        // "SP" may follow an XA record in the root's "." entry.
        for (int start : {0, 14}) {
            if (length - start >= 7 && su[start] == 'S' && su[start + 1] == 'P' && su[start + 4] == 0xBE &&
                su[start + 5] == 0xEF) {
                susp = true;
                suspSkip = su[start + 6];
                return;
            }
        }
    }

    // Collects the Rock Ridge NM entries of a record (following CE
    // continuation areas, a few at most); false when it has none.
    bool rockRidgeName(const uint8_t* su, int length, QByteArray& name) {
        bool found = false;
        const uint8_t* area = su + std::min(suspSkip, length);
        int areaLength = length - std::min(suspSkip, length);
        for (int hop = 0; hop <= kMaxContinuations; ++hop) {
            int64_t ceLba = -1, ceOffset = 0, ceLength = 0;
            for (int off = 0; off + 4 <= areaLength;) {
                const uint8_t* entry = area + off;
                const int entryLength = entry[2];
                if (entryLength < 4 || off + entryLength > areaLength) break;
                off += entryLength;
                if (entry[0] == 'S' && entry[1] == 'T') break;
                if (entry[0] == 'N' && entry[1] == 'M' && entryLength >= 5) {
                    if (entry[4] & 0x06) continue;  // "." or "..": not a name of its own
                    name.append(reinterpret_cast<const char*>(entry + 5), entryLength - 5);
                    found = true;
                } else if (entry[0] == 'C' && entry[1] == 'E' && entryLength >= 28) {
                    ceLba = le32(entry + 4);
                    ceOffset = le32(entry + 12);
                    ceLength = le32(entry + 20);
                }
            }
            if (ceLba < 0 || ceLba >= count() || ceOffset >= kDataBytes || budget <= 0) break;
            --budget;
            if (!reader.readData(ceLba, 1, reinterpret_cast<char*>(continuation))) break;
            area = continuation + ceOffset;
            areaLength = int(std::min<int64_t>(ceLength, kDataBytes - ceOffset));
        }
        return found;
    }
};

// Each Joliet entry learns its plain name and Form 2 flag from the primary
// record for the same file: a file by its extent, a folder (whose Joliet
// directory has extents of its own) by a name equal but for case, else by a
// file they share. An entry with no primary record keeps no plain name.
void IsoFileSystem::matchPlainNames(const std::vector<IsoNode>& primary, std::vector<IsoNode>& joliet) {
    std::unordered_map<int64_t, int> fileByExtent;
    for (size_t i = 1; i < primary.size(); ++i)
        if (!primary[i].isDir) fileByExtent.emplace(primary[i].extents[0].lba, int(i));
    std::vector<int> counterpart(joliet.size(), -1);
    counterpart[0] = 0;
    joliet[0].plainName.clear();
    std::unordered_map<int64_t, int> filesHere;
    QHash<QString, int> foldersHere;
    for (size_t j = 0; j < joliet.size(); ++j) {  // parents come before their children
        const int p = counterpart[j];
        // The primary folder's entries by extent and by folded name: linear, however large the folder.
        filesHere.clear();
        foldersHere.clear();
        if (p >= 0) {
            for (int q : primary[size_t(p)].children) {
                const IsoNode& entry = primary[size_t(q)];
                if (entry.isDir) foldersHere.insert(entry.plainName.toCaseFolded(), q);
                else filesHere.emplace(entry.extents[0].lba, q);
            }
        }
        for (int c : joliet[j].children) {
            IsoNode& node = joliet[size_t(c)];
            node.plainName.clear();
            if (p < 0) continue;
            int match = -1;
            if (!node.isDir) {
                const auto found = filesHere.find(node.extents[0].lba);
                if (found != filesHere.end()) match = found->second;
            } else {
                match = foldersHere.value(node.name.toCaseFolded(), -1);
            }
            for (size_t k = 0; match < 0 && node.isDir && k < node.children.size(); ++k) {
                const IsoNode& file = joliet[size_t(node.children[k])];
                const auto found = fileByExtent.find(file.extents[0].lba);
                if (!file.isDir && found != fileByExtent.end() && primary[size_t(found->second)].parent >= 0 &&
                    primary[size_t(primary[size_t(found->second)].parent)].parent == p)
                    match = primary[size_t(found->second)].parent;
            }
            if (match < 0) continue;
            counterpart[size_t(c)] = match;
            // The name the primary tree gives: its Rock Ridge name when it has
            // one (a copy keeps that long name), else the plain ISO name.
            node.plainName = primary[size_t(match)].name;
            node.form2 = node.form2 || primary[size_t(match)].form2;
        }
    }
}

bool IsoFileSystem::read(SectorReader& reader, QString* why) {
    auto fail = [&](const QString& reason) {
        if (why) *why = reason;
        return false;
    };
    nodes_.clear();
    problems_.clear();
    const int64_t count = reader.sectorCount();
    if (count <= 16) return fail(QStringLiteral("not an ISO 9660 image: too short to hold a volume descriptor"));
    uint8_t buffer[kDataBytes];
    QByteArray primaryRoot, jolietRoot;
    for (int64_t lba = 16; lba < count && lba < 16 + kMaxDescriptors; ++lba) {
        if (!reader.readData(lba, 1, reinterpret_cast<char*>(buffer))) {
            if (lba == 16) return fail(QStringLiteral("the image cannot be read at its volume descriptor"));
            break;
        }
        if (std::memcmp(buffer + 1, "CD001", 5) != 0 || buffer[0] == 255) break;
        const bool escape = buffer[88] == '%' && buffer[89] == '/' && (buffer[90] == '@' || buffer[90] == 'C' || buffer[90] == 'E');
        if (buffer[0] == 1 && primaryRoot.isEmpty() && le16(buffer + 128) == kDataBytes)
            primaryRoot = QByteArray(reinterpret_cast<const char*>(buffer + 156), 34);
        else if (buffer[0] == 2 && escape && jolietRoot.isEmpty() && le16(buffer + 128) == kDataBytes)
            jolietRoot = QByteArray(reinterpret_cast<const char*>(buffer + 156), 34);
    }
    if (primaryRoot.isEmpty() && jolietRoot.isEmpty())
        return fail(QStringLiteral("not an ISO 9660 image: no volume descriptor at sector 16"));

    int64_t budget = 2 * count + 16;
    std::unique_ptr<Walk> primary;
    if (!primaryRoot.isEmpty()) {
        primary.reset(new Walk{reader, false, budget, {}, {}, {}, false, 0, {}, {}});
        primary->run(reinterpret_cast<const uint8_t*>(primaryRoot.constData()));
    }
    if (jolietRoot.isEmpty()) {
        nodes_ = std::move(primary->nodes);
        problems_ = std::move(primary->problems);
        return true;
    }
    auto joliet = std::make_unique<Walk>(Walk{reader, true, budget, {}, {}, {}, false, 0, {}, {}});
    joliet->run(reinterpret_cast<const uint8_t*>(jolietRoot.constData()));
    if (primary) matchPlainNames(primary->nodes, joliet->nodes);
    else
        for (IsoNode& node : joliet->nodes) node.plainName.clear();
    nodes_ = std::move(joliet->nodes);
    problems_ = std::move(joliet->problems);
    jolietNames_ = true;
    return true;
}

int64_t IsoFileSystem::readableSize(const IsoNode& node) {
    int64_t total = 0;
    for (const Extent& e : node.extents) total += node.form2 ? (e.bytes / kDataBytes) * kForm2Bytes : e.bytes;
    return total;
}

NodeInfo IsoFileSystem::stat(const QString& path, int* nodeIndex) const {
    NodeInfo info;
    if (nodes_.empty()) return info;
    QString unified = path;
    unified.replace(u'\\', u'/');
    const QStringList parts = unified.split(u'/', Qt::SkipEmptyParts);
    int current = 0;
    QStringList real;
    for (const QString& part : parts) {
        const IsoNode& dir = nodes_[size_t(current)];
        if (!dir.isDir) return {};
        int found = -1;
        bool exact = false, throughJoliet = false;
        for (int child : dir.children) {  // the exact spelling first
            if (nodes_[size_t(child)].name == part) {
                found = child;
                exact = true;
                break;
            }
        }
        for (size_t k = 0; found < 0 && k < dir.children.size(); ++k)
            if (nodes_[size_t(dir.children[k])].name.compare(part, Qt::CaseInsensitive) == 0) found = dir.children[k];
        if (found >= 0) {
            throughJoliet = jolietNames_ && nodes_[size_t(found)].plainName.compare(part, Qt::CaseInsensitive) != 0;
        } else {
            for (int child : dir.children) {  // the plain ISO name of an entry that Joliet spells otherwise
                if (nodes_[size_t(child)].plainName.compare(part, Qt::CaseInsensitive) == 0) {
                    found = child;
                    exact = nodes_[size_t(child)].plainName == part;
                    break;
                }
            }
        }
        if (found < 0) return {};
        info.caseDiffers = info.caseDiffers || !exact;
        info.jolietOnly = info.jolietOnly || throughJoliet;
        real << nodes_[size_t(found)].name;
        current = found;
    }
    const IsoNode& node = nodes_[size_t(current)];
    info.exists = true;
    info.isDir = node.isDir;
    info.hidden = node.hidden;
    info.form2 = node.form2;
    info.realPath = real.join(u'/');
    info.size = node.isDir ? 0 : readableSize(node);
    if (nodeIndex) *nodeIndex = current;
    return info;
}

}  // namespace disc
