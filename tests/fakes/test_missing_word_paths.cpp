// A parser may hand out a NULL text with result 0 where a word is asked for. It counts
// as no word at every kind of read site: a required operand or value is missing, an
// optional operand is absent, and no extra operand is there. Each site also runs with
// a real word in the place of the NULL, so that the script is known to reach it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/scripted_clp.h"
#include "libzornavx_cmdsyn.h"
#include "msg/vx_cmdsyn_msg.h"
#include "support/harness.h"
#include "support/param_names.h"
#include "vx_flag_codes.h"

namespace {

using vxtest::operator<<;
using vxtest::ScriptedParser;
using Msgs = std::vector<std::string>;

std::string error(int index) { return "E" + std::to_string(index); }
std::string usage(int index) { return "U" + std::to_string(index); }
const Msgs kSyncreplicaUsage = {usage(MSG_USAGE_SYNCREPLICA), usage(MSG_USAGE_SYNCREPLICA_DIAGNOSE)};

Msgs then(Msgs first, const Msgs &second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

struct Site {
    std::string name;
    cmd_syntax_routine_t routine;
    std::vector<int32_t> flags;
    std::vector<const char *> words;  // handed out in turn, each with result 0
    int32_t status;
    Msgs msgs;
    std::string command;  // the command entry handed the record, "" for none
};

vxtest::Outcome run(const Site &site) {
    ScriptedParser script;
    vxtest::add_flags(script, site.flags);
    vxtest::add_args(script, site.words);
    return vxtest::call(site.routine, script);
}

class MissingWord : public testing::TestWithParam<Site> {};

TEST_P(MissingWord, CountsAsNoWord) {
    const Site &site = GetParam();
    const auto o = run(site);
    EXPECT_EQ(o.status, site.status);
    EXPECT_EQ(o.msgs, site.msgs);
    EXPECT_EQ(o.command, site.command);
}

// ---- A required first operand ---------------------------------------------------------

// The operand's required message and the usage, as though the line had ended.
const Site kFirstOperand[] = {
    {"apropos",
     vx_cmdsyn_apropos,
     {},
     {nullptr, "t2"},
     CMD_SYNTAX_ERROR,
     {error(MSG_STRING_REQUIRED), usage(MSG_USAGE_APROPOS)},
     ""},
    {"apropos_word", vx_cmdsyn_apropos, {}, {"t1", nullptr, "t2"}, 0, {}, "apropos"},
    {"chepoch",
     vx_cmdsyn_chepoch,
     {},
     {nullptr},
     CMD_SYNTAX_ERROR,
     {error(MSG_EPOCH_ROW_REQUIRED), usage(MSG_USAGE_CHEPOCH)},
     ""},
    {"chepoch_word", vx_cmdsyn_chepoch, {}, {"r1", "x=1"}, 0, {}, "chepoch"},
    {"mkrptype",
     vx_cmdsyn_mkrptype,
     {},
     {nullptr},
     CMD_SYNTAX_ERROR,
     {error(MSG_RPTYPE_NAME_REQUIRED), usage(MSG_USAGE_MKRPTYPE)},
     ""},
    {"mkrptype_word", vx_cmdsyn_mkrptype, {}, {"t1"}, 0, {}, "mkrptype"},
    {"rmreplica",
     vx_cmdsyn_rmreplica,
     {},
     {nullptr},
     CMD_SYNTAX_ERROR,
     {error(MSG_ORIGINAL_REPLICA_REQUIRED), usage(MSG_USAGE_RMREPLICA)},
     ""},
    {"rmreplica_word", vx_cmdsyn_rmreplica, {}, {"r1"}, 0, {}, "rmreplica"},
    {"chreplica",
     vx_cmdsyn_chreplica,
     {FLAG_HOST},
     {"h", nullptr},
     CMD_SYNTAX_ERROR,
     {error(MSG_REPLICA_REQUIRED), usage(MSG_USAGE_CHREPLICA)},
     ""},
    {"chreplica_word", vx_cmdsyn_chreplica, {FLAG_HOST}, {"h", "r1"}, 0, {}, "chreplica"},
    // The packet file of an import: the search directories are still read, then it fails.
    {"mkreplica_import",
     vx_cmdsyn_mkreplica,
     {FLAG_IMPORT, FLAG_WORKDIR, FLAG_TAG, FLAG_VOB, FLAG_PRESERVE},
     {"w", "/t", "v", nullptr},
     CMD_SYNTAX_ERROR,
     {error(MSG_PACKET_FILE_REQUIRED), usage(MSG_USAGE_MKREPLICA)},
     ""},
    {"mkreplica_import_word",
     vx_cmdsyn_mkreplica,
     {FLAG_IMPORT, FLAG_WORKDIR, FLAG_TAG, FLAG_VOB, FLAG_PRESERVE},
     {"w", "/t", "v", "pkt"},
     0,
     {},
     "mkreplica"},
};
INSTANTIATE_TEST_SUITE_P(FirstOperand, MissingWord, testing::ValuesIn(kFirstOperand), vxtest::RowName());

// ---- A second operand, optional or refused ------------------------------------------

// No second operand: the line is taken as it stands.
const Site kSecondOperand[] = {
    {"chreplica", vx_cmdsyn_chreplica, {FLAG_HOST}, {"h", "r1", nullptr, "r2"}, 0, {}, "chreplica"},
    {"chreplica_word",
     vx_cmdsyn_chreplica,
     {FLAG_HOST},
     {"h", "r1", "r2"},
     CMD_SYNTAX_ERROR,
     {"Etbs99(r2)", usage(MSG_USAGE_CHREPLICA)},
     ""},
    {"rmreplica", vx_cmdsyn_rmreplica, {}, {"r1", nullptr, "r2"}, 0, {}, "rmreplica"},
    {"rmreplica_word",
     vx_cmdsyn_rmreplica,
     {},
     {"r1", "r2"},
     CMD_SYNTAX_ERROR,
     {"Etbs99(r2)", usage(MSG_USAGE_RMREPLICA)},
     ""},
    {"mkrptype", vx_cmdsyn_mkrptype, {}, {"t1", nullptr, "t2"}, 0, {}, "mkrptype"},
    {"mkrptype_word",
     vx_cmdsyn_mkrptype,
     {},
     {"t1", "t2"},
     CMD_SYNTAX_ERROR,
     {"Etbs99(t2)", usage(MSG_USAGE_MKRPTYPE)},
     ""},
    {"lssetting", vx_cmdsyn_lssetting, {FLAG_SITE}, {"s1", nullptr, "s2"}, 0, {}, "lssetting"},
    {"lssetting_word",
     vx_cmdsyn_lssetting,
     {FLAG_SITE},
     {"s1", "s2"},
     CMD_SYNTAX_ERROR,
     {"Etbs99(s2)", usage(MSG_USAGE_LSSETTING)},
     ""},
    // The setting lssetting lists is itself optional: none is named.
    {"lssetting_first", vx_cmdsyn_lssetting, {FLAG_SITE, FLAG_INQUIRE}, {nullptr}, 0, {}, "lssetting"},
    {"lssetting_first_word",
     vx_cmdsyn_lssetting,
     {FLAG_SITE, FLAG_INQUIRE},
     {"s1"},
     CMD_SYNTAX_ERROR,
     {error(MSG_INVALID_COMBINATION), usage(MSG_USAGE_LSSETTING)},
     ""},
};
INSTANTIATE_TEST_SUITE_P(SecondOperand, MissingWord, testing::ValuesIn(kSecondOperand), vxtest::RowName());

// ---- An operand where the command takes none ------------------------------------------

// No extra operand: the record is handed over.
struct NoOperandForm {
    const char *name;
    cmd_syntax_routine_t routine;
    std::vector<int32_t> flags;
    std::vector<const char *> values;  // the values of the flags
    int usage;
    Msgs more_usage = {};
};

const NoOperandForm kNoOperandForms[] = {
    {"familysyncstatus_summary", vx_cmdsyn_familysyncstatus, {FLAG_SUMMARY}, {}, MSG_USAGE_FAMILYSYNCSTATUS},
    {"dumpoplog_from", vx_cmdsyn_dumpoplog, {FLAG_FROM}, {"5"}, MSG_USAGE_DUMPOPLOG},
    {"lsepoch_invob", vx_cmdsyn_lsepoch, {FLAG_INVOB}, {"v"}, MSG_USAGE_LSEPOCH},
    {"restorereplica_invob", vx_cmdsyn_restorereplica, {FLAG_INVOB}, {"v"}, MSG_USAGE_RESTOREREPLICA},
    {"syncreplica_receive",
     vx_cmdsyn_syncreplica,
     {FLAG_IMPORT, FLAG_RECEIVE},
     {},
     MSG_USAGE_SYNCREPLICA,
     {usage(MSG_USAGE_SYNCREPLICA_DIAGNOSE)}},
    {"lsshipconfig", vx_cmdsyn_lsshipconfig, {}, {}, MSG_USAGE_LSSHIPCONFIG},
    {"shipinfo", vx_cmdsyn_shipinfo, {}, {}, MSG_USAGE_SHIPINFO},
    {"syncinfo", vx_cmdsyn_syncinfo, {}, {}, MSG_USAGE_SYNCINFO},
    {"perfinfo", vx_cmdsyn_perfinfo, {FLAG_GRANULARITY}, {"days"}, MSG_USAGE_PERFINFO},
    {"syncserver", vx_cmdsyn_syncserver, {FLAG_INQUIRE, FLAG_ALL}, {}, MSG_USAGE_SYNCSERVER},
    {"vxacl", vx_cmdsyn_vxacl, {FLAG_GET}, {}, MSG_USAGE_VXACL},
};

// Each form twice: a NULL where the operand would be, and a real word there.
std::vector<Site> extra_operand_sites() {
    std::vector<Site> sites;
    for (const NoOperandForm &form : kNoOperandForms) {
        const std::string name = form.name;
        std::vector<const char *> words = form.values;
        words.push_back(nullptr);
        words.push_back("stray");
        sites.push_back({name, form.routine, form.flags, words, 0, {}, name.substr(0, name.find('_'))});
        words.erase(words.end() - 2);  // the NULL
        sites.push_back({name + "_word", form.routine, form.flags, words, CMD_SYNTAX_ERROR,
                         then({"Etbs99(stray)", usage(form.usage)}, form.more_usage), ""});
    }
    return sites;
}
INSTANTIATE_TEST_SUITE_P(ExtraOperand, MissingWord, testing::ValuesIn(extra_operand_sites()), vxtest::RowName());

// ---- A value that is converted or named in a message ----------------------------------

// The value's required message, as though the line had ended after its flag.
const Site kConvertedValue[] = {
    // -maxsize: noted, and the routine fails after the flags.
    {"mkreplica_maxsize",
     vx_cmdsyn_mkreplica,
     {FLAG_EXPORT, FLAG_WORKDIR, FLAG_OUT, FLAG_MAXSIZE},
     {"w", "p", nullptr, "h:r"},
     CMD_SYNTAX_ERROR,
     {error(MSG_MAXSIZE_REQUIRED), usage(MSG_USAGE_MKREPLICA)},
     ""},
    {"mkreplica_maxsize_word",
     vx_cmdsyn_mkreplica,
     {FLAG_EXPORT, FLAG_WORKDIR, FLAG_OUT, FLAG_MAXSIZE},
     {"w", "p", "big", "h:r"},
     CMD_SYNTAX_ERROR,
     {error(MSG_INVALID_SIZE) + "(big)", usage(MSG_USAGE_MKREPLICA)},
     ""},
    // -schema, -limit: the routine ends at once.
    {"mkreplica_schema",
     vx_cmdsyn_mkreplica,
     {FLAG_IMPORT, FLAG_SCHEMA, FLAG_WORKDIR},
     {nullptr, "w"},
     CMD_SYNTAX_ERROR,
     {error(MSG_SCHEMA_REQUIRED), usage(MSG_USAGE_MKREPLICA)},
     ""},
    {"mkreplica_schema_word",
     vx_cmdsyn_mkreplica,
     {FLAG_IMPORT, FLAG_SCHEMA, FLAG_WORKDIR},
     {"s", "w"},
     CMD_SYNTAX_ERROR,
     {"Etbs98(s)", usage(MSG_USAGE_MKREPLICA)},
     ""},
    {"syncreplica_limit",
     vx_cmdsyn_syncreplica,
     {FLAG_EXPORT, FLAG_LIMIT},
     {nullptr, "3"},
     CMD_SYNTAX_ERROR,
     then({error(MSG_LIMIT_REQUIRED)}, kSyncreplicaUsage),
     ""},
    {"syncreplica_limit_word",
     vx_cmdsyn_syncreplica,
     {FLAG_EXPORT, FLAG_LIMIT},
     {"n", "3"},
     CMD_SYNTAX_ERROR,
     then({"Etbs98(n)", error(MSG_LIMIT_NOT_POSITIVE)}, kSyncreplicaUsage),
     ""},
    {"dumpoplog_limit",
     vx_cmdsyn_dumpoplog,
     {FLAG_LIMIT},
     {nullptr, "3"},
     CMD_SYNTAX_ERROR,
     {error(MSG_LIMIT_REQUIRED), usage(MSG_USAGE_DUMPOPLOG)},
     ""},
    {"dumpoplog_limit_word",
     vx_cmdsyn_dumpoplog,
     {FLAG_LIMIT},
     {"n"},
     CMD_SYNTAX_ERROR,
     {"Etbs98(n)", usage(MSG_USAGE_DUMPOPLOG)},
     ""},
    // The comment group's texts go the same way.
    {"rmreplica_comment",
     vx_cmdsyn_rmreplica,
     {FLAG_COMMENT},
     {nullptr, "r1"},
     CMD_SYNTAX_ERROR,
     {"Etbs101", usage(MSG_USAGE_RMREPLICA)},
     ""},
    {"rmreplica_comment_word", vx_cmdsyn_rmreplica, {FLAG_COMMENT}, {"why", "r1"}, 0, {}, "rmreplica"},
};
INSTANTIATE_TEST_SUITE_P(ConvertedValue, MissingWord, testing::ValuesIn(kConvertedValue), vxtest::RowName());

}  // namespace
