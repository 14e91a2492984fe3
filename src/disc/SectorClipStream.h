#pragma once
// The bytes of one file on the disc, read sector by sector: a Form 1 file as
// its bytes (the last sector partly), a Form 2 file as the 2,324-byte payloads
// of its sectors one after another.
#include "disc/DiscImage.h"
#include "disc/IsoFileSystem.h"
#include "disc/SectorReader.h"

#include <atomic>

namespace disc {

class SectorClipStream final : public ClipStream {
public:
    // With an owned reader (a stream for another thread) or a borrowed one
    // (a whole-file read on the image's own thread).
    SectorClipStream(std::unique_ptr<SectorReader> owned, const IsoNode& node);
    SectorClipStream(SectorReader& borrowed, const IsoNode& node);

    int64_t size() const override { return size_; }
    int64_t read(char* buffer, int64_t n) override;
    bool seek(int64_t offset) override;
    bool failed() const override { return failed_.load(); }
    void cancel() override { cancelled_.store(true); }

private:
    bool fill(int64_t position);

    std::unique_ptr<SectorReader> owned_;
    SectorReader& reader_;
    std::vector<Extent> extents_;
    bool form2_;
    int64_t size_;
    int64_t position_ = 0;
    std::vector<char> cache_;
    int64_t cacheStart_ = 0;
    std::atomic<bool> failed_{false};
    std::atomic<bool> cancelled_{false};
};

}  // namespace disc
