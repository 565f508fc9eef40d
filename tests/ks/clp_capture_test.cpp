// The parser's table-capture mode, which the tool's completion uses to learn a
// command's flags: the table a routine installs is kept in full spelling and refused
// without a word, so that the routine returns before it reads anything.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "libzornaks.h"

namespace {

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

class ClpCapture : public testing::Test {
  protected:
    void SetUp() override { area_ = stg_area_create(); }
    void TearDown() override { stg_area_release(area_); }
    stg_area_t *area_ = nullptr;
};

struct CaptureCase {
    const char *label;
    const clp_flag_desc_t *table;
    std::vector<std::string> names;
};

const CaptureCase kCases[] = {
    {"full_names_in_table_order_without_group_rows",
     kLspacketLike,
     {"-dump", "-invob", "-long", "-short", "-endrange"}},
    {"names_without_brackets_stay", kOther, {"-site", "-password"}},
    {"empty_table", kNoFlags, {}},
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
}

INSTANTIATE_TEST_SUITE_P(Ks, ClpCaptureTable, testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.label); });

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
}

}  // namespace
