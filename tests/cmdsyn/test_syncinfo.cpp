// syncinfo through the real parser.

#include <gtest/gtest.h>

#include "libzornavx_cmdsyn.h"
#include "support/harness.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;
using vxtest::run;
using vxtest::str;
using vxtest::texts;

struct Accepted {
    const char *name;
    std::vector<std::string> words;
    const char *host;
    const char *replica;
    const char *start_scan;
    const char *end_scan;
    const char *scan_direction_text;
    const char *states;
    int32_t mode;
    const char *sibling;
    const char *user;
    int32_t me;
    int32_t last;
    const char *last_value;
    std::vector<std::string> jobs;
};

class SyncinfoAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(SyncinfoAccepts, HandsOverTheRecord) {
    const Accepted &c = GetParam();
    const auto r = run(vx_cmdsyn_syncinfo, c.words);
    ASSERT_EQ(r.status, 0) << testing::PrintToString(r.msgs);
    EXPECT_TRUE(r.msgs.empty()) << testing::PrintToString(r.msgs);
    ASSERT_EQ(r.command, "syncinfo");
    const auto rec = vxtest::record<vx_syncinfo_args_t>();
    EXPECT_EQ(rec.prefix.record_version, 0);
    EXPECT_EQ(rec.prefix.area, vxtest::last_area());
    EXPECT_EQ(str(rec.host), str(c.host));
    EXPECT_EQ(str(rec.replica), str(c.replica));
    EXPECT_EQ(str(rec.start_scan), str(c.start_scan));
    EXPECT_EQ(str(rec.end_scan), str(c.end_scan));
    EXPECT_EQ(str(rec.scan_direction_text), str(c.scan_direction_text));
    EXPECT_EQ(str(rec.states), str(c.states));
    EXPECT_EQ(rec.reserved_1, 0u);
    EXPECT_EQ(rec.reserved_2, 0u);
    EXPECT_EQ(rec.mode, c.mode);
    EXPECT_EQ(str(rec.sibling), str(c.sibling));
    EXPECT_EQ(str(rec.user), str(c.user));
    EXPECT_EQ(rec.me, c.me);
    EXPECT_EQ(rec.last, c.last);
    EXPECT_EQ(str(rec.last_value), str(c.last_value));
    EXPECT_EQ(rec.job_count, static_cast<int32_t>(c.jobs.size()));
    EXPECT_EQ(texts(rec.jobs, rec.job_count), c.jobs);
    if (c.jobs.empty()) {
        EXPECT_EQ(rec.jobs, nullptr);
    }
}

std::vector<std::string> with_job_flag(std::vector<std::string> ids) {
    std::string list;
    for (const auto &id : ids) list += (list.empty() ? "" : ",") + id;
    return {"-job", list};
}

const auto kThreeHundredJobs = vxtest::numbered("j", 300);

INSTANTIATE_TEST_SUITE_P(Cases, SyncinfoAccepts,
                         testing::Values(Accepted{"nothing",
                                                  {},
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  0,
                                                  nullptr,
                                                  nullptr,
                                                  0,
                                                  0,
                                                  nullptr,
                                                  {}},
                                         Accepted{"jobs_and_host",
                                                  {"-job", "12,34", "-host", "hostA"},
                                                  "hostA",
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  0,
                                                  nullptr,
                                                  nullptr,
                                                  0,
                                                  0,
                                                  nullptr,
                                                  {"12", "34"}},
                                         // Each -job starts a new list.
                                         Accepted{"later_job_list_stands",
                                                  {"-job", "1,2,3", "-job", "4"},
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  0,
                                                  nullptr,
                                                  nullptr,
                                                  0,
                                                  0,
                                                  nullptr,
                                                  {"4"}},
                                         Accepted{"empty_parts_skipped",
                                                  {"-job", ",5,,6,"},
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  0,
                                                  nullptr,
                                                  nullptr,
                                                  0,
                                                  0,
                                                  nullptr,
                                                  {"5", "6"}},
                                         Accepted{"three_hundred_jobs", with_job_flag(kThreeHundredJobs), nullptr,
                                                  nullptr, nullptr, nullptr, nullptr, nullptr, 0, nullptr, nullptr, 0,
                                                  0, nullptr, kThreeHundredJobs},
                                         Accepted{"states_stay_whole",
                                                  {"-replica", "r", "-sibling", "s", "-state", "active,failed", "-me"},
                                                  nullptr,
                                                  "r",
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  "active,failed",
                                                  0,
                                                  "s",
                                                  nullptr,
                                                  1,
                                                  0,
                                                  nullptr,
                                                  {}},
                                         Accepted{"scan_direction_unchecked",
                                                  {"-scan_direction", "sideways"},
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  "sideways",
                                                  nullptr,
                                                  0,
                                                  nullptr,
                                                  nullptr,
                                                  0,
                                                  0,
                                                  nullptr,
                                                  {}},
                                         Accepted{"last_without_value",
                                                  {"-last"},
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  0,
                                                  nullptr,
                                                  nullptr,
                                                  0,
                                                  1,
                                                  nullptr,
                                                  {}},
                                         Accepted{"last_with_value",
                                                  {"-la", "5", "-export"},
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  1,
                                                  nullptr,
                                                  nullptr,
                                                  0,
                                                  1,
                                                  "5",
                                                  {}},
                                         // The second -last has no value: it clears the first one's.
                                         Accepted{"last_twice_second_bare",
                                                  {"-last", "5", "-last"},
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  0,
                                                  nullptr,
                                                  nullptr,
                                                  0,
                                                  1,
                                                  nullptr,
                                                  {}},
                                         Accepted{"uuid_records_nothing",
                                                  {"-uuid"},
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  0,
                                                  nullptr,
                                                  nullptr,
                                                  0,
                                                  0,
                                                  nullptr,
                                                  {}},
                                         // -uuid reads no value of its own: the word after it is read as a flag.
                                         Accepted{"uuid_reads_no_value",
                                                  {"-uui", "-host", "h"},
                                                  "h",
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  nullptr,
                                                  0,
                                                  nullptr,
                                                  nullptr,
                                                  0,
                                                  0,
                                                  nullptr,
                                                  {}},
                                         Accepted{"every_filter",
                                                  {"-rep", "r", "-imp", "-use", "u", "-start", "d1", "-end", "d2",
                                                   "-scan_dir", "backward", "-sta", "pending"},
                                                  nullptr,
                                                  "r",
                                                  "d1",
                                                  "d2",
                                                  "backward",
                                                  "pending",
                                                  2,
                                                  nullptr,
                                                  "u",
                                                  0,
                                                  0,
                                                  nullptr,
                                                  {}}),
                         vxtest::RowName());

struct Refused {
    const char *name;
    std::vector<std::string> words;
    std::vector<std::string> msgs;
};

class SyncinfoRefuses : public testing::TestWithParam<Refused> {};

TEST_P(SyncinfoRefuses, PrintsAndFails) {
    const Refused &c = GetParam();
    const auto r = run(vx_cmdsyn_syncinfo, c.words);
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.msgs, c.msgs);
    EXPECT_EQ(r.command, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SyncinfoRefuses,
    testing::Values(
        // Missing values of its own flags (the filters' shared ones: test_report_filters).
        Refused{"user_last", {"-user"}, {"E81", "U80"}}, Refused{"state_last", {"-state"}, {"E83", "U80"}},
        Refused{"missing_value_before_checks", {"-job", "1", "-export", "-sibling"}, {"E43", "U80"}},
        // -job without a job identity fails at once.
        Refused{"job_last", {"-job"}, {"E76", "U80"}},
        Refused{"job_of_commas", {"-job", ",,", "-host", "h"}, {"E76", "U80"}},
        // ... before a later missing value could be noticed.
        Refused{"job_empty_stops_the_loop", {"-job", ",", "-replica"}, {"E76", "U80"}},
        // -last without its value is a filter too (the filter rule: test_report_filters).
        Refused{"job_last_flag", {"-job", "12", "-last"}, {"E101", "U80"}},
        // -uuid reads no value: the word after it is an extra operand.
        Refused{"uuid_then_operand", {"-uuid", "u1"}, {"Etbs99(u1)", "U80"}}),
    vxtest::RowName());

}  // namespace
