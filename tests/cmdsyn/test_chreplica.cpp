// chreplica through the real parser.

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
    const char *host;
    const char *new_name;
    int32_t preserve;
    const char *incarnation;
    int32_t connected;
    const char *inreplica;
    const char *comment;
    int32_t comment_kind;
};

class ChreplicaAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(ChreplicaAccepts, HandsOverTheRecord) {
    const Accepted &c = GetParam();
    const auto r = run(vx_cmdsyn_chreplica, c.words);
    ASSERT_EQ(r.status, 0) << testing::PrintToString(r.msgs);
    EXPECT_TRUE(r.msgs.empty()) << testing::PrintToString(r.msgs);
    ASSERT_EQ(r.command, "chreplica");
    const auto rec = vxtest::record<vx_chreplica_args_t>();
    EXPECT_EQ(rec.prefix.record_version, 2);
    EXPECT_EQ(rec.prefix.area, vxtest::last_area());
    EXPECT_EQ(str(rec.replica), str(c.replica));
    EXPECT_EQ(str(rec.host), str(c.host));
    EXPECT_EQ(str(rec.new_name), str(c.new_name));
    EXPECT_EQ(rec.preserve, c.preserve);
    EXPECT_EQ(str(rec.incarnation), str(c.incarnation));
    EXPECT_EQ(rec.connected, c.connected);
    EXPECT_EQ(str(rec.inreplica), str(c.inreplica));
    EXPECT_EQ(str(rec.comment.comment), str(c.comment));
    EXPECT_EQ(rec.comment.comment_file, nullptr);
    EXPECT_EQ(rec.comment.comment_kind, c.comment_kind);
    EXPECT_EQ(rec.comment.comment_reserved, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChreplicaAccepts,
    testing::Values(
        Accepted{"nconnected", {"-nconnected", "r1"}, "r1", nullptr, nullptr, 0, nullptr, 2, nullptr, nullptr, 0},
        Accepted{
            "isconnected_abbreviated", {"-isconn", "r1"}, "r1", nullptr, nullptr, 0, nullptr, 1, nullptr, nullptr, 0},
        Accepted{"preserve", {"-pre", "r1"}, "r1", nullptr, nullptr, 1, nullptr, 0, nullptr, nullptr, 0},
        Accepted{"npreserve", {"-npreserve", "r1"}, "r1", nullptr, nullptr, 2, nullptr, 0, nullptr, nullptr, 0},
        Accepted{
            "perms_preserve", {"-perms_preserve", "r1"}, "r1", nullptr, nullptr, 3, nullptr, 0, nullptr, nullptr, 0},
        Accepted{"rename_with_contact",
                 {"-inreplica", "r2", "-rename", "r9", "r1"},
                 "r1",
                 nullptr,
                 "r9",
                 0,
                 nullptr,
                 0,
                 "r2",
                 nullptr,
                 0},
        Accepted{"host_counts_rename_passed_on",
                 {"-host", "h", "-rename", "r9", "r1"},
                 "r1",
                 "h",
                 "r9",
                 0,
                 nullptr,
                 0,
                 nullptr,
                 nullptr,
                 0},
        Accepted{"incarnation_unconverted",
                 {"-incarnation", "01-Jan-2024.10:00", "r1"},
                 "r1",
                 nullptr,
                 nullptr,
                 0,
                 "01-Jan-2024.10:00",
                 0,
                 nullptr,
                 nullptr,
                 0},
        Accepted{"later_host_stands",
                 {"-host", "h1", "-host", "h2", "r1"},
                 "r1",
                 "h2",
                 nullptr,
                 0,
                 nullptr,
                 0,
                 nullptr,
                 nullptr,
                 0},
        Accepted{"flags_after_operand",
                 {"r1", "-nconn", "-nc"},
                 "r1",
                 nullptr,
                 nullptr,
                 0,
                 nullptr,
                 2,
                 nullptr,
                 nullptr,
                 2}),
    vxtest::RowName());

struct Refused {
    const char *name;
    Words words;
    std::vector<std::string> msgs;
};

class ChreplicaRefuses : public testing::TestWithParam<Refused> {};

TEST_P(ChreplicaRefuses, PrintsAndFails) {
    const Refused &c = GetParam();
    const auto r = run(vx_cmdsyn_chreplica, c.words);
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.msgs, c.msgs);
    EXPECT_EQ(r.command, "");
}

INSTANTIATE_TEST_SUITE_P(Cases, ChreplicaRefuses,
                         testing::Values(
                             // Nothing to change.
                             Refused{"no_flag", {"r1"}, {"E25", "U93"}},
                             Refused{"inreplica_alone", {"-inreplica", "r2", "r1"}, {"E25", "U93"}},
                             Refused{"rename_alone", {"-rename", "r9", "r1"}, {"E25", "U93"}},
                             Refused{"comment_alone", {"-nc", "r1"}, {"E25", "U93"}},
                             // The operand.
                             Refused{"no_operand", {"-host", "h"}, {"E43", "U93"}},
                             Refused{"second_operand", {"-host", "h", "r1", "r2"}, {"Etbs99(r2)", "U93"}},
                             // Deferred failures all appear, then one usage.
                             Refused{"host_value_and_operand_missing", {"-host"}, {"E37", "E43", "U93"}},
                             Refused{"incarnation_missing", {"r1", "-incarnation"}, {"E50", "U93"}},
                             Refused{"inreplica_missing", {"r1", "-inreplica"}, {"E126", "U93"}},
                             Refused{"rename_missing", {"r1", "-rename"}, {"E91", "U93"}},
                             // The error flag is tested before the change rule.
                             Refused{"error_before_change_rule", {"r1", "-c"}, {"Etbs101", "U93"}},
                             // A leftover operand is reported after the deferred messages and ends the routine.
                             Refused{"leftover_after_deferred", {"r1", "r2", "-host"}, {"E37", "Etbs99(r2)", "U93"}}),
                         vxtest::RowName());

}  // namespace
