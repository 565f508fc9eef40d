// Finding a command word's slot and running the syntax routine held there.
#ifndef VEXAR_DISPATCH_H
#define VEXAR_DISPATCH_H

#include "libzornacmdsyn.h"
#include "libzornaks.h"

namespace vexar {

// Exit statuses of one command.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;  // the command itself reported a failure
constexpr int kExitSyntax = 2;  // unknown word, unavailable command, or a syntax error

// Ends the flags, as the parser reads a command line: a word after it is an operand,
// "--help" too.
constexpr const char *kEndOfFlags = "--";

// The name the message facility shows before an error ("vexar: Error: ").
constexpr const char *kProgramName = "vexar";

// The slot a command word leads to (the library's keyword table first, then the tool's
// own words of the generated syntax table), or -1.
int32_t find_slot(const char *word);

// True for the commands whose operand is a command word (help and man).
bool takes_command_word(int32_t slot);

// Names the tool in error lines, has the message facility read its settings from the
// environment (so that a malformed one is reported before any command runs) and hands
// the words without a keyword row to the shared command syntax, so that help finds them
// too. Called once, first.
void start_up();

// Runs words[0] with words[1..count) as its command line, taking everything it needs
// from `area`; a word "--help" before "--" asks the command for its usage instead.
// Returns the exit status of the command.
int dispatch(stg_area_t *area, int count, const char *const *words);

// One command in an area of its own.
int run_one_shot(int count, const char *const *words);

}  // namespace vexar

#endif
