// Shell completion: the bash, zsh and fish scripts ask the tool (vexar --complete and
// --complete-described), which answers from the syntax table the build made of the
// routines' flag tables, their usage texts and the pages; it starts no process to
// answer. Each shell completes the cases every completer shares (completion_cases.h) as
// it completes a word; zsh and fish show the description's meanings beside them.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ecosystem/completion_cases.h"
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

// The folder the cases are typed in, holding kCompletionFile alone.
const std::string &CompletionFolder() {
    static const std::string folder = [] {
        const std::string path = testing::TempDir() + "vx_completion_" + std::to_string(getpid());
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
        std::ofstream(path + "/" + kCompletionFile).flush();
        return path;
    }();
    return folder;
}

// A candidate as a shell shows it: the word, and the meaning beside it.
struct Shown {
    std::string word;
    std::string meaning;
};

std::vector<std::string> WordsOf(const std::vector<Shown> &shown) {
    std::vector<std::string> words;
    for (const Shown &candidate : shown) words.push_back(candidate.word);
    return words;
}

ProcessResult RunShell(const std::string &shell, const std::vector<std::string> &args) {
    const ProcessResult r = run_process(shell, args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    return r;
}

// Runs the bash completion function on `words` (after the tool's name) with the cursor
// at the end of the last, as bash calls it: an "@" a word of its own, bash breaking words
// at the characters of COMP_WORDBREAKS too. Returns COMPREPLY, the words readline puts
// in the place of the last ("@" and all); when that is empty and the function left
// bash's own completion of file names on (complete -o default), the file names that
// completes the word to, as compgen -f lists them. (compopt works during completion
// only: here it notes what the function turns off.)
std::vector<std::string> BashCandidates(const std::vector<std::string> &words) {
    std::string line = VEXAR_PATH;
    std::vector<std::string> split;
    for (const std::string &word : words) {
        line += " " + word;
        if (word.size() > 1 && word[0] == '@') split.push_back("@");
        split.push_back(word.size() > 1 && word[0] == '@' ? word.substr(1) : word);
    }
    const std::string program =
        "cd \"$1\" || exit 9; COMP_LINE=$2; COMP_POINT=${#2}; shift 2\n"
        "default=on; compopt() { [[ $* == '+o default' ]] && default=off; return 0; }\n"
        "source \"$0\" || exit 9\n"
        "COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1))\n"
        "_vexar\n"
        "if ((${#COMPREPLY[@]} == 0)) && [[ $default == on ]]; then\n"
        "  mapfile -t COMPREPLY < <(compgen -f -- \"${COMP_WORDS[-1]}\")\n"
        "fi\n"
        "printf '%s\\n' \"${COMPREPLY[@]}\"\n";
    std::vector<std::string> args{"--norc",    "--noprofile",      "-c", program,
                                  kBashScript, CompletionFolder(), line, VEXAR_PATH};
    args.insert(args.end(), split.begin(), split.end());
    std::vector<std::string> lines = Lines(RunShell("/bin/bash", args).out);
    if (lines.size() == 1 && lines[0].empty()) lines.clear();  // printf of no word prints one newline
    return lines;
}

// The zsh function, run with stand-ins for the completion system: _describe lists its
// "word:meaning" pairs, compset and _files do as zsh's do in the folder of the cases.
std::vector<Shown> ZshCandidates(const std::vector<std::string> &words) {
    const std::string program =
        "cd $1 || exit 9; shift\n"
        "_describe() { print -rl -- \"${(@P)${@[-1]}}\" }\n"
        "compset() { [[ $1 == -P && $PREFIX == $2* ]] && IPREFIX+=$2 && PREFIX=${PREFIX#$2} }\n"
        "_files() { local f; for f in ${PREFIX}*(N); print -r -- \"$IPREFIX$f\" }\n"
        "fpath=(\"${0:h}\" $fpath); autoload -Uz _vexar\n"
        "words=(\"$@\"); CURRENT=$#; PREFIX=${words[CURRENT]}\n"
        "_vexar || true\n";
    std::vector<std::string> args{"-f", "-c", program, kZshScript, CompletionFolder(), VEXAR_PATH};
    args.insert(args.end(), words.begin(), words.end());
    std::vector<Shown> shown;
    for (const std::string &line : Lines(RunShell(VX_ZSH, args).out)) {
        const std::size_t colon = line.find(':');  // no word here holds one
        shown.push_back({line.substr(0, colon), colon == std::string::npos ? "" : line.substr(colon + 1)});
    }
    return shown;
}

// fish's own completion of a typed command line (complete -C), in the folder of the
// cases, with the tool found on the PATH as a user runs it.
std::vector<Shown> FishCandidates(const std::vector<std::string> &words) {
    std::string line = "vexar";
    for (const std::string &word : words) line += " " + word;
    const std::string program =
        "source $argv[1]; or exit 9\n"
        "cd $argv[2]; or exit 9\n"
        "complete -C $argv[3]\n";
    const std::string tool_dir = std::string(VEXAR_PATH).substr(0, std::string(VEXAR_PATH).rfind('/'));
    ProcessOptions options;
    options.set_env["PATH"] = tool_dir + ":/usr/bin:/bin";
    options.unset_env = {"XDG_CONFIG_HOME", "fish_complete_path"};
    const ProcessResult r =
        run_process(VX_FISH, {"--no-config", "-c", program, "--", kFishScript, CompletionFolder(), line}, options);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    std::vector<Shown> shown;
    for (const std::string &out_line : Lines(r.out)) {
        const std::size_t tab = out_line.find('\t');
        shown.push_back({out_line.substr(0, tab), tab == std::string::npos ? "" : out_line.substr(tab + 1)});
    }
    return shown;
}

bool HasZsh() { return std::string(VX_ZSH)[0] != '\0'; }
bool HasFish() { return std::string(VX_FISH)[0] != '\0'; }

// Every case every completer shares, the way each shell completes the word.
class ShellCompletion : public testing::TestWithParam<CompletionCase> {};

TEST_P(ShellCompletion, Bash) { EXPECT_EQ(BashCandidates(GetParam().words), GetParam().offered); }

TEST_P(ShellCompletion, Zsh) {
    if (!HasZsh()) GTEST_SKIP() << "zsh is not installed";
    EXPECT_EQ(WordsOf(ZshCandidates(GetParam().words)), GetParam().offered);
}

TEST_P(ShellCompletion, Fish) {
    if (!HasFish()) GTEST_SKIP() << "fish is not installed";
    EXPECT_EQ(WordsOf(FishCandidates(GetParam().words)), GetParam().offered);
}

INSTANTIATE_TEST_SUITE_P(Completers, ShellCompletion, testing::ValuesIn(kCompletionCases), vxtest::RowName());

// What zsh and fish show beside each command word and each flag: the purpose help lists
// and the flag's line from its page, as the syntax description carries them.
TEST(ShellMeanings, BesideEveryCommandWordAndFlag) {
    std::ifstream in(VX_SYNTAX_JSON);
    const nlohmann::json commands = nlohmann::json::parse(in).at("commands");
    // After "vexar": "" for the command words, "WORD -" for the flags of WORD.
    std::map<std::vector<std::string>, std::map<std::string, std::string>> meanings;
    for (const nlohmann::json &command : commands) {
        meanings[{""}][command.at("word")] = command.at("purpose");
        for (const nlohmann::json &alias : command.at("aliases")) meanings[{""}][alias] = command.at("purpose");
        for (const nlohmann::json &flag : command.at("flags"))
            meanings[{command.at("word"), "-"}][flag.at("name")] = flag.at("meaning");
    }
    for (const auto candidates_of : {HasZsh() ? ZshCandidates : nullptr, HasFish() ? FishCandidates : nullptr}) {
        if (candidates_of == nullptr) continue;
        for (const auto &[typed, meaning_of] : meanings) {
            const std::vector<Shown> shown = candidates_of(typed);
            EXPECT_FALSE(shown.empty()) << typed[0];
            for (const Shown &candidate : shown)
                EXPECT_EQ(candidate.meaning, meaning_of.count(candidate.word) ? meaning_of.at(candidate.word) : "?")
                    << typed[0] << " " << candidate.word;
        }
    }
}

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

    const std::vector<std::vector<std::string>> modes = {{"--complete-flags", "mkreplica"},
                                                         {"--complete", "mkreplica", "-"},
                                                         {"--complete-words"},
                                                         {"--complete", ""},
                                                         {"--complete-described", ""}};
    for (const std::vector<std::string> &args : modes) {
        SCOPED_TRACE(testing::PrintToString(args));
        const ProcessResult filtered = run_without_new_processes(VEXAR_PATH, args);
        EXPECT_EQ(filtered.status, 0) << filtered.err;
        EXPECT_EQ(filtered.out, RunVexar(args).out);
        EXPECT_GT(Lines(filtered.out).size(), 30u) << "every flag or word";
    }
}

TEST(CompletionModes, MisusedModesAreRefused) {
    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>>{{"--complete-flags"},
                                                                                      {"--complete-flags", "a", "b"},
                                                                                      {"--complete-words", "x"},
                                                                                      {"--complete"},
                                                                                      {"--complete-described"}}) {
        const ProcessResult r = RunVexar(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("Usage: vexar --complete-words"), std::string::npos);
    }
}

}  // namespace
}  // namespace vxtest
