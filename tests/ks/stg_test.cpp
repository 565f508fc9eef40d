// Storage areas: alignment, the cap, reuse after a reset, the heap area.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <vector>

#include "libzornaks.h"

namespace {

struct AreaDeleter {
    void operator()(stg_area_t *area) const { stg_area_release(area); }
};
using Area = std::unique_ptr<stg_area_t, AreaDeleter>;

Area make_area() { return Area(stg_area_create()); }

bool aligned(const void *block) { return reinterpret_cast<uintptr_t>(block) % 16 == 0; }

TEST(StorageArea, BlocksAreAlignedDistinctAndKeepTheirContents) {
    // Sizes around the chunk boundaries and the own-chunk threshold.
    const size_t sizes[] = {0, 1, 7, 15, 16, 17, 33, 1000, 1025, 4095, 4096, 5000, 100000, 3, 0};
    Area area = make_area();
    std::vector<std::pair<unsigned char *, size_t>> blocks;
    unsigned char fill = 1;
    for (size_t size : sizes) {
        SCOPED_TRACE(size);
        auto *block = static_cast<unsigned char *>(stg_alloc(area.get(), size));
        ASSERT_NE(block, nullptr);
        EXPECT_TRUE(aligned(block));
        std::memset(block, fill, size);
        blocks.emplace_back(block, size);
        ++fill;
    }
    std::set<unsigned char *> distinct;
    fill = 1;
    for (auto [block, size] : blocks) {
        EXPECT_TRUE(distinct.insert(block).second) << "block handed out twice";
        for (size_t i = 0; i < size; ++i) ASSERT_EQ(block[i], fill) << "block of " << size << " overwritten";
        ++fill;
    }
}

TEST(StorageArea, CountsBytesInWholeAlignedBlocks) {
    struct Case {
        size_t request;
        size_t counted;
    };
    const Case cases[] = {{0, 16}, {1, 16}, {16, 16}, {17, 32}, {100, 112}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.request);
        Area area = make_area();
        ASSERT_NE(stg_alloc(area.get(), c.request), nullptr);
        EXPECT_EQ(stg_area_bytes_used(area.get()), c.counted);
    }
}

TEST(StorageArea, RefusesBlocksPastTheCapAndImpossibleSizes) {
    Area area = make_area();
    stg_area_set_limit(area.get(), 64);
    EXPECT_NE(stg_alloc(area.get(), 32), nullptr);
    EXPECT_NE(stg_alloc(area.get(), 32), nullptr);
    EXPECT_EQ(stg_alloc(area.get(), 1), nullptr);
    EXPECT_EQ(stg_alloc(area.get(), 0), nullptr);
    EXPECT_EQ(stg_area_strdup(area.get(), "x"), nullptr);
    EXPECT_EQ(stg_area_bytes_used(area.get()), 64u);

    stg_area_set_limit(area.get(), 0);  // no cap again
    EXPECT_NE(stg_alloc(area.get(), 1), nullptr);
    for (size_t huge : {SIZE_MAX, SIZE_MAX - 8, SIZE_MAX / 2 + 1}) EXPECT_EQ(stg_alloc(area.get(), huge), nullptr);
}

// The owner of an area learns that a block was refused, whatever its caller made of it,
// until the area is reset.
TEST(StorageArea, RemembersRunningOutUntilReset) {
    Area area = make_area();
    EXPECT_EQ(stg_area_ran_out(area.get()), 0);
    stg_area_set_limit(area.get(), 32);
    EXPECT_NE(stg_alloc(area.get(), 32), nullptr);
    EXPECT_EQ(stg_area_ran_out(area.get()), 0) << "a block up to the cap is no refusal";
    EXPECT_EQ(stg_alloc(area.get(), 1), nullptr);
    EXPECT_EQ(stg_area_ran_out(area.get()), 1);
    stg_area_reset(area.get());
    EXPECT_EQ(stg_area_ran_out(area.get()), 0);
    EXPECT_EQ(stg_alloc(area.get(), SIZE_MAX), nullptr);
    EXPECT_EQ(stg_area_ran_out(area.get()), 1);
    EXPECT_EQ(stg_area_ran_out(STG_HEAP_AREA), 0);
    EXPECT_EQ(stg_area_ran_out(nullptr), 0);
}

TEST(StorageArea, ResetKeepsTheLargestChunkForTheNextUse) {
    Area area = make_area();
    void *small = stg_alloc(area.get(), 64);
    void *large = stg_alloc(area.get(), 1 << 20);  // a chunk of its own, the largest
    ASSERT_NE(small, nullptr);
    ASSERT_NE(large, nullptr);
    stg_area_reset(area.get());
    EXPECT_EQ(stg_area_bytes_used(area.get()), 0u);
    // The kept chunk serves the next command from its start.
    EXPECT_EQ(stg_alloc(area.get(), 1 << 20), large);

    stg_area_reset(area.get());
    void *first = stg_alloc(area.get(), 100);
    void *second = stg_alloc(area.get(), 100);
    EXPECT_EQ(first, large);
    EXPECT_EQ(static_cast<char *>(second), static_cast<char *>(first) + 112);
}

TEST(StorageArea, StrdupCopiesIntoTheArea) {
    Area area = make_area();
    const char *texts[] = {"", "vob:/x", "with\nnewline"};
    for (const char *text : texts) {
        char *copy = stg_area_strdup(area.get(), text);
        ASSERT_NE(copy, nullptr);
        EXPECT_NE(copy, text);
        EXPECT_STREQ(copy, text);
    }
    EXPECT_EQ(stg_area_strdup(area.get(), nullptr), nullptr);
}

TEST(StorageArea, HeapAreaHandsOutBlocksAndIgnoresAreaCalls) {
    void *block = stg_alloc(STG_HEAP_AREA, 0);
    EXPECT_NE(block, nullptr);
    char *copy = stg_area_strdup(STG_HEAP_AREA, "heap");
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy, "heap");
    stg_area_set_limit(STG_HEAP_AREA, 1);
    void *past_limit = stg_alloc(STG_HEAP_AREA, 100);
    EXPECT_NE(past_limit, nullptr);
    stg_area_reset(STG_HEAP_AREA);
    stg_area_release(STG_HEAP_AREA);
    EXPECT_EQ(stg_area_bytes_used(STG_HEAP_AREA), 0u);
    // Blocks of the heap area stay alive whatever is done to the area.
    EXPECT_STREQ(copy, "heap");
    EXPECT_EQ(stg_alloc(nullptr, 1), nullptr);
}

}  // namespace
