#pragma once
// A measuring aid for bench/startup, built only into the benchmark programs
// (the player's benchmark copy autorun_first_paint and the bare windows),
// never into the player itself: when the first paint of a window has been
// handled (painted and handed to the window system), the program prints
// "first-paint <ns>" on standard output, <ns> being CLOCK_MONOTONIC in
// nanoseconds, and exits at once.

class QApplication;

// Installs the probe on the application.
void InstallFirstPaintProbe(QApplication& app);
