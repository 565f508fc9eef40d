// Argument files: a word "@path" stands for the words of the file at path, so that
// operand lists longer than a command line allows can be handed to the tool.
#ifndef VEXAR_ARGFILE_H
#define VEXAR_ARGFILE_H

#include <optional>
#include <string>
#include <vector>

namespace vexar {

// Replaces every word "@path" by the words of that file, split line by line as the
// interactive mode splits a line (quotes, backslashes, "#" comments; one or more words
// per line; a quote does not reach over the end of its line). A word beginning with
// "@@" stands for itself without its first "@", in a file too. A file is UTF-8, with or
// without a byte-order mark, or UTF-16LE after its mark. A word of a file that names
// another file is refused: files do not nest. On any failure (no such file, a nested
// file, a line that is not such text or cannot be split) the reason is printed, naming
// the file and the line, and nothing is returned.
std::optional<std::vector<std::string>> expand_argument_files(const std::vector<std::string> &words);

// The words of a command line with its argument files read, as expand_argument_files
// gives them; when the files hold no word at all, that is reported too and nothing is
// returned.
std::optional<std::vector<std::string>> command_words(const std::vector<std::string> &words);

}  // namespace vexar

#endif
