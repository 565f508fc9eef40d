// The catalogs of the components' own texts (the tool's, the message facility's, the
// parser's, the shared command syntax's): the
// English catalog built from each table says exactly what the table says, under the
// catalog name and set the translators are told; and a translation of such a text is
// printed only when it takes the same arguments and ends a line where the text does.

#include <gtest/gtest.h>
#include <nl_types.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "cmdsyn_texts.h"
#include "ks_texts.h"
#include "libzornaks.h"
#include "nls/scratch_catalog.h"
#include "vexar_messages.h"

namespace {

namespace fs = std::filesystem;

struct ComponentCatalog {
    const char *label;
    const msg_table_t *(*table)();
    const char *catalog_name;
    uint16_t set_number;
    const char *english_file;  // the catalog the build compiled from the table
};

const ComponentCatalog kComponents[] = {
    {"tool", vexar::tool_texts, "vexar_tool", 60, VX_TOOL_CATALOG_FILE},
    {"message_facility", zornaks::imsg_texts, "zornaks_imsg", 61, VX_IMSG_CATALOG_FILE},
    {"parser", zornaks::clp_texts, "zornaks_clp", 62, VX_CLP_CATALOG_FILE},
    {"shared_command_syntax", zornacmdsyn::texts, "zornacmdsyn", 63, VX_CMDSYN_CATALOG_FILE},
};

class ComponentCatalogs : public testing::TestWithParam<ComponentCatalog> {};

TEST_P(ComponentCatalogs, NameAndSetAreTheDocumentedOnesAndNumbersUnique) {
    const msg_table_t *table = GetParam().table();
    EXPECT_STREQ(table->catalog_name, GetParam().catalog_name);
    EXPECT_EQ(table->set_number, GetParam().set_number);
    ASSERT_NE(table->numbers, nullptr);
    std::set<int> numbers;
    for (int index = 0; index < table->count; ++index) {
        EXPECT_GT(table->numbers[index], 0) << index;
        EXPECT_TRUE(numbers.insert(table->numbers[index]).second) << "number used twice: " << table->numbers[index];
    }
}

TEST_P(ComponentCatalogs, EnglishCatalogHoldsEveryTextOfTheTableByItsNumber) {
    const msg_table_t *table = GetParam().table();
    const nl_catd catalog = catopen(GetParam().english_file, 0);
    ASSERT_NE(catalog, reinterpret_cast<nl_catd>(-1)) << GetParam().english_file;
    constexpr const char *kAbsent = "(absent)";
    for (int index = 0; index < table->count; ++index) {
        SCOPED_TRACE("index " + std::to_string(index) + ", number " + std::to_string(table->numbers[index]));
        EXPECT_STREQ(catgets(catalog, table->set_number, table->numbers[index], kAbsent), table->texts[index]);
    }
    EXPECT_STREQ(catgets(catalog, table->set_number, table->count + 1, kAbsent), kAbsent) << "no text past the table";
    EXPECT_STREQ(catgets(catalog, 58, 1, kAbsent), kAbsent) << "only its own set";
    catclose(catalog);
}

INSTANTIATE_TEST_SUITE_P(Nls, ComponentCatalogs, testing::ValuesIn(kComponents),
                         [](const auto &info) { return std::string(info.param.label); });

// ---- Translations of the components' texts ----------------------------------------

struct ComponentTranslation {
    const char *label;
    const msg_table_t *(*table)();
    int index;
    const char *translated;  // gencat's escapes
    const char *printed;     // with the argument "A" (for "%s") or 7 (for "%d")
};

constexpr int tool(vexar::ToolText text) { return static_cast<int>(text); }
constexpr int facility(zornaks::ImsgText text) { return static_cast<int>(text); }
constexpr int parser(zornaks::ClpText text) { return static_cast<int>(text); }
constexpr int syntax(zornacmdsyn::Text text) { return static_cast<int>(text); }

const ComponentTranslation kTranslations[] = {
    {"tool_text_replaced", vexar::tool_texts, tool(vexar::ToolText::command_not_available),
     "La commande « %s » n'existe pas encore.\\n", "La commande « A » n'existe pas encore.\n"},
    {"tool_text_other_conversion", vexar::tool_texts, tool(vexar::ToolText::command_not_available),
     "La commande %d n'existe pas encore.\\n", "Command \"A\" is not available yet.\n"},
    {"tool_text_without_final_newline", vexar::tool_texts, tool(vexar::ToolText::command_not_available),
     "La commande « %s » n'existe pas encore.", "Command \"A\" is not available yet.\n"},
    {"tool_text_with_added_newline", vexar::tool_texts, tool(vexar::ToolText::line_label), "%s : ligne %d\\n",
     "A: line 7"},
    {"facility_prefix_replaced", zornaks::imsg_texts, facility(zornaks::ImsgText::error_prefix),
     "%s : Erreur : ", "A : Erreur : "},
    {"facility_prefix_without_conversion", zornaks::imsg_texts, facility(zornaks::ImsgText::error_prefix),
     "Erreur : ", "A: Error: "},
    {"facility_prefix_with_added_newline", zornaks::imsg_texts, facility(zornaks::ImsgText::error_prefix),
     "%s : Erreur :\\n", "A: Error: "},
    {"facility_text_without_final_newline", zornaks::imsg_texts, facility(zornaks::ImsgText::malformed_verbosity),
     "VX_VERBOSITY=\\\"%s\\\" est ignore.",
     "The environment variable VX_VERBOSITY=\"A\" is not a decimal number "
     "from 0 to 2147483647; it is ignored.\n"},
    {"parser_refusal_replaced", zornaks::clp_texts, parser(zornaks::ClpText::unrecognized),
     "Option inconnue : « %s »\\n", "Option inconnue : « A »\n"},
    {"parser_refusal_reading_more", zornaks::clp_texts, parser(zornaks::ClpText::unrecognized),
     "Option inconnue : %s %s\\n", "Unrecognized option \"A\"\n"},
    {"parser_refusal_without_final_newline", zornaks::clp_texts, parser(zornaks::ClpText::unrecognized),
     "Option inconnue : %s", "Unrecognized option \"A\"\n"},
    {"syntax_text_replaced", zornacmdsyn::texts, syntax(zornacmdsyn::Text::no_help),
     "Pas d'aide pour la commande inconnue « %s ».\\n", "Pas d'aide pour la commande inconnue « A ».\n"},
    {"syntax_text_other_conversion", zornacmdsyn::texts, syntax(zornacmdsyn::Text::no_help), "Pas d'aide pour %c.\\n",
     "No help for unknown command \"A\".\n"},
    {"syntax_text_without_final_newline", zornacmdsyn::texts, syntax(zornacmdsyn::Text::no_help),
     "Pas d'aide pour « %s ».", "No help for unknown command \"A\".\n"},
};

class ComponentTranslations : public testing::TestWithParam<ComponentTranslation> {};

// The table's copy names the test's own catalog; the text is looked up by the table's
// set and the text's number, as from the catalog found by name.
TEST_P(ComponentTranslations, ReplaceOnlyWithTheSameArgumentsAndLineEnd) {
    const ComponentTranslation &c = GetParam();
    msg_table_t table = *c.table();
    const std::string path =
        vxtest::compile_catalog(c.label, "$quote \"\n$set " + std::to_string(table.set_number) + "\n" +
                                             std::to_string(table.numbers[c.index]) + " \"" + c.translated + "\"\n");
    ASSERT_FALSE(path.empty());
    table.catalog_name = path.c_str();

    testing::internal::CaptureStdout();
    if (std::string(table.texts[c.index]).find("%d") != std::string::npos)
        imsg_print(IMSG_SEV_PLAIN, &table, c.index, "A", 7);
    else
        imsg_print(IMSG_SEV_PLAIN, &table, c.index, "A");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.printed);
}

INSTANTIATE_TEST_SUITE_P(Nls, ComponentTranslations, testing::ValuesIn(kTranslations),
                         [](const auto &info) { return std::string(info.param.label); });

}  // namespace
