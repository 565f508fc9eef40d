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
    const char *comment;
    const char *comment_file;
    int32_t comment_kind;
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
    EXPECT_EQ(str(rec.comment.comment), str(c.comment));
    EXPECT_EQ(str(rec.comment.comment_file), str(c.comment_file));
    EXPECT_EQ(rec.comment.comment_kind, c.comment_kind);
    EXPECT_EQ(rec.comment.comment_reserved, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RmreplicaAccepts,
    testing::Values(Accepted{"replica_only", {"r1"}, "r1", nullptr, nullptr, 0},
                    Accepted{"no_comment", {"-nc", "r1"}, "r1", nullptr, nullptr, 2},
                    Accepted{"comment_text", {"-c", "gone", "r1"}, "r1", "gone", nullptr, 5},
                    Accepted{"comment_file_after_operand", {"r1", "-cfi", "why.txt"}, "r1", nullptr, "why.txt", 1},
                    Accepted{"query", {"-cq", "r1"}, "r1", nullptr, nullptr, 3},
                    Accepted{"query_each_repeated", {"-cqe", "-cqe", "r1"}, "r1", nullptr, nullptr, 4},
                    Accepted{"dash_operand_after_double_dash", {"--", "-r"}, "-r", nullptr, nullptr, 0}),
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
                    Refused{"comment_missing_with_operand", {"r1", "-cfile"}, {"Etbs101", "U59"}},
                    // A surplus operand still comes after the deferred message and ends the routine.
                    Refused{"comment_missing_and_surplus", {"r1", "r2", "-c"}, {"Etbs101", "Etbs99(r2)", "U59"}}),
    vxtest::RowName());

TEST(Rmreplica, ParserRefusalPrintsOnlyItsMessageAndTheUsage) {
    for (const Words &words : {Words{"-c", "x", "-nc", "r1"}, Words{"-force", "r1"}}) {
        const auto r = run(vx_cmdsyn_rmreplica, words);
        EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
        ASSERT_EQ(r.msgs.size(), 2u) << testing::PrintToString(r.msgs);
        EXPECT_EQ(r.msgs[0].rfind("Efmt:", 0), 0u) << r.msgs[0];
        EXPECT_EQ(r.msgs[1], "U59");
    }
}

TEST(Rmreplica, UsageRequestEitherBit) {
    for (uint32_t flags : {1u, 2u, 3u}) {
        const auto r = run(vx_cmdsyn_rmreplica, {"r1"}, flags);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.msgs, std::vector<std::string>{"P59"});
        EXPECT_EQ(r.command, "");
    }
}

TEST(Rmreplica, CommandStatusIsPassedThrough) {
    vxtest::set_command_status(-4);
    const auto r = run(vx_cmdsyn_rmreplica, {"r1"});
    vxtest::set_command_status(0);
    EXPECT_EQ(r.status, -4);
}

}  // namespace
