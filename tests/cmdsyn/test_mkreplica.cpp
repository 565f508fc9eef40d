// mkreplica through the real parser.

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

// The record as (field, value) pairs in record order, so that a case names only what
// it changes and every other field is checked against its default.
using Fields = std::vector<std::pair<std::string, std::string>>;

std::string text(const char *p) { return p ? "'" + std::string(p) + "'" : "null"; }
std::string num(int32_t n) { return std::to_string(n); }
std::string list(const char *const *items, int32_t count) {
    if (items == nullptr) return "null";
    std::string out = "[";
    for (int32_t i = 0; i < count; ++i) out += (i ? "," : "") + text(items[i]);
    return out + "]";
}
std::string pairs(const vx_replica_host_pair_t *items, int32_t count) {
    if (items == nullptr) return "null";
    std::string out = "[";
    for (int32_t i = 0; i < count; ++i)
        out += (i ? "," : "") + text(items[i].hostname) + ":" + text(items[i].replica_selector);
    return out + "]";
}

Fields fields(const vx_mkreplica_args_t &a) {
    return {{"record_version", num(a.prefix.record_version)},
            {"tag", text(a.tag)},
            {"vob_stg", text(a.vob_stg)},
            {"rptype", text(a.rptype)},
            {"mode", num(a.mode)},
            {"packet_file", text(a.packet_file)},
            {"vreplica", text(a.vreplica)},
            {"targets", pairs(a.targets, a.target_count)},
            {"target_count", num(a.target_count)},
            {"search_dirs", list(a.search_dirs, a.search_dir_count)},
            {"search_dir_count", num(a.search_dir_count)},
            {"host", text(a.host)},
            {"gpath", text(a.gpath)},
            {"hpath", text(a.hpath)},
            {"mount_options", list(a.mount_options, a.mount_option_count)},
            {"mount_option_count", num(a.mount_option_count)},
            {"public_tag", num(a.public_tag)},
            {"workdir", text(a.workdir)},
            {"preserve", num(a.preserve)},
            {"nprompt", num(a.nprompt)},
            {"pooltalk", num(a.pooltalk)},
            {"max_size", num(a.max_size)},
            {"ship_mode", num(a.ship_mode)},
            {"force_ship", num(a.force_ship)},
            {"notify", text(a.notify)},
            {"sclass", text(a.sclass)},
            {"pexpire", text(a.pexpire)},
            {"password", text(a.password)},
            {"tag_comment", text(a.tag_comment)},
            {"region", text(a.region)},
            {"nca_exported", num(a.nca_exported)},
            {"ignore_prot", num(a.ignore_prot)},
            {"comment", text(a.comment.comment)},
            {"comment_file", text(a.comment.comment_file)},
            {"comment_kind", num(a.comment.comment_kind)},
            {"comment_reserved", num(static_cast<int32_t>(a.comment.comment_reserved))},
            {"stgloc", text(a.stgloc)},
            {"nremote_admin", num(a.nremote_admin)},
            {"schema", num(a.schema)},
            {"reserved_word", num(a.reserved_word)}};
}

// The record of a routine that set nothing but its defaults.
Fields defaults() {
    vx_mkreplica_args_t a{};
    a.prefix.record_version = 6;
    a.max_size = -1;
    a.schema = 2147483647;
    return fields(a);
}

Fields with(const Fields &changes) {
    Fields out = defaults();
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

// The smallest accepted line of each form, and what it sets.
const std::vector<std::string> kExport = {"-export", "-workdir", "w", "-out", "p"};
const Fields kExportSet = {{"mode", "1"}, {"workdir", "'w'"}, {"ship_mode", "1"}, {"packet_file", "'p'"}};
const std::vector<std::string> kImport = {"-import", "-workdir", "w", "-tag", "/t", "-vob", "v", "-preserve"};
const Fields kImportSet = {{"mode", "2"}, {"workdir", "'w'"}, {"tag", "'/t'"}, {"vob_stg", "'v'"}, {"preserve", "1"}};

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string> &b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
Fields operator+(Fields a, const Fields &b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Accepted {
    const char *name;
    std::vector<std::string> words;
    Fields changes;
};

class MkreplicaAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(MkreplicaAccepts, HandsOverTheRecord) {
    const Accepted &c = GetParam();
    const auto r = run(vx_cmdsyn_mkreplica, c.words);
    ASSERT_EQ(r.status, 0) << testing::PrintToString(r.msgs);
    EXPECT_TRUE(r.msgs.empty()) << testing::PrintToString(r.msgs);
    ASSERT_EQ(r.command, "mkreplica");
    const auto rec = vxtest::record<vx_mkreplica_args_t>();
    EXPECT_EQ(rec.prefix.area, vxtest::last_area());
    EXPECT_EQ(fields(rec), with(c.changes));
}

std::string many_targets(int n) {
    std::string out = "[";
    for (int i = 1; i <= n; ++i) out += (i > 1 ? "," : "") + text(("h" + std::to_string(i)).c_str()) + ":'r'";
    return out + "]";
}
std::vector<std::string> many_specs(int n) {
    std::vector<std::string> out;
    for (const std::string &h : numbered("h", n)) out.push_back(h + ":r");
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Export, MkreplicaAccepts,
    testing::Values(
        Accepted{"out_one_target", kExport + std::vector<std::string>{"hostB:rep1"},
                 kExportSet + Fields{{"targets", "['hostB':'rep1']"}, {"target_count", "1"}}},
        Accepted{"targets_in_order_split_at_first_colon",
                 kExport + std::vector<std::string>{"a:r1", ":r2", "c:", "d:r4:x"},
                 kExportSet + Fields{{"targets", "['a':'r1','':'r2','c':'','d':'r4:x']"}, {"target_count", "4"}}},
        Accepted{"thirty_three_targets", kExport + many_specs(33),
                 kExportSet + Fields{{"targets", many_targets(33)}, {"target_count", "33"}}},
        Accepted{"ship_with_shipping_details",
                 {"-exp", "-wor", "w", "-shi", "-scl", "s", "-pex", "d", "-not", "n", "h:r"},
                 {{"mode", "1"},
                  {"workdir", "'w'"},
                  {"ship_mode", "2"},
                  {"sclass", "'s'"},
                  {"pexpire", "'d'"},
                  {"notify", "'n'"},
                  {"targets", "['h':'r']"},
                  {"target_count", "1"}}},
        Accepted{"fship_forces",
                 {"-export", "-workdir", "w", "-fship", "h:r"},
                 {{"mode", "1"},
                  {"workdir", "'w'"},
                  {"ship_mode", "2"},
                  {"force_ship", "1"},
                  {"targets", "['h':'r']"},
                  {"target_count", "1"}}},
        Accepted{"hidden_and_either_form_flags",
                 kExport + std::vector<std::string>{"-rptype", "rt", "-schema", "-12", "-region", "rg", "-ncaexported",
                                                    "-ignoreprot", "-maxsize", "2k", "-cfile", "cf", "h:r"},
                 kExportSet + Fields{{"rptype", "'rt'"},
                                     {"schema", "-12"},
                                     {"region", "'rg'"},
                                     {"nca_exported", "1"},
                                     {"ignore_prot", "1"},
                                     {"max_size", "2048"},
                                     {"comment_file", "'cf'"},
                                     {"comment_kind", "1"},
                                     {"targets", "['h':'r']"},
                                     {"target_count", "1"}}},
        Accepted{"later_out_value_stands", kExport + std::vector<std::string>{"-out", "p2", "h:r"},
                 kExportSet + Fields{{"packet_file", "'p2'"}, {"targets", "['h':'r']"}, {"target_count", "1"}}},
        Accepted{"flags_after_operands",
                 {"h:r", "-export", "-out", "p", "-workdir", "w"},
                 kExportSet + Fields{{"targets", "['h':'r']"}, {"target_count", "1"}}}),
    vxtest::RowName());

INSTANTIATE_TEST_SUITE_P(
    Import, MkreplicaAccepts,
    testing::Values(
        Accepted{"packet_only", kImport + std::vector<std::string>{"pkt"},
                 kImportSet + Fields{{"packet_file", "'pkt'"}}},
        Accepted{
            "search_dirs_in_order", kImport + std::vector<std::string>{"pkt", "d1", "d2"},
            kImportSet + Fields{{"packet_file", "'pkt'"}, {"search_dirs", "['d1','d2']"}, {"search_dir_count", "2"}}},
        Accepted{"relative_vob_host_paths",
                 {"-import", "-workdir", "w", "-tag", "/t", "-vob", "rel/v", "-host", "h", "-hpath", "/hp", "-gpath",
                  "C:\\gp", "-npreserve", "pkt"},
                 {{"mode", "2"},
                  {"workdir", "'w'"},
                  {"tag", "'/t'"},
                  {"vob_stg", "'rel/v'"},
                  {"host", "'h'"},
                  {"hpath", "'/hp'"},
                  {"gpath", "'C:\\gp'"},
                  {"preserve", "2"},
                  {"packet_file", "'pkt'"}}},
        Accepted{"stgloc_auto_stored_as_typed",
                 {"-import", "-workdir", "w", "-tag", "/t", "-stgloc", "-auto", "-preserve", "pkt"},
                 {{"mode", "2"},
                  {"workdir", "'w'"},
                  {"tag", "'/t'"},
                  {"stgloc", "'-auto'"},
                  {"preserve", "1"},
                  {"packet_file", "'pkt'"}}},
        Accepted{"perms_preserve_with_nprompt",
                 {"-import", "-workdir", "w", "-tag", "/t", "-vob", "v", "-perms_preserve", "-nprompt", "pkt"},
                 {{"mode", "2"},
                  {"workdir", "'w'"},
                  {"tag", "'/t'"},
                  {"vob_stg", "'v'"},
                  {"preserve", "3"},
                  {"nprompt", "1"},
                  {"packet_file", "'pkt'"}}},
        Accepted{
            "every_import_flag",
            kImport + std::vector<std::string>{"-public",        "-password", "secret",    "-tcomment", "tc",
                                               "-nremote_admin", "-region",   "rg",        "-options",  "ro,soft",
                                               "-ignoreprot",    "-pooltalk", "-vreplica", "vr",        "-ncaexported",
                                               "-schema",        "7",         "-c",        "why",       "pkt"},
            kImportSet + Fields{{"public_tag", "1"},
                                {"password", "'secret'"},
                                {"tag_comment", "'tc'"},
                                {"nremote_admin", "1"},
                                {"region", "'rg'"},
                                {"mount_options", "['ro','soft']"},
                                {"mount_option_count", "2"},
                                {"ignore_prot", "1"},
                                {"pooltalk", "1"},
                                {"vreplica", "'vr'"},
                                {"nca_exported", "1"},
                                {"schema", "7"},
                                {"comment", "'why'"},
                                {"comment_kind", "5"},
                                {"packet_file", "'pkt'"}}},
        Accepted{"password_without_public", kImport + std::vector<std::string>{"-password", "pw", "pkt"},
                 kImportSet + Fields{{"password", "'pw'"}, {"packet_file", "'pkt'"}}},
        Accepted{
            "repeated_options_start_a_new_list",
            kImport + std::vector<std::string>{"-options", "a,b,c", "-options", "d", "pkt"},
            kImportSet + Fields{{"mount_options", "['d']"}, {"mount_option_count", "1"}, {"packet_file", "'pkt'"}}},
        Accepted{"operand_replaces_out_value", kImport + std::vector<std::string>{"-out", "x", "pkt"},
                 kImportSet + Fields{{"ship_mode", "1"}, {"packet_file", "'pkt'"}}},
        // The import form makes no check of its own on the shipping flags.
        Accepted{"ship_with_sclass", kImport + std::vector<std::string>{"-ship", "-sclass", "s", "pkt"},
                 kImportSet + Fields{{"ship_mode", "2"}, {"sclass", "'s'"}, {"packet_file", "'pkt'"}}}),
    vxtest::RowName());

struct Refused {
    const char *name;
    std::vector<std::string> words;
    std::vector<std::string> msgs;
};

class MkreplicaRefuses : public testing::TestWithParam<Refused> {};

TEST_P(MkreplicaRefuses, PrintsAndFails) {
    const Refused &c = GetParam();
    const auto r = run(vx_cmdsyn_mkreplica, c.words);
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.msgs, c.msgs);
    EXPECT_EQ(r.command, "");
}

// Lines that differ from an accepted one by one word or two.
std::vector<std::string> exp_with(std::vector<std::string> extra) {
    return kExport + extra + std::vector<std::string>{"h:r"};
}
std::vector<std::string> imp_with(std::vector<std::string> extra) {
    return kImport + extra + std::vector<std::string>{"pkt"};
}
std::vector<std::string> imp_without_preserve(std::vector<std::string> extra) {
    return std::vector<std::string>{"-import", "-workdir", "w", "-tag", "/t", "-vob", "v"} + extra +
           std::vector<std::string>{"pkt"};
}

INSTANTIATE_TEST_SUITE_P(
    FlagLoop, MkreplicaRefuses,
    testing::Values(
        // Deferred: every missing value and failed conversion is reported, then one usage
        // (each flag's own message: see the scripted line with every value missing).
        Refused{"workdir_value_missing", {"-export", "-workdir"}, {"E35", "U95"}},
        Refused{"maxsize_value_missing", {"-maxsize"}, {"E42", "U95"}},
        Refused{"maxsize_invalid", exp_with({"-maxsize", "12q"}), {"E49(12q)", "U95"}},
        Refused{"maxsize_beyond_32_bits", exp_with({"-maxsize", "4g"}), {"E49(4g)", "U95"}},
        Refused{"schema_not_a_number", exp_with({"-schema", "v2"}), {"Etbs98(v2)", "U95"}},
        // After an earlier error the size is not converted: no message 49.
        Refused{"maxsize_not_converted_after_error",
                {"-schema", "x", "-maxsize", "bad", "-tag"},
                {"Etbs98(x)", "E31", "U95"}},
        Refused{
            "maxsize_converted_before_error", {"-maxsize", "bad", "-schema", "x"}, {"E49(bad)", "Etbs98(x)", "U95"}},
        Refused{"out_value_missing", {"-export", "-workdir", "w", "-out"}, {"E10", "U95"}},
        // Immediate: the loop stops, later flags are not read.
        Refused{"schema_missing_after_deferred", {"-maxsize", "x", "-schema"}, {"E49(x)", "E139", "U95"}},
        Refused{"options_without_element_stops_loop", {"-options", ",", "-tag"}, {"E39", "U95"}},
        Refused{"options_last", {"-options"}, {"E39", "U95"}}),
    vxtest::RowName());

// A flag cut shorter than its shortest spelling is named with that spelling rather than
// taken for an unrelated flag.
TEST(Mkreplica, FlagCutTooShortNamesItsShortestSpelling) {
    const auto r = run(vx_cmdsyn_mkreplica, {"-export", "-workdir", "w", "-pa", "x"});
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.command, "");
    EXPECT_EQ(r.msgs, (std::vector<std::string>{"Efmt:\"-pa\" is too short for -password; type at least -pas", "U95"}));
}

INSTANTIATE_TEST_SUITE_P(
    Checks, MkreplicaRefuses,
    testing::Values(
        Refused{"nothing_at_all", {}, {"E35", "U95"}}, Refused{"workdir_before_mode", {"-sclass", "s"}, {"E35", "U95"}},
        Refused{"no_mode", {"-workdir", "w", "h:r"}, {"E8", "U95"}},
        Refused{"mode_before_shipping_details", {"-workdir", "w", "-sclass", "s"}, {"E8", "U95"}},
        Refused{"export_without_ship_mode", {"-export", "-workdir", "w", "-vob", "v", "h:r"}, {"E30", "U95"}},
        Refused{"export_vob_obsolete", exp_with({"-vob", "v"}), {"E72(-vob)", "U95"}},
        Refused{"export_vob_before_combination", exp_with({"-vob", "v", "-preserve"}), {"E72(-vob)", "U95"}},
        Refused{"export_preserve", exp_with({"-preserve"}), {"E9", "U95"}},
        Refused{"export_pooltalk", exp_with({"-pooltalk"}), {"E9", "U95"}},
        Refused{"export_host", exp_with({"-host", "h"}), {"E9", "U95"}},
        Refused{"export_gpath", exp_with({"-gpath", "/g"}), {"E9", "U95"}},
        Refused{"export_hpath", exp_with({"-hpath", "/h"}), {"E9", "U95"}},
        Refused{"export_options", exp_with({"-options", "ro"}), {"E9", "U95"}},
        Refused{"export_vreplica", exp_with({"-vreplica", "v"}), {"E9", "U95"}},
        Refused{"export_public", exp_with({"-public"}), {"E9", "U95"}},
        Refused{"export_tcomment", exp_with({"-tcomment", "t"}), {"E9", "U95"}},
        Refused{"export_password", exp_with({"-password", "p"}), {"E9", "U95"}},
        Refused{"export_tag", exp_with({"-tag", "/t"}), {"E9", "U95"}},
        Refused{"export_stgloc", exp_with({"-stgloc", "s"}), {"E9", "U95"}},
        Refused{"export_nremote_admin", exp_with({"-nremote_admin"}), {"E9", "U95"}},
        Refused{"export_nprompt", exp_with({"-nprompt"}), {"E9", "U95"}},
        Refused{"export_out_with_sclass", exp_with({"-sclass", "s"}), {"E9", "U95"}},
        Refused{"export_out_with_pexpire", exp_with({"-pexpire", "d"}), {"E9", "U95"}},
        Refused{"export_out_with_notify", exp_with({"-notify", "n"}), {"E9", "U95"}},
        // The checks come before the operands are read.
        Refused{"checks_before_operands", {"-export", "-workdir", "w", "-out", "p", "-public", "bad"}, {"E9", "U95"}},
        Refused{"import_without_tag", {"-import", "-workdir", "w", "-vob", "v", "-preserve", "pkt"}, {"E31", "U95"}},
        Refused{"import_tag_before_storage", {"-import", "-workdir", "w", "pkt"}, {"E31", "U95"}},
        Refused{
            "import_without_storage", {"-import", "-workdir", "w", "-tag", "/t", "-preserve", "pkt"}, {"E69", "U95"}},
        Refused{"import_rptype", imp_with({"-rptype", "rt"}), {"E9", "U95"}},
        Refused{"import_maxsize", imp_with({"-maxsize", "1"}), {"E9", "U95"}},
        Refused{"import_stgloc_with_host",
                {"-import", "-workdir", "w", "-tag", "/t", "-stgloc", "s", "-host", "h", "-preserve", "pkt"},
                {"E9", "U95"}},
        Refused{"import_stgloc_with_all_paths",
                {"-import", "-workdir", "w", "-tag", "/t", "-stgloc", "s", "-host", "h", "-hpath", "/a", "-gpath", "/b",
                 "-preserve", "pkt"},
                {"E9", "U95"}},
        Refused{"import_host_hpath_without_gpath", imp_with({"-host", "h", "-hpath", "/a"}), {"E44", "U95"}},
        Refused{"import_gpath_alone", imp_with({"-gpath", "/b"}), {"E44", "U95"}},
        Refused{"import_relative_tag",
                {"-import", "-workdir", "w", "-tag", "t", "-vob", "v", "-preserve", "pkt"},
                {"E36(t)", "U95"}},
        Refused{"import_relative_tag_before_hpath",
                {"-import", "-workdir", "w", "-tag", "t", "-vob", "v", "-host", "h", "-hpath", "hp", "-gpath", "gp",
                 "-preserve", "pkt"},
                {"E36(t)", "U95"}},
        Refused{"import_relative_hpath_before_gpath",
                imp_with({"-host", "h", "-hpath", "hp", "-gpath", "gp"}),
                {"E36(hp)", "U95"}},
        Refused{
            "import_relative_gpath", imp_with({"-host", "h", "-hpath", "/hp", "-gpath", "C:gp"}), {"E36(C:gp)", "U95"}},
        Refused{"import_paths_before_preserve", imp_without_preserve({"-host", "h"}), {"E44", "U95"}},
        Refused{"import_without_preserve", imp_without_preserve({}), {"E67", "U95"}},
        Refused{"import_preserve_before_shipping_details", imp_without_preserve({"-notify", "n"}), {"E67", "U95"}},
        Refused{"import_preserve_with_nprompt", imp_with({"-nprompt"}), {"E9", "U95"}},
        Refused{"import_npreserve_with_nprompt", imp_without_preserve({"-npreserve", "-nprompt"}), {"E9", "U95"}},
        Refused{"import_out_with_pexpire", imp_with({"-out", "x", "-pexpire", "d"}), {"E9", "U95"}},
        Refused{"import_notify_without_ship", imp_with({"-notify", "n"}), {"E9", "U95"}}),
    vxtest::RowName());

INSTANTIATE_TEST_SUITE_P(
    Operands, MkreplicaRefuses,
    testing::Values(
        Refused{"export_no_operand", kExport, {"E11", "U95"}},
        Refused{"export_spec_without_colon", kExport + std::vector<std::string>{"rep1"}, {"E12(rep1)", "U95"}},
        Refused{"export_later_spec_without_colon",
                kExport + std::vector<std::string>{"h:r", "bad", "x"},
                {"E12(bad)", "U95"}},
        Refused{"import_no_operand", kImport, {"E10", "U95"}},
        // The -out value does not stand in for the packet operand.
        Refused{"import_out_is_no_operand", kImport + std::vector<std::string>{"-out", "x"}, {"E10", "U95"}}),
    vxtest::RowName());

TEST(Mkreplica, TargetsPointIntoCopiesNotIntoTheCommandLine) {
    const auto r = run(vx_cmdsyn_mkreplica, kExport + std::vector<std::string>{"host:rep"});
    ASSERT_EQ(r.status, 0);
    const auto rec = vxtest::record<vx_mkreplica_args_t>();
    ASSERT_EQ(rec.target_count, 1);
    // Hostname and selector are one copy split in two: the selector follows the NUL.
    EXPECT_EQ(rec.targets[0].replica_selector, rec.targets[0].hostname + 5);
    EXPECT_STREQ(rec.targets[0].hostname, "host");
}

}  // namespace
