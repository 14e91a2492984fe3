#pragma once
// The pictures the player reads from the disc's image\ folder, by the part of
// the player that needs them.
#include <QString>
#include <vector>

namespace disccheck {

struct SkinFile {
    const char* name;   // relative to the application folder
    const char* usedBy; // who needs it, for the report
};

// Every skin picture that the main window, its sliders, its close dialog and
// its cursor need. (image\black.jpg, which the intro window needs only behind a
// video that follows a picture, is checked apart.)
const std::vector<SkinFile>& PlayerSkinFiles();

}  // namespace disccheck
