// Catalogs found in the installed tree beside the tool when NLSPATH is not set: the tool
// runs as a copy in a scratch tree laid out as the installed one (its libraries found
// through the run path), with a translated catalog under share/locale.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "ecosystem/scratch.h"
#include "tool/vexar_run.h"

namespace vxtest {
namespace {

namespace fs = std::filesystem;

// Message 29 of set 58: the unrecognized command.
const std::string kFrench = "$quote \"\n$set 58\n29 \"Commande inconnue : « %s »\\n\"\n";
const std::string kGerman = "$quote \"\n$set 58\n29 \"Unbekannter Befehl: %s\\n\"\n";

const std::string kFrenchError = "vexar: Error: Commande inconnue : « bogus_word »\n";
const std::string kGermanError = "vexar: Error: Unbekannter Befehl: bogus_word\n";
const std::string kEnglishError = std::string(kErrorPrefix) + UnrecognizedCommand("bogus_word");

class InstalledTree : public ScratchTest {
  protected:
    void SetUp() override {
        ScratchTest::SetUp();
        fs::create_directories(Path("tree/bin"));
        fs::copy_file(VEXAR_PATH, Program());
        const fs::path built_libraries = (fs::path(VEXAR_PATH).parent_path() / VX_PROGRAM_TO_LIB).lexically_normal();
        fs::create_directory_symlink(built_libraries,
                                     (fs::path(Path("tree/bin")) / VX_PROGRAM_TO_LIB).lexically_normal());
    }

    std::string Program() const { return Path("tree/bin/vexar"); }

    // Compiles `source` into catalog `name` of locale folder `locale` of the tree.
    void Install(const std::string &locale, const std::string &source, const std::string &name = "vexar_bin") {
        const fs::path folder = fs::path(Path("tree/bin")) / VX_PROGRAM_TO_LOCALE / locale / "LC_MESSAGES";
        Compile(folder.lexically_normal().string(), source, name);
    }

    // Compiles `source` into `<folder>/<name>`.
    void Compile(const std::string &folder, const std::string &source, const std::string &name) {
        fs::create_directories(folder);
        const std::string input = Write("source.msg", source);
        const std::string command = std::string(VX_GENCAT) + " '" + folder + "/" + name + "' '" + input + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }

    std::string UnknownWordError(const std::map<std::string, std::string> &env) {
        const ProcessResult result = RunVexarAt(Program(), {"bogus_word"}, std::nullopt, env);
        EXPECT_EQ(result.status, 2);
        return result.err;
    }
};

// Where the catalog lies (a folder of share/locale), the settings that run the tool, and
// whether it is found. C.UTF-8 is the one locale besides C that every glibc has;
// setlocale names it as LANG spells it.
struct PlaceCase {
    const char *label;
    const char *folder;
    std::map<std::string, std::string> env;
    bool found;
};

const PlaceCase kPlaces[] = {
    {"locale_as_given", "C.UTF-8", {{"LANG", "C.UTF-8"}}, true},
    {"codeset_as_locale_a_spells_it", "C.utf8", {{"LANG", "C.UTF-8"}}, true},
    {"codeset_as_lang_spells_it", "C.UTF-8", {{"LANG", "C.utf8"}}, true},
    {"language_alone", "C", {{"LANG", "C.UTF-8"}}, true},
    {"lc_messages_chooses", "C.utf8", {{"LANG", "C"}, {"LC_MESSAGES", "C.UTF-8"}}, true},
    {"lc_all_over_the_others", "C.utf8", {{"LANG", "C.UTF-8"}, {"LC_ALL", "C"}}, false},
    {"locale_unknown_to_the_system_is_c", "xx_XX.utf8", {{"LANG", "xx_XX.UTF-8"}}, false},
    {"empty_nlspath_counts_as_unset", "C.utf8", {{"LANG", "C.UTF-8"}, {"NLSPATH", ""}}, true},
};

class InstalledCatalogPlace : public InstalledTree, public testing::WithParamInterface<PlaceCase> {};

TEST_P(InstalledCatalogPlace, FindsTheCatalogOfTheLocale) {
    Install(GetParam().folder, kFrench);
    EXPECT_EQ(UnknownWordError(GetParam().env), GetParam().found ? kFrenchError : kEnglishError);
}

INSTANTIATE_TEST_SUITE_P(Ecosystem, InstalledCatalogPlace, testing::ValuesIn(kPlaces),
                         [](const auto &info) { return std::string(info.param.label); });

// NLSPATH, when set, is where catalogs are looked for: the installed one is passed over
// whether NLSPATH finds one or not.
TEST_F(InstalledTree, NlspathOverridesTheInstalledCatalog) {
    Install("C.utf8", kFrench);
    Compile(Path("elsewhere"), kGerman, "vexar_bin");
    EXPECT_EQ(UnknownWordError({{"LANG", "C.UTF-8"}, {"NLSPATH", Path("elsewhere") + "/%N"}}), kGermanError);
    EXPECT_EQ(UnknownWordError({{"LANG", "C.UTF-8"}, {"NLSPATH", Path("nothing") + "/%N"}}), kEnglishError);
}

// The closest folder wins: the locale as given before the language alone.
TEST_F(InstalledTree, TheLocaleAsGivenBeforeItsLanguage) {
    Install("C", kGerman);
    Install("C.UTF-8", kFrench);
    EXPECT_EQ(UnknownWordError({{"LANG", "C.UTF-8"}}), kFrenchError);
}

}  // namespace
}  // namespace vxtest
