#pragma once
// Clips inside a disc image reach the core through a protocol of the player's
// own, "autorun-disc://N": its read, seek and size callbacks read the image's
// sectors, so a clip streams from the image as from a file, seekable and with
// its length known, and is never copied out.
//
// Threads: a stream is opened for the clip on the user-interface thread (the
// image's directory is read there) and offered under a new address; the core
// takes it over when it opens that address and then reads it on a thread of
// its own. The stream has a sector handle of its own, so nothing is shared
// with the user-interface thread but DiscStreamState.
#include "disc/DiscImage.h"
#include <QByteArray>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

struct mpv_handle;

namespace media {

// What the user-interface thread may learn of a stream the core reads.
struct DiscStreamState {
    std::atomic<int64_t> bytesRead{0};  // grows while the disc delivers
    std::atomic<bool> readFailed{false};  // a sector could not be read
    std::atomic<bool> reading{false};     // a read is waiting on the disc now

    // The clip's first kKeyframeScanBytes as the core read them, in order from
    // the start (reads elsewhere do not add to it): seeks learn the keyframe
    // spacing from them without reading the disc a second time.
    std::string head() const;
    void keepHead(int64_t offset, const char* bytes, int64_t n);

private:
    mutable std::mutex headLock_;
    std::string head_;
};

// Makes the protocol known to the core; once per core, before any loadfile.
void RegisterDiscProtocol(mpv_handle* core);

// Offers the stream for the next open of the returned address. Only the first
// open of an address gets the stream; an offer never taken is dropped with the
// next offer or at exit.
QByteArray OfferDiscStream(std::unique_ptr<disc::ClipStream> stream, std::shared_ptr<DiscStreamState> state);

}  // namespace media
