#include "app/HeapTuning.h"
#include <cstdlib>  // defines __GLIBC__ where the C library is glibc
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace app {

void ReturnLargeBlocksToTheSystem() {
#ifdef __GLIBC__
    // Setting the threshold at all turns its dynamic raising off; 128 KB is
    // glibc's own starting value.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

}  // namespace app
