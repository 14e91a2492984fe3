// Once the player has set its heap up, a large block freed does not turn the
// next blocks of a few hundred kilobytes into heap memory that stays resident,
// and another thread allocates from the same heap.
#include "app/HeapTuning.h"
#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif
// Only glibc's own allocator can be asked (mallinfo2 came in glibc 2.33); a
// sanitizer replaces it.
#ifndef __GLIBC__
#define HEAP_IS_REPLACED 1
#elif !__GLIBC_PREREQ(2, 33)
#define HEAP_IS_REPLACED 1
#elif defined(__SANITIZE_ADDRESS__)
#define HEAP_IS_REPLACED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define HEAP_IS_REPLACED 1
#endif
#endif

TEST(HeapTuning, LargeBlocksStayMappedAndThreadsShareOneHeap) {
#if defined(HEAP_IS_REPLACED)
    GTEST_SKIP() << "glibc's own allocator only";
#else
    app::KeepTheHeapCompact();
    // The size of the skin's background bitmap, read and let go at start.
    void* big = std::malloc(1440054);
    ASSERT_NE(big, nullptr);
    static_cast<volatile char*>(big)[0] = 1;  // used, so the pair is not optimised away
    std::free(big);
    const auto mappedBefore = mallinfo2().hblks;
    void* frame = std::malloc(528 * 432 * 4);  // one frame of the picture area
    ASSERT_NE(frame, nullptr);
    static_cast<volatile char*>(frame)[0] = 1;
    EXPECT_EQ(mallinfo2().hblks, mappedBefore + 1) << "the block came from the heap";
    std::free(frame);

    // The main heap ends at the program break; a heap of another thread's
    // own is mapped elsewhere.
    uintptr_t fromThread = 0;
    std::thread([&] {
        void* block = std::malloc(4096);
        fromThread = reinterpret_cast<uintptr_t>(block);
        std::free(block);
    }).join();
    EXPECT_LT(fromThread, reinterpret_cast<uintptr_t>(sbrk(0))) << "the thread had a heap of its own";
#endif
}
