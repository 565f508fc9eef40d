// The word converters of the shipping, info and command execution stand-ins.

#include <gtest/gtest.h>

#include <cstdint>

#include "libzornashp.h"
#include "libzornavx_cmd.h"
#include "libzornavxinfobase.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;

constexpr int32_t kUntouched = -7;

struct SizeCase {
    const char *text;
    bool valid;
    int32_t size;
};

class SizeTest : public testing::TestWithParam<SizeCase> {};

TEST_P(SizeTest, ConvertsOrRefusesWithoutTouchingTheResult) {
    const SizeCase &c = GetParam();
    int32_t size = kUntouched;
    const int rc = shp_strtosize(c.text, 0, &size);
    if (c.valid) {
        EXPECT_EQ(rc, 0);
        EXPECT_EQ(size, c.size);
    } else {
        EXPECT_NE(rc, 0);
        EXPECT_EQ(size, kUntouched);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, SizeTest,
                         testing::Values(SizeCase{"0", true, 0}, SizeCase{"1000", true, 1000}, SizeCase{"007", true, 7},
                                         SizeCase{"2147483647", true, INT32_MAX}, SizeCase{"1k", true, 1024},
                                         SizeCase{"1K", true, 1024}, SizeCase{"3M", true, 3 * 1048576},
                                         SizeCase{"3m", true, 3 * 1048576}, SizeCase{"1g", true, 1073741824},
                                         SizeCase{"1G", true, 1073741824}, SizeCase{"0k", true, 0},
                                         SizeCase{"2097151k", true, 2147482624}, SizeCase{"2047m", true, 2146435072},
                                         // Beyond a signed 32-bit value, with and without a suffix.
                                         SizeCase{"2147483648", false, 0}, SizeCase{"2g", false, 0},
                                         SizeCase{"2097152k", false, 0}, SizeCase{"2048M", false, 0},
                                         SizeCase{"99999999999999999999999", false, 0},
                                         SizeCase{"4294967296", false, 0},
                                         // Not a size at all.
                                         SizeCase{"", false, 0}, SizeCase{"-1", false, 0}, SizeCase{"+1", false, 0},
                                         SizeCase{"1kb", false, 0}, SizeCase{"k", false, 0}, SizeCase{"1t", false, 0},
                                         SizeCase{"1kk", false, 0}, SizeCase{" 1", false, 0}, SizeCase{"1 ", false, 0},
                                         SizeCase{"1 k", false, 0}, SizeCase{"1.5k", false, 0},
                                         SizeCase{"0x10", false, 0}, SizeCase{"bogus", false, 0}),
                         vxtest::RowName());

TEST(SizeNullTest, RefusesMissingText) {
    int32_t size = kUntouched;
    EXPECT_NE(shp_strtosize(nullptr, 0, &size), 0);
    EXPECT_EQ(size, kUntouched);
}

// Both keyword converters answer 0 and set the value, or 1002 and leave it alone.
struct KeywordCase {
    const char *text;
    int32_t rc;
    int32_t value;
};

class FileTypeTest : public testing::TestWithParam<KeywordCase> {};

TEST_P(FileTypeTest, Converts) {
    const KeywordCase &c = GetParam();
    int32_t value = kUntouched;
    EXPECT_EQ(vxinfo_str_to_ship_filetype(c.text, &value), c.rc);
    EXPECT_EQ(value, c.value);
}

INSTANTIATE_TEST_SUITE_P(FileTypes, FileTypeTest,
                         testing::Values(KeywordCase{"shorder", 0, VXINFO_FILETYPE_SHORDER},
                                         KeywordCase{"rkcreate", 0, VXINFO_FILETYPE_RKCREATE},
                                         KeywordCase{"rkupdate", 0, VXINFO_FILETYPE_RKUPDATE},
                                         KeywordCase{"other", 0, VXINFO_FILETYPE_OTHER},
                                         // Whole lower-case words only.
                                         KeywordCase{"shord", 1002, kUntouched}, KeywordCase{"Other", 1002, kUntouched},
                                         KeywordCase{"others", 1002, kUntouched}, KeywordCase{"", 1002, kUntouched},
                                         KeywordCase{" other", 1002, kUntouched},
                                         KeywordCase{nullptr, 1002, kUntouched}),
                         vxtest::RowName());

class ScanDirectionTest : public testing::TestWithParam<KeywordCase> {};

TEST_P(ScanDirectionTest, Converts) {
    const KeywordCase &c = GetParam();
    int32_t value = kUntouched;
    EXPECT_EQ(vx_cmd_utl_str_to_scan_direction(c.text, &value), c.rc);
    EXPECT_EQ(value, c.value);
}

INSTANTIATE_TEST_SUITE_P(ScanDirections, ScanDirectionTest,
                         testing::Values(KeywordCase{"forward", 0, VX_SCAN_FORWARD},
                                         KeywordCase{"backward", 0, VX_SCAN_BACKWARD},
                                         KeywordCase{"forw", 1002, kUntouched},
                                         KeywordCase{"Backward", 1002, kUntouched},
                                         KeywordCase{"backwards", 1002, kUntouched}, KeywordCase{"", 1002, kUntouched},
                                         KeywordCase{nullptr, 1002, kUntouched}),
                         vxtest::RowName());

}  // namespace
