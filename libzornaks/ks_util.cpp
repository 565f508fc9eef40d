// String and path utilities. The number converters are written out by hand rather than
// over strtol: they must refuse what strtol quietly accepts (leading white space, a
// sign on an unsigned value) and must not depend on the locale or on errno.

#include <cstdint>
#include <cstring>

#include "libzornaks.h"

namespace {

int digit_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

// Converts the unsigned digits of `text` (no sign) in `base` (10, or 0 for the C
// prefixes 0x and 0). False when there is no digit, a character is not a digit of the
// base, or the magnitude passes `max`.
bool convert_magnitude(const char *text, int base, uint64_t max, uint64_t &magnitude) {
    if (base != 10 && base != 0) return false;
    if (base == 0) {
        if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
            base = 16;
            text += 2;
        } else if (text[0] == '0' && text[1] != '\0') {
            base = 8;
            text += 1;
        } else {
            base = 10;
        }
    }
    if (*text == '\0') return false;
    uint64_t value = 0;
    for (; *text != '\0'; ++text) {
        const int digit = digit_value(*text);
        if (digit >= base) return false;
        value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
        // Stops at once, so that a long run of digits cannot overflow the accumulator.
        if (value > max) return false;
    }
    magnitude = value;
    return true;
}

}  // namespace

extern "C" {

int strutl_strtol(const char *text, int base, int32_t *value) {
    if (text == nullptr || value == nullptr) return 1;
    const bool negative = *text == '-';
    if (*text == '+' || *text == '-') ++text;
    const uint64_t max = negative ? uint64_t{1} << 31 : INT32_MAX;
    uint64_t magnitude = 0;
    if (!convert_magnitude(text, base, max, magnitude)) return 1;
    *value = negative ? static_cast<int32_t>(-static_cast<int64_t>(magnitude)) : static_cast<int32_t>(magnitude);
    return 0;
}

int strutl_strtoul(const char *text, int base, uint32_t *value) {
    if (text == nullptr || value == nullptr) return 1;
    uint64_t magnitude = 0;
    if (!convert_magnitude(text, base, UINT32_MAX, magnitude)) return 1;
    *value = static_cast<uint32_t>(magnitude);
    return 0;
}

int strutl_find_char(const char *text, int start, int ch, int32_t *index) {
    if (text == nullptr || start < 0) return 0;
    // The terminator is not a character of the text: looking for it finds nothing.
    const char wanted = static_cast<char>(ch);
    if (wanted == '\0') return 0;
    // Walks to `start` without reading past the end of a shorter text.
    for (int offset = 0; offset < start; ++offset)
        if (text[offset] == '\0') return 0;
    for (int64_t offset = start; text[offset] != '\0' && offset <= INT32_MAX; ++offset) {
        if (text[offset] == wanted) {
            if (index != nullptr) *index = static_cast<int32_t>(offset);
            return 1;
        }
    }
    return 0;
}

int fileutl_is_abspn(const char *path) {
    if (path == nullptr || path[0] == '\0') return 0;
    // "/x", "\x" and "\\host\share".
    if (path[0] == '/' || path[0] == '\\') return 1;
    // A drive letter followed by either separator. "C:x" is relative to the drive's
    // current directory and does not count.
    const bool letter = (path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z');
    return letter && path[1] == ':' && (path[2] == '/' || path[2] == '\\') ? 1 : 0;
}

}  // extern "C"
