// syncserver through the real parser.

#include <gtest/gtest.h>

#include "libzornavx_cmdsyn.h"
#include "support/harness.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;
using vxtest::run;
using vxtest::texts;

// "t1,t2,...,tN" as one word, and the tags it holds.
std::string joined(const std::vector<std::string> &tags) {
    std::string word;
    for (const std::string &tag : tags) word += (word.empty() ? "" : ",") + tag;
    return word;
}

struct Accepted {
    const char *name;
    std::vector<std::string> words;
    int32_t nmanage;
    int32_t set_manage_state;
    int32_t all_vobs;
    std::vector<std::string> vobs;
};

class SyncserverAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(SyncserverAccepts, HandsOverTheRecord) {
    const Accepted &c = GetParam();
    const auto r = run(vx_cmdsyn_syncserver, c.words);
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(r.msgs.empty()) << testing::PrintToString(r.msgs);
    ASSERT_EQ(r.command, "syncserver");
    const auto rec = vxtest::record<vx_syncserver_args_t>();
    EXPECT_EQ(rec.prefix.record_version, 0);
    EXPECT_EQ(rec.prefix.area, vxtest::last_area());
    EXPECT_EQ(rec.nmanage, c.nmanage);
    EXPECT_EQ(rec.set_manage_state, c.set_manage_state);
    EXPECT_EQ(rec.all_vobs, c.all_vobs);
    EXPECT_EQ(rec.vob_count, static_cast<int32_t>(c.vobs.size()));
    EXPECT_EQ(texts(rec.vobs, rec.vob_count), c.vobs);
    if (c.vobs.empty()) {
        EXPECT_EQ(rec.vobs, nullptr);
    }
}

const std::vector<std::string> k33 = vxtest::numbered("/vobs/t", 33);
const std::vector<std::string> k300 = vxtest::numbered("/vobs/t", 300);
const std::vector<std::string> k1000 = vxtest::numbered("t", 1000);

INSTANTIATE_TEST_SUITE_P(
    Cases, SyncserverAccepts,
    testing::Values(Accepted{"nmanage_two_tags", {"-nmanage", "-vob", "t1,t2"}, 1, 1, 0, {"t1", "t2"}},
                    Accepted{"inquire_all", {"-inquire", "-all"}, 0, 0, 1, {}},
                    Accepted{"abbreviations", {"-a", "-inq"}, 0, 0, 1, {}},
                    Accepted{"vob_before_mode", {"-vob", "t1", "-nmanage"}, 1, 1, 0, {"t1"}},
                    // A repeated -vob drops the tags of the earlier one.
                    Accepted{"vob_twice", {"-inquire", "-vob", "a,b", "-vob", "c"}, 0, 0, 0, {"c"}},
                    Accepted{"empty_parts_skipped", {"-inquire", "-vob", ",a,,b,"}, 0, 0, 0, {"a", "b"}},
                    Accepted{"vob_takes_a_flag_word", {"-inquire", "-vob", "-all"}, 0, 0, 0, {"-all"}},
                    Accepted{"same_flag_twice", {"-nmanage", "-nmanage", "-all", "-all"}, 1, 1, 1, {}},
                    Accepted{"thirty_three_tags", {"-nmanage", "-vob", joined(k33)}, 1, 1, 0, k33},
                    Accepted{"three_hundred_tags", {"-nmanage", "-vob", joined(k300)}, 1, 1, 0, k300},
                    Accepted{"a_thousand_tags", {"-inquire", "-vob", joined(k1000)}, 0, 0, 0, k1000}),
    vxtest::RowName());

struct Refused {
    const char *name;
    std::vector<std::string> words;
    std::vector<std::string> msgs;
};

class SyncserverRefuses : public testing::TestWithParam<Refused> {};

TEST_P(SyncserverRefuses, PrintsAndFails) {
    const Refused &c = GetParam();
    const auto r = run(vx_cmdsyn_syncserver, c.words);
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.msgs, c.msgs);
    EXPECT_EQ(r.command, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SyncserverRefuses,
    testing::Values(Refused{"all_alone", {"-all"}, {"E132", "U143"}},
                    Refused{"vob_alone", {"-vob", "t"}, {"E132", "U143"}},
                    Refused{"nmanage_alone", {"-nmanage"}, {"E131", "U143"}},
                    // The -all/-vob check comes first.
                    Refused{"nothing", {}, {"E131", "U143"}}, Refused{"vob_without_tag", {"-vob"}, {"E31", "U143"}},
                    Refused{"vob_with_empty_parts_only", {"-inquire", "-vob", ",,"}, {"E31", "U143"}},
                    // A missing tag ends the routine at once: the flags after it are not
                    // read, so the parser never sees the bad one.
                    Refused{"vob_without_tag_stops_reading", {"-vob", ",", "-bogus"}, {"E31", "U143"}},
                    // A list value is one word: a second tag is a word left over.
                    Refused{"second_word_after_vob", {"-nmanage", "-vob", "t1", "t2"}, {"Etbs99(t2)", "U143"}},
                    Refused{"operand", {"extra", "-inquire", "-all"}, {"Etbs99(extra)", "U143"}},
                    // The extra-operand test comes after both checks.
                    Refused{"operand_and_no_mode", {"-all", "extra"}, {"E132", "U143"}}),
    vxtest::RowName());

}  // namespace
