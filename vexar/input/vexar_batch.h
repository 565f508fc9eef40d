// Commands read from standard input that is not a terminal (a script, a pipe), one per
// line, with no prompt.
#ifndef VEXAR_BATCH_H
#define VEXAR_BATCH_H

#include <cstdio>

namespace vexar {

// Runs the lines of `input` until quit, exit or its end. Every message printed while
// line N runs names it ("vexar: line N: Error: ..."). Returns 0 when every line
// succeeded, 1 when a command failed in its execution, else 2 when a line was refused
// (it could not be read or split, or its command was unknown or its syntax wrong).
// With `stop_on_error`, stops before the next line once a line fails, and returns that
// line's status.
int run_batch(std::FILE *input, bool stop_on_error);

}  // namespace vexar

#endif
