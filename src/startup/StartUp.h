#pragma once
// The start-up procedure: reads the disc configuration, checks the intro
// files, builds the shared state and the menu tables, and opens the first
// window through Openers().
namespace startup {

enum class StartUpOutcome {
    MissingIntroFile,  // the message was shown; no window is open
    IntroOpened,       // Openers().openIntro() was called
    MainWindowOpened,  // Openers().openMainWindow() was called
};

// Runs once, before any window exists. Raises ui::RuntimeError for a malformed
// or repeated [menu] line (and passes on what the openers raise).
StartUpOutcome StartUp();

}  // namespace startup
