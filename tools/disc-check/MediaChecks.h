#pragma once
// disc-check --media: every clip the configuration names, opened with the
// player's own media code (an archivist's check of a rip).
#include "DiscReport.h"

namespace disccheck {

// Opens each clip of the intro and outro lists and each lesson of the menu
// that is on the disc, and adds an error for each one that cannot be played
// or whose duration is 0. Needs a QApplication (the media graph has a video
// window; no screen is needed). Errors stay before warnings.
void CheckMedia(DiscReport& r);

}  // namespace disccheck
