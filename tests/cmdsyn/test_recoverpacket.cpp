// recoverpacket through the real parser.

#include <gtest/gtest.h>

#include <cstddef>

#include "libzornavx_cmdsyn.h"
#include "support/harness.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;
using vxtest::numbered;
using vxtest::run;
using vxtest::str;

// recoverpacket's record goes on where lsexport's ends, its first fields in the same places.
static_assert(offsetof(vx_recoverpacket_args_t, replicas) == offsetof(vx_lsexport_args_t, replicas));
static_assert(offsetof(vx_recoverpacket_args_t, reserved_word) == offsetof(vx_lsexport_args_t, reserved_word));
static_assert(offsetof(vx_recoverpacket_args_t, comment) == sizeof(vx_lsexport_args_t));

struct Accepted {
    const char *name;
    std::vector<std::string> words;
    std::vector<std::string> replicas;
    const char *since;
    const char *comment;
    const char *comment_file;
    int32_t comment_kind;
};

class RecoverpacketAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(RecoverpacketAccepts, HandsOverTheRecord) {
    const Accepted &c = GetParam();
    const auto r = run(vx_cmdsyn_recoverpacket, c.words);
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(r.msgs.empty()) << testing::PrintToString(r.msgs);
    ASSERT_EQ(r.command, "recoverpacket");
    const auto rec = vxtest::record<vx_recoverpacket_args_t>();
    EXPECT_EQ(rec.prefix.record_version, 0);
    EXPECT_EQ(rec.prefix.area, vxtest::last_area());
    EXPECT_EQ(vxtest::texts(rec.replicas, rec.replica_count), c.replicas);
    EXPECT_EQ(rec.replica_count, static_cast<int32_t>(c.replicas.size()));
    EXPECT_EQ(str(rec.since), str(c.since));
    EXPECT_EQ(rec.reserved_word, 0u);
    EXPECT_EQ(str(rec.comment.comment), str(c.comment));
    EXPECT_EQ(str(rec.comment.comment_file), str(c.comment_file));
    EXPECT_EQ(rec.comment.comment_kind, c.comment_kind);
    EXPECT_EQ(rec.comment.comment_reserved, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecoverpacketAccepts,
    testing::Values(Accepted{"one_replica", {"r1"}, {"r1"}, nullptr, nullptr, nullptr, COMMENT_KIND_UNSET},
                    Accepted{"comment_and_since",
                             {"-c", "why", "-since", "T", "r1", "r2"},
                             {"r1", "r2"},
                             "T",
                             "why",
                             nullptr,
                             COMMENT_KIND_TEXT},
                    Accepted{"three_hundred_replicas", numbered("r", 300), numbered("r", 300), nullptr, nullptr,
                             nullptr, 0}),
    vxtest::RowName());

struct Refused {
    const char *name;
    std::vector<std::string> words;
    std::vector<std::string> msgs;
};

class RecoverpacketRefuses : public testing::TestWithParam<Refused> {};

TEST_P(RecoverpacketRefuses, PrintsAndFails) {
    const auto r = run(vx_cmdsyn_recoverpacket, GetParam().words);
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.msgs, GetParam().msgs);
    EXPECT_EQ(r.command, "");
}

INSTANTIATE_TEST_SUITE_P(Cases, RecoverpacketRefuses,
                         testing::Values(Refused{"no_replica", {}, {"E43", "U55"}},
                                         Refused{"comment_but_no_replica", {"-nc"}, {"E43", "U55"}},
                                         // A missing value is reported before the operands are looked at.
                                         Refused{"comment_missing", {"-c"}, {"Etbs101", "U55"}},
                                         Refused{"since_missing", {"-since"}, {"E50", "U55"}}),
                         vxtest::RowName());

}  // namespace
