// apropos: the script's argument vector.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "fakes/capture.h"
#include "libzornatbs.h"
#include "libzornavx_cmdsyn.h"
#include "support/harness.h"

namespace {

std::vector<std::string> argv_of(const vx_apropos_args_t &args) {
    EXPECT_NE(args.argv, nullptr);
    return vxtest::apropos_argv();
}

std::string script_path() {
    char buffer[TBS_SCRIPT_PATH_MAX];
    return tbs_product_script_dir(buffer, "vexiapropos");
}

TEST(Apropos, HandsOverPathTopicsAndNull) {
    const std::vector<std::vector<std::string>> lines = {{"replica"}, {"replica", "epoch"}, vxtest::numbered("t", 40)};
    for (const auto &words : lines) {
        const auto r = vxtest::run(vx_cmdsyn_apropos, words);
        ASSERT_EQ(r.status, 0);
        EXPECT_TRUE(r.msgs.empty());
        ASSERT_EQ(r.command, "apropos");
        const auto args = vxtest::record<vx_apropos_args_t>();
        EXPECT_EQ(args.reserved_1 | args.reserved_2 | args.reserved_3, 0u);
        std::vector<std::string> expected{script_path()};
        expected.insert(expected.end(), words.begin(), words.end());
        EXPECT_EQ(argv_of(args), expected);
    }
}

TEST(Apropos, FlagLikeWordsAreTopicsToo) {
    const auto r = vxtest::run(vx_cmdsyn_apropos, {"-long", "--", "x"});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(argv_of(vxtest::record<vx_apropos_args_t>()),
              (std::vector<std::string>{script_path(), "-long", "--", "x"}));
}

TEST(Apropos, NoTopicIsRefused) {
    const auto r = vxtest::run(vx_cmdsyn_apropos, {});
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.msgs, (std::vector<std::string>{"E52", "U53"}));
    EXPECT_EQ(r.command, "");
}

// A script directory too long for the script's path runs nothing, rather than a path
// cut short that names another program.
TEST(Apropos, AScriptPathThatDoesNotFitIsRefused) {
    const char *before = std::getenv("VX_SCRIPT_DIR");
    const std::string kept = before != nullptr ? before : "";
    setenv("VX_SCRIPT_DIR", ("/" + std::string(TBS_SCRIPT_PATH_MAX, 'd')).c_str(), 1);
    const auto r = vxtest::run(vx_cmdsyn_apropos, {"replica"});
    if (before != nullptr)
        setenv("VX_SCRIPT_DIR", kept.c_str(), 1);
    else
        unsetenv("VX_SCRIPT_DIR");
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.msgs, std::vector<std::string>{"Etbs102(vexiapropos)"});
    EXPECT_EQ(r.command, "");
}

}  // namespace
