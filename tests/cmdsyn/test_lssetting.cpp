// lssetting through the real parser.

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
    int32_t scope;
    const char *rgy_host;
    const char *setting_name;
    int32_t rgy_given;
    int32_t inquire;
    int32_t long_form;
};

class LssettingAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(LssettingAccepts, HandsOverTheRecord) {
    const Accepted &c = GetParam();
    const auto r = run(vx_cmdsyn_lssetting, c.words);
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(r.msgs.empty()) << testing::PrintToString(r.msgs);
    ASSERT_EQ(r.command, "lssetting");
    const auto rec = vxtest::record<vx_lssetting_args_t>();
    EXPECT_EQ(rec.prefix.record_version, 1);
    EXPECT_EQ(rec.prefix.area, vxtest::last_area());
    EXPECT_EQ(rec.scope, c.scope);
    EXPECT_EQ(str(rec.rgy_host), str(c.rgy_host));
    EXPECT_EQ(str(rec.setting_name), str(c.setting_name));
    EXPECT_EQ(rec.rgy_given, c.rgy_given);
    EXPECT_EQ(rec.inquire, c.inquire);
    EXPECT_EQ(rec.long_form, c.long_form);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LssettingAccepts,
    testing::Values(Accepted{"site_alone", {"-site"}, 4, nullptr, nullptr, 0, 0, 0},
                    Accepted{"site_abbreviated", {"-sit"}, 4, nullptr, nullptr, 0, 0, 0},
                    Accepted{"inquire", {"-site", "-inquire"}, 4, nullptr, nullptr, 0, 1, 0},
                    Accepted{"long_without_name", {"-site", "-l"}, 4, nullptr, nullptr, 0, 0, 1},
                    Accepted{"long_with_name", {"-site", "-long", "name"}, 4, nullptr, "name", 0, 0, 1},
                    Accepted{"name_before_the_flags", {"name", "-site"}, 4, nullptr, "name", 0, 0, 0},
                    Accepted{"rgy_host", {"-rgy", "hostA", "-site", "name"}, 4, "hostA", "name", 1, 0, 0},
                    Accepted{"rgy_twice_keeps_later", {"-rgy", "h1", "-rgy", "h2", "-site"}, 4, "h2", nullptr, 1, 0, 0},
                    Accepted{"rgy_takes_a_flag_word", {"-site", "-rgy", "-long"}, 4, "-long", nullptr, 1, 0, 0},
                    Accepted{"double_dash_makes_an_operand", {"-site", "--", "-long"}, 4, nullptr, "-long", 0, 0, 0}),
    vxtest::RowName());

struct Refused {
    const char *name;
    std::vector<std::string> words;
    std::vector<std::string> msgs;
};

class LssettingRefuses : public testing::TestWithParam<Refused> {};

TEST_P(LssettingRefuses, PrintsAndFails) {
    const Refused &c = GetParam();
    const auto r = run(vx_cmdsyn_lssetting, c.words);
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.msgs, c.msgs);
    EXPECT_EQ(r.command, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LssettingRefuses,
    testing::Values(Refused{"nothing", {}, {"E9", "U146"}},
                    Refused{"rgy_and_name_without_site", {"-rgy", "hostA", "name"}, {"E9", "U146"}},
                    Refused{"inquire_with_name", {"-site", "-inquire", "name"}, {"E9", "U146"}},
                    Refused{"rgy_last", {"-site", "-rgy"}, {"E125", "U146"}},
                    // The missing value is reported instead of the failed checks after it.
                    Refused{"missing_rgy_before_checks", {"-inquire", "name", "-rgy"}, {"E125", "U146"}},
                    // A second name is no longer dropped unseen.
                    Refused{"second_name", {"-site", "nameA", "nameB"}, {"Etbs99(nameB)", "U146"}},
                    Refused{"second_name_only_one_reported", {"-site", "a", "b", "c"}, {"Etbs99(b)", "U146"}},
                    Refused{"second_name_after_double_dash", {"-site", "--", "a", "-long"}, {"Etbs99(-long)", "U146"}},
                    // The extra-operand test comes after both checks.
                    Refused{"second_name_without_site", {"nameA", "nameB"}, {"E9", "U146"}},
                    Refused{"second_name_with_inquire", {"-site", "-inq", "a", "b"}, {"E9", "U146"}}),
    vxtest::RowName());

}  // namespace
