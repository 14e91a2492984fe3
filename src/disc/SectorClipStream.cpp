#include "disc/SectorClipStream.h"

#include <algorithm>
#include <cstring>

namespace disc {

namespace {
constexpr int64_t kBatchSectors = 32;  // about 64 KiB a read, what libmpv asks for at a time
}

SectorClipStream::SectorClipStream(std::unique_ptr<SectorReader> owned, const IsoNode& node)
    : owned_(std::move(owned)), reader_(*owned_), extents_(node.extents), form2_(node.form2),
      size_(IsoFileSystem::readableSize(node)) {
    reader_.setCancelFlag(&cancelled_);
}

SectorClipStream::SectorClipStream(SectorReader& borrowed, const IsoNode& node)
    : reader_(borrowed), extents_(node.extents), form2_(node.form2), size_(IsoFileSystem::readableSize(node)) {}

bool SectorClipStream::seek(int64_t offset) {
    if (offset < 0 || offset > size_) return false;
    position_ = offset;
    return true;
}

int64_t SectorClipStream::read(char* buffer, int64_t n) {
    if (n < 0 || cancelled_.load()) return -1;
    int64_t done = 0;
    while (done < n && position_ < size_) {
        const int64_t cacheEnd = cacheStart_ + int64_t(cache_.size());
        if (position_ >= cacheStart_ && position_ < cacheEnd) {
            const int64_t take = std::min(n - done, cacheEnd - position_);
            std::memcpy(buffer + done, cache_.data() + (position_ - cacheStart_), size_t(take));
            done += take;
            position_ += take;
            continue;
        }
        if (!fill(position_)) {
            // What was read is handed over; the next read reports the error.
            if (!cancelled_.load()) failed_.store(true);
            return done > 0 ? done : -1;
        }
    }
    return done;
}

// Reads the batch of sectors that holds position into the cache.
bool SectorClipStream::fill(int64_t position) {
    const int payload = form2_ ? kForm2Bytes : kDataBytes;
    int64_t extentStart = 0;
    for (const Extent& e : extents_) {
        const int64_t sectors = form2_ ? e.bytes / kDataBytes : (e.bytes + kDataBytes - 1) / kDataBytes;
        const int64_t readable = form2_ ? sectors * kForm2Bytes : e.bytes;
        if (position < extentStart + readable) {
            const int64_t first = (position - extentStart) / payload;
            int batch = int(std::min(kBatchSectors, sectors - first));
            auto readBatch = [&] {
                cache_.resize(size_t(batch) * size_t(payload));
                return form2_ ? reader_.readForm2(e.lba + first, batch, cache_.data())
                              : reader_.readData(e.lba + first, batch, cache_.data());
            };
            bool ok = readBatch();
            if (!ok && batch > 1 && !cancelled_.load()) {
                batch = 1;  // the batch may cross a bad spot: hand over what lies before it
                ok = readBatch();
            }
            if (!ok) {
                cache_.clear();
                return false;
            }
            cacheStart_ = extentStart + first * payload;
            cache_.resize(size_t(std::min<int64_t>(int64_t(cache_.size()), readable - first * payload)));
            return true;
        }
        extentStart += readable;
    }
    return false;
}

}  // namespace disc
