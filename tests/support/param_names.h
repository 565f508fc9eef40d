// Names of table-driven cases. A table row names itself: by its `name` or `label`, or,
// when it is about one word or text, by that `word` or `text` spelled out; a row that is
// a line of words is named by its words. The name generator gives each case its row's
// name, so that test names read as the case ("lspacket_long"), and the printer makes
// failure reports name the row instead of dumping its bytes.
//
//   INSTANTIATE_TEST_SUITE_P(Cases, LspacketAccepts, testing::ValuesIn(kAccepted), vxtest::RowName());
//
// Rows live in a file's own namespace: `using vxtest::operator<<;` there lets the
// printer see them.
#ifndef VX_TEST_PARAM_NAMES_H
#define VX_TEST_PARAM_NAMES_H

#include <cctype>
#include <cstdio>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace vxtest {

// A test name may hold letters, digits and single underscores only: every other run of
// characters becomes one underscore.
inline std::string test_name(std::string_view text) {
    std::string name;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0)
            name += c;
        else if (!name.empty() && name.back() != '_')
            name += '_';
    }
    while (!name.empty() && name.back() == '_') name.pop_back();
    return name.empty() ? "none" : name;
}

// A character a test name cannot hold, as a word.
inline std::string spelling_of(unsigned char byte) {
    constexpr struct {
        char character;
        const char *spelling;
    } kSpellings[] = {{' ', "blank"}, {'-', "minus"}, {'+', "plus"},
                      {'.', "point"}, {'!', "bang"},  {'_', "underscore"}};
    for (const auto &known : kSpellings)
        if (known.character == static_cast<char>(byte)) return known.spelling;
    char hex[4];
    std::snprintf(hex, sizeof hex, "x%02X", byte);
    return hex;
}

// A word as a test name that tells it from every other word: letters and digits stay,
// each other character is spelled ("-1" is "minus_1", " 1" is "blank_1").
inline std::string spelled(const char *word) {
    if (word == nullptr) return "null";
    if (*word == '\0') return "empty";
    std::string name;
    for (const char *c = word; *c != '\0'; ++c) {
        const unsigned char byte = static_cast<unsigned char>(*c);
        if (std::isalnum(byte) != 0) {
            if (c != word && std::isalnum(static_cast<unsigned char>(c[-1])) == 0) name += '_';
            name += *c;
            continue;
        }
        name += (name.empty() ? "" : "_") + spelling_of(byte);
    }
    return name;
}
inline std::string spelled(const std::string &word) { return spelled(word.c_str()); }

template <class Row>
concept NamedRow = requires(const Row &row) {
    std::string_view(row.name);
}
|| requires(const Row &row) { std::string_view(row.label); }
|| requires(const Row &row) { row.word; }
|| requires(const Row &row) { row.text; };

template <NamedRow Row>
std::string row_name(const Row &row) {
    if constexpr (requires { std::string_view(row.name); })
        return std::string(row.name);
    else if constexpr (requires { std::string_view(row.label); })
        return std::string(row.label);
    else if constexpr (requires { row.word; })
        return spelled(row.word);
    else
        return spelled(row.text);
}

inline std::string row_name(const std::vector<std::string> &words) {
    std::string joined;
    for (const std::string &word : words) joined += (joined.empty() ? "" : " ") + word;
    return joined;
}

struct RowName {
    template <class Info>
    std::string operator()(const Info &info) const {
        return test_name(row_name(info.param));
    }
};

template <NamedRow Row>
std::ostream &operator<<(std::ostream &os, const Row &row) {
    return os << row_name(row);
}

}  // namespace vxtest

#endif
