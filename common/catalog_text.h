// Whether a message catalog's text may be printed in place of a built-in text: shared
// by every component that looks its texts up in a catalog, so that all refuse the same
// translations.
#ifndef VX_COMMON_CATALOG_TEXT_H
#define VX_COMMON_CATALOG_TEXT_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vx_catalog {

// The external numbers of a table of `count` texts: a text's place in the table, counted
// from 1, so that a text added at the end leaves the numbers of translations right.
template <uint16_t count>
constexpr std::array<uint16_t, count> numbers_from_one() {
    std::array<uint16_t, count> numbers{};
    for (uint16_t index = 0; index < count; ++index) numbers[index] = static_cast<uint16_t>(index + 1);
    return numbers;
}

// What one conversion specification takes from the argument list: a "*" width, a "*"
// precision, then the argument of the conversion itself, by length modifier and kind.
struct Conversion {
    bool star_width = false;
    bool star_precision = false;
    char length[3] = {};
    char kind = 0;

    bool operator==(const Conversion &other) const {
        return star_width == other.star_width && star_precision == other.star_precision &&
               std::strcmp(length, other.length) == 0 && kind == other.kind;
    }
};

// Longer numbers in a width or a precision are refused: they only serve to make a
// message enormous.
inline constexpr int kMaxFieldDigits = 3;

// Reads the digits of a width or a precision. False when there are too many.
inline bool skip_field_digits(const char *&p) {
    int digits = 0;
    while (*p >= '0' && *p <= '9') {
        if (++digits > kMaxFieldDigits) return false;
        ++p;
    }
    return true;
}

// The argument kind of a conversion character, the same for the characters that take
// the same argument ("d" and "i"; "o", "u", "x" and "X"; the floating ones); 0 for a
// character that is no conversion.
inline char kind_of(char conversion) {
    switch (conversion) {
        case 'd':
        case 'i': return 'd';
        case 'o':
        case 'u':
        case 'x':
        case 'X': return 'u';
        case 'e':
        case 'E':
        case 'f':
        case 'F':
        case 'g':
        case 'G':
        case 'a':
        case 'A': return 'f';
        case 'c':
        case 's':
        case 'p':
        case 'n':
        case 'm':
        case 'C':
        case 'S': return conversion;
        default: return 0;
    }
}

// Reads the conversion after the "%" at `p`; `p` moves past it. False when it is
// malformed, or numbered ("%1$s"), which a text is never allowed to use.
inline bool read_conversion(const char *&p, Conversion &conversion) {
    ++p;  // the "%"
    while (*p != '\0' && std::strchr("-+ #0'I", *p) != nullptr) ++p;
    if (*p == '*') {
        conversion.star_width = true;
        ++p;
    } else if (!skip_field_digits(p)) {
        return false;
    }
    if (*p == '.') {
        ++p;
        if (*p == '*') {
            conversion.star_precision = true;
            ++p;
        } else if (!skip_field_digits(p)) {
            return false;
        }
    }
    if (*p == '$') return false;
    size_t length = 0;
    while (*p != '\0' && std::strchr("hlLqjzZt", *p) != nullptr) {
        if (length == sizeof conversion.length - 1) return false;
        conversion.length[length++] = *p++;
    }
    conversion.kind = kind_of(*p);
    if (conversion.kind == 0) return false;
    ++p;
    return true;
}

// True when `translated` takes exactly the arguments `builtin` takes: as many
// conversions, of the same kinds, in the same order. "%%" takes none.
inline bool same_conversions(const char *builtin, const char *translated) {
    const char *a = builtin;
    const char *b = translated;
    for (;;) {
        while (*a != '\0' && !(a[0] == '%' && a[1] != '%')) a += a[0] == '%' ? 2 : 1;
        while (*b != '\0' && !(b[0] == '%' && b[1] != '%')) b += b[0] == '%' ? 2 : 1;
        if (*a == '\0' || *b == '\0') return *a == *b;
        Conversion from_builtin, from_translated;
        if (!read_conversion(a, from_builtin) || !read_conversion(b, from_translated)) return false;
        if (!(from_builtin == from_translated)) return false;
    }
}

// True when both texts end a line, or neither does: a translation that drops the final
// newline would run the next message on in the same line.
inline bool same_line_end(const char *builtin, const char *translated) {
    const size_t builtin_length = std::strlen(builtin);
    const size_t translated_length = std::strlen(translated);
    const bool builtin_ends = builtin_length > 0 && builtin[builtin_length - 1] == '\n';
    const bool translated_ends = translated_length > 0 && translated[translated_length - 1] == '\n';
    return builtin_ends == translated_ends;
}

// True when `translated` may be printed in place of `builtin`: it takes the same
// arguments and ends a line where the built-in text does.
inline bool may_replace(const char *builtin, const char *translated) {
    return same_conversions(builtin, translated) && same_line_end(builtin, translated);
}

}  // namespace vx_catalog

#endif
