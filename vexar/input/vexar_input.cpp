#include "input/vexar_input.h"

#include <cerrno>

#include "input/vexar_utf16.h"
#include "utf8.h"

namespace vexar {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16leMark = "\xFF\xFE";

// The text of UTF-16LE bytes (without their mark) as UTF-8, or nothing when they are not
// UTF-16: an odd number of bytes, or an unpaired surrogate.
std::optional<std::string> utf16le_to_utf8(std::string_view bytes) {
    if (bytes.size() % 2 != 0) return std::nullopt;
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                         static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    return utf8_from_utf16(units);
}

void remove_line_end(std::string &line) {
    if (!line.empty() && line.back() == '\n') line.pop_back();
    if (!line.empty() && line.back() == '\r') line.pop_back();
}

}  // namespace

ByteOrderMark byte_order_mark(std::string_view start) {
    if (start.starts_with(kUtf16leMark)) return {Encoding::utf16le, kUtf16leMark.size()};
    if (start.starts_with(kUtf8Mark)) return {Encoding::utf8, kUtf8Mark.size()};
    return {Encoding::utf8, 0};
}

std::string_view take_line(std::string_view &rest, Encoding encoding) {
    std::size_t end = rest.size();
    if (encoding == Encoding::utf8) {
        const std::size_t newline = rest.find('\n');
        if (newline != std::string_view::npos) end = newline + 1;
    } else {
        for (std::size_t i = 0; i + 1 < rest.size(); i += 2) {
            if (rest[i] == '\n' && rest[i + 1] == '\0') {
                end = i + 2;
                break;
            }
        }
    }
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end);
    return line;
}

std::optional<std::string> decode_line(std::string_view bytes, Encoding encoding) {
    std::optional<std::string> line;
    if (encoding == Encoding::utf16le) {
        line = utf16le_to_utf8(bytes);
    } else if (vx_utf8::is_utf8(bytes)) {
        line.emplace(bytes);
    }
    if (line) remove_line_end(*line);
    return line;
}

void StreamLines::read_byte_order_mark() {
    // Reads on only while the bytes so far may still begin a mark, so that a first line
    // is never waited for beyond its own bytes.
    while (kUtf8Mark.starts_with(read_ahead_) || kUtf16leMark.starts_with(read_ahead_)) {
        if (read_ahead_ == kUtf8Mark || read_ahead_ == kUtf16leMark) {
            encoding_ = byte_order_mark(read_ahead_).encoding;
            read_ahead_.clear();
            return;
        }
        const int c = read_byte();
        if (c == EOF) return;
        read_ahead_ += static_cast<char>(c);
    }
}

int StreamLines::read_byte() {
    const int c = std::getc(input_);
    if (c == EOF && std::ferror(input_) != 0) error_ = errno;
    return c;
}

int StreamLines::next_byte() {
    if (read_ahead_used_ < read_ahead_.size()) return static_cast<unsigned char>(read_ahead_[read_ahead_used_++]);
    return read_byte();
}

// What the input gave when no line end came: the last line, the end, or a failure.
LineRead StreamLines::ended(const std::string &bytes) const {
    if (std::ferror(input_) != 0) return LineRead::failed;
    return bytes.empty() ? LineRead::end : LineRead::line;
}

LineRead StreamLines::next(std::string &bytes) {
    if (!started_) {
        read_byte_order_mark();
        started_ = true;
    }
    bytes.clear();
    if (encoding_ == Encoding::utf8) {
        for (int c = next_byte(); c != EOF; c = next_byte()) {
            bytes += static_cast<char>(c);
            if (c == '\n') return LineRead::line;
            if (bytes.size() > kMaxInputBytes) return LineRead::too_long;
        }
        return ended(bytes);
    }
    for (int low = next_byte(); low != EOF; low = next_byte()) {
        bytes += static_cast<char>(low);
        const int high = next_byte();
        if (high == EOF) break;  // half a code unit: decode_line refuses it
        bytes += static_cast<char>(high);
        if (low == '\n' && high == 0) return LineRead::line;
        if (bytes.size() > kMaxInputBytes) return LineRead::too_long;
    }
    return ended(bytes);
}

}  // namespace vexar
