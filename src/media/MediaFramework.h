#pragma once
// The real media framework, for the entry point: a new graph over libmpv.
#include "ui/MediaGraph.h"
#include <memory>

namespace media {

std::unique_ptr<ui::MediaGraph> CreateMpvGraph();

}  // namespace media
