// dumpoplog, lsexport, recoverpacket, lsepoch and chepoch from end to end through the
// tool: the parser, the syntax routine, the command entry's record and the exit status.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/param_names.h"
#include "vexar_run.h"

namespace vxtest {
namespace {

using vxtest::operator<<;

const std::string kDumpoplogUsage = CatalogText(MSG_USAGE_DUMPOPLOG);
const std::string kLsexportUsage = CatalogText(MSG_USAGE_LSEXPORT);
const std::string kRecoverpacketUsage = CatalogText(MSG_USAGE_RECOVERPACKET);
const std::string kLsepochUsage = CatalogText(MSG_USAGE_LSEPOCH);
const std::string kChepochUsage = CatalogText(MSG_USAGE_CHEPOCH);

// ---- Accepted command lines: one record, nothing else -----------------------------

struct AcceptedCase {
    const char *label;
    std::vector<std::string> args;
    const char *record;
};

const AcceptedCase kAccepted[] = {
    {"dumpoplog_entries",
     {"dumpoplog", "12", "15", "17"},
     R"({"command":"dumpoplog","record_version":1,"entries":["12","15","17"],"entry_count":3,"from_entry":null,)"
     R"("to_entry":null,"detail_level":0,"show_name":0,"invob":null,"vreplica":null,"since":null,"reverse":0,)"
     R"("limit":0})"},
    {"dumpoplog_range_and_every_flag",
     {"dumpoplog", "-from", "10", "-to", "20", "-limit", "4294967295", "-long", "-name", "-rev", "-invob", "v",
      "-vreplica", "r", "-since", "d"},
     R"({"command":"dumpoplog","record_version":1,"entries":null,"entry_count":0,"from_entry":"10","to_entry":"20",)"
     R"("detail_level":2,"show_name":1,"invob":"v","vreplica":"r","since":"d","reverse":1,"limit":4294967295})"},
    {"lsexport",
     {"lsexport", "-since", "T", "r1", "r2"},
     R"({"command":"lsexport","record_version":0,"replicas":["r1","r2"],"replica_count":2,"since":"T",)"
     R"("reserved_word":0})"},
    {"recoverpacket",
     {"recoverpacket", "-c", "say \"why\"", "r1"},
     R"({"command":"recoverpacket","record_version":0,"replicas":["r1"],"replica_count":1,"since":null,)"
     R"("reserved_word":0,"comment":"say \"why\"","comment_file":null,"comment_kind":5,"comment_reserved":0})"},
    {"lsepoch_nothing",
     {"lsepoch"},
     R"({"command":"lsepoch","record_version":1,"replicas":null,"replica_count":0,"invob":null,"actual":0})"},
    {"lsepoch_actual",
     {"lsepoch", "-actual", "r1", "r2"},
     R"({"command":"lsepoch","record_version":1,"replicas":["r1","r2"],"replica_count":2,"invob":null,"actual":1})"},
    {"chepoch_pairs",
     {"chepoch", "-cq", "-force", "r1", "r2=100", "r3=0x20", "r4=010", "=2147483647"},
     R"({"command":"chepoch","record_version":1,"force":1,"epoch_row":"r1","epoch_names":["r2","r3","r4",""],)"
     R"("epoch_values":[100,32,8,2147483647],"epoch_count":4,"actual":0,"raise_only":0,"comment":null,)"
     R"("comment_file":null,"comment_kind":3,"comment_reserved":0})"},
    {"chepoch_actual",
     {"chepoch", "-actual", "-raise_only", "s1"},
     R"({"command":"chepoch","record_version":1,"force":0,"epoch_row":"s1","epoch_names":null,"epoch_values":null,)"
     R"("epoch_count":0,"actual":1,"raise_only":1,"comment":null,"comment_file":null,"comment_kind":0,)"
     R"("comment_reserved":0})"},
};

class PacketsAccepted : public testing::TestWithParam<AcceptedCase> {};

TEST_P(PacketsAccepted, PrintsExactlyItsRecord) {
    const ProcessResult r = RunVexar(GetParam().args);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(CompactRecordLines(r.out), std::string(GetParam().record) + "\n");
    EXPECT_EQ(r.err, "");
}

INSTANTIATE_TEST_SUITE_P(Tool, PacketsAccepted, testing::ValuesIn(kAccepted), vxtest::RowName());

// ---- Refused command lines: exit 2, no record, messages then the usage once ---------

const RefusedCase kRefused[] = {
    {"dumpoplog_limit_missing", {"dumpoplog", "-reverse", "-limit"}, {"Packet limit required.\n"}, {}, kDumpoplogUsage},
    {"dumpoplog_to_missing",
     {"dumpoplog", "-from", "1", "-to"},
     {"Operation log entry number required.\n"},
     {},
     kDumpoplogUsage},
    {"dumpoplog_operand_with_range", {"dumpoplog", "-from", "10", "12"}, {}, {"12"}, kDumpoplogUsage},
    {"dumpoplog_limit_not_a_number", {"dumpoplog", "-limit", "abc"}, {}, {"abc"}, kDumpoplogUsage},
    {"lsexport_no_replica", {"lsexport"}, {"Must specify replica.\n"}, {}, kLsexportUsage},
    {"lsexport_since_missing", {"lsexport", "-since"}, {"Date-time string required.\n"}, {}, kLsexportUsage},
    {"recoverpacket_no_replica", {"recoverpacket", "-nc"}, {"Must specify replica.\n"}, {}, kRecoverpacketUsage},
    {"recoverpacket_comment_missing", {"recoverpacket", "-c"}, {}, {}, kRecoverpacketUsage},
    {"lsepoch_actual_alone", {"lsepoch", "-actual"}, {"Replica specifications required.\n"}, {}, kLsepochUsage},
    {"lsepoch_operand_with_invob", {"lsepoch", "-invob", "v", "r1"}, {}, {"r1"}, kLsepochUsage},
    {"chepoch_nothing", {"chepoch"}, {"Epoch table row (replica name) required.\n"}, {}, kChepochUsage},
    {"chepoch_negative", {"chepoch", "r1", "r2=-5"}, {"Invalid epoch specification: r2=-5\n"}, {}, kChepochUsage},
    {"chepoch_overflow",
     {"chepoch", "r1", "r2=2147483648"},
     {"Invalid epoch specification: r2=2147483648\n"},
     {},
     kChepochUsage},
    {"chepoch_raise_only",
     {"chepoch", "-raise_only", "r1"},
     {"Use of -raise_only requires -actual.\n"},
     {},
     kChepochUsage},
    {"chepoch_second_sibling", {"chepoch", "-actual", "s1", "s2"}, {}, {"s2"}, kChepochUsage},
    {"chepoch_force_and_actual", {"chepoch", "-force", "-actual", "s1"}, {}, {"force", "actual"}, kChepochUsage},
};

class PacketsRefused : public testing::TestWithParam<RefusedCase> {};

TEST_P(PacketsRefused, PrintsNoRecordAndExits2) { ExpectRefused(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Tool, PacketsRefused, testing::ValuesIn(kRefused), vxtest::RowName());

}  // namespace
}  // namespace vxtest
