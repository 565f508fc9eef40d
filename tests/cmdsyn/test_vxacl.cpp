// vxacl through the real parser.

#include <gtest/gtest.h>

#include "libzornavx_cmdsyn.h"
#include "support/harness.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;
using vxtest::run;
using vxtest::str;

struct Accepted {
    const char *name;
    std::vector<std::string> words;
    const char *host;
    int32_t acl_op;
    const char *acl_pname;
    int32_t force;
};

class VxaclAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(VxaclAccepts, HandsOverTheRecord) {
    const Accepted &c = GetParam();
    const auto r = run(vx_cmdsyn_vxacl, c.words);
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(r.msgs.empty()) << testing::PrintToString(r.msgs);
    ASSERT_EQ(r.command, "vxacl");
    const auto rec = vxtest::record<vx_vxacl_args_t>();
    EXPECT_EQ(rec.prefix.record_version, 0);
    EXPECT_EQ(rec.prefix.area, vxtest::last_area());
    EXPECT_EQ(str(rec.host), str(c.host));
    EXPECT_EQ(rec.acl_op, c.acl_op);
    EXPECT_EQ(str(rec.acl_pname), str(c.acl_pname));
    EXPECT_EQ(rec.force, c.force);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VxaclAccepts,
    testing::Values(Accepted{"get", {"-get"}, nullptr, 1, nullptr, 0},
                    Accepted{"edit", {"-edit"}, nullptr, 3, nullptr, 0},
                    Accepted{"set", {"-set", "acl.txt"}, nullptr, 2, "acl.txt", 0},
                    // -force is not tied to -set here.
                    Accepted{"force_get", {"-force", "-get"}, nullptr, 1, nullptr, 1},
                    Accepted{"everything", {"-set", "p", "-force", "-host", "h"}, "h", 2, "p", 1},
                    Accepted{"abbreviations", {"-f", "-hos", "h", "-edit"}, "h", 3, nullptr, 1},
                    Accepted{"set_takes_a_flag_word", {"-set", "-get"}, nullptr, 2, "-get", 0},
                    Accepted{"host_twice_keeps_later", {"-host", "a", "-get", "-host", "b"}, "b", 1, nullptr, 0}),
    vxtest::RowName());

struct Refused {
    const char *name;
    std::vector<std::string> words;
    std::vector<std::string> msgs;
};

class VxaclRefuses : public testing::TestWithParam<Refused> {};

TEST_P(VxaclRefuses, PrintsAndFails) {
    const Refused &c = GetParam();
    const auto r = run(vx_cmdsyn_vxacl, c.words);
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.msgs, c.msgs);
    EXPECT_EQ(r.command, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VxaclRefuses,
    testing::Values(Refused{"nothing", {}, {"E124", "U123"}}, Refused{"force_alone", {"-force"}, {"E124", "U123"}},
                    Refused{"host_alone", {"-host", "h"}, {"E124", "U123"}},
                    // The error flag is tested before the operation check.
                    Refused{"set_last", {"-set"}, {"E38", "U123"}}, Refused{"host_last", {"-host"}, {"E37", "U123"}},
                    Refused{"host_last_after_get", {"-get", "-host"}, {"E37", "U123"}},
                    Refused{"operand", {"-get", "extra"}, {"Etbs99(extra)", "U123"}},
                    Refused{"operand_first", {"x", "-edit", "y"}, {"Etbs99(x)", "U123"}},
                    // The extra-operand test comes last.
                    Refused{"operand_and_no_operation", {"extra"}, {"E124", "U123"}},
                    Refused{"operand_and_missing_host", {"extra", "-get", "-host"}, {"E37", "U123"}}),
    vxtest::RowName());

}  // namespace
