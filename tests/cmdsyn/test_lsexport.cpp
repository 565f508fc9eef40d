// lsexport through the real parser.

#include <gtest/gtest.h>

#include "libzornavx_cmdsyn.h"
#include "support/harness.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;
using vxtest::numbered;
using vxtest::run;
using vxtest::str;

struct Accepted {
    const char *name;
    std::vector<std::string> words;
    std::vector<std::string> replicas;
    const char *since;
};

class LsexportAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(LsexportAccepts, HandsOverTheRecord) {
    const Accepted &c = GetParam();
    const auto r = run(vx_cmdsyn_lsexport, c.words);
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(r.msgs.empty()) << testing::PrintToString(r.msgs);
    ASSERT_EQ(r.command, "lsexport");
    const auto rec = vxtest::record<vx_lsexport_args_t>();
    EXPECT_EQ(rec.prefix.record_version, 0);
    EXPECT_EQ(rec.prefix.area, vxtest::last_area());
    EXPECT_EQ(vxtest::texts(rec.replicas, rec.replica_count), c.replicas);
    EXPECT_EQ(rec.replica_count, static_cast<int32_t>(c.replicas.size()));
    EXPECT_EQ(str(rec.since), str(c.since));
    EXPECT_EQ(rec.reserved_word, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LsexportAccepts,
    testing::Values(Accepted{"one_replica", {"r1"}, {"r1"}, nullptr},
                    Accepted{"since_is_not_parsed", {"-since", "not a date", "r1", "r2"}, {"r1", "r2"}, "not a date"},
                    Accepted{"since_after_operands", {"r1", "-sin", "T"}, {"r1"}, "T"},
                    Accepted{"since_twice_keeps_later", {"-since", "a", "-since", "b", "r"}, {"r"}, "b"},
                    Accepted{"since_takes_a_dash_word", {"-since", "-since", "r"}, {"r"}, "-since"},
                    Accepted{"double_dash_ends_flags", {"--", "-since"}, {"-since"}, nullptr},
                    Accepted{"thirty_three_replicas", numbered("r", 33), numbered("r", 33), nullptr},
                    Accepted{"three_hundred_replicas", numbered("r", 300), numbered("r", 300), nullptr}),
    vxtest::RowName());

struct Refused {
    const char *name;
    std::vector<std::string> words;
    std::vector<std::string> msgs;
};

class LsexportRefuses : public testing::TestWithParam<Refused> {};

TEST_P(LsexportRefuses, PrintsAndFails) {
    const auto r = run(vx_cmdsyn_lsexport, GetParam().words);
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.msgs, GetParam().msgs);
    EXPECT_EQ(r.command, "");
}

INSTANTIATE_TEST_SUITE_P(Cases, LsexportRefuses,
                         testing::Values(Refused{"no_replica", {}, {"E43", "U56"}},
                                         Refused{"since_but_no_replica", {"-since", "T"}, {"E43", "U56"}},
                                         // The missing value is reported first; no operand check follows.
                                         Refused{"since_missing", {"-since"}, {"E50", "U56"}}),
                         vxtest::RowName());

}  // namespace
