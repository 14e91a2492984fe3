#include "disc/DriveSectorReader.h"

#include <QFile>
#include <cdio/cdio.h>
#include <cdio/logging.h>
#include <cdio/read.h>
#include <cstring>
#include <mutex>

namespace disc {

namespace {

void swallowLog(cdio_log_level_t, const char*) {}

// A libcdio handle is not safe to share between threads, so every reader (the
// image's own, each stream's) opens the drive anew.
class DriveSectorReader final : public SectorReader {
public:
    explicit DriveSectorReader(CdIo_t* cdio) : cdio_(cdio) {
        const lsn_t last = cdio_get_disc_last_lsn(cdio_);
        count_ = last == CDIO_INVALID_LSN ? 0 : int64_t(last);
    }
    ~DriveSectorReader() override { cdio_destroy(cdio_); }

    int64_t sectorCount() const override { return count_; }

    bool readData(int64_t lba, int n, char* out) override {
        return withRetries(lba, n, [&](int64_t at, int m) {
            return cdio_read_data_sectors(cdio_, out + (at - lba) * kDataBytes, lsn_t(at), kDataBytes, uint32_t(m)) ==
                   DRIVER_OP_SUCCESS;
        });
    }

    // libcdio gives Form 2 sectors as 2,336 bytes: the 8-byte sub-header and the payload.
    bool readForm2(int64_t lba, int n, char* out) override {
        return withRetries(lba, n, [&](int64_t at, int m) {
            raw_.resize(size_t(m) * kMode2Bytes);
            if (cdio_read_mode2_sectors(cdio_, raw_.data(), lsn_t(at), true, uint32_t(m)) != DRIVER_OP_SUCCESS)
                return false;
            for (int k = 0; k < m; ++k)
                std::memcpy(out + (at - lba + k) * kForm2Bytes, raw_.data() + size_t(k) * kMode2Bytes + 8, kForm2Bytes);
            return true;
        });
    }

private:
    // Reads in small batches, each tried up to three times; a cancel stops
    // between batches and between tries.
    template <typename Read>
    bool withRetries(int64_t lba, int n, Read read) {
        if (lba < 0 || n < 0 || lba + n > count_) return false;
        for (int64_t at = lba; at < lba + n;) {
            const int m = int(std::min<int64_t>(kBatch, lba + n - at));
            bool ok = false;
            for (int attempt = 0; attempt < 3 && !ok; ++attempt) {
                if (cancelled()) return false;
                ok = read(at, m);
            }
            if (!ok) return false;
            at += m;
        }
        return true;
    }

    static constexpr int kBatch = 16;
    CdIo_t* cdio_;
    int64_t count_ = 0;
    std::vector<char> raw_;
};

}  // namespace

void silenceLibcdio() {
    static std::once_flag once;
    std::call_once(once, [] { cdio_log_set_handler(swallowLog); });
}

std::unique_ptr<SectorReader> makeDriveSectorReader(const QString& device, QString* why) {
    silenceLibcdio();
    CdIo_t* cdio = cdio_open(QFile::encodeName(device).constData(), DRIVER_DEVICE);
    if (!cdio) {
        if (why) *why = QStringLiteral("cannot open the drive %1").arg(device);
        return nullptr;
    }
    auto reader = std::make_unique<DriveSectorReader>(cdio);
    if (reader->sectorCount() <= 0) {
        if (why) *why = QStringLiteral("no readable disc in the drive %1").arg(device);
        return nullptr;
    }
    return reader;
}

}  // namespace disc
