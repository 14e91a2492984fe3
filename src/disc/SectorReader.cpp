#include "disc/SectorReader.h"
#include "disc/DiscTestHooks.h"
#include "disc/DriveSectorReader.h"
#include "disc/FileSectorReader.h"

#include <chrono>
#include <cstdlib>
#include <thread>

namespace disc {

namespace {

std::atomic<int>& testDelay() {
    static std::atomic<int> delay{[] {
        const char* env = std::getenv("DISC_TEST_READ_DELAY_MS");
        return env ? std::max(0, std::atoi(env)) : 0;
    }()};
    return delay;
}

// Waits before every read like a slow drive, giving up when cancelled.
class ThrottledReader final : public SectorReader {
public:
    ThrottledReader(std::unique_ptr<SectorReader> inner, int delayMs) : inner_(std::move(inner)), delayMs_(delayMs) {}

    int64_t sectorCount() const override { return inner_->sectorCount(); }
    bool readData(int64_t lba, int n, char* out) override { return wait() && inner_->readData(lba, n, out); }
    bool readForm2(int64_t lba, int n, char* out) override { return wait() && inner_->readForm2(lba, n, out); }

private:
    bool wait() {
        inner_->setCancelFlag(cancelFlag());
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(delayMs_);
        while (std::chrono::steady_clock::now() < until) {
            if (cancelled()) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return !cancelled();
    }

    std::unique_ptr<SectorReader> inner_;
    int delayMs_;
};

}  // namespace

void setTestReadDelay(int milliseconds) { testDelay() = std::max(0, milliseconds); }

int bytesPerSector(SectorLayout layout) {
    switch (layout) {
    case SectorLayout::Data2048: return kDataBytes;
    case SectorLayout::Mode2_2336: return kMode2Bytes;
    case SectorLayout::Raw2352: return kRawBytes;
    }
    return kDataBytes;
}

std::unique_ptr<SectorReader> makeSectorReader(const SectorSource& source, QString* why) {
    return source.device.isEmpty() ? makeFileSectorReader(source.segments, why) : makeDriveSectorReader(source.device, why);
}

std::unique_ptr<SectorReader> withTestDelay(std::unique_ptr<SectorReader> reader) {
    const int delay = testDelay();
    if (reader && delay > 0) return std::make_unique<ThrottledReader>(std::move(reader), delay);
    return reader;
}

}  // namespace disc
