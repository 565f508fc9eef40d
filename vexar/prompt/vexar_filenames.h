// File names for the words of a line at the prompt, as a shell completes them.
#ifndef VEXAR_FILENAMES_H
#define VEXAR_FILENAMES_H

#include <string>
#include <vector>

namespace vexar {

// The file names `current`, a word that names a file, may be completed to: `current`'s
// folder part followed by a name of that folder that begins with the rest, a folder's
// with "/" after it; blanks, quotes, backslashes and a leading "#" are escaped with a
// backslash, as the line is split. Hidden names only when the rest begins with ".". "~"
// and "~/" at its start stand for the home folder (HOME, when it is an absolute path)
// and are completed to its path, the line's splitting expanding nothing. A word
// beginning with "@" completes the argument file named after it ("@pa" to
// "@packets.txt"), and a name beginning with "@" is completed as "@@name", the word that
// stands for it rather than reading it as an argument file. Sorted; empty when nothing
// fits. (Windows builds, which edit no lines, complete nothing.)
std::vector<std::string> file_name_completions(const std::string &current);

}  // namespace vexar

#endif
