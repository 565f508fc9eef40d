// The describer's own parser, from which the syntax description is made at build time:
// a capture keeps the table a routine installs (full names, shortest spellings, groups)
// and refuses it, so that the routine returns before it reads anything; a probe hands
// the routine one flag and notes what it reads next.

#include "describe/describing_parser.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "libzornaks.h"
#include "support/param_names.h"

namespace {

using vexar::syntax::Value;
using vxdescribe::DescribingParser;
using vxdescribe::InstalledFlag;

constexpr clp_flag_desc_t kGroupStart{CLP_START_EXCLUSION_SPEC, CLP_MARK_START_EXCLUSION, 0};
constexpr clp_flag_desc_t kGroupEnd{CLP_END_EXCLUSION_SPEC, CLP_MARK_END_EXCLUSION, 0};
constexpr clp_flag_desc_t kEnd{nullptr, CLP_TABLE_END, 0};

constexpr clp_flag_desc_t kLspacketLike[] = {
    {"-dum[p]", 1, 0},  {"-inv[ob]", 2, 0}, kGroupStart,         {"-l[ong]", 3, 0},
    {"-s[hort]", 4, 0}, kGroupEnd,          {"-endrange", 5, 0}, kEnd,
};
constexpr clp_flag_desc_t kOther[] = {{"-site", 1, 0}, {"-pas[sword]", 2, 0}, kEnd};
constexpr clp_flag_desc_t kNoFlags[] = {kEnd};
constexpr clp_flag_desc_t kTwoGroups[] = {
    kGroupStart, {"-exp[ort]", 1, 0}, {"-imp[ort]", 2, 0}, kGroupEnd, {"-tag", 3, 0},
    kGroupStart, {"-out", 4, 0},      {"-shi[p]", 5, 0},   kGroupEnd, kEnd,
};

std::vector<std::string> Names(const DescribingParser &parser) {
    std::vector<std::string> names;
    for (const InstalledFlag &flag : parser.installed()) names.push_back(flag.name);
    return names;
}

std::vector<std::string> Shortest(const DescribingParser &parser) {
    std::vector<std::string> spellings;
    for (const InstalledFlag &flag : parser.installed()) spellings.push_back(flag.shortest);
    return spellings;
}

std::vector<int> Groups(const DescribingParser &parser) {
    std::vector<int> groups;
    for (const InstalledFlag &flag : parser.installed()) groups.push_back(flag.group);
    return groups;
}

struct CaptureCase {
    const char *label;
    const clp_flag_desc_t *table;
    std::vector<std::string> names;
    std::vector<std::string> shortest;
    std::vector<int> groups;
};

const CaptureCase kCases[] = {
    {"full_names_in_table_order_without_group_rows",
     kLspacketLike,
     {"-dump", "-invob", "-long", "-short", "-endrange"},
     {"-dum", "-inv", "-l", "-s", "-endrange"},
     {0, 0, 1, 1, 0}},
    {"names_without_brackets_stay", kOther, {"-site", "-password"}, {"-site", "-pas"}, {0, 0}},
    {"groups_numbered_in_table_order",
     kTwoGroups,
     {"-export", "-import", "-tag", "-out", "-ship"},
     {"-exp", "-imp", "-tag", "-out", "-shi"},
     {1, 1, 0, 2, 2}},
    {"empty_table", kNoFlags, {}, {}, {}},
};

class DescribingCapture : public testing::TestWithParam<CaptureCase> {};

TEST_P(DescribingCapture, KeepsTheTableAndRefusesIt) {
    const DescribingParser parser = DescribingParser::capture();
    EXPECT_EQ(clp_switch_flags(parser.handle(), GetParam().table, nullptr), CLP_REJECTED)
        << "the routine must stop as on any refused table";
    EXPECT_EQ(Names(parser), GetParam().names);
    EXPECT_EQ(Shortest(parser), GetParam().shortest);
    EXPECT_EQ(Groups(parser), GetParam().groups);
    EXPECT_EQ(parser.malformed(), "");
    EXPECT_EQ(parser.read_after_flag(), std::nullopt) << "a capture hands out no flag";
}

INSTANTIATE_TEST_SUITE_P(Describe, DescribingCapture, testing::ValuesIn(kCases), vxtest::RowName());

TEST(DescribingParser, CaptureHasNoWordsAndNoTableInForce) {
    const DescribingParser parser = DescribingParser::capture();
    EXPECT_TRUE(parser.installed().empty()) << "nothing before a table";
    ASSERT_EQ(clp_switch_flags(parser.handle(), kLspacketLike, nullptr), CLP_REJECTED);
    int32_t code = -7;
    EXPECT_EQ(clp_get_next_flag_value(parser.handle(), 0, &code), CLP_DONE);
    EXPECT_EQ(code, -7);
    const char *word = "untouched";
    EXPECT_EQ(clp_get_next_arg(parser.handle(), &word), CLP_DONE);
    EXPECT_EQ(word, nullptr);
    char name[8] = "x";
    EXPECT_NE(clp_get_last_flag_name(parser.handle(), 1, sizeof name, name), 0) << "no flag was read";
}

TEST(DescribingParser, LaterTableReplacesEarlierOne) {
    const DescribingParser parser = DescribingParser::capture();
    clp_switch_flags(parser.handle(), kLspacketLike, nullptr);
    clp_switch_flags(parser.handle(), kOther, nullptr);
    EXPECT_EQ(Names(parser), (std::vector<std::string>{"-site", "-password"}));
}

// A table the kernel services' parser would refuse is not described: the describer
// says why instead of describing a command without flags.
struct MalformedCase {
    const char *label;
    std::vector<clp_flag_desc_t> table;
    const char *why;
};

const MalformedCase kMalformed[] = {
    {"unclosed_group", {kGroupStart, {"-a", 1, 0}, kEnd}, "group not closed"},
    {"nested_groups", {kGroupStart, kGroupStart, {"-a", 1, 0}, kGroupEnd, kGroupEnd, kEnd}, "row 1: group opened"},
    {"group_closed_never_opened", {{"-a", 1, 0}, kGroupEnd, kEnd}, "row 1: group closed never opened"},
    {"unclosed_bracket", {{"-a", 1, 0}, {"-l[ong", 2, 0}, kEnd}, "row 1: \"[\" is not closed"},
    {"spec_without_dash", {{"long", 1, 0}, kEnd}, "row 0: spec does not begin with"},
    {"row_without_spec", {{nullptr, 1, 0}, kEnd}, "row 0: flag row without a spec"},
};

class DescribingMalformed : public testing::TestWithParam<MalformedCase> {};

TEST_P(DescribingMalformed, IsRefusedAndNotKept) {
    const DescribingParser parser = DescribingParser::capture();
    clp_switch_flags(parser.handle(), kOther, nullptr);
    EXPECT_EQ(clp_switch_flags(parser.handle(), GetParam().table.data(), nullptr), CLP_REJECTED);
    EXPECT_EQ(parser.malformed().rfind(GetParam().why, 0), 0u) << parser.malformed();
    EXPECT_TRUE(parser.installed().empty()) << "neither this table nor the one before";
}

INSTANTIATE_TEST_SUITE_P(Describe, DescribingMalformed, testing::ValuesIn(kMalformed), vxtest::RowName());

// ---- Probing --------------------------------------------------------------------------

enum ProbedCode { kSwitch = 1, kValue, kList, kOptional };

constexpr clp_flag_desc_t kProbed[] = {
    {"-sw[itch]", kSwitch, 0}, kGroupStart, {"-v[alue]", kValue, 0}, {"-l[ist]", kList, 0}, kGroupEnd,
    {"-opt", kOptional, 0},    kEnd,
};

// What a routine in the usual shape did on a probe.
struct RoutineRun {
    bool table_taken = false;
    std::vector<int32_t> codes;      // the flags it was handed
    bool value_missing = false;      // a value or list it asked for was not there
    bool stopped_by_parser = false;  // the flag reading ended other than CLP_DONE
    bool command_ran = false;
};

// A syntax routine's shape: the table, the flags (each reading what its code says), then
// the command. -opt reads a value that may be absent.
RoutineRun RunRoutine(clp_parser_t *parser) {
    RoutineRun run;
    if (clp_switch_flags(parser, kProbed, nullptr) != CLP_OK) return run;
    run.table_taken = true;
    int32_t code = 0;
    int rc;
    while ((rc = clp_get_next_flag_value(parser, 0, &code)) == CLP_OK) {
        run.codes.push_back(code);
        const char *text = nullptr;
        if (code == kValue) run.value_missing = clp_get_next_arg(parser, &text) == CLP_DONE || text == nullptr;
        if (code == kList) run.value_missing = clp_get_next_subarg(parser, &text) == CLP_DONE || text == nullptr;
        if (code == kOptional) clp_get_next_arg(parser, &text);
    }
    run.stopped_by_parser = rc != CLP_DONE;
    run.command_ran = !run.stopped_by_parser && !run.value_missing;
    return run;
}

struct ProbeCase {
    const char *label;
    int flag;
    int32_t code;
    Value read;
    bool value_missing;
};

const ProbeCase kProbes[] = {
    {"switch_reads_nothing", 0, kSwitch, Value::none, false},
    {"value_flag_reads_text", 1, kValue, Value::text, true},
    {"list_flag_reads_list", 2, kList, Value::list, true},
    {"optional_value_reads_text", 3, kOptional, Value::text, false},
};

class DescribingProbe : public testing::TestWithParam<ProbeCase> {};

TEST_P(DescribingProbe, HandsOutTheFlagNotesTheReadAndStopsTheRoutine) {
    const DescribingParser parser = DescribingParser::probe(GetParam().flag);
    EXPECT_EQ(parser.read_after_flag(), std::nullopt) << "nothing handed out yet";
    const RoutineRun run = RunRoutine(parser.handle());
    EXPECT_TRUE(run.table_taken);
    EXPECT_EQ(run.codes, std::vector<int32_t>{GetParam().code}) << "the probed flag alone";
    EXPECT_EQ(parser.read_after_flag(), GetParam().read);
    EXPECT_EQ(run.value_missing, GetParam().value_missing);
    EXPECT_TRUE(run.stopped_by_parser) << "the next flag is refused";
    EXPECT_FALSE(run.command_ran);
    char name[32];
    ASSERT_EQ(clp_get_last_flag_name(parser.handle(), 1, sizeof name, name), 0);
    EXPECT_EQ(std::string(name), Names(parser)[static_cast<size_t>(GetParam().flag)]) << "named in full";
}

INSTANTIATE_TEST_SUITE_P(Describe, DescribingProbe, testing::ValuesIn(kProbes), vxtest::RowName());

TEST(DescribingParser, ProbePastTheLastFlagRefusesTheTableAsCaptureDoes) {
    const DescribingParser parser = DescribingParser::probe(4);
    const RoutineRun run = RunRoutine(parser.handle());
    EXPECT_FALSE(run.table_taken);
    EXPECT_EQ(parser.read_after_flag(), std::nullopt);
    EXPECT_EQ(Names(parser), (std::vector<std::string>{"-switch", "-value", "-list", "-opt"}));
}

TEST(DescribingParser, ProbeNotesOnlyTheFirstReadAfterTheFlag) {
    const DescribingParser parser = DescribingParser::probe(0);
    clp_parser_t *handle = parser.handle();
    ASSERT_EQ(clp_switch_flags(handle, kProbed, nullptr), CLP_OK);
    const char *text = nullptr;
    EXPECT_EQ(clp_get_next_subarg(handle, &text), CLP_DONE) << "an operand read before any flag";
    EXPECT_EQ(parser.read_after_flag(), std::nullopt);
    int32_t code = 0;
    ASSERT_EQ(clp_get_next_flag_value(handle, 0, &code), CLP_OK);
    EXPECT_EQ(clp_get_next_subarg(handle, &text), CLP_DONE);
    EXPECT_EQ(clp_get_next_arg(handle, &text), CLP_DONE);
    EXPECT_EQ(text, nullptr);
    EXPECT_EQ(parser.read_after_flag(), Value::list);
    EXPECT_EQ(clp_get_next_flag_value(handle, 0, &code), CLP_REJECTED);
    EXPECT_EQ(clp_get_next_flag_value(handle, 0, &code), CLP_REJECTED) << "and stays refused";
}

TEST(DescribingParser, ProbeWithoutTableReadsLikeACapture) {
    const DescribingParser parser = DescribingParser::probe(0);
    int32_t code = -7;
    EXPECT_EQ(clp_get_next_flag_value(parser.handle(), 0, &code), CLP_DONE);
    EXPECT_EQ(code, -7);
    EXPECT_EQ(parser.read_after_flag(), std::nullopt);
}

}  // namespace
