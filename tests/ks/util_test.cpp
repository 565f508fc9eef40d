// Number conversion, character search and absolute paths at their edges.

#include <gtest/gtest.h>

#include <cstdint>

#include "libzornaks.h"

namespace {

constexpr int32_t kUntouched = 777;

struct SignedCase {
    const char *text;
    int base;
    bool ok;
    int32_t value;
};

TEST(StrutlStrtol, ConvertsWholeTextsInRange) {
    const SignedCase cases[] = {
        {"0", 10, true, 0},
        {"42", 10, true, 42},
        {"+42", 10, true, 42},
        {"-42", 10, true, -42},
        {"2147483647", 10, true, INT32_MAX},
        {"-2147483648", 10, true, INT32_MIN},
        {"0000000000000000000012", 10, true, 12},
        {"2147483648", 10, false, 0},
        {"-2147483649", 10, false, 0},
        {"99999999999999999999999999", 10, false, 0},
        {"", 10, false, 0},
        {"+", 10, false, 0},
        {"-", 10, false, 0},
        {"+-5", 10, false, 0},
        {"--5", 10, false, 0},
        {" 5", 10, false, 0},
        {"5 ", 10, false, 0},
        {"12abc", 10, false, 0},
        {"0x10", 10, false, 0},
        {"010", 10, true, 10},
        // Base 0 chooses as the C library does.
        {"0x10", 0, true, 16},
        {"0X1f", 0, true, 31},
        {"-0x10", 0, true, -16},
        {"010", 0, true, 8},
        {"08", 0, false, 0},
        {"0", 0, true, 0},
        {"0x", 0, false, 0},
        {"0x7fffffff", 0, true, INT32_MAX},
        {"0x80000000", 0, false, 0},
        {"-0x80000000", 0, true, INT32_MIN},
        {"17", 0, true, 17},
        {"5", 16, false, 0},  // only 10 and 0 are bases of this converter
    };
    for (const SignedCase &c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\" base " + std::to_string(c.base));
        int32_t value = kUntouched;
        EXPECT_EQ(strutl_strtol(c.text, c.base, &value) == 0, c.ok);
        EXPECT_EQ(value, c.ok ? c.value : kUntouched);
    }
    int32_t value = kUntouched;
    EXPECT_NE(strutl_strtol(nullptr, 10, &value), 0);
    EXPECT_EQ(value, kUntouched);
}

struct UnsignedCase {
    const char *text;
    int base;
    bool ok;
    uint32_t value;
};

TEST(StrutlStrtoul, ConvertsUnsignedTextsWithoutSign) {
    const UnsignedCase cases[] = {
        {"0", 10, true, 0},           {"4294967295", 10, true, UINT32_MAX},
        {"4294967296", 10, false, 0}, {"+5", 10, false, 0},
        {"-5", 10, false, 0},         {"-0", 10, false, 0},
        {"", 10, false, 0},           {"7x", 10, false, 0},
        {"\t7", 10, false, 0},        {"0xffffffff", 0, true, UINT32_MAX},
        {"0x100000000", 0, false, 0}, {"0777", 0, true, 0777},
    };
    for (const UnsignedCase &c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\" base " + std::to_string(c.base));
        uint32_t value = kUntouched;
        EXPECT_EQ(strutl_strtoul(c.text, c.base, &value) == 0, c.ok);
        EXPECT_EQ(value, c.ok ? c.value : static_cast<uint32_t>(kUntouched));
    }
}

TEST(StrutlFindChar, ReportsTheOffsetFromTheStartOfTheText) {
    struct Case {
        const char *text;
        int start;
        char ch;
        bool found;
        int32_t index;
    };
    const Case cases[] = {
        {"a,b,c", 0, ',', true, 1}, {"a,b,c", 2, ',', true, 3}, {"a,b,c", 4, ',', false, 0},
        {"abc", 0, 'x', false, 0},  {"", 0, 'a', false, 0},     {"abc", 10, 'a', false, 0},
        {"abc", -1, 'a', false, 0}, {"abc", 0, '\0', false, 0}, {"x=y", 0, '=', true, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\" from " + std::to_string(c.start));
        int32_t index = kUntouched;
        EXPECT_EQ(strutl_find_char(c.text, c.start, c.ch, &index) != 0, c.found);
        EXPECT_EQ(index, c.found ? c.index : kUntouched);
    }
}

TEST(FileutlIsAbspn, KnowsPosixAndWindowsAbsolutePaths) {
    struct Case {
        const char *path;
        bool absolute;
    };
    const Case cases[] = {
        {"/", true},       {"/vobs/x", true}, {"\\x", true},  {"\\\\host\\share", true},
        {"C:\\x", true},   {"c:/x", true},    {"C:", false},  {"C:x", false},
        {"1:\\x", false},  {"x", false},      {"./x", false}, {"", false},
        {"vob:/x", false}, {"~/x", false},
    };
    for (const Case &c : cases) EXPECT_EQ(fileutl_is_abspn(c.path) != 0, c.absolute) << c.path;
    EXPECT_EQ(fileutl_is_abspn(nullptr), 0);
}

}  // namespace
