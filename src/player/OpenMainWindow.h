#pragma once
// The one main window of the process, and how start-up and the intro window
// open it.
class mForm;

// The main window, created on first use (not loaded: Load() runs its creation
// and load steps).
mForm& MainForm();
// True while a main window exists.
bool MainFormExists();
// Destroys the main window, so that the next MainForm() creates a fresh one
// (tests, and the end of the process).
void DestroyMainForm();

// Opens the main window on menu page 1: load it, repaint it, show it (not
// modal), read the face list, show the first menu picture (FacePath) in
// picPlay, place the arrow and switch the transport off. An empty face list
// raises ui::RuntimeError; a first menu picture that cannot be loaded raises
// ui::FileError.
void OpenMainWindow();
