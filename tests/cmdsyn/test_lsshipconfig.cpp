// lsshipconfig through the real parser.

#include <gtest/gtest.h>

#include <set>

#include "libzornavx_cmdsyn.h"
#include "support/harness.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;
using vxtest::run;
using vxtest::str;

// The list_* words of a record, by item name, in record order.
std::vector<std::pair<std::string, int32_t>> items_of(const vx_lsshipconfig_args_t &rec) {
    return {{"stgpath", rec.list_stgpath}, {"rtnpath", rec.list_rtnpath}, {"rcptpath", rec.list_rcptpath},
            {"pexpire", rec.list_pexpire}, {"route", rec.list_route},     {"admin", rec.list_admin},
            {"maxsize", rec.list_maxsize}, {"timeout", rec.list_timeout}, {"maxport", rec.list_maxport},
            {"minport", rec.list_minport}, {"notify", rec.list_notify}};
}

struct Accepted {
    const char *name;
    std::vector<std::string> words;
    const char *host;
    const char *sclass;
    std::set<std::string> items;  // the list_* words that are 1
};

class LsshipconfigAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(LsshipconfigAccepts, HandsOverTheRecord) {
    const Accepted &c = GetParam();
    const auto r = run(vx_cmdsyn_lsshipconfig, c.words);
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(r.msgs.empty()) << testing::PrintToString(r.msgs);
    ASSERT_EQ(r.command, "lsshipconfig");
    const auto rec = vxtest::record<vx_lsshipconfig_args_t>();
    EXPECT_EQ(rec.prefix.record_version, 0);
    EXPECT_EQ(rec.prefix.area, vxtest::last_area());
    EXPECT_EQ(str(rec.host), str(c.host));
    EXPECT_EQ(str(rec.sclass), str(c.sclass));
    for (const auto &[item, value] : items_of(rec)) EXPECT_EQ(value, c.items.count(item) ? 1 : 0) << item;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LsshipconfigAccepts,
    testing::Values(
        Accepted{"nothing", {}, nullptr, nullptr, {}},
        Accepted{"sclass_items", {"-sclass", "c", "-stgpath", "-pexpire"}, nullptr, "c", {"stgpath", "pexpire"}},
        Accepted{
            "sclass_after_items", {"-rtnpath", "-rcptpath", "-sclass", "c"}, nullptr, "c", {"rtnpath", "rcptpath"}},
        Accepted{"maxsize_notify", {"-maxsize", "-notify"}, nullptr, nullptr, {"maxsize", "notify"}},
        // -notify is the eleventh flag but the last word of the record.
        Accepted{"notify_alone", {"-notify"}, nullptr, nullptr, {"notify"}},
        Accepted{"ports", {"-maxport", "-minport"}, nullptr, nullptr, {"maxport", "minport"}},
        Accepted{
            "host_items", {"-host", "h", "-route", "-admin", "-timeout"}, "h", nullptr, {"route", "admin", "timeout"}},
        Accepted{"abbreviations",
                 {"-hos", "h", "-scl", "c", "-stgp", "-rtn", "-pex", "-rou", "-adm", "-time", "-not", "-maxp", "-minp"},
                 "h",
                 "c",
                 {"stgpath", "rtnpath", "pexpire", "route", "admin", "timeout", "notify", "maxport", "minport"}},
        // "-max" is -maxsize's own abbreviation, not a beginning of -maxport.
        Accepted{"max_is_maxsize", {"-max"}, nullptr, nullptr, {"maxsize"}},
        Accepted{"sclass_storing_a_flag_word", {"-sclass", "-stgpath"}, nullptr, "-stgpath", {}},
        Accepted{"sclass_sets_a_flag_word_too", {"-sclass", "-route", "-stgpath"}, nullptr, "-route", {"stgpath"}},
        Accepted{"repeated_flags", {"-route", "-route", "-host", "a", "-host", "b"}, "b", nullptr, {"route"}}),
    vxtest::RowName());

struct Refused {
    const char *name;
    std::vector<std::string> words;
    std::vector<std::string> msgs;
};

class LsshipconfigRefuses : public testing::TestWithParam<Refused> {};

TEST_P(LsshipconfigRefuses, PrintsAndFails) {
    const Refused &c = GetParam();
    const auto r = run(vx_cmdsyn_lsshipconfig, c.words);
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.msgs, c.msgs);
    EXPECT_EQ(r.command, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LsshipconfigRefuses,
    testing::Values(Refused{"stgpath_without_sclass", {"-stgpath"}, {"E28", "U120"}},
                    Refused{"rtnpath_without_sclass", {"-rtnpath"}, {"E28", "U120"}},
                    Refused{"rcptpath_without_sclass", {"-rcptpath"}, {"E28", "U120"}},
                    Refused{"pexpire_without_sclass", {"-host", "h", "-pexpire"}, {"E28", "U120"}},
                    Refused{"host_last", {"-host"}, {"E37", "U120"}},
                    Refused{"sclass_last", {"-sclass"}, {"E28", "U120"}},
                    // The storage-class check runs before the error flag is tested.
                    Refused{"sclass_item_and_missing_sclass", {"-stgpath", "-sclass"}, {"E28", "E28", "U120"}},
                    Refused{"sclass_item_and_missing_host", {"-pexpire", "-host"}, {"E37", "E28", "U120"}},
                    // A word after the flags is no longer passed over in silence.
                    Refused{"route_extra", {"-route", "extra"}, {"Etbs99(extra)", "U120"}},
                    Refused{"extra_before_flags", {"extra", "-admin"}, {"Etbs99(extra)", "U120"}},
                    Refused{"only_the_first_extra", {"x", "y"}, {"Etbs99(x)", "U120"}},
                    Refused{"extra_after_double_dash", {"--", "-route"}, {"Etbs99(-route)", "U120"}},
                    // ... and only once both checks have passed.
                    Refused{"extra_after_missing_sclass", {"-stgpath", "extra"}, {"E28", "U120"}},
                    Refused{"extra_after_missing_host", {"extra", "-host"}, {"E37", "U120"}}),
    vxtest::RowName());

}  // namespace
