// Text as Windows users have it: words beyond the ANSI code page on the command line
// arrive as typed, and what the tool prints is UTF-8.
#define WIN32_LEAN_AND_MEAN
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tool/vexar_run.h"

namespace {

using vxtest::ProcessResult;
using vxtest::RunVexar;

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

}  // namespace
