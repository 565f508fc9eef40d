// shipinfo through the real parser, with the real file-type converter and a scan-direction
// converter that a test can make fail.

#include <gtest/gtest.h>

#include "fakes/capture.h"
#include "libzornatbs.h"
#include "libzornavx_cmdsyn.h"
#include "libzornavxinfobase.h"
#include "support/harness.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;
using vxtest::run;
using vxtest::str;

struct Accepted {
    const char *name;
    std::vector<std::string> words;
    const char *job;
    const char *host;
    const char *replica;
    const char *sibling;
    const char *sclass;
    int32_t mode;
    const char *start_scan;
    const char *end_scan;
    int32_t scan_direction;
    int32_t file_type;
};

class ShipinfoAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(ShipinfoAccepts, HandsOverTheRecord) {
    const Accepted &c = GetParam();
    const auto r = run(vx_cmdsyn_shipinfo, c.words);
    ASSERT_EQ(r.status, 0) << testing::PrintToString(r.msgs);
    EXPECT_TRUE(r.msgs.empty()) << testing::PrintToString(r.msgs);
    ASSERT_EQ(r.command, "shipinfo");
    const auto rec = vxtest::record<vx_shipinfo_args_t>();
    EXPECT_EQ(rec.prefix.record_version, 0);
    EXPECT_EQ(rec.prefix.area, vxtest::last_area());
    EXPECT_EQ(str(rec.job), str(c.job));
    EXPECT_EQ(str(rec.host), str(c.host));
    EXPECT_EQ(str(rec.replica), str(c.replica));
    EXPECT_EQ(str(rec.sibling), str(c.sibling));
    EXPECT_EQ(str(rec.sclass), str(c.sclass));
    EXPECT_EQ(rec.mode, c.mode);
    EXPECT_EQ(str(rec.start_scan), str(c.start_scan));
    EXPECT_EQ(str(rec.end_scan), str(c.end_scan));
    EXPECT_EQ(rec.scan_direction, c.scan_direction);
    EXPECT_EQ(rec.file_type, c.file_type);
}

constexpr int32_t kBackward = VX_SCAN_BACKWARD;
constexpr int32_t kShorder = VXINFO_FILETYPE_SHORDER;

INSTANTIATE_TEST_SUITE_P(
    Cases, ShipinfoAccepts,
    testing::Values(Accepted{"nothing", {}, nullptr, nullptr, nullptr, nullptr, nullptr, 0, nullptr, nullptr, 0, 0},
                    Accepted{"job_and_host",
                             {"-job", "17", "-host", "hostA"},
                             "17",
                             "hostA",
                             nullptr,
                             nullptr,
                             nullptr,
                             0,
                             nullptr,
                             nullptr,
                             0,
                             0},
                    // -job is a plain value: a comma does not split it.
                    Accepted{"job_keeps_commas",
                             {"-job", "12,34"},
                             "12,34",
                             nullptr,
                             nullptr,
                             nullptr,
                             nullptr,
                             0,
                             nullptr,
                             nullptr,
                             0,
                             0},
                    Accepted{"both_conversions",
                             {"-filetype", "shorder", "-scan_direction", "backward"},
                             nullptr,
                             nullptr,
                             nullptr,
                             nullptr,
                             nullptr,
                             0,
                             nullptr,
                             nullptr,
                             kBackward,
                             kShorder},
                    Accepted{"every_filter",
                             {"-rep", "r", "-sib", "s", "-imp", "-scl", "c", "-file", "rkupdate", "-start", "d1",
                              "-end", "d2", "-scan_dir", "forward"},
                             nullptr,
                             nullptr,
                             "r",
                             "s",
                             "c",
                             2,
                             "d1",
                             "d2",
                             VX_SCAN_FORWARD,
                             VXINFO_FILETYPE_RKUPDATE},
                    Accepted{"host_filter",
                             {"-host", "h", "-export"},
                             nullptr,
                             "h",
                             nullptr,
                             nullptr,
                             nullptr,
                             1,
                             nullptr,
                             nullptr,
                             0,
                             0},
                    Accepted{"later_conversion_stands",
                             {"-filetype", "other", "-filetype", "rkcreate"},
                             nullptr,
                             nullptr,
                             nullptr,
                             nullptr,
                             nullptr,
                             0,
                             nullptr,
                             nullptr,
                             0,
                             VXINFO_FILETYPE_RKCREATE},
                    Accepted{"value_takes_a_flag_word",
                             {"-sclass", "-job"},
                             nullptr,
                             nullptr,
                             nullptr,
                             nullptr,
                             "-job",
                             0,
                             nullptr,
                             nullptr,
                             0,
                             0}),
    vxtest::RowName());

struct Refused {
    const char *name;
    std::vector<std::string> words;
    std::vector<std::string> msgs;
};

class ShipinfoRefuses : public testing::TestWithParam<Refused> {};

TEST_P(ShipinfoRefuses, PrintsAndFails) {
    const Refused &c = GetParam();
    const auto r = run(vx_cmdsyn_shipinfo, c.words);
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.msgs, c.msgs);
    EXPECT_EQ(r.command, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShipinfoRefuses,
    testing::Values(
        // Missing values of its own flags (the filters' shared ones: test_report_filters).
        Refused{"job_last", {"-job"}, {"E76", "U103"}}, Refused{"filetype_last", {"-filetype"}, {"E104", "U103"}},
        Refused{"sclass_last", {"-sclass"}, {"E28", "U103"}},
        // A missing value is reported before the combination checks are made.
        Refused{"missing_value_before_checks", {"-job", "1", "-sibling", "s", "-export", "-sclass"}, {"E28", "U103"}},
        // A keyword no converter knows: the usage at once, parsing goes on, 1001 after.
        Refused{"unknown_scan_direction", {"-scan_direction", "sideways"}, {"U103"}},
        Refused{"unknown_filetype", {"-filetype", "zip"}, {"U103"}},
        Refused{"unknown_then_known", {"-scan_direction", "sideways", "-filetype", "shorder"}, {"U103"}},
        Refused{"known_then_unknown", {"-filetype", "shorder", "-scan_direction", "up"}, {"U103"}},
        Refused{"both_unknown", {"-scan_direction", "up", "-filetype", "zip"}, {"U103", "U103"}},
        // ... and a missing value after it brings the usage once more.
        Refused{"unknown_then_missing", {"-filetype", "zip", "-replica"}, {"U103", "E43", "U103"}},
        // The refused keyword ends the routine before the later checks.
        Refused{"unknown_hides_checks", {"-job", "17", "-filetype", "zip", "extra"}, {"U103"}}),
    vxtest::RowName());

// Converter failures of its own: the routine returns the converter's status at once.
struct ConverterFailure {
    const char *name;
    std::vector<std::string> words;
    bool tracing;
    std::vector<std::string> msgs;  // besides the trace line
};

class ShipinfoConverterFails : public testing::TestWithParam<ConverterFailure> {};

constexpr int32_t kOwnFailure = 4711;

TEST_P(ShipinfoConverterFails, ReturnsItsStatusAtOnce) {
    const ConverterFailure &c = GetParam();
    vxtest::force_scan_direction_status(kOwnFailure);
    vxtest::set_tracing(c.tracing);
    const auto r = run(vx_cmdsyn_shipinfo, c.words);
    vxtest::set_tracing(false);
    vxtest::force_scan_direction_status(0);
    EXPECT_EQ(r.status, kOwnFailure);
    EXPECT_EQ(r.command, "");
    std::vector<std::string> expected = c.msgs;
    if (c.tracing)
        expected.push_back(std::string("Rfmt:vx_cmdsyn_shipinfo:137: operation 'vx_cmd_utl_str_to_scan_direction' "
                                       "failed: ") +
                           tbs_strerror(kOwnFailure) + ".");
    EXPECT_EQ(r.msgs, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShipinfoConverterFails,
    testing::Values(ConverterFailure{"tracing_off", {"-scan_direction", "forward"}, false, {}},
                    ConverterFailure{"tracing_on", {"-scan_direction", "forward"}, true, {}},
                    // Later flags are not read: the missing -sclass value goes unreported.
                    ConverterFailure{"later_flags_unread", {"-scan_direction", "forward", "-sclass"}, false, {}},
                    // Nor does a refused keyword earlier on turn it into a syntax failure.
                    ConverterFailure{
                        "after_a_refused_keyword", {"-filetype", "zip", "-scan_direction", "forward"}, true, {"U103"}}),
    vxtest::RowName());

TEST(Shipinfo, NotAKeywordIsASyntaxFailureAlsoFromTheConverterSwitch) {
    vxtest::force_scan_direction_status(1002);
    vxtest::set_tracing(true);
    const auto r = run(vx_cmdsyn_shipinfo, {"-scan_direction", "forward"});
    vxtest::set_tracing(false);
    vxtest::force_scan_direction_status(0);
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.msgs, std::vector<std::string>{"U103"}) << "no trace line for 1002";
}

}  // namespace
