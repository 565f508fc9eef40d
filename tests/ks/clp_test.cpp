// The command-line parser, driven the way a syntax routine drives it: a flag loop that
// reads values and lists, then the operands. Each line becomes a transcript such as
// "long invob=<v> options[a,b] | <p1> <p2>" (flags and their values in order, then
// "|" and the operands), or ends in "REJECTED" when the parser refuses the line.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "libzornaks.h"

namespace {

enum Code : int32_t { DUMP = 1, INVOB, LONG, SHORT, ENDRANGE, OPTIONS, STGLOC, COMMENT, CFILE, NCOMMENT };

constexpr clp_flag_desc_t kGroupStart{CLP_START_EXCLUSION_SPEC, CLP_MARK_START_EXCLUSION, 0};
constexpr clp_flag_desc_t kGroupEnd{CLP_END_EXCLUSION_SPEC, CLP_MARK_END_EXCLUSION, 0};
constexpr clp_flag_desc_t kEnd{nullptr, CLP_TABLE_END, 0};

constexpr clp_flag_desc_t kTable[] = {
    {"-dum[p]", DUMP, 0},
    {"-inv[ob]", INVOB, 0},
    kGroupStart,
    {"-l[ong]", LONG, 0},
    {"-s[hort]", SHORT, 0},
    kGroupEnd,
    {"-endrange", ENDRANGE, 0},
    {"-opt[ions]", OPTIONS, 0},
    {"-stgloc", STGLOC, 0},
    kGroupStart,
    {"-c[omment]", COMMENT, 0},
    {"-cfi[le]", CFILE, 0},
    {"-nc[omment]", NCOMMENT, 0},
    kGroupEnd,
    kEnd,
};

enum class Kind { word, value, list };
struct Handler {
    int32_t code;
    const char *name;
    Kind kind;
};
constexpr Handler kHandlers[] = {
    {DUMP, "dump", Kind::word},         {INVOB, "invob", Kind::value},      {LONG, "long", Kind::word},
    {SHORT, "short", Kind::word},       {ENDRANGE, "endrange", Kind::word}, {OPTIONS, "options", Kind::list},
    {STGLOC, "stgloc", Kind::value},    {COMMENT, "comment", Kind::value},  {CFILE, "cfile", Kind::value},
    {NCOMMENT, "ncomment", Kind::word},
};

struct AreaDeleter {
    void operator()(stg_area_t *area) const { stg_area_release(area); }
};
using Area = std::unique_ptr<stg_area_t, AreaDeleter>;

clp_parser_t *make_parser(stg_area_t *area, const std::vector<std::string> &words) {
    std::vector<const char *> argv;
    for (const std::string &word : words) argv.push_back(word.c_str());
    return clp_parser_create(area, static_cast<int>(argv.size()), argv.data());
}

std::string read_list(clp_parser_t *parser) {
    std::string parts;
    const char *text = nullptr;
    if (clp_get_next_subarg(parser, &text) == CLP_DONE || text == nullptr) return "[]";
    while (text != nullptr) {
        parts += parts.empty() ? text : std::string(",") + text;
        clp_get_next_subarg(parser, &text);
    }
    return "[" + parts + "]";
}

// The line as a syntax routine with the handlers above would see it.
std::string transcript(const std::vector<std::string> &words, const clp_flag_desc_t *table = kTable) {
    Area area(stg_area_create());
    clp_parser_t *parser = make_parser(area.get(), words);
    if (parser == nullptr) return "NO PARSER";
    if (clp_switch_flags(parser, table, area.get()) != CLP_OK) return "TABLE REFUSED";
    std::string out;
    int32_t code = 0;
    int rc;
    while ((rc = clp_get_next_flag_value(parser, 0, &code)) == CLP_OK) {
        const Handler *handler = std::find_if(std::begin(kHandlers), std::end(kHandlers),
                                              [code](const Handler &h) { return h.code == code; });
        if (handler == std::end(kHandlers)) return out + "code" + std::to_string(code) + " ?";
        out += handler->name;
        if (handler->kind == Kind::value) {
            const char *value = nullptr;
            out += clp_get_next_arg(parser, &value) == CLP_DONE ? "=none" : "=<" + std::string(value) + ">";
        } else if (handler->kind == Kind::list) {
            out += read_list(parser);
        }
        out += " ";
    }
    if (rc != CLP_DONE) return out + "REJECTED";
    out += "|";
    const char *operand = nullptr;
    while (clp_get_next_arg(parser, &operand) == CLP_OK) out += " <" + std::string(operand) + ">";
    return out;
}

struct Seen {
    std::string transcript;
    std::string err;
};

Seen run(const std::vector<std::string> &words, const clp_flag_desc_t *table = kTable) {
    testing::internal::CaptureStderr();
    Seen seen;
    seen.transcript = transcript(words, table);
    seen.err = testing::internal::GetCapturedStderr();
    return seen;
}

struct LineCase {
    std::vector<std::string> words;
    std::string transcript;
    std::string err = "";
};

void check_lines(const std::vector<LineCase> &cases) {
    for (const LineCase &c : cases) {
        std::string line;
        for (const std::string &word : c.words) line += "[" + word + "]";
        SCOPED_TRACE(line);
        const Seen seen = run(c.words);
        EXPECT_EQ(seen.transcript, c.transcript);
        EXPECT_EQ(seen.err, c.err);
    }
}

TEST(ClpFlags, AbbreviationsWithinTheSpecAreAcceptedOthersRefused) {
    check_lines({
        {{"-long"}, "long |"},
        {{"-lon"}, "long |"},
        {{"-l"}, "long |"},
        {{"-dum"}, "dump |"},
        {{"-endrange"}, "endrange |"},
        {{"-du"}, "REJECTED", "\"-du\" is too short for -dump; type at least -dum\n"},
        {{"-longer"}, "REJECTED", "Unrecognized option \"-longer\"; did you mean -long?\n"},
        {{"-endr"}, "REJECTED", "\"-endr\" is too short for -endrange; type at least -endrange\n"},
        {{"-lnog"}, "REJECTED", "Unrecognized option \"-lnog\"; did you mean -long?\n"},
        {{"-Long"}, "REJECTED", "Unrecognized option \"-Long\"; did you mean -long?\n"},
        {{"--long"}, "REJECTED", "Unrecognized option \"--long\"; did you mean -long?\n"},
        {{"-cf"}, "REJECTED", "\"-cf\" is too short for -cfile; type at least -cfi\n"},
        {{"-st"}, "REJECTED", "\"-st\" is too short for -stgloc; type at least -stgloc\n"},
        {{"-n"}, "REJECTED", "\"-n\" is too short for -ncomment; type at least -nc\n"},
        {{"-xyzzy"}, "REJECTED", "Unrecognized option \"-xyzzy\"\n"},
        // The refusal comes when the word is read: earlier flags were handed out.
        {{"-long", "-dump", "-bogus", "-short"}, "long dump REJECTED", "Unrecognized option \"-bogus\"\n"},
        // A user's word is printed, never interpreted.
        {{"-%s%n"}, "REJECTED", "Unrecognized option \"-%s%n\"\n"},
    });
}

// A value joined by "=" to a word that begins a flag's name, in any case and after any
// number of dashes, is never shown: it may be a password typed in a form the parser
// does not take. Any other word is shown whole.
TEST(ClpFlags, AValueJoinedToAFlagNameIsNeverShown) {
    check_lines({
        {{"-options=secret"}, "REJECTED", "Unrecognized option \"-options=...\"; did you mean -options?\n"},
        {{"--long=secret"}, "REJECTED", "Unrecognized option \"--long=...\"\n"},
        {{"-STG=secret"}, "REJECTED", "Unrecognized option \"-STG=...\"\n"},
        {{"-end=a=b"}, "REJECTED", "Unrecognized option \"-end=...\"\n"},
        {{"-long", "-cfile=x"}, "long REJECTED", "Unrecognized option \"-cfile=...\"; did you mean -cfile?\n"},
        // Not the beginning of a flag's name: the word is shown as typed.
        {{"-x=secret"}, "REJECTED", "Unrecognized option \"-x=secret\"\n"},
        {{"-longest=1"}, "REJECTED", "Unrecognized option \"-longest=1\"; did you mean -long?\n"},
        {{"-=secret"}, "REJECTED", "Unrecognized option \"-=secret\"\n"},
    });
}

// A word that begins full names but stops before their shortest spellings is told so,
// naming every flag it begins; one that begins none gets the nearest name instead.
TEST(ClpFlags, AWordShorterThanTheShortestSpellingIsToldSo) {
    constexpr clp_flag_desc_t flags[] = {
        {"-pas[sword]", 1, 0}, {"-pre[serve]", 2, 0}, {"-per[ms]", 3, 0}, {"-tag", 4, 0}, {"-pub[lic]", 5, 0}, kEnd,
    };
    struct Case {
        const char *word;
        const char *err;
    };
    const Case cases[] = {
        {"-pa", "\"-pa\" is too short for -password; type at least -pas\n"},
        {"-p",
         "\"-p\" is too short for -password, -preserve, -perms or -public; type at least -pas, -pre, -per or -pub\n"},
        {"-pe", "\"-pe\" is too short for -perms; type at least -per\n"},
        {"-pr", "\"-pr\" is too short for -preserve; type at least -pre\n"},
        {"-ta", "\"-ta\" is too short for -tag; type at least -tag\n"},
        {"-tga", "Unrecognized option \"-tga\"; did you mean -tag?\n"},
        {"-x", "Unrecognized option \"-x\"\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.word);
        Area area(stg_area_create());
        clp_parser_t *parser = make_parser(area.get(), {c.word});
        ASSERT_EQ(clp_switch_flags(parser, flags, area.get()), CLP_OK);
        testing::internal::CaptureStderr();
        int32_t code = 0;
        EXPECT_EQ(clp_get_next_flag_value(parser, 0, &code), CLP_REJECTED);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.err);
    }
}

TEST(ClpFlags, ExactFullNameWinsOverAnAbbreviationOtherwiseTheFirstRow) {
    constexpr clp_flag_desc_t overlap[] = {
        {"-r[eplica]", 1, 0}, {"-re", 2, 0}, {"-a[bc]", 3, 0}, {"-a[bd]", 4, 0}, kEnd,
    };
    struct Case {
        const char *word;
        int32_t code;
    };
    const Case cases[] = {{"-r", 1}, {"-re", 2}, {"-rep", 1}, {"-a", 3}, {"-ab", 3}, {"-abd", 4}, {"-abc", 3}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.word);
        Area area(stg_area_create());
        clp_parser_t *parser = make_parser(area.get(), {c.word});
        ASSERT_EQ(clp_switch_flags(parser, overlap, area.get()), CLP_OK);
        int32_t code = 0;
        EXPECT_EQ(clp_get_next_flag_value(parser, 0, &code), CLP_OK);
        EXPECT_EQ(code, c.code);
    }
}

TEST(ClpFlags, DifferentMembersOfOneGroupAreRefusedTheSameOneIsNot) {
    check_lines({
        {{"-long", "-short"}, "long REJECTED", "Options \"-long\" and \"-short\" cannot be used together\n"},
        {{"-s", "-lo"}, "short REJECTED", "Options \"-short\" and \"-long\" cannot be used together\n"},
        {{"-nc", "-c", "x"}, "ncomment REJECTED", "Options \"-ncomment\" and \"-comment\" cannot be used together\n"},
        {{"-long", "-l", "-lon"}, "long long long |"},
        {{"-c", "a", "-comment", "b"}, "comment=<a> comment=<b> |"},
        // Members of different groups, and flags outside any group, mix freely.
        {{"-long", "-c", "x", "-dump", "-short"},
         "long comment=<x> dump REJECTED",
         "Options \"-long\" and \"-short\" cannot be used together\n"},
        {{"-short", "-cfile", "f", "-endrange"}, "short cfile=<f> endrange |"},
    });
}

TEST(ClpValues, AValueIsTheNextWordWhateverItLooksLike) {
    check_lines({
        {{"-stgloc", "-auto"}, "stgloc=<-auto> |"},
        {{"-invob", "--"}, "invob=<--> |"},
        {{"-invob", "--", "-long"}, "invob=<--> long |"},
        {{"-invob", "-long"}, "invob=<-long> |"},
        {{"-invob", "-"}, "invob=<-> |"},
        {{"-invob", ""}, "invob=<> |"},
        {{"-invob"}, "invob=none |"},
        {{"p1", "-invob"}, "invob=none | <p1>"},
        {{"-c", "-short", "-long"}, "comment=<-short> long |"},
    });
}

TEST(ClpOperands, OperandsComeAfterTheFlagsInTheirOrder) {
    check_lines({
        {{}, "|"},
        {{"p1", "p2"}, "| <p1> <p2>"},
        {{"p1", "-long", "p2", "-dump", "p3"}, "long dump | <p1> <p2> <p3>"},
        {{"p1", "-invob", "v", "p2"}, "invob=<v> | <p1> <p2>"},
        {{"-long", "--", "-short", "p"}, "long | <-short> <p>"},
        {{"p1", "--", "-x", "--"}, "| <p1> <-x> <-->"},
        {{"--"}, "|"},
        {{"-", "-long", "-"}, "long | <-> <->"},
        {{"", "-long", ""}, "long | <> <>"},
        {{"\xff\xfe", "-long", "\xc3("}, "long | <\xff\xfe> <\xc3(>"},
        // A byte that is no UTF-8 is shown escaped, as every control character of a word.
        {{"-\xc3"}, "REJECTED", "Unrecognized option \"-\\xc3\"\n"},
    });
}

TEST(ClpLists, AListIsTheNonEmptyCommaSeparatedPartsOfTheNextWord) {
    check_lines({
        {{"-opt", "a,b"}, "options[a,b] |"},
        {{"-opt", ",a,,b,", "p"}, "options[a,b] | <p>"},
        {{"-opt", ",,,", "p"}, "options[] | <p>"},
        {{"-opt", ""}, "options[] |"},
        {{"-opt"}, "options[] |"},
        {{"-opt", "a,b", "-long"}, "options[a,b] long |"},
        {{"-opt", "-long,-x"}, "options[-long,-x] |"},
        {{"-opt", "--", "p"}, "options[--] | <p>"},
        {{"-opt", "x", "-opt", "y,z"}, "options[x] options[y,z] |"},
    });
}

TEST(ClpLists, ResultsOfEachCallAndAFlagEndingAList) {
    Area area(stg_area_create());
    clp_parser_t *parser = make_parser(area.get(), {"-opt", "a,,b", "c", "-opt", "d,e", "-opt", "f"});
    ASSERT_EQ(clp_switch_flags(parser, kTable, area.get()), CLP_OK);
    int32_t code = 0;
    const char *text = "stale";
    ASSERT_EQ(clp_get_next_flag_value(parser, 0, &code), CLP_OK);
    struct Step {
        int rc;
        const char *text;  // nullptr: none
    };
    // Two lists read back to back: "a,,b", then "c".
    const Step steps[] = {{CLP_OK, "a"}, {CLP_OK, "b"}, {CLP_DONE, nullptr}, {CLP_OK, "c"}, {CLP_DONE, nullptr}};
    for (const Step &step : steps) {
        text = "stale";
        EXPECT_EQ(clp_get_next_subarg(parser, &text), step.rc);
        if (step.text)
            EXPECT_STREQ(text, step.text);
        else
            EXPECT_EQ(text, nullptr);
    }
    // A flag read in the middle of a list ends it: the next call starts from the next word.
    ASSERT_EQ(clp_get_next_flag_value(parser, 0, &code), CLP_OK);
    ASSERT_EQ(clp_get_next_subarg(parser, &text), CLP_OK);
    EXPECT_STREQ(text, "d");
    ASSERT_EQ(clp_get_next_flag_value(parser, 0, &code), CLP_OK);
    ASSERT_EQ(clp_get_next_subarg(parser, &text), CLP_OK);
    EXPECT_STREQ(text, "f");
    EXPECT_EQ(clp_get_next_subarg(parser, &text), CLP_DONE);
    EXPECT_EQ(clp_get_next_subarg(parser, &text), CLP_DONE);  // no word left for a new list
    EXPECT_EQ(text, nullptr);
}

TEST(ClpTable, InstallingATableStartsTheScanOverWithoutReadingTheLine) {
    Area area(stg_area_create());
    clp_parser_t *parser = make_parser(area.get(), {"p", "-long", "-short", "-bogus"});
    testing::internal::CaptureStderr();
    EXPECT_EQ(clp_switch_flags(parser, kTable, area.get()), CLP_OK);
    int32_t code = 0;
    EXPECT_EQ(clp_get_next_flag_value(parser, 0, &code), CLP_OK);
    EXPECT_EQ(code, LONG);
    EXPECT_EQ(clp_switch_flags(parser, kTable, area.get()), CLP_OK);
    code = 0;
    EXPECT_EQ(clp_get_next_flag_value(parser, 0, &code), CLP_OK);
    EXPECT_EQ(code, LONG);  // not refused: the group starts over with the table
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

std::vector<clp_flag_desc_t> rows_of(std::initializer_list<clp_flag_desc_t> rows) { return rows; }

TEST(ClpTable, MalformedTablesAreRefusedWithOneInternalErrorLine) {
    const clp_flag_desc_t flag{"-l[ong]", 1, 0};
    struct Case {
        const char *what;
        std::vector<clp_flag_desc_t> table;
    };
    std::vector<clp_flag_desc_t> unterminated(CLP_MAX_TABLE_ROWS + 1, flag);
    std::vector<clp_flag_desc_t> too_long(CLP_MAX_TABLE_ROWS + 1, flag);
    too_long.push_back(kEnd);
    const Case cases[] = {
        {"no terminator within the limit", unterminated},
        {"terminator past the limit", too_long},
        {"group never closed", rows_of({kGroupStart, flag, kEnd})},
        {"group closed never opened", rows_of({flag, kGroupEnd, kEnd})},
        {"nested groups", rows_of({kGroupStart, kGroupStart, flag, kGroupEnd, kGroupEnd, kEnd})},
        {"flag without spec", rows_of({{nullptr, 1, 0}, kEnd})},
        {"spec without dash", rows_of({{"l[ong]", 1, 0}, kEnd})},
        {"unclosed bracket", rows_of({{"-l[ong", 1, 0}, kEnd})},
        {"bracket not at the end", rows_of({{"-l[o]ng", 1, 0}, kEnd})},
        {"empty brackets", rows_of({{"-l[]", 1, 0}, kEnd})},
        {"nothing before bracket", rows_of({{"-[long]", 1, 0}, kEnd})},
        {"two brackets", rows_of({{"-l[o[ng]]", 1, 0}, kEnd})},
        {"close without open", rows_of({{"-long]", 1, 0}, kEnd})},
        {"lone dash", rows_of({{"-", 1, 0}, kEnd})},
        {"double dash", rows_of({{"--", 1, 0}, kEnd})},
        {"terminator code with a spec", rows_of({{"-x", CLP_TABLE_END, 0}, kEnd})},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Area area(stg_area_create());
        clp_parser_t *parser = make_parser(area.get(), {"-long"});
        testing::internal::CaptureStderr();
        EXPECT_EQ(clp_switch_flags(parser, c.table.data(), area.get()), CLP_REJECTED);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(err.rfind("internal error: ", 0), 0u) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_EQ(err.back(), '\n');
    }
    Area area(stg_area_create());
    testing::internal::CaptureStderr();
    EXPECT_EQ(clp_switch_flags(make_parser(area.get(), {}), nullptr, nullptr), CLP_REJECTED);
    EXPECT_NE(testing::internal::GetCapturedStderr(), "");
}

TEST(ClpTable, WellFormedTablesAtTheirLimits) {
    std::vector<clp_flag_desc_t> full(CLP_MAX_TABLE_ROWS, clp_flag_desc_t{"-x", 9, 0});
    full.back() = {"-l[ong]", 1, 0};
    full.push_back(kEnd);
    const std::vector<clp_flag_desc_t> tables[] = {
        full,
        rows_of({kEnd}),
        rows_of({kGroupStart, kGroupEnd, kEnd}),
        rows_of({kGroupStart, {"-l[ong]", 1, 0}, kGroupEnd, kGroupStart, {"-s", 2, 0}, kGroupEnd, kEnd}),
    };
    for (const auto &table : tables) {
        SCOPED_TRACE(table.size());
        Area area(stg_area_create());
        clp_parser_t *parser = make_parser(area.get(), {"p"});
        EXPECT_EQ(clp_switch_flags(parser, table.data(), area.get()), CLP_OK);
    }
    Area area(stg_area_create());
    clp_parser_t *parser = make_parser(area.get(), {"-lo"});
    ASSERT_EQ(clp_switch_flags(parser, full.data(), area.get()), CLP_OK);
    int32_t code = 0;
    EXPECT_EQ(clp_get_next_flag_value(parser, 0, &code), CLP_OK);
    EXPECT_EQ(code, 1);  // the row just before the terminator is in force
}

// A table is read as it is at each install: rows that change at the same address (a
// table built on the stack, a buffer used again) must be read as they are now.
TEST(ClpTable, RowsChangedAtTheSameAddressAreReadAnew) {
    std::vector<clp_flag_desc_t> table = rows_of({{"-l[ong]", LONG, 0}, {"-s[hort]", SHORT, 0}, kEnd});
    const auto first_code = [&table](const std::string &word) -> std::string {
        Area area(stg_area_create());
        clp_parser_t *parser = make_parser(area.get(), {word});
        testing::internal::CaptureStderr();
        const int installed = clp_switch_flags(parser, table.data(), area.get());
        int32_t code = 0;
        const int rc = installed == CLP_OK ? clp_get_next_flag_value(parser, 0, &code) : installed;
        const bool said = !testing::internal::GetCapturedStderr().empty();
        if (installed != CLP_OK) return "table refused";
        return rc == CLP_OK ? std::to_string(code) : said ? "refused" : "done";
    };
    EXPECT_EQ(first_code("-long"), std::to_string(LONG));
    EXPECT_EQ(first_code("-long"), std::to_string(LONG));
    table[0].code = DUMP;  // same spec, another code
    EXPECT_EQ(first_code("-long"), std::to_string(DUMP));
    table[0] = {"-lis[t]", OPTIONS, 0};  // another spec
    EXPECT_EQ(first_code("-l"), "refused");
    EXPECT_EQ(first_code("-list"), std::to_string(OPTIONS));
    table[1] = kEnd;  // shorter: the old second row must not be read
    EXPECT_EQ(first_code("-short"), "refused");
    table[0] = {"-l[ong", LONG, 0};  // malformed now
    EXPECT_EQ(first_code("-long"), "table refused");
    table[0] = {"-l[ong]", LONG, 0};
    table[1] = {"-s[hort]", SHORT, 0};
    EXPECT_EQ(first_code("-sh"), std::to_string(SHORT));
}

// The flag texts themselves rewritten in place, the rows untouched: the new text is in
// force, with its own lengths and its own first letter.
TEST(ClpTable, SpecTextRewrittenInPlaceIsReadAnew) {
    char first_spec[16] = "-l[ong]";
    char second_spec[16] = "-s[hort]";
    const clp_flag_desc_t table[] = {{first_spec, LONG, 0}, {second_spec, SHORT, 0}, kEnd};
    const auto first_code = [&table](const std::string &word) -> std::string {
        Area area(stg_area_create());
        clp_parser_t *parser = make_parser(area.get(), {word});
        testing::internal::CaptureStderr();
        const int installed = clp_switch_flags(parser, table, area.get());
        int32_t code = 0;
        const int rc = installed == CLP_OK ? clp_get_next_flag_value(parser, 0, &code) : installed;
        testing::internal::GetCapturedStderr();
        if (installed != CLP_OK) return "table refused";
        return rc == CLP_OK ? std::to_string(code) : "refused";
    };
    struct Step {
        const char *first;   // the first row's flag text from this step on
        const char *second;  // the second row's
        const char *word;
        std::string code;
    };
    const Step steps[] = {
        {"-l[ong]", "-s[hort]", "-lo", std::to_string(LONG)},
        {"-l[ong]", "-s[hort]", "-sh", std::to_string(SHORT)},
        {"-lo[ng]", "-s[hort]", "-l", "refused"},                   // a longer abbreviation
        {"-lo[ng]", "-s[hort]", "-lon", std::to_string(LONG)},      // the same name still
        {"-l[ist]", "-s[hort]", "-long", "refused"},                // another name, as long
        {"-l[ist]", "-s[hort]", "-lis", std::to_string(LONG)},      // taken with its new text
        {"-q[uiet]", "-s[hort]", "-l", "refused"},                  // another first letter
        {"-q[uiet]", "-s[hort]", "-qu", std::to_string(LONG)},      // found under its new letter
        {"-q[uiet]", "-l[ong]", "-lo", std::to_string(SHORT)},      // a letter moved to another row
        {"-verbose", "-l[ong]", "-verbose", std::to_string(LONG)},  // brackets gone, longer text
        {"-verbose", "-l[ong]", "-verb", "refused"},
        {"-v[erbose", "-l[ong]", "-v", "table refused"},  // malformed now
        {"-l[ong]", "-s[hort]", "-sh", std::to_string(SHORT)},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(std::string(step.first) + " " + step.second + ": " + step.word);
        std::strcpy(first_spec, step.first);
        std::strcpy(second_spec, step.second);
        EXPECT_EQ(first_code(step.word), step.code);
    }
}

TEST(ClpLastFlagName, TheTypedWordTruncatedWithinTheBuffer) {
    const std::string name = "-v" + std::string(9998, 'x');  // a 10 000-character flag
    const std::string spec = "-v[" + name.substr(2) + "]";
    const clp_flag_desc_t table[] = {{spec.c_str(), 1, 0}, {"-l[ong]", 2, 0}, kEnd};
    Area area(stg_area_create());
    clp_parser_t *parser = make_parser(area.get(), {"-lon", name});
    ASSERT_EQ(clp_switch_flags(parser, table, area.get()), CLP_OK);

    char buffer[20000];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_NE(clp_get_last_flag_name(parser, 1, 256, buffer), 0);  // nothing read yet
    EXPECT_EQ(buffer[0], '#');

    int32_t code = 0;
    ASSERT_EQ(clp_get_next_flag_value(parser, 0, &code), CLP_OK);
    ASSERT_EQ(clp_get_last_flag_name(parser, 1, 256, buffer), 0);
    EXPECT_STREQ(buffer, "-lon");

    ASSERT_EQ(clp_get_next_flag_value(parser, 0, &code), CLP_OK);
    ASSERT_EQ(code, 1);
    for (size_t size : {size_t{1}, size_t{2}, size_t{10}, size_t{256}, size_t{10000}, size_t{10001}, size_t{15000}}) {
        SCOPED_TRACE(size);
        std::memset(buffer, '#', sizeof buffer);
        ASSERT_EQ(clp_get_last_flag_name(parser, 1, size, buffer), 0);
        EXPECT_EQ(std::string(buffer), name.substr(0, size - 1));
        EXPECT_EQ(buffer[size], '#') << "written past the buffer";
    }
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_NE(clp_get_last_flag_name(parser, 1, 0, buffer), 0);
    EXPECT_EQ(buffer[0], '#');
}

TEST(ClpInput, WordsAreCopiedIntoTheArea) {
    std::vector<std::string> words = {"-invob", "v1", "p1"};
    Area area(stg_area_create());
    clp_parser_t *parser = make_parser(area.get(), words);
    for (std::string &word : words) word.assign(word.size(), '?');
    ASSERT_EQ(clp_switch_flags(parser, kTable, area.get()), CLP_OK);
    int32_t code = 0;
    const char *text = nullptr;
    ASSERT_EQ(clp_get_next_flag_value(parser, 0, &code), CLP_OK);
    ASSERT_EQ(clp_get_next_arg(parser, &text), CLP_OK);
    EXPECT_STREQ(text, "v1");
    ASSERT_EQ(clp_get_next_flag_value(parser, 0, &code), CLP_DONE);
    ASSERT_EQ(clp_get_next_arg(parser, &text), CLP_OK);
    EXPECT_STREQ(text, "p1");
    text = "stale";
    EXPECT_EQ(clp_get_next_arg(parser, &text), CLP_DONE);
    EXPECT_EQ(text, nullptr);
}

TEST(ClpInput, HugeLinesAndWords) {
    // 100 000 operands with a flag every thousand words: all kept, in order.
    std::vector<std::string> words;
    for (int i = 0; i < 100000; ++i) words.push_back(i % 1000 == 500 ? "-dump" : "p" + std::to_string(i));
    Area area(stg_area_create());
    clp_parser_t *parser = make_parser(area.get(), words);
    ASSERT_EQ(clp_switch_flags(parser, kTable, area.get()), CLP_OK);
    int32_t code = 0;
    int flags = 0;
    while (clp_get_next_flag_value(parser, 0, &code) == CLP_OK) ++flags;
    EXPECT_EQ(flags, 100);
    const char *text = nullptr;
    size_t next = 0;
    while (clp_get_next_arg(parser, &text) == CLP_OK) {
        if (words[next] == "-dump") ++next;
        ASSERT_EQ(words[next++], text);
    }
    EXPECT_EQ(next, words.size());

    // 100 KiB words: as an operand, as a value, and as an unknown flag.
    const std::string big(100 * 1024, 'b');
    EXPECT_EQ(transcript({big, "-invob", big}), "invob=<" + big + "> | <" + big + ">");
    const Seen refused = run({"-" + big});
    EXPECT_EQ(refused.transcript, "REJECTED");
    EXPECT_EQ(refused.err, "Unrecognized option \"-" + big + "\"\n");
    EXPECT_EQ(transcript({"-opt", std::string(50000, ',') + "a" + std::string(50000, ',')}), "options[a] |");
}

TEST(ClpInput, AnExhaustedAreaIsRefusedNotOverrun) {
    Area area(stg_area_create());
    stg_area_set_limit(area.get(), 64);
    EXPECT_EQ(make_parser(area.get(), {"-long", "p"}), nullptr);

    Area listing(stg_area_create());
    clp_parser_t *parser = make_parser(listing.get(), {"-opt", "a,b"});
    ASSERT_EQ(clp_switch_flags(parser, kTable, listing.get()), CLP_OK);
    int32_t code = 0;
    ASSERT_EQ(clp_get_next_flag_value(parser, 0, &code), CLP_OK);
    stg_area_set_limit(listing.get(), stg_area_bytes_used(listing.get()));
    const char *text = "stale";
    testing::internal::CaptureStderr();
    EXPECT_EQ(clp_get_next_subarg(parser, &text), CLP_REJECTED);
    EXPECT_NE(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(text, nullptr);
}

TEST(ClpThreads, ParsersOnSeveralThreadsDoNotDisturbEachOther) {
    const std::vector<std::string> line = {"p1", "-l", "-opt", "a,b", "-invob", "v", "--", "-x"};
    const std::string expected = "long options[a,b] invob=<v> | <p1> <-x>";
    std::vector<std::thread> threads;
    std::vector<int> mismatches(4, 0);
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < 500; ++i)
                if (transcript(line) != expected) ++mismatches[static_cast<size_t>(t)];
        });
    for (std::thread &thread : threads) thread.join();
    EXPECT_EQ(mismatches, std::vector<int>(4, 0));
}

}  // namespace
