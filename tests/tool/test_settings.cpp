// The settings, shipping-configuration and server-control commands through the tool:
// exit status, the record line and the messages, as a user sees them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/param_names.h"
#include "vexar_run.h"

namespace vxtest {
namespace {

using vxtest::operator<<;

const std::string kLssettingUsage = CatalogText(MSG_USAGE_LSSETTING);
const std::string kChsettingUsage = CatalogText(MSG_USAGE_CHSETTING);
const std::string kLsshipconfigUsage = CatalogText(MSG_USAGE_LSSHIPCONFIG);
const std::string kSyncserverUsage = CatalogText(MSG_USAGE_SYNCSERVER);
const std::string kVxaclUsage = CatalogText(MSG_USAGE_VXACL);

// An error message as the tool prints it, followed by more lines verbatim.
std::string error(const std::string &text) { return kErrorPrefix + text; }
std::string unexpected(const std::string &word) { return error("Unexpected argument: \"" + word + "\"\n"); }

struct Case {
    const char *label;
    std::vector<std::string> args;
    int status;
    std::string out;  // the record line, compacted; "" for none
    std::string err;
};

const Case kCases[] = {
    // lssetting
    {"lssetting_site_long_name",
     {"lssetting", "-site", "-long", "name"},
     0,
     R"({"command":"lssetting","record_version":1,"scope":4,"rgy_host":null,"setting_name":"name",)"
     R"("rgy_given":0,"inquire":0,"long_form":1})",
     ""},
    {"lssetting_rgy_inquire",
     {"lssetting", "-rgy", "hostA", "-sit", "-inq"},
     0,
     R"({"command":"lssetting","record_version":1,"scope":4,"rgy_host":"hostA","setting_name":null,)"
     R"("rgy_given":1,"inquire":1,"long_form":0})",
     ""},
    {"lssetting_no_site", {"lssetting"}, 2, "", error("Invalid flag combination.\n") + kLssettingUsage},
    {"lssetting_rgy_last",
     {"lssetting", "-site", "-rgy"},
     2,
     "",
     error("Must specify registry server hostname\n") + kLssettingUsage},
    {"lssetting_second_name", {"lssetting", "-site", "nameA", "nameB"}, 2, "", unexpected("nameB") + kLssettingUsage},
    // chsetting: the password never appears as typed
    {"chsetting_everything",
     {"chsetting", "-site", "-rgy", "h", "-password", "s3cret", "-unset_all", "a=1", "b="},
     0,
     R"({"command":"chsetting","record_version":1,"scope":4,"unset_all":1,"rgy_host":"h","password":"***",)"
     R"("rgy_given":1,"setting_count":2,"settings":["a=1","b="]})",
     ""},
    {"chsetting_site_alone",
     {"chsetting", "-site"},
     0,
     R"({"command":"chsetting","record_version":1,"scope":4,"unset_all":0,"rgy_host":null,"password":null,)"
     R"("rgy_given":0,"setting_count":0,"settings":null})",
     ""},
    {"chsetting_no_equals",
     {"chsetting", "-site", "a=1", "b"},
     2,
     "",
     error("Invalid setting/value combination!\n") + kChsettingUsage},
    {"chsetting_password_last",
     {"chsetting", "-site", "-password"},
     2,
     "",
     error("Password required.\n") + kChsettingUsage},
    // lsshipconfig: -notify is the record's last word
    {"lsshipconfig_nothing",
     {"lsshipconfig"},
     0,
     R"({"command":"lsshipconfig","record_version":0,"host":null,"sclass":null,"list_stgpath":0,)"
     R"("list_rtnpath":0,"list_rcptpath":0,"list_pexpire":0,"list_route":0,"list_admin":0,"list_maxsize":0,)"
     R"("list_timeout":0,"list_maxport":0,"list_minport":0,"list_notify":0})",
     ""},
    {"lsshipconfig_items",
     {"lsshipconfig", "-host", "h", "-sclass", "c", "-stgpath", "-notify", "-maxport"},
     0,
     R"({"command":"lsshipconfig","record_version":0,"host":"h","sclass":"c","list_stgpath":1,)"
     R"("list_rtnpath":0,"list_rcptpath":0,"list_pexpire":0,"list_route":0,"list_admin":0,"list_maxsize":0,)"
     R"("list_timeout":0,"list_maxport":1,"list_minport":0,"list_notify":1})",
     ""},
    {"lsshipconfig_sclass_twice",
     {"lsshipconfig", "-pexpire", "-sclass"},
     2,
     "",
     error("Storage class name required.\n") + error("Storage class name required.\n") + kLsshipconfigUsage},
    {"lsshipconfig_extra", {"lsshipconfig", "-route", "extra"}, 2, "", unexpected("extra") + kLsshipconfigUsage},
    // chshipconfig: nothing at all
    {"chshipconfig_anything", {"chshipconfig", "-sclass", "c", "-new", "x"}, 0, "", ""},
    {"chshipconfig_help", {"help", "chshipconfig"}, 0, "", ""},
    // syncserver
    {"syncserver_nmanage_tags",
     {"syncserver", "-nmanage", "-vob", "t1,t2"},
     0,
     R"({"command":"syncserver","record_version":0,"vob_count":2,"vobs":["t1","t2"],"nmanage":1,)"
     R"("set_manage_state":1,"all_vobs":0})",
     ""},
    {"syncserver_inquire_all",
     {"syncserver", "-inquire", "-all"},
     0,
     R"({"command":"syncserver","record_version":0,"vob_count":0,"vobs":null,"nmanage":0,)"
     R"("set_manage_state":0,"all_vobs":1})",
     ""},
    {"syncserver_no_mode",
     {"syncserver", "-all"},
     2,
     "",
     error("Must specify one of -manage, -nmanage or -inquire.\n") + kSyncserverUsage},
    {"syncserver_no_tag", {"syncserver", "-vob"}, 2, "", error("Must specify VOB mount tag.\n") + kSyncserverUsage},
    {"syncserver_second_word",
     {"syncserver", "-inquire", "-vob", "t1", "t2"},
     2,
     "",
     unexpected("t2") + kSyncserverUsage},
    // vxacl
    {"vxacl_set",
     {"vxacl", "-set", "acl", "-force", "-host", "h"},
     0,
     R"({"command":"vxacl","record_version":0,"host":"h","acl_op":2,"acl_pname":"acl","force":1})",
     ""},
    {"vxacl_nothing", {"vxacl"}, 2, "", error("Must specify one of -get, -edit, or -set.\n") + kVxaclUsage},
    {"vxacl_set_last", {"vxacl", "-set"}, 2, "", error("Pathname required.\n") + kVxaclUsage},
    {"vxacl_extra", {"vxacl", "-get", "extra"}, 2, "", unexpected("extra") + kVxaclUsage},
};

class Settings : public testing::TestWithParam<Case> {};

TEST_P(Settings, ExitRecordAndMessages) {
    const Case &c = GetParam();
    const ProcessResult r = RunVexar(c.args);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(CompactRecordLines(r.out), c.out.empty() || c.out.back() == '\n' ? c.out : c.out + "\n");
    EXPECT_EQ(r.err, c.err);
}

INSTANTIATE_TEST_SUITE_P(Tool, Settings, testing::ValuesIn(kCases), vxtest::RowName());

// Refusals of the parser: its message names the word, then the usage once.
const RefusedCase kParserRefusals[] = {
    {"lssetting_one_group", {"lssetting", "-site", "-inquire", "-long"}, {}, {"inquire", "long"}, kLssettingUsage},
    {"chsetting_no_such_flag", {"chsetting", "-site", "-host", "h"}, {}, {"-host"}, kChsettingUsage},
    {"lsshipconfig_no_such_flag", {"lsshipconfig", "-rcpt"}, {}, {"-rcpt"}, kLsshipconfigUsage},
    {"syncserver_one_group",
     {"syncserver", "-nmanage", "-inquire", "-all"},
     {},
     {"nmanage", "inquire"},
     kSyncserverUsage},
    {"vxacl_one_group", {"vxacl", "-get", "-edit"}, {}, {"get", "edit"}, kVxaclUsage},
};

class SettingsParser : public testing::TestWithParam<RefusedCase> {};

TEST_P(SettingsParser, RefusalsNameTheWordThenTheUsage) { ExpectRefused(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Tool, SettingsParser, testing::ValuesIn(kParserRefusals), vxtest::RowName());

}  // namespace
}  // namespace vxtest
