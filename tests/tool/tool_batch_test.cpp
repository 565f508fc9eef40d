// Commands piped into the tool: the exit status sums up every line, messages name the
// line they come from, the stop option ends at the first failure, and the input is
// read as UTF-8 (with or without a byte-order mark) or as UTF-16LE after its mark,
// with "\n" or "\r\n" line ends.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/param_names.h"
#include "vexar_run.h"

namespace vxtest {
namespace {

using vxtest::operator<<;

std::string LspacketRecord(const std::string &packets, int count, int detail = 0) {
    return R"({"command":"lspacket","record_version":2,"packets":)" + packets + R"(,"packet_count":)" +
           std::to_string(count) + R"(,"detail_level":)" + std::to_string(detail) +
           R"(,"dump":0,"invob":null,"endrange":0})"
           "\n";
}

const std::string kA = LspacketRecord(R"(["a"])", 1);
const std::string kB = LspacketRecord(R"(["b"])", 1);

const std::string kNotUtf8 =
    "The line is not valid UTF-8 (standard input is read as UTF-8, or as UTF-16LE after its byte-order mark); the "
    "line was not run.\n";
const std::string kNotUtf16le =
    "The line is not valid UTF-16LE (standard input began with its byte-order mark); the line was not run.\n";
const std::string kTrailingBackslash = "A backslash ends the line with nothing to escape; the line was not run.\n";
const std::string kNulByte = "The line holds a NUL byte; the line was not run.\n";

struct BatchCase {
    const char *label;
    std::vector<std::string> args;  // before any command word: the tool's options
    std::string input;
    std::map<std::string, std::string> env;
    int status;
    std::string out;  // the records, compacted
    std::string err;
};

const BatchCase kCases[] = {
    // The exit status.
    {"every_line_succeeds", {}, "lspacket a\n\n# comment\nlspacket b\n", {}, 0, kA + kB, ""},
    {"unknown_command_refused", {}, "bogus\nlspacket a\n", {}, 2, kA, LinePrefix(1) + UnrecognizedCommand("bogus")},
    {"failing_last_line",
     {},
     "lspacket a\nlspacket -zz\n",
     {},
     2,
     kA,
     LinePrefix(2) + "Unrecognized option \"-zz\"\n" + LspacketUsage()},
    {"execution_failure", {}, "lspacket a\n", {{"VX_CMD_STATUS", "1"}}, 1, kA, ""},
    {"execution_failure_outweighs_refusal",
     {},
     "bogus\nlspacket a\n",
     {{"VX_CMD_STATUS", "3"}},
     1,
     kA,
     LinePrefix(1) + UnrecognizedCommand("bogus")},
    {"quit_keeps_the_status_so_far",
     {},
     "bogus\nquit\nlspacket a\n",
     {},
     2,
     "",
     LinePrefix(1) + UnrecognizedCommand("bogus")},
    {"blank_and_comment_lines_are_counted",
     {},
     "\n  # note\nbogus\n",
     {},
     2,
     "",
     LinePrefix(3) + UnrecognizedCommand("bogus")},
    // The stop option.
    {"stop_at_a_refused_line",
     {"-e"},
     "lspacket a\nbogus\nlspacket b\n",
     {},
     2,
     kA,
     LinePrefix(2) + UnrecognizedCommand("bogus")},
    {"stop_at_a_failed_command", {"--stop-on-error"}, "lspacket a\nlspacket b\n", {{"VX_CMD_STATUS", "7"}}, 1, kA, ""},
    {"stop_option_without_failure", {"-e"}, "lspacket a\nlspacket b\n", {}, 0, kA + kB, ""},
    {"stop_at_an_unsplittable_line",
     {"-e"},
     "lspacket 'a\nlspacket b\n",
     {},
     2,
     "",
     LinePrefix(1) + "Missing closing single quote; the line was not run.\n"},
    {"stop_option_before_a_command_word", {"-e", "lspacket", "a"}, "", {}, 0, kA, ""},
    // Nothing dropped while splitting.
    {"trailing_backslash_refused",
     {},
     "describe x\\\nlspacket a\\\\\n",
     {},
     2,
     LspacketRecord(R"(["a\\"])", 1),
     LinePrefix(1) + kTrailingBackslash},
    {"trailing_backslash_before_crlf_refused", {}, "lspacket a \\\r\n", {}, 2, "", LinePrefix(1) + kTrailingBackslash},
    {"nul_byte_refused", {}, std::string("lspacket a\0b c\nlspacket b\n", 26), {}, 2, kB, LinePrefix(1) + kNulByte},
    {"nul_byte_in_quotes_refused",
     {},
     std::string("lspacket 'a\0'\nlspacket b\n", 25),
     {},
     2,
     kB,
     LinePrefix(1) + kNulByte},
    // Encodings and line ends.
    {"crlf_line_ends", {}, "lspacket -long\r\nlspacket a\r\n", {}, 0, LspacketRecord("null", 0, 2) + kA, ""},
    {"crlf_on_a_last_line_without_newline", {}, "lspacket a\r", {}, 0, kA, ""},
    {"utf8_byte_order_mark",
     {},
     "\xEF\xBB\xBFlspacket caf\xC3\xA9\n",
     {},
     0,
     LspacketRecord("[\"caf\xC3\xA9\"]", 1),
     ""},
    {"utf8_byte_order_mark_alone", {}, "\xEF\xBB\xBF", {}, 0, "", ""},
    {"not_utf8_refused", {}, "lspacket a\nlspacket caf\xE9\nlspacket b\n", {}, 2, kA + kB, LinePrefix(2) + kNotUtf8},
    {"overlong_utf8_refused", {}, "lspacket \xC0\xAF\n", {}, 2, "", LinePrefix(1) + kNotUtf8},
    {"utf8_surrogate_refused", {}, "lspacket \xED\xA0\x80\n", {}, 2, "", LinePrefix(1) + kNotUtf8},
    {"utf16_big_endian_is_not_utf8", {}, std::string("\xFE\xFF\0l", 4), {}, 2, "", LinePrefix(1) + kNotUtf8},
    {"utf16le_with_byte_order_mark",
     {},
     Utf16le(u"lspacket caf\u00E9 \u65E5\u672C \U0001F600\r\nlspacket -long\r\n"),
     {},
     0,
     LspacketRecord("[\"caf\xC3\xA9\",\"\xE6\x97\xA5\xE6\x9C\xAC\",\"\xF0\x9F\x98\x80\"]", 3) +
         LspacketRecord("null", 0, 2),
     ""},
    {"utf16le_lone_surrogate_refused",
     {},
     Utf16le(u"lspacket a\n") + Utf16le(u"lspacket \xD800\n").substr(2) + Utf16le(u"lspacket b").substr(2),
     {},
     2,
     kA + kB,
     LinePrefix(2) + kNotUtf16le},
    {"utf16le_half_a_unit_refused", {}, Utf16le(u"lspacket a\n") + "l", {}, 2, kA, LinePrefix(2) + kNotUtf16le},
    // A malformed setting: reported once, while the first line runs, and ignored.
    {"malformed_command_status",
     {},
     "lspacket a\nlspacket b\n",
     {{"VX_CMD_STATUS", "abc"}},
     0,
     kA + kB,
     LinePrefix(1) +
         "The environment variable VX_CMD_STATUS=\"abc\" is not a decimal number from -2147483648 to 2147483647; it "
         "is ignored.\n"},
};

class Batch : public testing::TestWithParam<BatchCase> {};

TEST_P(Batch, StatusRecordsAndMessages) {
    const BatchCase &c = GetParam();
    const ProcessResult r = RunVexar(c.args, c.input, c.env);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(CompactRecordLines(r.out), c.out);
    EXPECT_EQ(r.err, c.err);
}

INSTANTIATE_TEST_SUITE_P(Tool, Batch, testing::ValuesIn(kCases), vxtest::RowName());

}  // namespace
}  // namespace vxtest
