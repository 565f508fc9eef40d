// Text as Windows users have it: words beyond the ANSI code page on the command line
// arrive as typed, and what the tool prints is UTF-8.
#define WIN32_LEAN_AND_MEAN
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/param_names.h"
#include "tool/vexar_run.h"

namespace {

using vxtest::operator<<;
using vxtest::ProcessResult;
using vxtest::RunVexar;
using vxtest::Utf16le;

TEST(WindowsText, NonAsciiArgumentsArriveAsTyped) {
    const ProcessResult r =
        RunVexar({"lspacket", "caf\xc3\xa9", "\xe6\x97\xa5\xe6\x9c\xac", "a b", "\xf0\x9f\x98\x80"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("[\"caf\xc3\xa9\",\"\xe6\x97\xa5\xe6\x9c\xac\",\"a b\",\"\xf0\x9f\x98\x80\"]"),
              std::string::npos)
        << r.out;
}

TEST(WindowsText, NonAsciiWordsInMessagesAreUtf8) {
    const ProcessResult r = RunVexar({"l\xc3\xa9spacket"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("\"l\xc3\xa9spacket\""), std::string::npos) << r.err;
}

// Argument files as Windows editors and shells write them, and piped lines with
// Windows line ends: each gives the words of the plain UTF-8 form.
struct EncodedInput {
    const char *name;
    std::string bytes;
};

const std::string kExpectedPackets = "[\"caf\xc3\xa9\",\"\xe6\x97\xa5\xe6\x9c\xac\",\"a b\"]";

class WindowsArgumentFile : public testing::TestWithParam<EncodedInput> {};

TEST_P(WindowsArgumentFile, GivesTheWordsOfItsText) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / (std::string("vexar-args-") + GetParam().name + ".txt");
    std::ofstream(file, std::ios::binary) << GetParam().bytes;
    const ProcessResult r = RunVexar({"lspacket", "@" + file.string()});
    std::filesystem::remove(file);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(kExpectedPackets), std::string::npos) << r.out;
}

INSTANTIATE_TEST_SUITE_P(Encodings, WindowsArgumentFile,
                         testing::Values(EncodedInput{"utf8", "caf\xc3\xa9\n\xe6\x97\xa5\xe6\x9c\xac\n\"a b\"\n"},
                                         EncodedInput{"utf8_bom_crlf",
                                                      "\xef\xbb\xbf"
                                                      "caf\xc3\xa9\r\n\xe6\x97\xa5\xe6\x9c\xac\r\n\"a b\"\r\n"},
                                         EncodedInput{"utf16le_bom_crlf",
                                                      Utf16le(u"caf\u00e9\r\n\u65e5\u672c\r\n\"a b\"\r\n")}),
                         vxtest::RowName());

TEST(WindowsPipedInput, WindowsLineEndsArePlainLineEnds) {
    const ProcessResult r = RunVexar({}, std::string("lspacket -long caf\xc3\xa9\r\nlspacket \xe6\x97\xa5\r\n"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"packets\":[\"caf\xc3\xa9\"]"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"packets\":[\"\xe6\x97\xa5\"]"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
}

TEST(WindowsPipedInput, Utf16LeWithItsMarkIsRead) {
    const ProcessResult r = RunVexar({}, Utf16le(u"lspacket caf\u00e9 \u65e5\u672c \"a b\"\r\n"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(kExpectedPackets), std::string::npos) << r.out;
}

}  // namespace
