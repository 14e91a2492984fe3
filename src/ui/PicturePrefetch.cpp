#include "ui/PicturePrefetch.h"
#include "ui/DiscMount.h"
#include <condition_variable>
#include <mutex>
#include <vector>

namespace ui {

struct PicturePrefetch::Shared {
    struct Slot {
        QString path;
        bool done = false;
        bool taken = false;
        std::optional<LoadedPicture> picture;
    };
    std::mutex mutex;
    std::condition_variable finished;
    std::vector<Slot> pictures;
    bool stop = false;
};

namespace {

PicturePrefetch::Shared* active = nullptr;

void readAll(PicturePrefetch::Shared& shared) {
    for (size_t i = 0;; ++i) {
        QString path;
        {
            std::lock_guard lock(shared.mutex);
            if (shared.stop || i == shared.pictures.size()) return;
            path = shared.pictures[i].path;
        }
        // Whatever goes wrong here (even running out of memory) is met again,
        // and reported, when the user-interface thread reads the file itself.
        std::optional<LoadedPicture> picture;
        try {
            QString why;
            picture = ReadPictureFile(path, &why);
        } catch (...) {
            picture.reset();
        }
        {
            std::lock_guard lock(shared.mutex);
            shared.pictures[i].picture = std::move(picture);
            shared.pictures[i].done = true;
        }
        shared.finished.notify_all();
    }
}

}  // namespace

PicturePrefetch::PicturePrefetch(const QStringList& discPaths) : shared_(std::make_unique<Shared>()) {
    if (MountedImage()) return;
    for (const QString& path : discPaths) shared_->pictures.emplace_back().path = path;
    thread_ = std::thread([shared = shared_.get()] { readAll(*shared); });
    active = shared_.get();
}

PicturePrefetch::~PicturePrefetch() {
    if (active == shared_.get()) active = nullptr;
    {
        std::lock_guard lock(shared_->mutex);
        shared_->stop = true;
    }
    if (thread_.joinable()) thread_.join();
}

std::optional<LoadedPicture> TakePrefetchedPicture(const QString& path) {
    if (!active) return std::nullopt;
    PicturePrefetch::Shared& shared = *active;
    std::unique_lock lock(shared.mutex);
    for (PicturePrefetch::Shared::Slot& slot : shared.pictures) {
        if (slot.taken || slot.path != path) continue;
        shared.finished.wait(lock, [&] { return slot.done; });
        slot.taken = true;
        return std::move(slot.picture);
    }
    return std::nullopt;
}

}  // namespace ui
