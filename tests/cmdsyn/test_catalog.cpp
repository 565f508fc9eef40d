// The message catalog: its shape, its numbering and the texts that take an argument.

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "libzornavx_cmdsyn.h"
#include "msg/vx_cmdsyn_msg.h"

namespace {

const msg_table_t &cat() { return *_vx_cmdsyn_vexar_msg_table_adr(); }

TEST(Catalog, IdentifiesItself) {
    EXPECT_STREQ(cat().catalog_name, "vexar_bin");
    EXPECT_STREQ(cat().facility_name, "vx_cmdsyn");
    EXPECT_EQ(cat().set_number, 58);
    EXPECT_EQ(cat().count, 148);
}

TEST(Catalog, NumbersRiseFromOneTo189WithFortyOneGaps) {
    std::set<int> used;
    for (int i = 0; i < cat().count; ++i) {
        if (i > 0) {
            EXPECT_LT(cat().numbers[i - 1], cat().numbers[i]) << "index " << i;
        }
        used.insert(cat().numbers[i]);
    }
    EXPECT_EQ(cat().numbers[0], 1);
    EXPECT_EQ(cat().numbers[cat().count - 1], 189);
    int gaps = 0;
    for (int n = 1; n <= 189; ++n) gaps += used.count(n) == 0;
    EXPECT_EQ(gaps, 41);
    for (int gap : {13, 26, 27, 28}) EXPECT_EQ(used.count(gap), 0u) << gap;
}

TEST(Catalog, ExactlyTenTextsTakeOneTextArgument) {
    const std::set<int> with_argument{12, 24, 34, 36, 49, 68, 72, 79, 99, 100};
    for (int i = 0; i < cat().count; ++i) {
        const std::string text = cat().texts[i];
        int conversions = 0;
        for (size_t p = text.find('%'); p != std::string::npos; p = text.find('%', p + 2)) ++conversions;
        if (with_argument.count(i)) {
            EXPECT_EQ(conversions, 1) << i;
            EXPECT_NE(text.find("%s"), std::string::npos) << i;
        } else {
            EXPECT_EQ(conversions, 0) << i << ": " << text;
        }
    }
}

TEST(Catalog, EveryTextEndsWithANewline) {
    for (int i = 0; i < cat().count; ++i) {
        const size_t n = std::strlen(cat().texts[i]);
        ASSERT_GT(n, 0u) << i;
        EXPECT_EQ(cat().texts[i][n - 1], '\n') << i;
    }
}

TEST(Catalog, KnownTextsByIndex) {
    struct Row {
        int index;
        int number;
        const char *text;
    };
    const Row rows[] = {
        {MSG_VOB_REQUIRED, 1, "Must specify pathname to VOB object or VOB storage directory.\n"},
        {MSG_UNRECOGNIZED_COMMAND, 29, "Unrecognized command: \"%s\"\n"},
        {MSG_STRING_REQUIRED, 58, "String required.\n"},
        {MSG_USAGE_APROPOS, 59, "Usage: apropos topic ...\n"},
        {MSG_ENDRANGE_WITHOUT_LONG, 182, "Can not use -endrange without -long\n"},
        {MSG_USAGE_LSPACKET, 184, "Usage: lspacket [-long [-endrange] | -short] [pname ...]\n"},
        {MSG_USAGE_CHSETTING, 189,
         "Usage: chsetting -site [-rgy rgy-hostname -password rgy-passwd] setting-name=[value] ...\n"},
        {MSG_USAGE_VXACL, 157, "Usage: vxacl {-get | -edit | -set pname [-force]}[-host hostname] \n"},
    };
    for (const Row &r : rows) {
        EXPECT_EQ(cat().numbers[r.index], r.number) << r.index;
        EXPECT_STREQ(cat().texts[r.index], r.text) << r.index;
    }
    // The chshipconfig usage keeps its tabs.
    EXPECT_NE(std::strchr(cat().texts[MSG_USAGE_CHSHIPCONFIG], '\t'), nullptr);
}

}  // namespace
