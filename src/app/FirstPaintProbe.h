#pragma once
// A measuring aid for bench/startup, off unless AUTORUN_BENCH_FIRST_PAINT is
// set: when the first paint of a window has been handled (painted and handed
// to the window system), the player prints "first-paint <ns>" on standard
// output, <ns> being CLOCK_MONOTONIC in nanoseconds, and exits at once.

class QApplication;

// Installs the probe on the application when the variable is set.
void InstallFirstPaintProbeIfAsked(QApplication& app);
