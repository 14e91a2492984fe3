#pragma once
// Pictures read and decoded on a thread of their own while the user-interface
// thread builds the window that shows them. Before the main window's first
// paint, reading and decoding its 800 x 600 background, a dozen button
// pictures and the first menu page took the user-interface thread some 7 ms,
// a sixth of its work, while the second core was mostly idle.
//
// LoadPicture takes a picture from here when the active prefetch has its
// path on the list, waiting for it when the thread has not reached it yet.
// The file is then checked as a cached picture is, so a file changed
// meanwhile is read again; a file the thread could not read or decode is read
// again on the spot and reported as always. Nothing is read ahead from a disc
// image: the image is read on the user-interface thread only.
#include "ui/Picture.h"
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <thread>

namespace ui {

class PicturePrefetch {
public:
    // Starts reading the disc paths, in their order, and becomes the active
    // prefetch (one at a time; create and destroy it on the user-interface
    // thread).
    explicit PicturePrefetch(const QStringList& discPaths);
    // Stops after the picture under way and waits for the thread; pictures
    // not taken are dropped.
    ~PicturePrefetch();
    PicturePrefetch(const PicturePrefetch&) = delete;
    PicturePrefetch& operator=(const PicturePrefetch&) = delete;

    struct Shared;

private:
    // The thread's state; it outlives the thread, which is always joined.
    std::unique_ptr<Shared> shared_;
    std::thread thread_;
};

// The picture the active prefetch read for path, once: waits for the thread
// to reach it. Nothing when no prefetch is active, path is not on its list or
// was taken before, or the thread could not read it.
std::optional<LoadedPicture> TakePrefetchedPicture(const QString& path);

}  // namespace ui
