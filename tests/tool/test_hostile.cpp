// Hostile command lines through the tool, as a script or an operator would type them:
// every one ends with the right exit status and a bounded output, no larger than a
// small multiple of the input, never a message per byte or a runaway loop.
//
// The sweeps run every typical line of tests/robust/command_lines.txt with hostile
// texts in its value and operand positions and compare with the same line holding an
// ordinary word there: the output must be the same but for the word itself.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "record_writer.h"
#include "robust/command_lines.h"
#include "support/param_names.h"
#include "vexar_run.h"

namespace vxtest {
namespace {

using vxtest::operator<<;
using vxrobust::CountOf;
using vxrobust::ReplaceAll;
using Words = std::vector<std::string>;

const std::string kPlain = "Plain7Word";

// Linux refuses only a single argument over 128 KiB; Windows a whole command line over
// 32 767 characters, which the cases of 100 KiB and of 100 000 words pass.
#if defined(_WIN32)
constexpr bool kLongCommandLines = false;
#else
constexpr bool kLongCommandLines = true;
#endif
constexpr const char *kTooLong = "the command line would pass the system's limit";
#if defined(_WIN32)
// A Windows command line is UTF-16: bytes that are not UTF-8 have no form in it, and
// reach a program as U+FFFD whatever the program does.
constexpr const char *kNoBytesOnWindows = "a Windows command line holds UTF-16 text, not bytes";
#endif

// Commands of the shared command syntax, whose words are not flags, and the library's
// commands that take words rather than flags or read nothing.
const std::set<std::string> kNoFlagTable = {
    "help",   "man",    "apropos",   "chshipconfig", "quit",     "cd",        "pwd",      "shell",
    "lstype", "rmtype", "lsreplica", "chmaster",     "lsmaster", "reqmaster", "describe", "rename"};

// A text as it stands inside a record's JSON string, as the command entries write it.
std::string InRecord(const std::string &text) {
    vx_cmd::RecordWriter record("x");
    record.text("v", text.c_str());
    const std::string line = record.line();  // {"command":"x","v":"..."}
    const std::size_t start = line.find(R"("v":")") + 5;
    return line.substr(start, line.size() - 2 - start);
}

size_t InputBytes(const Words &args, const std::string &stdin_text = "") {
    size_t bytes = stdin_text.size();
    for (const std::string &word : args) bytes += word.size() + 1;
    return bytes;
}

// Output no larger than a small multiple of the input.
void ExpectBounded(const ProcessResult &r, size_t input_bytes) {
    EXPECT_FALSE(r.timed_out);
    EXPECT_LE(r.out.size() + r.err.size(), 4 * input_bytes + 8192)
        << "out: " << r.out.substr(0, 300) << "\nerr: " << r.err.substr(0, 300);
}

// The positions of a line's words (after the command word) that are values or operands.
std::vector<size_t> ValuePositions(const Words &words) {
    std::vector<size_t> positions;
    for (size_t i = 1; i < words.size(); ++i)
        if (words[i][0] != '-') positions.push_back(i);
    return positions;
}

Words WithValues(Words words, const std::string &text) {
    for (const size_t position : ValuePositions(words)) words[position] = text;
    return words;
}

// ---- Hostile texts in every value and operand of every typical line -----------------

class ToolHostileValue : public testing::TestWithParam<vxrobust::HostileText> {};

TEST_P(ToolHostileValue, PrintsAsAnOrdinaryWordDoes) {
    const std::string &hostile = GetParam().text;
    if (!kLongCommandLines && hostile.size() > 1000) GTEST_SKIP() << kTooLong;
#if defined(_WIN32)
    if (GetParam().name == std::string("invalid_utf8")) GTEST_SKIP() << kNoBytesOnWindows;
#endif
    int runs = 0;
    for (const vxrobust::CommandLine &line : vxrobust::LoadCommandLines()) {
        // cd's answer is the file system's: a name too long is not a name not found.
        if (ValuePositions(line.words).empty() || line.words[0] == "cd") continue;
        SCOPED_TRACE(line.text);
        const ProcessResult plain = RunVexar(WithValues(line.words, kPlain));
        const Words hostile_words = WithValues(line.words, hostile);
        const ProcessResult r = RunVexar(hostile_words);
        ++runs;
        EXPECT_EQ(r.status, plain.status);
        EXPECT_EQ(r.err, ReplaceAll(plain.err, kPlain, GetParam().shown));
        EXPECT_EQ(r.out, ReplaceAll(plain.out, InRecord(kPlain), InRecord(hostile)));
        // Each word stands once in the record and at most once in a message or two.
        EXPECT_LE(CountOf(plain.out + plain.err, kPlain), static_cast<int>(ValuePositions(line.words).size()) + 2);
        ExpectBounded(r, InputBytes(hostile_words));
    }
    EXPECT_GT(runs, 50);
}

INSTANTIATE_TEST_SUITE_P(Texts, ToolHostileValue, testing::ValuesIn(vxrobust::HostileTexts()), vxtest::RowName());

// ---- Flag names --------------------------------------------------------------------

// A flag name of 10 000 characters, to every command with a flag table: refused with
// one message naming it, the usage, exit 2.
TEST(ToolHostileFlagName, TenThousandCharactersAreRefusedOnce) {
    const std::string flag = "-" + vxrobust::LongWord(9999);
    std::set<std::string> done;
    for (const vxrobust::CommandLine &line : vxrobust::LoadCommandLines()) {
        const std::string &command = line.words[0];
        if (kNoFlagTable.count(command) != 0 || !done.insert(command).second) continue;
        SCOPED_TRACE(command);
        const ProcessResult r = RunVexar({command, flag});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(CountOf(r.err, flag), 1);
        EXPECT_NE(r.err.find("Usage:"), std::string::npos);
        ExpectBounded(r, flag.size());
    }
    EXPECT_GT(done.size(), 20u);
}

// ---- Exact cases -------------------------------------------------------------------

struct ExactCase {
    const char *label;
    Words args;
    int status;
    std::string out;  // the record line, compacted, or "" for none; "*" for any
    std::string err;  // exact; "*" for any
};

std::string LspacketRecord(const std::string &packets, int count, int detail = 0, const char *invob = "null") {
    return R"({"command":"lspacket","record_version":2,"packets":)" + packets + R"(,"packet_count":)" +
           std::to_string(count) + R"(,"detail_level":)" + std::to_string(detail) + R"(,"dump":0,"invob":)" + invob +
           R"(,"endrange":0})"
           "\n";
}

std::string Unrecognized(const std::string &word) { return kErrorPrefix + UnrecognizedCommand(word); }

const ExactCase kExact[] = {
    {"empty_word_operand", {"lspacket", ""}, 0, LspacketRecord(R"([""])", 1), ""},
    {"dash_operand", {"lspacket", "-"}, 0, LspacketRecord(R"(["-"])", 1), ""},
    {"double_dash_ends_flags", {"lspacket", "--", "-long", "--"}, 0, LspacketRecord(R"(["-long","--"])", 2), ""},
    {"separator_operands", {"lspacket", "=", ":", ",", ",,"}, 0, LspacketRecord(R"(["=",":",",",",,"])", 4), ""},
    {"format_command_word", {"%s%n%x"}, 2, "", Unrecognized("%s%n%x")},
    {"non_ascii_command_word",
     {"l\xC3\xA9spacket"},
     2,
     "",
     Unrecognized("l\xC3\xA9spacket") + "The most similar command is \"lspacket\".\n"},
#if !defined(_WIN32)  // a Windows command line holds no bytes that are not UTF-8
    {"invalid_utf8_command_word", {"\xFF\xFE"}, 2, "", Unrecognized("\\xff\\xfe")},
#endif
    {"empty_command_word", {""}, 2, "", Unrecognized("")},
    {"format_operand", {"lspacket", "%s%n%x"}, 0, LspacketRecord(R"(["%s%n%x"])", 1), ""},
    {"format_value", {"lspacket", "-invob", "%n%n%n%n"}, 0, LspacketRecord("null", 0, 0, R"("%n%n%n%n")"), ""},
#if !defined(_WIN32)  // a Windows command line holds no bytes that are not UTF-8
    {"invalid_utf8_is_escaped_in_records", {"lspacket", "a\xFF"}, 0, LspacketRecord(R"(["a\udcff"])", 1), ""},
#endif
    {"help_of_format_word", {"help", "%s%n%x"}, 2, "", "*"},
#if !defined(_WIN32)
    // An argument file without end is refused, not read forever.
    {"argument_file_without_end", {"lspacket", "@/dev/zero"}, 2, "", "*"},
#endif
    // Numbers at and past the range of each conversion.
    {"size_max", {"mkreplica", "-export", "-workdir", "/w", "-out", "p", "-maxsize", "2147483647", "h:r"}, 0, "*", ""},
    {"size_past_max",
     {"mkreplica", "-export", "-workdir", "/w", "-out", "p", "-maxsize", "2147483648", "h:r"},
     2,
     "",
     "*"},
    {"size_suffix_past_max", {"syncreplica", "-export", "-out", "p", "-maxsize", "2g", "r1"}, 2, "", "*"},
    {"schema_past_min",
     {"mkreplica", "-import", "-workdir", "/w", "-tag", "/t", "-vob", "/v", "-preserve", "-schema", "-2147483649", "p"},
     2,
     "",
     "*"},
    {"limit_max", {"syncreplica", "-export", "-out", "p", "-maxsize", "1k", "-limit", "2147483647", "r1"}, 0, "*", ""},
    {"limit_past_max",
     {"syncreplica", "-export", "-out", "p", "-maxsize", "1k", "-limit", "2147483648", "r1"},
     2,
     "",
     "*"},
    {"epoch_hex_max", {"chepoch", "r1", "r2=0x7fffffff"}, 0, "*", ""},
    {"epoch_hex_past_max", {"chepoch", "r1", "r2=0x80000000"}, 2, "", "*"},
    {"strtoul_max", {"dumpoplog", "-limit", "4294967295"}, 0, "*", ""},
    {"strtoul_past_max", {"dumpoplog", "-limit", "4294967296"}, 2, "", "*"},
};

class ToolHostileExact : public testing::TestWithParam<ExactCase> {};

TEST_P(ToolHostileExact, EndsAsExpected) {
    const ExactCase &c = GetParam();
    const ProcessResult r = RunVexar(c.args);
    EXPECT_EQ(r.status, c.status) << r.err;
    if (c.out != "*") {
        EXPECT_EQ(CompactRecordLines(r.out), c.out);
    }
    if (c.err != "*") {
        EXPECT_EQ(r.err, c.err);
    }
    if (c.status != 0) {
        EXPECT_NE(r.err, "");
    }
    ExpectBounded(r, InputBytes(c.args));
}

INSTANTIATE_TEST_SUITE_P(Cases, ToolHostileExact, testing::ValuesIn(kExact), vxtest::RowName());

// ---- Terminal control sequences in words --------------------------------------------------

// A word echoed in a message never reaches the terminal as a control sequence, from the
// command line or from piped input: its control characters are shown escaped.
struct EscapeCase {
    const char *label;
    Words args;
    std::optional<std::string> piped;
    std::string shown;  // the escaped word, as standard error shows it
};

const EscapeCase kEscapes[] = {
    {"title_and_clear_screen_command_word", {"\x1b]0;TITLE\a\x1b[2J"}, std::nullopt, "\\x1b]0;TITLE\\x07\\x1b[2J"},
    {"colour_in_a_flag", {"lspacket", "-\x1b[31mred"}, std::nullopt, "-\\x1b[31mred"},
    {"c1_control_in_a_help_word",
     {"help",
      "\xc2\x9b"
      "2J"},
     std::nullopt,
     "\\u009b2J"},
#if !defined(_WIN32)  // a Windows command line holds no bytes that are not UTF-8
    {"lone_c1_byte_in_a_flag",
     {"lspacket",
      "-\x9b"
      "2J"},
     std::nullopt,
     "-\\x9b2J"},
#endif
    {"piped_command_word", {}, "\x1b]0;TITLE\a\x1b[2J\n", "\\x1b]0;TITLE\\x07\\x1b[2J"},
    {"piped_flag_with_delete", {}, "lspacket -x\x7f\x08\n", "-x\\x7f\\x08"},
};

class ToolTerminalEscapes : public testing::TestWithParam<EscapeCase> {};

TEST_P(ToolTerminalEscapes, WordsInMessagesAreEscaped) {
    const EscapeCase &c = GetParam();
    const ProcessResult r = RunVexar(c.args, c.piped);
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_NE(r.err.find("\"" + c.shown + "\""), std::string::npos) << r.err;
    for (const char byte : r.err) {
        const unsigned char b = static_cast<unsigned char>(byte);
        EXPECT_TRUE(b == '\n' || (b >= 0x20 && b < 0x7f)) << "raw byte " << int{b} << " in: " << r.err;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ToolTerminalEscapes, testing::ValuesIn(kEscapes), vxtest::RowName());

// ---- Big words and many words -----------------------------------------------------------

TEST(ToolHostileSize, WordOf100KiBOnTheCommandLine) {
    if (!kLongCommandLines) GTEST_SKIP() << kTooLong;
    const std::string word = vxrobust::LongWord(100 * 1024);
    {
        const ProcessResult r = RunVexar({"lspacket", word});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(CompactRecordLines(r.out), LspacketRecord("[\"" + word + "\"]", 1));
        EXPECT_EQ(r.err, "");
    }
    {
        const ProcessResult r = RunVexar({word, "p1"});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, Unrecognized(word));
    }
    {
        const ProcessResult r = RunVexar({"lspacket", "-" + word});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(CountOf(r.err, word), 1);
        EXPECT_EQ(CountOf(r.err, LspacketUsage()), 1);
    }
}

// The interactive mode reads lines of any length: a word of 1 MiB is one word.
TEST(ToolHostileSize, WordOf1MiBThroughTheInteractiveMode) {
    const std::string word = vxrobust::LongWord(1024 * 1024);
    struct Case {
        std::string line;
        int status;
        std::string out;
        std::string err;
    };
    const Case cases[] = {
        {"lspacket " + word + "\n", 0, LspacketRecord("[\"" + word + "\"]", 1), ""},
        {"lspacket '" + word + "'\n", 0, LspacketRecord("[\"" + word + "\"]", 1), ""},
        {word + "\n", 2, "", LinePrefix(1) + UnrecognizedCommand(word)},
        {"lspacket -" + word + "\n", 2, "", "*"},
        {"lspacket '" + word + "\n", 2, "", "*"},  // the quote is never closed
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line.substr(0, 20));
        const ProcessResult r = RunVexar({}, c.line);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(CompactRecordLines(r.out), c.out);
        if (c.err != "*") {
            EXPECT_EQ(r.err, c.err);
        }
        EXPECT_LE(CountOf(r.err, word), 1);
        ExpectBounded(r, c.line.size());
    }
}

TEST(ToolHostileSize, HundredThousandOperands) {
    if (!kLongCommandLines) GTEST_SKIP() << kTooLong;
    Words args{"lspacket"};
    for (int i = 0; i < 100000; ++i) args.push_back("p" + std::to_string(i));
    const ProcessResult r = RunVexar(args);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    const nlohmann::json record = nlohmann::json::parse(r.out);
    EXPECT_EQ(record["packet_count"], 100000);
    EXPECT_EQ(record["packets"][99999], "p99999");
    ExpectBounded(r, InputBytes(args));

    // A command with one operand reports the first extra one, once.
    Words extra{"rmreplica", "rep1"};
    extra.insert(extra.end(), 100000, "extra");
    const ProcessResult refused = RunVexar(extra);
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(CountOf(refused.err, "extra"), 1);
    EXPECT_LT(refused.err.size(), 2048u);
}

// A flag given 10 000 times ends as the flag given once.
TEST(ToolHostileSize, FlagsRepeatedTenThousandTimes) {
    if (!kLongCommandLines) GTEST_SKIP() << kTooLong;
    struct Case {
        Words once;
        Words repeated;  // given 10 000 times
    };
    const Case cases[] = {
        {{"lspacket", "-long"}, {"-long"}},
        {{"lspacket", "-invob", "v"}, {"-invob", "v"}},
        {{"lspacket", "-long", "-short"}, {"-long", "-short"}},
        {{"chsetting", "-site", "-password", "pw", "a=1"}, {"-site", "-password", "pw"}},
        {{"syncserver", "-inquire", "-vob", "t1,t2"}, {"-inquire", "-vob", "t1,t2"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.once));
        Words args{c.once[0]};
        for (int i = 0; i < 10000; ++i) args.insert(args.end(), c.repeated.begin(), c.repeated.end());
        // What the single form has after the repeated words (chsetting's setting).
        args.insert(args.end(), c.once.begin() + 1 + static_cast<long>(c.repeated.size()), c.once.end());
        const ProcessResult once = RunVexar(c.once);
        const ProcessResult r = RunVexar(args);
        EXPECT_EQ(r.status, once.status);
        EXPECT_EQ(r.out, once.out);
        EXPECT_EQ(r.err, once.err);
    }
}

// The first typical line of every command with its words repeated 10 000 times ends as
// with them twice. The lines go through the interactive mode, which has no limit on a
// line's length.
TEST(ToolHostileSize, LinesRepeatedTenThousandTimesEndAsTwice) {
    std::set<std::string> done;
    for (const vxrobust::CommandLine &line : vxrobust::LoadCommandLines()) {
        if (line.words.size() < 2 || !done.insert(line.words[0]).second) continue;
        SCOPED_TRACE(line.text);
        const std::string args = line.text.substr(line.words[0].size());
        std::string twice = line.words[0], many = line.words[0];
        for (int i = 0; i < 10000; ++i) {
            if (i < 2) twice += args;
            many += args;
        }
        const ProcessResult expected = RunVexar({}, twice + "\n");
        const ProcessResult r = RunVexar({}, many + "\n");
        EXPECT_EQ(r.status, expected.status);
        EXPECT_EQ(r.err, expected.err);
        EXPECT_EQ(CountOf(r.out, "\n"), CountOf(expected.out, "\n"));
        ExpectBounded(r, many.size());
    }
}

// ---- The interactive mode ------------------------------------------------------------

// Format directives typed in the interactive mode are printed as text.
TEST(ToolHostileInteractive, FormatDirectivesArePrintedAsText) {
    const ProcessResult r = RunVexar({}, "%s%n%x\nlspacket %n%n%n\nlspacket -%s%s%s\nhelp %99999999d\nlspacket '%s\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(CompactRecordLines(r.out), LspacketRecord(R"(["%n%n%n"])", 1));
    EXPECT_NE(r.err.find(LinePrefix(1) + UnrecognizedCommand("%s%n%x")), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("-%s%s%s"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("%99999999d"), std::string::npos) << r.err;
    ExpectBounded(r, 100);
}

// A stream of blank words, separators and bytes that are no text: every line is
// answered, none ends the session early.
TEST(ToolHostileInteractive, OddLinesAreEachAnswered) {
    std::string input;
    for (const char *line : {"", " ", "\t", "''", "\"\"", "-", "--", "=", ":", ",", "#", "\\", "\xFF\xFE", "\x01\x02",
                             "lspacket '' \"\" - -- = : ,"})
        input += std::string(line) + "\n";
    input += "lspacket last\n";
    const ProcessResult r = RunVexar({}, input);
    EXPECT_EQ(r.status, 2);  // "\\" and "\xFF\xFE" are refused
    EXPECT_NE(r.out.find("\"last\""), std::string::npos) << r.out;
    ExpectBounded(r, input.size());
}

}  // namespace
}  // namespace vxtest
