// familysyncstatus through the real parser.

#include <gtest/gtest.h>

#include "libzornavx_cmdsyn.h"
#include "support/harness.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;
using vxtest::numbered;
using vxtest::run;
using vxtest::str;
using vxtest::texts;

struct Accepted {
    const char *name;
    std::vector<std::string> words;
    int32_t report_kind;
    const char *time_units;
    int32_t long_form;
    int32_t window_kind;
    const char *window;
    const char *region;
    std::vector<std::string> vobs;
};

class FamilysyncstatusAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(FamilysyncstatusAccepts, HandsOverTheRecord) {
    const Accepted &c = GetParam();
    const auto r = run(vx_cmdsyn_familysyncstatus, c.words);
    ASSERT_EQ(r.status, 0) << testing::PrintToString(r.msgs);
    EXPECT_TRUE(r.msgs.empty()) << testing::PrintToString(r.msgs);
    ASSERT_EQ(r.command, "familysyncstatus");
    const auto rec = vxtest::record<vx_familysyncstatus_args_t>();
    EXPECT_EQ(rec.prefix.record_version, 0);
    EXPECT_EQ(rec.prefix.area, vxtest::last_area());
    EXPECT_EQ(rec.report_kind, c.report_kind);
    EXPECT_EQ(str(rec.time_units), str(c.time_units));
    EXPECT_EQ(rec.long_form, c.long_form);
    EXPECT_EQ(rec.window_kind, c.window_kind);
    EXPECT_EQ(str(rec.window), str(c.window));
    EXPECT_EQ(str(rec.region), str(c.region));
    EXPECT_EQ(rec.vob_count, c.vobs.size());
    EXPECT_EQ(texts(rec.vobs, static_cast<int32_t>(rec.vob_count)), c.vobs);
    if (c.vobs.empty()) {
        EXPECT_EQ(rec.vobs, nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FamilysyncstatusAccepts,
    testing::Values(
        // -summary
        Accepted{"summary", {"-summary"}, 1, nullptr, 0, 0, nullptr, nullptr, {}},
        Accepted{"summary_region", {"-sum", "-region", "r"}, 1, nullptr, 0, 0, nullptr, "r", {}},
        // A -time_units with nothing after it leaves the field NULL, so no rule sees it.
        Accepted{
            "summary_time_units_without_value", {"-summary", "-time_units"}, 1, nullptr, 0, 0, nullptr, nullptr, {}},
        // -health
        Accepted{"health", {"-health", "vobA"}, 2, nullptr, 0, 0, nullptr, nullptr, {"vobA"}},
        Accepted{"health_region_after_operands",
                 {"vobA", "vobB", "-heal", "-reg", "r"},
                 2,
                 nullptr,
                 0,
                 0,
                 nullptr,
                 "r",
                 {"vobA", "vobB"}},
        // -epochdiff
        Accepted{"epochdiff_everything",
                 {"-epochdiff", "-time_units", "minutes", "-long", "-region", "r", "vobA", "vobB"},
                 3,
                 "minutes",
                 1,
                 0,
                 nullptr,
                 "r",
                 {"vobA", "vobB"}},
        Accepted{"epochdiff_unknown_time_units_passed_on",
                 {"-epo", "-time", "fortnights", "v"},
                 3,
                 "fortnights",
                 0,
                 0,
                 nullptr,
                 nullptr,
                 {"v"}},
        Accepted{"epochdiff_later_time_units_stands",
                 {"-epochdiff", "-time_units", "hours", "-time_units", "days", "v"},
                 3,
                 "days",
                 0,
                 0,
                 nullptr,
                 nullptr,
                 {"v"}},
        // A value that may be absent still takes the next word, whatever it looks like.
        Accepted{"time_units_takes_a_flag_word",
                 {"-epochdiff", "-time_units", "-long", "v"},
                 3,
                 "-long",
                 0,
                 0,
                 nullptr,
                 nullptr,
                 {"v"}},
        Accepted{"epochdiff_time_units_without_value",
                 {"-epochdiff", "v", "-l", "-time_units"},
                 3,
                 nullptr,
                 1,
                 0,
                 nullptr,
                 nullptr,
                 {"v"}},
        // -generate
        Accepted{"generate_alone", {"-generate"}, 4, nullptr, 0, 0, nullptr, nullptr, {}},
        Accepted{"generate_sync_window", {"-generate", "-sync_window", "48"}, 4, nullptr, 0, 1, "48", nullptr, {}},
        Accepted{"generate_since", {"-gen", "-since", "d", "vobA"}, 4, nullptr, 0, 0, "d", nullptr, {"vobA"}},
        Accepted{
            "generate_time_units_without_value", {"-generate", "-time_units"}, 4, nullptr, 0, 0, nullptr, nullptr, {}},
        Accepted{
            "double_dash_makes_operands", {"-health", "--", "-long"}, 2, nullptr, 0, 0, nullptr, nullptr, {"-long"}},
        Accepted{"three_hundred_vobs",
                 [] {
                     auto w = numbered("v", 300);
                     w.insert(w.begin(), "-generate");
                     return w;
                 }(),
                 4, nullptr, 0, 0, nullptr, nullptr, numbered("v", 300)}),
    vxtest::RowName());

struct Refused {
    const char *name;
    std::vector<std::string> words;
    std::vector<std::string> msgs;
};

class FamilysyncstatusRefuses : public testing::TestWithParam<Refused> {};

TEST_P(FamilysyncstatusRefuses, PrintsAndFails) {
    const Refused &c = GetParam();
    const auto r = run(vx_cmdsyn_familysyncstatus, c.words);
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.msgs, c.msgs);
    EXPECT_EQ(r.command, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FamilysyncstatusRefuses,
    testing::Values(Refused{"nothing", {}, {"E74", "U73"}},
                    Refused{"no_report_kind", {"-long", "-region", "r", "vobA"}, {"E74", "U73"}},
                    // The compatibility table, one refused flag at a time.
                    Refused{"summary_long", {"-summary", "-long"}, {"E9", "U73"}},
                    Refused{"summary_since", {"-summary", "-since", "d"}, {"E9", "U73"}},
                    Refused{"summary_sync_window", {"-summary", "-sync_window", "24"}, {"E9", "U73"}},
                    Refused{"summary_time_units", {"-summary", "-time_units", "hours"}, {"E9", "U73"}},
                    Refused{"summary_operand", {"-summary", "vobA"}, {"Etbs99(vobA)", "U73"}},
                    Refused{"health_long", {"-health", "-long", "vobA"}, {"E9", "U73"}},
                    Refused{"health_time_units", {"-health", "-time_units", "days", "vobA"}, {"E9", "U73"}},
                    Refused{"health_since", {"-health", "-since", "d", "vobA"}, {"E9", "U73"}},
                    Refused{"health_no_operand", {"-health", "-region", "r"}, {"E0", "U73"}},
                    Refused{"epochdiff_sync_window", {"-epochdiff", "-sync_window", "24", "vobA"}, {"E9", "U73"}},
                    Refused{"epochdiff_since", {"-epochdiff", "-since", "d", "vobA"}, {"E9", "U73"}},
                    Refused{"epochdiff_no_operand", {"-epochdiff", "-long"}, {"E0", "U73"}},
                    Refused{"generate_region", {"-generate", "-region", "r"}, {"E9", "U73"}},
                    Refused{"generate_long", {"-generate", "-long", "vobA"}, {"E9", "U73"}},
                    Refused{"generate_time_units", {"-generate", "-time_units", "hours"}, {"E9", "U73"}},
                    // Check order: a refused flag is named before the operands are looked at.
                    Refused{"summary_long_and_operand", {"-summary", "-long", "vobA"}, {"E9", "U73"}},
                    Refused{"health_long_and_no_operand", {"-health", "-long"}, {"E9", "U73"}},
                    // Missing values: reported, then the usage once; the error flag comes first.
                    Refused{"region_last", {"-region"}, {"E47", "U73"}},
                    Refused{"health_region_last", {"-health", "-region"}, {"E47", "U73"}},
                    Refused{"summary_since_last", {"-summary", "-since"}, {"E50", "U73"}},
                    Refused{"generate_sync_window_last", {"-generate", "-sync_window"}, {"E121", "U73"}},
                    Refused{"missing_value_after_operand", {"-generate", "vobA", "-since"}, {"E50", "U73"}}),
    vxtest::RowName());

}  // namespace
