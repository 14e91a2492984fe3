#include "media/MediaFramework.h"
#include "media/mpv/MpvGraph.h"

namespace media {

std::unique_ptr<ui::MediaGraph> CreateMpvGraph() { return std::make_unique<MpvGraph>(); }

}  // namespace media
