// lsepoch through the real parser.

#include <gtest/gtest.h>

#include "libzornavx_cmdsyn.h"
#include "support/harness.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;
using vxtest::numbered;
using vxtest::run;
using vxtest::str;

std::vector<std::string> after(std::vector<std::string> head, const std::vector<std::string> &tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

struct Accepted {
    const char *name;
    std::vector<std::string> words;
    std::vector<std::string> replicas;
    const char *invob;
    int32_t actual;
};

class LsepochAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(LsepochAccepts, HandsOverTheRecord) {
    const Accepted &c = GetParam();
    const auto r = run(vx_cmdsyn_lsepoch, c.words);
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(r.msgs.empty()) << testing::PrintToString(r.msgs);
    ASSERT_EQ(r.command, "lsepoch");
    const auto rec = vxtest::record<vx_lsepoch_args_t>();
    EXPECT_EQ(rec.prefix.record_version, 1);
    EXPECT_EQ(rec.prefix.area, vxtest::last_area());
    EXPECT_EQ(vxtest::texts(rec.replicas, rec.replica_count), c.replicas);
    EXPECT_EQ(rec.replica_count, static_cast<int32_t>(c.replicas.size()));
    if (c.replicas.empty()) {
        EXPECT_EQ(rec.replicas, nullptr);
    }
    EXPECT_EQ(str(rec.invob), str(c.invob));
    EXPECT_EQ(rec.actual, c.actual);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LsepochAccepts,
    testing::Values(
        Accepted{"nothing", {}, {}, nullptr, 0}, Accepted{"replicas_in_order", {"r1", "r2"}, {"r1", "r2"}, nullptr, 0},
        Accepted{"invob_alone", {"-invob", "v"}, {}, "v", 0}, Accepted{"invob_abbreviated", {"-inv", "v"}, {}, "v", 0},
        Accepted{"actual_one", {"-actual", "r1"}, {"r1"}, nullptr, 1},
        Accepted{"actual_after_operands", {"r1", "r2", "-actual"}, {"r1", "r2"}, nullptr, 1},
        Accepted{"actual_thirty_three", after({"-actual"}, numbered("r", 33)), numbered("r", 33), nullptr, 1},
        Accepted{"three_hundred_replicas", numbered("r", 300), numbered("r", 300), nullptr, 0}),
    vxtest::RowName());

struct Refused {
    const char *name;
    std::vector<std::string> words;
    std::vector<std::string> msgs;
};

class LsepochRefuses : public testing::TestWithParam<Refused> {};

TEST_P(LsepochRefuses, PrintsAndFails) {
    const auto r = run(vx_cmdsyn_lsepoch, GetParam().words);
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.msgs, GetParam().msgs);
    EXPECT_EQ(r.command, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LsepochRefuses,
    testing::Values(Refused{"actual_without_replica", {"-actual"}, {"E11", "U65"}},
                    Refused{"operand_with_invob", {"-invob", "v", "r1"}, {"Etbs99(r1)", "U65"}},
                    Refused{"operand_before_invob", {"r1", "r2", "-invob", "v"}, {"Etbs99(r1)", "U65"}},
                    Refused{"invob_missing", {"-invob"}, {"E0", "U65"}}),
    vxtest::RowName());

}  // namespace
