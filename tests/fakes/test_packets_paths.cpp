// The packet, oplog and epoch routines on paths a real parser never takes, through a
// scripted parser.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fakes/scripted_clp.h"
#include "libzornavx_cmdsyn.h"
#include "support/harness.h"
#include "vx_flag_codes.h"

namespace {

using vxtest::call;
using vxtest::kNoMemory;
using vxtest::ScriptedParser;

// An operand that arrives as a NULL text ends the operands: none were given.
TEST(LsexportPaths, NullFirstOperandCountsAsNone) {
    ScriptedParser s;
    s.args.emplace_back(CLP_OK, nullptr);
    const auto o = call(vx_cmdsyn_lsexport, s);
    EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(o.msgs, (std::vector<std::string>{"E43", "U56"}));
}

// ---- Two flags of one group reaching the routine ------------------------------------

TEST(DumpoplogPaths, LaterOfLongAndShortStands) {
    const struct {
        std::vector<int32_t> codes;
        int32_t detail_level;
    } cases[] = {{{FLAG_LONG, FLAG_SHORT}, 1}, {{FLAG_SHORT, FLAG_LONG}, 2}};
    for (const auto &c : cases) {
        ScriptedParser s;
        vxtest::add_flags(s, c.codes);
        ASSERT_EQ(call(vx_cmdsyn_dumpoplog, s).status, 0);
        EXPECT_EQ(vxtest::record<vx_dumpoplog_args_t>().detail_level, c.detail_level);
    }
}

TEST(LsepochPaths, InvobRuleWinsOverActual) {
    ScriptedParser refused;
    refused.flags = {{CLP_OK, FLAG_ACTUAL}, {CLP_OK, FLAG_INVOB}};
    vxtest::add_args(refused, {"v", "r1"});
    EXPECT_EQ(call(vx_cmdsyn_lsepoch, refused).msgs, (std::vector<std::string>{"Etbs99(r1)", "U65"}));

    // -actual would ask for a replica; under -invob none is needed.
    ScriptedParser accepted;
    vxtest::add_flags(accepted, {FLAG_INVOB, FLAG_ACTUAL});
    vxtest::add_args(accepted, {"v"});
    ASSERT_EQ(call(vx_cmdsyn_lsepoch, accepted).status, 0);
    const auto rec = vxtest::record<vx_lsepoch_args_t>();
    EXPECT_EQ(vxtest::str(rec.invob), "v");
    EXPECT_EQ(rec.actual, 1);
    EXPECT_EQ(rec.replicas, nullptr);
}

TEST(ChepochPaths, ForceWithActualTakesTheActualForm) {
    ScriptedParser accepted;
    vxtest::add_flags(accepted, {FLAG_FORCE, FLAG_ACTUAL});
    vxtest::add_args(accepted, {"s1"});
    ASSERT_EQ(call(vx_cmdsyn_chepoch, accepted).status, 0);
    const auto rec = vxtest::record<vx_chepoch_args_t>();
    EXPECT_EQ(rec.force, 1);
    EXPECT_EQ(rec.actual, 1);
    EXPECT_EQ(vxtest::str(rec.epoch_row), "s1");

    ScriptedParser refused;
    vxtest::add_flags(refused, {FLAG_ACTUAL, FLAG_FORCE});
    vxtest::add_args(refused, {"s1", "r2=5"});
    EXPECT_EQ(call(vx_cmdsyn_chepoch, refused).msgs, (std::vector<std::string>{"Etbs99(r2=5)", "U66"}));
}

// ---- Operands ---------------------------------------------------------------------

// Under -from or -to, only an operand actually handed out (result 0) is refused.
TEST(DumpoplogPaths, RangeGoesOnWhenTheExtraCheckFindsNoOperand) {
    ScriptedParser s;
    s.flags.emplace_back(CLP_OK, FLAG_FROM);
    vxtest::add_args(s, {"10"});
    s.args.emplace_back(CLP_REJECTED, "x");
    ASSERT_EQ(call(vx_cmdsyn_dumpoplog, s).status, 0);
    const auto rec = vxtest::record<vx_dumpoplog_args_t>();
    EXPECT_EQ(vxtest::str(rec.from_entry), "10");
    EXPECT_EQ(rec.entries, nullptr);
    EXPECT_EQ(rec.entry_count, 0);
}

TEST(ChepochPaths, PairsStopAtANullText) {
    ScriptedParser s;
    vxtest::add_args(s, {"r1", "a=1", nullptr, "b=2"});
    ASSERT_EQ(call(vx_cmdsyn_chepoch, s).status, 0);
    const auto rec = vxtest::record<vx_chepoch_args_t>();
    EXPECT_EQ(rec.epoch_count, 1);
}

// The names are copies cut short; the operands the parser handed out stay whole.
TEST(ChepochPaths, NamesAreCopiesAndOperandsStayWhole) {
    char first[] = "r2=100";
    char second[] = "=7";
    ScriptedParser s;
    vxtest::add_args(s, {"r1", first, second});
    stg_area_t *area = stg_area_create();
    ASSERT_EQ(vxtest::call_in(vx_cmdsyn_chepoch, s, area).status, 0);
    const auto rec = vxtest::record<vx_chepoch_args_t>();
    ASSERT_EQ(rec.epoch_count, 2);
    EXPECT_EQ(vxtest::texts(rec.epoch_names, 2), (std::vector<std::string>{"r2", ""}));
    EXPECT_NE(rec.epoch_names[0], first);
    EXPECT_NE(rec.epoch_names[1], second);
    EXPECT_STREQ(first, "r2=100");
    EXPECT_STREQ(second, "=7");
    stg_area_release(area);
}

// ---- The area running dry -----------------------------------------------------------

// An operand list whose first block cannot be had: the allocation report, no usage.
TEST(PacketsPaths, OperandListWithoutMemory) {
    const struct {
        const char *name;
        cmd_syntax_routine_t routine;
        std::vector<int32_t> codes;
    } cases[] = {{"dumpoplog", vx_cmdsyn_dumpoplog, {}},
                 {"lsexport", vx_cmdsyn_lsexport, {}},
                 {"recoverpacket", vx_cmdsyn_recoverpacket, {}},
                 {"lsepoch", vx_cmdsyn_lsepoch, {}},
                 {"lsepoch_actual", vx_cmdsyn_lsepoch, {FLAG_ACTUAL}},
                 {"chepoch_pairs", vx_cmdsyn_chepoch, {}}};
    for (const auto &c : cases) {
        ScriptedParser s;
        vxtest::add_flags(s, c.codes);
        vxtest::add_args(s, {"r1", "r2=1"});
        const auto o = call(c.routine, s, 0);
        EXPECT_EQ(o.status, CMD_SYNTAX_ERROR) << c.name;
        EXPECT_EQ(o.msgs, kNoMemory) << c.name;
        EXPECT_EQ(o.command, "") << c.name;
    }
}

// chepoch takes a working list, two arrays and a copy per pair. Whichever of them the
// area cannot supply, the routine reports it and ends without the usage; with room
// enough it hands over the whole record.
TEST(ChepochPaths, EveryBlockItTakesIsTested) {
    constexpr size_t kEnough = 64 * 1024;
    for (size_t room = 0; room < kEnough; ++room) {
        ScriptedParser s;
        vxtest::add_args(s, {"r1", "a=1", "bb=0x2", "ccc=03"});
        stg_area_t *area = vxtest::area_with_room(room);
        const auto o = vxtest::call_in(vx_cmdsyn_chepoch, s, area);
        if (o.status == 0) {
            const auto rec = vxtest::record<vx_chepoch_args_t>();
            ASSERT_EQ(rec.epoch_count, 3);
            EXPECT_EQ(vxtest::texts(rec.epoch_names, 3), (std::vector<std::string>{"a", "bb", "ccc"}));
            EXPECT_EQ(std::vector<int32_t>(rec.epoch_values, rec.epoch_values + 3), (std::vector<int32_t>{1, 2, 3}));
            stg_area_release(area);
            return;
        }
        stg_area_release(area);
        ASSERT_EQ(o.status, CMD_SYNTAX_ERROR) << room;
        ASSERT_EQ(o.msgs, kNoMemory) << room;
    }
    FAIL() << "no room was enough";
}

}  // namespace
