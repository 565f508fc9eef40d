// The flag-spec notation of flag tables and keyword rows: "-l[ong]" names a flag typed
// as "-l", "-lo", "-lon" or "-long", "mkrep[lica]" a command word the same way. What
// stands before "[" must be typed, a beginning of what the brackets hold may follow; a
// spec without brackets is typed whole. Every reader of a table reads it here.
#ifndef VX_COMMON_FLAG_SPEC_H
#define VX_COMMON_FLAG_SPEC_H

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace vx_spec {

// A spec as it is typed: the part that must be, then the part that may follow in part.
struct Spelling {
    std::string_view required;  // "-l", the shortest spelling
    std::string_view optional;  // "ong"

    constexpr std::size_t full_length() const { return required.size() + optional.size(); }
    // Character `i` of the full name.
    constexpr char at(std::size_t i) const { return i < required.size() ? required[i] : optional[i - required.size()]; }
    // Whether `word` spells it: the required part, then a beginning of the optional one.
    constexpr bool accepts(std::string_view word) const {
        return word.size() >= required.size() && word.size() <= full_length() && word.starts_with(required) &&
               optional.starts_with(word.substr(required.size()));
    }
    std::string full() const { return std::string(required).append(optional); }
};

// The spelling of a row a table keeps as its full name and its shortest spelling.
constexpr Spelling spelling_of(std::string_view full, std::string_view shortest) {
    return {full.substr(0, shortest.size()), full.substr(shortest.size())};
}

// Why a flag spec cannot be read. The texts are the parser's words for them.
enum class Problem {
    none,
    no_spec,
    no_dash,
    second_open,
    close_without_open,
    not_closed_at_end,
    no_abbreviation,
    empty_brackets,
    no_name,
    double_dash,
};

constexpr const char *problem_text(Problem problem) {
    switch (problem) {
        case Problem::none: break;
        case Problem::no_spec: return "flag row without a spec";
        case Problem::no_dash: return "spec does not begin with \"-\"";
        case Problem::second_open: return "more than one \"[\"";
        case Problem::close_without_open: return "\"]\" without \"[\"";
        case Problem::not_closed_at_end: return "\"[\" is not closed by a \"]\" at the end";
        case Problem::no_abbreviation: return "no abbreviation before \"[\"";
        case Problem::empty_brackets: return "nothing between \"[\" and \"]\"";
        case Problem::no_name: return "no name after \"-\"";
        case Problem::double_dash: return "\"--\" cannot name a flag";
    }
    return "";
}

struct Reading {
    Spelling spelling;
    Problem problem = Problem::none;
};

// Reads the brackets of a spec in one pass over its characters (a flag table is read
// each time it is installed), asking at least `least_required` characters before "[".
constexpr Reading read_brackets(const char *spec, std::size_t least_required) {
    const char *open = nullptr;
    const char *end = spec;
    for (;; ++end) {
        // Letters and "_", most of any name, sort after "]": one test passes each of them.
        while (static_cast<unsigned char>(*end) > ']') ++end;
        if (*end == '\0') break;
        if (*end == '[') {
            if (open != nullptr) return {{}, Problem::second_open};
            open = end;
        } else if (*end == ']') {
            if (open == nullptr) return {{}, Problem::close_without_open};
            if (end[1] != '\0') return {{}, Problem::not_closed_at_end};
        }
    }
    const std::string_view whole(spec, static_cast<std::size_t>(end - spec));
    if (open == nullptr) return {{whole, {}}};
    const auto before = static_cast<std::size_t>(open - spec);
    if (before < least_required) return {{}, Problem::no_abbreviation};
    if (whole.back() != ']') return {{}, Problem::not_closed_at_end};
    if (whole.size() - before == 2) return {{}, Problem::empty_brackets};
    return {{whole.substr(0, before), whole.substr(before + 1, whole.size() - before - 2)}};
}

// A flag table's spec: "-" and a name, "-abbrev[iation]" or "-name".
constexpr Reading read_flag_spec(const char *spec) {
    if (spec == nullptr) return {{}, Problem::no_spec};
    if (spec[0] != '-') return {{}, Problem::no_dash};
    const Reading reading = read_brackets(spec, 2);  // the dash and a letter at least
    if (reading.problem != Problem::none) return reading;
    // A lone "-" is an operand and "--" ends the flags: neither can name a flag.
    if (reading.spelling.full_length() < 2) return {{}, Problem::no_name};
    if (reading.spelling.full_length() == 2 && spec[1] == '-') return {{}, Problem::double_dash};
    return reading;
}

// A keyword row's spec, the notation without the dash; one that does not read so
// ("exit", "!", "ab[cd") is a word typed whole.
constexpr Spelling read_keyword_spec(const char *spec) {
    const Reading reading = read_brackets(spec, 1);
    return reading.problem == Problem::none ? reading.spelling : Spelling{spec, {}};
}

// The item of `items`, each spelled as `spelling(item)` says, that `word` names: the
// one whose full name it is, else the first it spells; nullptr for none.
template <class Item, class SpellingOfItem>
constexpr const Item *named_by(std::span<const Item> items, std::string_view word, SpellingOfItem spelling) {
    const Item *first = nullptr;
    for (const Item &item : items) {
        const Spelling spelled = spelling(item);
        if (!spelled.accepts(word)) continue;
        if (word.size() == spelled.full_length()) return &item;
        if (first == nullptr) first = &item;
    }
    return first;
}

}  // namespace vx_spec

#endif
