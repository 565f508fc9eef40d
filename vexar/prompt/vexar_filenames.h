// File names for the operands of a command line at the prompt, as a shell completes them.
#ifndef VEXAR_FILENAMES_H
#define VEXAR_FILENAMES_H

#include <string>
#include <vector>

namespace vexar {

// The file names `current` may be completed to when it is an operand: a command word
// stands in `before`, and `current` is no flag (it does not begin with "-", or "--"
// ended the flags). Each candidate is `current`'s folder part followed by a name of
// that folder that begins with the rest, a folder's with "/" after it; blanks, quotes,
// backslashes and a leading "#" are escaped with a backslash, as the line is split.
// Hidden names only when the rest begins with ".". A word beginning with "@" completes
// the argument file named after it ("@pa" to "@packets.txt"), and a name beginning with
// "@" is completed as "@@name", the word that stands for it rather than reading it as an
// argument file. Sorted; empty for a flag, or when nothing fits. (Windows builds, which
// edit no lines, complete nothing.)
std::vector<std::string> operand_completions(const std::vector<std::string> &before, const std::string &current);

}  // namespace vexar

#endif
