#pragma once
// The one thing the file system and the streams need from an image or a drive:
// data sectors (2,048 bytes each) and Mode 2 Form 2 payloads (2,324 bytes
// each) by logical block address, LBA 0 being the start of the first track.
#include <QString>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

namespace disc {

constexpr int kDataBytes = 2048;    // user data of a Mode 1 or Form 1 sector
constexpr int kForm2Bytes = 2324;   // user data of a Mode 2 Form 2 sector
constexpr int kRawBytes = 2352;     // a whole CD sector: sync, header, data, error codes
constexpr int kMode2Bytes = 2336;   // a Mode 2 sector without sync and header

class SectorReader {
public:
    virtual ~SectorReader() = default;
    // Sectors the source holds (the highest readable LBA + 1).
    virtual int64_t sectorCount() const = 0;
    // Reads n sectors' 2,048 data bytes each into out; false when any fails.
    virtual bool readData(int64_t lba, int n, char* out) = 0;
    // Reads n sectors' 2,324-byte Form 2 payloads into out; false when any fails.
    virtual bool readForm2(int64_t lba, int n, char* out) = 0;

    // A flag that, once true, makes slow reads give up (drives check it between
    // retries). The flag must outlive the reader.
    void setCancelFlag(const std::atomic<bool>* flag) { cancel_ = flag; }
    const std::atomic<bool>* cancelFlag() const { return cancel_; }
    bool cancelled() const { return cancel_ && cancel_->load(std::memory_order_relaxed); }

private:
    const std::atomic<bool>* cancel_ = nullptr;
};

// How the sectors of one stretch of an image file are stored.
enum class SectorLayout {
    Data2048,   // only the 2,048 data bytes (.iso, MODE1/2048)
    Mode2_2336, // sub-header and data, no sync or header (MODE2/2336)
    Raw2352,    // whole sectors with sync and header (.bin, MODE1/2352, MODE2/2352)
};

int bytesPerSector(SectorLayout layout);

// A run of consecutive sectors stored one after another in one file.
struct Segment {
    QString file;
    int64_t fileOffset = 0;  // byte offset of the first sector
    SectorLayout layout = SectorLayout::Data2048;
    int64_t firstLba = 0;
    int64_t sectors = 0;
};

// Where an image's sectors come from: a drive (device set) or files.
struct SectorSource {
    QString device;
    std::vector<Segment> segments;
};

// A reader with handles of its own over the source (a new file descriptor per
// file, a new libcdio handle for a drive). Null with why set when it fails.
std::unique_ptr<SectorReader> makeSectorReader(const SectorSource& source, QString* why);

// The reader itself, or, while a test read delay is set (DiscTestHooks.h),
// the reader slowed down by it.
std::unique_ptr<SectorReader> withTestDelay(std::unique_ptr<SectorReader> reader);

}  // namespace disc
