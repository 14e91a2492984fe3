#pragma once
// The start-up procedure: reads the disc configuration, checks the intro
// files, builds the shared state and the menu tables, and opens the first
// window through Openers(). Its steps are public so that tools can read a disc
// exactly as the player does.
#include <QString>
#include <optional>

namespace startup {

enum class StartUpOutcome {
    MissingIntroFile,  // the message was shown; no window is open
    IntroOpened,       // Openers().openIntro() was called
    MainWindowOpened,  // Openers().openMainWindow() was called
};

// Runs once, before any window exists. Raises ui::RuntimeError for a malformed
// or repeated [menu] line (and passes on what the openers raise).
StartUpOutcome StartUp();

// The steps, in the order StartUp takes them:
// IniFile = AppFolder + "AUTORUN.INF"; HeaderFiles and LasterFiles from the
// header and laster values (one empty entry when a value is empty);
// LasterIndex = 0; FaceFiles = one empty entry. Returns true when the header
// value is not empty (intro files are configured).
bool ReadStartUpLists();
// A missing intro file counts as missing: nothing there, or a folder with only
// the directory attribute.
bool IsIntroFileMissing(const QString& path);
// The full path of the first missing entry of HeaderFiles, if any (only
// meaningful when intro files are configured).
std::optional<QString> FirstMissingIntroFile();
// The message start-up shows for a missing intro file.
QString MissingIntroMessage(const QString& path);

}  // namespace startup
