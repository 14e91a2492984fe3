#pragma once
// The real media framework, for the entry point: a new graph over libmpv, and
// the library loaded in the background once the first window is on screen.
#include "ui/MediaGraph.h"
#include <memory>

namespace media {

std::unique_ptr<ui::MediaGraph> CreateMpvGraph();

// Once the application's first window has painted, opens the media library on
// a thread of its own (MpvLibrary), so that the menu appears without waiting
// for it and a lesson chosen a moment later does not wait either. A clip
// played before that (an intro) opens the library itself, as it needs it. Call
// after the application object exists.
void PreloadMediaLibraryAfterFirstPaint();

}  // namespace media
