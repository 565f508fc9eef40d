// rmreplica through the real parser.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "libzornavx_cmdsyn.h"
#include "support/harness.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;
using vxtest::run;
using vxtest::str;
using Words = std::vector<std::string>;

struct Accepted {
    const char *name;
    Words words;
    const char *replica;
};

class RmreplicaAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(RmreplicaAccepts, HandsOverTheRecord) {
    const Accepted &c = GetParam();
    const auto r = run(vx_cmdsyn_rmreplica, c.words);
    ASSERT_EQ(r.status, 0) << testing::PrintToString(r.msgs);
    EXPECT_TRUE(r.msgs.empty()) << testing::PrintToString(r.msgs);
    ASSERT_EQ(r.command, "rmreplica");
    const auto rec = vxtest::record<vx_rmreplica_args_t>();
    EXPECT_EQ(rec.prefix.record_version, 1);
    EXPECT_EQ(rec.prefix.area, vxtest::last_area());
    EXPECT_EQ(str(rec.replica), str(c.replica));
}

INSTANTIATE_TEST_SUITE_P(Cases, RmreplicaAccepts,
                         testing::Values(Accepted{"replica_only", {"r1"}, "r1"},
                                         Accepted{"dash_operand_after_double_dash", {"--", "-r"}, "-r"}),
                         vxtest::RowName());

struct Refused {
    const char *name;
    Words words;
    std::vector<std::string> msgs;
};

class RmreplicaRefuses : public testing::TestWithParam<Refused> {};

TEST_P(RmreplicaRefuses, PrintsAndFails) {
    const Refused &c = GetParam();
    const auto r = run(vx_cmdsyn_rmreplica, c.words);
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.msgs, c.msgs);
    EXPECT_EQ(r.command, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RmreplicaRefuses,
    testing::Values(Refused{"no_operand", {}, {"E40", "U59"}},
                    Refused{"two_operands", {"r1", "r2"}, {"Etbs99(r2)", "U59"}},
                    // The error flag is tested after the operands: both messages, one usage.
                    Refused{"comment_and_operand_missing", {"-c"}, {"Etbs101", "E40", "U59"}},
                    // A surplus operand still comes after the deferred message and ends the routine.
                    Refused{"comment_missing_and_surplus", {"r1", "r2", "-c"}, {"Etbs101", "Etbs99(r2)", "U59"}}),
    vxtest::RowName());

}  // namespace
