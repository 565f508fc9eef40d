// Command words against a keyword table in the flag-spec notation.

#include <gtest/gtest.h>

#include "libzornacmdsyn.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;

constexpr cmd_keyword_t kKeywords[] = {
    {"h[elp]", 0, 0},
    {"q[uit]", 2, 0},
    {"exit", 2, CMD_KEYWORD_ALIAS},
    {"sh[ell]", 5, 0},
    {"!", 5, CMD_KEYWORD_ALIAS},
    {"mkrep[lica]", 9, 0},
    {"sync[replica]", 11, 0},
    {"lsrep[lica]", 12, 0},
    {"rmreplica", 20, 0},
    {"lspacket", 21, 0},
    {"syncserver", 36, 0},
    {nullptr, -1, 0},
};

struct WordCase {
    const char *word;
    int32_t slot;
};

class KeywordTest : public testing::TestWithParam<WordCase> {};

TEST_P(KeywordTest, FindsTheSlot) {
    EXPECT_EQ(cmdsyn_find_keyword(kKeywords, GetParam().word), GetParam().slot) << GetParam().word;
}

INSTANTIATE_TEST_SUITE_P(Words, KeywordTest,
                         testing::Values(
                             // Every length from the part before "[" up to the full name.
                             WordCase{"mkrep", 9}, WordCase{"mkrepl", 9}, WordCase{"mkreplic", 9},
                             WordCase{"mkreplica", 9}, WordCase{"mkre", -1}, WordCase{"mkreplicas", -1},
                             WordCase{"mkrepx", -1}, WordCase{"MKREP", -1}, WordCase{"h", 0}, WordCase{"help", 0},
                             WordCase{"helpme", -1}, WordCase{"q", 2}, WordCase{"quit", 2},
                             // Rows without brackets match only themselves.
                             WordCase{"exit", 2}, WordCase{"exi", -1}, WordCase{"exits", -1}, WordCase{"!", 5},
                             WordCase{"!!", -1}, WordCase{"lspacket", 21}, WordCase{"lspack", -1},
                             WordCase{"rmrep", -1},
                             // "sync" abbreviates syncreplica; syncserver is reached by its full name only.
                             WordCase{"sync", 11}, WordCase{"syncr", 11}, WordCase{"syncs", -1},
                             WordCase{"syncserver", 36}, WordCase{"", -1}, WordCase{nullptr, -1}),
                         vxtest::RowName());

TEST(KeywordTableTest, NoTableMatchesNothing) { EXPECT_EQ(cmdsyn_find_keyword(nullptr, "help"), -1); }

// The first row that matches wins, as the dispatcher reads the table top to bottom.
TEST(KeywordTableTest, FirstMatchingRowWins) {
    constexpr cmd_keyword_t table[] = {{"ch[eckin]", 1, 0}, {"che[ckout]", 2, 0}, {nullptr, -1, 0}};
    EXPECT_EQ(cmdsyn_find_keyword(table, "che"), 1);
    EXPECT_EQ(cmdsyn_find_keyword(table, "checko"), 2);
}

// A spec whose brackets are not a closing "[...]" is a plain word.
TEST(KeywordTableTest, MalformedSpecIsAPlainWord) {
    constexpr cmd_keyword_t table[] = {{"ab[cd", 1, 0}, {"x]", 2, 0}, {nullptr, -1, 0}};
    EXPECT_EQ(cmdsyn_find_keyword(table, "ab"), -1);
    EXPECT_EQ(cmdsyn_find_keyword(table, "ab[cd"), 1);
    EXPECT_EQ(cmdsyn_find_keyword(table, "x]"), 2);
}

}  // namespace
