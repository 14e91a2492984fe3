#pragma once
// How the C library's allocator holds memory and hands it back to the system.
namespace app {

// Two glibc settings, for the whole run; each cut a lesson's peak memory with
// no measurable difference in CPU:
// - Blocks of 128 KB and more are mapped on their own and unmapped when
//   freed. glibc otherwise raises that threshold to the size of the largest
//   mapped block freed so far (the skin's 1.4 MB background bitmap is read
//   into one at start), and from then on freed blocks up to that size stayed
//   in the heap instead of going back (1.8 MB at the peak).
// - Every thread allocates from the one heap, instead of one heap more for
//   each thread that finds it busy (1.3 MB at the peak).
// Call first thing in main, before any thread starts; does nothing with other
// C libraries.
void KeepTheHeapCompact();

}  // namespace app
