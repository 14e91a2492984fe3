#include "media/mpv/MpvDiscStreams.h"
#include "media/KeyframeGap.h"
#include <algorithm>
#include <map>
#include <mutex>
#include <mpv/client.h>
#include <mpv/stream_cb.h>

namespace media {

namespace {

constexpr char kProtocol[] = "autorun-disc";

struct Offer {
    std::unique_ptr<disc::ClipStream> stream;
    std::shared_ptr<DiscStreamState> state;
};

// Streams offered but not yet opened, by number. The core opens them on its
// own thread, so the table is guarded.
struct Offers {
    std::mutex lock;
    std::map<uint64_t, Offer> waiting;
    uint64_t next = 1;
};

Offers& offers() {
    static Offers o;
    return o;
}

// The cookie the core hands back to every callback of one open stream.
struct OpenStream {
    std::unique_ptr<disc::ClipStream> stream;
    std::shared_ptr<DiscStreamState> state;
    int64_t position = 0;  // where the next read starts; -1 after a failed read, until a seek
};

int64_t readFn(void* cookie, char* buffer, uint64_t bytes) {
    auto* s = static_cast<OpenStream*>(cookie);
    s->state->reading = true;
    const int64_t n = s->stream->read(buffer, static_cast<int64_t>(std::min<uint64_t>(bytes, INT64_MAX)));
    s->state->reading = false;
    if (n > 0 && s->position >= 0) {
        s->state->keepHead(s->position, buffer, n);
        s->position += n;
    }
    if (n < 0) {
        s->position = -1;  // where a failed read leaves the stream is not known
        // The core retries a failed read and then reports a plain end of the
        // file: the failure is kept here so that a damaged disc can be told
        // from the end of a clip.
        s->state->readFailed = true;
        return -1;
    }
    s->state->bytesRead += n;
    return n;
}

int64_t seekFn(void* cookie, int64_t offset) {
    auto* s = static_cast<OpenStream*>(cookie);
    if (!s->stream->seek(offset)) return MPV_ERROR_GENERIC;
    s->position = offset;
    return offset;
}

int64_t sizeFn(void* cookie) { return static_cast<OpenStream*>(cookie)->stream->size(); }

void closeFn(void* cookie) { delete static_cast<OpenStream*>(cookie); }

// A read waiting on a slow or stalled drive gives up, so that stopping or
// replacing the clip never waits for the drive.
void cancelFn(void* cookie) { static_cast<OpenStream*>(cookie)->stream->cancel(); }

int openFn(void*, char* uri, mpv_stream_cb_info* info) {
    const QByteArray address(uri);
    const QByteArray prefix = QByteArray(kProtocol) + "://";
    if (!address.startsWith(prefix)) return MPV_ERROR_LOADING_FAILED;
    bool ok = false;
    const uint64_t number = address.mid(prefix.size()).toULongLong(&ok);
    if (!ok) return MPV_ERROR_LOADING_FAILED;

    Offer offer;
    {
        Offers& o = offers();
        std::lock_guard<std::mutex> guard(o.lock);
        auto it = o.waiting.find(number);
        if (it == o.waiting.end()) return MPV_ERROR_LOADING_FAILED;
        offer = std::move(it->second);
        o.waiting.erase(it);
    }
    info->cookie = new OpenStream{std::move(offer.stream), std::move(offer.state)};
    info->read_fn = readFn;
    info->seek_fn = seekFn;
    info->size_fn = sizeFn;
    info->close_fn = closeFn;
    info->cancel_fn = cancelFn;
    return 0;
}

}  // namespace

std::string DiscStreamState::head() const {
    std::lock_guard<std::mutex> guard(headLock_);
    return head_;
}

void DiscStreamState::keepHead(int64_t offset, const char* bytes, int64_t n) {
    if (offset < 0 || offset >= static_cast<int64_t>(kKeyframeScanBytes)) return;  // the usual read: nothing to keep
    std::lock_guard<std::mutex> guard(headLock_);
    if (offset != static_cast<int64_t>(head_.size())) return;  // not the next bytes in order
    head_.append(bytes, static_cast<size_t>(std::min<int64_t>(n, kKeyframeScanBytes - head_.size())));
}

void RegisterDiscProtocol(mpv_handle* core) { mpv_stream_cb_add_ro(core, kProtocol, nullptr, openFn); }

QByteArray OfferDiscStream(std::unique_ptr<disc::ClipStream> stream, std::shared_ptr<DiscStreamState> state) {
    Offers& o = offers();
    std::lock_guard<std::mutex> guard(o.lock);
    // One clip opens at a time: an earlier offer the core never took is stale.
    o.waiting.clear();
    const uint64_t number = o.next++;
    o.waiting.emplace(number, Offer{std::move(stream), std::move(state)});
    return QByteArray(kProtocol) + "://" + QByteArray::number(static_cast<qulonglong>(number));
}

}  // namespace media
