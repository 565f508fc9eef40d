#include "vexar_words.h"

namespace vexar {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// Inside double quotes a backslash stays literal unless one of these follows it.
bool escapable_in_double_quotes(char c) { return c == '\\' || c == '"' || c == '$' || c == '`' || c == '\n'; }

}  // namespace

SplitLine split_words(std::string_view line) {
    SplitLine result;
    if (line.find('\0') != std::string_view::npos) return {{}, SplitError::nul_byte};
    std::string word;
    bool in_word = false;  // an empty quoted word ('' or "") still counts as a word
    std::size_t i = 0;
    const std::size_t n = line.size();

    while (i < n) {
        const char c = line[i];
        if (is_blank(c)) {
            if (in_word) result.words.push_back(std::move(word));
            word.clear();
            in_word = false;
            ++i;
        } else if (c == '#' && !in_word) {
            break;
        } else if (c == '\\') {
            // A backslash ending the line would join it to nothing.
            if (i + 1 == n) return {{}, SplitError::trailing_backslash};
            if (line[i + 1] != '\n') word += line[i + 1];
            in_word = true;
            i += 2;
        } else if (c == '\'') {
            const std::size_t close = line.find('\'', i + 1);
            if (close == std::string_view::npos) return {{}, SplitError::unterminated_single_quote};
            word.append(line.substr(i + 1, close - i - 1));
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
                word += line[i];
            }
            if (!closed) return {{}, SplitError::unterminated_double_quote};
            in_word = true;
        } else {
            word += c;
            in_word = true;
            ++i;
        }
    }
    if (in_word) result.words.push_back(std::move(word));
    return result;
}

}  // namespace vexar
