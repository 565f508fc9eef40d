// The flag-spec notation as every table reader reads it: flag specs with the parser's
// rules ("-" and a name), keyword specs leniently (a spec that does not read is a word
// typed whole), and what each spelling accepts. (Which row a word names when several
// accept it is the parser's rule, tested with the parser.)

#include "flag_spec.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using vx_spec::Problem;
using vx_spec::Spelling;

struct FlagCase {
    const char *spec;
    const char *required;
    const char *optional;
    Problem problem;
};

const FlagCase kFlagSpecs[] = {
    {"-l[ong]", "-l", "ong", Problem::none},
    {"-endrange", "-endrange", "", Problem::none},
    {"-c", "-c", "", Problem::none},
    {"-a_b[_c]", "-a_b", "_c", Problem::none},
    {"-l[ong", "", "", Problem::not_closed_at_end},
    {"-l[o]ng", "", "", Problem::not_closed_at_end},
    {"-l[]", "", "", Problem::empty_brackets},
    {"-[long]", "", "", Problem::no_abbreviation},
    {"-[", "", "", Problem::no_abbreviation},  // told before the bracket left open
    {"-l[o[ng]]", "", "", Problem::second_open},
    {"-long]", "", "", Problem::close_without_open},
    {"-", "", "", Problem::no_name},
    {"--", "", "", Problem::double_dash},
    {"l[ong]", "", "", Problem::no_dash},
    {nullptr, "", "", Problem::no_spec},
};

TEST(FlagSpec, FlagSpecsReadAsThePartsOrWhyNot) {
    for (const FlagCase &c : kFlagSpecs) {
        SCOPED_TRACE(c.spec != nullptr ? c.spec : "(null)");
        const vx_spec::Reading reading = vx_spec::read_flag_spec(c.spec);
        EXPECT_EQ(reading.problem, c.problem) << vx_spec::problem_text(reading.problem);
        if (c.problem != Problem::none) continue;
        EXPECT_EQ(reading.spelling.required, c.required);
        EXPECT_EQ(reading.spelling.optional, c.optional);
        const std::string full = std::string(c.required) + c.optional;
        EXPECT_EQ(reading.spelling.full(), full);
        for (size_t i = 0; i < full.size(); ++i) EXPECT_EQ(reading.spelling.at(i), full[i]) << i;
    }
}

struct KeywordCase {
    const char *spec;
    const char *required;
    const char *optional;
};

const KeywordCase kKeywordSpecs[] = {
    {"mkrep[lica]", "mkrep", "lica"},
    {"h[elp]", "h", "elp"},
    {"exit", "exit", ""},
    {"!", "!", ""},
    // Specs that do not read are words typed whole.
    {"ab[cd", "ab[cd", ""},
    {"x]", "x]", ""},
    {"ab[]", "ab[]", ""},
    {"[abc]", "[abc]", ""},
    {"a[b[c]", "a[b[c]", ""},
};

TEST(FlagSpec, KeywordSpecsReadWithoutTheDashOrAsWholeWords) {
    for (const KeywordCase &c : kKeywordSpecs) {
        SCOPED_TRACE(c.spec);
        const Spelling spelling = vx_spec::read_keyword_spec(c.spec);
        EXPECT_EQ(spelling.required, c.required);
        EXPECT_EQ(spelling.optional, c.optional);
    }
}

struct AcceptCase {
    const char *spec;
    const char *word;
    bool accepted;
};

const AcceptCase kAccepts[] = {
    {"-l[ong]", "-l", true},          {"-l[ong]", "-lo", true},        {"-l[ong]", "-long", true},
    {"-l[ong]", "-longer", false},    {"-l[ong]", "-", false},         {"-l[ong]", "-lx", false},
    {"-l[ong]", "-lonG", false},      {"-l[ong]", "", false},          {"-endrange", "-endrange", true},
    {"-endrange", "-endr", false},    {"-pas[sword]", "-pa", false},   {"-pas[sword]", "-pass", true},
    {"mkrep[lica]", "mkrepl", true},  {"mkrep[lica]", "mkre", false},  {"exit", "exi", false},
    {"mkrep[lica]", "mkrepx", false}, {"mkrep[lica]", "MKREP", false},
};

TEST(FlagSpec, ASpellingAcceptsTheRequiredPartThenABeginningOfTheRest) {
    for (const AcceptCase &c : kAccepts) {
        SCOPED_TRACE(std::string(c.spec) + " " + c.word);
        const Spelling spelling =
            c.spec[0] == '-' ? vx_spec::read_flag_spec(c.spec).spelling : vx_spec::read_keyword_spec(c.spec);
        EXPECT_EQ(spelling.accepts(c.word), c.accepted);
        // The same spelling as a syntax table keeps it: full name and shortest spelling.
        EXPECT_EQ(vx_spec::spelling_of(spelling.full(), spelling.required).accepts(c.word), c.accepted);
    }
}

}  // namespace
