// Completion of command words and flags: for the shells' completion scripts, through
// the tool's hidden --complete modes, and for the tab key of the interactive mode. The
// answers come from the syntax table generated at build time (vexar_syntax.h).
#ifndef VEXAR_COMPLETE_H
#define VEXAR_COMPLETE_H

#include <string>
#include <vector>

namespace vexar {

// Every command word in full spelling ("mkreplica" for "mkrep[lica]"): the library's
// keyword table and the tool's own words, sorted, without repeats. Words that are no
// plain names ("!") are left out: a shell would take them for its own syntax.
std::vector<std::string> command_words();

// The flags of the command `word` leads to, in full spelling and table order; empty for
// an unknown word and for a command without a flag table.
std::vector<std::string> command_flags(const char *word);

// What may stand for `current`, the word under the cursor, after `before`, the words
// typed before it (the command word first): a command word first and after help or
// man; a flag of the command for a word beginning with "-" before any "--", unless it
// stands where the flag before it takes its value. Only the candidates that begin with
// `current`.
std::vector<std::string> completions(const std::vector<std::string> &before, const std::string &current);

// True when `word` (the first word after the tool's name) asks for a hidden completion
// mode: --complete-words, --complete-flags WORD, or --complete WORD... CURRENT.
bool is_completion_mode(const char *word);

// Runs a hidden completion mode: the candidates on standard output, one per line.
// Returns the exit status.
int run_completion_mode(int count, const char *const *words);

}  // namespace vexar

#endif
