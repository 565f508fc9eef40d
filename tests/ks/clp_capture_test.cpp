// The parser's capture and probe modes, from which the syntax description is made at
// build time: the table a routine installs is kept (full names, shortest spellings,
// groups) and refused without a word, so that the routine returns before it reads
// anything; a probe hands the routine one flag and notes what it reads next.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ks_clp_capture.h"
#include "libzornaks.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;

constexpr clp_flag_desc_t kGroupStart{CLP_START_EXCLUSION_SPEC, CLP_MARK_START_EXCLUSION, 0};
constexpr clp_flag_desc_t kGroupEnd{CLP_END_EXCLUSION_SPEC, CLP_MARK_END_EXCLUSION, 0};
constexpr clp_flag_desc_t kEnd{nullptr, CLP_TABLE_END, 0};

constexpr clp_flag_desc_t kLspacketLike[] = {
    {"-dum[p]", 1, 0},  {"-inv[ob]", 2, 0}, kGroupStart,         {"-l[ong]", 3, 0},
    {"-s[hort]", 4, 0}, kGroupEnd,          {"-endrange", 5, 0}, kEnd,
};
constexpr clp_flag_desc_t kOther[] = {{"-site", 1, 0}, {"-pas[sword]", 2, 0}, kEnd};
constexpr clp_flag_desc_t kNoFlags[] = {kEnd};
constexpr clp_flag_desc_t kUnclosedGroup[] = {kGroupStart, {"-a", 1, 0}, kEnd};

std::vector<std::string> Captured(const clp_parser_t *parser) {
    std::vector<std::string> names;
    for (int i = 0; const char *name = clp_captured_flag(parser, i); ++i) names.push_back(name);
    return names;
}

std::vector<std::string> CapturedShortest(const clp_parser_t *parser) {
    std::vector<std::string> spellings;
    for (int i = 0; const char *shortest = clp_captured_shortest(parser, i); ++i) spellings.push_back(shortest);
    return spellings;
}

std::vector<int> CapturedGroups(const clp_parser_t *parser) {
    std::vector<int> groups;
    for (int i = 0; clp_captured_flag(parser, i) != nullptr; ++i) groups.push_back(clp_captured_group(parser, i));
    return groups;
}

class ClpCapture : public testing::Test {
  protected:
    void SetUp() override { area_ = stg_area_create(); }
    void TearDown() override { stg_area_release(area_); }
    stg_area_t *area_ = nullptr;
};

constexpr clp_flag_desc_t kTwoGroups[] = {
    kGroupStart, {"-exp[ort]", 1, 0}, {"-imp[ort]", 2, 0}, kGroupEnd, {"-tag", 3, 0},
    kGroupStart, {"-out", 4, 0},      {"-shi[p]", 5, 0},   kGroupEnd, kEnd,
};

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

class ClpCaptureTable : public ClpCapture, public testing::WithParamInterface<CaptureCase> {};

TEST_P(ClpCaptureTable, KeepsTheTableAndRefusesItQuietly) {
    clp_parser_t *parser = clp_parser_create_capture(area_);
    ASSERT_NE(parser, nullptr);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int result = clp_switch_flags(parser, GetParam().table, area_);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(result, CLP_REJECTED) << "the routine must stop as on any refused table";
    EXPECT_EQ(Captured(parser), GetParam().names);
    EXPECT_EQ(CapturedShortest(parser), GetParam().shortest);
    EXPECT_EQ(CapturedGroups(parser), GetParam().groups);
    EXPECT_EQ(clp_probe_reading(parser), CLP_PROBE_NOT_REACHED) << "a capture hands out no flag";
}

INSTANTIATE_TEST_SUITE_P(Ks, ClpCaptureTable, testing::ValuesIn(kCases), vxtest::RowName());

TEST_F(ClpCapture, ParserHasNoWordsAndNoTableInForce) {
    clp_parser_t *parser = clp_parser_create_capture(area_);
    EXPECT_EQ(Captured(parser), std::vector<std::string>{}) << "nothing before a table";
    ASSERT_EQ(clp_switch_flags(parser, kLspacketLike, area_), CLP_REJECTED);
    int32_t code = -7;
    EXPECT_EQ(clp_get_next_flag_value(parser, 0, &code), CLP_DONE);
    EXPECT_EQ(code, -7);
    const char *word = "untouched";
    EXPECT_EQ(clp_get_next_arg(parser, &word), CLP_DONE);
    EXPECT_EQ(word, nullptr);
}

TEST_F(ClpCapture, LaterTableReplacesEarlierOne) {
    clp_parser_t *parser = clp_parser_create_capture(area_);
    clp_switch_flags(parser, kLspacketLike, area_);
    clp_switch_flags(parser, kOther, area_);
    EXPECT_EQ(Captured(parser), (std::vector<std::string>{"-site", "-password"}));
}

TEST_F(ClpCapture, MalformedTableIsRefusedAndNotKept) {
    clp_parser_t *parser = clp_parser_create_capture(area_);
    testing::internal::CaptureStderr();
    EXPECT_EQ(clp_switch_flags(parser, kUnclosedGroup, area_), CLP_REJECTED);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("malformed flag table"), std::string::npos);
    EXPECT_EQ(clp_captured_flag(parser, 0), nullptr);
}

TEST_F(ClpCapture, OrdinaryParserCapturesNothing) {
    const char *const words[] = {"-long"};
    clp_parser_t *parser = clp_parser_create(area_, 1, words);
    ASSERT_EQ(clp_switch_flags(parser, kLspacketLike, area_), CLP_OK);
    EXPECT_EQ(clp_captured_flag(parser, 0), nullptr);
    int32_t code = 0;
    EXPECT_EQ(clp_get_next_flag_value(parser, 0, &code), CLP_OK);
    EXPECT_EQ(code, 3);
    EXPECT_EQ(clp_captured_flag(nullptr, 0), nullptr);
    EXPECT_EQ(clp_captured_flag(parser, -1), nullptr);
    EXPECT_EQ(clp_captured_shortest(parser, 0), nullptr);
    EXPECT_EQ(clp_captured_group(parser, 0), -1);
    EXPECT_EQ(clp_probe_reading(parser), CLP_PROBE_NOT_REACHED);
}

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
RoutineRun RunRoutine(clp_parser_t *parser, stg_area_t *area) {
    RoutineRun run;
    if (clp_switch_flags(parser, kProbed, area) != CLP_OK) return run;
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
    int reading;
    bool value_missing;
};

const ProbeCase kProbes[] = {
    {"switch_reads_nothing", 0, kSwitch, CLP_PROBE_READS_NOTHING, false},
    {"value_flag_reads_text", 1, kValue, CLP_PROBE_READS_TEXT, true},
    {"list_flag_reads_list", 2, kList, CLP_PROBE_READS_LIST, true},
    {"optional_value_reads_text", 3, kOptional, CLP_PROBE_READS_TEXT, false},
};

class ClpProbe : public ClpCapture, public testing::WithParamInterface<ProbeCase> {};

TEST_P(ClpProbe, HandsOutTheFlagNotesTheReadAndStopsTheRoutineQuietly) {
    clp_parser_t *parser = clp_parser_create_probe(area_, GetParam().flag);
    ASSERT_NE(parser, nullptr);
    EXPECT_EQ(clp_probe_reading(parser), CLP_PROBE_NOT_REACHED) << "nothing handed out yet";
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const RoutineRun run = RunRoutine(parser, area_);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(run.table_taken);
    EXPECT_EQ(run.codes, std::vector<int32_t>{GetParam().code}) << "the probed flag alone";
    EXPECT_EQ(clp_probe_reading(parser), GetParam().reading);
    EXPECT_EQ(run.value_missing, GetParam().value_missing);
    EXPECT_TRUE(run.stopped_by_parser) << "the next flag is refused";
    EXPECT_FALSE(run.command_ran);
    char name[32];
    ASSERT_EQ(clp_get_last_flag_name(parser, 1, sizeof name, name), 0);
    EXPECT_EQ(std::string(name), Captured(parser)[static_cast<size_t>(GetParam().flag)]) << "named in full";
}

INSTANTIATE_TEST_SUITE_P(Ks, ClpProbe, testing::ValuesIn(kProbes), vxtest::RowName());

TEST_F(ClpCapture, ProbePastTheLastFlagRefusesTheTableAsCaptureDoes) {
    clp_parser_t *parser = clp_parser_create_probe(area_, 4);
    const RoutineRun run = RunRoutine(parser, area_);
    EXPECT_FALSE(run.table_taken);
    EXPECT_EQ(clp_probe_reading(parser), CLP_PROBE_NOT_REACHED);
    EXPECT_EQ(Captured(parser), (std::vector<std::string>{"-switch", "-value", "-list", "-opt"}));
}

TEST_F(ClpCapture, ProbeNotesOnlyTheFirstReadAfterTheFlag) {
    clp_parser_t *parser = clp_parser_create_probe(area_, 0);
    ASSERT_EQ(clp_switch_flags(parser, kProbed, area_), CLP_OK);
    const char *text = nullptr;
    EXPECT_EQ(clp_get_next_subarg(parser, &text), CLP_DONE) << "an operand read before any flag";
    EXPECT_EQ(clp_probe_reading(parser), CLP_PROBE_NOT_REACHED);
    int32_t code = 0;
    ASSERT_EQ(clp_get_next_flag_value(parser, 0, &code), CLP_OK);
    EXPECT_EQ(clp_get_next_subarg(parser, &text), CLP_DONE);
    EXPECT_EQ(clp_get_next_arg(parser, &text), CLP_DONE);
    EXPECT_EQ(text, nullptr);
    EXPECT_EQ(clp_probe_reading(parser), CLP_PROBE_READS_LIST);
    EXPECT_EQ(clp_get_next_flag_value(parser, 0, &code), CLP_REJECTED);
    EXPECT_EQ(clp_get_next_flag_value(parser, 0, &code), CLP_REJECTED) << "and stays refused";
}

TEST_F(ClpCapture, ProbeWithoutTableReadsLikeACapture) {
    clp_parser_t *parser = clp_parser_create_probe(area_, 0);
    int32_t code = -7;
    EXPECT_EQ(clp_get_next_flag_value(parser, 0, &code), CLP_DONE);
    EXPECT_EQ(code, -7);
    EXPECT_EQ(clp_probe_reading(parser), CLP_PROBE_NOT_REACHED);
}

}  // namespace
