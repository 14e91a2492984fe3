#pragma once
// How the C library's allocator hands memory back to the system.
namespace app {

// Blocks of 128 KB and more are mapped on their own and unmapped when freed,
// for the whole run. glibc otherwise raises that threshold to the size of the
// largest mapped block freed so far (the skin's 1.4 MB background bitmap is
// read into one at start), and from then on freed blocks up to that size stay
// in the heap instead of going back: a lesson's peak memory was 1.8 MB higher
// that way, for no measurable difference in CPU. Call first thing in main;
// does nothing with other C libraries.
void ReturnLargeBlocksToTheSystem();

}  // namespace app
