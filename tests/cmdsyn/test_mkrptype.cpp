// mkrptype through the real parser.

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
    const char *rptype_selector;
    const char *supertype;
    int32_t replace;
    const char *comment;
    int32_t comment_kind;
};

class MkrptypeAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(MkrptypeAccepts, HandsOverTheRecord) {
    const Accepted &c = GetParam();
    const auto r = run(vx_cmdsyn_mkrptype, c.words);
    ASSERT_EQ(r.status, 0) << testing::PrintToString(r.msgs);
    EXPECT_TRUE(r.msgs.empty()) << testing::PrintToString(r.msgs);
    ASSERT_EQ(r.command, "mkrptype");
    const auto rec = vxtest::record<vx_mkrptype_args_t>();
    EXPECT_EQ(rec.prefix.record_version, 1);
    EXPECT_EQ(rec.prefix.area, vxtest::last_area());
    EXPECT_EQ(str(rec.rptype_selector), str(c.rptype_selector));
    EXPECT_EQ(str(rec.supertype), str(c.supertype));
    EXPECT_EQ(rec.reserved_word, 0u);
    EXPECT_EQ(rec.replace, c.replace);
    EXPECT_EQ(str(rec.comment.comment), str(c.comment));
    EXPECT_EQ(rec.comment.comment_file, nullptr);
    EXPECT_EQ(rec.comment.comment_kind, c.comment_kind);
    EXPECT_EQ(rec.comment.comment_reserved, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MkrptypeAccepts,
    testing::Values(Accepted{"selector_only", {"t1"}, "t1", nullptr, 0, nullptr, 0},
                    Accepted{"supertype", {"-supertype", "base", "t1"}, "t1", "base", 0, nullptr, 0},
                    Accepted{"replace_no_comment", {"-replace", "-nc", "t1"}, "t1", nullptr, 1, nullptr, 2},
                    Accepted{
                        "abbreviated_with_comment", {"-sup", "b", "-rep", "-c", "new", "t1"}, "t1", "b", 1, "new", 5},
                    Accepted{"later_supertype_stands", {"t1", "-sup", "a", "-sup", "b"}, "t1", "b", 0, nullptr, 0}),
    vxtest::RowName());

struct Refused {
    const char *name;
    Words words;
    std::vector<std::string> msgs;
};

class MkrptypeRefuses : public testing::TestWithParam<Refused> {};

TEST_P(MkrptypeRefuses, PrintsAndFails) {
    const Refused &c = GetParam();
    const auto r = run(vx_cmdsyn_mkrptype, c.words);
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.msgs, c.msgs);
    EXPECT_EQ(r.command, "");
}

INSTANTIATE_TEST_SUITE_P(Cases, MkrptypeRefuses,
                         testing::Values(Refused{"no_operand", {}, {"E1", "U60"}},
                                         Refused{"two_operands", {"t1", "t2"}, {"Etbs99(t2)", "U60"}},
                                         // The error flag is tested after the first operand: both messages.
                                         Refused{"supertype_and_operand_missing", {"-supertype"}, {"E7", "E1", "U60"}},
                                         Refused{"comment_and_operand_missing", {"-cfile"}, {"Etbs101", "E1", "U60"}},
                                         Refused{"supertype_missing", {"t1", "-supertype"}, {"E7", "U60"}},
                                         // A surplus operand is noticed only when no deferred failure happened.
                                         Refused{"surplus_hidden_by_deferred", {"t1", "t2", "-c"}, {"Etbs101", "U60"}}),
                         vxtest::RowName());

}  // namespace
