// Completion of command words, flags and their values: for the shells' completion
// scripts, through the tool's hidden --complete modes, and for the tab key of the
// interactive mode. The answers come from the syntax table generated at build time
// (vexar_syntax.h).
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

// A word that may stand under the cursor, and what it means: a command's purpose as
// help lists it, a flag's line from its page ("" when nothing is said of it).
struct Candidate {
    std::string word;
    std::string meaning;
};

// What may stand under the cursor: a file name (the shell's, or the prompt's, to
// complete), or else the candidates, none when nothing may stand there.
struct Completion {
    bool file_name = false;
    std::vector<Candidate> candidates;
};

// Where the words were typed: on the tool's command line, where its own options may
// stand before the command word, or at its prompt, where a line takes only those that
// do not concern standard input.
enum class TypedAt { command_line, prompt };

// What may stand for `current`, the word under the cursor, after `before`, the words
// typed before it (the command word first), as the shell means them:
// - a word beginning with "@" names an argument file, anywhere;
// - first, a command word, or one of the tool's own options for a word beginning with
//   "-"; a command word again after help and man, and nothing after that;
// - the value of a flag, where the flag before it takes one: the words its usage names,
//   a file name, or nothing, as the syntax table says;
// - a flag before any "--", for a word beginning with "-": those not on the line yet,
//   and none of a group one of whose flags is;
// - else an operand: a file name.
// Only the candidates that begin with `current`, in their table's order.
Completion complete(const std::vector<std::string> &before, const std::string &current, TypedAt where);

// True when `word` (the first word after the tool's name) asks for a hidden completion
// mode: --complete-words, --complete-flags WORD, --complete WORD... CURRENT or
// --complete-described WORD... CURRENT.
bool is_completion_mode(const char *word);

// Runs a hidden completion mode: the candidates on standard output, one per line (with
// --complete-described, each followed by a tab and its meaning when it has one).
// --complete and --complete-described print nothing for a file name and exit 0, and
// exit 1 when nothing may stand under the cursor. Returns the exit status.
int run_completion_mode(int count, const char *const *words);

}  // namespace vexar

#endif
