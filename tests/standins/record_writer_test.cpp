// Record dumps: the writer every command entry uses, and the entries built so far.

#include "record_writer.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "libzornavx_cmd.h"
#include "standin_support.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;
using nlohmann::ordered_json;
using standin::capture;
using standin::EnvGuard;

ordered_json parsed(const std::string &line) { return ordered_json::parse(line); }

TEST(RecordWriter, CommandComesFirstThenFieldsInOrder) {
    vx_cmd::RecordWriter record("demo");
    record.number("zeta", 1).text("alpha", "a").unsigned_number("mid", 2);
    const ordered_json object = parsed(record.line());
    std::vector<std::string> keys;
    for (const auto &item : object.items()) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"command", "zeta", "alpha", "mid"}));
    EXPECT_EQ(object["command"], "demo");
}

TEST(RecordWriter, NullTextsAndLists) {
    const char *list[] = {"p1", nullptr, "p3"};
    vx_cmd::RecordWriter record("demo");
    record.text("none", nullptr).texts("no_list", nullptr, 3).texts("empty", list, 0).texts("list", list, 3);
    EXPECT_EQ(record.line(), R"({"command":"demo","none":null,"no_list":null,"empty":[],"list":["p1",null,"p3"]})");
}

TEST(RecordWriter, NumbersKeepTheirSignedness) {
    vx_cmd::RecordWriter record("demo");
    record.number("signed", -1).unsigned_number("unsigned", 0xFFFFFFFFu).number("low", INT32_MIN);
    EXPECT_EQ(record.line(), R"({"command":"demo","signed":-1,"unsigned":4294967295,"low":-2147483648})");
}

TEST(RecordWriter, PasswordsAreMasked) {
    vx_cmd::RecordWriter record("demo");
    record.password("set", "s3cret").password("unset", nullptr).password("empty", "");
    const std::string line = record.line();
    EXPECT_EQ(line, R"({"command":"demo","set":"***","unset":null,"empty":"***"})");
    EXPECT_EQ(line.find("s3cret"), std::string::npos);
}

TEST(RecordWriter, CommentBlockFields) {
    const cmd_comment_block_t block{"why", nullptr, COMMENT_KIND_TEXT, 0};
    vx_cmd::RecordWriter record("demo");
    record.comment_block(block);
    EXPECT_EQ(record.line(),
              R"({"command":"demo","comment":"why","comment_file":null,"comment_kind":5,"comment_reserved":0})");
}

// Reads back the JSON string that `line` holds as the value of "value", undoing the
// escapes and turning U+DC80..U+DCFF back into the single bytes they stand for.
std::string value_bytes(const std::string &line) {
    const std::string key = R"("value":")";
    std::size_t i = line.find(key);
    if (i == std::string::npos) return "<no value>";
    std::string bytes;
    for (i += key.size(); i < line.size() && line[i] != '"'; ++i) {
        if (line[i] != '\\') {
            bytes += line[i];
            continue;
        }
        const char kind = line[++i];
        if (kind != 'u') {
            bytes += kind == 'n'   ? '\n'
                     : kind == 't' ? '\t'
                     : kind == 'r' ? '\r'
                     : kind == 'b' ? '\b'
                     : kind == 'f' ? '\f'
                                   : kind;
            continue;
        }
        const unsigned code = static_cast<unsigned>(std::stoul(line.substr(i + 1, 4), nullptr, 16));
        i += 4;
        if (code >= 0xDC80 && code <= 0xDCFF)
            bytes += static_cast<char>(code - 0xDC00);
        else if (code < 0x80)
            bytes += static_cast<char>(code);
        else
            return "<unexpected escape>";
    }
    return bytes;
}

// Texts are data: printf conversions, quotes, control characters and bytes that are
// not UTF-8 come out as JSON strings on one line, from which the bytes can be read back.
struct TextCase {
    const char *name;
    std::string text;
    const char *written;  // the JSON string as the line holds it
};

class RecordTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(RecordTextTest, WrittenOnOneLineAndReadBackExactly) {
    vx_cmd::RecordWriter record("demo");
    record.text("value", GetParam().text.c_str());
    const std::string line = record.line();
    EXPECT_EQ(line, std::string(R"({"command":"demo","value":)") + GetParam().written + "}");
    EXPECT_EQ(value_bytes(line), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RecordTextTest,
    testing::Values(
        TextCase{"PrintfConversions", "%s%n%d%%", R"("%s%n%d%%")"},
        TextCase{"QuotesAndBackslash", "a\"b\\c", R"("a\"b\\c")"},
        TextCase{"ControlCharacters", "line1\nline2\ttab\r\x01\x1f", R"("line1\nline2\ttab\r\u0001\u001f")"},
        TextCase{"Utf8", "caf\xc3\xa9 \xe6\x97\xa5 \xf0\x9f\x98\x80", "\"caf\xc3\xa9 \xe6\x97\xa5 \xf0\x9f\x98\x80\""},
        TextCase{"InvalidBytes",
                 "a\xff\xfe"
                 "b",
                 R"("a\udcff\udcfeb")"},
        TextCase{"StrayContinuation", "\x80x", R"("\udc80x")"}, TextCase{"TruncatedSequence", "x\xc3", R"("x\udcc3")"},
        TextCase{"TruncatedBeforeAscii", "\xe6\x97z", R"("\udce6\udc97z")"},
        TextCase{"OverlongSlash", "\xc0\xaf", R"("\udcc0\udcaf")"},
        TextCase{"OverlongThreeBytes", "\xe0\x80\xaf", R"("\udce0\udc80\udcaf")"},
        TextCase{"EncodedSurrogate", "\xed\xa0\x80", R"("\udced\udca0\udc80")"},
        TextCase{"PastLastCodePoint", "\xf4\x90\x80\x80", R"("\udcf4\udc90\udc80\udc80")"},
        TextCase{"LatinOneLookalike", "\xc3\xa9\xe9", "\"\xc3\xa9\\udce9\""}),
    vxtest::RowName());

// Every byte value, alone and around a multi-byte character, reads back as it was.
TEST(RecordWriter, EveryByteReadsBack) {
    for (int byte = 1; byte < 256; ++byte) {
        const std::string text = std::string("a") + static_cast<char>(byte) + "\xc3\xa9" + static_cast<char>(byte);
        vx_cmd::RecordWriter record("demo");
        record.text("value", text.c_str());
        EXPECT_EQ(value_bytes(record.line()), text) << "byte " << byte;
    }
}

TEST(RecordWriter, InvalidBytesInListsAndNamesAreEscaped) {
    const char *list[] = {"ok", "\x80\x80"};
    ordered_json nested = ordered_json::object();
    nested["k\xff"] = "v\xfe";
    vx_cmd::RecordWriter record("demo");
    record.texts("list", list, 2).value("nested", [&nested] { return nested; });
    EXPECT_EQ(record.line(), R"({"command":"demo","list":["ok","\udc80\udc80"],"nested":{"k\udcff":"v\udcfe"}})");
}

TEST(RecordWriter, EmitPrintsOneLine) {
    EnvGuard status("VX_CMD_STATUS", std::nullopt);
    vx_cmd::RecordWriter record("demo");
    record.text("value", "%s%n");
    const standin::Output output = capture([&] { return record.emit(); });
    EXPECT_EQ(output.status, 0);
    EXPECT_EQ(output.out, R"({"command":"demo","value":"%s%n"})"
                          "\n");
    EXPECT_EQ(output.err, "");
}

struct StatusCase {
    std::optional<std::string> value;
    int32_t status;
    bool malformed;  // reported and ignored
};
std::string case_name(const StatusCase &c) { return c.value ? vxtest::spelled(*c.value) : "unset"; }
void PrintTo(const StatusCase &c, std::ostream *os) { *os << case_name(c); }

class CommandStatusTest : public testing::TestWithParam<StatusCase> {};

std::string MalformedStatusReport(const std::string &value) {
    return "The environment variable VX_CMD_STATUS=\"" + value +
           "\" is not a decimal number from -2147483648 to 2147483647; it is ignored.\n";
}

TEST_P(CommandStatusTest, ReadsTheEnvironment) {
    EnvGuard status("VX_CMD_STATUS", GetParam().value);
    const standin::Output output = capture([] { return vx_cmd::command_status(); });
    EXPECT_EQ(output.status, GetParam().status);
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err, GetParam().malformed ? MalformedStatusReport(*GetParam().value) : "");
}

INSTANTIATE_TEST_SUITE_P(Statuses, CommandStatusTest,
                         testing::Values(StatusCase{std::nullopt, 0, false}, StatusCase{"0", 0, false},
                                         StatusCase{"5", 5, false}, StatusCase{"1001", 1001, false},
                                         StatusCase{"-3", -3, false}, StatusCase{"+7", 7, false},
                                         StatusCase{"2147483647", INT32_MAX, false}, StatusCase{"", 0, false},
                                         StatusCase{"2147483648", 0, true}, StatusCase{"abc", 0, true},
                                         StatusCase{"5x", 0, true}, StatusCase{" 5", 0, true},
                                         StatusCase{"-", 0, true}),
                         [](const auto &info) { return case_name(info.param); });

// A malformed value is reported once, not at every command; another one is reported again.
TEST(CommandStatus, MalformedValueReportedOnce) {
    EnvGuard status("VX_CMD_STATUS", "once");
    const standin::Output first = capture([] { return vx_cmd::command_status() + vx_cmd::command_status(); });
    EXPECT_EQ(first.err, MalformedStatusReport("once"));
    EnvGuard other("VX_CMD_STATUS", "twice");
    const standin::Output second = capture([] { return vx_cmd::command_status(); });
    EXPECT_EQ(second.err, MalformedStatusReport("twice"));
}

// lspacket's entry, as the tool prints it for `lspacket -long p1 p2`.
TEST(LspacketEntry, PrintsTheRecordAndReturnsTheStatus) {
    const char *packets[] = {"p1", "p2"};
    vx_lspacket_args_t args{};
    args.prefix.record_version = 2;
    args.packets = packets;
    args.packet_count = 2;
    args.detail_level = VX_DETAIL_LONG;
    EnvGuard status("VX_CMD_STATUS", "5");
    const standin::Output output = capture([&] { return vx_cmd_lspacket(&args); });
    EXPECT_EQ(output.status, 5);
    EXPECT_EQ(output.out, R"({"command":"lspacket","record_version":2,"packets":["p1","p2"],"packet_count":2,)"
                          R"("detail_level":2,"dump":0,"invob":null,"endrange":0})"
                          "\n");
}

TEST(LspacketEntry, NoPacketsIsNull) {
    vx_lspacket_args_t args{};
    args.prefix.record_version = 2;
    args.invob = "vt";
    args.dump = 1;
    EnvGuard status("VX_CMD_STATUS", std::nullopt);
    const standin::Output output = capture([&] { return vx_cmd_lspacket(&args); });
    EXPECT_EQ(output.status, 0);
    const ordered_json object = parsed(output.out);
    EXPECT_TRUE(object["packets"].is_null());
    EXPECT_EQ(object["invob"], "vt");
    EXPECT_EQ(object["dump"], 1);
    EXPECT_FALSE(object.contains("area"));
}

TEST(AproposEntry, PrintsTheVectorWithoutItsEnd) {
    const char *argv[] = {"/srv/tools/vexiapropos", "replica", "epoch", nullptr};
    vx_apropos_args_t args{};
    args.argv = argv;
    EnvGuard status("VX_CMD_STATUS", std::nullopt);
    const standin::Output output = capture([&] { return vx_cmd_apropos(&args); });
    EXPECT_EQ(
        output.out,
        R"({"command":"apropos","reserved_1":0,"reserved_2":0,"reserved_3":0,"argv":["/srv/tools/vexiapropos","replica","epoch"]})"
        "\n");
}

TEST(AproposEntry, NoVectorIsNull) {
    vx_apropos_args_t args{};
    EnvGuard status("VX_CMD_STATUS", "9");
    const standin::Output output = capture([&] { return vx_cmd_apropos(&args); });
    EXPECT_EQ(output.status, 9);
    EXPECT_EQ(output.out, R"({"command":"apropos","reserved_1":0,"reserved_2":0,"reserved_3":0,"argv":null})"
                          "\n");
}

}  // namespace
