// One line of commands, typed at the prompt or read from standard input.
#ifndef VEXAR_LINE_H
#define VEXAR_LINE_H

#include <string_view>

#include "libzornaks.h"

namespace vexar {

// Splits `line` (without its line end) as a shell does, reads the argument files it
// names and runs the command, taking what it needs from `area`. A line that cannot be
// split, or whose argument files cannot be read or hold no command word, is reported
// and not run (kExitSyntax). A blank or comment line runs nothing (kExitOk). Otherwise
// the command's exit status.
int run_command_line(stg_area_t *area, std::string_view line);

}  // namespace vexar

#endif
