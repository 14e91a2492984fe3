#include "app/HeapTuning.h"
#include <cstdlib>  // defines __GLIBC__ where the C library is glibc
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace app {

void KeepTheHeapCompact() {
#ifdef __GLIBC__
    // Setting the threshold at all turns its dynamic raising off; 128 KB is
    // glibc's own starting value.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    // Every thread allocates from the one heap. By default each thread that
    // meets a busy heap gets one of its own (up to eight a core); the player's
    // dozen threads (the media library's, Qt's, the start's short-lived
    // readers) then left a little free memory resident in each. Small blocks
    // still come from each thread's own cache without taking the heap's lock.
    mallopt(M_ARENA_MAX, 1);
#endif
}

}  // namespace app
