// What a mistyped command word was probably meant to be.
#ifndef VEXAR_SUGGEST_H
#define VEXAR_SUGGEST_H

#include <string>
#include <vector>

namespace vexar {

// The accepted command words closest to `word` (full names, or an alias such as "exit"
// when the alias is what was mistyped), sorted; empty when none is close. A word is
// close when a few edits turn it into a command's full name or shortest spelling (one
// edit for words of up to five characters, two for longer ones, none for one or two),
// or when it is the beginning of a full name (two characters at least), letters
// compared without regard to case ("LSPACKET" is "lspacket" mistyped). Only the words
// at the smallest distance are given.
std::vector<std::string> similar_command_words(const std::string &word);

// Prints, after a message that `word` reaches no command, the words
// similar_command_words finds, if any.
void suggest_command_words(const char *word);

}  // namespace vexar

#endif
