// The tool's dispatcher seen from the command line: which words lead to a command, and
// how a command's status becomes the exit status.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vexar_run.h"

namespace vxtest {
namespace {

constexpr const char *kNotAvailable = "not available yet";

// ---- Words that lead nowhere ----------------------------------------------------

struct UnknownWordCase {
    const char *label;
    const char *word;
};

const UnknownWordCase kUnknownWords[] = {
    {"no_row", "bogus"},
    {"keyword_without_abbreviation", "lspack"},
    {"longer_than_the_full_name", "lspacketx"},
    {"beyond_the_bracketed_part", "helpme"},
    {"shorter_than_the_abbreviation", "mkre"},
    {"own_word_abbreviated", "apro"},
    {"own_word_abbreviated_2", "vxac"},
    {"own_word_lengthened", "perfinfos"},
    {"empty_word", ""},
    {"flag_as_command", "-long"},
};

class UnknownWord : public testing::TestWithParam<UnknownWordCase> {};

TEST_P(UnknownWord, PrintsMessage24AndExits2) {
    const ProcessResult r = RunVexar({GetParam().word, "p1"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, kErrorPrefix + UnrecognizedCommand(GetParam().word));
}

INSTANTIATE_TEST_SUITE_P(Dispatch, UnknownWord, testing::ValuesIn(kUnknownWords),
                         [](const auto &info) { return std::string(info.param.label); });

// ---- Words that reach a slot ----------------------------------------------------

// Every word of the library's keyword table, some of its abbreviations, and the
// tool's own words for the slots without a keyword row. Where the slot holds no
// routine yet, the tool says so; either way the word is not "unrecognized".
const char *const kReachableWords[] = {
    // keyword rows, full names
    "help",
    "man",
    "quit",
    "exit",
    "cd",
    "pwd",
    "mkrptype",
    "lstype",
    "rmtype",
    "mkreplica",
    "chreplica",
    "syncreplica",
    "lsreplica",
    "rmreplica",
    "rename",
    "chmaster",
    "lsmaster",
    "reqmaster",
    "lsepoch",
    "chepoch",
    "recoverpacket",
    "restorereplica",
    "lsexport",
    "lssetting",
    "chsetting",
    "describe",
    "lspacket",
    "dumpoplog",
    "syncserver",
    // keyword rows, abbreviations
    "h",
    "he",
    "q",
    "lst",
    "mkrep",
    "chrep",
    "sync",
    "syncrep",
    "lsrep",
    "des",
    "descr",
    // the tool's own words
    "apropos",
    "familysyncstatus",
    "syncinfo",
    "shipinfo",
    "lsshipconfig",
    "chshipconfig",
    "perfinfo",
    "vxacl",
};

class ReachableWord : public testing::TestWithParam<const char *> {};

TEST_P(ReachableWord, IsNotUnrecognized) {
    const ProcessResult r = RunVexar({GetParam()});
    EXPECT_GE(r.status, 0) << "crashed";
    EXPECT_EQ(Occurrences(r.err, "Unrecognized command"), 0) << r.err;
    if (r.err.find(kNotAvailable) != std::string::npos) {
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(Occurrences(r.err, "\n"), 1) << "one line, nothing else: " << r.err;
    }
}

INSTANTIATE_TEST_SUITE_P(Dispatch, ReachableWord, testing::ValuesIn(kReachableWords),
                         [](const auto &info) { return std::string(info.param); });

// ---- Exit status of a one-shot command --------------------------------------------

struct StatusCase {
    const char *label;
    const char *cmd_status;  // VX_CMD_STATUS, or nullptr for unset
    int exit_status;
};

// The command entry's status passes through the routine; the tool maps it: 0 to 0,
// the syntax-error status 1001 to 2, anything else to 1 (never the raw value, which the
// shell would truncate: 256 must not read as success).
const StatusCase kStatuses[] = {
    {"unset", nullptr, 0}, {"zero", "0", 0},         {"five", "5", 1},      {"one", "1", 1},      {"two", "2", 1},
    {"syntax", "1001", 2}, {"wraps_to_0", "256", 1}, {"negative", "-1", 1}, {"large", "1002", 1},
};

class OneShotStatus : public testing::TestWithParam<StatusCase> {};

TEST_P(OneShotStatus, RecordStillPrinted) {
    std::map<std::string, std::string> env;
    if (GetParam().cmd_status != nullptr) env["VX_CMD_STATUS"] = GetParam().cmd_status;
    const ProcessResult r = RunVexar({"lspacket", "p1"}, std::nullopt, env);
    EXPECT_EQ(r.status, GetParam().exit_status);
    EXPECT_EQ(CompactRecordLines(r.out),
              R"({"command":"lspacket","record_version":2,"packets":["p1"],"packet_count":1,)"
              R"("detail_level":0,"dump":0,"invob":null,"endrange":0})"
              "\n");
    EXPECT_EQ(r.err, "");
}

INSTANTIATE_TEST_SUITE_P(Dispatch, OneShotStatus, testing::ValuesIn(kStatuses),
                         [](const auto &info) { return std::string(info.param.label); });

// ---- Help -----------------------------------------------------------------------

struct HelpCase {
    const char *label;
    std::vector<std::string> args;
    const char *out;
};

const HelpCase kHelp[] = {
    {"help", {"help", "lspacket"}, kLspacketUsage},
    {"h", {"h", "lspacket"}, kLspacketUsage},
    {"hel", {"hel", "lspacket"}, kLspacketUsage},
};

class Help : public testing::TestWithParam<HelpCase> {};

TEST_P(Help, PrintsOnlyTheUsageOnStdout) {
    const ProcessResult r = RunVexar(GetParam().args);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, GetParam().out);
    EXPECT_EQ(r.err, "");
}

INSTANTIATE_TEST_SUITE_P(Dispatch, Help, testing::ValuesIn(kHelp),
                         [](const auto &info) { return std::string(info.param.label); });

// Help reaches the commands without a keyword row as well: their usage request is
// served (chshipconfig has no usage text and prints nothing).
struct OwnWordHelpCase {
    const char *word;
    const char *out_begins;
};

const OwnWordHelpCase kOwnWordHelp[] = {
    {"apropos", "Usage: apropos "},           {"familysyncstatus", "Usage: familysyncstatus "},
    {"syncinfo", "Usage: syncinfo "},         {"shipinfo", "Usage: shipinfo "},
    {"lsshipconfig", "Usage: lsshipconfig "}, {"chshipconfig", ""},
    {"perfinfo", "Usage: perfinfo "},         {"vxacl", "Usage: vxacl "},
};

class HelpOwnWord : public testing::TestWithParam<OwnWordHelpCase> {};

TEST_P(HelpOwnWord, ServesTheUsageRequest) {
    const ProcessResult r = RunVexar({"help", GetParam().word});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(r.out.starts_with(GetParam().out_begins)) << r.out;
    if (GetParam().out_begins[0] == '\0') {
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(Occurrences(r.out, "{\"command\""), 0) << "a usage request runs no command";
}

INSTANTIATE_TEST_SUITE_P(Dispatch, HelpOwnWord, testing::ValuesIn(kOwnWordHelp),
                         [](const auto &info) { return std::string(info.param.word); });

}  // namespace
}  // namespace vxtest
