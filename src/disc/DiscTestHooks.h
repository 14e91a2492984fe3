#pragma once
// Test seam: makes every sector read of readers made from now on wait this
// many milliseconds first (0 turns it off), so tests and benchmarks can
// measure a slow drive. The environment variable DISC_TEST_READ_DELAY_MS,
// read once at the first reader, sets the starting value. A wait gives up as
// soon as the reader is cancelled.
namespace disc {

void setTestReadDelay(int milliseconds);

}  // namespace disc
