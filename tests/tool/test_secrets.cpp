// A password given to mkreplica or chsetting never shows in anything the tool prints:
// not in the record, not in a message, not in a trace, not in the interactive mode,
// whether the command runs, fails its checks or fails in the command entry.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "robust/command_lines.h"
#include "support/param_names.h"
#include "vexar_run.h"

namespace vxtest {
namespace {

using vxtest::operator<<;
using Words = std::vector<std::string>;

constexpr const char *kSecret = "Zq8-s3cr3t-Wx";

// The ways the tool is run: plain, with every trace at the highest verbosity, with the
// command entry failing, and both.
const std::vector<std::map<std::string, std::string>> kEnvironments = {
    {},
    {{"VX_TRACE", "all"}, {"VX_VERBOSITY", "9"}},
    {{"VX_CMD_STATUS", "1"}},
    {{"VX_TRACE", "vx_cmd,vx_cmdsyn,tbs"}, {"VX_VERBOSITY", "9"}, {"VX_CMD_STATUS", "1002"}},
};

struct SecretCase {
    const char *label;
    Words words;  // kSecret stands where the password goes
    int status;   // without VX_CMD_STATUS
};

const Words kImport = {"mkreplica", "-import", "-workdir", "/w", "-tag", "/vobs/t", "-vob", "/s/v", "-preserve"};

Words With(Words head, const Words &tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

const SecretCase kCases[] = {
    {"mkreplica_public_password", With(kImport, {"-public", "-password", kSecret, "pkt"}), 0},
    {"mkreplica_abbreviated", With(kImport, {"-pub", "-pas", kSecret, "pkt"}), 0},
    {"mkreplica_password_twice", With(kImport, {"-password", "other", "-password", kSecret, "pkt"}), 0},
    {"mkreplica_password_first",
     {"mkreplica", "-password", kSecret, "-import", "-workdir", "/w", "-tag", "/t", "-vob", "/v", "-preserve", "pkt"},
     0},
    {"mkreplica_password_with_export",
     {"mkreplica", "-export", "-workdir", "/w", "-out", "p", "-password", kSecret, "h:r"},
     2},
    {"mkreplica_password_then_missing_value", With(kImport, {"-password", kSecret, "-tag"}), 2},
    {"mkreplica_password_then_unknown_flag", With(kImport, {"-password", kSecret, "-bogus", "pkt"}), 2},
    {"mkreplica_password_then_extra_operand", With(kImport, {"-password", kSecret, "pkt", "dir", "-nprompt"}), 2},
    {"mkreplica_password_without_packet", With(kImport, {"-password", kSecret}), 2},
    {"mkreplica_password_with_relative_tag",
     {"mkreplica", "-import", "-workdir", "/w", "-tag", "t", "-vob", "/v", "-preserve", "-password", kSecret, "p"},
     2},
    {"chsetting_password", {"chsetting", "-site", "-rgy", "h", "-password", kSecret, "a=1"}, 0},
    {"chsetting_abbreviated", {"chsetting", "-site", "-rgy", "h", "-pas", kSecret, "-unset_all"}, 0},
    {"chsetting_password_then_bad_setting", {"chsetting", "-site", "-rgy", "h", "-password", kSecret, "novalue"}, 2},
    {"chsetting_password_then_unknown_flag", {"chsetting", "-site", "-password", kSecret, "-bogus", "a=1"}, 2},
    {"chsetting_password_then_missing_value", {"chsetting", "-site", "-password", kSecret, "-rgy"}, 2},
    {"chsetting_password_without_site", {"chsetting", "-password", kSecret, "a=1"}, 2},
    // A value joined by "=" to the flag's name is refused without being shown.
    {"chsetting_password_joined_by_equals",
     {"chsetting", "-site", "-rgy", "h", std::string("-password=") + kSecret},
     2},
    {"mkreplica_password_joined_misspelt", With(kImport, {"-public", std::string("--PASSWORD=") + kSecret, "pkt"}), 2},
};

// The slot of a command is not filled yet when help says so.
bool Available(const std::string &command) {
    const ProcessResult help = RunVexar({"help", command});
    return help.status == 0;
}

class Secret : public testing::TestWithParam<SecretCase> {
  protected:
    void SetUp() override {
        if (!Available(GetParam().words[0])) GTEST_SKIP() << GetParam().words[0] << " has no routine in its slot yet";
    }
};

TEST_P(Secret, NeverShowsOnTheCommandLine) {
    const SecretCase &c = GetParam();
    for (const auto &env : kEnvironments) {
        SCOPED_TRACE(testing::PrintToString(env));
        const ProcessResult r = RunVexar(c.words, std::nullopt, env);
        const int expected = c.status == 0 && env.count("VX_CMD_STATUS") != 0 ? 1 : c.status;
        EXPECT_EQ(r.status, expected) << r.err;
        EXPECT_EQ(r.out.find(kSecret), std::string::npos) << r.out;
        EXPECT_EQ(r.err.find(kSecret), std::string::npos) << r.err;
        // The record says a password was given, without giving it.
        if (r.status == expected && c.status == 0) {
            EXPECT_NE(CompactRecordLines(r.out).find(R"("password":"***")"), std::string::npos) << r.out;
        }
    }
}

std::string Line(const Words &words) {
    std::string line;
    for (const std::string &word : words) line += (line.empty() ? "" : " ") + word;
    return line + "\n";
}

TEST_P(Secret, NeverShowsInTheInteractiveMode) {
    const std::string typed = Line(GetParam().words) + "help " + GetParam().words[0] + "\n";
    for (const auto &env : kEnvironments) {
        SCOPED_TRACE(testing::PrintToString(env));
        const ProcessResult r = RunVexar({}, typed, env);
        EXPECT_EQ(r.status, GetParam().status == 0 && env.count("VX_CMD_STATUS") != 0 ? 1 : GetParam().status);
        EXPECT_EQ(r.out.find(kSecret), std::string::npos) << r.out;
        EXPECT_EQ(r.err.find(kSecret), std::string::npos) << r.err;
    }
#if !defined(_WIN32)  // Windows has no pseudo-terminal to type into
    // At a terminal: the prompt, the line editor and whatever the tool echoes.
    const ProcessResult r = RunVexarAtTerminal(typed);
    EXPECT_EQ(r.out.find(kSecret), std::string::npos) << r.out;
    EXPECT_EQ(r.err.find(kSecret), std::string::npos) << r.err;
#endif
}

INSTANTIATE_TEST_SUITE_P(Cases, Secret, testing::ValuesIn(kCases), vxtest::RowName());

}  // namespace
}  // namespace vxtest
