// The interactive mode: commands read from a stream, one per line.
#ifndef VEXAR_SHELL_H
#define VEXAR_SHELL_H

#include <cstdio>

namespace vexar {

// Reads and runs commands until quit, exit or the end of `input`; prompts only when
// `input` is a terminal, on that terminal alone (after a line saying how to get help and
// how to leave), and edits lines (history, tab completion) when standard output is that
// terminal too. Words "@path" are read from argument files. Returns the tool's exit
// status.
int run_shell(std::FILE *input);

}  // namespace vexar

#endif
