// The tool-base stand-in: its message table, script paths and status texts.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "libzornatbs.h"
#include "standin_support.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;
using standin::EnvGuard;

int count_of(const std::string &text, const std::string &part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST(TbsTable, NamesItsCatalog) {
    const msg_table_t *table = _tbs_cmsg_tbs_msg_table_adr();
    ASSERT_NE(table, nullptr);
    EXPECT_STREQ(table->catalog_name, "tbs_bin");
    EXPECT_STREQ(table->facility_name, "tbs");
    EXPECT_GE(table->count, 102);
    for (uint16_t i = 1; i < table->count; ++i) EXPECT_GT(table->numbers[i], table->numbers[i - 1]) << i;
}

// 98 and 99 take the offending word, 102 a script's name and the longest path; every other text is printed as it
// stands, so a stray conversion would read an argument that was never passed.
TEST(TbsTable, OnlyTheWordMessagesTakeAnArgument) {
    const msg_table_t *table = _tbs_cmsg_tbs_msg_table_adr();
    for (int i = 0; i < table->count; ++i) {
        ASSERT_NE(table->texts[i], nullptr) << i;
        const std::string text = table->texts[i];
        EXPECT_FALSE(text.empty()) << i;
        EXPECT_EQ(text.back(), '\n') << i;
        const bool takes_word = i == TBS_MSG_NOT_A_NUMBER || i == TBS_MSG_UNEXPECTED_OPERAND;
        const bool takes_name_and_length = i == TBS_MSG_SCRIPT_PATH_TOO_LONG;
        EXPECT_EQ(count_of(text, "%"), takes_word ? 1 : takes_name_and_length ? 2 : 0) << i << ": " << text;
        EXPECT_EQ(count_of(text, "%s"), takes_word || takes_name_and_length ? 1 : 0) << i << ": " << text;
        if (takes_name_and_length) {
            EXPECT_LT(text.find("%s"), text.find("%d")) << text;
        }
    }
}

TEST(TbsTable, UsedMessagesAreTheirOwn) {
    const msg_table_t *table = _tbs_cmsg_tbs_msg_table_adr();
    const int used[] = {TBS_MSG_NO_MEMORY,      TBS_MSG_NOT_A_NUMBER,     TBS_MSG_UNEXPECTED_OPERAND,
                        TBS_MSG_UNHANDLED_FLAG, TBS_MSG_COMMENT_REQUIRED, TBS_MSG_SCRIPT_PATH_TOO_LONG};
    for (int a : used) {
        EXPECT_STRNE(table->texts[a], table->texts[0]) << a << " holds the text of an unused index";
        for (int b : used) {
            if (a != b) {
                EXPECT_STRNE(table->texts[a], table->texts[b]) << a << " and " << b;
            }
        }
    }
    EXPECT_NE(std::string(table->texts[TBS_MSG_COMMENT_REQUIRED]).find("-c"), std::string::npos);
}

TEST(TbsTable, WordMessagesNameTheWord) {
    const msg_table_t *table = _tbs_cmsg_tbs_msg_table_adr();
    for (int index : {TBS_MSG_NOT_A_NUMBER, TBS_MSG_UNEXPECTED_OPERAND}) {
        char line[256];
        std::snprintf(line, sizeof line, table->texts[index], "odd-word");
        EXPECT_NE(std::string(line).find("odd-word"), std::string::npos) << index;
    }
}

struct ScriptCase {
    const char *name;
    std::optional<std::string> dir;
    const char *script;
    const char *expected;
};

class ScriptDirTest : public testing::TestWithParam<ScriptCase> {};

TEST_P(ScriptDirTest, JoinsDirectoryAndName) {
    const ScriptCase &c = GetParam();
    EnvGuard env("VX_SCRIPT_DIR", c.dir);
    char buffer[TBS_SCRIPT_PATH_MAX];
    EXPECT_EQ(tbs_product_script_dir(buffer, c.script), buffer);
    EXPECT_STREQ(buffer, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ScriptDirTest,
    testing::Values(ScriptCase{"Default", std::nullopt, "vexiapropos", "/opt/vexar/scripts/vexiapropos"},
                    ScriptCase{"EmptyMeansDefault", "", "vexiapropos", "/opt/vexar/scripts/vexiapropos"},
                    ScriptCase{"FromEnvironment", "/srv/tools", "vexiapropos", "/srv/tools/vexiapropos"},
                    ScriptCase{"TrailingSlashes", "/srv/tools//", "x", "/srv/tools/x"},
                    ScriptCase{"Root", "/", "x", "/x"}, ScriptCase{"NoName", "/srv", nullptr, "/srv/"}),
    vxtest::RowName());

// A path that does not fit the buffer is never cut (a shorter path names another
// program): the buffer is left empty, nothing is written past it, and NULL says so.
// One that just fits is written whole.
TEST(ScriptDirLengthTest, APathThatDoesNotFitIsRefusedNotCut) {
    struct Case {
        const char *label;
        std::string dir;
        std::string name;
        bool fits;
    };
    const std::string just_fitting_name(TBS_SCRIPT_PATH_MAX - 1 - std::strlen("/srv/"), 'n');
    const Case cases[] = {
        {"long_name", "/srv/tools", std::string(5000, 'n'), false},
        {"long_directory", "/" + std::string(3000, 'd'), "vexiapropos", false},
        {"directory_one_past", "/" + std::string(TBS_SCRIPT_PATH_MAX - 2, 'd'), "vexiapropos", false},
        {"path_one_past", "/srv", just_fitting_name + "n", false},
        {"path_just_fits", "/srv", just_fitting_name, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        EnvGuard env("VX_SCRIPT_DIR", c.dir);
        std::vector<char> memory(TBS_SCRIPT_PATH_MAX + 64, '#');
        const char *path = tbs_product_script_dir(memory.data(), c.name.c_str());
        for (size_t i = TBS_SCRIPT_PATH_MAX; i < memory.size(); ++i) ASSERT_EQ(memory[i], '#') << "written at " << i;
        if (c.fits) {
            ASSERT_EQ(path, memory.data());
            EXPECT_EQ(std::string(path), c.dir + "/" + c.name);
        } else {
            EXPECT_EQ(path, nullptr);
            EXPECT_STREQ(memory.data(), "") << "no part of a path is left to be run";
        }
    }
}

TEST(StatusText, KnownAndUnknownStatuses) {
    const std::string success = tbs_strerror(0);
    const std::string syntax = tbs_strerror(1001);
    const std::string keyword = tbs_strerror(1002);
    const std::string unknown = tbs_strerror(5);
    EXPECT_FALSE(success.empty());
    EXPECT_NE(success, syntax);
    EXPECT_NE(syntax, keyword);
    EXPECT_NE(unknown, success);
    EXPECT_NE(unknown, syntax);
    EXPECT_NE(unknown, keyword);
    // Unknown values share one constant text: nothing is formatted into shared memory.
    EXPECT_EQ(tbs_strerror(5), tbs_strerror(-1));
}

}  // namespace
