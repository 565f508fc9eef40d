#include "input/vexar_words.h"

#include <cstring>

#include "dispatch/vexar_messages.h"

namespace vexar {
namespace {

// The texts that report a split error, for a line of commands and for a line of an
// argument file.
struct SplitErrorTexts {
    ToolText in_line;
    ToolText in_file;
};

SplitErrorTexts texts_of(SplitError error) {
    switch (error) {
        case SplitError::trailing_backslash: return {ToolText::trailing_backslash, ToolText::file_trailing_backslash};
        case SplitError::nul_byte: return {ToolText::nul_byte, ToolText::file_nul_byte};
        default: return {ToolText::unclosed_quote, ToolText::file_unclosed_quote};
    }
}

// The kind of quote an unclosed-quote text names ("" for the other errors, whose texts
// take no such argument).
const char *quote_of(SplitError error) {
    switch (error) {
        case SplitError::unterminated_single_quote: return "single";
        case SplitError::unterminated_double_quote: return "double";
        default: return "";
    }
}

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// Inside double quotes a backslash stays literal unless one of these follows it.
bool escapable_in_double_quotes(char c) { return c == '\\' || c == '"' || c == '$' || c == '`' || c == '\n'; }

// Words as separate strings, for the short lines of completion and history.
class WordList {
  public:
    void append(char c) { word_ += c; }
    void append(std::string_view part) { word_.append(part); }
    void end_word() {
        words_.push_back(std::move(word_));
        word_.clear();
    }
    std::vector<std::string> take() { return std::move(words_); }

  private:
    std::vector<std::string> words_;
    std::string word_;
};

template <class Words>
SplitError split_into(std::string_view line, Words &words) {
    if (line.find('\0') != std::string_view::npos) return SplitError::nul_byte;
    bool in_word = false;  // an empty quoted word ('' or "") still counts as a word
    std::size_t i = 0;
    const std::size_t n = line.size();

    while (i < n) {
        const char c = line[i];
        if (is_blank(c)) {
            if (in_word) words.end_word();
            in_word = false;
            ++i;
        } else if (c == '#' && !in_word) {
            break;
        } else if (c == '\\') {
            // A backslash ending the line would join it to nothing.
            if (i + 1 == n) return SplitError::trailing_backslash;
            if (line[i + 1] != '\n') words.append(line[i + 1]);
            in_word = true;
            i += 2;
        } else if (c == '\'') {
            const std::size_t close = line.find('\'', i + 1);
            if (close == std::string_view::npos) return SplitError::unterminated_single_quote;
            words.append(line.substr(i + 1, close - i - 1));
            in_word = true;
            i = close + 1;
        } else if (c == '"') {
            bool closed = false;
            for (++i; i < n; ++i) {
                if (line[i] == '"') {
                    closed = true;
                    ++i;
                    break;
                }
                if (line[i] == '\\' && i + 1 < n && escapable_in_double_quotes(line[i + 1])) {
                    ++i;
                    if (line[i] == '\n') continue;
                }
                words.append(line[i]);
            }
            if (!closed) return SplitError::unterminated_double_quote;
            in_word = true;
        } else {
            words.append(c);
            in_word = true;
            ++i;
        }
    }
    if (in_word) words.end_word();
    return SplitError::none;
}

}  // namespace

std::vector<const char *> CommandWords::pointers() const {
    std::vector<const char *> pointers;
    pointers.reserve(count_);
    for (const char *word = text_.data(); pointers.size() < count_; word += std::strlen(word) + 1)
        pointers.push_back(word);
    return pointers;
}

SplitLine split_words(std::string_view line) {
    WordList words;
    const SplitError error = split_into(line, words);
    if (error != SplitError::none) return {{}, error};
    return {words.take(), SplitError::none};
}

SplitError split_words(std::string_view line, CommandWords &words) { return split_into(line, words); }

void report_split_error(SplitError error) { report(texts_of(error).in_line, quote_of(error)); }

void report_split_error_in_file(SplitError error, const char *path, int line_number) {
    report(texts_of(error).in_file, path, line_number, quote_of(error));
}

}  // namespace vexar
