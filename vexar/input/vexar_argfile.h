// Argument files: a word "@path" stands for the words of the file at path, so that
// operand lists longer than a command line allows can be handed to the tool.
#ifndef VEXAR_ARGFILE_H
#define VEXAR_ARGFILE_H

#include <cstddef>
#include <optional>

#include "input/vexar_words.h"

namespace vexar {

// The most words one command line may hold, the words of its argument files included,
// and the most text they may take, each word counted with one byte more (its end). Far
// more than any command needs; they bound what the tool and the components make of the
// words, a few dozen bytes a word besides its text.
constexpr int kMaxCommandLineWords = 1 << 20;
constexpr std::size_t kMaxCommandLineBytes = std::size_t{32} << 20;
constexpr const char *kMaxCommandLineText = "32 MiB";

// Replaces every word "@path" of words[0..count) by the words of that file, split line
// by line as the interactive mode splits a line (quotes, backslashes, "#" comments; one
// or more words per line; a quote does not reach over the end of its line). A word
// beginning with "@@" stands for itself without its first "@", in a file too. A file is
// UTF-8, with or without a byte-order mark, or UTF-16LE after its mark. A word of a file
// that names another file is refused: files do not nest. A file is never waited for
// when nothing can ever arrive: a pipe that no process writes to is refused. On any
// failure (no such file, a nested file, a line that is not such text or cannot be split,
// words past kMaxCommandLineWords or kMaxCommandLineBytes) the reason is printed, naming the file and the line,
// and nothing is returned.
std::optional<CommandWords> expand_argument_files(const char *const *words, std::size_t count);

// The words of a command line with its argument files read, as expand_argument_files
// gives them; when the files hold no word at all, that is reported too and nothing is
// returned.
std::optional<CommandWords> command_words(const char *const *words, std::size_t count);

}  // namespace vexar

#endif
