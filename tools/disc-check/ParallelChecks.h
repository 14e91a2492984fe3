#pragma once
// disc-check with several discs: each disc is checked by a child process of
// disc-check itself with that one disc (the checks use program-wide state:
// the player's shared state and the disc folder), several at a time.
#include "CheckOptions.h"

namespace disccheck {

// Checks every disc of the options in children, at most options.jobs at a
// time (0: one per core), and prints their outputs in the order the discs
// were given, then a summary line on standard error. Needs a
// QCoreApplication. Returns the exit status: 2 when a disc cannot be read at
// all, else 1 when a disc has errors, else 0.
int CheckDiscsInParallel(const CheckOptions& options);

// Set in a child's environment when its report is to be one JSON line.
inline constexpr char kJsonLinesVariable[] = "DISC_CHECK_JSON_LINES";

}  // namespace disccheck
