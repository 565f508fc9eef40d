// Argument files: a word "@path" stands for the words of the file, split line by line
// as the interactive mode splits a line; "@@" begins a word that begins with "@"; files
// do not nest; a file that cannot be read stops the tool before any command runs.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "ecosystem/scratch.h"
#include "support/param_names.h"
#include "tool/vexar_run.h"

namespace vxtest {
namespace {

using vxtest::operator<<;

// "{dir}" in a text stands for the test's scratch folder.
std::string WithDir(std::string text, const std::string &dir) {
    for (std::size_t at; (at = text.find("{dir}")) != std::string::npos;) text.replace(at, 5, dir);
    return text;
}

std::string LspacketRecord(const std::string &packets, int count, int detail = 0, int endrange = 0) {
    return R"({"command":"lspacket","record_version":2,"packets":)" + packets + R"(,"packet_count":)" +
           std::to_string(count) + R"(,"detail_level":)" + std::to_string(detail) +
           R"(,"dump":0,"invob":null,"endrange":)" + std::to_string(endrange) + "}\n";
}

struct ArgFileCase {
    const char *label;
    std::map<std::string, std::string> files;  // name in the scratch folder: content
    std::vector<std::string> args;             // "{dir}" stands for the scratch folder
    int status;
    std::string out;  // the records, compacted
    std::string err;  // after the tool's error prefix; "{dir}" as above
};

const ArgFileCase kCases[] = {
    {"operands_from_a_file",
     {{"list", "p1 p2\np3\n"}},
     {"lspacket", "-long", "@{dir}/list"},
     0,
     LspacketRecord(R"(["p1","p2","p3"])", 3, 2),
     ""},
    {"whole_command_from_a_file",
     {{"cmd", "lspacket -long\np1\n"}},
     {"@{dir}/cmd"},
     0,
     LspacketRecord(R"(["p1"])", 1, 2),
     ""},
    {"quoting_as_in_the_interactive_mode",
     {{"list", "'a b' \"c d\" e\\ f # a comment\n\n   # a line of comment only\n\t'#x'\n"}},
     {"lspacket", "@{dir}/list"},
     0,
     LspacketRecord(R"(["a b","c d","e f","#x"])", 4),
     ""},
    {"windows_line_ends",
     {{"list", "p1\r\np2\r\n"}},
     {"lspacket", "@{dir}/list"},
     0,
     LspacketRecord(R"(["p1","p2"])", 2),
     ""},
    {"last_line_without_newline",
     {{"list", "p1\np2"}},
     {"lspacket", "@{dir}/list"},
     0,
     LspacketRecord(R"(["p1","p2"])", 2),
     ""},
    {"files_and_words_keep_their_order",
     {{"a", "p1 p2"}, {"b", "p4"}},
     {"lspacket", "p0", "@{dir}/a", "p3", "@{dir}/b"},
     0,
     LspacketRecord(R"(["p0","p1","p2","p3","p4"])", 5),
     ""},
    {"double_at_is_a_word_beginning_with_at",
     {{"list", "@@p2 x@y"}},
     {"lspacket", "@@p1", "@{dir}/list", "@@"},
     0,
     LspacketRecord(R"(["@p1","@p2","x@y","@"])", 4),
     ""},
    {"flags_from_a_file",
     {{"flags", "-long -endrange"}},
     {"lspacket", "@{dir}/flags", "p1"},
     0,
     LspacketRecord(R"(["p1"])", 1, 2, 1),
     ""},
    {"empty_file_adds_nothing",
     {{"empty", ""}},
     {"lspacket", "@{dir}/empty", "p1"},
     0,
     LspacketRecord(R"(["p1"])", 1),
     ""},
    {"same_file_twice",
     {{"a", "p1"}},
     {"lspacket", "@{dir}/a", "@{dir}/a"},
     0,
     LspacketRecord(R"(["p1","p1"])", 2),
     ""},
    {"nested_file_refused",
     {{"a", "p1\n@{dir}/b\n"}, {"b", "p2"}},
     {"lspacket", "@{dir}/a"},
     2,
     "",
     "Argument file \"{dir}/a\" names another argument file, \"@{dir}/b\": argument files do not nest.\n"},
    {"missing_file",
     {},
     {"lspacket", "p1", "@{dir}/missing"},
     2,
     "",
     "Cannot read argument file \"{dir}/missing\": No such file or directory.\n"},
    {"folder_is_no_file",
     {{"sub/x", ""}},
     {"lspacket", "@{dir}/sub"},
     2,
     "",
     "Cannot read argument file \"{dir}/sub\": Is a directory.\n"},
    {"lone_at_names_no_file",
     {},
     {"lspacket", "@"},
     2,
     "",
     "\"@\" names no argument file: write \"@path\", or \"@@\" for a word beginning with \"@\".\n"},
    {"unclosed_quote_names_its_line",
     {{"a", "p1\n\"p2\n"}},
     {"lspacket", "@{dir}/a"},
     2,
     "",
     "Argument file \"{dir}/a\", line 2: missing closing double quote.\n"},
    {"trailing_backslash_names_its_line",
     {{"a", "p1\np2 \\\np3\n"}},
     {"lspacket", "@{dir}/a"},
     2,
     "",
     "Argument file \"{dir}/a\", line 2: a backslash ends the line with nothing to escape.\n"},
    {"trailing_backslash_before_crlf",
     {{"a", "p1 \\\r\n"}},
     {"lspacket", "@{dir}/a"},
     2,
     "",
     "Argument file \"{dir}/a\", line 1: a backslash ends the line with nothing to escape.\n"},
    {"nul_byte_names_its_line",
     {{"a", std::string("p1\np2\0x p3\n", 11)}},
     {"lspacket", "@{dir}/a"},
     2,
     "",
     "Argument file \"{dir}/a\", line 2: the line holds a NUL byte.\n"},
    {"utf8_byte_order_mark",
     {{"list", "\xEF\xBB\xBFp1 caf\xC3\xA9\r\n"}},
     {"lspacket", "@{dir}/list"},
     0,
     LspacketRecord("[\"p1\",\"caf\xC3\xA9\"]", 2),
     ""},
    {"utf16le_byte_order_mark",
     {{"list", Utf16le(u"p1 'caf\u00E9 \u65E5'\r\n\U0001F600\r\n")}},
     {"lspacket", "@{dir}/list"},
     0,
     LspacketRecord("[\"p1\",\"caf\xC3\xA9 \xE6\x97\xA5\",\"\xF0\x9F\x98\x80\"]", 3),
     ""},
    {"not_utf8_names_its_line",
     {{"a", "p1\np\xFF\n"}},
     {"lspacket", "@{dir}/a"},
     2,
     "",
     "Argument file \"{dir}/a\", line 2: not valid UTF-8 (argument files are read as UTF-8, or as UTF-16LE after its "
     "byte-order mark).\n"},
    {"not_utf16le_names_its_line",
     {{"a", Utf16le(u"p1\r\np\xDC00\r\n")}},
     {"lspacket", "@{dir}/a"},
     2,
     "",
     "Argument file \"{dir}/a\", line 2: not valid UTF-16LE (the file began with its byte-order mark).\n"},
    {"no_command_word_left",
     {{"empty", "# nothing\n"}},
     {"@{dir}/empty"},
     2,
     "",
     "The argument files hold no command word.\n"},
};

class ArgumentFile : public ScratchTest, public testing::WithParamInterface<ArgFileCase> {};

TEST_P(ArgumentFile, ExpandsOrRefuses) {
    const ArgFileCase &c = GetParam();
    for (const auto &[name, content] : c.files) Write(name, WithDir(content, Path()));
    std::vector<std::string> args;
    for (const std::string &arg : c.args) args.push_back(WithDir(arg, Path()));
    const ProcessResult r = RunVexar(args);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(CompactRecordLines(r.out), c.out);
    EXPECT_EQ(r.err, c.err.empty() ? "" : kErrorPrefix + WithDir(c.err, Path()));
}

INSTANTIATE_TEST_SUITE_P(Ecosystem, ArgumentFile, testing::ValuesIn(kCases), vxtest::RowName());

class ArgumentFileAtLarge : public ScratchTest {};

// The reason for argument files: more operands than a command line can hold.
TEST_F(ArgumentFileAtLarge, HundredThousandOperands) {
    constexpr int kOperands = 100000;
    std::string list;
    for (int i = 0; i < kOperands; ++i) list += "packet_" + std::to_string(i) + (i % 10 == 9 ? "\n" : " ");
    Write("list", list);
    const ProcessResult r = RunVexar({"lspacket", "@" + Path("list")});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find(R"("packet_count":100000)"), std::string::npos);
    EXPECT_NE(r.out.find(R"(["packet_0","packet_1",)"), std::string::npos);
    EXPECT_NE(r.out.find(R"("packet_99999"])"), std::string::npos);
}

// Interactive lines read argument files too; a file that cannot be read skips its line.
TEST_F(ArgumentFileAtLarge, InteractiveLinesReadThemToo) {
    Write("a", "p1 'p 2'\n");
    const ProcessResult r =
        RunVexar({}, WithDir("lspacket @{dir}/a\nlspacket @{dir}/missing\nlspacket @@p3\n", Path()));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(CompactRecordLines(r.out), LspacketRecord(R"(["p1","p 2"])", 2) + LspacketRecord(R"(["@p3"])", 1));
    EXPECT_EQ(r.err, LinePrefix(2) +
                         WithDir("Cannot read argument file \"{dir}/missing\": No such file or directory.\n", Path()));
}

// A line of standard input whose argument files hold no command word is refused, as on
// the command line; the file's line is named after the input's.
TEST_F(ArgumentFileAtLarge, BatchLinesNameTheFileLine) {
    Write("empty", "# nothing\n");
    Write("bad", "p1\n'p2\n");
    const ProcessResult r = RunVexar({}, WithDir("lspacket @{dir}/bad\n@{dir}/empty\nlspacket p3\n", Path()));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(CompactRecordLines(r.out), LspacketRecord(R"(["p3"])", 1));
    EXPECT_EQ(r.err, LinePrefix(1) +
                         WithDir("Argument file \"{dir}/bad\", line 2: missing closing single quote.\n", Path()) +
                         LinePrefix(2) + "The argument files hold no command word.\n");
}

// A file past 2 GiB (sparse here) is refused for its size: a build that is not large-file
// aware (32-bit without 64-bit offsets) cannot even open it and says something else.
TEST_F(ArgumentFileAtLarge, FilePastTwoGibibytesIsRefusedForItsSize) {
    const std::string big = Write("big", "");
    std::error_code error;
    std::filesystem::resize_file(big, std::uintmax_t{3} << 30, error);
    if (error) GTEST_SKIP() << "no sparse file of 3 GiB here: " << error.message();
    const ProcessResult r = RunVexar({"lspacket", "@" + big});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              std::string(kErrorPrefix) + "Cannot read argument file \"" + big + "\": it is larger than 16 MiB.\n");
}

// The completion modes see the words as typed: an "@" word is not read there.
TEST_F(ArgumentFileAtLarge, CompletionDoesNotReadFiles) {
    const ProcessResult r = RunVexar({"--complete", "lspacket", "@" + Path("missing"), "-l"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "-long\n");
    EXPECT_EQ(r.err, "");
}

}  // namespace
}  // namespace vxtest
