// The tool's messages through the platform's message catalogs: a translated catalog is
// found through NLSPATH and the locale named by LANG, LC_MESSAGES and LC_ALL (in that
// growing order of weight), and a catalog whose texts take other arguments than the
// built-in ones is never allowed to print them.

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

#include "ecosystem/scratch.h"
#include "tool/vexar_run.h"

namespace vxtest {
namespace {

// Messages 29 (unrecognized command), 182 (-endrange without -long) and 184 (lspacket's
// usage) of set 58.
const std::string kTranslated =
    "$quote \"\n$set 58\n"
    "29 \"Commande inconnue : « %s »\\n\"\n"
    "182 \"Impossible d'utiliser -endrange sans -long\\n\"\n"
    "184 \"Usage : lspacket [-long [-endrange] | -short] [paquet ...]\\n\"\n";

// The same numbers with texts that would read arguments that are not there, or write.
const std::string kMalicious =
    "$quote \"\n$set 58\n"
    "29 \"%s%s%n\"\n"
    "182 \"%s%s%s%s%s%s%s%s\\n\"\n"
    "184 \"Usage %n\\n\"\n";

struct Expected {
    std::string unknown_err;  // vexar bogus_word
    std::string help_out;     // vexar help lspacket
    std::string refused_err;  // vexar lspacket -short -endrange
};

const Expected kFrench = {
    "vexar: Error: Commande inconnue : « bogus_word »\n",
    "Usage : lspacket [-long [-endrange] | -short] [paquet ...]\n",
    "vexar: Error: Impossible d'utiliser -endrange sans -long\n"
    "Usage : lspacket [-long [-endrange] | -short] [paquet ...]\n",
};

const Expected kBuiltIn = {
    std::string(kErrorPrefix) + UnrecognizedCommand("bogus_word"),
    kLspacketUsage,
    std::string(kErrorPrefix) + "Can not use -endrange without -long\n" + kLspacketUsage,
};

class CatalogTool : public ScratchTest {
  protected:
    // Compiles `source` into <scratch>/<folder>/vexar_bin, where "%L/%N" finds it.
    void Install(const std::string &folder, const std::string &source) {
        const std::string input = Write("source.msg", source);
        std::filesystem::create_directories(Path(folder));
        const std::string command = std::string(VX_GENCAT) + " '" + Path(folder + "/vexar_bin") + "' '" + input + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }

    void ExpectMessages(const std::map<std::string, std::string> &env, const Expected &expected) {
        const ProcessResult unknown = RunVexar({"bogus_word"}, std::nullopt, env);
        EXPECT_EQ(unknown.status, 2);
        EXPECT_EQ(unknown.err, expected.unknown_err);
        const ProcessResult help = RunVexar({"help", "lspacket"}, std::nullopt, env);
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out, expected.help_out);
        const ProcessResult refused = RunVexar({"lspacket", "-short", "-endrange"}, std::nullopt, env);
        EXPECT_EQ(refused.status, 2);
        EXPECT_EQ(refused.out, "");
        EXPECT_EQ(refused.err, expected.refused_err);
    }
};

// Which settings find the catalog in <scratch>/C.UTF-8/vexar_bin through
// NLSPATH=<scratch>/%L/%N. C.UTF-8 is the one locale besides C that every glibc has.
struct LocaleCase {
    const char *label;
    std::map<std::string, std::string> env;  // NLSPATH is added
    bool translated;
};

const LocaleCase kLocales[] = {
    {"lang_names_the_locale", {{"LANG", "C.UTF-8"}}, true},
    {"lc_messages_over_lang", {{"LANG", "C"}, {"LC_MESSAGES", "C.UTF-8"}}, true},
    {"lc_all_over_lc_messages", {{"LC_ALL", "C"}, {"LC_MESSAGES", "C.UTF-8"}}, false},
    {"other_locale_other_folder", {{"LANG", "C"}}, false},
    {"locale_unknown_to_the_system_is_c", {{"LANG", "xx_XX.UTF-8"}}, false},
};

class CatalogLocale : public CatalogTool, public testing::WithParamInterface<LocaleCase> {};

TEST_P(CatalogLocale, ChoosesTheCatalogOfTheLocale) {
    Install("C.UTF-8", kTranslated);
    std::map<std::string, std::string> env = GetParam().env;
    env["NLSPATH"] = Path() + "/%L/%N";
    ExpectMessages(env, GetParam().translated ? kFrench : kBuiltIn);
}

INSTANTIATE_TEST_SUITE_P(Ecosystem, CatalogLocale, testing::ValuesIn(kLocales),
                         [](const auto &info) { return std::string(info.param.label); });

TEST_F(CatalogTool, NlspathWithoutLocaleFindsTheCatalog) {
    Install("fixed", kTranslated);
    ExpectMessages({{"NLSPATH", Path() + "/fixed/%N"}}, kFrench);
}

TEST_F(CatalogTool, WithoutNlspathTheBuiltInTextsArePrinted) {
    Install("C.UTF-8", kTranslated);
    ExpectMessages({{"LANG", "C.UTF-8"}}, kBuiltIn);
}

TEST_F(CatalogTool, MaliciousTextsAreIgnored) {
    Install("C.UTF-8", kMalicious);
    ExpectMessages({{"LANG", "C.UTF-8"}, {"NLSPATH", Path() + "/%L/%N"}}, kBuiltIn);
}

// Messages the catalog lacks keep their built-in texts beside translated ones.
TEST_F(CatalogTool, MissingMessagesKeepTheBuiltInText) {
    Install("C.UTF-8", "$quote \"\n$set 58\n29 \"Commande inconnue : « %s »\\n\"\n");
    const std::map<std::string, std::string> env = {{"LANG", "C.UTF-8"}, {"NLSPATH", Path() + "/%L/%N"}};
    EXPECT_EQ(RunVexar({"bogus_word"}, std::nullopt, env).err, kFrench.unknown_err);
    EXPECT_EQ(RunVexar({"lspacket", "-short", "-endrange"}, std::nullopt, env).err, kBuiltIn.refused_err);
}

}  // namespace
}  // namespace vxtest
