// The filter groups the status reports share, through the real parser, once for
// shipinfo, syncinfo and perfinfo: the values they require, the filter rule that keeps
// a job apart from every filter, the -sibling rule, the order of the checks, and the
// groups the parser keeps apart.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "libzornavx_cmdsyn.h"
#include "support/harness.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;
using vxtest::run;
using Words = std::vector<std::string>;
using Msgs = std::vector<std::string>;

Words operator+(Words a, const Words &b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Report {
    const char *name;
    cmd_syntax_routine_t routine;
    Words base;           // what every line of it needs besides the filters
    std::string usage;    // its usage after an error
    bool takes_jobs;      // -job, kept apart from every filter
    bool scan_direction;  // -scan_direction, a filter too
    std::vector<Words> own_filters;
};

const Report kShipinfo = {
    "shipinfo", vx_cmdsyn_shipinfo, {}, "U103", true, true, {{"-sclass", "c"}, {"-filetype", "other"}}};
const Report kSyncinfo = {"syncinfo",
                          vx_cmdsyn_syncinfo,
                          {},
                          "U80",
                          true,
                          true,
                          {{"-user", "u"}, {"-me"}, {"-last", "5"}, {"-state", "active"}}};
const Report kPerfinfo = {"perfinfo", vx_cmdsyn_perfinfo, {"-granularity", "days"}, "U107", false, false, {}};
const Report kReports[] = {kShipinfo, kSyncinfo, kPerfinfo};

// The filters all three reports take.
const std::vector<Words> kSharedFilters = {
    {"-replica", "r"}, {"-export"}, {"-import"}, {"-startscan", "d"}, {"-endscan", "d"}};

// The value flags all three share, each with its required-value message.
const struct {
    const char *flag;
    const char *missing;
} kSharedValues[] = {
    {"-replica", "E43"}, {"-host", "E37"}, {"-sibling", "E43"}, {"-startscan", "E50"}, {"-endscan", "E50"}};

struct Line {
    std::string name;
    cmd_syntax_routine_t routine;
    Words words;
    Msgs msgs;
};

std::vector<Line> refused_lines() {
    std::vector<Line> lines;
    for (const Report &report : kReports) {
        const auto add = [&](const std::string &what, const Words &words, const std::string &msg) {
            lines.push_back({std::string(report.name) + "_" + what, report.routine, words, {msg, report.usage}});
        };
        // A value flag last on the line.
        for (const auto &value : kSharedValues) add(value.flag, report.base + Words{value.flag}, value.missing);
        if (report.scan_direction) add("scan_direction", report.base + Words{"-scan_direction"}, "E82");
        // The -sibling rule: it needs -replica; -host does not stand in.
        add("sibling_alone", report.base + Words{"-sibling", "s"}, "E96");
        add("sibling_with_host", Words{"-host", "h", "-sibling", "s"} + report.base, "E96");
        // Check order: the -sibling rule before extra operands, which come last.
        add("sibling_before_operand", report.base + Words{"-sibling", "s", "extra"}, "E96");
        add("extra_operand", report.base + Words{"-replica", "r", "extra"}, "Etbs99(extra)");
        if (!report.takes_jobs) continue;
        // The filter rule: a job with any filter, before or after it; -host and -sibling
        // are no filters, but -sibling still needs -replica.
        std::vector<Words> filters = kSharedFilters;
        filters.insert(filters.end(), report.own_filters.begin(), report.own_filters.end());
        if (report.scan_direction) filters.push_back({"-scan_direction", "forward"});
        for (const Words &filter : filters) {
            add("job_then_" + filter[0].substr(1), Words{"-job", "17"} + filter, "E101");
            add(filter[0].substr(1) + "_then_job", filter + Words{"-job", "17"}, "E101");
        }
        add("job_sibling", {"-job", "17", "-sibling", "s"}, "E96");
        add("filter_before_sibling", {"-job", "17", "-sibling", "s", "-export"}, "E101");
    }
    return lines;
}

class ReportFilterRefused : public testing::TestWithParam<Line> {};

TEST_P(ReportFilterRefused, PrintsAndFails) {
    const auto r = run(GetParam().routine, GetParam().words);
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.msgs, GetParam().msgs);
    EXPECT_EQ(r.command, "");
}

INSTANTIATE_TEST_SUITE_P(Cases, ReportFilterRefused, testing::ValuesIn(refused_lines()), vxtest::RowName());

// The parser keeps -replica and -host apart, and -export and -import: its message names
// both, and the routine adds only its usage.
class ReportFilterGroups : public testing::TestWithParam<Report> {};

TEST_P(ReportFilterGroups, ParserNamesBothFlags) {
    const struct {
        Words words;
        const char *first;
        const char *second;
    } groups[] = {{{"-replica", "r", "-host", "h"}, "-replica", "-host"},
                  {{"-export", "-import"}, "-export", "-import"}};
    for (const auto &group : groups) {
        const auto r = run(GetParam().routine, group.words + GetParam().base);
        EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
        EXPECT_EQ(r.command, "");
        ASSERT_EQ(vxtest::parser_folded(r.msgs), (Msgs{"parser", GetParam().usage}));
        for (const char *flag : {group.first, group.second})
            EXPECT_NE(r.msgs[0].find("\"" + std::string(flag) + "\""), std::string::npos) << r.msgs[0];
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ReportFilterGroups, testing::ValuesIn(kReports), vxtest::RowName());

}  // namespace
