// The typical command lines of command_lines.txt, and the hostile texts the robustness
// tests feed to every command.
#ifndef VX_TEST_ROBUST_COMMAND_LINES_H
#define VX_TEST_ROBUST_COMMAND_LINES_H

#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#ifndef VX_COMMAND_LINES_FILE
#error "VX_COMMAND_LINES_FILE names tests/robust/command_lines.txt"
#endif

namespace vxrobust {

struct CommandLine {
    std::vector<std::string> words;  // the command word first
    std::string text;                // as written in the file, without the "!" mark
    bool fails = false;              // marked "!": the line ends in a failure
};

// Every line of the file that is neither blank nor a comment. Empty when the file cannot
// be read: callers assert that they got lines.
inline std::vector<CommandLine> LoadCommandLines() {
    std::vector<CommandLine> lines;
    std::ifstream in(VX_COMMAND_LINES_FILE);
    for (std::string text; std::getline(in, text);) {
        std::istringstream split(text);
        CommandLine line{{}, {}, false};
        for (std::string word; split >> word;) line.words.push_back(word);
        if (line.words.empty() || line.words[0][0] == '#') continue;
        if (line.words[0] == "!") {
            line.fails = true;
            line.words.erase(line.words.begin());
        }
        for (const std::string &word : line.words) line.text += (line.text.empty() ? "" : " ") + word;
        lines.push_back(std::move(line));
    }
    return lines;
}

// Every occurrence of `from` in `text` replaced by `to`.
inline std::string ReplaceAll(std::string text, const std::string &from, const std::string &to) {
    if (from.empty()) return text;
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// Number of times `needle` occurs in `text`.
inline int CountOf(const std::string &text, const std::string &needle) {
    int count = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + needle.size())) ++count;
    return count;
}

// Texts no routine treats specially: no separator ("=", ":", ","), no leading "-", not
// a number or a keyword, not an absolute path. In a value or operand position each must
// behave exactly as an ordinary word does.
struct HostileText {
    const char *name;
    std::string text;
    std::string shown;  // as a message shows it: control characters and bytes that are no UTF-8 escaped
};

// Test names say which text; the text itself may be 100 KiB of bytes that are no text.
inline void PrintTo(const HostileText &text, std::ostream *out) { *out << text.name; }

inline std::string LongWord(size_t bytes) {
    std::string word;
    word.reserve(bytes);
    const std::string pattern = "0123456789abcdefghijklmnopqrstuvwxyz";
    while (word.size() < bytes) word += pattern[word.size() % pattern.size()];
    return word;
}

inline std::vector<HostileText> HostileTexts() {
    return {
        {"format_directives", "%s%n%x%p%%%99999999d", "%s%n%x%p%%%99999999d"},
        {"non_ascii", "v\xC3\xA9hicule-\xE4\xB8\xAD\xE6\x96\x87-\xF0\x9F\x98\x80",
         "v\xC3\xA9hicule-\xE4\xB8\xAD\xE6\x96\x87-\xF0\x9F\x98\x80"},
        {"invalid_utf8", "\xFF\xFE\xC3(\x80\xED\xA0\x80\xF8\x88\x80\x80\x80",
         "\\xff\\xfe\\xc3(\\x80\\xed\\xa0\\x80\\xf8\\x88\\x80\\x80\\x80"},
        {"control_characters", "a\x01\x07\x1B[2J\rb", "a\\x01\\x07\\x1b[2J\\x0db"},
        {"word_of_100_kib", LongWord(100 * 1024), LongWord(100 * 1024)},
    };
}

}  // namespace vxrobust

#endif
