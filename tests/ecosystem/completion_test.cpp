// Shell completion: the bash, zsh and fish scripts ask the tool (vexar --complete),
// which offers the command words, the command word after help and man, and the flags of
// the command in full spelling, from the syntax table the build made of the routines'
// flag tables; it starts no process to answer.

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/no_processes.h"
#include "support/param_names.h"
#include "tool/vexar_run.h"

namespace vxtest {
namespace {

using vxtest::operator<<;

std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

const std::string kBashScript = std::string(VX_SOURCE_DIR) + "/completion/vexar.bash";
const std::string kZshScript = std::string(VX_SOURCE_DIR) + "/completion/_vexar";
const std::string kFishScript = std::string(VX_SOURCE_DIR) + "/completion/vexar.fish";

// Runs the bash completion function on `words` (after the tool's name) with the cursor
// in the last one, and returns COMPREPLY.
std::vector<std::string> BashCandidates(const std::vector<std::string> &words) {
    const std::string program =
        "source \"$0\" || exit 9\n"
        "COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1))\n"
        "_vexar\n"
        "printf '%s\\n' \"${COMPREPLY[@]}\"\n";
    std::vector<std::string> args{"--norc", "--noprofile", "-c", program, kBashScript, VEXAR_PATH};
    args.insert(args.end(), words.begin(), words.end());
    const ProcessResult r = run_process("/bin/bash", args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    std::vector<std::string> lines = Lines(r.out);
    if (lines.size() == 1 && lines[0].empty()) lines.clear();  // printf of no word prints one newline
    return lines;
}

struct BashCase {
    const char *label;
    std::vector<std::string> words;  // after "vexar"; the cursor is in the last one
    std::vector<std::string> candidates;
};

const BashCase kBash[] = {
    {"unique_command_word", {"lsp"}, {"lspacket"}},
    {"command_words_sharing_a_start", {"sync"}, {"syncinfo", "syncreplica", "syncserver"}},
    {"own_word_without_keyword_row", {"fam"}, {"familysyncstatus"}},
    {"every_flag_in_table_order", {"lspacket", "-"}, {"-dump", "-invob", "-long", "-short", "-endrange"}},
    {"flag_by_its_start", {"lspacket", "-l"}, {"-long"}},
    {"flag_after_an_operand", {"lspacket", "p1", "-s"}, {"-short"}},
    {"abbreviated_command_word", {"mkrep", "-pas"}, {"-password"}},
    {"command_word_after_help", {"help", "lspa"}, {"lspacket"}},
    {"command_word_after_abbreviated_help", {"h", "chsett"}, {"chsetting"}},
    {"command_word_after_man", {"man", "recover"}, {"recoverpacket"}},
    {"no_flags_after_double_dash", {"lspacket", "--", "-l"}, {}},
    {"value_of_a_flag_left_to_the_shell", {"mkreplica", "-workdir", "-"}, {}},
    {"value_of_an_abbreviated_flag", {"lspacket", "-inv", "-"}, {}},
    {"list_value_left_to_the_shell", {"syncreplica", "-oprange", "-"}, {}},
    {"flag_after_a_value", {"mkreplica", "-workdir", "-x", "-wor"}, {"-workdir"}},
    {"flag_after_a_switch", {"lspacket", "-long", "-e"}, {"-endrange"}},
    {"operands_left_to_the_shell", {"lspacket", "p"}, {}},
    {"unknown_command_word", {"bogus", "-"}, {}},
    {"command_without_flag_table", {"cd", "-"}, {}},
    {"no_command_word_after_help_twice", {"help", "lspacket", "ls"}, {}},
};

class BashCompletion : public testing::TestWithParam<BashCase> {};

TEST_P(BashCompletion, OffersTheCandidates) { EXPECT_EQ(BashCandidates(GetParam().words), GetParam().candidates); }

INSTANTIATE_TEST_SUITE_P(Ecosystem, BashCompletion, testing::ValuesIn(kBash), vxtest::RowName());

TEST(BashCompletionScript, RegistersForVexarWithFileFallback) {
    const ProcessResult r =
        run_process("/bin/bash", {"--norc", "--noprofile", "-c", "source \"$0\" && complete -p vexar", kBashScript});
    EXPECT_EQ(r.out, "complete -o default -F _vexar vexar\n");
}

// Every command word, from the keyword table and the tool's own table; no "!".
TEST(CommandWords, KeywordTableAndOwnWords) {
    const ProcessResult r = RunVexar({"--complete-words"});
    ASSERT_EQ(r.status, 0);
    const std::vector<std::string> words = Lines(r.out);
    EXPECT_TRUE(std::is_sorted(words.begin(), words.end()));
    EXPECT_EQ(std::set<std::string>(words.begin(), words.end()).size(), words.size()) << "no repeats";
    for (const char *word : {"help", "man", "quit", "exit", "shell", "mkreplica", "syncreplica", "lspacket", "describe",
                             "apropos", "familysyncstatus", "vxacl", "syncserver"})
        EXPECT_NE(std::find(words.begin(), words.end(), word), words.end()) << word;
    EXPECT_EQ(std::find(words.begin(), words.end(), "!"), words.end());
    EXPECT_EQ(words.size(), 38u) << "the 31 keyword rows but \"!\", and the tool's own 8";
    EXPECT_EQ(BashCandidates({""}), words) << "an empty word offers them all";
}

// For every command: the flags offered are exactly names its parser accepts, each once,
// and looking them up runs nothing (no record, no message).
TEST(CommandFlags, EveryOfferedFlagIsAcceptedByItsCommand) {
    const ProcessResult words = RunVexar({"--complete-words"});
    int commands_with_flags = 0;
    for (const std::string &word : Lines(words.out)) {
        SCOPED_TRACE(word);
        const ProcessResult r = RunVexar({"--complete-flags", word});
        ASSERT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        const std::vector<std::string> flags = Lines(r.out);
        EXPECT_EQ(std::set<std::string>(flags.begin(), flags.end()).size(), flags.size());
        if (!flags.empty()) ++commands_with_flags;
        for (const std::string &flag : flags) {
            ASSERT_EQ(flag.rfind("-", 0), 0u) << flag;
            EXPECT_EQ(flag.find_first_of("[] "), std::string::npos) << flag;
            // The command may refuse the line for other reasons, but not the word.
            const ProcessResult run = RunVexar({word, flag});
            EXPECT_EQ(run.err.find("Unrecognized option"), std::string::npos) << flag << ": " << run.err;
        }
    }
    EXPECT_GE(commands_with_flags, 2) << "lspacket and at least one more command have flags";
}

TEST(CommandFlags, UnknownWordIsRefused) {
    const ProcessResult r = RunVexar({"--complete-flags", "bogus_word"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, std::string(kErrorPrefix) + UnrecognizedCommand("bogus_word"));
}

// Commands without a flag table offer none, and nothing of theirs runs.
TEST(CommandFlags, CommandsWithoutTablesOfferNone) {
    for (const char *word : {"shell", "pwd", "cd", "quit", "apropos", "help", "describe"}) {
        SCOPED_TRACE(word);
        const ProcessResult r = RunVexar({"--complete-flags", word});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "");
    }
}

// The answers come from the tool's table: under a filter that kills a process at its
// first fork or clone, every mode answers in full.
TEST(CompletionModes, AnswerWithoutStartingAProcess) {
    if (!NoProcessFilter().known()) GTEST_SKIP() << "no seccomp filter for this machine";
    const int forking = forking_shell_status();
    if (forking == kFilterNotInstalled) GTEST_SKIP() << "seccomp filters cannot be installed here";
    ASSERT_EQ(forking, -SIGSYS) << "the filter stops a process that starts another";

    const std::vector<std::vector<std::string>> modes = {
        {"--complete-flags", "mkreplica"}, {"--complete", "mkreplica", "-"}, {"--complete-words"}, {"--complete", ""}};
    for (const std::vector<std::string> &args : modes) {
        SCOPED_TRACE(testing::PrintToString(args));
        const ProcessResult filtered = run_without_new_processes(VEXAR_PATH, args);
        EXPECT_EQ(filtered.status, 0) << filtered.err;
        EXPECT_EQ(filtered.out, RunVexar(args).out);
        EXPECT_GT(Lines(filtered.out).size(), 30u) << "every flag or word";
    }
}

TEST(CompletionModes, MisusedModesAreRefused) {
    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>>{
             {"--complete-flags"}, {"--complete-flags", "a", "b"}, {"--complete-words", "x"}, {"--complete"}}) {
        const ProcessResult r = RunVexar(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("Usage: vexar --complete-words"), std::string::npos);
    }
}

// The zsh function, run with stand-ins for the completion system's compadd and _files.
std::vector<std::string> ZshCandidates(const std::vector<std::string> &words) {
    const std::string program =
        "compadd() { [[ $1 == -a ]] && print -rl -- \"${(@P)2}\" }\n"
        "_files() { print -r -- '(files)' }\n"
        "fpath=(\"${0:h}\" $fpath); autoload -Uz _vexar\n"
        "words=(\"$@\"); CURRENT=$#; PREFIX=${words[CURRENT]}\n"
        "_vexar\n";
    std::vector<std::string> args{"-f", "-c", program, kZshScript, VEXAR_PATH};
    args.insert(args.end(), words.begin(), words.end());
    const ProcessResult r = run_process(VX_ZSH, args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    return Lines(r.out);
}

TEST(ZshCompletion, OffersTheSameCandidates) {
    if (std::string(VX_ZSH).empty()) GTEST_SKIP() << "zsh is not installed";
    EXPECT_EQ(ZshCandidates({"lsp"}), std::vector<std::string>{"lspacket"});
    EXPECT_EQ(ZshCandidates({"lspacket", "-"}),
              (std::vector<std::string>{"-dump", "-invob", "-long", "-short", "-endrange"}));
    EXPECT_EQ(ZshCandidates({"h", "chsett"}), std::vector<std::string>{"chsetting"});
    EXPECT_EQ(ZshCandidates({"lspacket", "p"}), std::vector<std::string>{"(files)"}) << "operands are file names";
}

// fish's own completion of a typed command line (complete -C), in a folder that holds
// one file, with the tool found on the PATH as a user runs it.
std::vector<std::string> FishCandidates(const std::string &line) {
    const std::string program =
        "source $argv[1]; or exit 9\n"
        "cd $argv[2]; or exit 9\n"
        "complete -C $argv[3]\n";
    const std::string folder = testing::TempDir() + "vx_fish_completion";
    run_process("/bin/sh", {"-c", "mkdir -p \"$0\" && : > \"$0/p_file.txt\"", folder});
    const std::string tool_dir = std::string(VEXAR_PATH).substr(0, std::string(VEXAR_PATH).rfind('/'));
    ProcessOptions options;
    options.set_env["PATH"] = tool_dir + ":/usr/bin:/bin";
    options.unset_env = {"XDG_CONFIG_HOME", "fish_complete_path"};
    const ProcessResult r =
        run_process(VX_FISH, {"--no-config", "-c", program, "--", kFishScript, folder, line}, options);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    std::vector<std::string> candidates;
    for (const std::string &out_line : Lines(r.out))
        candidates.push_back(out_line.substr(0, out_line.find('\t')));  // without a description
    return candidates;
}

struct FishCase {
    const char *label;
    const char *line;
    std::vector<std::string> candidates;
};

const FishCase kFish[] = {
    {"command_words_sharing_a_start", "vexar sync", {"syncinfo", "syncreplica", "syncserver"}},
    {"every_flag_in_table_order", "vexar lspacket -", {"-dump", "-invob", "-long", "-short", "-endrange"}},
    {"flag_by_its_start", "vexar mkrep -pas", {"-password"}},
    {"command_word_after_help", "vexar h chsett", {"chsetting"}},
    {"operands_are_file_names", "vexar lspacket p", {"p_file.txt"}},
    {"value_of_a_flag_is_a_file_name", "vexar lspacket -invob p", {"p_file.txt"}},
    {"no_flags_after_double_dash", "vexar lspacket -- -l", {}},
};

class FishCompletion : public testing::TestWithParam<FishCase> {};

TEST_P(FishCompletion, OffersTheSameCandidates) {
    if (std::string(VX_FISH).empty()) GTEST_SKIP() << "fish is not installed";
    EXPECT_EQ(FishCandidates(GetParam().line), GetParam().candidates);
}

INSTANTIATE_TEST_SUITE_P(Ecosystem, FishCompletion, testing::ValuesIn(kFish), vxtest::RowName());

}  // namespace
}  // namespace vxtest
