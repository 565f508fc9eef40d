// chepoch through the real parser.

#include <gtest/gtest.h>

#include "libzornavx_cmdsyn.h"
#include "support/harness.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;
using vxtest::run;
using vxtest::str;

// The record a case expects; every field a case does not name keeps its default.
struct Want {
    int32_t force = 0;
    const char *epoch_row = nullptr;
    std::vector<std::string> names{};
    std::vector<int32_t> values{};
    int32_t actual = 0;
    int32_t raise_only = 0;
    const char *comment = nullptr;
    const char *comment_file = nullptr;
    int32_t comment_kind = 0;
};

void expect_record(const Want &w) {
    const auto rec = vxtest::record<vx_chepoch_args_t>();
    EXPECT_EQ(rec.prefix.record_version, 1);
    EXPECT_EQ(rec.prefix.area, vxtest::last_area());
    EXPECT_EQ(rec.force, w.force);
    EXPECT_EQ(str(rec.epoch_row), str(w.epoch_row));
    ASSERT_EQ(rec.epoch_count, static_cast<int32_t>(w.names.size()));
    if (w.names.empty()) {
        EXPECT_EQ(rec.epoch_names, nullptr);
        EXPECT_EQ(rec.epoch_values, nullptr);
    } else {
        EXPECT_EQ(vxtest::texts(rec.epoch_names, rec.epoch_count), w.names);
        ASSERT_NE(rec.epoch_values, nullptr);
        EXPECT_EQ(std::vector<int32_t>(rec.epoch_values, rec.epoch_values + rec.epoch_count), w.values);
    }
    EXPECT_EQ(rec.actual, w.actual);
    EXPECT_EQ(rec.raise_only, w.raise_only);
    EXPECT_EQ(str(rec.comment.comment), str(w.comment));
    EXPECT_EQ(str(rec.comment.comment_file), str(w.comment_file));
    EXPECT_EQ(rec.comment.comment_kind, w.comment_kind);
    EXPECT_EQ(rec.comment.comment_reserved, 0u);
}

// "n1=1" .. "nN=N" after the row r, and the names and values they should give.
std::vector<std::string> row_and_pairs(int n) {
    std::vector<std::string> words{"r"};
    for (int i = 1; i <= n; ++i) words.push_back("n" + std::to_string(i) + "=" + std::to_string(i));
    return words;
}
Want pairs_want(int n) {
    Want w{.epoch_row = "r"};
    w.names = vxtest::numbered("n", n);
    for (int i = 1; i <= n; ++i) w.values.push_back(i);
    return w;
}

struct Accepted {
    const char *name;
    std::vector<std::string> words;
    Want want;
};

class ChepochAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(ChepochAccepts, HandsOverTheRecord) {
    const auto r = run(vx_cmdsyn_chepoch, GetParam().words);
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(r.msgs.empty()) << testing::PrintToString(r.msgs);
    ASSERT_EQ(r.command, "chepoch");
    expect_record(GetParam().want);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChepochAccepts,
    testing::Values(
        Accepted{"row_only", {"r1"}, {.epoch_row = "r1"}},
        Accepted{"pairs_in_order",
                 {"r1", "r2=100", "r3=0x20"},
                 {.epoch_row = "r1", .names = {"r2", "r3"}, .values = {100, 32}}},
        Accepted{"empty_name", {"r1", "=7"}, {.epoch_row = "r1", .names = {""}, .values = {7}}},
        Accepted{"cut_at_the_first_equals_only_for_the_name",
                 {"r1", "a=1", "b.c-d=2"},
                 {.epoch_row = "r1", .names = {"a", "b.c-d"}, .values = {1, 2}}},
        Accepted{"force", {"-force", "r1", "r2=1"}, {.force = 1, .epoch_row = "r1", .names = {"r2"}, .values = {1}}},
        Accepted{"flags_after_operands", {"r1", "-f", "-nc"}, {.force = 1, .epoch_row = "r1", .comment_kind = 2}},
        Accepted{"actual", {"-actual", "s1"}, {.epoch_row = "s1", .actual = 1}},
        Accepted{"actual_raise_only", {"-actual", "-rai", "s1"}, {.epoch_row = "s1", .actual = 1, .raise_only = 1}},
        Accepted{"raise_only_after_operand",
                 {"s1", "-raise_only", "-actual"},
                 {.epoch_row = "s1", .actual = 1, .raise_only = 1}},
        Accepted{"double_dash_row", {"--", "-actual"}, {.epoch_row = "-actual"}},
        Accepted{"thirty_three_pairs", row_and_pairs(33), pairs_want(33)},
        Accepted{"three_hundred_pairs", row_and_pairs(300), pairs_want(300)}),
    vxtest::RowName());

// One pair's value: converted in the base its prefix selects, never negative, never
// past 2147483647; anything else is refused naming the whole operand.
struct Conversion {
    const char *name;
    const char *value;
    bool accepted;
    int32_t converted;
};

class ChepochConverts : public testing::TestWithParam<Conversion> {};

TEST_P(ChepochConverts, ValueAtItsEdge) {
    const Conversion &c = GetParam();
    const std::string pair = std::string("n=") + c.value;
    const auto r = run(vx_cmdsyn_chepoch, {"r1", pair});
    if (!c.accepted) {
        EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
        EXPECT_EQ(r.msgs, (std::vector<std::string>{"E34(" + pair + ")", "U66"}));
        EXPECT_EQ(r.command, "");
        return;
    }
    ASSERT_EQ(r.status, 0) << testing::PrintToString(r.msgs);
    expect_record({.epoch_row = "r1", .names = {"n"}, .values = {c.converted}});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChepochConverts,
    testing::Values(
        Conversion{"zero", "0", true, 0}, Conversion{"decimal", "100", true, 100},
        Conversion{"largest", "2147483647", true, 2147483647}, Conversion{"past_largest", "2147483648", false, 0},
        Conversion{"far_past_largest", "99999999999999999999", false, 0}, Conversion{"hex", "0x20", true, 32},
        Conversion{"hex_upper", "0X1f", true, 31}, Conversion{"hex_largest", "0x7fffffff", true, 2147483647},
        Conversion{"hex_past_largest", "0x80000000", false, 0}, Conversion{"hex_without_digits", "0x", false, 0},
        Conversion{"octal", "010", true, 8}, Conversion{"octal_zero", "00", true, 0},
        Conversion{"octal_largest", "017777777777", true, 2147483647},
        Conversion{"octal_past_largest", "020000000000", false, 0}, Conversion{"octal_bad_digit", "08", false, 0},
        Conversion{"plus_sign", "+5", true, 5}, Conversion{"minus_zero", "-0", true, 0},
        Conversion{"negative", "-5", false, 0}, Conversion{"most_negative", "-2147483648", false, 0},
        Conversion{"empty", "", false, 0}, Conversion{"letters", "x", false, 0},
        Conversion{"leading_blank", " 5", false, 0}, Conversion{"trailing_blank", "5 ", false, 0},
        Conversion{"second_equals", "1=2", false, 0}),
    vxtest::RowName());

struct Refused {
    const char *name;
    std::vector<std::string> words;
    std::vector<std::string> msgs;
};

class ChepochRefuses : public testing::TestWithParam<Refused> {};

TEST_P(ChepochRefuses, PrintsAndFails) {
    const auto r = run(vx_cmdsyn_chepoch, GetParam().words);
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.msgs, GetParam().msgs);
    EXPECT_EQ(r.command, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChepochRefuses,
    testing::Values(
        Refused{"no_operand", {}, {"E32", "U66"}}, Refused{"no_operand_actual", {"-actual"}, {"E32", "U66"}},
        Refused{"comment_but_no_operand", {"-c", "why"}, {"E32", "U66"}},
        Refused{"pair_without_equals", {"r1", "r2"}, {"E34(r2)", "U66"}},
        Refused{"negative_names_the_whole_operand", {"r1", "r2=-5"}, {"E34(r2=-5)", "U66"}},
        Refused{"later_bad_pair", {"r1", "r2=5", "r3=x"}, {"E34(r3=x)", "U66"}},
        Refused{"first_bad_pair_stops", {"r1", "r2=x", "r3"}, {"E34(r2=x)", "U66"}},
        // Only one sibling reaches the record: a second one is refused, not dropped.
        Refused{"actual_second_sibling", {"-actual", "s1", "s2"}, {"Etbs99(s2)", "U66"}},
        Refused{"actual_names_the_first_extra", {"-actual", "s1", "s2", "s3"}, {"Etbs99(s2)", "U66"}},
        Refused{"actual_pairs_are_not_parsed", {"-actual", "s1", "r2=x"}, {"Etbs99(r2=x)", "U66"}},
        Refused{"actual_raise_only_second_sibling", {"-actual", "-raise_only", "s1", "s2"}, {"Etbs99(s2)", "U66"}},
        Refused{"raise_only_without_actual", {"-raise_only", "r1"}, {"E71", "U66"}},
        Refused{"raise_only_with_pairs", {"-raise_only", "r1", "r2=5"}, {"E71", "U66"}},
        // The row and the pairs are checked before -raise_only.
        Refused{"raise_only_no_operand", {"-raise_only"}, {"E32", "U66"}},
        Refused{"raise_only_bad_pair", {"-raise_only", "r1", "r2=x"}, {"E34(r2=x)", "U66"}},
        // A missing comment is deferred: it stops the routine before the operands.
        Refused{"comment_missing", {"-c"}, {"Etbs101", "U66"}},
        Refused{"cfile_missing", {"-raise_only", "-cfile"}, {"Etbs101", "U66"}}),
    vxtest::RowName());

}  // namespace
