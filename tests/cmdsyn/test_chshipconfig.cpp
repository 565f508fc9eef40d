// chshipconfig: whatever it is given, it returns 0, prints nothing and runs no command.

#include <gtest/gtest.h>

#include "libzornavx_cmdsyn.h"
#include "support/harness.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;

struct Call {
    const char *name;
    std::vector<std::string> words;
    uint32_t dispatch_flags;
};

class Chshipconfig : public testing::TestWithParam<Call> {};

TEST_P(Chshipconfig, ReturnsZeroSilently) {
    const Call &c = GetParam();
    vxtest::set_command_status(1001);  // would show if anything were handed on
    testing::internal::CaptureStdout();
    const auto r = vxtest::run(vx_cmdsyn_chshipconfig, c.words, c.dispatch_flags);
    const std::string out = testing::internal::GetCapturedStdout();
    vxtest::set_command_status(0);
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.msgs.empty()) << testing::PrintToString(r.msgs);
    EXPECT_EQ(r.command, "");
    EXPECT_EQ(out, "");
}

INSTANTIATE_TEST_SUITE_P(Cases, Chshipconfig,
                         testing::Values(Call{"nothing", {}, 0}, Call{"usage_request", {}, 2},
                                         Call{"usage_request_bit_1", {}, 1},
                                         Call{"its_old_flags", {"-sclass", "c", "-new", "-stgpath", "/p"}, 0},
                                         Call{"flags_it_never_had", {"-bogus", "-long", "-long"}, 0},
                                         Call{"a_missing_value", {"-sclass"}, 0},
                                         Call{"operands", {"a", "b", "--", "-c"}, 0}),
                         vxtest::RowName());

TEST(ChshipconfigArguments, NeedsNeitherParserNorArea) {
    vxtest::clear_messages();
    testing::internal::CaptureStdout();
    EXPECT_EQ(vx_cmdsyn_chshipconfig(nullptr, STG_HEAP_AREA, 0), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << "not even the heap-area warning";
    EXPECT_EQ(vx_cmdsyn_chshipconfig(nullptr, nullptr, 0xffffffffu), 0);
    EXPECT_TRUE(vxtest::messages().empty());
}

}  // namespace
