#pragma once
// The system's font configuration, read on a thread of its own from the very
// start: parsing it (some sixty files of XML on a Debian desktop) was a
// quarter of the work before the menu's first paint, all of it waiting on the
// user-interface thread, which can meanwhile load the window system's plugin
// and connect to the display. Qt's own set-up finds the configuration read,
// or waits for the read under way.
namespace ui {

// Call once, first thing in main; does nothing where fonts are not configured
// through fontconfig.
void StartReadingFontConfiguration();

// Waits for that read to end. Call before the application object goes: a
// program that ends at once (with a message, before any text was drawn) must
// not tear down Qt's font set-up, or exit, while the read is still under way.
void FinishReadingFontConfiguration();

}  // namespace ui
