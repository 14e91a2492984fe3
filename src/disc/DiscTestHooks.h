#pragma once
// Test seam: makes every sector read of the streams opened from now on
// (Image::openStream) wait this many milliseconds first, like a slow drive;
// 0 turns it off. Opening an image, listing it and readAll are not slowed.
// The environment variable DISC_TEST_READ_DELAY_MS, read once at the first
// stream, sets the starting value. A wait gives up as soon as the stream is
// cancelled. A read of n sectors waits once: a stream reads up to 32 sectors
// (about 64 KiB) at a time.
namespace disc {

void setTestReadDelay(int milliseconds);

}  // namespace disc
