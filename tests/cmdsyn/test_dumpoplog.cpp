// dumpoplog through the real parser.

#include <gtest/gtest.h>

#include "libzornavx_cmdsyn.h"
#include "support/harness.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;
using vxtest::numbered;
using vxtest::run;
using vxtest::str;

// The record a case expects; every field a case does not name keeps its default.
struct Want {
    std::vector<std::string> entries{};
    const char *from_entry = nullptr;
    const char *to_entry = nullptr;
    int32_t detail_level = 0;
    int32_t show_name = 0;
    const char *invob = nullptr;
    const char *vreplica = nullptr;
    const char *since = nullptr;
    int32_t reverse = 0;
    uint32_t limit = 0;
};

struct Accepted {
    const char *name;
    std::vector<std::string> words;
    Want want;
};

class DumpoplogAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(DumpoplogAccepts, HandsOverTheRecord) {
    const Want &w = GetParam().want;
    const auto r = run(vx_cmdsyn_dumpoplog, GetParam().words);
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(r.msgs.empty()) << testing::PrintToString(r.msgs);
    ASSERT_EQ(r.command, "dumpoplog");
    const auto rec = vxtest::record<vx_dumpoplog_args_t>();
    EXPECT_EQ(rec.prefix.record_version, 1);
    EXPECT_EQ(rec.prefix.area, vxtest::last_area());
    EXPECT_EQ(vxtest::texts(rec.entries, rec.entry_count), w.entries);
    EXPECT_EQ(rec.entry_count, static_cast<int32_t>(w.entries.size()));
    if (w.entries.empty()) {
        EXPECT_EQ(rec.entries, nullptr);
    }
    EXPECT_EQ(str(rec.from_entry), str(w.from_entry));
    EXPECT_EQ(str(rec.to_entry), str(w.to_entry));
    EXPECT_EQ(rec.detail_level, w.detail_level);
    EXPECT_EQ(rec.show_name, w.show_name);
    EXPECT_EQ(str(rec.invob), str(w.invob));
    EXPECT_EQ(str(rec.vreplica), str(w.vreplica));
    EXPECT_EQ(str(rec.since), str(w.since));
    EXPECT_EQ(rec.reverse, w.reverse);
    EXPECT_EQ(rec.limit, w.limit);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DumpoplogAccepts,
    testing::Values(
        Accepted{"nothing", {}, {}}, Accepted{"entries_in_order", {"12", "15", "17"}, {.entries = {"12", "15", "17"}}},
        Accepted{"range", {"-from", "10", "-to", "20"}, {.from_entry = "10", .to_entry = "20"}},
        Accepted{"from_alone", {"-from", "10"}, {.from_entry = "10"}},
        Accepted{"to_alone", {"-to", "20"}, {.to_entry = "20"}},
        Accepted{
            "range_is_not_converted_or_compared", {"-from", "x", "-to", "1"}, {.from_entry = "x", .to_entry = "1"}},
        Accepted{"every_other_flag",
                 {"-short", "-name", "-invob", "v", "-vreplica", "r", "-since", "d", "-reverse", "-limit", "25", "7"},
                 {.entries = {"7"},
                  .detail_level = 1,
                  .show_name = 1,
                  .invob = "v",
                  .vreplica = "r",
                  .since = "d",
                  .reverse = 1,
                  .limit = 25}},
        Accepted{"abbreviations",
                 {"-l", "-nam", "-inv", "v", "-vre", "r", "-sin", "d", "-rev", "-lim", "3", "-fro", "1"},
                 {.from_entry = "1",
                  .detail_level = 2,
                  .show_name = 1,
                  .invob = "v",
                  .vreplica = "r",
                  .since = "d",
                  .reverse = 1,
                  .limit = 3}},
        Accepted{"limit_zero", {"-limit", "0"}, {.limit = 0}},
        Accepted{"limit_largest", {"-limit", "4294967295"}, {.limit = 4294967295u}},
        Accepted{"limit_is_decimal_not_octal", {"-limit", "010"}, {.limit = 10}},
        Accepted{"limit_twice_keeps_later", {"-limit", "5", "-limit", "6"}, {.limit = 6}},
        // A value flag takes the next word whatever it looks like: -from here is a value,
        // so the operands are entries, not a forbidden extra.
        Accepted{"value_looks_like_a_flag", {"-invob", "-from", "1", "2"}, {.entries = {"1", "2"}, .invob = "-from"}},
        Accepted{"double_dash_ends_flags", {"--", "-from", "5"}, {.entries = {"-from", "5"}}},
        Accepted{"thirty_three_entries", numbered("e", 33), {.entries = numbered("e", 33)}},
        Accepted{"three_hundred_entries", numbered("e", 300), {.entries = numbered("e", 300)}}),
    vxtest::RowName());

struct Refused {
    const char *name;
    std::vector<std::string> words;
    std::vector<std::string> msgs;
};

class DumpoplogRefuses : public testing::TestWithParam<Refused> {};

TEST_P(DumpoplogRefuses, PrintsAndFails) {
    const auto r = run(vx_cmdsyn_dumpoplog, GetParam().words);
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.msgs, GetParam().msgs);
    EXPECT_EQ(r.command, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DumpoplogRefuses,
    testing::Values(Refused{"operand_with_from", {"-from", "10", "12"}, {"Etbs99(12)", "U62"}},
                    Refused{"operands_with_to_names_the_first", {"-to", "20", "12", "13"}, {"Etbs99(12)", "U62"}},
                    Refused{"operand_before_range", {"12", "-to", "20"}, {"Etbs99(12)", "U62"}},
                    Refused{"from_missing", {"-from"}, {"E6", "U62"}}, Refused{"to_missing", {"-to"}, {"E6", "U62"}},
                    Refused{"invob_missing", {"-invob"}, {"E0", "U62"}},
                    Refused{"vreplica_missing", {"-vreplica"}, {"E43", "U62"}},
                    Refused{"since_missing", {"-since"}, {"E50", "U62"}},
                    Refused{"limit_missing", {"-reverse", "-limit"}, {"E64", "U62"}},
                    Refused{"limit_letters", {"-limit", "abc"}, {"Etbs98(abc)", "U62"}},
                    Refused{"limit_overflow", {"-limit", "4294967296"}, {"Etbs98(4294967296)", "U62"}},
                    Refused{"limit_negative", {"-limit", "-1"}, {"Etbs98(-1)", "U62"}},
                    Refused{"limit_plus_sign", {"-limit", "+1"}, {"Etbs98(+1)", "U62"}},
                    Refused{"limit_hexadecimal", {"-limit", "0x10"}, {"Etbs98(0x10)", "U62"}},
                    Refused{"limit_trailing", {"-limit", "12x"}, {"Etbs98(12x)", "U62"}},
                    Refused{"limit_empty", {"-limit", ""}, {"Etbs98", "U62"}},
                    // Deferred failures accumulate and share one usage text.
                    Refused{"deferred_accumulate", {"-limit", "abc", "-since"}, {"Etbs98(abc)", "E50", "U62"}},
                    // A missing limit ends at once: one usage, even after a deferred failure.
                    Refused{
                        "missing_limit_after_bad_limit", {"-limit", "abc", "-limit"}, {"Etbs98(abc)", "E64", "U62"}},
                    // The error flag is tested before the operands are looked at.
                    Refused{"error_before_extra_operand", {"-from", "1", "-limit", "x", "5"}, {"Etbs98(x)", "U62"}}),
    vxtest::RowName());

TEST(Dumpoplog, OtherDispatchBitsParseNormally) {
    const auto r = run(vx_cmdsyn_dumpoplog, {"-limit", "2"}, 4);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(vxtest::record<vx_dumpoplog_args_t>().limit, 2u);
}

}  // namespace
