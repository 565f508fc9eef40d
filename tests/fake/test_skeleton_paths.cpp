// Paths of the skeleton that a real parser never takes, through a scripted parser.

#include <gtest/gtest.h>

#include "fakes/scripted_clp.h"
#include "libzornavx_cmdsyn.h"
#include "skeleton.h"
#include "support/harness.h"

namespace {

using vxtest::ScriptedParser;

struct Outcome {
    int32_t status;
    std::vector<std::string> msgs;
    std::string command;
};

// Without an area of the caller's, the routine gets one that stays alive until the next
// call, so that the lists of the captured record can be read.
Outcome call(cmd_syntax_routine_t routine, ScriptedParser &script, stg_area_t *area = nullptr) {
    static stg_area_t *own = nullptr;
    stg_area_release(own);
    own = area ? nullptr : stg_area_create();
    vxtest::clear_messages();
    vxtest::captured() = {};
    Outcome o;
    o.status = routine(vxtest::as_parser(script), area ? area : own, 0);
    o.msgs = vxtest::summary(vxtest::messages());
    o.command = vxtest::captured().command;
    return o;
}

TEST(SkeletonPaths, RefusedTableEndsAtOnceSilently) {
    ScriptedParser s;
    s.switch_result = 1;
    vxtest::add_flags(s, {FLAG_LONG});
    const Outcome o = call(vx_cmdsyn_lspacket, s);
    EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
    EXPECT_TRUE(o.msgs.empty());
    EXPECT_EQ(s.flag_calls, 0);
    ASSERT_NE(s.installed, nullptr);
}

TEST(SkeletonPaths, RejectedLinePrintsOnlyTheUsage) {
    for (int result : {1, 3, -1}) {
        ScriptedParser s;
        s.flags.emplace_back(result, 0);
        const Outcome o = call(vx_cmdsyn_lspacket, s);
        EXPECT_EQ(o.status, CMD_SYNTAX_ERROR) << result;
        EXPECT_EQ(o.msgs, std::vector<std::string>{"U142"}) << result;
        EXPECT_EQ(o.command, "");
    }
}

TEST(SkeletonPaths, TwoFlagsOfOneGroupRunInOrderLaterWins) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_LONG, FLAG_SHORT});
    const Outcome o = call(vx_cmdsyn_lspacket, s);
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(vxtest::record<vx_lspacket_args_t>().detail_level, 1);
}

TEST(SkeletonPaths, UnhandledCodeReportsTheFlagAndNoUsageWithoutEarlierError) {
    ScriptedParser s;
    s.last_flag_name = "-mystery";
    vxtest::add_flags(s, {FLAG_LONG, FLAG_SITE, FLAG_SHORT});
    const Outcome o = call(vx_cmdsyn_lspacket, s);
    EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(o.msgs, (std::vector<std::string>{"Etbs100", "Ufmt:internal error: Unrecognized option \"-mystery\""}));
    EXPECT_EQ(s.flags.size(), 1u) << "the loop stops at the unhandled code";
}

TEST(SkeletonPaths, UnhandledCodeAfterAnErrorAddsTheUsage) {
    ScriptedParser s;
    s.last_flag_name = "-mystery";
    vxtest::add_flags(s, {FLAG_INVOB, FLAG_SITE});  // -invob finds no value
    const Outcome o = call(vx_cmdsyn_lspacket, s);
    EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(o.msgs, (std::vector<std::string>{"E0", "Etbs100",
                                                "Ufmt:internal error: Unrecognized option \"-mystery\"", "U142"}));
}

TEST(SkeletonPaths, LastFlagNameIsCutToTheBuffer) {
    ScriptedParser s;
    s.last_flag_name = "-" + std::string(10000, 'x');
    vxtest::add_flags(s, {FLAG_SITE});
    call(vx_cmdsyn_lspacket, s);
    const auto &msgs = vxtest::messages();
    ASSERT_EQ(msgs.size(), 2u);
    // 255 characters of the name fit the 256-byte buffer.
    EXPECT_EQ(msgs[1].text, "internal error: Unrecognized option \"-" + std::string(254, 'x') + "\"\n");
}

TEST(SkeletonPaths, OperandListStopsAtANullText) {
    ScriptedParser s;
    s.args.emplace_back(CLP_OK, "p1");
    s.args.emplace_back(CLP_OK, nullptr);
    s.args.emplace_back(CLP_OK, "p3");
    const Outcome o = call(vx_cmdsyn_lspacket, s);
    EXPECT_EQ(o.status, 0);
    const auto rec = vxtest::record<vx_lspacket_args_t>();
    EXPECT_EQ(vxtest::texts(rec.packets, rec.packet_count), std::vector<std::string>{"p1"});
}

TEST(SkeletonPaths, ListValueThatEndsWithoutClearingTheTextStillEnds) {
    ScriptedParser s;
    s.subargs.emplace_back(CLP_OK, "a");
    s.subargs.emplace_back(CLP_OK, "b");
    s.subargs.emplace_back(CLP_DONE, vxtest::kLeaveText);
    stg_area_t *area = stg_area_create();
    const char **items = nullptr;
    int32_t count = 0;
    vx::TextList list(area, items, count);
    EXPECT_EQ(vx::collect_subargs(vxtest::as_parser(s), list), vx::Collected::ok);
    EXPECT_EQ(vxtest::texts(items, count), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(s.subarg_calls, 3);
    stg_area_release(area);
}

TEST(SkeletonPaths, ListValueWithoutAFirstElementIsNone) {
    ScriptedParser s;
    stg_area_t *area = stg_area_create();
    const char **items = nullptr;
    int32_t count = 0;
    vx::TextList list(area, items, count);
    EXPECT_EQ(vx::collect_subargs(vxtest::as_parser(s), list), vx::Collected::none);
    EXPECT_EQ(items, nullptr);
    EXPECT_EQ(count, 0);
    stg_area_release(area);
}

// A record's count may be signed or unsigned (familysyncstatus's VOBs, syncreplica's
// -evlist): the list fills either alike, across its growth steps.
template <class Count>
std::vector<std::string> collected_into(Count &count, const std::vector<std::string> &words) {
    ScriptedParser s;
    for (const std::string &word : words) s.args.emplace_back(CLP_OK, word.c_str());
    stg_area_t *area = stg_area_create();
    const char **items = nullptr;
    vx::TextList list(area, items, count);
    const vx::Collected collected = vx::collect_operands(vxtest::as_parser(s), list);
    EXPECT_EQ(collected, words.empty() ? vx::Collected::none : vx::Collected::ok);
    std::vector<std::string> texts = vxtest::texts(items, static_cast<int32_t>(count));
    stg_area_release(area);
    return texts;
}

TEST(SkeletonPaths, ListCountSignedOrUnsigned) {
    for (int n : {0, 1, 32, 33, 288, 289, 300}) {
        SCOPED_TRACE(n);
        const std::vector<std::string> words = vxtest::numbered("p", n);
        int32_t signed_count = 0;  // as in a zeroed record
        uint32_t unsigned_count = 0;
        EXPECT_EQ(collected_into(signed_count, words), words);
        EXPECT_EQ(collected_into(unsigned_count, words), words);
        EXPECT_EQ(signed_count, n);
        EXPECT_EQ(unsigned_count, static_cast<uint32_t>(n));
    }
}

}  // namespace
