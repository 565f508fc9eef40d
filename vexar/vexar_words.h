// Splitting a command line into words the way a POSIX shell does, without expansions.
#ifndef VEXAR_WORDS_H
#define VEXAR_WORDS_H

#include <string>
#include <string_view>
#include <vector>

namespace vexar {

enum class SplitError { none, unterminated_single_quote, unterminated_double_quote };

struct SplitLine {
    std::vector<std::string> words;
    SplitError error = SplitError::none;
};

// Blanks (space, tab) separate words. Single quotes keep everything up to the next single
// quote; double quotes keep everything up to the next unescaped double quote, where a
// backslash escapes only \ " $ ` and newline; outside quotes a backslash keeps the next
// character. A "#" that begins a word starts a comment. An unclosed quote is an error
// and no words are returned.
SplitLine split_words(std::string_view line);

}  // namespace vexar

#endif
