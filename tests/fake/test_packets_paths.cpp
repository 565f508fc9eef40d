// The packet, oplog and epoch routines on paths a real parser never takes, through a
// scripted parser.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fakes/scripted_clp.h"
#include "libzornavx_cmdsyn.h"
#include "support/harness.h"
#include "support/param_names.h"
#include "vx_flag_codes.h"

namespace {

using vxtest::operator<<;
using vxtest::ScriptedParser;

struct Outcome {
    int32_t status;
    std::vector<std::string> msgs;
    std::string command;
};

const std::vector<std::string> kNoMemory{"Eshared:vx_cmdsyn:tbs39"};
const std::string kInternal = "Ufmt:internal error: Unrecognized option \"-mystery\"";

// Runs `routine` over `script` in `area`; the area stays the caller's.
Outcome call_in(cmd_syntax_routine_t routine, ScriptedParser &script, stg_area_t *area) {
    vxtest::clear_messages();
    vxtest::captured() = {};
    Outcome o;
    o.status = routine(vxtest::as_parser(script), area, 0);
    o.msgs = vxtest::summary(vxtest::messages());
    o.command = vxtest::captured().command;
    return o;
}

// A fresh area that can hand out `room` more bytes.
stg_area_t *area_with_room(size_t room) {
    stg_area_t *area = stg_area_create();
    stg_alloc(area, 1);  // a cap of 0 would mean no cap at all
    stg_area_set_limit(area, stg_area_bytes_used(area) + room);
    return area;
}

// Runs `routine` in a fresh area, released afterwards: the record's own blocks are gone,
// only the texts the script handed out can still be read.
Outcome call_with_room(cmd_syntax_routine_t routine, ScriptedParser &script, size_t room = SIZE_MAX) {
    stg_area_t *area = room == SIZE_MAX ? stg_area_create() : area_with_room(room);
    const Outcome o = call_in(routine, script, area);
    stg_area_release(area);
    return o;
}

void add_codes(ScriptedParser &script, const std::vector<int32_t> &codes) {
    for (int32_t code : codes) script.flags.emplace_back(CLP_OK, code);
}

// ---- Every routine --------------------------------------------------------------

struct Routine {
    const char *name;
    cmd_syntax_routine_t routine;
    const char *usage_after_error;
    int32_t value_flag;  // a flag whose value the script leaves missing
    const char *missing_message;
};

const Routine kRoutines[] = {
    {"dumpoplog", vx_cmdsyn_dumpoplog, "U62", FLAG_INVOB, "E0"},
    {"lsexport", vx_cmdsyn_lsexport, "U56", FLAG_SINCE, "E50"},
    {"recoverpacket", vx_cmdsyn_recoverpacket, "U55", FLAG_COMMENT, "Etbs101"},
    {"lsepoch", vx_cmdsyn_lsepoch, "U65", FLAG_INVOB, "E0"},
    {"chepoch", vx_cmdsyn_chepoch, "U66", FLAG_CFILE, "Etbs101"},
};

class EveryRoutine : public testing::TestWithParam<Routine> {};

TEST_P(EveryRoutine, RefusedTableEndsAtOnceSilently) {
    ScriptedParser s;
    s.switch_result = 1;
    vxtest::add_args(s, {"r1"});
    const Outcome o = call_with_room(GetParam().routine, s);
    EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
    EXPECT_TRUE(o.msgs.empty());
    EXPECT_EQ(s.flag_calls, 0);
    EXPECT_NE(s.installed, nullptr);
}

TEST_P(EveryRoutine, RejectedLinePrintsOnlyTheUsage) {
    ScriptedParser s;
    s.flags.emplace_back(CLP_REJECTED, 0);
    const Outcome o = call_with_room(GetParam().routine, s);
    EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(o.msgs, std::vector<std::string>{GetParam().usage_after_error});
    EXPECT_EQ(o.command, "");
}

TEST_P(EveryRoutine, UnhandledCodeStopsTheLoopWithoutUsage) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_SITE, FLAG_SITE});
    vxtest::add_args(s, {"r1"});
    const Outcome o = call_with_room(GetParam().routine, s);
    EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(o.msgs, (std::vector<std::string>{"Etbs100", kInternal}));
    EXPECT_EQ(s.flags.size(), 1u);
    EXPECT_EQ(o.command, "");
}

TEST_P(EveryRoutine, UnhandledCodeAfterAMissingValueAddsTheUsage) {
    ScriptedParser s;
    vxtest::add_flags(s, {GetParam().value_flag, FLAG_SITE});
    const Outcome o = call_with_room(GetParam().routine, s);
    EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(o.msgs, (std::vector<std::string>{GetParam().missing_message, "Etbs100", kInternal,
                                                GetParam().usage_after_error}));
}

INSTANTIATE_TEST_SUITE_P(Packets, EveryRoutine, testing::ValuesIn(kRoutines), vxtest::RowName());

// lsexport has no comment group: a comment code reaching it is one its table lacks.
TEST(LsexportPaths, CommentCodeIsUnhandled) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_NCOMMENT});
    vxtest::add_args(s, {"r1"});
    const Outcome o = call_with_room(vx_cmdsyn_lsexport, s);
    EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(o.msgs, (std::vector<std::string>{"Etbs100", kInternal}));
}

// An operand that arrives as a NULL text ends the operands: none were given.
TEST(LsexportPaths, NullFirstOperandCountsAsNone) {
    ScriptedParser s;
    s.args.emplace_back(CLP_OK, nullptr);
    const Outcome o = call_with_room(vx_cmdsyn_lsexport, s);
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
        add_codes(s, c.codes);
        ASSERT_EQ(call_with_room(vx_cmdsyn_dumpoplog, s).status, 0);
        EXPECT_EQ(vxtest::record<vx_dumpoplog_args_t>().detail_level, c.detail_level);
    }
}

TEST(LsepochPaths, InvobRuleWinsOverActual) {
    ScriptedParser refused;
    refused.flags = {{CLP_OK, FLAG_ACTUAL}, {CLP_OK, FLAG_INVOB}};
    vxtest::add_args(refused, {"v", "r1"});
    EXPECT_EQ(call_with_room(vx_cmdsyn_lsepoch, refused).msgs, (std::vector<std::string>{"Etbs99(r1)", "U65"}));

    // -actual would ask for a replica; under -invob none is needed.
    ScriptedParser accepted;
    vxtest::add_flags(accepted, {FLAG_INVOB, FLAG_ACTUAL});
    vxtest::add_args(accepted, {"v"});
    ASSERT_EQ(call_with_room(vx_cmdsyn_lsepoch, accepted).status, 0);
    const auto rec = vxtest::record<vx_lsepoch_args_t>();
    EXPECT_EQ(vxtest::str(rec.invob), "v");
    EXPECT_EQ(rec.actual, 1);
    EXPECT_EQ(rec.replicas, nullptr);
}

TEST(ChepochPaths, ForceWithActualTakesTheActualForm) {
    ScriptedParser accepted;
    vxtest::add_flags(accepted, {FLAG_FORCE, FLAG_ACTUAL});
    vxtest::add_args(accepted, {"s1"});
    ASSERT_EQ(call_with_room(vx_cmdsyn_chepoch, accepted).status, 0);
    const auto rec = vxtest::record<vx_chepoch_args_t>();
    EXPECT_EQ(rec.force, 1);
    EXPECT_EQ(rec.actual, 1);
    EXPECT_EQ(vxtest::str(rec.epoch_row), "s1");

    ScriptedParser refused;
    vxtest::add_flags(refused, {FLAG_ACTUAL, FLAG_FORCE});
    vxtest::add_args(refused, {"s1", "r2=5"});
    EXPECT_EQ(call_with_room(vx_cmdsyn_chepoch, refused).msgs, (std::vector<std::string>{"Etbs99(r2=5)", "U66"}));
}

// ---- Deferred and immediate failures ------------------------------------------------

// With nothing left to read, every value flag the parser still delivers is reported in
// turn, and the usage follows once; a missing -limit ends the loop on the spot.
TEST(DumpoplogPaths, MissingValuesPileUpButAMissingLimitStopsAtOnce) {
    const struct {
        const char *name;
        std::vector<int32_t> codes;
        std::vector<std::string> msgs;
    } cases[] = {
        {"deferred",
         {FLAG_FROM, FLAG_TO, FLAG_VREPLICA, FLAG_SINCE, FLAG_INVOB},
         {"E6", "E6", "E43", "E50", "E0", "U62"}},
        {"limit_first", {FLAG_LIMIT, FLAG_INVOB, FLAG_SINCE}, {"E64", "U62"}},
        {"limit_after_deferred", {FLAG_SINCE, FLAG_LIMIT, FLAG_INVOB}, {"E50", "E64", "U62"}},
    };
    for (const auto &c : cases) {
        ScriptedParser s;
        add_codes(s, c.codes);
        const Outcome o = call_with_room(vx_cmdsyn_dumpoplog, s);
        EXPECT_EQ(o.status, CMD_SYNTAX_ERROR) << c.name;
        EXPECT_EQ(o.msgs, c.msgs) << c.name;
    }
}

// A missing comment is deferred like any missing value: later flags still run.
TEST(ChepochPaths, MissingCommentIsDeferred) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_COMMENT, FLAG_CFILE});
    const Outcome o = call_with_room(vx_cmdsyn_chepoch, s);
    EXPECT_EQ(o.msgs, (std::vector<std::string>{"Etbs101", "Etbs101", "U66"}));
}

// ---- Operands ---------------------------------------------------------------------

// Under -from or -to, only an operand actually handed out (result 0) is refused.
TEST(DumpoplogPaths, RangeGoesOnWhenTheExtraCheckFindsNoOperand) {
    ScriptedParser s;
    s.flags.emplace_back(CLP_OK, FLAG_FROM);
    vxtest::add_args(s, {"10"});
    s.args.emplace_back(CLP_REJECTED, "x");
    ASSERT_EQ(call_with_room(vx_cmdsyn_dumpoplog, s).status, 0);
    const auto rec = vxtest::record<vx_dumpoplog_args_t>();
    EXPECT_EQ(vxtest::str(rec.from_entry), "10");
    EXPECT_EQ(rec.entries, nullptr);
    EXPECT_EQ(rec.entry_count, 0);
}

TEST(ChepochPaths, PairsStopAtANullText) {
    ScriptedParser s;
    vxtest::add_args(s, {"r1", "a=1", nullptr, "b=2"});
    ASSERT_EQ(call_with_room(vx_cmdsyn_chepoch, s).status, 0);
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
    ASSERT_EQ(call_in(vx_cmdsyn_chepoch, s, area).status, 0);
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
        add_codes(s, c.codes);
        vxtest::add_args(s, {"r1", "r2=1"});
        const Outcome o = call_with_room(c.routine, s, 0);
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
        stg_area_t *area = area_with_room(room);
        const Outcome o = call_in(vx_cmdsyn_chepoch, s, area);
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
