// Message catalogs in the message facility: the English catalog built from the
// library's table says exactly what the table says, and a catalog's text stands in for
// a built-in text only when it takes the same arguments. Each case compiles a catalog
// of its own with gencat and names it by its path, so that no case sees another's.

#include <gtest/gtest.h>
#include <nl_types.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "libzornaks.h"
#include "libzornavx_cmdsyn.h"
#include "msg/vx_cmdsyn_msg.h"
#include "nls/scratch_catalog.h"
#include "support/captured_output.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;

namespace fs = std::filesystem;

using vxtest::compile_catalog;
using vxtest::scratch;

using vxtest::capture_output;
using vxtest::Output;

// ---- The English catalog ----------------------------------------------------------

TEST(EnglishCatalog, HoldsEveryMessageOfTheTableByItsNumber) {
    const msg_table_t *table = _vx_cmdsyn_vexar_msg_table_adr();
    ASSERT_EQ(table->count, VX_MSG_COUNT);
    ASSERT_EQ(table->set_number, VX_MSG_SET);
    const nl_catd catalog = catopen(VX_CATALOG_FILE, 0);
    ASSERT_NE(catalog, reinterpret_cast<nl_catd>(-1)) << VX_CATALOG_FILE;
    constexpr const char *kAbsent = "(absent)";
    for (int index = 0; index < table->count; ++index) {
        SCOPED_TRACE("index " + std::to_string(index) + ", number " + std::to_string(table->numbers[index]));
        EXPECT_STREQ(catgets(catalog, table->set_number, table->numbers[index], kAbsent), table->texts[index]);
    }
    // Numbers the table leaves out stay out of the catalog.
    for (int number : {13, 26, 190}) EXPECT_STREQ(catgets(catalog, table->set_number, number, kAbsent), kAbsent);
    EXPECT_STREQ(catgets(catalog, table->set_number + 1, 1, kAbsent), kAbsent) << "only set 58";
    catclose(catalog);
}

TEST(EnglishCatalog, PrintsWhatTheBuiltInTablePrints) {
    msg_table_t through_catalog = *_vx_cmdsyn_vexar_msg_table_adr();
    through_catalog.catalog_name = VX_CATALOG_FILE;
    for (int index : {MSG_UNRECOGNIZED_COMMAND, MSG_INVALID_REPLICA_SPEC, MSG_PATH_NOT_ABSOLUTE, MSG_USAGE_LSPACKET}) {
        SCOPED_TRACE(index);
        const Output built_in =
            capture_output([&] { imsg_print(IMSG_SEV_PLAIN, _vx_cmdsyn_vexar_msg_table_adr(), index, "w"); });
        const Output from_catalog = capture_output([&] { imsg_print(IMSG_SEV_PLAIN, &through_catalog, index, "w"); });
        EXPECT_EQ(from_catalog.out, built_in.out);
        EXPECT_FALSE(built_in.out.empty());
    }
}

// ---- Which texts a catalog may replace ------------------------------------------

struct TranslationCase {
    const char *label;
    const char *built_in;    // message 1 of the table (external number 7)
    const char *translated;  // message 7 of set 58 in the catalog
    const char *printed;     // what imsg_print prints, with the arguments of print_case
};

// A catalog text is printed only when it names exactly the arguments the built-in text
// names (anything else would read arguments that are not there, or write through %n),
// and ends a line where the built-in text does.
const TranslationCase kTranslations[] = {
    {"plain_text_replaced", "Password required.\n", "Mot de passe requis.\n", "Mot de passe requis.\n"},
    {"same_string_argument", "Unrecognized command: \"%s\"\n", "Commande inconnue : « %s »\n",
     "Commande inconnue : « A »\n"},
    {"percent_sign_takes_nothing", "Unknown \"%s\"\n", "100%% inconnu : %s\n", "100% inconnu : A\n"},
    {"flags_and_short_width_allowed", "Name %s\n", "Nom %-6s|\n", "Nom A     |\n"},
    {"same_kind_other_letter", "Count %d\n", "Nombre %i\n", "Nombre 42\n"},
    {"two_in_the_same_order", "%s then %s\n", "%s puis %s\n", "A puis B\n"},
    {"write_through_n", "Unrecognized command: \"%s\"\n", "%s%s%n", "Unrecognized command: \"A\"\n"},
    {"added_conversion", "Unknown \"%s\"\n", "%s %s\n", "Unknown \"A\"\n"},
    {"dropped_conversion", "Unknown \"%s\"\n", "Inconnu\n", "Unknown \"A\"\n"},
    {"conversion_in_a_plain_text", "Password required.\n", "Mot de passe %s\n", "Password required.\n"},
    {"number_for_string", "Unknown \"%s\"\n", "Inconnu %d\n", "Unknown \"A\"\n"},
    {"pointer_for_string", "Unknown \"%s\"\n", "Inconnu %p\n", "Unknown \"A\"\n"},
    {"signed_for_unsigned", "Count %u\n", "Nombre %d\n", "Count 42\n"},
    {"longer_argument", "Count %d\n", "Nombre %ld\n", "Count 42\n"},
    {"star_width_takes_an_argument", "Name %s\n", "Nom %*s\n", "Name A\n"},
    {"star_precision_takes_an_argument", "Name %s\n", "Nom %.*s\n", "Name A\n"},
    {"numbered_argument", "Name %s\n", "Nom %1$s\n", "Name A\n"},
    {"huge_width", "Name %s\n", "Nom %99999999s\n", "Name A\n"},
    {"huge_precision", "Name %s\n", "Nom %.99999s\n", "Name A\n"},
    {"lone_percent_at_end", "Password required.\n", "Mot de passe requis %", "Password required.\n"},
    {"unknown_conversion", "Name %s\n", "Nom %y\n", "Name A\n"},
    {"swapped_order", "%s then %d\n", "%d puis %s\n", "A then 42\n"},
    // A text that ends a line is replaced only by one that ends it too, and the other way
    // round: the next message must not run on, nor a continued line break.
    {"final_newline_dropped", "Password required.\n", "Mot de passe requis.", "Password required.\n"},
    {"final_newline_dropped_after_argument", "Unknown \"%s\"\n", "Inconnu %s", "Unknown \"A\"\n"},
    {"final_newline_added", "Name %s", "Nom %s\n", "Name A"},
    {"newline_only_inside", "Password required.\n", "Mot de passe\nrequis", "Password required.\n"},
    {"no_final_newline_either", "Name %s", "Nom %s", "Nom A"},
};

// Prints message 1 of `table` with the arguments its built-in text takes: ("A", 42)
// for "%s then %d", (42) for a number alone, else ("A", "B").
Output print_case(const msg_table_t &table, const std::string &built_in) {
    if (built_in.find("%s then %d") != std::string::npos)
        return capture_output([&] { imsg_print(IMSG_SEV_PLAIN, &table, 1, "A", 42); });
    if (built_in.find("%d") != std::string::npos || built_in.find("%u") != std::string::npos)
        return capture_output([&] { imsg_print(IMSG_SEV_PLAIN, &table, 1, 42); });
    return capture_output([&] { imsg_print(IMSG_SEV_PLAIN, &table, 1, "A", "B"); });
}

class Translation : public testing::TestWithParam<TranslationCase> {};

TEST_P(Translation, ReplacesOnlyWithTheSameArguments) {
    const TranslationCase &c = GetParam();
    std::string escaped;
    for (const char *p = c.translated; *p != '\0'; ++p) escaped += *p == '\n' ? std::string("\\n") : std::string(1, *p);
    const std::string path = compile_catalog(c.label, "$quote \"\n$set 58\n7 \"" + escaped + "\"\n");

    const char *texts[] = {"Other message.\n", c.built_in};
    const uint16_t numbers[] = {3, 7};
    const msg_table_t table = {path.c_str(), "test", 58, 2, texts, numbers};
    const Output printed = print_case(table, c.built_in);
    EXPECT_EQ(printed.out, c.printed);
    EXPECT_EQ(printed.err, "");
}

INSTANTIATE_TEST_SUITE_P(Nls, Translation, testing::ValuesIn(kTranslations), vxtest::RowName());

// ---- Looking up -----------------------------------------------------------------

class CatalogLookup : public testing::Test {
  protected:
    void TearDown() override { imsg_set_program_name(nullptr); }
};

TEST_F(CatalogLookup, ByExternalNumberAndSetNotByIndex) {
    const std::string path = compile_catalog("numbers",
                                             "$quote \"\n$set 58\n3 \"number three\\n\"\n"
                                             "$set 59\n7 \"set 59 number seven\\n\"\n");
    const char *texts[] = {"first\n", "second\n"};
    const uint16_t numbers[] = {3, 7};
    const msg_table_t table = {path.c_str(), "test", 58, 2, texts, numbers};
    EXPECT_EQ(capture_output([&] { imsg_print(IMSG_SEV_PLAIN, &table, 0); }).out, "number three\n");
    EXPECT_EQ(capture_output([&] { imsg_print(IMSG_SEV_PLAIN, &table, 1); }).out, "second\n")
        << "number 7 of another set is not this table's";
}

TEST_F(CatalogLookup, TranslatedTextKeepsSeverityStreamAndPrefix) {
    const std::string path = compile_catalog("streams", "$quote \"\n$set 58\n1 \"Inconnu : %s\\nligne deux\\n\"\n");
    const char *texts[] = {"Unknown: %s\nline two\n"};
    const uint16_t numbers[] = {1};
    const msg_table_t table = {path.c_str(), "test", 58, 1, texts, numbers};
    imsg_set_program_name("vexar");
    const Output error = capture_output([&] { imsg_print(IMSG_SEV_ERROR, &table, 0, "x"); });
    EXPECT_EQ(error.out, "");
    EXPECT_EQ(error.err, "vexar: Error: Inconnu : x\nligne deux\n");
    const Output usage = capture_output([&] { imsg_print(IMSG_SEV_USAGE, &table, 0, "x"); });
    EXPECT_EQ(usage.err, "Inconnu : x\nligne deux\n") << "no prefix outside errors";
    const Output plain = capture_output([&] { imsg_print(IMSG_SEV_PLAIN, &table, 0, "x"); });
    EXPECT_EQ(plain.out, "Inconnu : x\nligne deux\n");
}

TEST_F(CatalogLookup, SharedMessagesAreTranslatedButNeverFormatted) {
    const std::string path = compile_catalog("shared",
                                             "$quote \"\n$set 12\n1 \"Plus de memoire.\\n\"\n"
                                             "2 \"Bad %s%n\\n\"\n");
    const char *texts[] = {"Out of memory.\n", "Not in use.\n"};
    const uint16_t numbers[] = {1, 2};
    const msg_table_t table = {path.c_str(), "tbs", 12, 2, texts, numbers};
    EXPECT_EQ(capture_output([&] { imsg_print_shared(IMSG_SEV_ERROR, "vx_cmdsyn", &table, 0); }).err,
              "Plus de memoire.\n");
    EXPECT_EQ(capture_output([&] { imsg_print_shared(IMSG_SEV_ERROR, "vx_cmdsyn", &table, 1); }).err, "Not in use.\n");
}

TEST_F(CatalogLookup, WithoutCatalogTheBuiltInTextIsPrinted) {
    const char *texts[] = {"Unknown: %s\n"};
    const uint16_t numbers[] = {1};
    const std::string missing = (scratch() / "no_such_catalog.cat").string();
    for (const msg_table_t &table : {msg_table_t{missing.c_str(), "test", 58, 1, texts, numbers},
                                     msg_table_t{"vx_no_such_catalog", "test", 58, 1, texts, numbers},
                                     msg_table_t{nullptr, "test", 58, 1, texts, numbers},
                                     msg_table_t{missing.c_str(), "test", 58, 1, texts, nullptr}}) {
        EXPECT_EQ(capture_output([&] { imsg_print(IMSG_SEV_PLAIN, &table, 0, "x"); }).out, "Unknown: x\n");
    }
}

// Threads that look up the same catalog at once each print whole, translated messages.
TEST_F(CatalogLookup, ThreadsShareOneOpenCatalog) {
    const std::string path = compile_catalog("threads", "$quote \"\n$set 58\n1 \"fil %d\\n\"\n");
    const char *texts[] = {"thread %d\n"};
    const uint16_t numbers[] = {1};
    const msg_table_t table = {path.c_str(), "test", 58, 1, texts, numbers};
    constexpr int kThreads = 8;
    constexpr int kEach = 200;
    const Output o = capture_output([&] {
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t)
            threads.emplace_back([&table, t] {
                for (int i = 0; i < kEach; ++i) imsg_print(IMSG_SEV_PLAIN, &table, 0, t);
            });
        for (std::thread &thread : threads) thread.join();
        std::fflush(stdout);
    });
    for (int t = 0; t < kThreads; ++t) {
        const std::string line = "fil " + std::to_string(t) + "\n";
        int count = 0;
        for (std::size_t at = o.out.find(line); at != std::string::npos; at = o.out.find(line, at + 1)) ++count;
        EXPECT_EQ(count, kEach) << line;
    }
    EXPECT_EQ(o.out.size(), static_cast<std::size_t>(kThreads * kEach) * std::string("fil 0\n").size());
}

}  // namespace
