// syncreplica through the real parser.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "libzornavx_cmdsyn.h"
#include "support/harness.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;
using vxtest::numbered;
using vxtest::run;
using Words = std::vector<std::string>;

// The record as (field, value) pairs in record order, so that a case names only what
// it changes and every other field is checked against its default.
using Fields = std::vector<std::pair<std::string, std::string>>;

std::string text(const char *p) { return p ? "'" + std::string(p) + "'" : "null"; }
std::string num(int64_t n) { return std::to_string(n); }
std::string list(const char *const *items, int64_t count) {
    if (items == nullptr) return "null";
    std::string out = "[";
    for (int64_t i = 0; i < count; ++i) out += (i ? "," : "") + text(items[i]);
    return out + "]";
}

Fields fields(const vx_syncreplica_args_t &a) {
    return {{"record_version", num(a.prefix.record_version)},
            {"invob", text(a.invob)},
            {"mode", num(a.mode)},
            {"packet_file", text(a.packet_file)},
            {"import_items", list(a.import_items, a.import_item_count)},
            {"import_item_count", num(a.import_item_count)},
            {"replicas", list(a.replicas, a.replica_count)},
            {"replica_count", num(a.replica_count)},
            {"max_size", num(a.max_size)},
            {"ship_mode", num(a.ship_mode)},
            {"force_ship", num(a.force_ship)},
            {"notify", text(a.notify)},
            {"sclass", text(a.sclass)},
            {"pexpire", text(a.pexpire)},
            {"nincarnation", num(a.nincarnation)},
            {"limit", num(a.limit)},
            {"oprange", list(a.oprange, a.oprange_count)},
            {"oprange_count", num(a.oprange_count)},
            {"compress", num(a.compress)},
            {"evlist_count", num(a.evlist_count)},
            {"evlist", list(a.evlist, a.evlist_count)},
            {"verbose", num(a.verbose)},
            {"endrange", num(a.endrange)},
            {"server_enable_ate_messages", num(a.server_enable_ate_messages)},
            {"ndelete", num(a.ndelete)},
            {"server_ignore_epoch_row_cache", num(a.server_ignore_epoch_row_cache)},
            {"allow_imp_from_deleted_rep", num(a.allow_imp_from_deleted_rep)},
            {"diagnose", num(a.diagnose)},
            {"comment", text(a.comment.comment)},
            {"comment_file", text(a.comment.comment_file)},
            {"comment_kind", num(a.comment.comment_kind)},
            {"comment_reserved", num(a.comment.comment_reserved)}};
}

Fields with(const Fields &changes) {
    vx_syncreplica_args_t a{};
    a.prefix.record_version = 4;
    a.max_size = -1;
    Fields out = fields(a);
    for (const auto &[name, value] : changes) {
        auto at = std::find_if(out.begin(), out.end(), [&](const auto &f) { return f.first == name; });
        if (at == out.end()) {
            ADD_FAILURE() << "no field " << name;
        } else {
            at->second = value;
        }
    }
    return out;
}

Words operator+(Words a, const Words &b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
Fields operator+(Fields a, const Fields &b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The smallest accepted line of each form, and what it sets.
const Words kExport = {"-export", "-out", "p"};
const Fields kExportSet = {{"mode", "1"}, {"ship_mode", "1"}, {"packet_file", "'p'"}};
const Fields kOneReplica = {{"replicas", "['r1']"}, {"replica_count", "1"}};
const Words kImport = {"-import"};
const Fields kOneItem = {{"mode", "2"}, {"import_items", "['pk']"}, {"import_item_count", "1"}};

struct Accepted {
    const char *name;
    Words words;
    Fields changes;
};

class SyncreplicaAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(SyncreplicaAccepts, HandsOverTheRecord) {
    const Accepted &c = GetParam();
    const auto r = run(vx_cmdsyn_syncreplica, c.words);
    ASSERT_EQ(r.status, 0) << testing::PrintToString(r.msgs);
    EXPECT_TRUE(r.msgs.empty()) << testing::PrintToString(r.msgs);
    ASSERT_EQ(r.command, "syncreplica");
    const auto rec = vxtest::record<vx_syncreplica_args_t>();
    EXPECT_EQ(rec.prefix.area, vxtest::last_area());
    EXPECT_EQ(fields(rec), with(c.changes));
}

std::string quoted_list(const Words &words) {
    std::string out = "[";
    for (size_t i = 0; i < words.size(); ++i) out += (i ? "," : "") + text(words[i].c_str());
    return out + "]";
}

INSTANTIATE_TEST_SUITE_P(
    Export, SyncreplicaAccepts,
    testing::Values(
        Accepted{"out_two_replicas", kExport + Words{"r1", "r2"},
                 kExportSet + Fields{{"replicas", "['r1','r2']"}, {"replica_count", "2"}}},
        Accepted{"three_hundred_replicas", kExport + numbered("r", 300),
                 kExportSet + Fields{{"replicas", quoted_list(numbered("r", 300))}, {"replica_count", "300"}}},
        Accepted{
            "ship_with_details",
            {"-exp", "-shi", "-scl", "s", "-pex", "d", "-not", "n", "r1"},
            kOneReplica +
                Fields{{"mode", "1"}, {"ship_mode", "2"}, {"sclass", "'s'"}, {"pexpire", "'d'"}, {"notify", "'n'"}}},
        Accepted{"fship",
                 {"-export", "-fship", "r1"},
                 kOneReplica + Fields{{"mode", "1"}, {"ship_mode", "2"}, {"force_ship", "1"}}},
        Accepted{"limit_with_size", kExport + Words{"-maxsize", "1m", "-limit", "3", "r1"},
                 kExportSet + kOneReplica + Fields{{"max_size", "1048576"}, {"limit", "3"}}},
        Accepted{"later_limit_stands", kExport + Words{"-max", "10", "-lim", "5", "-limit", "+7", "r1"},
                 kExportSet + kOneReplica + Fields{{"max_size", "10"}, {"limit", "7"}}},
        Accepted{"oprange_as_typed", kExport + Words{"-oprange", "r1=5:9,r2=:20", "r1"},
                 kExportSet + kOneReplica + Fields{{"oprange", "['r1=5:9','r2=:20']"}, {"oprange_count", "2"}}},
        Accepted{"repeated_oprange_replaces", kExport + Words{"-opr", "a=1,b=2,c=3", "-oprange", "d=4", "r1"},
                 kExportSet + kOneReplica + Fields{{"oprange", "['d=4']"}, {"oprange_count", "1"}}},
        Accepted{"export_only_and_either_form_flags",
                 kExport + Words{"-compress", "-endrange", "-verbose", "-server_enable_ate_messages", "-evlist",
                                 "A=1,B=x=y", "-cqe", "r1"},
                 kExportSet + kOneReplica +
                     Fields{{"compress", "1"},
                            {"endrange", "1"},
                            {"verbose", "1"},
                            {"server_enable_ate_messages", "1"},
                            {"evlist_count", "2"},
                            {"evlist", "['A=1','B=x=y']"},
                            {"comment_kind", "4"}}},
        Accepted{"repeated_evlist_replaces", kExport + Words{"-evlist", "A=1,B=2", "-evlist", "C=", "r1"},
                 kExportSet + kOneReplica + Fields{{"evlist_count", "1"}, {"evlist", "['C=']"}}}),
    vxtest::RowName());

INSTANTIATE_TEST_SUITE_P(
    Import, SyncreplicaAccepts,
    testing::Values(
        Accepted{"packets_and_staging_areas",
                 {"-import", "pk", "/stage"},
                 {{"mode", "2"}, {"import_items", "['pk','/stage']"}, {"import_item_count", "2"}}},
        Accepted{"receive_with_sclass",
                 {"-imp", "-rec", "-scl", "s"},
                 {{"mode", "2"}, {"ship_mode", "3"}, {"sclass", "'s'"}}},
        Accepted{
            "unchecked_import_flags",
            kImport + Words{"-nincarnation", "-ndelete", "-diagnose", "-limit", "4", "-verbose", "pk"},
            kOneItem +
                Fields{{"nincarnation", "1"}, {"ndelete", "1"}, {"diagnose", "1"}, {"limit", "4"}, {"verbose", "1"}}},
        Accepted{
            "deleted_replica_with_invob",
            kImport + Words{"-allow_imp_from_deleted_rep", "-invob", "v", "-server_ignore_epoch_row_cache", "pk"},
            kOneItem +
                Fields{{"allow_imp_from_deleted_rep", "1"}, {"invob", "'v'"}, {"server_ignore_epoch_row_cache", "1"}}},
        Accepted{
            "evlist_and_comment", kImport + Words{"-evlist", "X=1", "-c", "why", "pk"},
            kOneItem +
                Fields{{"evlist_count", "1"}, {"evlist", "['X=1']"}, {"comment", "'why'"}, {"comment_kind", "5"}}}),
    vxtest::RowName());

struct Refused {
    const char *name;
    Words words;
    std::vector<std::string> msgs;  // before the usage
};

class SyncreplicaRefuses : public testing::TestWithParam<Refused> {};

TEST_P(SyncreplicaRefuses, PrintsAndFails) {
    const Refused &c = GetParam();
    const auto r = run(vx_cmdsyn_syncreplica, c.words);
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    // After any failure both parts of the usage follow, as usage.
    std::vector<std::string> expected = c.msgs;
    expected.insert(expected.end(), {"U144", "U145"});
    EXPECT_EQ(r.msgs, expected);
    EXPECT_EQ(r.command, "");
}

INSTANTIATE_TEST_SUITE_P(
    FlagLoop, SyncreplicaRefuses,
    testing::Values(
        // Deferred: every missing value and failed conversion is reported, then the usage
        // (each flag's own message: see the scripted line with every value missing).
        Refused{"out_missing", {"-export", "-out"}, {"E10"}}, Refused{"maxsize_missing", {"-maxsize"}, {"E42"}},
        Refused{"maxsize_invalid", kExport + Words{"-maxsize", "1x", "r1"}, {"E49(1x)"}},
        Refused{"comment_missing", {"-c"}, {"Etbs101"}},
        Refused{"deferred_accumulate", {"-maxsize", "bad", "-pexpire"}, {"E49(bad)", "E29"}},
        // A failed -limit conversion leaves an earlier limit in place: no message 138.
        Refused{"limit_not_a_number_after_a_limit", {"-limit", "5", "-limit", "abc"}, {"Etbs98(abc)"}},
        Refused{"maxsize_not_converted_after_error", {"-limit", "5", "-limit", "x", "-maxsize", "bad"}, {"Etbs98(x)"}},
        // Immediate: the loop stops, later flags are not read.
        Refused{"limit_missing", {"-maxsize", "bad", "-limit"}, {"E49(bad)", "E64"}},
        Refused{"limit_zero_stops_loop", {"-limit", "0", "-notify"}, {"E138"}},
        Refused{"limit_negative", {"-limit", "-3"}, {"E138"}},
        Refused{"limit_not_a_number", {"-limit", "abc", "-notify"}, {"Etbs98(abc)", "E138"}},
        Refused{"oprange_without_element", {"-oprange", ",", "-notify"}, {"E141"}},
        Refused{"oprange_last", {"-oprange"}, {"E141"}},
        Refused{"evlist_without_element", {"-evlist", ",,", "-notify"}, {"E87"}},
        Refused{"evlist_entry_without_equals", {"-evlist", "A=1,B", "-notify"}, {"E88"}},
        Refused{"repeated_evlist_tested_again", {"-evlist", "A=1", "-evlist", "B"}, {"E88"}}),
    vxtest::RowName());

INSTANTIATE_TEST_SUITE_P(
    Checks, SyncreplicaRefuses,
    testing::Values(
        Refused{"nothing_at_all", {}, {"E8"}},
        Refused{"mode_before_epoch_cache", {"-server_ignore_epoch_row_cache", "r1"}, {"E8"}},
        Refused{"import_maxsize", kImport + Words{"-maxsize", "1", "pk"}, {"E9"}},
        Refused{"import_out", kImport + Words{"-out", "p", "pk"}, {"E9"}},
        Refused{"import_ship", kImport + Words{"-ship", "pk"}, {"E9"}},
        Refused{"import_fship", kImport + Words{"-fship", "pk"}, {"E9"}},
        Refused{"import_compress", kImport + Words{"-compress", "pk"}, {"E9"}},
        Refused{"import_deleted_replica_without_invob", kImport + Words{"-allow_imp_from_deleted_rep", "pk"}, {"E9"}},
        Refused{"import_endrange", kImport + Words{"-endrange", "pk"}, {"E9"}},
        Refused{"import_oprange", kImport + Words{"-oprange", "a=1", "pk"}, {"E9"}},
        Refused{"import_sclass_without_receive", kImport + Words{"-sclass", "s", "pk"}, {"E9"}},
        Refused{"import_receive_notify", kImport + Words{"-receive", "-notify", "n"}, {"E9"}},
        Refused{"import_receive_pexpire", kImport + Words{"-receive", "-pexpire", "d"}, {"E9"}},
        // The checks come before the operands.
        Refused{"import_check_before_operand_test", kImport + Words{"-receive", "-notify", "n", "stray"}, {"E9"}},
        Refused{"export_without_ship_mode", {"-export", "-invob", "v", "r1"}, {"E30"}},
        Refused{"export_limit_without_maxsize", kExport + Words{"-limit", "3", "r1"}, {"E9"}},
        Refused{"export_limit_with_oprange",
                kExport + Words{"-maxsize", "1k", "-limit", "3", "-oprange", "a=1", "r1"},
                {"E9"}},
        Refused{"export_receive", {"-export", "-receive", "r1"}, {"E9"}},
        Refused{"export_nincarnation", kExport + Words{"-nincarnation", "r1"}, {"E9"}},
        Refused{"export_invob", kExport + Words{"-invob", "v", "r1"}, {"E9"}},
        Refused{"export_ndelete", kExport + Words{"-ndelete", "r1"}, {"E9"}},
        Refused{"export_deleted_replica", kExport + Words{"-allow_imp_from_deleted_rep", "r1"}, {"E9"}},
        Refused{"export_diagnose", kExport + Words{"-diagnose", "r1"}, {"E9"}},
        Refused{"export_epoch_cache", kExport + Words{"-server_ignore_epoch_row_cache", "r1"}, {"E9"}},
        Refused{"export_out_notify", kExport + Words{"-notify", "n", "r1"}, {"E9"}},
        Refused{"export_out_sclass", kExport + Words{"-sclass", "s", "r1"}, {"E9"}}),
    vxtest::RowName());

INSTANTIATE_TEST_SUITE_P(
    Operands, SyncreplicaRefuses,
    testing::Values(Refused{"import_nothing_to_import", kImport, {"E13"}},
                    Refused{"import_receive_then_operand", kImport + Words{"-receive", "r1", "r2"}, {"Etbs99(r1)"}},
                    // Message 14, not 11, when no replica follows.
                    Refused{"export_no_replica", kExport, {"E14"}}),
    vxtest::RowName());

}  // namespace
