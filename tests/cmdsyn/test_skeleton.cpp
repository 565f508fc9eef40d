// The skeleton's shared pieces: list growth, the heap-area warning, the comment group.

#include <gtest/gtest.h>

#include "libzornavx_cmdsyn.h"
#include "skeleton.h"
#include "support/harness.h"

namespace {

TEST(OperandList, BlocksGrowFrom32To288ThenDouble) {
    std::vector<int32_t> sizes;
    int32_t capacity = 0;
    for (int i = 0; i < 6; ++i) sizes.push_back(capacity = vx::list_capacity_after_growth(capacity));
    EXPECT_EQ(sizes, (std::vector<int32_t>{32, 288, 576, 1152, 2304, 4608}));
}

TEST(OperandList, AreaUseStaysLinearInTheOperandCount) {
    // 100 000 operands with the old growth by 256 would leave ~150 MB of dead blocks.
    const auto r = vxtest::run(vx_cmdsyn_lspacket, vxtest::numbered("p", 100000));
    ASSERT_EQ(r.status, 0);
    const auto rec = vxtest::record<vx_lspacket_args_t>();
    ASSERT_EQ(rec.packet_count, 100000);
    EXPECT_STREQ(rec.packets[99999], "p100000");
    EXPECT_LT(stg_area_bytes_used(vxtest::last_area()), 16u * 1024 * 1024);
}

TEST(OperandList, AnAreaThatCannotSupplyABlockFailsWithoutUsage) {
    // The parser keeps its own area; the routine's area can hand out nothing.
    stg_area_t *words_area = stg_area_create();
    stg_area_t *area = stg_area_create();
    const char *words[] = {"p1", "p2"};
    clp_parser_t *parser = clp_parser_create(words_area, 2, words);
    stg_area_set_limit(area, 1);
    vxtest::clear_messages();
    vxtest::captured() = {};
    EXPECT_EQ(vx_cmdsyn_lspacket(parser, area, 0), CMD_SYNTAX_ERROR);
    EXPECT_EQ(vxtest::summary(vxtest::messages()), std::vector<std::string>{"Eshared:vx_cmdsyn:tbs39"});
    EXPECT_EQ(vxtest::captured().command, "");
    stg_area_release(area);
    stg_area_release(words_area);
}

TEST(RecordPrefix, HeapAreaDrawsTheWarningAndTheCommandStillRuns) {
    const char *words[] = {"-long", "p1"};
    stg_area_t *words_area = stg_area_create();
    clp_parser_t *parser = clp_parser_create(words_area, 2, words);
    testing::internal::CaptureStdout();
    const int32_t status = vx_cmdsyn_lspacket(parser, STG_HEAP_AREA, 0);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(status, 0);
    EXPECT_EQ(out, "*** Only a non-heap AREA may be passed to CMD_INIT_ARGS_PREFIX.\n");
    const auto rec = vxtest::record<vx_lspacket_args_t>();
    EXPECT_EQ(rec.prefix.area, STG_HEAP_AREA);
    EXPECT_EQ(rec.packet_count, 1);
    stg_area_release(words_area);
}

}  // namespace
