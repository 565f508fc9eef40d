// Splitting a command line into words the way a POSIX shell does, without expansions.
#ifndef VEXAR_WORDS_H
#define VEXAR_WORDS_H

#include <string>
#include <string_view>
#include <vector>

namespace vexar {

enum class SplitError { none, unterminated_single_quote, unterminated_double_quote, trailing_backslash, nul_byte };

struct SplitLine {
    std::vector<std::string> words;
    SplitError error = SplitError::none;
};

// Blanks (space, tab) separate words. Single quotes keep everything up to the next single
// quote; double quotes keep everything up to the next unescaped double quote, where a
// backslash escapes only \ " $ ` and newline; outside quotes a backslash keeps the next
// character. A "#" that begins a word starts a comment. An unclosed quote, a backslash
// ending the line (it has nothing to escape) and a NUL byte anywhere in the line (no
// word can hold it) are errors, and no words are returned.
SplitLine split_words(std::string_view line);

}  // namespace vexar

#endif
