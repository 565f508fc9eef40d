// Line editing for the interactive mode at a terminal: the editing keys of the line
// editor, history kept in ~/.vexar_history, and the tab key completing command words
// and flags. Builds without a line editor (Windows) read plain lines instead.
#ifndef VEXAR_EDITLINE_H
#define VEXAR_EDITLINE_H

#include <cstdio>
#include <functional>
#include <string_view>

namespace vexar {

// The prompt of the interactive mode, edited lines or plain.
constexpr const char *kPrompt = "vexar> ";

// True when this build edits lines.
bool line_editing_available();

// Reads lines from `input` (a terminal) with editing, prompting on `output` (a
// terminal), and hands each to `run`, without its newline, until the end of input or
// until quit or exit was run. Lines that hold a password flag (holds_password) are
// run but never kept in the history.
void run_edited_session(std::FILE *input, std::FILE *output, const std::function<void(std::string_view)> &run);

}  // namespace vexar

#endif
