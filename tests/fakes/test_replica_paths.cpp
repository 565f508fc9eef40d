// Paths of the replica commands that a real parser never takes, through a scripted
// parser: two flags of one group, an operand list that ends on a NULL text, and areas
// that run dry.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "fakes/scripted_clp.h"
#include "libzornavx_cmdsyn.h"
#include "support/harness.h"
#include "support/param_names.h"
#include "vx_flag_codes.h"

namespace {

using vxtest::operator<<;
using vxtest::call;
using vxtest::kAnyRoom;
using vxtest::kNoMemory;
using vxtest::ScriptedParser;

// What an area hands out for a block of `bytes`: blocks come in 16-byte steps.
constexpr size_t block(size_t bytes) { return (bytes + 15) / 16 * 16; }
// The first block of an operand list: 32 entries.
constexpr size_t kFirstListBlock = block(32 * sizeof(const char *));

// ---- mkreplica --------------------------------------------------------------------

// -export -workdir w -out p, then the given operands.
void export_line(ScriptedParser &s, std::initializer_list<const char *> operands) {
    vxtest::add_flags(s, {FLAG_EXPORT, FLAG_WORKDIR, FLAG_OUT});
    vxtest::add_args(s, {"w", "p"});
    vxtest::add_args(s, operands);
}

// -import -workdir w -tag /t -vob v -preserve, then the given operands.
void import_line(ScriptedParser &s, std::initializer_list<const char *> operands) {
    vxtest::add_flags(s, {FLAG_IMPORT, FLAG_WORKDIR, FLAG_TAG, FLAG_VOB, FLAG_PRESERVE});
    vxtest::add_args(s, {"w", "/t", "v"});
    vxtest::add_args(s, operands);
}

TEST(MkreplicaPaths, TwoFlagsOfOneGroupLaterWins) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_IMPORT, FLAG_FSHIP, FLAG_EXPORT, FLAG_WORKDIR, FLAG_OUT});
    vxtest::add_args(s, {"w", "p", "h:r"});
    const auto o = call(vx_cmdsyn_mkreplica, s);
    ASSERT_EQ(o.status, 0) << testing::PrintToString(o.msgs);
    const auto rec = vxtest::record<vx_mkreplica_args_t>();
    EXPECT_EQ(rec.mode, 1);
    EXPECT_EQ(rec.ship_mode, 1) << "-out after -fship";
    EXPECT_EQ(rec.force_ship, 1) << "-fship's own flag is not cleared by -out";
}

// An operand list that ends on a NULL text leaves the words after it for the extra
// operand test.
TEST(MkreplicaPaths, WordAfterANullOperandIsUnexpected) {
    for (bool exporting : {true, false}) {
        ScriptedParser s;
        if (exporting) {
            export_line(s, {"h:r"});
        } else {
            import_line(s, {"pkt", "d1"});
        }
        s.args.emplace_back(CLP_OK, nullptr);
        s.args.emplace_back(CLP_OK, "stray");
        const auto o = call(vx_cmdsyn_mkreplica, s);
        EXPECT_EQ(o.status, CMD_SYNTAX_ERROR) << exporting;
        EXPECT_EQ(o.msgs, (std::vector<std::string>{"Etbs99(stray)", "U95"})) << exporting;
        EXPECT_EQ(o.command, "");
    }
}

TEST(MkreplicaPaths, NullFirstOperandMeansNoReplicaSpecification) {
    ScriptedParser s;
    export_line(s, {nullptr});
    const auto o = call(vx_cmdsyn_mkreplica, s);
    EXPECT_EQ(o.msgs, (std::vector<std::string>{"E11", "U95"}));
}

struct DryArea {
    const char *name;
    size_t room;
    std::vector<std::string> msgs;
};

class MkreplicaDryArea : public testing::TestWithParam<DryArea> {};

// Two targets: the operand list, then one block of pairs, then one copy per operand.
TEST_P(MkreplicaDryArea, ExportStopsWithoutTheUsage) {
    ScriptedParser s;
    export_line(s, {"h1:r1", "h2:r2"});
    const auto o = call(vx_cmdsyn_mkreplica, s, GetParam().room);
    EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(o.msgs, GetParam().msgs);
    EXPECT_EQ(o.command, "");
}

constexpr size_t kPairs = block(2 * sizeof(vx_replica_host_pair_t));
constexpr size_t kCopy = block(sizeof "h1:r1");

INSTANTIATE_TEST_SUITE_P(Limits, MkreplicaDryArea,
                         testing::Values(DryArea{"operand_list", kFirstListBlock - 1, kNoMemory},
                                         DryArea{"pairs", kFirstListBlock, kNoMemory},
                                         DryArea{"first_copy", kFirstListBlock + kPairs, kNoMemory},
                                         DryArea{"second_copy", kFirstListBlock + kPairs + kCopy, kNoMemory}),
                         vxtest::RowName());

TEST(MkreplicaPaths, ExportJustEnoughAreaSucceeds) {
    ScriptedParser s;
    export_line(s, {"h1:r1", "h2:r2"});
    const auto o = call(vx_cmdsyn_mkreplica, s, kFirstListBlock + kPairs + 2 * kCopy);
    ASSERT_EQ(o.status, 0) << testing::PrintToString(o.msgs);
    const auto rec = vxtest::record<vx_mkreplica_args_t>();
    ASSERT_EQ(rec.target_count, 2);
    EXPECT_STREQ(rec.targets[1].hostname, "h2");
    EXPECT_STREQ(rec.targets[1].replica_selector, "r2");
}

// A bad specification is reported before its copy is taken.
TEST(MkreplicaPaths, BadSpecificationBeforeItsCopy) {
    ScriptedParser s;
    export_line(s, {"h1:r1", "bad"});
    const auto o = call(vx_cmdsyn_mkreplica, s, kFirstListBlock + kPairs + kCopy);
    EXPECT_EQ(o.msgs, (std::vector<std::string>{"E12(bad)", "U95"}));
}

TEST(MkreplicaPaths, ImportSearchDirsFromADryArea) {
    ScriptedParser s;
    import_line(s, {"pkt", "d1"});
    const auto o = call(vx_cmdsyn_mkreplica, s, kFirstListBlock - 1);
    EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(o.msgs, kNoMemory);
}

TEST(MkreplicaPaths, MountOptionsFromADryArea) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_OPTIONS, FLAG_TAG});
    s.subargs.emplace_back(CLP_OK, "ro");
    s.subargs.emplace_back(CLP_OK, nullptr);
    const auto o = call(vx_cmdsyn_mkreplica, s, kFirstListBlock - 1);
    EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(o.msgs, kNoMemory);
    EXPECT_EQ(s.flags.size(), 1u) << "the loop stops at once";
}

// ---- Scripted lines of the replica routines ------------------------------------------------

struct Scripted {
    const char *name;
    cmd_syntax_routine_t routine;
    std::vector<int32_t> flags;
    std::vector<const char *> args;     // a nullptr stands for a NULL text with result 0
    std::vector<const char *> subargs;  // ended by a NULL text
    size_t room;                        // what the area can hand out
    std::vector<std::string> msgs;
    const char *command;  // "" when no command entry may be called
};

class ScriptedLine : public testing::TestWithParam<Scripted> {};

TEST_P(ScriptedLine, PrintsAndEnds) {
    const Scripted &c = GetParam();
    ScriptedParser s;
    vxtest::add_flags(s, c.flags);
    vxtest::add_args(s, c.args);
    vxtest::add_subargs(s, c.subargs);
    const auto o = call(c.routine, s, c.room);
    EXPECT_EQ(o.status, *c.command ? 0 : CMD_SYNTAX_ERROR);
    EXPECT_EQ(o.msgs, c.msgs);
    EXPECT_EQ(o.command, c.command);
}

INSTANTIATE_TEST_SUITE_P(
    Replica, ScriptedLine,
    testing::Values(
        // Two flags of one group reaching the routine: both handlers run.
        Scripted{"restorereplica_replace_and_override",
                 vx_cmdsyn_restorereplica,
                 {FLAG_REPLACE, FLAG_OVERRIDE},
                 {"r1"},
                 {},
                 kAnyRoom,
                 {"Etbs99(r1)", "U54"},
                 ""},
        Scripted{"syncreplica_out_then_receive",
                 vx_cmdsyn_syncreplica,
                 {FLAG_IMPORT, FLAG_OUT, FLAG_RECEIVE},
                 {"p"},
                 {},
                 kAnyRoom,
                 {},
                 "syncreplica"},
        Scripted{"syncreplica_receive_then_out",
                 vx_cmdsyn_syncreplica,
                 {FLAG_IMPORT, FLAG_RECEIVE, FLAG_OUT},
                 {"p"},
                 {},
                 kAnyRoom,
                 {"E9", "U144", "U145"},
                 ""},
        // Operand lists that end on a NULL text leave the words after them.
        Scripted{"syncreplica_export_stray",
                 vx_cmdsyn_syncreplica,
                 {FLAG_EXPORT, FLAG_SHIP},
                 {"r1", nullptr, "x"},
                 {},
                 kAnyRoom,
                 {"Etbs99(x)", "U144", "U145"},
                 ""},
        Scripted{"syncreplica_import_first_null",
                 vx_cmdsyn_syncreplica,
                 {FLAG_IMPORT},
                 {nullptr, "x"},
                 {},
                 kAnyRoom,
                 {"E13", "U144", "U145"},
                 ""},
        Scripted{"syncreplica_export_first_null",
                 vx_cmdsyn_syncreplica,
                 {FLAG_EXPORT, FLAG_SHIP},
                 {nullptr},
                 {},
                 kAnyRoom,
                 {"E14", "U144", "U145"},
                 ""},
        Scripted{"restorereplica_list_ends_early",
                 vx_cmdsyn_restorereplica,
                 {},
                 {"r1", nullptr, "x"},
                 {},
                 kAnyRoom,
                 {},
                 "restorereplica"},
        // Areas that run dry: the allocation report, no usage.
        Scripted{"syncreplica_replicas",
                 vx_cmdsyn_syncreplica,
                 {FLAG_EXPORT, FLAG_SHIP},
                 {"r1"},
                 {},
                 kFirstListBlock - 1,
                 kNoMemory,
                 ""},
        Scripted{"syncreplica_import_items",
                 vx_cmdsyn_syncreplica,
                 {FLAG_IMPORT},
                 {"pk"},
                 {},
                 kFirstListBlock - 1,
                 kNoMemory,
                 ""},
        Scripted{"syncreplica_oprange",
                 vx_cmdsyn_syncreplica,
                 {FLAG_OPRANGE, FLAG_NOTIFY},
                 {},
                 {"a=1", nullptr},
                 kFirstListBlock - 1,
                 kNoMemory,
                 ""},
        Scripted{"syncreplica_evlist",
                 vx_cmdsyn_syncreplica,
                 {FLAG_EVLIST, FLAG_NOTIFY},
                 {},
                 {"A=1", nullptr},
                 kFirstListBlock - 1,
                 kNoMemory,
                 ""},
        Scripted{
            "restorereplica_replicas", vx_cmdsyn_restorereplica, {}, {"r1"}, {}, kFirstListBlock - 1, kNoMemory, ""}),
    vxtest::RowName());

TEST(SyncreplicaPaths, LaterFlagOfTheShipGroupWins) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_IMPORT, FLAG_OUT, FLAG_RECEIVE});
    vxtest::add_args(s, {"p"});
    ASSERT_EQ(call(vx_cmdsyn_syncreplica, s).status, 0);
    const auto rec = vxtest::record<vx_syncreplica_args_t>();
    EXPECT_EQ(rec.ship_mode, 3);
    EXPECT_STREQ(rec.packet_file, "p") << "the -out value is not cleared";
}

TEST(ChreplicaPaths, LaterFlagOfEachGroupWins) {
    ScriptedParser s;
    vxtest::add_flags(
        s, {FLAG_PERMS_PRESERVE, FLAG_PRESERVE, FLAG_NCONNECTED, FLAG_ISCONNECTED, FLAG_CQUERY, FLAG_NCOMMENT});
    vxtest::add_args(s, {"r1"});
    ASSERT_EQ(call(vx_cmdsyn_chreplica, s).status, 0);
    const auto rec = vxtest::record<vx_chreplica_args_t>();
    EXPECT_EQ(rec.preserve, 1);
    EXPECT_EQ(rec.connected, 1);
    EXPECT_EQ(rec.comment.comment_kind, 2);
}

TEST(RestorereplicaPaths, ReplaceAndOverrideBothStoredWithoutOperands) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_OVERRIDE, FLAG_REPLACE});
    ASSERT_EQ(call(vx_cmdsyn_restorereplica, s).status, 0);
    const auto rec = vxtest::record<vx_restorereplica_args_t>();
    EXPECT_EQ(rec.replace, 1);
    EXPECT_EQ(rec.override, 1);
    EXPECT_EQ(rec.replicas, nullptr);
    EXPECT_EQ(s.arg_calls, 1) << "one look for an operand, no collection";
}

}  // namespace
