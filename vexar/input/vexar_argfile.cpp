#include "input/vexar_argfile.h"

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "dispatch/vexar_messages.h"
#include "input/vexar_input.h"

namespace vexar {
namespace {

enum class Kind { plain, escaped, file };

Kind kind_of(std::string_view word) {
    if (word.empty() || word[0] != '@') return Kind::plain;
    return word.size() > 1 && word[1] == '@' ? Kind::escaped : Kind::file;
}

constexpr std::size_t kReadPiece = 65536;

// Appends a piece read from a file; false once the file is past kMaxInputBytes (a file
// without end, /dev/zero or a pipe that never closes, must not hold the tool).
bool append_piece(std::string &text, const char *piece, std::size_t length, const char *path) {
    text.append(piece, length);
    if (text.size() <= kMaxInputBytes) return true;
    report(ToolText::file_too_large, path, kMaxInputText);
    return false;
}

#if !defined(_WIN32)
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) close(fd);
    }
};

ssize_t read_piece(int fd, char *piece) {
    ssize_t got;
    do got = read(fd, piece, kReadPiece);
    while (got < 0 && errno == EINTR);
    return got;
}

// A pipe is opened without waiting for a writer (a FIFO nobody opens for writing would
// hold the open forever); its first read, still without waiting, finds its end at once
// when no process writes to it, which is refused rather than read as no words.
bool read_first_piece_of_pipe(int fd, std::string &text, const char *path) {
    char piece[kReadPiece];
    const ssize_t got = read_piece(fd, piece);
    if (got == 0) {
        report(ToolText::file_no_writer, path);
        return false;
    }
    if (got < 0 && errno != EAGAIN) {
        report(ToolText::file_unreadable, path, std::strerror(errno));
        return false;
    }
    return got < 0 || append_piece(text, piece, static_cast<std::size_t>(got), path);
}

// The whole file, or nothing after saying why it could not be read.
std::optional<std::string> read_file(const char *path) {
    const Descriptor file{open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    struct stat info {};
    if (file.fd < 0 || fstat(file.fd, &info) != 0) {
        report(ToolText::file_unreadable, path, std::strerror(errno));
        return std::nullopt;
    }
    std::string text;
    if (S_ISFIFO(info.st_mode) && !read_first_piece_of_pipe(file.fd, text, path)) return std::nullopt;
    // A writer is there: from now on the reads wait for what it writes.
    fcntl(file.fd, F_SETFL, fcntl(file.fd, F_GETFL) & ~O_NONBLOCK);
    char piece[kReadPiece];
    for (ssize_t got; (got = read_piece(file.fd, piece)) != 0;) {
        if (got < 0) {
            report(ToolText::file_unreadable, path, std::strerror(errno));
            return std::nullopt;
        }
        if (!append_piece(text, piece, static_cast<std::size_t>(got), path)) return std::nullopt;
    }
    return text;
}
#else
// The whole file, or nothing after saying why it could not be read.
std::optional<std::string> read_file(const char *path) {
    std::FILE *file = std::fopen(path, "rb");
    if (file == nullptr) {
        report(ToolText::file_unreadable, path, std::strerror(errno));
        return std::nullopt;
    }
    std::string text;
    char piece[kReadPiece];
    for (std::size_t got; (got = std::fread(piece, 1, sizeof piece, file)) > 0;) {
        if (!append_piece(text, piece, got, path)) {
            std::fclose(file);
            return std::nullopt;
        }
    }
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);
    if (failed) {
        report(ToolText::file_unreadable, path, std::strerror(error));
        return std::nullopt;
    }
    return text;
}
#endif

bool within_limit(const CommandWords &words) {
    if (words.count() <= static_cast<std::size_t>(kMaxCommandLineWords) && words.bytes() <= kMaxCommandLineBytes)
        return true;
    report(ToolText::words_too_large, kMaxCommandLineWords, kMaxCommandLineText);
    return false;
}

// Appends the words of line `line_number` of the file at `path`. False after saying why not.
bool append_line_words(std::string_view line, CommandWords &words, const char *path, int line_number) {
    CommandWords line_words;
    const SplitError error = split_words(line, line_words);
    if (error != SplitError::none) {
        report_split_error_in_file(error, path, line_number);
        return false;
    }
    for (const char *word : line_words.pointers()) {
        switch (kind_of(word)) {
            case Kind::plain: words.add(word); break;
            case Kind::escaped: words.add(word + 1); break;
            case Kind::file: report(ToolText::file_nested, path, word); return false;
        }
    }
    return within_limit(words);
}

// Appends the words of the file at `path` to `words`. False after saying why not.
bool append_file_words(const char *path, CommandWords &words) {
    const std::optional<std::string> text = read_file(path);
    if (!text) return false;
    const ByteOrderMark mark = byte_order_mark(*text);
    std::string_view rest(*text);
    rest.remove_prefix(mark.length);
    for (int line_number = 1; !rest.empty(); ++line_number) {
        const std::optional<std::string> line = decode_line(take_line(rest, mark.encoding), mark.encoding);
        if (!line) {
            report(mark.encoding == Encoding::utf16le ? ToolText::file_not_utf16le : ToolText::file_not_utf8, path,
                   line_number);
            return false;
        }
        if (!append_line_words(*line, words, path, line_number)) return false;
    }
    return true;
}

}  // namespace

std::optional<CommandWords> expand_argument_files(const char *const *words, std::size_t count) {
    CommandWords expanded;
    for (std::size_t i = 0; i < count; ++i) {
        const char *word = words[i];
        switch (kind_of(word)) {
            case Kind::plain: expanded.add(word); break;
            case Kind::escaped: expanded.add(word + 1); break;
            case Kind::file:
                if (word[1] == '\0') {
                    report(ToolText::file_lone_at, word);
                    return std::nullopt;
                }
                if (!append_file_words(word + 1, expanded)) return std::nullopt;
                break;
        }
        if (!within_limit(expanded)) return std::nullopt;
    }
    return expanded;
}

std::optional<CommandWords> command_words(const char *const *words, std::size_t count) {
    std::optional<CommandWords> expanded = expand_argument_files(words, count);
    if (expanded && expanded->count() == 0) {
        report(ToolText::no_command_word);
        return std::nullopt;
    }
    return expanded;
}

}  // namespace vexar
