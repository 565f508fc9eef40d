// The synchronization-status commands through the tool, reached by their full names:
// exit status, the record line and the messages, as a user sees them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/param_names.h"
#include "vexar_run.h"

namespace vxtest {
namespace {

using vxtest::operator<<;

const std::string kFamilysyncstatusUsage = CatalogText(MSG_USAGE_FAMILYSYNCSTATUS);
const std::string kShipinfoUsage = CatalogText(MSG_USAGE_SHIPINFO);
const std::string kSyncinfoUsage = CatalogText(MSG_USAGE_SYNCINFO);
const std::string kPerfinfoUsage = CatalogText(MSG_USAGE_PERFINFO);

std::string error(const std::string &text) { return kErrorPrefix + text; }
std::string unexpected(const std::string &word) { return error("Unexpected argument: \"" + word + "\"\n"); }

struct Case {
    const char *label;
    std::vector<std::string> args;
    int status;
    std::string out;  // the record line, compacted; "" for none
    std::string err;
    const char *command_status = nullptr;  // VX_CMD_STATUS for the command entry
};

const Case kCases[] = {
    // familysyncstatus
    {"familysyncstatus_epochdiff",
     {"familysyncstatus", "-epochdiff", "-time_units", "minutes", "-long", "-region", "r", "vobA", "vobB"},
     0,
     R"({"command":"familysyncstatus","record_version":0,"report_kind":3,"time_units":"minutes","long_form":1,)"
     R"("window_kind":0,"window":null,"region":"r","vobs":["vobA","vobB"],"vob_count":2})",
     ""},
    {"familysyncstatus_generate_sync_window",
     {"familysyncstatus", "-gen", "-syn", "48"},
     0,
     R"({"command":"familysyncstatus","record_version":0,"report_kind":4,"time_units":null,"long_form":0,)"
     R"("window_kind":1,"window":"48","region":null,"vobs":null,"vob_count":0})",
     ""},
    {"familysyncstatus_summary_bare_time_units",
     {"familysyncstatus", "-summary", "-time_units"},
     0,
     R"({"command":"familysyncstatus","record_version":0,"report_kind":1,"time_units":null,"long_form":0,)"
     R"("window_kind":0,"window":null,"region":null,"vobs":null,"vob_count":0})",
     ""},
    {"familysyncstatus_nothing",
     {"familysyncstatus"},
     2,
     "",
     error("Must specify one of '-summary', '-health', '-epochdiff' or '-generate'.\n") + kFamilysyncstatusUsage},
    {"familysyncstatus_summary_long",
     {"familysyncstatus", "-summary", "-long"},
     2,
     "",
     error("Invalid flag combination.\n") + kFamilysyncstatusUsage},
    {"familysyncstatus_health_no_vob",
     {"familysyncstatus", "-health"},
     2,
     "",
     error("Must specify pathname to VOB object or VOB storage directory.\n") + kFamilysyncstatusUsage},
    {"familysyncstatus_summary_vob",
     {"familysyncstatus", "-summary", "vobA"},
     2,
     "",
     unexpected("vobA") + kFamilysyncstatusUsage},
    {"familysyncstatus_health_region_last",
     {"familysyncstatus", "-health", "-region"},
     2,
     "",
     error("Region required.\n") + kFamilysyncstatusUsage},
    {"familysyncstatus_command_status",
     {"familysyncstatus", "-generate"},
     1,
     R"({"command":"familysyncstatus","record_version":0,"report_kind":4,"time_units":null,"long_form":0,)"
     R"("window_kind":0,"window":null,"region":null,"vobs":null,"vob_count":0})",
     "",
     "7"},
    // shipinfo
    {"shipinfo_job_host",
     {"shipinfo", "-job", "17", "-host", "hostA"},
     0,
     R"({"command":"shipinfo","record_version":0,"job":"17","host":"hostA","replica":null,"sibling":null,)"
     R"("sclass":null,"mode":0,"start_scan":null,"end_scan":null,"scan_direction":0,"file_type":0})",
     ""},
    {"shipinfo_filter",
     {"shipinfo", "-rep", "r", "-sib", "s", "-exp", "-scl", "c", "-file", "shorder", "-start", "d1", "-end", "d2",
      "-scan_dir", "backward"},
     0,
     R"({"command":"shipinfo","record_version":0,"job":null,"host":null,"replica":"r","sibling":"s",)"
     R"("sclass":"c","mode":1,"start_scan":"d1","end_scan":"d2","scan_direction":2,"file_type":1})",
     ""},
    {"shipinfo_job_sclass",
     {"shipinfo", "-job", "17", "-sclass", "c"},
     2,
     "",
     error("Cannot specify filter options (such as -startscan or -export) when specifying a specific job (via "
           "'-job').\n") +
         kShipinfoUsage},
    {"shipinfo_job_sibling",
     {"shipinfo", "-job", "17", "-sibling", "s"},
     2,
     "",
     error("Must specify '-replica' when specifying '-sibling'.\n") + kShipinfoUsage},
    {"shipinfo_job_last", {"shipinfo", "-job"}, 2, "", error("Must specify job identity number.\n") + kShipinfoUsage},
    // A keyword no converter knows: the usage at once, and again after a missing value.
    {"shipinfo_unknown_keyword", {"shipinfo", "-scan_direction", "sideways"}, 2, "", kShipinfoUsage},
    {"shipinfo_unknown_keyword_then_missing",
     {"shipinfo", "-filetype", "zip", "-sclass"},
     2,
     "",
     std::string(kShipinfoUsage) + error("Storage class name required.\n") + kShipinfoUsage},
    {"shipinfo_extra", {"shipinfo", "-replica", "r", "extra"}, 2, "", unexpected("extra") + kShipinfoUsage},
    // syncinfo
    {"syncinfo_nothing",
     {"syncinfo"},
     0,
     R"({"command":"syncinfo","record_version":0,"host":null,"replica":null,"start_scan":null,"end_scan":null,)"
     R"("scan_direction_text":null,"states":null,"reserved_1":0,"reserved_2":0,"mode":0,"sibling":null,)"
     R"("user":null,"me":0,"last":0,"last_value":null,"job_count":0,"jobs":null})",
     ""},
    {"syncinfo_jobs_host",
     {"syncinfo", "-job", "12,34", "-host", "hostA"},
     0,
     R"({"command":"syncinfo","record_version":0,"host":"hostA","replica":null,"start_scan":null,"end_scan":null,)"
     R"("scan_direction_text":null,"states":null,"reserved_1":0,"reserved_2":0,"mode":0,"sibling":null,)"
     R"("user":null,"me":0,"last":0,"last_value":null,"job_count":2,"jobs":["12","34"]})",
     ""},
    {"syncinfo_filter",
     {"syncinfo", "-replica", "r", "-sibling", "s", "-state", "active,failed", "-me", "-scan_dir", "sideways", "-last"},
     0,
     R"({"command":"syncinfo","record_version":0,"host":null,"replica":"r","start_scan":null,"end_scan":null,)"
     R"("scan_direction_text":"sideways","states":"active,failed","reserved_1":0,"reserved_2":0,"mode":0,)"
     R"("sibling":"s","user":null,"me":1,"last":1,"last_value":null,"job_count":0,"jobs":null})",
     ""},
    {"syncinfo_job_export",
     {"syncinfo", "-job", "12", "-export"},
     2,
     "",
     error("Cannot specify filter options (such as -startscan or -export) when specifying a specific job (via "
           "'-job').\n") +
         kSyncinfoUsage},
    // -job without an identity stops at once: the -state after it is never read.
    {"syncinfo_job_empty",
     {"syncinfo", "-job", ",", "-state"},
     2,
     "",
     error("Must specify job identity number.\n") + kSyncinfoUsage},
    {"syncinfo_sibling_alone",
     {"syncinfo", "-sibling", "s"},
     2,
     "",
     error("Must specify '-replica' when specifying '-sibling'.\n") + kSyncinfoUsage},
    {"syncinfo_extra", {"syncinfo", "-uuid", "u1"}, 2, "", unexpected("u1") + kSyncinfoUsage},
    // perfinfo
    {"perfinfo_days",
     {"perfinfo", "-granularity", "days"},
     0,
     R"({"command":"perfinfo","record_version":0,"replica":null,"sibling":null,"host":null,"mode":0,)"
     R"("start_scan":null,"end_scan":null,"granularity":"days"})",
     ""},
    {"perfinfo_everything",
     {"perfinfo", "-replica", "r", "-sibling", "s", "-import", "-startscan", "d1", "-endscan", "d2", "-gran",
      "quarter_hours"},
     0,
     R"({"command":"perfinfo","record_version":0,"replica":"r","sibling":"s","host":null,"mode":2,)"
     R"("start_scan":"d1","end_scan":"d2","granularity":"quarter_hours"})",
     ""},
    {"perfinfo_nothing",
     {"perfinfo"},
     2,
     "",
     error("When you specify -granularity, you must also specify one of months, days, or hours.\n") + kPerfinfoUsage},
    {"perfinfo_granularity_last",
     {"perfinfo", "-granularity"},
     2,
     "",
     error("When you specify -granularity, you must also specify one of months, days, or hours.\n") + kPerfinfoUsage},
    {"perfinfo_sibling_with_host",
     {"perfinfo", "-host", "h", "-sibling", "s", "-granularity", "months"},
     2,
     "",
     error("Must specify '-replica' when specifying '-sibling'.\n") + kPerfinfoUsage},
    {"perfinfo_extra", {"perfinfo", "-granularity", "days", "extra"}, 2, "", unexpected("extra") + kPerfinfoUsage},
};

class Status : public testing::TestWithParam<Case> {};

TEST_P(Status, ExitRecordAndMessages) {
    const Case &c = GetParam();
    std::map<std::string, std::string> env;
    if (c.command_status != nullptr) env["VX_CMD_STATUS"] = c.command_status;
    const ProcessResult r = RunVexar(c.args, std::nullopt, env);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(CompactRecordLines(r.out), c.out.empty() || c.out.back() == '\n' ? c.out : c.out + "\n");
    EXPECT_EQ(r.err, c.err);
}

INSTANTIATE_TEST_SUITE_P(Tool, Status, testing::ValuesIn(kCases), vxtest::RowName());

// Refusals of the parser: its message names the flags, then the usage once.
const RefusedCase kParserRefusals[] = {
    {"familysyncstatus_two_report_kinds",
     {"familysyncstatus", "-summary", "-health"},
     {},
     {"summary", "health"},
     kFamilysyncstatusUsage},
    {"familysyncstatus_since_and_sync_window",
     {"familysyncstatus", "-gen", "-since", "d", "-sync_window", "4"},
     {},
     {"since", "sync_window"},
     kFamilysyncstatusUsage},
    {"shipinfo_replica_and_host", {"shipinfo", "-replica", "r", "-host", "h"}, {}, {"replica", "host"}, kShipinfoUsage},
    {"syncinfo_job_and_uuid", {"syncinfo", "-job", "1", "-uuid"}, {}, {"job", "uuid"}, kSyncinfoUsage},
    {"syncinfo_user_and_me", {"syncinfo", "-user", "u", "-me"}, {}, {"user", "me"}, kSyncinfoUsage},
    {"perfinfo_export_and_import",
     {"perfinfo", "-export", "-import", "-granularity", "days"},
     {},
     {"export", "import"},
     kPerfinfoUsage},
    {"perfinfo_no_such_flag", {"perfinfo", "-job", "1"}, {}, {"-job"}, kPerfinfoUsage},
};

class StatusParser : public testing::TestWithParam<RefusedCase> {};

TEST_P(StatusParser, RefusalsNameTheFlagsThenTheUsage) { ExpectRefused(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Tool, StatusParser, testing::ValuesIn(kParserRefusals), vxtest::RowName());

}  // namespace
}  // namespace vxtest
