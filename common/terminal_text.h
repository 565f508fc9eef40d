// Text from outside (the words of command lines, piped input, file names) as it may be
// shown at a terminal: no byte of it may start an escape sequence there.
#ifndef VX_COMMON_TERMINAL_TEXT_H
#define VX_COMMON_TERMINAL_TEXT_H

#include <cstddef>
#include <string>
#include <string_view>

#include "utf8.h"

namespace vx_terminal {

inline void append_hex(std::string &out, unsigned char byte) {
    constexpr const char *kDigits = "0123456789abcdef";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0xF];
}

// `text` with the C0 controls but the tab, DEL, and bytes that are not part of
// well-formed UTF-8 written as "\x1b"; the C1 controls (U+0080..U+009F) as "\u009b", so
// that they are not taken for the lone bytes of the same values. The rest as it is.
inline std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const unsigned char lead = static_cast<unsigned char>(text[0]);
        const std::size_t length = vx_utf8::sequence_length(text);
        if (length == 0 || (length == 1 && ((lead < 0x20 && lead != '\t') || lead == 0x7F))) {
            out += "\\x";
            append_hex(out, lead);
            text.remove_prefix(1);
            continue;
        }
        const unsigned char second = static_cast<unsigned char>(text[length - 1]);
        if (length == 2 && lead == 0xC2 && second <= 0x9F) {
            out += "\\u00";
            append_hex(out, second);
        } else {
            out.append(text.data(), length);
        }
        text.remove_prefix(length);
    }
    return out;
}

}  // namespace vx_terminal

#endif
