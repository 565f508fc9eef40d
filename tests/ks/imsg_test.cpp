// Message facility: streams per severity, the error prefix, catalog and format forms,
// whole-message writes, and the settings read from the environment.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "libzornaks.h"
#include "support/captured_output.h"

namespace {

const char *const kTexts[] = {
    "Usage: lsthing [-long]\n", "Unknown thing \"%s\"\n", "First line\nsecond line\n", "100% sure\n", nullptr,
};
const msg_table_t kTable = {"test_bin", "test", 7, 5, kTexts, nullptr};

using vxtest::capture_output;
using vxtest::Output;

class Imsg : public testing::Test {
  protected:
    void TearDown() override { imsg_set_program_name(nullptr); }
};

TEST_F(Imsg, PlainSeveritiesGoToStdoutAllOthersToStderr) {
    struct Case {
        int severity;
        bool to_stdout;
    };
    const Case cases[] = {{IMSG_SEV_PLAIN, true},  {IMSG_SEV_PLAIN_CONT, true}, {IMSG_SEV_ERROR, false},
                          {IMSG_SEV_USAGE, false}, {IMSG_SEV_TRACE, false},     {3, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.severity);
        int rc = -1;
        const Output o = capture_output([&] { rc = imsg_print(c.severity, &kTable, 0); });
        EXPECT_EQ(rc, 0);
        EXPECT_EQ(o.out, c.to_stdout ? kTexts[0] : "");
        EXPECT_EQ(o.err, c.to_stdout ? "" : kTexts[0]);
    }
}

TEST_F(Imsg, ErrorPrefixStandsOnlyBeforeTheFirstLineOfErrors) {
    struct Case {
        const char *program;
        int severity;
        std::string expected;
    };
    const Case cases[] = {
        {"vexar", IMSG_SEV_ERROR, "vexar: Error: First line\nsecond line\n"},
        {"vexar", IMSG_SEV_USAGE, "First line\nsecond line\n"},
        {"vexar", IMSG_SEV_TRACE, "First line\nsecond line\n"},
        {"vexar", IMSG_SEV_PLAIN, "First line\nsecond line\n"},
        {"", IMSG_SEV_ERROR, "First line\nsecond line\n"},
        {nullptr, IMSG_SEV_ERROR, "First line\nsecond line\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.program ? c.program : "(null)") + " severity " + std::to_string(c.severity));
        imsg_set_program_name(c.program);
        const Output o = capture_output([&] { imsg_print(c.severity, &kTable, 2); });
        EXPECT_EQ(o.out + o.err, c.expected);
    }
}

TEST_F(Imsg, CallerTextsAreArgumentsNeverFormats) {
    const char *hostile = "%s%n%x%%";
    const Output catalog = capture_output([&] { imsg_print(IMSG_SEV_ERROR, &kTable, 1, hostile); });
    EXPECT_EQ(catalog.err, "Unknown thing \"%s%n%x%%\"\n");
    const Output format = capture_output(
        [&] { imsg_print(IMSG_SEV_USAGE, "internal error: Unrecognized option \"%s\"\n", -1, hostile); });
    EXPECT_EQ(format.err, "internal error: Unrecognized option \"%s%n%x%%\"\n");
}

// The words a message shows come from input: none reaches the terminal as a control
// sequence. C0 controls but the tab, DEL and bytes that are no UTF-8 are shown as
// "\x1b", the C1 controls as "\u009b"; the message's own text, other characters and
// every other conversion are printed as they are.
TEST_F(Imsg, ControlCharactersOfArgumentsAreShownEscaped) {
    struct Case {
        const char *label;
        std::string word;
        std::string shown;
    };
    const Case cases[] = {
        {"title_and_clear_screen", "\x1b]0;TITLE\a\x1b[2J", "\\x1b]0;TITLE\\x07\\x1b[2J"},
        {"line_end_and_return", "a\nb\rc", "a\\x0ab\\x0dc"},
        {"tab_kept", "a\tb", "a\tb"},
        {"delete", "a\x7f", "a\\x7f"},
        {"c1_control_sequence_introducer",
         "\xc2\x9b"
         "31m",
         "\\u009b31m"},
        {"c1_bounds", "\xc2\x80\xc2\x9f", "\\u0080\\u009f"},
        {"no_break_space_kept",
         "a\xc2\xa0"
         "b",
         "a\xc2\xa0"
         "b"},
        {"utf8_kept", "caf\xc3\xa9 \xe6\x97\xa5 \xf0\x9f\x98\x80", "caf\xc3\xa9 \xe6\x97\xa5 \xf0\x9f\x98\x80"},
        {"lone_c1_byte",
         "\x9b"
         "2J",
         "\\x9b2J"},
        {"not_utf8", "a\xff\xfe", "a\\xff\\xfe"},
        {"sequence_cut_short", "\xe2\x82", "\\xe2\\x82"},
        {"encoded_surrogate", "\xed\xa0\x80", "\\xed\\xa0\\x80"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        const Output catalog = capture_output([&] { imsg_print(IMSG_SEV_ERROR, &kTable, 1, c.word.c_str()); });
        EXPECT_EQ(catalog.err, "Unknown thing \"" + c.shown + "\"\n");
        const Output plain =
            capture_output([&] { imsg_print(IMSG_SEV_PLAIN, "%s\n", IMSG_FORMAT_INDEX, c.word.c_str()); });
        EXPECT_EQ(plain.out, c.shown + "\n");
    }
    const Output other = capture_output([] {
        imsg_print(IMSG_SEV_PLAIN, "[%c][%-4s][%.2s][%3d][%*s][%lu][%%]\n", IMSG_FORMAT_INDEX, '\x1b', "\x07", "ab\x1b",
                   -5, 3, "x", 42ul);
    });
    EXPECT_EQ(other.out, "[\\x1b][\\x07   ][ab][ -5][  x][42][%]\n");
}

TEST_F(Imsg, MissingMessagesReportAnInternalErrorNamingTheIndex) {
    struct Case {
        const msg_table_t *table;
        int index;
    };
    const Case cases[] = {{&kTable, 5}, {&kTable, 4}, {&kTable, -2}, {&kTable, 1000}, {nullptr, 3}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.index);
        int rc = 0;
        const Output o = capture_output([&] { rc = imsg_print(IMSG_SEV_PLAIN, c.table, c.index); });
        EXPECT_NE(rc, 0);
        EXPECT_EQ(o.out, "");
        EXPECT_NE(o.err.find("internal error"), std::string::npos) << o.err;
        EXPECT_NE(o.err.find(std::to_string(c.index)), std::string::npos) << o.err;
    }
    EXPECT_NE(capture_output([] { EXPECT_NE(imsg_print(IMSG_SEV_ERROR, nullptr, IMSG_FORMAT_INDEX), 0); }).err, "");
}

TEST_F(Imsg, SharedMessagesPrintTheirTextAsItStands) {
    imsg_set_program_name("vexar");
    Output o = capture_output([] { EXPECT_EQ(imsg_print_shared(IMSG_SEV_ERROR, "vx_cmdsyn", &kTable, 3), 0); });
    EXPECT_EQ(o.err, "vexar: Error: 100% sure\n");
    o = capture_output([] { EXPECT_EQ(imsg_print_shared(IMSG_SEV_PLAIN, "vx_cmdsyn", &kTable, 0), 0); });
    EXPECT_EQ(o.out, kTexts[0]);
    o = capture_output([] { EXPECT_NE(imsg_print_shared(IMSG_SEV_ERROR, "vx_cmdsyn", &kTable, 9), 0); });
    EXPECT_NE(o.err.find("9"), std::string::npos);
}

TEST_F(Imsg, LongMessagesArePrintedWhole) {
    imsg_set_program_name("vexar");
    const std::string word(100 * 1024, 'w');
    const Output o = capture_output([&] { imsg_print(IMSG_SEV_ERROR, &kTable, 1, word.c_str()); });
    EXPECT_EQ(o.err, "vexar: Error: Unknown thing \"" + word + "\"\n");
}

TEST_F(Imsg, SprintfTruncatesToTheBufferAndReturnsTheLengthWritten) {
    char buffer[IMSG_SPRINTF_MAX + 16];
    std::memset(buffer, 'Z', sizeof buffer);
    EXPECT_EQ(imsg_sprintf(buffer, "%s=%d", IMSG_FORMAT_INDEX, "n", 42), 4);
    EXPECT_STREQ(buffer, "n=42");

    std::memset(buffer, 'Z', sizeof buffer);
    const std::string longer(5000, 'x');
    EXPECT_EQ(imsg_sprintf(buffer, "%s", IMSG_FORMAT_INDEX, longer.c_str()), IMSG_SPRINTF_MAX - 1);
    EXPECT_EQ(std::string(buffer), longer.substr(0, IMSG_SPRINTF_MAX - 1));
    EXPECT_EQ(buffer[IMSG_SPRINTF_MAX], 'Z');  // nothing written past the buffer

    EXPECT_EQ(imsg_sprintf(buffer, "%s", 3, "x"), 0);
    EXPECT_STREQ(buffer, "");
}

TEST_F(Imsg, LinesOfConcurrentThreadsDoNotInterleave) {
    imsg_set_program_name("vexar");
    constexpr int kThreads = 4;
    constexpr int kLines = 200;
    const Output o = capture_output([] {
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t)
            threads.emplace_back([t] {
                const std::string word(300, static_cast<char>('a' + t));
                for (int i = 0; i < kLines; ++i) imsg_print(IMSG_SEV_ERROR, &kTable, 1, word.c_str());
            });
        for (std::thread &thread : threads) thread.join();
    });
    std::istringstream lines(o.err);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        ++count;
        ASSERT_EQ(line.size(), std::string("vexar: Error: Unknown thing \"\"").size() + 300) << line;
        const char letter = line[std::string("vexar: Error: Unknown thing \"").size()];
        EXPECT_EQ(line, "vexar: Error: Unknown thing \"" + std::string(300, letter) + "\"");
    }
    EXPECT_EQ(count, kThreads * kLines);
}

// The environment is read once per process, so each case runs in a fresh process.
class ImsgSettings : public testing::Test {
  protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(ImsgSettings, TracingFollowsTheFacilityList) {
    struct Case {
        const char *trace;  // nullptr: unset
        const char *facility;
        bool on;
    };
    const Case cases[] = {
        {nullptr, "vx_cmd", false},
        {"", "vx_cmd", false},
        {"vx_cmd", "vx_cmd", true},
        {"other,vx_cmd", "vx_cmd", true},
        {"other, vx_cmd ", "vx_cmd", true},
        {"all", "vx_cmd", true},
        {"vx_cmdsyn", "vx_cmd", false},
        {"vx", "vx_cmd", false},
        {"vx_cmd", "", false},
        {"a,b", "a,b", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.trace ? c.trace : "(unset)") + " / " + c.facility);
        EXPECT_EXIT(
            {
                if (c.trace)
                    setenv("VX_TRACE", c.trace, 1);
                else
                    unsetenv("VX_TRACE");
                std::exit(imsg_should_trace(c.facility, 1) ? 0 : 1);
            },
            testing::ExitedWithCode(c.on ? 0 : 1), "");
    }
}

// A malformed verbosity is reported, naming the variable, and taken as 0.
TEST_F(ImsgSettings, VerbosityIsADecimalNumberOrZero) {
    struct Case {
        const char *verbosity;
        int expected;
        bool malformed;
    };
    const Case cases[] = {{nullptr, 0, false}, {"", 0, false},  {"1", 1, false},         {"3", 3, false},
                          {"0", 0, false},     {"-2", 0, true}, {"2x", 0, true},         {"0x2", 0, true},
                          {"x", 0, true},      {" 1", 0, true}, {"99999999999", 0, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.verbosity ? c.verbosity : "(unset)");
        const std::string report = c.malformed
                                       ? std::string("^The environment variable VX_VERBOSITY=\"") + c.verbosity +
                                             "\" is not a decimal number from 0 to 2147483647; it is "
                                             "ignored\\.\n$"
                                       : "^$";
        EXPECT_EXIT(
            {
                if (c.verbosity)
                    setenv("VX_VERBOSITY", c.verbosity, 1);
                else
                    unsetenv("VX_VERBOSITY");
                imsg_get_desired_verbosity();  // read once: a second call says nothing more
                std::exit(imsg_get_desired_verbosity());
            },
            testing::ExitedWithCode(c.expected), report);
    }
}

}  // namespace
