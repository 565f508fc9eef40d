// Paths of the skeleton that a real parser never takes, through a scripted parser: once
// in every routine that installs a flag table, then the skeleton's own pieces.

#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/scripted_clp.h"
#include "libzornavx_cmdsyn.h"
#include "robust/slots.h"
#include "skeleton.h"
#include "support/harness.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;
using vxtest::call;
using vxtest::kUnrecognized;
using vxtest::ScriptedParser;
using Codes = std::vector<int32_t>;
using Msgs = std::vector<std::string>;

Msgs then(Msgs first, const Msgs &second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// ---- Every routine with a flag table ----------------------------------------------

struct Routine {
    const char *name;
    cmd_syntax_routine_t routine;
    Msgs usage;           // its usage after an error
    int32_t value_flag;   // a flag that reads a value
    std::string missing;  // that flag's required-value message
    Codes foreign;        // codes its dispatch refuses; none when it passes over them
};

const Routine kRoutines[] = {
    {"mkreplica", vx_cmdsyn_mkreplica, {"U95"}, FLAG_TAG, "E31", {FLAG_SITE}},
    {"syncreplica", vx_cmdsyn_syncreplica, {"U144", "U145"}, FLAG_NOTIFY, "E27", {FLAG_SITE}},
    {"chreplica", vx_cmdsyn_chreplica, {"U93"}, FLAG_HOST, "E37", {FLAG_SITE}},
    {"rmreplica", vx_cmdsyn_rmreplica, {"U59"}, FLAG_COMMENT, "Etbs101", {FLAG_FORCE}},
    {"restorereplica", vx_cmdsyn_restorereplica, {"U54"}, FLAG_INVOB, "E0", {FLAG_HOST}},
    {"mkrptype", vx_cmdsyn_mkrptype, {"U60"}, FLAG_SUPERTYPE, "E7", {FLAG_FILETYPE}},
    {"lspacket", vx_cmdsyn_lspacket, {"U142"}, FLAG_INVOB, "E0", {FLAG_SITE}},
    {"dumpoplog", vx_cmdsyn_dumpoplog, {"U62"}, FLAG_INVOB, "E0", {FLAG_SITE}},
    // lsexport has no comment group: a comment code is one its table lacks.
    {"lsexport", vx_cmdsyn_lsexport, {"U56"}, FLAG_SINCE, "E50", {FLAG_SITE, FLAG_NCOMMENT}},
    {"recoverpacket", vx_cmdsyn_recoverpacket, {"U55"}, FLAG_COMMENT, "Etbs101", {FLAG_SITE}},
    {"lsepoch", vx_cmdsyn_lsepoch, {"U65"}, FLAG_INVOB, "E0", {FLAG_SITE}},
    {"chepoch", vx_cmdsyn_chepoch, {"U66"}, FLAG_CFILE, "Etbs101", {FLAG_SITE}},
    {"lssetting", vx_cmdsyn_lssetting, {"U146"}, FLAG_RGY, "E125", {FLAG_VOB}},
    {"chsetting", vx_cmdsyn_chsetting, {"U147"}, FLAG_PASSWORD, "E45", {FLAG_INQUIRE, FLAG_HOST}},
    {"lsshipconfig", vx_cmdsyn_lsshipconfig, {"U120"}, FLAG_HOST, "E37", {FLAG_SET, FLAG_FORCE}},
    {"syncserver", vx_cmdsyn_syncserver, {"U143"}, FLAG_VOB, "E31", {}},
    {"vxacl", vx_cmdsyn_vxacl, {"U123"}, FLAG_SET, "E38", {}},
    {"familysyncstatus", vx_cmdsyn_familysyncstatus, {"U73"}, FLAG_REGION, "E47", {}},
    {"shipinfo", vx_cmdsyn_shipinfo, {"U103"}, FLAG_SCLASS, "E28", {}},
    {"syncinfo", vx_cmdsyn_syncinfo, {"U80"}, FLAG_STATE, "E83", {}},
    {"perfinfo", vx_cmdsyn_perfinfo, {"U107"}, FLAG_GRANULARITY, "E108", {}},
};

// The table holds every routine of the library that installs a flag table: all but
// help and man, apropos and chshipconfig.
TEST(EveryRoutineTable, HoldsEveryRoutineWithAFlagTable) {
    for (const vxrobust::NamedRoutine &named : vxrobust::kRoutines) {
        if (named.shared || named.routine == vx_cmdsyn_help || named.routine == vx_cmdsyn_man ||
            named.routine == vx_cmdsyn_apropos || named.routine == vx_cmdsyn_chshipconfig)
            continue;
        const bool held = std::any_of(std::begin(kRoutines), std::end(kRoutines),
                                      [&](const Routine &row) { return row.routine == named.routine; });
        EXPECT_TRUE(held) << named.name;
    }
}

class EveryRoutine : public testing::TestWithParam<Routine> {};

TEST_P(EveryRoutine, RefusedTableEndsAtOnceSilently) {
    ScriptedParser s;
    s.switch_result = 1;
    vxtest::add_flags(s, {GetParam().value_flag});
    vxtest::add_args(s, {"r1"});
    const auto o = call(GetParam().routine, s);
    EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
    EXPECT_TRUE(o.msgs.empty()) << testing::PrintToString(o.msgs);
    EXPECT_EQ(o.command, "");
    EXPECT_NE(s.installed, nullptr);
    EXPECT_EQ(s.flag_calls, 0);
    EXPECT_EQ(s.arg_calls, 0);
}

// A line the parser rejects has had its say: the routine adds its usage and reads no
// operand, whether the rejection comes first or after a flag it took.
TEST_P(EveryRoutine, RejectedLinePrintsOnlyTheUsage) {
    for (const bool after_a_flag : {false, true}) {
        for (const int result : {CLP_REJECTED, 3, -1}) {
            SCOPED_TRACE(testing::Message() << "result " << result << (after_a_flag ? ", after a flag" : ""));
            ScriptedParser s;
            if (after_a_flag) {
                vxtest::add_flags(s, {GetParam().value_flag});
                vxtest::add_subargs(s, {"value", nullptr});  // for a flag that reads a list
            }
            s.flags.emplace_back(result, 0);
            vxtest::add_args(s, {"value", "operand"});
            const auto o = call(GetParam().routine, s);
            EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
            EXPECT_EQ(o.msgs, GetParam().usage);
            EXPECT_EQ(o.command, "");
            ASSERT_FALSE(s.args.empty());
            EXPECT_STREQ(s.args.back().second, "operand") << "no operand is read after a rejected line";
            if (!after_a_flag) {
                EXPECT_EQ(s.arg_calls, 0);
            }
        }
    }
}

TEST_P(EveryRoutine, RejectedLineAfterAMissingValuePrintsTheUsageOnce) {
    ScriptedParser s;
    vxtest::add_flags(s, {GetParam().value_flag});
    s.flags.emplace_back(CLP_REJECTED, 0);
    const auto o = call(GetParam().routine, s);
    EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(o.msgs, then({GetParam().missing}, GetParam().usage));
}

INSTANTIATE_TEST_SUITE_P(Skeleton, EveryRoutine, testing::ValuesIn(kRoutines), vxtest::RowName());

// Most routines end at a code their dispatch does not handle: the tool-base message
// and the flag's name, the usage only when an error came before.
class ForeignCodeRefused : public testing::TestWithParam<Routine> {};

TEST_P(ForeignCodeRefused, TakesTheUnrecognizedFlagPath) {
    for (const int32_t foreign : GetParam().foreign) {
        SCOPED_TRACE(foreign);
        ScriptedParser clean;
        vxtest::add_flags(clean, {GetParam().value_flag, foreign, GetParam().value_flag});
        vxtest::add_args(clean, {"value", "operand"});
        const auto o = call(GetParam().routine, clean);
        EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
        EXPECT_EQ(o.msgs, (Msgs{"Etbs100", kUnrecognized}));
        EXPECT_EQ(o.command, "");
        EXPECT_EQ(clean.flags.size(), 1u) << "the loop stops at the foreign code";

        ScriptedParser after_error;
        vxtest::add_flags(after_error, {GetParam().value_flag, foreign});
        const auto late = call(GetParam().routine, after_error);
        EXPECT_EQ(late.status, CMD_SYNTAX_ERROR);
        EXPECT_EQ(late.msgs, then({GetParam().missing, "Etbs100", kUnrecognized}, GetParam().usage));
    }
}

std::vector<Routine> refusing_foreign_codes() {
    std::vector<Routine> rows;
    for (const Routine &row : kRoutines)
        if (!row.foreign.empty()) rows.push_back(row);
    return rows;
}
INSTANTIATE_TEST_SUITE_P(Skeleton, ForeignCodeRefused, testing::ValuesIn(refusing_foreign_codes()), vxtest::RowName());

// The other routines pass over foreign codes, read no value for them and go on: had
// one of them taken the value, the known flag would report it missing.
struct SkippedForeign {
    const char *name;
    cmd_syntax_routine_t routine;
    Codes known;        // after the foreign codes
    const char *value;  // what the last of them reads, if it reads a value
};

class ForeignCodeSkipped : public testing::TestWithParam<SkippedForeign> {};

TEST_P(ForeignCodeSkipped, ReadsNoValueAndGoesOn) {
    ScriptedParser s;
    // Codes of other commands' flags, and one that no table holds.
    vxtest::add_flags(s, {FLAG_SITE, FLAG_COMMENT, 9999});
    vxtest::add_flags(s, GetParam().known);
    if (GetParam().value != nullptr) vxtest::add_args(s, {GetParam().value});
    const auto o = call(GetParam().routine, s);
    EXPECT_EQ(o.status, 0) << testing::PrintToString(o.msgs);
    EXPECT_TRUE(o.msgs.empty()) << testing::PrintToString(o.msgs);
    EXPECT_EQ(o.command, GetParam().name);
    EXPECT_TRUE(s.flags.empty()) << "the loop went on after the foreign codes";
}

INSTANTIATE_TEST_SUITE_P(
    Skeleton, ForeignCodeSkipped,
    testing::Values(SkippedForeign{"familysyncstatus", vx_cmdsyn_familysyncstatus, {FLAG_GENERATE, FLAG_SINCE}, "d"},
                    SkippedForeign{"shipinfo", vx_cmdsyn_shipinfo, {FLAG_SCLASS}, "c"},
                    SkippedForeign{"syncinfo", vx_cmdsyn_syncinfo, {FLAG_STATE}, "active"},
                    SkippedForeign{"perfinfo", vx_cmdsyn_perfinfo, {FLAG_GRANULARITY}, "days"},
                    SkippedForeign{"syncserver", vx_cmdsyn_syncserver, {FLAG_INQUIRE, FLAG_ALL}, nullptr},
                    SkippedForeign{"vxacl", vx_cmdsyn_vxacl, {FLAG_GET, FLAG_HOST}, "h"}),
    vxtest::RowName());

// Missing values are deferred: with nothing left to read, every value flag the parser
// still delivers is reported in turn, and the usage follows once. A real parser leaves
// only the last value flag without its value; a missing -limit ends the loop on the spot.
struct Deferred {
    const char *name;
    cmd_syntax_routine_t routine;
    Codes codes;
    Msgs msgs;
};

class DeferredFailures : public testing::TestWithParam<Deferred> {};

TEST_P(DeferredFailures, PileUpThenOneUsage) {
    ScriptedParser s;
    vxtest::add_flags(s, GetParam().codes);
    const auto o = call(GetParam().routine, s);
    EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(o.msgs, GetParam().msgs);
    EXPECT_EQ(o.command, "");
}

INSTANTIATE_TEST_SUITE_P(
    Skeleton, DeferredFailures,
    testing::Values(
        Deferred{"mkreplica",
                 vx_cmdsyn_mkreplica,
                 {FLAG_RPTYPE, FLAG_TAG, FLAG_VOB, FLAG_STGLOC, FLAG_VREPLICA, FLAG_HOST, FLAG_HPATH, FLAG_GPATH,
                  FLAG_REGION, FLAG_OUT, FLAG_WORKDIR, FLAG_MAXSIZE, FLAG_PASSWORD, FLAG_TCOMMENT, FLAG_NOTIFY,
                  FLAG_SCLASS, FLAG_PEXPIRE, FLAG_CFILE},
                 {"E5", "E31", "E0", "E70", "E41", "E37", "E38", "E38", "E47", "E10", "E35", "E42", "E45", "E46", "E27",
                  "E28", "E29", "Etbs101", "U95"}},
        Deferred{"syncreplica",
                 vx_cmdsyn_syncreplica,
                 {FLAG_INVOB, FLAG_OUT, FLAG_MAXSIZE, FLAG_NOTIFY, FLAG_SCLASS, FLAG_PEXPIRE, FLAG_COMMENT},
                 {"E0", "E10", "E42", "E27", "E28", "E29", "Etbs101", "U144", "U145"}},
        Deferred{"chreplica",
                 vx_cmdsyn_chreplica,
                 {FLAG_HOST, FLAG_INCARNATION, FLAG_INREPLICA, FLAG_RENAME},
                 {"E37", "E50", "E126", "E91", "E43", "U93"}},
        Deferred{"rmreplica", vx_cmdsyn_rmreplica, {FLAG_COMMENT, FLAG_CFILE}, {"Etbs101", "Etbs101", "E40", "U59"}},
        Deferred{"restorereplica", vx_cmdsyn_restorereplica, {FLAG_INVOB, FLAG_CFILE}, {"E0", "Etbs101", "U54"}},
        Deferred{"mkrptype", vx_cmdsyn_mkrptype, {FLAG_SUPERTYPE, FLAG_CFILE}, {"E7", "Etbs101", "E1", "U60"}},
        Deferred{"dumpoplog",
                 vx_cmdsyn_dumpoplog,
                 {FLAG_FROM, FLAG_TO, FLAG_VREPLICA, FLAG_SINCE, FLAG_INVOB},
                 {"E6", "E6", "E43", "E50", "E0", "U62"}},
        Deferred{"dumpoplog_limit_first", vx_cmdsyn_dumpoplog, {FLAG_LIMIT, FLAG_INVOB, FLAG_SINCE}, {"E64", "U62"}},
        Deferred{"dumpoplog_limit_after_deferred",
                 vx_cmdsyn_dumpoplog,
                 {FLAG_SINCE, FLAG_LIMIT, FLAG_INVOB},
                 {"E50", "E64", "U62"}},
        Deferred{"chepoch", vx_cmdsyn_chepoch, {FLAG_COMMENT, FLAG_CFILE}, {"Etbs101", "Etbs101", "U66"}},
        Deferred{"chsetting", vx_cmdsyn_chsetting, {FLAG_RGY, FLAG_PASSWORD, FLAG_SITE}, {"E125", "E45", "U147"}},
        Deferred{"lsshipconfig",
                 vx_cmdsyn_lsshipconfig,
                 {FLAG_HOST, FLAG_SCLASS, FLAG_RCPTPATH},
                 {"E37", "E28", "E28", "U120"}},
        Deferred{"familysyncstatus",
                 vx_cmdsyn_familysyncstatus,
                 {FLAG_REGION, FLAG_TIME_UNITS, FLAG_SINCE, FLAG_SYNC_WINDOW},
                 {"E47", "E50", "E121", "U73"}},
        Deferred{"shipinfo",
                 vx_cmdsyn_shipinfo,
                 {FLAG_REPLICA, FLAG_HOST, FLAG_JOB, FLAG_SIBLING, FLAG_STARTSCAN, FLAG_ENDSCAN, FLAG_SCAN_DIRECTION,
                  FLAG_FILETYPE, FLAG_SCLASS},
                 {"E43", "E37", "E76", "E43", "E50", "E50", "E82", "E104", "E28", "U103"}},
        Deferred{"syncinfo",
                 vx_cmdsyn_syncinfo,
                 {FLAG_REPLICA, FLAG_HOST, FLAG_USER, FLAG_SIBLING, FLAG_STARTSCAN, FLAG_ENDSCAN, FLAG_SCAN_DIRECTION,
                  FLAG_LAST, FLAG_STATE},
                 {"E43", "E37", "E81", "E43", "E50", "E50", "E82", "E83", "U80"}},
        Deferred{"perfinfo",
                 vx_cmdsyn_perfinfo,
                 {FLAG_REPLICA, FLAG_HOST, FLAG_SIBLING, FLAG_STARTSCAN, FLAG_ENDSCAN, FLAG_GRANULARITY},
                 {"E43", "E37", "E43", "E50", "E50", "E108", "U107"}}),
    vxtest::RowName());

// ---- The skeleton's own pieces ------------------------------------------------------

TEST(SkeletonPaths, TwoFlagsOfOneGroupRunInOrderLaterWins) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_LONG, FLAG_SHORT});
    const auto o = call(vx_cmdsyn_lspacket, s);
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(vxtest::record<vx_lspacket_args_t>().detail_level, 1);
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
    vxtest::add_args(s, {"p1", nullptr, "p3"});
    const auto o = call(vx_cmdsyn_lspacket, s);
    EXPECT_EQ(o.status, 0);
    const auto rec = vxtest::record<vx_lspacket_args_t>();
    EXPECT_EQ(vxtest::texts(rec.packets, rec.packet_count), std::vector<std::string>{"p1"});
}

TEST(SkeletonPaths, ListValueThatEndsWithoutClearingTheTextStillEnds) {
    ScriptedParser s;
    vxtest::add_subargs(s, {"a", "b"});
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
