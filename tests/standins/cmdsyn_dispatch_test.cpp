// Help, manual pages and the generic commands of the shared command syntax, through
// the real parser.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cmdsyn_help_root.h"
#include "libzornacmdsyn.h"
#include "standin_support.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;
using standin::capture;
using standin::CwdGuard;
using standin::EnvGuard;
using standin::Output;
using standin::TempDir;
using standin::Words;

// Routines that note how they were called instead of doing anything.
struct Call {
    int slot;
    uint32_t flags;
};
std::vector<Call> g_calls;

template <int Slot>
int32_t noting_routine(clp_parser_t *, stg_area_t *, uint32_t flags) {
    g_calls.push_back({Slot, flags});
    return 77;
}

constexpr cmd_keyword_t kKeywords[] = {
    {"h[elp]", 0, 0},
    {"q[uit]", 2, 0},
    {"exit", 2, CMD_KEYWORD_ALIAS},
    {"sh[ell]", 5, 0},
    {"!", 5, CMD_KEYWORD_ALIAS},
    {"mkrep[lica]", 9, 0},
    {"lspacket", 21, 0},
    {"chepoch", 18, 0},
    {nullptr, -1, 0},
};
// Commands reached by full name only.
constexpr cmd_keyword_t kExtra[] = {{"apropos", 24, 0}, {"perfinfo", 34, 0}, {nullptr, -1, 0}};

proc_table_entry_t make_procs_entry(int slot) {
    switch (slot) {
        case 0: return {noting_routine<0>, 1};
        case 2: return {noting_routine<2>, 1};
        case 5: return {noting_routine<5>, 1};
        case 9: return {noting_routine<9>, 1};
        case 21: return {noting_routine<21>, 1};
        case 24: return {noting_routine<24>, 1};
        default: return {nullptr, 1};  // not built yet (18 chepoch, 34 perfinfo)
    }
}

class SharedSyntaxTest : public testing::Test {
  protected:
    void SetUp() override {
        g_calls.clear();
        for (int slot = 0; slot < 37; ++slot) procs_[slot] = make_procs_entry(slot);
        cmdsyn_set_extra_keywords(kExtra);
    }
    void TearDown() override { cmdsyn_set_extra_keywords(nullptr); }

    Output help(std::vector<const char *> words, uint32_t flags = 0) {
        Words parser(std::move(words));
        return capture([&] { return cmdsyn_help_dispatch(parser.parser(), parser.area(), flags, kKeywords, procs_); });
    }
    Output man(std::vector<const char *> words, uint32_t flags = 0) {
        Words parser(std::move(words));
        return capture([&] {
            return cmdsyn_man_dispatch(parser.parser(), parser.area(), flags, kKeywords, "vexar", "vr_",
                                       "doc/help/vx_admin/", 2);
        });
    }

    proc_table_entry_t procs_[37];
};

// ---- help --------------------------------------------------------------------

struct HelpCase {
    const char *word;
    int slot;
};

class HelpWordTest : public SharedSyntaxTest, public testing::WithParamInterface<HelpCase> {};

// The routine's usage is all that appears: help calls it with the full usage request
// and answers 0 whatever the routine returned.
TEST_P(HelpWordTest, CallsTheRoutineForItsUsage) {
    const Output output = help({GetParam().word});
    EXPECT_EQ(output.status, 0);
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].slot, GetParam().slot);
    EXPECT_EQ(g_calls[0].flags, SYNTAX_USAGE_FULL);
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err, "");
}

INSTANTIATE_TEST_SUITE_P(Words, HelpWordTest,
                         testing::Values(HelpCase{"lspacket", 21}, HelpCase{"mkrep", 9}, HelpCase{"exit", 2},
                                         HelpCase{"!", 5}, HelpCase{"h", 0}, HelpCase{"apropos", 24}),
                         vxtest::RowName());

TEST_F(SharedSyntaxTest, HelpRefusesAnUnknownWord) {
    const Output output = help({"lspack"});
    EXPECT_EQ(output.status, 1001);
    EXPECT_TRUE(g_calls.empty());
    EXPECT_NE(output.err.find("\"lspack\""), std::string::npos) << output.err;
    EXPECT_EQ(output.out, "");
}

TEST_F(SharedSyntaxTest, HelpForACommandNotBuiltYet) {
    for (const char *word : {"chepoch", "perfinfo"}) {
        const Output output = help({word});
        EXPECT_EQ(output.status, 1001) << word;
        EXPECT_NE(output.err.find("not available"), std::string::npos) << output.err;
        EXPECT_NE(output.err.find(word), std::string::npos) << output.err;
    }
    EXPECT_TRUE(g_calls.empty());
}

constexpr const char *kWordsNote =
    "A word in parentheses runs the same command, as does any spelling between the\n"
    "shortest one and the full name.\n";

// Without a word: every command once, by its full name, sorted, with every other word
// that reaches it (its shortest spelling, then its aliases) and its purpose where one
// was handed over.
TEST_F(SharedSyntaxTest, HelpListsTheCommands) {
    const cmdsyn_purpose_t purposes[] = {{"lspacket", "List packets"}, {"quit", "Leave"}, {nullptr, nullptr}};
    cmdsyn_set_command_purposes(purposes);
    const Output output = help({});
    cmdsyn_set_command_purposes(nullptr);
    EXPECT_EQ(output.status, 0);
    EXPECT_EQ(output.out, std::string("Commands (\"help command\" shows a command's usage):\n"
                                      "  apropos\n  chepoch\n  help (h)\n"
                                      "  lspacket           List packets\n"
                                      "  mkreplica (mkrep)\n  perfinfo\n"
                                      "  quit (q, exit)     Leave\n"
                                      "  shell (sh, !)\n") +
                              kWordsNote);
    EXPECT_EQ(output.err, "");
    EXPECT_TRUE(g_calls.empty());
}

TEST_F(SharedSyntaxTest, HelpListsOnlyTheKeywordTableWithoutExtras) {
    cmdsyn_set_extra_keywords(nullptr);
    EXPECT_EQ(help({}).out, std::string("Commands (\"help command\" shows a command's usage):\n"
                                        "  chepoch\n  help (h)\n  lspacket\n  mkreplica (mkrep)\n  quit (q, exit)\n"
                                        "  shell (sh, !)\n") +
                                kWordsNote);
}

// An alias stands beside its command only within its own table; one without a command
// is listed as a word of its own, and a table without other words needs no note.
TEST_F(SharedSyntaxTest, HelpListsAliasesOfTheirOwnTable) {
    constexpr cmd_keyword_t kPlain[] = {{"lspacket", 21, 0}, {"bye", 2, CMD_KEYWORD_ALIAS}, {nullptr, -1, 0}};
    constexpr cmd_keyword_t kOwn[] = {{"apropos", 24, 0}, {"man", 24, CMD_KEYWORD_ALIAS}, {nullptr, -1, 0}};
    cmdsyn_set_extra_keywords(kOwn);
    Words parser({});
    const Output output =
        capture([&] { return cmdsyn_help_dispatch(parser.parser(), parser.area(), 0, kPlain, procs_); });
    EXPECT_EQ(output.out, std::string("Commands (\"help command\" shows a command's usage):\n"
                                      "  apropos (man)\n  bye\n  lspacket\n") +
                              kWordsNote);
    cmdsyn_set_extra_keywords(nullptr);
    constexpr cmd_keyword_t kNoOthers[] = {{"lspacket", 21, 0}, {"chepoch", 18, 0}, {nullptr, -1, 0}};
    Words again({});
    EXPECT_EQ(capture([&] { return cmdsyn_help_dispatch(again.parser(), again.area(), 0, kNoOthers, procs_); }).out,
              "Commands (\"help command\" shows a command's usage):\n  chepoch\n  lspacket\n");
}

TEST_F(SharedSyntaxTest, HelpAnswersAUsageRequestItself) {
    for (uint32_t flags : {SYNTAX_USAGE_BRIEF, SYNTAX_USAGE_FULL}) {
        const Output output = help({"lspacket"}, flags);
        EXPECT_EQ(output.status, 0);
        EXPECT_EQ(output.out.rfind("Usage: help", 0), 0u) << output.out;
    }
    EXPECT_TRUE(g_calls.empty());
}

// ---- man ---------------------------------------------------------------------

class ManTest : public SharedSyntaxTest {
  protected:
    void SetUp() override {
        SharedSyntaxTest::SetUp();
        std::filesystem::create_directories(pages());
    }
    std::filesystem::path pages() const { return root_.path() / "doc/help/vx_admin"; }
    void write_page(const std::string &file, const std::string &text) {
        std::ofstream(pages() / file, std::ios::binary) << text;  // as it stands, on Windows too
    }

    TempDir root_;
    EnvGuard help_root_{"VX_HELP_ROOT", root_.path().string()};
};

TEST_F(ManTest, PrintsThePageOfTheFullName) {
    write_page("vr_mkreplica", "MKREPLICA\n  creates a replica\n");
    const Output output = man({"mkrep"});
    EXPECT_EQ(output.status, 0);
    EXPECT_EQ(output.out, "MKREPLICA\n  creates a replica\n");
    EXPECT_EQ(output.err, "");
}

TEST_F(ManTest, FindsATextPageAndEndsItsLastLine) {
    write_page("vr_lspacket.txt", "LSPACKET");
    const Output output = man({"lspacket"});
    EXPECT_EQ(output.status, 0);
    EXPECT_EQ(output.out, "LSPACKET\n");
}

TEST_F(ManTest, AnAliasShowsThePageOfItsCommand) {
    write_page("vr_quit", "QUIT\n");
    EXPECT_EQ(man({"exit"}).out, "QUIT\n");
}

// A page that is not there is a failure of the command, not a command line refused.
TEST_F(ManTest, MissingPageNamesThePathLookedFor) {
    const Output output = man({"chepoch"});
    EXPECT_EQ(output.status, 1);
    EXPECT_EQ(output.out, "");
    // On Windows either separator may stand between the parts of the path.
    auto slashes = [](std::string text) {
        std::replace(text.begin(), text.end(), '\\', '/');
        return text;
    };
    EXPECT_NE(slashes(output.err).find(slashes((pages() / "vr_chepoch").string())), std::string::npos) << output.err;
}

#if defined(__linux__)
// Without VX_HELP_ROOT the pages are looked for in the tool's data folder beside the
// running program (here the test program, which lies where the tool does), not in the
// working folder.
TEST(ManHelpRoot, LooksBesideTheProgramWithoutAHelpRoot) {
    EnvGuard no_root{"VX_HELP_ROOT", std::nullopt};
    constexpr cmd_keyword_t kPagelessWord[] = {{"nopage", 0, 0}, {nullptr, -1, 0}};
    Words parser({"nopage"});
    const Output output = capture([&] {
        return cmdsyn_man_dispatch(parser.parser(), parser.area(), 0, kPagelessWord, "vexar", "vr_",
                                   "doc/help/vx_admin/", 2);
    });
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe");
    const std::string expected = (program.parent_path() / "../share/vexar/doc/help/vx_admin/vr_nopage").string();
    EXPECT_EQ(output.status, 1);
    EXPECT_NE(output.err.find("looked for " + expected + " and " + expected + ".txt"), std::string::npos) << output.err;
}
#endif

// The help root: VX_HELP_ROOT, else the tool's data folder beside the running
// program; nothing when neither is known, never the working folder.
TEST(ManHelpRoot, TheConfiguredRootElseTheDataFolderElseNone) {
    struct Case {
        const char *label;
        const char *configured;
        std::string program_folder;
        const char *tool;
        std::string root;
    };
    const std::string data = "/opt/vexar/bin/" + std::string(VX_PROGRAM_TO_DATA) + "/vexar";
    const Case cases[] = {
        {"configured", "/srv/pages", "/opt/vexar/bin/", "vexar", "/srv/pages"},
        {"configured_without_program_folder", "/srv/pages", "", "vexar", "/srv/pages"},
        {"beside_the_program", nullptr, "/opt/vexar/bin/", "vexar", data},
        {"configured_empty_is_unset", "", "/opt/vexar/bin/", "vexar", data},
        {"program_folder_unknown", nullptr, "", "vexar", ""},
        {"program_folder_unknown_configured_empty", "", "", "vexar", ""},
        {"no_tool_name", nullptr, "/opt/vexar/bin/", "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(zornacmdsyn::help_root(c.configured, c.program_folder, c.tool), c.root);
    }
}

TEST_F(ManTest, RefusesUnknownWords) {
    const Output unknown = man({"bogus"});
    EXPECT_EQ(unknown.status, 1001);
    EXPECT_NE(unknown.err.find("\"bogus\""), std::string::npos) << unknown.err;
}

// Without a word, and for the tool's name (which every page names among its
// references), the page is the tool's own.
TEST_F(ManTest, ShowsTheToolsPageWithoutAWordAndForTheToolsName) {
    const std::vector<std::vector<const char *>> asking = {{}, {"vexar"}};
    for (const std::vector<const char *> &words : asking) {
        SCOPED_TRACE(words.size());
        EXPECT_EQ(man(words).status, 1) << "no page yet";
        write_page("vr_vexar.txt", "VEXAR(1)\n");
        const Output output = man(words);
        EXPECT_EQ(output.status, 0);
        EXPECT_EQ(output.out, "VEXAR(1)\n");
        EXPECT_EQ(output.err, "");
        std::filesystem::remove(pages() / "vr_vexar.txt");
    }
}

TEST_F(ManTest, AnswersAUsageRequest) {
    write_page("vr_lspacket", "LSPACKET\n");
    const Output output = man({"lspacket"}, SYNTAX_USAGE_FULL);
    EXPECT_EQ(output.status, 0);
    EXPECT_EQ(output.out.rfind("Usage: man", 0), 0u) << output.out;
}

// ---- generic commands --------------------------------------------------------

struct GenericCase {
    const char *name;
    cmd_syntax_routine_t routine;
};

const GenericCase kWordCommands[] = {
    {"shell", cmdsyn_shell},         {"lstype", cmdsyn_lstype},     {"rmtype", cmdsyn_rmtype},
    {"lsreplica", cmdsyn_lsreplica}, {"chmaster", cmdsyn_chmaster}, {"lsmaster", cmdsyn_lsmaster},
    {"reqmaster", cmdsyn_reqmaster}, {"describe", cmdsyn_describe}, {"rename", cmdsyn_rename},
};

Output run(cmd_syntax_routine_t routine, std::vector<const char *> words, uint32_t flags = 0) {
    Words parser(std::move(words));
    return capture([&] { return routine(parser.parser(), parser.area(), flags); });
}

class WordCommandTest : public testing::TestWithParam<GenericCase> {};

TEST_P(WordCommandTest, PrintsItsWordsAsARecord) {
    const Output output = run(GetParam().routine, {"-l", "a b", "%s\n"});
    EXPECT_EQ(output.status, 0);
    EXPECT_EQ(output.err, "");
    EXPECT_EQ(output.out,
              std::string(R"({"command":")") + GetParam().name + R"(","words":["-l","a b","%s\n"]})" + "\n");
}

TEST_P(WordCommandTest, NoWordsIsAnEmptyList) {
    const auto record = nlohmann::json::parse(run(GetParam().routine, {}).out);
    EXPECT_EQ(record["words"], nlohmann::json::array());
}

INSTANTIATE_TEST_SUITE_P(Commands, WordCommandTest, testing::ValuesIn(kWordCommands), vxtest::RowName());

// Every generic routine answers either usage bit with a usage line and does nothing.
class GenericUsageTest : public testing::TestWithParam<GenericCase> {};

TEST_P(GenericUsageTest, ServesUsageRequests) {
    CwdGuard cwd;
    for (uint32_t flags : {SYNTAX_USAGE_BRIEF, SYNTAX_USAGE_FULL, 3u}) {
        const Output output = run(GetParam().routine, {"/"}, flags);
        EXPECT_EQ(output.status, 0);
        EXPECT_EQ(output.out.rfind("Usage: ", 0), 0u) << output.out;
        EXPECT_EQ(output.out.find('{'), std::string::npos) << output.out;
        EXPECT_EQ(output.err, "");
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, GenericUsageTest,
                         testing::Values(GenericCase{"quit", cmdsyn_quit}, GenericCase{"cd", cmdsyn_cd},
                                         GenericCase{"pwd", cmdsyn_pwd}, kWordCommands[0], kWordCommands[1],
                                         kWordCommands[2], kWordCommands[3], kWordCommands[4], kWordCommands[5],
                                         kWordCommands[6], kWordCommands[7], kWordCommands[8]),
                         vxtest::RowName());

// The quit flag is process-wide and never cleared, so one test follows it through.
TEST(QuitTest, AUsageRequestDoesNotQuitButQuitDoes) {
    run(cmdsyn_quit, {}, SYNTAX_USAGE_FULL);
    EXPECT_EQ(cmdsyn_quit_requested(), 0);
    EXPECT_EQ(run(cmdsyn_quit, {}).status, 0);
    EXPECT_NE(cmdsyn_quit_requested(), 0);
}

class DirectoryTest : public testing::Test {
  protected:
    CwdGuard cwd_;
    TempDir dir_;
    std::filesystem::path canonical() const { return std::filesystem::canonical(dir_.path()); }
};

TEST_F(DirectoryTest, CdThenPwd) {
    const std::string target = dir_.path().string();
    EXPECT_EQ(run(cmdsyn_cd, {target.c_str()}).status, 0);
    EXPECT_EQ(std::filesystem::current_path(), canonical());
    const Output output = run(cmdsyn_pwd, {});
    EXPECT_EQ(output.status, 0);
    EXPECT_EQ(output.out, canonical().string() + "\n");
}

TEST_F(DirectoryTest, CdWithoutAWordGoesHome) {
    EnvGuard home("HOME", dir_.path().string());
    EXPECT_EQ(run(cmdsyn_cd, {}).status, 0);
    EXPECT_EQ(std::filesystem::current_path(), canonical());
}

TEST_F(DirectoryTest, CdToAMissingDirectoryFails) {
    const std::string missing = (dir_.path() / "missing").string();
    const auto before = std::filesystem::current_path();
    const Output output = run(cmdsyn_cd, {missing.c_str()});
    EXPECT_EQ(output.status, 1);
    EXPECT_NE(output.err.find(missing), std::string::npos) << output.err;
    EXPECT_NE(output.err.find("No such file or directory"), std::string::npos) << output.err;
    EXPECT_EQ(std::filesystem::current_path(), before);
}

// Extra words are a syntax error found before anything changes.
TEST_F(DirectoryTest, ExtraWordsAreRefused) {
    const std::string target = dir_.path().string();
    const auto before = std::filesystem::current_path();
    const Output cd = run(cmdsyn_cd, {target.c_str(), "more"});
    EXPECT_EQ(cd.status, 1001);
    EXPECT_NE(cd.err.find("\"more\""), std::string::npos) << cd.err;
    EXPECT_EQ(std::filesystem::current_path(), before);
    const Output pwd = run(cmdsyn_pwd, {"more"});
    EXPECT_EQ(pwd.status, 1001);
    EXPECT_EQ(pwd.out, "");
}

}  // namespace
