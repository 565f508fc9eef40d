// The tool's dispatcher seen from the command line: which words lead to a command, and
// how a command's status becomes the exit status.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cmdsyn_texts.h"
#include "support/param_names.h"
#include "vexar_run.h"

namespace vxtest {
namespace {

using vxtest::operator<<;

constexpr const char *kNotAvailable = "not available yet";

// ---- Words that lead nowhere ----------------------------------------------------

struct UnknownWordCase {
    const char *label;
    const char *word;
    const char *suggestion;  // what follows message 24
};

constexpr const char *kNoSuggestion = "";

const UnknownWordCase kUnknownWords[] = {
    {"no_row", "bogus", kNoSuggestion},
    {"keyword_without_abbreviation", "lspack", "The most similar command is \"lspacket\".\n"},
    {"longer_than_the_full_name", "lspacketx", "The most similar command is \"lspacket\".\n"},
    {"beyond_the_bracketed_part", "helpme", "The most similar command is \"help\".\n"},
    {"shorter_than_the_abbreviation", "mkre", "The most similar command is \"mkreplica\".\n"},
    {"own_word_abbreviated", "apro", "The most similar command is \"apropos\".\n"},
    {"own_word_abbreviated_2", "vxac", "The most similar command is \"vxacl\".\n"},
    {"own_word_lengthened", "perfinfos", "The most similar command is \"perfinfo\".\n"},
    {"empty_word", "", kNoSuggestion},
    {"flag_as_command", "-long", kNoSuggestion},
    // Slips of the keyboard: a letter wrong, two swapped, an alias misspelt.
    {"letters_wrong_at_the_end", "mkreplik", "The most similar command is \"mkreplica\".\n"},
    {"letters_swapped", "qiut", "The most similar command is \"quit\".\n"},
    {"alias_misspelt", "exti", "The most similar command is \"exit\".\n"},
    {"own_word_letter_wrong", "syncinfp", "The most similar command is \"syncinfo\".\n"},
    // Words too short or too far to guess from.
    {"one_letter", "x", kNoSuggestion},
    {"far_from_everything", "frobnicate", kNoSuggestion},
    // Case is a slip like any other, though command words keep theirs.
    {"upper_case", "LSPACKET", "The most similar command is \"lspacket\".\n"},
    {"upper_case_shortest_spelling", "MKREP", "The most similar command is \"mkreplica\".\n"},
    {"mixed_case_and_letters_swapped", "MkRepilca", "The most similar command is \"mkreplica\".\n"},
    // A beginning of several words names them all.
    {"beginning_of_several", "ls",
     "The most similar commands are:\n  lsepoch\n  lsexport\n  lsmaster\n  lspacket\n  lsreplica\n  lssetting\n"
     "  lsshipconfig\n  lstype\n"},
};

class UnknownWord : public testing::TestWithParam<UnknownWordCase> {};

// Message 24 as it stands, then the nearest command words when one is close.
TEST_P(UnknownWord, PrintsMessage24AndExits2) {
    const ProcessResult r = RunVexar({GetParam().word, "p1"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, kErrorPrefix + UnrecognizedCommand(GetParam().word) + GetParam().suggestion);
}

INSTANTIATE_TEST_SUITE_P(Dispatch, UnknownWord, testing::ValuesIn(kUnknownWords), vxtest::RowName());

// help and man name the command word they look up: one that reaches no command gets the
// same suggestions, after their own message.
struct LookedUpWordCase {
    const char *label;
    std::vector<std::string> args;
    std::string message;     // what help or man says
    std::string suggestion;  // what follows it
};

const std::string kNoHelpForMkrepilca = "No help for unknown command \"mkrepilca\".\n";
const std::string kSimilarMkreplica = "The most similar command is \"mkreplica\".\n";

const LookedUpWordCase kLookedUpWords[] = {
    {"help", {"help", "mkrepilca"}, kNoHelpForMkrepilca, kSimilarMkreplica},
    {"help_option", {"--help", "mkrepilca"}, kNoHelpForMkrepilca, kSimilarMkreplica},
    {"help_upper_case",
     {"h", "LSPACKET"},
     "No help for unknown command \"LSPACKET\".\n",
     "The most similar command is \"lspacket\".\n"},
    {"man", {"man", "mkrepilca"}, "No manual page for unknown command \"mkrepilca\".\n", kSimilarMkreplica},
    {"help_far_from_everything", {"help", "frobnicate"}, "No help for unknown command \"frobnicate\".\n", ""},
};

class LookedUpWord : public testing::TestWithParam<LookedUpWordCase> {};

TEST_P(LookedUpWord, GetsTheSuggestionsOfACommandWord) {
    const ProcessResult r = RunVexar(GetParam().args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, kErrorPrefix + GetParam().message + GetParam().suggestion);
}

INSTANTIATE_TEST_SUITE_P(Dispatch, LookedUpWord, testing::ValuesIn(kLookedUpWords), vxtest::RowName());

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

INSTANTIATE_TEST_SUITE_P(Dispatch, OneShotStatus, testing::ValuesIn(kStatuses), vxtest::RowName());

// ---- Help -----------------------------------------------------------------------

struct HelpCase {
    const char *label;
    std::vector<std::string> args;
    std::string out;
};

// A text of the shared command syntax (help's and man's usage), as its table holds it.
std::string SharedSyntaxText(zornacmdsyn::Text text) { return zornacmdsyn::texts()->texts[static_cast<int>(text)]; }

const HelpCase kHelp[] = {
    {"h", {"h", "lspacket"}, LspacketUsage()},
    {"hel", {"hel", "lspacket"}, LspacketUsage()},
    // "--help" anywhere before "--" asks the command for its usage instead of running it.
    {"usage_option_after_the_word", {"lspacket", "--help"}, LspacketUsage()},
    {"usage_option_among_flags_and_operands", {"lspacket", "-long", "p1", "--help", "-bogus"}, LspacketUsage()},
    {"usage_option_of_help", {"help", "--help"}, SharedSyntaxText(zornacmdsyn::Text::help_usage)},
    {"usage_option_of_man", {"man", "--help"}, SharedSyntaxText(zornacmdsyn::Text::man_usage)},
};

class Help : public testing::TestWithParam<HelpCase> {};

TEST_P(Help, PrintsOnlyTheUsageOnStdout) {
    const ProcessResult r = RunVexar(GetParam().args);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, GetParam().out);
    EXPECT_EQ(r.err, "");
}

INSTANTIATE_TEST_SUITE_P(Dispatch, Help, testing::ValuesIn(kHelp), vxtest::RowName());

// After "--" the word is an operand like any other.
TEST(HelpUsageOption, IsAnOperandAfterDoubleDash) {
    const ProcessResult r = RunVexar({"lspacket", "--", "--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(CompactRecordLines(r.out).find(R"("packets":["--help"])"), std::string::npos) << r.out;
    EXPECT_EQ(r.err, "");
}

// ---- Every command of the library -----------------------------------------------

// Each command by its full name: help prints the usage text its catalog holds (the
// commands without a keyword row are reached too; chshipconfig has no usage text and
// prints nothing), and a line it takes runs its entry, whose status the tool turns into
// the exit status.
struct CommandCase {
    const char *word;
    std::string usage;
    std::vector<std::string> line;  // after the word
};

const CommandCase kCommands[] = {
    {"mkreplica", CatalogText(MSG_USAGE_MKREPLICA), {"-export", "-workdir", "w", "-out", "p", "h:r"}},
    {"syncreplica", CatalogText({MSG_USAGE_SYNCREPLICA, MSG_USAGE_SYNCREPLICA_DIAGNOSE}), {"-import", "pk"}},
    {"chreplica", CatalogText(MSG_USAGE_CHREPLICA), {"-host", "h", "r1"}},
    {"rmreplica", CatalogText(MSG_USAGE_RMREPLICA), {"r1"}},
    {"restorereplica", CatalogText(MSG_USAGE_RESTOREREPLICA), {}},
    {"mkrptype", CatalogText(MSG_USAGE_MKRPTYPE), {"t1"}},
    {"lspacket", CatalogText(MSG_USAGE_LSPACKET), {"p1"}},
    {"dumpoplog", CatalogText(MSG_USAGE_DUMPOPLOG), {"12"}},
    {"lsexport", CatalogText(MSG_USAGE_LSEXPORT), {"r1"}},
    {"recoverpacket", CatalogText(MSG_USAGE_RECOVERPACKET), {"r1"}},
    {"lsepoch", CatalogText(MSG_USAGE_LSEPOCH), {}},
    {"chepoch", CatalogText(MSG_USAGE_CHEPOCH), {"r1", "a=1"}},
    {"lssetting", CatalogText(MSG_USAGE_LSSETTING), {"-site"}},
    {"chsetting", CatalogText(MSG_USAGE_CHSETTING), {"-site", "a=1"}},
    {"lsshipconfig", CatalogText(MSG_USAGE_LSSHIPCONFIG), {}},
    {"syncserver", CatalogText(MSG_USAGE_SYNCSERVER), {"-inquire", "-all"}},
    {"vxacl", CatalogText(MSG_USAGE_VXACL), {"-get"}},
    {"familysyncstatus", CatalogText(MSG_USAGE_FAMILYSYNCSTATUS), {"-summary"}},
    {"shipinfo", CatalogText(MSG_USAGE_SHIPINFO), {"-job", "17"}},
    {"syncinfo", CatalogText(MSG_USAGE_SYNCINFO), {}},
    {"perfinfo", CatalogText(MSG_USAGE_PERFINFO), {"-granularity", "days"}},
    {"apropos", CatalogText(MSG_USAGE_APROPOS), {"replica"}},
};

class EveryCommand : public testing::TestWithParam<CommandCase> {};

TEST_P(EveryCommand, HelpPrintsItsUsage) {
    const ProcessResult r = RunVexar({"help", GetParam().word});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, GetParam().usage);
    EXPECT_EQ(r.err, "");
}

TEST_P(EveryCommand, EntryStatusBecomesExit1) {
    std::vector<std::string> args = {GetParam().word};
    args.insert(args.end(), GetParam().line.begin(), GetParam().line.end());
    const ProcessResult r = RunVexar(args, std::nullopt, {{"VX_CMD_STATUS", "7"}});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(Occurrences(r.out, "\"command\":\"" + std::string(GetParam().word) + "\""), 1) << r.out;
}

INSTANTIATE_TEST_SUITE_P(Dispatch, EveryCommand, testing::ValuesIn(kCommands), vxtest::RowName());

// The help options newcomers type show the tool's own usage, then what "help" shows,
// one-shot and at the prompt.
class HelpOption : public testing::TestWithParam<const char *> {};

// The tool's usage before the command list: its options and where its manual is.
void ExpectToolUsageThenList(const std::string &out, const std::string &list) {
    EXPECT_TRUE(out.starts_with("Usage: vexar COMMAND")) << out;
    EXPECT_TRUE(out.ends_with(list)) << out;
    const std::string usage = out.substr(0, out.size() - std::min(out.size(), list.size()));
    for (const char *named : {" -e ", "--stop-on-error", "-version", "@FILE", "\"man vexar\"", "\"vexar man COMMAND\""})
        EXPECT_NE(usage.find(named), std::string::npos) << named << " in\n" << usage;
    EXPECT_LE(Occurrences(usage, "\n"), 8) << "a few lines";
}

TEST_P(HelpOption, ShowsTheToolsUsageAndTheCommandList) {
    const ProcessResult help = RunVexar({"help"});
    ASSERT_EQ(help.status, 0);
    ASSERT_NE(help.out.find("Commands ("), std::string::npos) << help.out;
    EXPECT_EQ(help.out.find("Usage: vexar"), std::string::npos) << "the help command lists the commands only";

    const ProcessResult r = RunVexar({GetParam()});
    EXPECT_EQ(r.status, 0);
    ExpectToolUsageThenList(r.out, help.out);
    EXPECT_EQ(r.err, "");
    const ProcessResult usage = RunVexar({GetParam(), "lspacket"});
    EXPECT_EQ(usage.status, 0);
    EXPECT_EQ(usage.out, LspacketUsage()) << "a command word after it asks for that command's usage";
    const ProcessResult typed = RunVexar({}, std::string(GetParam()) + "\n");
    EXPECT_EQ(typed.status, 0);
    ExpectToolUsageThenList(typed.out, help.out);
}

INSTANTIATE_TEST_SUITE_P(Dispatch, HelpOption, testing::Values("--help", "-help", "-h", "-?"), [](const auto &info) {
    std::string name;
    for (const char *c = info.param; *c != '\0'; ++c)
        name += *c == '-' ? "dash_" : *c == '?' ? "question" : std::string(1, *c);
    return name;
});

// Every word that reaches a command is listed by help: each command by its full name,
// with its shortest spelling and its aliases beside it.
struct ListedCommand {
    std::string name;
    std::vector<std::string> others;
};

std::vector<ListedCommand> ListedCommands(const std::string &listing) {
    std::vector<ListedCommand> listed;
    std::size_t start = 0;
    for (std::size_t end; (end = listing.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = listing.substr(start, end - start);
        if (line.rfind("  ", 0) != 0) continue;
        ListedCommand command;
        std::size_t at = 2;
        command.name = line.substr(at, line.find_first_of(" ", at) - at);
        at += command.name.size();
        if (line.compare(at, 2, " (") == 0) {
            const std::size_t close = line.find(')', at);
            std::string others = line.substr(at + 2, close - at - 2);
            for (std::size_t from = 0, comma; from <= others.size(); from = comma + 2) {
                comma = others.find(", ", from);
                if (comma == std::string::npos) comma = others.size();
                command.others.push_back(others.substr(from, comma - from));
            }
        }
        listed.push_back(command);
    }
    return listed;
}

bool Listed(const std::vector<ListedCommand> &listed, const std::string &word) {
    for (const ListedCommand &command : listed) {
        if (command.name == word) return true;
        for (const std::string &other : command.others) {
            if (other == word) return true;
            // A spelling between the shortest one and the full name.
            if (word.rfind(other, 0) == 0 && command.name.rfind(word, 0) == 0) return true;
        }
    }
    return false;
}

TEST(HelpList, NamesEveryWordThatReachesACommand) {
    const ProcessResult r = RunVexar({"help"});
    ASSERT_EQ(r.status, 0);
    const std::vector<ListedCommand> listed = ListedCommands(r.out);
    for (const char *word : kReachableWords) EXPECT_TRUE(Listed(listed, word)) << word << " in\n" << r.out;
    EXPECT_TRUE(Listed(listed, "!")) << r.out;
    for (const char *line : {"  quit (q, exit) ", "  shell (sh, !) ", "  help (h) ", "  syncreplica (sync) "})
        EXPECT_NE(r.out.find(line), std::string::npos) << line << " in\n" << r.out;
    EXPECT_FALSE(Listed(listed, "mkre")) << "shorter than the shortest spelling";
}

}  // namespace
}  // namespace vxtest
