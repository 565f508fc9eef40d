// Windows paths through the components and the tool: drive letters, backslashes and
// UNC names count as absolute where Windows says so, folders written with backslashes
// stay so, and the tool hands such paths through byte for byte.
#define WIN32_LEAN_AND_MEAN
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "libzornaks.h"
#include "libzornatbs.h"
#include "support/param_names.h"
#include "tool/vexar_run.h"

namespace {

using vxtest::operator<<;
using vxtest::ProcessResult;
using vxtest::RunVexar;

TEST(WindowsPaths, AbsoluteAsWindowsNamesThem) {
    struct Case {
        const char *path;
        bool absolute;
    };
    const Case cases[] = {
        {"C:\\vobs\\x", true},
        {"z:/vobs/x", true},
        {"\\\\host\\share\\x", true},
        {"//host/share/x", true},
        {"\\\\?\\C:\\long\\x", true},
        {"\\\\.\\pipe\\x", true},
        {"\\vobs\\x", true},
        {"C:vobs\\x", false},
        {"vobs\\x", false},
        {"..\\x", false},
        {".\\x", false},
        {"C", false},
    };
    for (const Case &c : cases) EXPECT_EQ(fileutl_is_abspn(c.path) != 0, c.absolute) << c.path;
}

TEST(WindowsPaths, AbsoluteForThePathsTheSystemHandsOut) {
    char buffer[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(nullptr, buffer, MAX_PATH), 0u);
    EXPECT_NE(fileutl_is_abspn(buffer), 0) << buffer;
    ASSERT_GT(GetCurrentDirectoryA(MAX_PATH, buffer), 0u);
    EXPECT_NE(fileutl_is_abspn(buffer), 0) << buffer;
    ASSERT_GT(GetTempPathA(MAX_PATH, buffer), 0u);
    EXPECT_NE(fileutl_is_abspn(buffer), 0) << buffer;
    ASSERT_GT(GetFullPathNameA("vobs\\x", MAX_PATH, buffer, nullptr), 0u);
    EXPECT_NE(fileutl_is_abspn(buffer), 0) << buffer;
}

// Sets VX_SCRIPT_DIR for one test, then puts back what was there.
class ScriptDir {
  public:
    explicit ScriptDir(const char *value) {
        if (const char *old = std::getenv("VX_SCRIPT_DIR")) old_ = old;
        _putenv_s("VX_SCRIPT_DIR", value);
    }
    ~ScriptDir() { _putenv_s("VX_SCRIPT_DIR", old_ ? old_->c_str() : ""); }

  private:
    std::optional<std::string> old_;
};

TEST(WindowsPaths, ScriptFolderKeepsItsSeparators) {
    struct Case {
        const char *dir;
        const char *path;
    };
    const Case cases[] = {
        {"C:\\vexar\\scripts", "C:\\vexar\\scripts\\vexiapropos"},
        {"C:\\vexar\\scripts\\", "C:\\vexar\\scripts\\vexiapropos"},
        {"C:\\vexar\\scripts/", "C:\\vexar\\scripts\\vexiapropos"},
        {"\\\\host\\share\\scripts", "\\\\host\\share\\scripts\\vexiapropos"},
        {"C:/vexar/scripts//", "C:/vexar/scripts/vexiapropos"},
        {"\\", "\\vexiapropos"},
    };
    for (const Case &c : cases) {
        ScriptDir dir(c.dir);
        char buffer[TBS_SCRIPT_PATH_MAX];
        EXPECT_STREQ(tbs_product_script_dir(buffer, "vexiapropos"), c.path) << c.dir;
    }
}

// What the tool does with a Windows path: the import form of mkreplica checks that the
// tag and the storage paths are absolute.
struct ToolCase {
    const char *label;
    const char *tag;
    const char *hpath;
    const char *gpath;
    int status;
    const char *printed;  // in the record (as JSON text) or in the refusal
};

const ToolCase kToolCases[] = {
    {"DriveLetters", "\\vobs\\t", "C:\\vobs\\t.vbs", "D:/vobs/t.vbs", 0, R"("tag":"\\vobs\\t")"},
    {"Unc", "\\vobs\\t", "C:\\vobs\\t.vbs", "\\\\server\\vobs\\t.vbs", 0, R"("gpath":"\\\\server\\vobs\\t.vbs")"},
    {"TrailingBackslash", "\\vobs\\t", "C:\\vobs\\", "C:\\vobs\\", 0, R"("hpath":"C:\\vobs\\")"},
    {"RelativeTag", "vobs\\t", "C:\\v", "C:\\v", 2, "Pathname must be absolute \"vobs\\t\".\n"},
    {"DriveRelative", "\\vobs\\t", "C:v", "C:\\v", 2, "Pathname must be absolute \"C:v\".\n"},
};

class WindowsPathsThroughTheTool : public testing::TestWithParam<ToolCase> {};

TEST_P(WindowsPathsThroughTheTool, AbsoluteAsWindowsNamesThem) {
    const ToolCase &c = GetParam();
    const ProcessResult r = RunVexar({"mkreplica", "-import", "-workdir", "C:\\work", "-tag", c.tag, "-vob", "v",
                                      "-host", "h", "-hpath", c.hpath, "-gpath", c.gpath, "-preserve", "pkt"});
    EXPECT_EQ(r.status, c.status) << r.err;
    const std::string &where = c.status == 0 ? r.out : r.err;
    EXPECT_NE(where.find(c.printed), std::string::npos) << where;
    // Byte-exact output: lines end in "\n" alone.
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
    EXPECT_EQ(r.err.find('\r'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Tool, WindowsPathsThroughTheTool, testing::ValuesIn(kToolCases), vxtest::RowName());

TEST(WindowsCommandLine, WordsArriveAsTyped) {
    // Blanks, quotes and backslashes before quotes survive the trip through a Windows
    // command line (the runner quotes them, the C runtime of the tool splits them).
    const std::string words[] = {"a b", "say \"hi\"", "C:\\dir\\", "\\\\host\\x\\\"", "", "tab\there"};
    for (const std::string &word : words) {
        const ProcessResult r = RunVexar({"mkrptype", "-c", word, "t1"});
        EXPECT_EQ(r.status, 0) << r.err;
        std::string json;
        for (const char c : word) {
            if (c == '"' || c == '\\') json += '\\';
            json += c == '\t' ? std::string("\\t") : std::string(1, c);
        }
        EXPECT_NE(r.out.find("\"comment\":\"" + json + "\""), std::string::npos) << word << "\n" << r.out;
    }
}

}  // namespace
