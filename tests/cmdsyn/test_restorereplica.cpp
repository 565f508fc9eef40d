// restorereplica through the real parser.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "libzornavx_cmdsyn.h"
#include "support/harness.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;
using vxtest::numbered;
using vxtest::run;
using vxtest::str;
using Words = std::vector<std::string>;

struct Accepted {
    const char *name;
    Words words;
    const char *invob;
    int32_t replace;
    int32_t override_;
    int32_t force;
    Words replicas;
    int32_t comment_kind;
};

class RestorereplicaAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(RestorereplicaAccepts, HandsOverTheRecord) {
    const Accepted &c = GetParam();
    const auto r = run(vx_cmdsyn_restorereplica, c.words);
    ASSERT_EQ(r.status, 0) << testing::PrintToString(r.msgs);
    EXPECT_TRUE(r.msgs.empty()) << testing::PrintToString(r.msgs);
    ASSERT_EQ(r.command, "restorereplica");
    const auto rec = vxtest::record<vx_restorereplica_args_t>();
    EXPECT_EQ(rec.prefix.record_version, 0);
    EXPECT_EQ(rec.prefix.area, vxtest::last_area());
    EXPECT_EQ(str(rec.invob), str(c.invob));
    EXPECT_EQ(rec.replace, c.replace);
    EXPECT_EQ(rec.override, c.override_);
    EXPECT_EQ(rec.force, c.force);
    EXPECT_EQ(rec.replica_count, static_cast<int32_t>(c.replicas.size()));
    EXPECT_EQ(vxtest::texts(rec.replicas, rec.replica_count), c.replicas);
    if (c.replicas.empty()) {
        EXPECT_EQ(rec.replicas, nullptr);
    }
    EXPECT_EQ(rec.comment.comment_kind, c.comment_kind);
    EXPECT_EQ(rec.comment.comment_reserved, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RestorereplicaAccepts,
    testing::Values(Accepted{"nothing", {}, nullptr, 0, 0, 0, {}, 0},
                    Accepted{"replace_two_replicas", {"-replace", "r1", "r2"}, nullptr, 1, 0, 0, {"r1", "r2"}, 0},
                    Accepted{"replace_with_invob", {"-rep", "-invob", "v"}, "v", 1, 0, 0, {}, 0},
                    Accepted{"override_alone", {"-override"}, nullptr, 0, 1, 0, {}, 0},
                    Accepted{"override_with_invob_and_force", {"-override", "-inv", "v", "-f"}, "v", 0, 1, 1, {}, 0},
                    Accepted{"force_with_replicas_and_comment", {"-force", "-cq", "r1"}, nullptr, 0, 0, 1, {"r1"}, 3},
                    Accepted{"three_hundred_replicas", numbered("r", 300), nullptr, 0, 0, 0, numbered("r", 300), 0}),
    vxtest::RowName());

struct Refused {
    const char *name;
    Words words;
    std::vector<std::string> msgs;
};

class RestorereplicaRefuses : public testing::TestWithParam<Refused> {};

TEST_P(RestorereplicaRefuses, PrintsAndFails) {
    const Refused &c = GetParam();
    const auto r = run(vx_cmdsyn_restorereplica, c.words);
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.msgs, c.msgs);
    EXPECT_EQ(r.command, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RestorereplicaRefuses,
    testing::Values(Refused{"invob_with_operand", {"-invob", "v", "r1", "r2"}, {"Etbs99(r1)", "U54"}},
                    Refused{"override_with_operand", {"-override", "r1"}, {"Etbs99(r1)", "U54"}},
                    Refused{"invob_missing", {"-invob"}, {"E0", "U54"}},
                    // After a deferred failure the operands are not looked at.
                    Refused{"invob_missing_before_operand_test", {"-override", "r1", "-invob"}, {"E0", "U54"}}),
    vxtest::RowName());

}  // namespace
