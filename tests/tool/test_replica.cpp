// mkreplica, syncreplica, chreplica, rmreplica, restorereplica and mkrptype from end to
// end through the tool: the parser, the syntax routine, the command entry's record and
// the exit status.

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "support/param_names.h"
#include "vexar_run.h"

namespace vxtest {
namespace {

using vxtest::operator<<;

const std::string kMkreplicaUsage = CatalogText(MSG_USAGE_MKREPLICA);
const std::string kSyncreplicaUsage = CatalogText({MSG_USAGE_SYNCREPLICA, MSG_USAGE_SYNCREPLICA_DIAGNOSE});
const std::string kChreplicaUsage = CatalogText(MSG_USAGE_CHREPLICA);
const std::string kRmreplicaUsage = CatalogText(MSG_USAGE_RMREPLICA);
const std::string kRestorereplicaUsage = CatalogText(MSG_USAGE_RESTOREREPLICA);
const std::string kMkrptypeUsage = CatalogText(MSG_USAGE_MKRPTYPE);

// ---- Records: every field with its default, in record order -------------------------

using Layout = std::vector<std::pair<std::string, std::string>>;

// "name" is a text or list (null), "name=N" a number.
Layout parse_layout(const std::string &spec) {
    Layout out;
    std::istringstream words(spec);
    for (std::string word; words >> word;) {
        const size_t eq = word.find('=');
        if (eq == std::string::npos) {
            out.emplace_back(word, "null");
        } else {
            out.emplace_back(word.substr(0, eq), word.substr(eq + 1));
        }
    }
    return out;
}

const std::string kComment = " comment comment_file comment_kind=0 comment_reserved=0";

const std::map<std::string, std::string> kLayouts = {
    {"mkreplica",
     "record_version=6 tag vob_stg rptype mode=0 packet_file vreplica targets target_count=0 search_dirs "
     "search_dir_count=0 host gpath hpath mount_options mount_option_count=0 public_tag=0 workdir preserve=0 "
     "nprompt=0 pooltalk=0 max_size=-1 ship_mode=0 force_ship=0 notify sclass pexpire password tag_comment region "
     "nca_exported=0 ignore_prot=0" +
         kComment + " stgloc nremote_admin=0 schema=2147483647 reserved_word=0"},
    {"syncreplica",
     "record_version=4 invob mode=0 packet_file import_items import_item_count=0 replicas replica_count=0 "
     "max_size=-1 ship_mode=0 force_ship=0 notify sclass pexpire nincarnation=0 limit=0 oprange oprange_count=0 "
     "compress=0 evlist_count=0 evlist verbose=0 endrange=0 server_enable_ate_messages=0 ndelete=0 "
     "server_ignore_epoch_row_cache=0 allow_imp_from_deleted_rep=0 diagnose=0" +
         kComment},
    {"chreplica", "record_version=2 host new_name replica preserve=0 incarnation connected=0 inreplica" + kComment},
    {"rmreplica", "record_version=1 replica" + kComment},
    {"restorereplica", "record_version=0 invob replace=0 override=0 force=0 replica_count=0 replicas" + kComment},
    {"mkrptype", "record_version=1 rptype_selector supertype reserved_word=0 replace=0" + kComment},
};

// The record line of `command` with every field at its default except `changes`
// (values as JSON).
std::string Record(const std::string &command, const Layout &changes) {
    Layout fields = parse_layout(kLayouts.at(command));
    for (const auto &[name, value] : changes) {
        bool found = false;
        for (auto &field : fields) {
            if (field.first == name) {
                field.second = value;
                found = true;
            }
        }
        EXPECT_TRUE(found) << command << " has no field " << name;
    }
    std::string line = R"({"command":")" + command + "\"";
    for (const auto &[name, value] : fields) line += ",\"" + name + "\":" + value;
    return line + "}\n";
}

// ---- Accepted command lines: one record, nothing else -----------------------------

struct AcceptedCase {
    const char *label;
    std::vector<std::string> args;
    Layout changes;
};

const AcceptedCase kAccepted[] = {
    {"mkreplica_export_targets",
     {"mkrep", "-export", "-workdir", "w", "-out", "p", "hostB:rep1", ":r2", "h3:"},
     {{"mode", "1"},
      {"workdir", R"("w")"},
      {"ship_mode", "1"},
      {"packet_file", R"("p")"},
      {"targets", R"([{"replica_selector":"rep1","hostname":"hostB"},{"replica_selector":"r2","hostname":""},)"
                  R"({"replica_selector":"","hostname":"h3"}])"},
      {"target_count", "3"}}},
    {"mkreplica_export_ship_hidden_flags",
     {"mkreplica", "-exp", "-wor", "w", "-fship", "-sclass", "s", "-maxsize", "2k", "-schema", "3", "-rptype", "rt",
      "-ncaexported", "h:r"},
     {{"mode", "1"},
      {"workdir", R"("w")"},
      {"ship_mode", "2"},
      {"force_ship", "1"},
      {"sclass", R"("s")"},
      {"max_size", "2048"},
      {"schema", "3"},
      {"rptype", R"("rt")"},
      {"nca_exported", "1"},
      {"targets", R"([{"replica_selector":"r","hostname":"h"}])"},
      {"target_count", "1"}}},
    {"mkreplica_import_password_masked",
     {"mkreplica", "-import", "-workdir", "w", "-tag", "/t", "-stgloc", "-auto", "-perms_preserve", "-nprompt",
      "-public", "-password", "s3cret", "-options", "ro,,soft", "pkt", "d1", "d2"},
     {{"mode", "2"},
      {"workdir", R"("w")"},
      {"tag", R"("/t")"},
      {"stgloc", R"("-auto")"},
      {"preserve", "3"},
      {"nprompt", "1"},
      {"public_tag", "1"},
      {"password", R"("***")"},
      {"mount_options", R"(["ro","soft"])"},
      {"mount_option_count", "2"},
      {"packet_file", R"("pkt")"},
      {"search_dirs", R"(["d1","d2"])"},
      {"search_dir_count", "2"}}},
    {"syncreplica_export_lists",
     {"sync", "-export", "-out", "p", "-oprange", "r1=5:9,r2=:20", "-evlist", "A=1,B=2", "-compress", "r1", "r2"},
     {{"mode", "1"},
      {"ship_mode", "1"},
      {"packet_file", R"("p")"},
      {"oprange", R"(["r1=5:9","r2=:20"])"},
      {"oprange_count", "2"},
      {"evlist_count", "2"},
      {"evlist", R"(["A=1","B=2"])"},
      {"compress", "1"},
      {"replicas", R"(["r1","r2"])"},
      {"replica_count", "2"}}},
    {"syncreplica_import_receive",
     {"syncreplica", "-import", "-receive", "-sclass", "s", "-allow_imp_from_deleted_rep", "-invob", "v", "-cq"},
     {{"mode", "2"},
      {"ship_mode", "3"},
      {"sclass", R"("s")"},
      {"allow_imp_from_deleted_rep", "1"},
      {"invob", R"("v")"},
      {"comment_kind", "3"}}},
    {"chreplica_rename",
     {"chrep", "-inreplica", "r2", "-rename", "r9", "r1"},
     {{"inreplica", R"("r2")"}, {"new_name", R"("r9")"}, {"replica", R"("r1")"}}},
    {"chreplica_incarnation",
     {"chreplica", "-incarnation", "1-Jan-2024", "-nconnected", "r1"},
     {{"incarnation", R"("1-Jan-2024")"}, {"connected", "2"}, {"replica", R"("r1")"}}},
    {"rmreplica_nc", {"rmreplica", "-nc", "r1"}, {{"replica", R"("r1")"}, {"comment_kind", "2"}}},
    {"restorereplica_nothing", {"restorereplica"}, {}},
    {"restorereplica_replace",
     {"restorereplica", "-replace", "-force", "r1", "r2"},
     {{"replace", "1"}, {"force", "1"}, {"replica_count", "2"}, {"replicas", R"(["r1","r2"])"}}},
    {"mkrptype_supertype",
     {"mkrptype", "-supertype", "base", "-replace", "-c", "a \"quoted\" text", "t1"},
     {{"rptype_selector", R"("t1")"},
      {"supertype", R"("base")"},
      {"replace", "1"},
      {"comment", R"("a \"quoted\" text")"},
      {"comment_kind", "5"}}},
};

class ReplicaAccepted : public testing::TestWithParam<AcceptedCase> {};

TEST_P(ReplicaAccepted, PrintsExactlyItsRecord) {
    const AcceptedCase &c = GetParam();
    std::string command = c.args[0];
    for (const char *full : {"mkreplica", "syncreplica", "chreplica"})
        if (std::string(full).starts_with(command)) command = full;
    const ProcessResult r = RunVexar(c.args);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(CompactRecordLines(r.out), Record(command, c.changes));
    EXPECT_EQ(r.err, "");
}

INSTANTIATE_TEST_SUITE_P(Tool, ReplicaAccepted, testing::ValuesIn(kAccepted), vxtest::RowName());

TEST(ReplicaTool, PasswordNeverAppearsAsTyped) {
    const ProcessResult r = RunVexar({"mkreplica", "-import", "-workdir", "w", "-tag", "/t", "-vob", "v", "-preserve",
                                      "-password", "s3cret", "pkt"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(Occurrences(r.out + r.err, "s3cret"), 0) << r.out;
}

// ---- Refused command lines: exit 2, no record, messages then the usage once ---------

const RefusedCase kRefused[] = {
    {"mkreplica_nothing", {"mkreplica"}, {"Must specify work directory.\n"}, {}, kMkreplicaUsage},
    {"mkreplica_no_mode",
     {"mkreplica", "-workdir", "w"},
     {"One of '-export', '-import', '-cancel' or '-wait_for_jobs' is required.\n"},
     {},
     kMkreplicaUsage},
    {"mkreplica_host_without_paths",
     {"mkreplica", "-import", "-workdir", "w", "-tag", "t", "-vob", "v", "-host", "h"},
     {"Must specify all flags (-host, -hpath, and -gpath) if any are specified\n"},
     {},
     kMkreplicaUsage},
    {"mkreplica_relative_tag",
     {"mkreplica", "-import", "-workdir", "w", "-tag", "t", "-vob", "v", "-preserve", "pkt"},
     {"Pathname must be absolute \"t\".\n"},
     {},
     kMkreplicaUsage},
    {"mkreplica_export_vob",
     {"mkreplica", "-export", "-workdir", "w", "-out", "p", "-vob", "v", "h:r"},
     {"Obsolete command or flag: \"-vob\"\n"},
     {},
     kMkreplicaUsage},
    {"mkreplica_export_no_operand",
     {"mkreplica", "-export", "-workdir", "w", "-out", "p"},
     {"Replica specifications required.\n"},
     {},
     kMkreplicaUsage},
    {"mkreplica_spec_without_colon",
     {"mkreplica", "-export", "-workdir", "w", "-ship", "rep1"},
     {"Invalid replica specification: rep1\n"},
     {},
     kMkreplicaUsage},
    {"mkreplica_import_no_packet",
     {"mkreplica", "-import", "-workdir", "w", "-tag", "/t", "-vob", "v", "-preserve"},
     {"Packet file name required.\n"},
     {},
     kMkreplicaUsage},
    {"mkreplica_schema_missing",
     {"mkreplica", "-maxsize", "9x", "-schema"},
     {"Invalid size specification: 9x\n", "Schema required.\n"},
     {},
     kMkreplicaUsage},
    {"mkreplica_schema_not_a_number", {"mkreplica", "-schema", "v7"}, {}, {"v7"}, kMkreplicaUsage},
    {"mkreplica_export_and_import", {"mkreplica", "-export", "-import"}, {}, {"-export", "-import"}, kMkreplicaUsage},
    {"syncreplica_nothing",
     {"syncreplica"},
     {"One of '-export', '-import', '-cancel' or '-wait_for_jobs' is required.\n"},
     {},
     kSyncreplicaUsage},
    {"syncreplica_limit_zero",
     {"syncreplica", "-limit", "0"},
     {"Number of packets must be greater than 0.\n"},
     {},
     kSyncreplicaUsage},
    {"syncreplica_evlist_entry",
     {"syncreplica", "-evlist", "A=1,B"},
     {"Must specify NAME=VALUE in comma-separated list\n"},
     {},
     kSyncreplicaUsage},
    {"syncreplica_export_no_replica",
     {"syncreplica", "-export", "-out", "p"},
     {"One of replica type name or replica name required.\n"},
     {},
     kSyncreplicaUsage},
    {"syncreplica_import_nothing",
     {"syncreplica", "-import"},
     {"Packet file name or staging directory name required.\n"},
     {},
     kSyncreplicaUsage},
    {"syncreplica_receive_operand", {"syncreplica", "-import", "-receive", "r1"}, {}, {"r1"}, kSyncreplicaUsage},
    {"syncreplica_import_compress",
     {"syncreplica", "-import", "-compress", "pk"},
     {"Invalid flag combination.\n"},
     {},
     kSyncreplicaUsage},
    {"chreplica_nothing_to_change", {"chreplica", "r1"}, {"Must specify something to change.\n"}, {}, kChreplicaUsage},
    {"chreplica_host_and_operand_missing",
     {"chreplica", "-host"},
     {"Must specify host name.\n", "Must specify replica.\n"},
     {},
     kChreplicaUsage},
    {"chreplica_second_operand", {"chreplica", "-host", "h", "r1", "r2"}, {}, {"r2"}, kChreplicaUsage},
    {"rmreplica_no_operand", {"rmreplica"}, {"Must specify original replica name.\n"}, {}, kRmreplicaUsage},
    {"rmreplica_second_operand", {"rmreplica", "r1", "r2"}, {}, {"r2"}, kRmreplicaUsage},
    {"restorereplica_invob_operand", {"restorereplica", "-invob", "v", "r1"}, {}, {"r1"}, kRestorereplicaUsage},
    {"restorereplica_invob_missing",
     {"restorereplica", "-invob"},
     {"Must specify pathname to VOB object or VOB storage directory.\n"},
     {},
     kRestorereplicaUsage},
    {"mkrptype_no_operand", {"mkrptype"}, {"Replica type name required.\n"}, {}, kMkrptypeUsage},
    {"mkrptype_supertype_and_operand_missing",
     {"mkrptype", "-supertype"},
     {"Must specify supertype name.\n", "Replica type name required.\n"},
     {},
     kMkrptypeUsage},
    {"mkrptype_filter", {"mkrptype", "-filter", "f", "t1"}, {}, {"-filter"}, kMkrptypeUsage},
};

class ReplicaRefused : public testing::TestWithParam<RefusedCase> {};

TEST_P(ReplicaRefused, PrintsNoRecordAndExits2) { ExpectRefused(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Tool, ReplicaRefused, testing::ValuesIn(kRefused), vxtest::RowName());

}  // namespace
}  // namespace vxtest
