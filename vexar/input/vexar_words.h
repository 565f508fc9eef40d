// Splitting a command line into words the way a POSIX shell does, without expansions.
#ifndef VEXAR_WORDS_H
#define VEXAR_WORDS_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vexar {

enum class SplitError { none, unterminated_single_quote, unterminated_double_quote, trailing_backslash, nul_byte };

struct SplitLine {
    std::vector<std::string> words;
    SplitError error = SplitError::none;
};

// The words of a command line held once: their texts end to end in one block, each
// ended by a NUL byte (no word can hold one), so that a long operand list costs its
// own bytes and a pointer per word rather than a string object per word.
class CommandWords {
  public:
    // Adds to the word being built.
    void append(char c) { text_ += c; }
    void append(std::string_view part) { text_.append(part); }
    // Ends the word being built (an empty one too).
    void end_word() {
        text_ += '\0';
        ++count_;
    }
    // Adds a whole word.
    void add(std::string_view word) {
        append(word);
        end_word();
    }
    std::size_t count() const { return count_; }
    // The bytes the words take, a terminator for each included.
    std::size_t bytes() const { return text_.size(); }
    // A pointer to each word, in order; valid while no word is added.
    std::vector<const char *> pointers() const;

  private:
    std::string text_;
    std::size_t count_ = 0;
};

// Blanks (space, tab) separate words. Single quotes keep everything up to the next single
// quote; double quotes keep everything up to the next unescaped double quote, where a
// backslash escapes only \ " $ ` and newline; outside quotes a backslash keeps the next
// character. A "#" that begins a word starts a comment. An unclosed quote, a backslash
// ending the line (it has nothing to escape) and a NUL byte anywhere in the line (no
// word can hold it) are errors, and no words are returned.
SplitLine split_words(std::string_view line);

// The same, adding the words to `words`; on an error, the words added are incomplete.
SplitError split_words(std::string_view line, CommandWords &words);

// Says why a line of commands was not split, and that it was not run.
void report_split_error(SplitError error);
// Says why line `line_number` of argument file `path` was not split.
void report_split_error_in_file(SplitError error, const char *path, int line_number);

}  // namespace vexar

#endif
