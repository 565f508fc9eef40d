// The tool's messages through the platform's message catalogs: a translated catalog is
// found through NLSPATH and the locale named by LANG, LC_MESSAGES and LC_ALL (in that
// growing order of weight), and a catalog whose texts take other arguments than the
// built-in ones is never allowed to print them.

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ecosystem/scratch.h"
#include "support/param_names.h"
#include "tool/vexar_run.h"

namespace vxtest {
namespace {

using vxtest::operator<<;

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
    LspacketUsage(),
    std::string(kErrorPrefix) + "Can not use -endrange without -long\n" + LspacketUsage(),
};

class CatalogTool : public ScratchTest {
  protected:
    // Compiles `source` into <scratch>/<folder>/<catalog>, where "%L/%N" finds it.
    void Install(const std::string &folder, const std::string &source, const std::string &catalog = "vexar_bin") {
        const std::string input = Write("source.msg", source);
        std::filesystem::create_directories(Path(folder));
        const std::string command = std::string(VX_GENCAT) + " '" + Path(folder + "/" + catalog) + "' '" + input + "'";
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

INSTANTIATE_TEST_SUITE_P(Ecosystem, CatalogLocale, testing::ValuesIn(kLocales), vxtest::RowName());

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

// ---- The catalogs of the tool's and the message facility's own texts -------------

// The text with external number `number` of `set` in a catalog source.
std::string Source(int set, int number, const std::string &text) {
    return "$quote \"\n$set " + std::to_string(set) + "\n" + std::to_string(number) + " \"" + text + "\"\n";
}

struct ComponentCase {
    const char *label;
    const char *catalog;  // the file NLSPATH's %N names
    std::string source;
    std::vector<std::string> args;
    std::optional<std::string> stdin_text;
    std::string err;
};

// Texts of set 60 (the tool's: 1 the line label, 3 a trailing backslash, 22 the nearest
// command word), 61 (the facility's: 1 the error prefix), 62 (the parser's: 3 an unknown
// flag) and 63 (the shared command syntax's: 7 help for an unknown command); a
// translation that takes other arguments or ends the line elsewhere leaves the built-in
// text (the rules themselves are tried on the library's catalog, in the nls tests).
const ComponentCase kComponentCases[] = {
    {"error_prefix_translated",
     "zornaks_imsg",
     Source(61, 1, "%s : Erreur : "),
     {"bogus_word"},
     std::nullopt,
     "vexar : Erreur : " + UnrecognizedCommand("bogus_word")},
    {"error_prefix_names_the_line",
     "zornaks_imsg",
     Source(61, 1, "%s : Erreur : "),
     {},
     "bogus_word\n",
     "vexar: line 1 : Erreur : " + UnrecognizedCommand("bogus_word")},
    {"error_prefix_with_a_newline",
     "zornaks_imsg",
     Source(61, 1, "%s : Erreur :\\n"),
     {"bogus_word"},
     std::nullopt,
     std::string(kErrorPrefix) + UnrecognizedCommand("bogus_word")},
    {"tool_text_translated",
     "vexar_tool",
     Source(60, 3, "Barre oblique inverse en fin de ligne.\\n"),
     {},
     "lspacket a \\\n",
     LinePrefix(1) + "Barre oblique inverse en fin de ligne.\n"},
    {"line_label_translated",
     "vexar_tool",
     Source(60, 1, "%s, ligne %d"),
     {},
     "bogus_word\n",
     "vexar, ligne 1: Error: " + UnrecognizedCommand("bogus_word")},
    {"line_label_other_conversion",
     "vexar_tool",
     Source(60, 1, "%s, ligne %s"),
     {},
     "bogus_word\n",
     LinePrefix(1) + UnrecognizedCommand("bogus_word")},
    {"tool_suggestion_translated",
     "vexar_tool",
     Source(60, 22, "Commande la plus proche : %s\\n"),
     {"lspack"},
     std::nullopt,
     std::string(kErrorPrefix) + UnrecognizedCommand("lspack") + "Commande la plus proche : lspacket\n"},
    {"parser_refusal_translated",
     "zornaks_clp",
     Source(62, 3, "Option inconnue : « %s »\\n"),
     {"lspacket", "-zz"},
     std::nullopt,
     std::string(kErrorPrefix) + "Option inconnue : « -zz »\n" + LspacketUsage()},
    {"parser_refusal_writing_through_n",
     "zornaks_clp",
     Source(62, 3, "Option inconnue%n : %s\\n"),
     {"lspacket", "-zz"},
     std::nullopt,
     std::string(kErrorPrefix) + "Unrecognized option \"-zz\"\n" + LspacketUsage()},
    {"syntax_text_translated",
     "zornacmdsyn",
     Source(63, 7, "Pas d'aide pour « %s ».\\n"),
     {"help", "bogus_word"},
     std::nullopt,
     std::string(kErrorPrefix) + "Pas d'aide pour « bogus_word ».\n"},
};

class ComponentCatalog : public CatalogTool, public testing::WithParamInterface<ComponentCase> {};

TEST_P(ComponentCatalog, TranslatesOnlyTextsThatFit) {
    const ComponentCase &c = GetParam();
    Install("C.UTF-8", c.source, c.catalog);
    const ProcessResult r = RunVexar(c.args, c.stdin_text, {{"LANG", "C.UTF-8"}, {"NLSPATH", Path() + "/%L/%N"}});
    EXPECT_EQ(r.err, c.err);
}

INSTANTIATE_TEST_SUITE_P(Ecosystem, ComponentCatalog, testing::ValuesIn(kComponentCases), vxtest::RowName());

// ---- The purposes help lists ------------------------------------------------------

// Text 55 of the tool's catalog: the purpose of lspacket.
constexpr int kLspacketPurpose = 55;

struct PurposeCase {
    const char *label;
    std::string translation;
    std::string listed;  // the line of lspacket in "vexar help"
};

const PurposeCase kPurposes[] = {
    {"translated", "Lister les paquets", "  lspacket           Lister les paquets\n"},
    {"refused_for_a_conversion", "Lister %s", "  lspacket           List packets\n"},
    {"refused_for_a_line_end", "Lister les paquets\\n", "  lspacket           List packets\n"},
};

class PurposeCatalog : public CatalogTool, public testing::WithParamInterface<PurposeCase> {};

TEST_P(PurposeCatalog, HelpListsThePurposeTheCatalogMayGive) {
    Install("C.UTF-8", Source(60, kLspacketPurpose, GetParam().translation), "vexar_tool");
    const ProcessResult r = RunVexar({"help"}, std::nullopt, {{"LANG", "C.UTF-8"}, {"NLSPATH", Path() + "/%L/%N"}});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find(GetParam().listed), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("  lsreplica (lsrep)  List replicas\n"), std::string::npos) << "the others as they are";
    EXPECT_EQ(r.err, "");
}

INSTANTIATE_TEST_SUITE_P(Ecosystem, PurposeCatalog, testing::ValuesIn(kPurposes), vxtest::RowName());

// ---- Refused translations, traced ---------------------------------------------------

std::string Refused(const std::string &catalog, int set, int number, const std::string &why) {
    return "Catalog " + catalog + ", set " + std::to_string(set) + ", message " + std::to_string(number) +
           ": the translation is not used: " + why + "\n";
}
const std::string kConversionsDiffer = "its conversions differ from the built-in text's.";
const std::string kLineEndDiffers = "it ends a line where the built-in text does not, or the other way round.";

struct TraceCase {
    const char *label;
    const char *catalog;
    std::string source;
    std::string trace;  // VX_TRACE
    std::vector<std::string> args;
    std::optional<std::string> stdin_text;
    std::map<std::string, std::string> env;  // beside LANG, NLSPATH and VX_TRACE
    std::string err;
};

// A refused translation is traced once per message and process, when its catalog (or
// "all") is traced; the built-in text is printed either way.
const TraceCase kTraces[] = {
    {"conversions_once_per_process",
     "vexar_bin",
     Source(58, 29, "Commande %d inconnue\\n"),
     "vexar_bin",
     {},
     "bogus_word\nbogus_word\n",
     {},
     Refused("vexar_bin", 58, 29, kConversionsDiffer) + LinePrefix(1) + UnrecognizedCommand("bogus_word") +
         LinePrefix(2) + UnrecognizedCommand("bogus_word")},
    {"line_end_under_all",
     "vexar_bin",
     Source(58, 29, "Commande inconnue : %s"),
     "all",
     {"bogus_word"},
     std::nullopt,
     {},
     Refused("vexar_bin", 58, 29, kLineEndDiffers) + kErrorPrefix + UnrecognizedCommand("bogus_word")},
    {"other_facility_traced",
     "vexar_bin",
     Source(58, 29, "Commande %d inconnue\\n"),
     "vx_cmd",
     {"bogus_word"},
     std::nullopt,
     {},
     std::string(kErrorPrefix) + UnrecognizedCommand("bogus_word")},
    {"tool_text_the_tool_formats",
     "vexar_tool",
     Source(60, 1, "%s, ligne %s"),
     "vexar_tool",
     {},
     "bogus_word\n",
     {},
     Refused("vexar_tool", 60, 1, kConversionsDiffer) + LinePrefix(1) + UnrecognizedCommand("bogus_word")},
    {"purpose",
     "vexar_tool",
     Source(60, kLspacketPurpose, "Lister %s"),
     "vexar_tool",
     {"help"},
     std::nullopt,
     {},
     Refused("vexar_tool", 60, kLspacketPurpose, kConversionsDiffer)},
    // The report of a malformed VX_VERBOSITY begins with the error prefix, whose refusal
    // is traced while the settings are being read.
    {"error_prefix_while_the_settings_are_read",
     "zornaks_imsg",
     Source(61, 1, "%d: Erreur : "),
     "zornaks_imsg",
     {"lspacket"},
     std::nullopt,
     {{"VX_VERBOSITY", "abc"}},
     Refused("zornaks_imsg", 61, 1, kConversionsDiffer) + kErrorPrefix +
         "The environment variable VX_VERBOSITY=\"abc\" is not a decimal number from 0 to 2147483647; it is "
         "ignored.\n"},
};

class TracedRefusal : public CatalogTool, public testing::WithParamInterface<TraceCase> {};

TEST_P(TracedRefusal, SaysOnceWhyTheBuiltInTextIsPrinted) {
    const TraceCase &c = GetParam();
    Install("C.UTF-8", c.source, c.catalog);
    std::map<std::string, std::string> env = c.env;
    env["LANG"] = "C.UTF-8";
    env["NLSPATH"] = Path() + "/%L/%N";
    env["VX_TRACE"] = c.trace;
    const ProcessResult r = RunVexar(c.args, c.stdin_text, env);
    EXPECT_EQ(r.err, c.err);
}

INSTANTIATE_TEST_SUITE_P(Ecosystem, TracedRefusal, testing::ValuesIn(kTraces), vxtest::RowName());

}  // namespace
}  // namespace vxtest
