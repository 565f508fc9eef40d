// lspacket through the real parser.

#include <gtest/gtest.h>

#include "libzornavx_cmdsyn.h"
#include "support/harness.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;
using vxtest::numbered;
using vxtest::run;
using vxtest::texts;

struct Accepted {
    const char *name;
    std::vector<std::string> words;
    int32_t detail_level;
    int32_t dump;
    const char *invob;
    int32_t endrange;
    std::vector<std::string> packets;
};

class LspacketAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(LspacketAccepts, HandsOverTheRecord) {
    const Accepted &c = GetParam();
    const auto r = run(vx_cmdsyn_lspacket, c.words);
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(r.msgs.empty()) << testing::PrintToString(r.msgs);
    ASSERT_EQ(r.command, "lspacket");
    const auto rec = vxtest::record<vx_lspacket_args_t>();
    EXPECT_EQ(rec.prefix.record_version, 2);
    EXPECT_EQ(rec.prefix.area, vxtest::last_area());
    EXPECT_EQ(rec.detail_level, c.detail_level);
    EXPECT_EQ(rec.dump, c.dump);
    EXPECT_EQ(vxtest::str(rec.invob), vxtest::str(c.invob));
    EXPECT_EQ(rec.endrange, c.endrange);
    EXPECT_EQ(rec.packet_count, static_cast<int32_t>(c.packets.size()));
    EXPECT_EQ(texts(rec.packets, rec.packet_count), c.packets);
    if (c.packets.empty()) {
        EXPECT_EQ(rec.packets, nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LspacketAccepts,
    testing::Values(Accepted{"nothing", {}, 0, 0, nullptr, 0, {}},
                    Accepted{"long_two_packets", {"-long", "p1", "p2"}, 2, 0, nullptr, 0, {"p1", "p2"}},
                    Accepted{"long_twice_is_no_conflict", {"-long", "-long", "p1"}, 2, 0, nullptr, 0, {"p1"}},
                    Accepted{"endrange_before_long", {"-endrange", "-long"}, 2, 0, nullptr, 1, {}},
                    Accepted{"dump_invob_packets", {"-dump", "-invob", "vt", "p1", "p2"}, 0, 1, "vt", 0, {"p1", "p2"}},
                    Accepted{"abbreviations", {"-l", "-dum", "-inv", "vt", "-endrange"}, 2, 1, "vt", 1, {}},
                    Accepted{"invob_twice_keeps_later", {"-invob", "v1", "-invob", "v2"}, 0, 0, "v2", 0, {}},
                    Accepted{"invob_takes_dashes", {"-invob", "--", "p"}, 0, 0, "--", 0, {"p"}},
                    Accepted{"flag_after_operand", {"p1", "-lon"}, 2, 0, nullptr, 0, {"p1"}},
                    Accepted{"double_dash_ends_flags", {"--", "-long"}, 0, 0, nullptr, 0, {"-long"}},
                    Accepted{"lone_dash_is_operand", {"-"}, 0, 0, nullptr, 0, {"-"}},
                    Accepted{"thirty_three_packets", numbered("p", 33), 0, 0, nullptr, 0, numbered("p", 33)},
                    Accepted{"three_hundred_packets", numbered("p", 300), 0, 0, nullptr, 0, numbered("p", 300)}),
    vxtest::RowName());

struct Refused {
    const char *name;
    std::vector<std::string> words;
    std::vector<std::string> msgs;
};

class LspacketRefuses : public testing::TestWithParam<Refused> {};

TEST_P(LspacketRefuses, PrintsAndFails) {
    const Refused &c = GetParam();
    const auto r = run(vx_cmdsyn_lspacket, c.words);
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.msgs, c.msgs);
    EXPECT_EQ(r.command, "");
}

INSTANTIATE_TEST_SUITE_P(Cases, LspacketRefuses,
                         testing::Values(Refused{"short_endrange", {"-short", "-endrange"}, {"E140", "U142"}},
                                         Refused{"endrange_alone", {"-endrange", "p1"}, {"E140", "U142"}},
                                         Refused{"invob_last", {"-invob"}, {"E0", "U142"}},
                                         // The error flag is tested before the combination check.
                                         Refused{
                                             "missing_invob_before_check", {"-endrange", "-invob"}, {"E0", "U142"}}),
                         vxtest::RowName());

}  // namespace
