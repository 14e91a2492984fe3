#include "disc/FileSectorReader.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace disc {

namespace {

// Reads whole sectors and takes the data out of each by its layout. A raw
// sector names its mode at byte 15: Mode 1 data start at 16, Mode 2 (XA)
// data at 24, after the 8-byte sub-header.
class FileSectorReader final : public SectorReader {
public:
    ~FileSectorReader() override {
        for (int fd : fds_)
            if (fd >= 0) ::close(fd);
    }

    bool open(const std::vector<Segment>& segments, QString* why) {
        segments_ = segments;
        std::sort(segments_.begin(), segments_.end(),
                  [](const Segment& a, const Segment& b) { return a.firstLba < b.firstLba; });
        for (const Segment& s : segments_) {
            count_ = std::max(count_, s.firstLba + s.sectors);
            auto known = std::find(files_.begin(), files_.end(), s.file);
            if (known != files_.end()) {
                segmentFd_.push_back(int(known - files_.begin()));
                continue;
            }
            const int fd = ::open(QFile::encodeName(s.file).constData(), O_RDONLY | O_CLOEXEC);
            if (fd < 0) {
                if (why) *why = QStringLiteral("cannot open %1: %2").arg(s.file, QString::fromLocal8Bit(std::strerror(errno)));
                return false;
            }
            files_.push_back(s.file);
            fds_.push_back(fd);
            segmentFd_.push_back(int(fds_.size()) - 1);
        }
        return true;
    }

    int64_t sectorCount() const override { return count_; }
    bool readData(int64_t lba, int n, char* out) override { return read(lba, n, out, false); }
    bool readForm2(int64_t lba, int n, char* out) override { return read(lba, n, out, true); }

private:
    bool read(int64_t lba, int n, char* out, bool form2) {
        const int outBytes = form2 ? kForm2Bytes : kDataBytes;
        while (n > 0) {
            if (cancelled()) return false;
            const int index = segmentAt(lba);
            if (index < 0) return false;
            const Segment& s = segments_[size_t(index)];
            const int size = bytesPerSector(s.layout);
            if (form2 && s.layout == SectorLayout::Data2048) return false;  // no payload stored
            const int m = int(std::min<int64_t>({n, s.firstLba + s.sectors - lba, kBatch}));
            const int64_t want = int64_t(m) * size;
            buffer_.resize(size_t(want));
            if (!readFully(fds_[size_t(segmentFd_[size_t(index)])], buffer_.data(), want,
                           s.fileOffset + (lba - s.firstLba) * size))
                return false;
            for (int k = 0; k < m; ++k) {
                const char* sector = buffer_.data() + int64_t(k) * size;
                std::memcpy(out, sector + dataOffset(s.layout, sector), size_t(outBytes));
                out += outBytes;
            }
            lba += m;
            n -= m;
        }
        return true;
    }

    static int dataOffset(SectorLayout layout, const char* sector) {
        switch (layout) {
        case SectorLayout::Data2048: return 0;
        case SectorLayout::Mode2_2336: return 8;
        case SectorLayout::Raw2352: return sector[15] == 2 ? 24 : 16;
        }
        return 0;
    }

    static bool readFully(int fd, char* to, int64_t bytes, int64_t offset) {
        while (bytes > 0) {
            const ssize_t got = ::pread(fd, to, size_t(bytes), offset);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) return false;  // an error, or the file ends early (truncated)
            to += got;
            bytes -= got;
            offset += got;
        }
        return true;
    }

    int segmentAt(int64_t lba) const {
        for (size_t i = 0; i < segments_.size(); ++i)
            if (lba >= segments_[i].firstLba && lba < segments_[i].firstLba + segments_[i].sectors) return int(i);
        return -1;
    }

    static constexpr int64_t kBatch = 64;
    std::vector<Segment> segments_;
    std::vector<int> segmentFd_;
    std::vector<QString> files_;
    std::vector<int> fds_;
    std::vector<char> buffer_;
    int64_t count_ = 0;
};

}  // namespace

std::unique_ptr<SectorReader> makeFileSectorReader(const std::vector<Segment>& segments, QString* why) {
    auto reader = std::make_unique<FileSectorReader>();
    if (!reader->open(segments, why)) return nullptr;
    return reader;
}

}  // namespace disc
