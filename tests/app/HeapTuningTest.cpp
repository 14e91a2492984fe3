// Once the player has set its heap up, a large block freed does not turn the
// next blocks of a few hundred kilobytes into heap memory that stays resident.
#include "app/HeapTuning.h"
#include <cstdlib>
#include <gtest/gtest.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

TEST(HeapTuning, LargeBlocksStayMappedAfterABiggerOneIsFreed) {
#if !defined(__GLIBC__) || defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "glibc's own allocator only";
#else
    app::ReturnLargeBlocksToTheSystem();
    // The size of the skin's background bitmap, read and let go at start.
    void* big = std::malloc(1440054);
    ASSERT_NE(big, nullptr);
    std::free(big);
    const auto mappedBefore = mallinfo2().hblks;
    void* frame = std::malloc(528 * 432 * 4);  // one frame of the picture area
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(mallinfo2().hblks, mappedBefore + 1) << "the block came from the heap";
    std::free(frame);
#endif
}
