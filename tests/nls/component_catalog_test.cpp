// The catalogs of the components' own texts (the tool's, the message facility's, the
// parser's, the shared command syntax's): the English catalog built from each table says
// exactly what the table says, under the catalog name and set the translators are told.
// (Translations of these texts are tried through the tool, in the ecosystem tests.)

#include <gtest/gtest.h>
#include <nl_types.h>

#include <set>
#include <string>

#include "cmdsyn_texts.h"
#include "dispatch/vexar_messages.h"
#include "ks_texts.h"
#include "libzornaks.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;

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

INSTANTIATE_TEST_SUITE_P(Nls, ComponentCatalogs, testing::ValuesIn(kComponents), vxtest::RowName());

}  // namespace
