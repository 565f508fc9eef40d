// perfinfo through the real parser.

#include <gtest/gtest.h>

#include "libzornavx_cmdsyn.h"
#include "support/harness.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;
using vxtest::run;
using vxtest::str;

struct Accepted {
    const char *name;
    std::vector<std::string> words;
    const char *replica;
    const char *sibling;
    const char *host;
    int32_t mode;
    const char *start_scan;
    const char *end_scan;
    const char *granularity;
};

class PerfinfoAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(PerfinfoAccepts, HandsOverTheRecord) {
    const Accepted &c = GetParam();
    const auto r = run(vx_cmdsyn_perfinfo, c.words);
    ASSERT_EQ(r.status, 0) << testing::PrintToString(r.msgs);
    EXPECT_TRUE(r.msgs.empty()) << testing::PrintToString(r.msgs);
    ASSERT_EQ(r.command, "perfinfo");
    const auto rec = vxtest::record<vx_perfinfo_args_t>();
    EXPECT_EQ(rec.prefix.record_version, 0);
    EXPECT_EQ(rec.prefix.area, vxtest::last_area());
    EXPECT_EQ(str(rec.replica), str(c.replica));
    EXPECT_EQ(str(rec.sibling), str(c.sibling));
    EXPECT_EQ(str(rec.host), str(c.host));
    EXPECT_EQ(rec.mode, c.mode);
    EXPECT_EQ(str(rec.start_scan), str(c.start_scan));
    EXPECT_EQ(str(rec.end_scan), str(c.end_scan));
    EXPECT_EQ(str(rec.granularity), str(c.granularity));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PerfinfoAccepts,
    testing::Values(
        Accepted{"granularity_only", {"-granularity", "days"}, nullptr, nullptr, nullptr, 0, nullptr, nullptr, "days"},
        Accepted{"granularity_unchecked", {"-gran", "weeks"}, nullptr, nullptr, nullptr, 0, nullptr, nullptr, "weeks"},
        // -sibling stands outside the -replica/-host group.
        Accepted{"replica_and_sibling",
                 {"-replica", "r", "-sibling", "s", "-granularity", "months"},
                 "r",
                 "s",
                 nullptr,
                 0,
                 nullptr,
                 nullptr,
                 "months"},
        Accepted{"export_and_period",
                 {"-export", "-startscan", "d1", "-endscan", "d2", "-granularity", "quarter_hours"},
                 nullptr,
                 nullptr,
                 nullptr,
                 1,
                 "d1",
                 "d2",
                 "quarter_hours"},
        Accepted{"host_import_abbreviated",
                 {"-hos", "h", "-imp", "-start", "d", "-end", "e", "-gran", "days"},
                 nullptr,
                 nullptr,
                 "h",
                 2,
                 "d",
                 "e",
                 "days"},
        Accepted{"later_granularity_stands",
                 {"-granularity", "days", "-granularity", "months"},
                 nullptr,
                 nullptr,
                 nullptr,
                 0,
                 nullptr,
                 nullptr,
                 "months"},
        Accepted{"granularity_takes_a_flag_word",
                 {"-granularity", "-export"},
                 nullptr,
                 nullptr,
                 nullptr,
                 0,
                 nullptr,
                 nullptr,
                 "-export"}),
    vxtest::RowName());

struct Refused {
    const char *name;
    std::vector<std::string> words;
    std::vector<std::string> msgs;
};

class PerfinfoRefuses : public testing::TestWithParam<Refused> {};

TEST_P(PerfinfoRefuses, PrintsAndFails) {
    const Refused &c = GetParam();
    const auto r = run(vx_cmdsyn_perfinfo, c.words);
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.msgs, c.msgs);
    EXPECT_EQ(r.command, "");
}

INSTANTIATE_TEST_SUITE_P(Cases, PerfinfoRefuses,
                         testing::Values(Refused{"nothing", {}, {"E108", "U107"}},
                                         // Without a value 108 is said once: the error flag ends the routine first.
                                         Refused{"granularity_last", {"-granularity"}, {"E108", "U107"}},
                                         // Check order (the shared filters' rules: test_report_filters): -sibling
                                         // before -granularity, both before extra operands.
                                         Refused{"sibling_before_granularity", {"-sibling", "s"}, {"E96", "U107"}},
                                         Refused{"granularity_before_operand", {"-export", "extra"}, {"E108", "U107"}}),
                         vxtest::RowName());

}  // namespace
