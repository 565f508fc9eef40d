// Shipping services: packet sizes as typed on a command line.

#include <cstdint>

#include "libzornashp.h"

namespace {

constexpr int64_t kLargestSize = INT32_MAX;

// 1024-based multiplier of a size suffix; 0 for a character that is no suffix.
constexpr int64_t suffix_multiplier(char suffix) {
    switch (suffix) {
        case 'k':
        case 'K': return int64_t{1} << 10;
        case 'm':
        case 'M': return int64_t{1} << 20;
        case 'g':
        case 'G': return int64_t{1} << 30;
        default: return 0;
    }
}

constexpr bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

extern "C" int shp_strtosize(const char *text, int /*reserved*/, int32_t *size) {
    if (text == nullptr || size == nullptr || !is_digit(text[0])) return 1;

    int64_t value = 0;
    const char *p = text;
    for (; is_digit(*p); ++p) {
        value = value * 10 + (*p - '0');
        if (value > kLargestSize) return 1;  // stops long digit strings before they overflow
    }
    if (*p != '\0') {
        const int64_t multiplier = suffix_multiplier(*p);
        if (multiplier == 0 || p[1] != '\0') return 1;
        value *= multiplier;
        if (value > kLargestSize) return 1;
    }
    *size = static_cast<int32_t>(value);
    return 0;
}
