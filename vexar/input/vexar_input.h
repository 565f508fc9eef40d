// The text of standard input and of argument files: UTF-8 with or without a byte-order
// mark, or UTF-16LE after its byte-order mark (what some Windows tools write), with
// "\n" or "\r\n" line ends. Lines come out as UTF-8 without their line end.
#ifndef VEXAR_INPUT_H
#define VEXAR_INPUT_H

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace vexar {

enum class Encoding { utf8, utf16le };

// The most an argument file, or one line of standard input, may hold: far more than any
// command line needs, and an input without end (/dev/zero) cannot hold the tool.
constexpr std::size_t kMaxInputBytes = std::size_t{16} << 20;
constexpr const char *kMaxInputText = "16 MiB";

// The encoding the first bytes of a text announce, and how many bytes the mark takes.
struct ByteOrderMark {
    Encoding encoding;
    std::size_t length;
};
ByteOrderMark byte_order_mark(std::string_view start);

// Takes the bytes of the next line, its line end included, off the front of `rest`.
std::string_view take_line(std::string_view &rest, Encoding encoding);

// A line's bytes as UTF-8, without "\n", "\r\n" or a final "\r"; nothing when they are
// not valid text in `encoding` (UTF-8 without overlong forms or surrogates; UTF-16LE of
// whole code units with paired surrogates).
std::optional<std::string> decode_line(std::string_view bytes, Encoding encoding);

// What reading the next line of a stream gave.
enum class LineRead { line, end, failed, too_long };

// The lines of a stream, each as soon as it has arrived whole, the encoding taken from
// a byte-order mark at its start.
class StreamLines {
  public:
    explicit StreamLines(std::FILE *input) : input_(input) {}
    // The bytes of the next line, line end included (LineRead::line); the end of the
    // input; a read that failed (its reason in error()); or a line past kMaxInputBytes,
    // whose end is not looked for.
    LineRead next(std::string &bytes);
    Encoding encoding() const { return encoding_; }
    int error() const { return error_; }

  private:
    void read_byte_order_mark();
    int read_byte();
    int next_byte();

    LineRead ended(const std::string &bytes) const;

    std::FILE *input_;
    int error_ = 0;
    Encoding encoding_ = Encoding::utf8;
    bool started_ = false;
    std::string read_ahead_;  // bytes read while looking for a mark that was not there
    std::size_t read_ahead_used_ = 0;
};

}  // namespace vexar

#endif
