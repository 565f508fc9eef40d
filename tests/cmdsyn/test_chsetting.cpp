// chsetting through the real parser.

#include <gtest/gtest.h>

#include "libzornavx_cmdsyn.h"
#include "support/harness.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;
using vxtest::run;
using vxtest::str;
using vxtest::texts;

// "s1=1".."sN=N".
std::vector<std::string> assignments(int n) {
    std::vector<std::string> out = vxtest::numbered("s", n);
    for (int i = 0; i < n; ++i) out[static_cast<size_t>(i)] += "=" + std::to_string(i + 1);
    return out;
}

std::vector<std::string> site_and(std::vector<std::string> words) {
    words.insert(words.begin(), "-site");
    return words;
}

struct Accepted {
    const char *name;
    std::vector<std::string> words;
    int32_t scope;
    int32_t unset_all;
    const char *rgy_host;
    const char *password;
    int32_t rgy_given;
    std::vector<std::string> settings;
};

class ChsettingAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(ChsettingAccepts, HandsOverTheRecord) {
    const Accepted &c = GetParam();
    const auto r = run(vx_cmdsyn_chsetting, c.words);
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(r.msgs.empty()) << testing::PrintToString(r.msgs);
    ASSERT_EQ(r.command, "chsetting");
    const auto rec = vxtest::record<vx_chsetting_args_t>();
    EXPECT_EQ(rec.prefix.record_version, 1);
    EXPECT_EQ(rec.prefix.area, vxtest::last_area());
    EXPECT_EQ(rec.scope, c.scope);
    EXPECT_EQ(rec.unset_all, c.unset_all);
    EXPECT_EQ(str(rec.rgy_host), str(c.rgy_host));
    EXPECT_EQ(str(rec.password), str(c.password));
    EXPECT_EQ(rec.rgy_given, c.rgy_given);
    EXPECT_EQ(rec.setting_count, static_cast<int32_t>(c.settings.size()));
    EXPECT_EQ(texts(rec.settings, rec.setting_count), c.settings);
    if (c.settings.empty()) {
        EXPECT_EQ(rec.settings, nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChsettingAccepts,
    testing::Values(
        Accepted{"site_alone", {"-site"}, 4, 0, nullptr, nullptr, 0, {}},
        Accepted{"empty_value", {"-site", "nameA="}, 4, 0, nullptr, nullptr, 0, {"nameA="}},
        // Operands go on whole: not split at the first "=", not checked for a name.
        Accepted{"kept_whole", {"-sit", "a=b=c", "=x", "b= c"}, 4, 0, nullptr, nullptr, 0, {"a=b=c", "=x", "b= c"}},
        Accepted{"unset_all_and_operand", {"-site", "-unset_all", "nameA=1"}, 4, 1, nullptr, nullptr, 0, {"nameA=1"}},
        Accepted{"password_without_rgy", {"-site", "-password", "pw", "nameA=1"}, 4, 0, nullptr, "pw", 0, {"nameA=1"}},
        Accepted{"rgy_without_password", {"-site", "-rgy", "hostA", "nameA=1"}, 4, 0, "hostA", nullptr, 1, {"nameA=1"}},
        Accepted{"password_as_typed", {"-pas", "-site", "-site"}, 4, 0, nullptr, "-site", 0, {}},
        Accepted{"operands_between_flags",
                 {"a=1", "-site", "b=2", "-rgy", "h", "c=3"},
                 4,
                 0,
                 "h",
                 nullptr,
                 1,
                 {"a=1", "b=2", "c=3"}},
        Accepted{"thirty_three", site_and(assignments(33)), 4, 0, nullptr, nullptr, 0, assignments(33)},
        Accepted{"three_hundred", site_and(assignments(300)), 4, 0, nullptr, nullptr, 0, assignments(300)}),
    vxtest::RowName());

struct Refused {
    const char *name;
    std::vector<std::string> words;
    std::vector<std::string> msgs;
};

class ChsettingRefuses : public testing::TestWithParam<Refused> {};

TEST_P(ChsettingRefuses, PrintsAndFails) {
    const Refused &c = GetParam();
    const auto r = run(vx_cmdsyn_chsetting, c.words);
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.msgs, c.msgs);
    EXPECT_EQ(r.command, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChsettingRefuses,
    testing::Values(Refused{"nothing", {}, {"E9", "U147"}}, Refused{"no_site", {"nameA=1"}, {"E9", "U147"}},
                    // The scope is checked before the operands are.
                    Refused{"no_site_and_no_equals", {"nameA"}, {"E9", "U147"}},
                    Refused{"second_without_equals", {"-site", "nameA=1", "nameB"}, {"E109", "U147"}},
                    // The first operand without "=" stops the check: one message.
                    Refused{"two_without_equals", {"-site", "a", "b"}, {"E109", "U147"}},
                    Refused{"last_of_many", site_and({"a=1", "b=2", "c=3", "d"}), {"E109", "U147"}},
                    Refused{"password_last", {"-site", "-password"}, {"E45", "U147"}},
                    Refused{"rgy_last", {"-site", "-rgy"}, {"E125", "U147"}},
                    // The missing value is reported before the checks after the operands.
                    Refused{"missing_rgy_before_scope", {"nameA", "-rgy"}, {"E125", "U147"}},
                    Refused{"missing_password_before_equals", {"-site", "bad", "-password"}, {"E45", "U147"}}),
    vxtest::RowName());

}  // namespace
