// The tool's face: the version line, the command list of help, manual pages, and every
// command reachable one-shot and interactively.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "tool/vexar_run.h"

namespace {

using vxtest::RunVexar;

TEST(Face, VersionWordsPrintTheVersionLine) {
    for (const char *word : {"-version", "--version"}) {
        const auto r = RunVexar({word});
        EXPECT_EQ(r.status, 0) << word;
        EXPECT_EQ(r.err, "") << word;
        EXPECT_TRUE(std::regex_match(r.out, std::regex("libzornavx_cmdsyn {16} [0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+ "
                                                       "\\([^)]+\\)\n")))
            << r.out;
    }
    // Not a command word, so not abbreviated.
    EXPECT_EQ(RunVexar({"-vers"}).status, 2);
}

TEST(Face, VersionWordInTheInteractiveMode) {
    const auto r = RunVexar({}, std::string("--version\nlspacket p\n"));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("libzornavx_cmdsyn ", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\"packets\""), std::string::npos) << r.out;
}

TEST(Face, HelpAloneListsEveryCommandWithItsPurpose) {
    const auto r = RunVexar({"help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    for (const char *word : {"mkreplica", "syncreplica", "lspacket", "chepoch", "familysyncstatus", "vxacl",
                             "chshipconfig", "apropos", "quit", "describe"}) {
        // The other words that reach it stand in parentheses beside it.
        const std::regex line(std::string("\n  ") + word + "( \\([^)\n]+\\))? +[A-Z][^\n]+\n");
        EXPECT_TRUE(std::regex_search(r.out, line)) << word << " in\n" << r.out;
    }
    // Aliases stand beside their command, never on a line of their own.
    EXPECT_EQ(r.out.find("\n  exit"), std::string::npos);
}

TEST(Face, ManShowsAnInstalledPageAndSaysWhenThereIsNone) {
    const std::filesystem::path root = std::filesystem::temp_directory_path() / "vexar_man_test";
    std::filesystem::create_directories(root / "doc/help/vx_admin");
    std::ofstream(root / "doc/help/vx_admin/vr_lspacket", std::ios::binary) << "LSPACKET(1)\nlists packets\n";
    const auto shown = RunVexar({"man", "lspacket"}, std::nullopt, {{"VX_HELP_ROOT", root.string()}});
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.out, "LSPACKET(1)\nlists packets\n");
    const auto missing = RunVexar({"man", "mkrep"}, std::nullopt, {{"VX_HELP_ROOT", root.string()}});
    EXPECT_EQ(missing.status, 1) << "a failure, not a refused command line";
    EXPECT_NE(missing.err.find("vr_mkreplica"), std::string::npos) << missing.err;
    std::ofstream(root / "doc/help/vx_admin/vr_vexar.txt", std::ios::binary) << "VEXAR(1)\n";
    for (const std::vector<std::string> &args : {std::vector<std::string>{"man"}, {"man", "vexar"}}) {
        const auto tool_page = RunVexar(args, std::nullopt, {{"VX_HELP_ROOT", root.string()}});
        EXPECT_EQ(tool_page.status, 0) << args.size() << ": " << tool_page.err;
        EXPECT_EQ(tool_page.out, "VEXAR(1)\n");
    }
    std::filesystem::remove_all(root);
}

// Every command of the library answers help and runs one-shot and interactively
// (without words it either hands over a record or refuses with its usage: never an
// unknown word, never a crash).
TEST(Face, EveryCommandRunsOneShotAndInteractively) {
    const char *commands[] = {"mkreplica",    "syncreplica", "chreplica", "rmreplica",        "restorereplica",
                              "mkrptype",     "lspacket",    "dumpoplog", "lsexport",         "recoverpacket",
                              "lsepoch",      "chepoch",     "lssetting", "chsetting",        "lsshipconfig",
                              "chshipconfig", "syncserver",  "vxacl",     "familysyncstatus", "shipinfo",
                              "syncinfo",     "perfinfo",    "apropos"};
    std::string session;
    for (const char *command : commands) {
        const auto help = RunVexar({"help", command});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_EQ(help.err, "") << command;
        const auto once = RunVexar({command});
        EXPECT_TRUE(once.status == 0 || once.status == 2) << command << ": " << once.err;
        EXPECT_EQ(once.err.find("Unrecognized command"), std::string::npos) << command;
        session += std::string(command) + "\n";
    }
    const auto r = RunVexar({}, session + "quit\n");
    EXPECT_TRUE(r.status == 0 || r.status == 2) << r.err;
    EXPECT_EQ(r.err.find("Unrecognized command"), std::string::npos) << r.err;
}

}  // namespace
