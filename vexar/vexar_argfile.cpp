#include "vexar_argfile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "vexar_input.h"
#include "vexar_messages.h"
#include "vexar_words.h"

namespace vexar {
namespace {

enum class Kind { plain, escaped, file };

Kind kind_of(const std::string &word) {
    if (word.empty() || word[0] != '@') return Kind::plain;
    return word.size() > 1 && word[1] == '@' ? Kind::escaped : Kind::file;
}

// Far more words than any command line holds.
constexpr std::size_t kMaxFileBytes = std::size_t{16} << 20;
constexpr const char *kMaxFileText = "16 MiB";

// The whole file, or nothing after saying why it could not be read.
std::optional<std::string> read_file(const std::string &path) {
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        report(ToolText::file_unreadable, path.c_str(), std::strerror(errno));
        return std::nullopt;
    }
    std::string text;
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        text.append(buffer, n);
        // A file without end (/dev/zero, a pipe that never closes) must not hold the tool.
        if (text.size() > kMaxFileBytes) {
            std::fclose(file);
            report(ToolText::file_too_large, path.c_str(), kMaxFileText);
            return std::nullopt;
        }
    }
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);
    if (failed) {
        report(ToolText::file_unreadable, path.c_str(), std::strerror(error));
        return std::nullopt;
    }
    return text;
}

// Appends the words of the file at `path` to `words`. False after saying why not.
bool append_file_words(const std::string &path, std::vector<std::string> &words) {
    const std::optional<std::string> text = read_file(path);
    if (!text) return false;
    const ByteOrderMark mark = byte_order_mark(*text);
    std::string_view rest(*text);
    rest.remove_prefix(mark.length);
    for (int line_number = 1; !rest.empty(); ++line_number) {
        const std::optional<std::string> line = decode_line(take_line(rest, mark.encoding), mark.encoding);
        if (!line) {
            report(mark.encoding == Encoding::utf16le ? ToolText::file_not_utf16le : ToolText::file_not_utf8,
                   path.c_str(), line_number);
            return false;
        }
        const SplitLine split = split_words(*line);
        if (split.error != SplitError::none) {
            report_split_error_in_file(split.error, path.c_str(), line_number);
            return false;
        }
        for (const std::string &word : split.words) {
            switch (kind_of(word)) {
                case Kind::plain: words.push_back(word); break;
                case Kind::escaped: words.push_back(word.substr(1)); break;
                case Kind::file: report(ToolText::file_nested, path.c_str(), word.c_str()); return false;
            }
        }
    }
    return true;
}

}  // namespace

std::optional<std::vector<std::string>> expand_argument_files(const std::vector<std::string> &words) {
    std::vector<std::string> expanded;
    expanded.reserve(words.size());
    for (const std::string &word : words) {
        switch (kind_of(word)) {
            case Kind::plain: expanded.push_back(word); break;
            case Kind::escaped: expanded.push_back(word.substr(1)); break;
            case Kind::file:
                if (word.size() == 1) {
                    report(ToolText::file_lone_at, word.c_str());
                    return std::nullopt;
                }
                if (!append_file_words(word.substr(1), expanded)) return std::nullopt;
                break;
        }
    }
    return expanded;
}

std::optional<std::vector<std::string>> command_words(const std::vector<std::string> &words) {
    std::optional<std::vector<std::string>> expanded = expand_argument_files(words);
    if (expanded && expanded->empty()) {
        report(ToolText::no_command_word);
        return std::nullopt;
    }
    return expanded;
}

}  // namespace vexar
