// The interactive mode: lines from standard input split as a shell splits them, each
// run like a one-shot command, until quit, exit or the end of input.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/param_names.h"
#include "vexar_run.h"

namespace vxtest {
namespace {

using vxtest::operator<<;

// The record lspacket prints for `packets` (a JSON array text) and nothing else given.
std::string LspacketRecord(const std::string &packets, int count) {
    return R"({"command":"lspacket","record_version":2,"packets":)" + packets + R"(,"packet_count":)" +
           std::to_string(count) +
           R"(,"detail_level":0,"dump":0,"invob":null,"endrange":0})"
           "\n";
}

// ---- Word splitting -------------------------------------------------------------

struct SplitCase {
    const char *label;
    const char *line;     // after "lspacket "
    const char *packets;  // the operands the routine received, as JSON
    int count;
};

const SplitCase kSplits[] = {
    {"plain_words", "p1 p2", R"(["p1","p2"])", 2},
    {"blanks_and_tabs", "  \tp1 \t p2\t ", R"(["p1","p2"])", 2},
    {"single_quotes", "'a b'", R"(["a b"])", 1},
    {"double_quotes", "\"c d\"", R"(["c d"])", 1},
    {"backslash_blank", "e\\ f", R"(["e f"])", 1},
    {"contract_sample", "'a b' \"c d\" e\\ f", R"(["a b","c d","e f"])", 3},
    {"single_quotes_keep_backslash", "'a\\b'", R"(["a\\b"])", 1},
    {"single_quotes_keep_double", "'say \"hi\"'", R"(["say \"hi\""])", 1},
    {"double_quotes_keep_single", "\"it's\"", R"(["it's"])", 1},
    {"double_quote_escapes", "\"q\\\" b\\\\ d\\$ t\\`\"", R"(["q\" b\\ d$ t`"])", 1},
    {"double_quote_other_backslash_kept", "\"a\\nb\"", R"(["a\\nb"])", 1},
    {"backslash_outside_quotes", "a\\nb \\'x", R"(["anb","'x"])", 2},
    {"adjacent_parts_join", "a'b c'\"d\"e", R"(["ab cde"])", 1},
    {"empty_quotes_are_words", "'' \"\"", R"(["",""])", 2},
    {"comment_at_word_start", "p1 # p2 p3", R"(["p1"])", 1},
    {"hash_inside_word", "p#1", R"(["p#1"])", 1},
    {"dollar_not_expanded", "$HOME", R"(["$HOME"])", 1},
};

class InteractiveSplit : public testing::TestWithParam<SplitCase> {};

TEST_P(InteractiveSplit, RoutineGetsTheWords) {
    const ProcessResult r = RunVexar({}, std::string("lspacket ") + GetParam().line + "\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(CompactRecordLines(r.out), LspacketRecord(GetParam().packets, GetParam().count));
    EXPECT_EQ(r.err, "");
}

INSTANTIATE_TEST_SUITE_P(Tool, InteractiveSplit, testing::ValuesIn(kSplits), vxtest::RowName());

// ---- Sessions -------------------------------------------------------------------

struct SessionCase {
    const char *label;
    std::string input;
    int status;
    std::string out;                     // all of standard output, records compacted
    std::vector<std::string> err_lines;  // these, in this order, make up standard error
    const char *cmd_status = nullptr;    // VX_CMD_STATUS for every command entry
};

const std::string kP1 = LspacketRecord(R"(["p1"])", 1);
const std::string kP2 = LspacketRecord(R"(["p2"])", 1);

const SessionCase kSessions[] = {
    {"quit_leaves", "lspacket p1\nquit\nlspacket p2\n", 0, kP1, {}},
    {"q_leaves", "lspacket p1\nq\nlspacket p2\n", 0, kP1, {}},
    {"exit_leaves", "lspacket p1\nexit\nlspacket p2\n", 0, kP1, {}},
    {"end_of_input_leaves", "lspacket p1\nlspacket p2\n", 0, kP1 + kP2, {}},
    {"last_line_without_newline", "lspacket p1\nlspacket p2", 0, kP1 + kP2, {}},
    {"no_input", "", 0, "", {}},
    {"blank_lines_skipped", "\n   \n\t\nlspacket p1\n\n", 0, kP1, {}},
    {"comment_line_skipped", "# lspacket p2\nlspacket p1\n", 0, kP1, {}},
    {"unknown_word_then_next_line", "bogus x\nlspacket p1\n", 2, kP1, {LinePrefix(1) + UnrecognizedCommand("bogus")}},
    {"unclosed_single_quote_skips_line",
     "lspacket 'p2\nlspacket p1\n",
     2,
     kP1,
     {LinePrefix(1) + "Missing closing single quote; the line was not run.\n"}},
    {"unclosed_double_quote_skips_line",
     "lspacket \"p2\nlspacket p1\n",
     2,
     kP1,
     {LinePrefix(1) + "Missing closing double quote; the line was not run.\n"}},
    {"syntax_error_does_not_stop",
     "lspacket -short -endrange\nlspacket p1\n",
     2,
     kP1,
     {LinePrefix(1) + "Can not use -endrange without -long\n", LspacketUsage()}},
    {"failed_command_does_not_stop", "lspacket p1\nlspacket p2\n", 1, kP1 + kP2, {}, "7"},
    {"output_order_kept", "lspacket p1\nhelp lspacket\nlspacket p2\n", 0, kP1 + LspacketUsage() + kP2, {}},
    {"quit_after_error", "bogus\nquit\nlspacket p2\n", 2, "", {LinePrefix(1) + UnrecognizedCommand("bogus")}},
};

class InteractiveSession : public testing::TestWithParam<SessionCase> {};

TEST_P(InteractiveSession, RunsLineByLine) {
    std::map<std::string, std::string> env;
    if (GetParam().cmd_status != nullptr) env["VX_CMD_STATUS"] = GetParam().cmd_status;
    const ProcessResult r = RunVexar({}, GetParam().input, env);
    EXPECT_EQ(r.status, GetParam().status);
    EXPECT_EQ(CompactRecordLines(r.out), GetParam().out) << "no prompt when standard input is not a terminal";
    std::string err;
    for (const std::string &line : GetParam().err_lines) err += line;
    EXPECT_EQ(r.err, err);
}

INSTANTIATE_TEST_SUITE_P(Tool, InteractiveSession, testing::ValuesIn(kSessions), vxtest::RowName());

// At a terminal the tool prompts before every line, on the terminal alone: standard
// output sent to a pipe holds the records and nothing else (here the terminal is the
// input only, and what the tool writes there is not read).
struct TerminalCase {
    const char *label;
    const char *typed;
    std::string out;
};

const TerminalCase kTerminal[] = {
    {"prompt_per_line_then_newline_at_end", "lspacket p1\n\nlspacket p2\n", kP1 + kP2},
    {"quit_leaves_without_prompt", "lspacket p1\nquit\nlspacket p2\n", kP1},
    {"nothing_typed", "", ""},
};

class InteractiveTerminal : public testing::TestWithParam<TerminalCase> {};

TEST_P(InteractiveTerminal, PromptsOnlyOnTheTerminal) {
#if defined(_WIN32)
    GTEST_SKIP() << "Windows has no pseudo-terminal to type into";
#endif
    const ProcessResult r = RunVexarAtTerminal(GetParam().typed);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(CompactRecordLines(r.out), GetParam().out);
    EXPECT_EQ(r.err, "");
}

INSTANTIATE_TEST_SUITE_P(Tool, InteractiveTerminal, testing::ValuesIn(kTerminal), vxtest::RowName());

// A line far longer than any fixed buffer arrives whole.
TEST(InteractiveLongLine, KeepsEveryWord) {
    constexpr int kWords = 6000;
    std::string line = "lspacket";
    for (int i = 0; i < kWords; ++i) line += " packet_" + std::to_string(i);
    const ProcessResult r = RunVexar({}, line + "\nlspacket p1\n");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    const std::string out = CompactRecordLines(r.out);
    EXPECT_NE(out.find(R"("packet_count":6000)"), std::string::npos);
    EXPECT_NE(out.find(R"("packet_0","packet_1",)"), std::string::npos);
    EXPECT_NE(out.find(R"("packet_5999"])"), std::string::npos);
    EXPECT_TRUE(out.ends_with(kP1)) << "the line after it still runs";
}

// Many commands in one session: the area is reused, nothing piles up or leaks between lines.
TEST(InteractiveManyLines, EachLineRunsOnItsOwn) {
    std::string input, expected;
    for (int i = 0; i < 300; ++i) {
        input += (i % 2 == 0 ? "lspacket -long p" : "lspacket p") + std::to_string(i) + "\n";
        expected += R"({"command":"lspacket","record_version":2,"packets":["p)" + std::to_string(i) +
                    R"("],"packet_count":1,"detail_level":)" + (i % 2 == 0 ? "2" : "0") +
                    R"(,"dump":0,"invob":null,"endrange":0})" + "\n";
    }
    const ProcessResult r = RunVexar({}, input);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(CompactRecordLines(r.out), expected);
    EXPECT_EQ(r.err, "");
}

}  // namespace
}  // namespace vxtest
