// The settings, shipping-configuration and server-control routines on paths a real
// parser never takes, through a scripted parser.

#include <gtest/gtest.h>

#include <cstdint>

#include "fakes/scripted_clp.h"
#include "libzornavx_cmdsyn.h"
#include "support/harness.h"
#include "vx_flag_codes.h"

namespace {

using vxtest::call;
using vxtest::kNoMemory;
using vxtest::ScriptedParser;

TEST(SettingsChshipconfigPaths, TouchesNeitherParserNorArea) {
    ScriptedParser s;
    s.switch_result = 1;
    vxtest::add_flags(s, {FLAG_SITE});
    const auto o = call(vx_cmdsyn_chshipconfig, s, 0);
    EXPECT_EQ(o.status, 0);
    EXPECT_TRUE(o.msgs.empty());
    EXPECT_EQ(s.installed, nullptr);
    EXPECT_EQ(s.flag_calls + s.arg_calls + s.subarg_calls, 0);
}

// ---- Codes a dispatch does not handle ---------------------------------------------

// syncserver and vxacl pass over codes they do not handle (the skeleton's table shows
// it for every such routine): the known flags around them still reach the record.
TEST(SettingsUnhandledCodeIgnored, SyncserverReadsOn) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_SITE, FLAG_INQUIRE, FLAG_GET, FLAG_ALL, FLAG_LONG});
    const auto o = call(vx_cmdsyn_syncserver, s);
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
    const auto o = call(vx_cmdsyn_vxacl, s);
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

TEST(SettingsDeferredFailures, VxaclReadsTheFlagsAfterAMissingValue) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_SET, FLAG_HOST, FLAG_GET});
    const auto o = call(vx_cmdsyn_vxacl, s);
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
    const auto o = call(vx_cmdsyn_lssetting, s);
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
        vxtest::add_flags(s, c.codes);
        const auto o = call(vx_cmdsyn_syncserver, s);
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
    const auto o = call(vx_cmdsyn_syncserver, s);
    ASSERT_EQ(o.status, 0);
    const auto rec = vxtest::record<vx_syncserver_args_t>();
    EXPECT_EQ(rec.all_vobs, 1);
    EXPECT_EQ(vxtest::texts(rec.vobs, rec.vob_count), std::vector<std::string>{"t1"});
}

TEST(SettingsOneGroup, VxaclLaterOperationStands) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_SET, FLAG_GET, FLAG_EDIT});
    vxtest::add_args(s, {"p"});
    const auto o = call(vx_cmdsyn_vxacl, s);
    ASSERT_EQ(o.status, 0);
    const auto rec = vxtest::record<vx_vxacl_args_t>();
    EXPECT_EQ(rec.acl_op, VX_ACL_EDIT);
    EXPECT_EQ(vxtest::str(rec.acl_pname), "p") << "an earlier value is not cleared";
}

// ---- SettingsLists ------------------------------------------------------------------------

TEST(SettingsLists, SyncserverMissingTagEndsBeforeTheNextFlag) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_VOB, FLAG_SITE, FLAG_ALL});
    const auto o = call(vx_cmdsyn_syncserver, s);
    EXPECT_EQ(o.msgs, (std::vector<std::string>{"E31", "U143"}));
    EXPECT_EQ(s.flags.size(), 2u);
}

TEST(SettingsLists, ChsettingStopsAtANullText) {
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_SITE});
    vxtest::add_args(s, {"a=1", nullptr, "b"});
    const auto o = call(vx_cmdsyn_chsetting, s);
    ASSERT_EQ(o.status, 0) << testing::PrintToString(o.msgs);
    const auto rec = vxtest::record<vx_chsetting_args_t>();
    EXPECT_EQ(vxtest::texts(rec.settings, rec.setting_count), std::vector<std::string>{"a=1"});
}

TEST(SettingsLists, AnAreaThatCannotSupplyABlockFailsWithoutUsage) {
    {
        ScriptedParser s;
        vxtest::add_flags(s, {FLAG_SITE});
        vxtest::add_args(s, {"a=1"});
        const auto o = call(vx_cmdsyn_chsetting, s, 0);
        EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
        EXPECT_EQ(o.msgs, kNoMemory);
        EXPECT_EQ(o.command, "");
    }
    {
        ScriptedParser s;
        vxtest::add_flags(s, {FLAG_NMANAGE, FLAG_VOB, FLAG_SITE});
        s.subargs.emplace_back(CLP_OK, "t1");
        const auto o = call(vx_cmdsyn_syncserver, s, 0);
        EXPECT_EQ(o.status, CMD_SYNTAX_ERROR);
        EXPECT_EQ(o.msgs, kNoMemory);
        EXPECT_EQ(s.flags.size(), 1u) << "the routine ends at once";
    }
}

TEST(SettingsLists, SyncserverTagsPastTheFirstGrowthWhenTheAreaRunsOut) {
    // Room for the first block of 32 entries only: the 33rd tag needs a new block.
    ScriptedParser s;
    vxtest::add_flags(s, {FLAG_NMANAGE, FLAG_VOB});
    const std::vector<std::string> tags = vxtest::numbered("t", 33);
    for (const std::string &tag : tags) s.subargs.emplace_back(CLP_OK, tag.c_str());
    const auto o = call(vx_cmdsyn_syncserver, s, 32 * sizeof(const char *));
    EXPECT_EQ(o.msgs, kNoMemory);
}

}  // namespace
