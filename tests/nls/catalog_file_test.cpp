// Where a component looks for its catalog in the installed tree: the folders a locale's
// catalog may lie in, closest first, and their paths beside the program.

#include "catalog_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/param_names.h"

namespace {

using vxtest::operator<<;

struct FoldersCase {
    const char *label;
    const char *locale;
    std::vector<std::string> folders;
};

const FoldersCase kFolders[] = {
    {"utf8_as_lang_spells_it", "fr_FR.UTF-8", {"fr_FR.UTF-8", "fr_FR.utf8", "fr_FR", "fr"}},
    {"utf8_as_locale_a_spells_it", "fr_FR.utf8", {"fr_FR.utf8", "fr_FR.UTF-8", "fr_FR", "fr"}},
    {"other_codeset_with_modifier",
     "de_DE.ISO-8859-1@euro",
     {"de_DE.ISO-8859-1@euro", "de_DE.iso88591@euro", "de_DE", "de"}},
    {"territory_without_codeset", "pt_BR", {"pt_BR", "pt"}},
    {"language_alone", "fr", {"fr"}},
    {"c_locale", "C", {"C"}},
    {"c_utf8", "C.UTF-8", {"C.UTF-8", "C.utf8", "C"}},
    {"none", "", {}},
    {"a_slash_could_leave_the_folder", "../../etc", {}},
    {"dots_could_leave_the_folder", "..", {}},
};

class LocaleFolders : public testing::TestWithParam<FoldersCase> {};

TEST_P(LocaleFolders, ClosestFirst) { EXPECT_EQ(vx_catalog::locale_folders(GetParam().locale), GetParam().folders); }

INSTANTIATE_TEST_SUITE_P(CatalogFile, LocaleFolders, testing::ValuesIn(kFolders), vxtest::RowName());

TEST(CatalogFile, PathsLieUnderTheProgramsLocaleFolder) {
    EXPECT_EQ(vx_catalog::installed_paths("/opt/vexar/bin/", "../share/locale", "fr_FR.utf8", "vexar_bin"),
              (std::vector<std::string>{"/opt/vexar/bin/../share/locale/fr_FR.utf8/LC_MESSAGES/vexar_bin",
                                        "/opt/vexar/bin/../share/locale/fr_FR.UTF-8/LC_MESSAGES/vexar_bin",
                                        "/opt/vexar/bin/../share/locale/fr_FR/LC_MESSAGES/vexar_bin",
                                        "/opt/vexar/bin/../share/locale/fr/LC_MESSAGES/vexar_bin"}));
    EXPECT_TRUE(vx_catalog::installed_paths("", "../share/locale", "fr", "vexar_bin").empty())
        << "no program folder, no path: the working folder is never searched";
}

}  // namespace
