// The settings, shipping-configuration and server-control routines on paths a real
// parser never takes, through a scripted parser.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

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

// Runs `routine` over `script` in a fresh area that can hand out `room` more bytes.
// The area of the last call stays alive until the next, so that the captured record's
// lists can still be read.
struct AreaReleaser {
    void operator()(stg_area_t *area) const { stg_area_release(area); }
};
std::unique_ptr<stg_area_t, AreaReleaser> g_last_area;

Outcome call_with_room(cmd_syntax_routine_t routine, ScriptedParser &script, size_t room) {
    g_last_area.reset(stg_area_create());
    stg_area_t *area = g_last_area.get();
    if (room != SIZE_MAX) {
        stg_alloc(area, 1);  // a cap of 0 would mean no cap at all
        stg_area_set_limit(area, stg_area_bytes_used(area) + room);
    }
    vxtest::clear_messages();
    vxtest::captured() = {};
    Outcome o;
    o.status = routine(vxtest::as_parser(script), area, 0);
    o.msgs = vxtest::summary(vxtest::messages());
    o.command = vxtest::captured().command;
    return o;
}

Outcome call(cmd_syntax_routine_t routine, ScriptedParser &script) { return call_with_room(routine, script, SIZE_MAX); }

void add_codes(ScriptedParser &script, const std::vector<int32_t> &codes) {
    for (int32_t code : codes) script.flags.emplace_back(CLP_OK, code);
}

const std::string kInternal = "Ufmt:internal error: Unrecognized option \"-mystery\"";

// ---- Every routine --------------------------------------------------------------

struct Routine {
    const char *name;
    cmd_syntax_routine_t routine;
    const char *usage_after_error;  // "" for chshipconfig, which prints nothing
};

const Routine kRoutines[] = {
    {"lssetting", vx_cmdsyn_lssetting, "U146"},
    {"chsetting", vx_cmdsyn_chsetting, "U147"},
    {"lsshipconfig", vx_cmdsyn_lsshipconfig, "U120"},
    {"syncserver", vx_cmdsyn_syncserver, "U143"},
    {"vxacl", vx_cmdsyn_vxacl, "U123"},
};

class SettingsEveryRoutine : public testing::TestWithParam<Routine> {};

TEST_P(SettingsEveryRoutine, RefusedTableEndsAtOnceSilently) {
    ScriptedParser s;
    s.switch_result = 1;
    vxtest::add_flags(s, {FLAG_SITE});
    const Outcome o = call(GetParam().routine, s);
    EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
    EXPECT_TRUE(o.msgs.empty()) << testing::PrintToString(o.msgs);
    EXPECT_EQ(s.flag_calls, 0);
    EXPECT_EQ(s.arg_calls, 0);
}

TEST_P(SettingsEveryRoutine, RejectedLinePrintsOnlyTheUsage) {
    for (int result : {1, 3, -1}) {
        ScriptedParser s;
        s.flags.emplace_back(result, 0);
        vxtest::add_args(s, {"operand"});
        const Outcome o = call(GetParam().routine, s);
        EXPECT_EQ(o.status, CMD_SYNTAX_ERROR) << result;
        EXPECT_EQ(o.msgs, std::vector<std::string>{GetParam().usage_after_error}) << result;
        EXPECT_EQ(o.command, "");
        EXPECT_EQ(s.arg_calls, 0) << "no operand is read after a rejected line";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsEveryRoutine, testing::ValuesIn(kRoutines), vxtest::RowName());

TEST(SettingsChshipconfigPaths, TouchesNeitherParserNorArea) {
    ScriptedParser s;
    s.switch_result = 1;
    vxtest::add_flags(s, {FLAG_SITE});
    const Outcome o = call_with_room(vx_cmdsyn_chshipconfig, s, 0);
    EXPECT_EQ(o.status, 0);
    EXPECT_TRUE(o.msgs.empty());
    EXPECT_EQ(s.installed, nullptr);
    EXPECT_EQ(s.flag_calls + s.arg_calls + s.subarg_calls, 0);
}

// ---- Codes a dispatch does not handle ---------------------------------------------

struct Unhandled {
    const char *name;
    cmd_syntax_routine_t routine;
    std::vector<int32_t> codes;
    std::vector<std::string> msgs;
};

class SettingsUnhandledCode : public testing::TestWithParam<Unhandled> {};

TEST_P(SettingsUnhandledCode, TakesTheUnrecognizedFlagPath) {
    ScriptedParser s;
    add_codes(s, GetParam().codes);
    vxtest::add_flags(s, {FLAG_SITE});  // never reached: the path ends the routine
    const Outcome o = call(GetParam().routine, s);
    EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(o.msgs, GetParam().msgs);
    EXPECT_EQ(o.command, "");
    EXPECT_EQ(s.flags.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsUnhandledCode,
    testing::Values(Unhandled{"lssetting", vx_cmdsyn_lssetting, {FLAG_VOB}, {"Etbs100", kInternal}},
                    Unhandled{"lssetting_after_error",
                              vx_cmdsyn_lssetting,
                              {FLAG_RGY, FLAG_VOB},
                              {"E125", "Etbs100", kInternal, "U146"}},
                    Unhandled{"chsetting", vx_cmdsyn_chsetting, {FLAG_INQUIRE}, {"Etbs100", kInternal}},
                    Unhandled{"chsetting_after_error",
                              vx_cmdsyn_chsetting,
                              {FLAG_PASSWORD, FLAG_HOST},
                              {"E45", "Etbs100", kInternal, "U147"}},
                    Unhandled{"lsshipconfig", vx_cmdsyn_lsshipconfig, {FLAG_ROUTE, FLAG_SET}, {"Etbs100", kInternal}},
                    Unhandled{"lsshipconfig_after_error",
                              vx_cmdsyn_lsshipconfig,
                              {FLAG_HOST, FLAG_FORCE},
                              {"E37", "Etbs100", kInternal, "U120"}}),
    vxtest::RowName());

// syncserver and vxacl pass over codes they do not handle and read on.
TEST(SettingsUnhandledCodeIgnored, SyncserverReadsOn) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_SITE, FLAG_INQUIRE, FLAG_GET, FLAG_ALL, FLAG_LONG});
    const Outcome o = call(vx_cmdsyn_syncserver, s);
    EXPECT_EQ(o.status, 0);
    EXPECT_TRUE(o.msgs.empty()) << testing::PrintToString(o.msgs);
    ASSERT_EQ(o.command, "syncserver");
    const auto rec = vxtest::record<vx_syncserver_args_t>();
    EXPECT_EQ(rec.all_vobs, 1);
    EXPECT_EQ(rec.set_manage_state, 0);
}

TEST(SettingsUnhandledCodeIgnored, VxaclReadsOn) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_VOB, FLAG_GET, FLAG_SITE, FLAG_FORCE});
    const Outcome o = call(vx_cmdsyn_vxacl, s);
    EXPECT_EQ(o.status, 0);
    EXPECT_TRUE(o.msgs.empty()) << testing::PrintToString(o.msgs);
    ASSERT_EQ(o.command, "vxacl");
    const auto rec = vxtest::record<vx_vxacl_args_t>();
    EXPECT_EQ(rec.acl_op, VX_ACL_GET);
    EXPECT_EQ(rec.force, 1);
}

TEST(SettingsUnhandledCodeIgnored, VxaclStillNeedsAnOperation) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_SITE, FLAG_ALL});
    EXPECT_EQ(call(vx_cmdsyn_vxacl, s).msgs, (std::vector<std::string>{"E124", "U123"}));
}

// ---- Deferred failures that the real parser cannot produce together ---------------

TEST(SettingsDeferredFailures, ChsettingReportsEveryMissingValueThenOneUsage) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_RGY, FLAG_PASSWORD, FLAG_SITE});
    const Outcome o = call(vx_cmdsyn_chsetting, s);
    EXPECT_EQ(o.msgs, (std::vector<std::string>{"E125", "E45", "U147"}));
    EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
}

TEST(SettingsDeferredFailures, LsshipconfigReportsBothMissingValuesAndTheStorageClass) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_HOST, FLAG_SCLASS, FLAG_RCPTPATH});
    const Outcome o = call(vx_cmdsyn_lsshipconfig, s);
    EXPECT_EQ(o.msgs, (std::vector<std::string>{"E37", "E28", "E28", "U120"}));
}

TEST(SettingsDeferredFailures, VxaclReadsTheFlagsAfterAMissingValue) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_SET, FLAG_HOST, FLAG_GET});
    const Outcome o = call(vx_cmdsyn_vxacl, s);
    EXPECT_EQ(o.msgs, (std::vector<std::string>{"E38", "E37", "U123"}));
    EXPECT_TRUE(s.flags.empty());
}

// lssetting reads its one operand before the error flag is tested; the operand read
// changes nothing about the failure.
TEST(SettingsDeferredFailures, LssettingReadsItsOperandBeforeTheErrorTest) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_SITE, FLAG_RGY});
    s.args.emplace_back(CLP_DONE, nullptr);  // -rgy finds nothing ...
    vxtest::add_args(s, {"name"});           // ... though the parser still hands out an operand
    const Outcome o = call(vx_cmdsyn_lssetting, s);
    EXPECT_EQ(o.msgs, (std::vector<std::string>{"E125", "U146"}));
    EXPECT_EQ(s.arg_calls, 2) << "the operand is read before the error flag is tested";
}

// ---- Two flags of one group reaching the routine ------------------------------------

TEST(SettingsOneGroup, SyncserverLaterModeStands) {
    struct Case {
        std::vector<int32_t> codes;
        int32_t nmanage, set_manage_state;
    };
    for (const Case &c :
         {Case{{FLAG_NMANAGE, FLAG_INQUIRE, FLAG_ALL}, 1, 0}, Case{{FLAG_INQUIRE, FLAG_NMANAGE, FLAG_ALL}, 1, 1}}) {
        ScriptedParser s;
        add_codes(s, c.codes);
        const Outcome o = call(vx_cmdsyn_syncserver, s);
        ASSERT_EQ(o.status, 0) << testing::PrintToString(o.msgs);
        const auto rec = vxtest::record<vx_syncserver_args_t>();
        EXPECT_EQ(rec.nmanage, c.nmanage);
        EXPECT_EQ(rec.set_manage_state, c.set_manage_state);
    }
}

TEST(SettingsOneGroup, SyncserverAllAfterVobKeepsTheTags) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_INQUIRE, FLAG_VOB, FLAG_ALL});
    s.subargs.emplace_back(CLP_OK, "t1");
    const Outcome o = call(vx_cmdsyn_syncserver, s);
    ASSERT_EQ(o.status, 0);
    const auto rec = vxtest::record<vx_syncserver_args_t>();
    EXPECT_EQ(rec.all_vobs, 1);
    EXPECT_EQ(vxtest::texts(rec.vobs, rec.vob_count), std::vector<std::string>{"t1"});
}

TEST(SettingsOneGroup, VxaclLaterOperationStands) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_SET, FLAG_GET, FLAG_EDIT});
    vxtest::add_args(s, {"p"});
    const Outcome o = call(vx_cmdsyn_vxacl, s);
    ASSERT_EQ(o.status, 0);
    const auto rec = vxtest::record<vx_vxacl_args_t>();
    EXPECT_EQ(rec.acl_op, VX_ACL_EDIT);
    EXPECT_EQ(vxtest::str(rec.acl_pname), "p") << "an earlier value is not cleared";
}

// ---- SettingsLists ------------------------------------------------------------------------

TEST(SettingsLists, SyncserverMissingTagEndsBeforeTheNextFlag) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_VOB, FLAG_SITE, FLAG_ALL});
    const Outcome o = call(vx_cmdsyn_syncserver, s);
    EXPECT_EQ(o.msgs, (std::vector<std::string>{"E31", "U143"}));
    EXPECT_EQ(s.flags.size(), 2u);
}

TEST(SettingsLists, ChsettingStopsAtANullText) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_SITE});
    vxtest::add_args(s, {"a=1", nullptr, "b"});
    const Outcome o = call(vx_cmdsyn_chsetting, s);
    ASSERT_EQ(o.status, 0) << testing::PrintToString(o.msgs);
    const auto rec = vxtest::record<vx_chsetting_args_t>();
    EXPECT_EQ(vxtest::texts(rec.settings, rec.setting_count), std::vector<std::string>{"a=1"});
}

TEST(SettingsLists, AnAreaThatCannotSupplyABlockFailsWithoutUsage) {
    {
        ScriptedParser s;
        vxtest::add_flags(s, {FLAG_SITE});
        vxtest::add_args(s, {"a=1"});
        const Outcome o = call_with_room(vx_cmdsyn_chsetting, s, 0);
        EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
        EXPECT_EQ(o.msgs, std::vector<std::string>{"Eshared:vx_cmdsyn:tbs39"});
        EXPECT_EQ(o.command, "");
    }
    {
        ScriptedParser s;
        vxtest::add_flags(s, {FLAG_NMANAGE, FLAG_VOB, FLAG_SITE});
        s.subargs.emplace_back(CLP_OK, "t1");
        const Outcome o = call_with_room(vx_cmdsyn_syncserver, s, 0);
        EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
        EXPECT_EQ(o.msgs, std::vector<std::string>{"Eshared:vx_cmdsyn:tbs39"});
        EXPECT_EQ(s.flags.size(), 1u) << "the routine ends at once";
    }
}

TEST(SettingsLists, SyncserverTagsPastTheFirstGrowthWhenTheAreaRunsOut) {
    // Room for the first block of 32 entries only: the 33rd tag needs a new block.
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_NMANAGE, FLAG_VOB});
    const std::vector<std::string> tags = vxtest::numbered("t", 33);
    for (const std::string &tag : tags) s.subargs.emplace_back(CLP_OK, tag.c_str());
    const Outcome o = call_with_room(vx_cmdsyn_syncserver, s, 32 * sizeof(const char *));
    EXPECT_EQ(o.msgs, std::vector<std::string>{"Eshared:vx_cmdsyn:tbs39"});
}

}  // namespace
