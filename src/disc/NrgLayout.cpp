#include "disc/NrgLayout.h"

namespace disc {

namespace {

uint64_t be(const QByteArray& b, qsizetype at, int bytes) {
    uint64_t v = 0;
    for (int i = 0; i < bytes; ++i) v = v << 8 | uint8_t(b[at + i]);
    return v;
}

bool layoutForSize(uint64_t size, SectorLayout& layout) {
    if (size == 2048) layout = SectorLayout::Data2048;
    else if (size == 2336) layout = SectorLayout::Mode2_2336;
    else if (size == 2352) layout = SectorLayout::Raw2352;
    else return false;
    return true;
}

// Track-at-once track modes: 0 Mode 1, 2 Mode 2 Form 1 (both 2,048-byte
// sectors), 3 Mode 2 (2,336), 6 Mode 2 raw and 7 audio (2,352).
bool layoutForMode(uint64_t mode, SectorLayout& layout) {
    switch (mode) {
    case 0: case 2: layout = SectorLayout::Data2048; return true;
    case 3: layout = SectorLayout::Mode2_2336; return true;
    case 6: case 7: layout = SectorLayout::Raw2352; return true;
    default: return false;
    }
}

}  // namespace

int64_t nrgChunkOffset(const QByteArray& tail, int64_t fileSize, int* footerLength) {
    const qsizetype n = tail.size();
    int64_t offset = -1;
    if (n >= 12 && tail.mid(n - 12, 4) == "NER5") {
        offset = int64_t(be(tail, n - 8, 8) & 0x7fffffffffffffffULL);
        *footerLength = 12;
    } else if (n >= 8 && tail.mid(n - 8, 4) == "NERO") {
        offset = int64_t(be(tail, n - 4, 4));
        *footerLength = 8;
    } else {
        return -1;
    }
    return offset < fileSize ? offset : fileSize;  // past the end: an NRG image whose chunks are missing
}

NrgResult parseNrgChunks(const QByteArray& chunks, const QString& file, int64_t fileSize,
                         std::vector<Segment>& segments, QString* why) {
    auto damaged = [&](const QString& reason) {
        if (why) *why = QStringLiteral("the NRG image is damaged: %1").arg(reason);
        segments.clear();
        return NrgResult::Damaged;
    };
    segments.clear();
    int64_t nextLba = 0;
    auto addTrack = [&](int64_t index0, int64_t index1, int64_t end, SectorLayout layout) {
        const int size = bytesPerSector(layout);
        if (index0 > index1 || index1 > end || end > fileSize) return false;
        const int64_t lba = nextLba + (index1 - index0) / size;
        segments.push_back({file, index1, layout, lba, (end - index1) / size});
        nextLba = lba + (end - index1) / size;
        return true;
    };
    for (qsizetype at = 0; at + 8 <= chunks.size();) {
        const QByteArray id = chunks.mid(at, 4);
        const int64_t length = int64_t(be(chunks, at + 4, 4));
        if (id == "END!") break;
        if (length > chunks.size() - at - 8) return damaged(QStringLiteral("a chunk runs past the footer"));
        const QByteArray data = chunks.mid(at + 8, qsizetype(length));
        at += 8 + qsizetype(length);
        if (!segments.empty()) continue;  // the first session's tracks are enough
        if (id == "DAOX" || id == "DAOI") {
            // 22 bytes of disc data (the last two: first and last track),
            // then a record per track: ISRC (12), sector size (2), mode (1),
            // 3 unknown, then index 0, index 1 and end offsets (8 or 4 bytes each).
            const int wide = id == "DAOX" ? 8 : 4;
            const int entry = 18 + 3 * wide;
            if (data.size() < 22) return damaged(QStringLiteral("a short DAO chunk"));
            const int first = uint8_t(data[20]), last = uint8_t(data[21]);
            if (last < first || 22 + qsizetype(last - first + 1) * entry > data.size())
                return damaged(QStringLiteral("the DAO chunk's track count does not fit it"));
            for (int t = 0; t <= last - first; ++t) {
                const qsizetype e = 22 + qsizetype(t) * entry;
                SectorLayout layout;
                if (!layoutForSize(be(data, e + 12, 2), layout))
                    return damaged(QStringLiteral("a track of an unknown sector size"));
                if (!addTrack(int64_t(be(data, e + 18, wide)), int64_t(be(data, e + 18 + wide, wide)),
                              int64_t(be(data, e + 18 + 2 * wide, wide)), layout))
                    return damaged(QStringLiteral("a track lies outside the file"));
            }
        } else if (id == "ETN2" || id == "ETNF") {
            // Per track: offset and length (8 or 4 bytes each), mode (4), start LBA (4), unknown.
            const int wide = id == "ETN2" ? 8 : 4;
            const int entry = id == "ETN2" ? 32 : 20;
            if (data.size() == 0 || data.size() % entry != 0) return damaged(QStringLiteral("an ETN chunk of odd length"));
            for (qsizetype e = 0; e < data.size(); e += entry) {
                SectorLayout layout;
                if (!layoutForMode(be(data, e + 2 * wide, 4), layout))
                    return damaged(QStringLiteral("a track of an unknown mode"));
                const int64_t offset = int64_t(be(data, e, wide)), bytes = int64_t(be(data, e + wide, wide));
                if (offset < 0 || bytes < 0 || !addTrack(offset, offset, offset + bytes, layout))
                    return damaged(QStringLiteral("a track lies outside the file"));
            }
        }
    }
    if (segments.empty()) return damaged(QStringLiteral("no track found in its chunks"));
    return NrgResult::Nrg;
}

}  // namespace disc
