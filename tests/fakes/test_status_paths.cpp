// Paths of familysyncstatus, shipinfo, syncinfo and perfinfo that a real parser or real
// converters never take, through a scripted parser and a file-type converter that a
// test can make fail.

#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/capture.h"
#include "fakes/fake_filetype.h"
#include "fakes/scripted_clp.h"
#include "libzornatbs.h"
#include "libzornavx_cmdsyn.h"
#include "support/harness.h"
#include "support/param_names.h"
#include "vx_flag_codes.h"

namespace {

using vxtest::operator<<;
using vxtest::call;
using vxtest::kNoMemory;
using vxtest::ScriptedParser;
using vxtest::str;
using vxtest::texts;
using Msgs = std::vector<std::string>;

// ---- Two flags of one group reach the routine: the later one's effect stands -----------

TEST(StatusGroups, FamilysyncstatusLaterReportKindAndWindowStand) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_SUMMARY, FLAG_GENERATE, FLAG_SYNC_WINDOW, FLAG_SINCE});
    vxtest::add_args(s, {"48", "d", "vobA"});
    const auto o = call(vx_cmdsyn_familysyncstatus, s);
    ASSERT_EQ(o.status, 0) << testing::PrintToString(o.msgs);
    const auto rec = vxtest::record<vx_familysyncstatus_args_t>();
    EXPECT_EQ(rec.report_kind, VX_REPORT_GENERATE);
    EXPECT_EQ(str(rec.window), "d");
    EXPECT_EQ(rec.window_kind, VX_WINDOW_SINCE);
    EXPECT_EQ(rec.vob_count, 1u);
}

TEST(StatusGroups, FamilysyncstatusSyncWindowAfterSinceSetsItsKind) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_GENERATE, FLAG_SINCE, FLAG_SYNC_WINDOW});
    vxtest::add_args(s, {"d", "48"});
    ASSERT_EQ(call(vx_cmdsyn_familysyncstatus, s).status, 0);
    const auto rec = vxtest::record<vx_familysyncstatus_args_t>();
    EXPECT_EQ(str(rec.window), "48");
    EXPECT_EQ(rec.window_kind, VX_WINDOW_SYNC_WINDOW);
}

TEST(StatusGroups, ShipinfoReplicaAndHostBothStandLaterModeWins) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_REPLICA, FLAG_HOST, FLAG_EXPORT, FLAG_IMPORT});
    vxtest::add_args(s, {"r", "h"});
    ASSERT_EQ(call(vx_cmdsyn_shipinfo, s).status, 0);
    const auto rec = vxtest::record<vx_shipinfo_args_t>();
    EXPECT_EQ(str(rec.replica), "r");
    EXPECT_EQ(str(rec.host), "h");
    EXPECT_EQ(rec.mode, VX_MODE_IMPORT);
}

TEST(StatusGroups, SyncinfoUuidAfterJobKeepsTheJobsAndUserWithMeBothStand) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_JOB, FLAG_UUID, FLAG_HOST});
    s.subargs.emplace_back(CLP_OK, "12");
    s.subargs.emplace_back(CLP_OK, nullptr);
    vxtest::add_args(s, {"h"});
    ASSERT_EQ(call(vx_cmdsyn_syncinfo, s).status, 0);
    const auto rec = vxtest::record<vx_syncinfo_args_t>();
    EXPECT_EQ(texts(rec.jobs, rec.job_count), Msgs{"12"});
    EXPECT_EQ(str(rec.host), "h");

    ScriptedParser t;
    vxtest::add_flags(t, {FLAG_USER, FLAG_ME});
    vxtest::add_args(t, {"u"});
    ASSERT_EQ(call(vx_cmdsyn_syncinfo, t).status, 0);
    const auto rec2 = vxtest::record<vx_syncinfo_args_t>();
    EXPECT_EQ(str(rec2.user), "u");
    EXPECT_EQ(rec2.me, 1);
}

// ---- syncinfo -job ---------------------------------------------------------------

TEST(SyncinfoJobs, ResultsAfterTheFirstAreIgnoredUntilANullText) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_JOB});
    s.subargs.emplace_back(CLP_OK, "1");
    s.subargs.emplace_back(CLP_DONE, "2");  // a result of 2 after the first call does not end the list
    s.subargs.emplace_back(5, "3");
    s.subargs.emplace_back(CLP_OK, nullptr);
    ASSERT_EQ(call(vx_cmdsyn_syncinfo, s).status, 0);
    const auto rec = vxtest::record<vx_syncinfo_args_t>();
    EXPECT_EQ(texts(rec.jobs, rec.job_count), (Msgs{"1", "2", "3"}));
}

TEST(SyncinfoJobs, AListEndingWithoutClearingTheTextStillEnds) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_JOB});
    s.subargs.emplace_back(CLP_OK, "1");
    s.subargs.emplace_back(CLP_DONE, vxtest::kLeaveText);
    ASSERT_EQ(call(vx_cmdsyn_syncinfo, s).status, 0);
    const auto rec = vxtest::record<vx_syncinfo_args_t>();
    EXPECT_EQ(texts(rec.jobs, rec.job_count), Msgs{"1"});
}

TEST(SyncinfoJobs, NoFirstElementStopsAtOnce) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_REPLICA, FLAG_JOB, FLAG_STATE});  // -replica misses its value too
    const auto o = call(vx_cmdsyn_syncinfo, s);
    EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(o.msgs, (Msgs{"E43", "E76", "U80"}));
    EXPECT_EQ(s.flags.size(), 1u) << "-state is never read";
}

// ---- Allocation failures: tool-base 39 under this library's name, no usage ------------

TEST(StatusNoMemory, FamilysyncstatusOperandList) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_HEALTH});
    vxtest::add_args(s, {"vobA"});
    const auto o = call(vx_cmdsyn_familysyncstatus, s, 1);
    EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(o.msgs, kNoMemory);
    EXPECT_EQ(o.command, "");
}

TEST(StatusNoMemory, SyncinfoJobList) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_JOB, FLAG_HOST});
    s.subargs.emplace_back(CLP_OK, "12");
    const auto o = call(vx_cmdsyn_syncinfo, s, 1);
    EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(o.msgs, kNoMemory);
    EXPECT_EQ(s.flags.size(), 1u) << "the loop ends at the failure";
}

// ---- shipinfo's conversions ------------------------------------------------------

struct ShipinfoConversion {
    const char *name;
    int32_t scan_status;      // forced on the scan-direction converter (0: usual)
    int32_t filetype_status;  // forced on the file-type converter (0: usual)
    bool tracing;
    std::vector<std::pair<int32_t, const char *>> flags;  // code and its value (NULL: none left)
    int32_t status;
    Msgs msgs;
};

class ShipinfoConversions : public testing::TestWithParam<ShipinfoConversion> {};

TEST_P(ShipinfoConversions, ReportAsTheyShould) {
    const ShipinfoConversion &c = GetParam();
    ScriptedParser s;
    for (const auto &[code, value] : c.flags) {
        s.flags.emplace_back(CLP_OK, code);
        if (code == FLAG_EXPORT || code == FLAG_IMPORT) continue;
        s.args.emplace_back(value ? CLP_OK : CLP_DONE, value);
    }
    vxtest::force_scan_direction_status(c.scan_status);
    vxtest::force_filetype_status(c.filetype_status);
    vxtest::set_tracing(c.tracing);
    const auto o = call(vx_cmdsyn_shipinfo, s);
    vxtest::set_tracing(false);
    vxtest::force_filetype_status(0);
    vxtest::force_scan_direction_status(0);
    EXPECT_EQ(o.status, c.status);
    EXPECT_EQ(o.msgs, c.msgs);
    EXPECT_EQ(o.command, c.status == 0 ? "shipinfo" : "");
}

const std::string kStrerror77 = tbs_strerror(77);
const std::string kFiletypeTrace =
    "Rfmt:vx_cmdsyn_shipinfo:151: operation 'vxinfo_str_to_ship_filetype' failed: " + kStrerror77 + ".";
const std::string kScanTrace =
    "Rfmt:vx_cmdsyn_shipinfo:137: operation 'vx_cmd_utl_str_to_scan_direction' failed: " + kStrerror77 + ".";

INSTANTIATE_TEST_SUITE_P(
    Cases, ShipinfoConversions,
    testing::Values(
        ShipinfoConversion{"filetype_own_failure_untraced", 0, 77, false, {{FLAG_FILETYPE, "shorder"}}, 77, {}},
        ShipinfoConversion{
            "filetype_own_failure_traced", 0, 77, true, {{FLAG_FILETYPE, "shorder"}}, 77, {kFiletypeTrace}},
        ShipinfoConversion{
            "scan_own_failure_traced", 77, 0, true, {{FLAG_SCAN_DIRECTION, "forward"}}, 77, {kScanTrace}},
        // An earlier missing value is reported, but the converter's status still wins
        // and no usage follows.
        ShipinfoConversion{"own_failure_after_missing_value",
                           0,
                           77,
                           false,
                           {{FLAG_SCLASS, nullptr}, {FLAG_FILETYPE, "other"}, {FLAG_REPLICA, nullptr}},
                           77,
                           {"E28"}},
        ShipinfoConversion{"not_a_keyword_then_missing_value",
                           0,
                           1002,
                           false,
                           {{FLAG_FILETYPE, "other"}, {FLAG_HOST, nullptr}},
                           CMD_SYNTAX_ERROR,
                           {"U103", "E37", "U103"}},
        ShipinfoConversion{"missing_value_then_not_a_keyword",
                           1002,
                           0,
                           false,
                           {{FLAG_HOST, nullptr}, {FLAG_SCAN_DIRECTION, "forward"}},
                           CMD_SYNTAX_ERROR,
                           {"E37", "U103", "U103"}}),
    vxtest::RowName());

TEST(ShipinfoConversionsNoText, NothingIsConvertedAndTheValueIsMissing) {
    // A result of 0 without a text counts as no value: no converter call (a forced
    // failure would speak), each flag's required-value message, the usage once.
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_JOB, FLAG_SCAN_DIRECTION, FLAG_FILETYPE});
    vxtest::add_args(s, {"17", nullptr, nullptr});
    vxtest::force_scan_direction_status(77);
    vxtest::force_filetype_status(77);
    const auto o = call(vx_cmdsyn_shipinfo, s);
    vxtest::force_filetype_status(0);
    vxtest::force_scan_direction_status(0);
    EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(o.msgs, (Msgs{"E82", "E104", "U103"}));
}

}  // namespace
