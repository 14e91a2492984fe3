#pragma once
// libmpv is not linked into the player: loading it (and the many libraries it
// pulls in) costs more than the whole rest of the start, and the menu does not
// need it. It is opened on first use instead, and its functions are resolved
// into a table, once per process. MpvLibrary.cpp defines the library's own C
// functions that the media framework calls (mpv_create, mpv_wait_event, ...)
// as forwarders through that table, so the calling code reads as plain libmpv.
//
// A library that is missing, or lacks a function the player calls, makes the
// first call (and every call after it) throw ui::MediaError naming the
// library and the cause; mpv_error_string alone never throws.
//
// Threads: any thread may load. A load under way on another thread is waited
// for, never started twice.

namespace media {

// Opens the library and resolves its functions, unless that happened already.
// Throws ui::MediaError when the library cannot serve.
void LoadMpvLibrary();

// Starts LoadMpvLibrary on a thread of its own and returns at once; a failure
// is kept for the first real use. The thread is joined when the program ends.
// Calls after the first do nothing.
void PreloadMpvLibrary();

// For tests: the file to open instead of the library the build found. Takes
// effect only before the first load.
void UseMpvLibraryFileForTests(const char* file);

}  // namespace media
