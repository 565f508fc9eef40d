// What every routine does alike, through the real parser, once for all of them: the
// usage request, the dispatch bits it leaves alone, the command entry's status, the
// lines the parser refuses, and the comment group.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "libzornavx_cmdsyn.h"
#include "robust/slots.h"
#include "support/harness.h"
#include "support/param_names.h"

namespace {

using vxtest::operator<<;
using vxtest::run;
using vxtest::str;
using Words = std::vector<std::string>;
using Msgs = std::vector<std::string>;

Words operator+(Words a, const Words &b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Routine {
    const char *name;
    cmd_syntax_routine_t routine;
    Words line;          // a line it takes
    Msgs usage;          // what a usage request prints
    bool full_bit_only;  // bit 1 alone is answered, silently; only bit 2 prints the usage
};

const Routine kRoutines[] = {
    {"mkreplica", vx_cmdsyn_mkreplica, {"-export", "-workdir", "w", "-out", "p", "h:r"}, {"P95"}, false},
    {"syncreplica", vx_cmdsyn_syncreplica, {"-import", "pk"}, {"P144", "C145"}, false},
    {"chreplica", vx_cmdsyn_chreplica, {"-host", "h", "r1"}, {"P93"}, false},
    {"rmreplica", vx_cmdsyn_rmreplica, {"r1"}, {"P59"}, false},
    {"restorereplica", vx_cmdsyn_restorereplica, {}, {"P54"}, false},
    {"mkrptype", vx_cmdsyn_mkrptype, {"t1"}, {"P60"}, true},
    {"lspacket", vx_cmdsyn_lspacket, {"-long", "p1"}, {"P142"}, false},
    {"dumpoplog", vx_cmdsyn_dumpoplog, {"-from", "1"}, {"P62"}, true},
    {"lsexport", vx_cmdsyn_lsexport, {"r1"}, {"P56"}, true},
    {"recoverpacket", vx_cmdsyn_recoverpacket, {"r1"}, {"P55"}, false},
    {"lsepoch", vx_cmdsyn_lsepoch, {}, {"P65"}, false},
    {"chepoch", vx_cmdsyn_chepoch, {"r1", "a=1"}, {"P66"}, false},
    {"lssetting", vx_cmdsyn_lssetting, {"-site"}, {"P146"}, false},
    {"chsetting", vx_cmdsyn_chsetting, {"-site", "a=1"}, {"P147"}, false},
    {"lsshipconfig", vx_cmdsyn_lsshipconfig, {"-route"}, {"P120"}, false},
    {"syncserver", vx_cmdsyn_syncserver, {"-inquire", "-all"}, {"P143"}, false},
    {"vxacl", vx_cmdsyn_vxacl, {"-get"}, {"P123"}, false},
    {"familysyncstatus", vx_cmdsyn_familysyncstatus, {"-generate"}, {"P73"}, false},
    {"shipinfo", vx_cmdsyn_shipinfo, {"-job", "17"}, {"P103"}, false},
    {"syncinfo", vx_cmdsyn_syncinfo, {}, {"P80"}, false},
    {"perfinfo", vx_cmdsyn_perfinfo, {"-granularity", "days"}, {"P107"}, true},
    {"apropos", vx_cmdsyn_apropos, {"x"}, {"P53"}, false},
};

// After a failure the usage follows as usage (severity 7), a continuation included.
Msgs usage_after_error(cmd_syntax_routine_t routine) {
    for (const Routine &row : kRoutines) {
        if (row.routine != routine) continue;
        Msgs usage = row.usage;
        for (std::string &m : usage) m[0] = 'U';
        return usage;
    }
    ADD_FAILURE() << "a routine the table lacks";
    return {};
}

// The table holds every routine of the library but help and man, which hand their line
// to the shared command syntax, and chshipconfig, which reads nothing at all.
TEST(EveryRoutineTable, HoldsEveryRoutineOfTheLibrary) {
    for (const vxrobust::NamedRoutine &named : vxrobust::kRoutines) {
        if (named.shared || named.routine == vx_cmdsyn_help || named.routine == vx_cmdsyn_man ||
            named.routine == vx_cmdsyn_chshipconfig)
            continue;
        const bool held = std::any_of(std::begin(kRoutines), std::end(kRoutines),
                                      [&](const Routine &row) { return row.routine == named.routine; });
        EXPECT_TRUE(held) << named.name;
    }
}

class EveryRoutine : public testing::TestWithParam<Routine> {};

// Either usage bit answers without parsing: neither a line it takes nor a word it
// refuses is read.
TEST_P(EveryRoutine, UsageRequestReadsNothing) {
    const Routine &c = GetParam();
    for (const uint32_t flags : {1u, 2u, 3u, 5u, 6u, 7u}) {
        const bool prints = (flags & 2u) != 0 || !c.full_bit_only;
        for (const Words &words : {c.line, Words{"-bogus"}}) {
            SCOPED_TRACE(testing::Message() << "flags " << flags << ", " << testing::PrintToString(words));
            const auto r = run(c.routine, words, flags);
            EXPECT_EQ(r.status, 0);
            EXPECT_EQ(r.msgs, prints ? c.usage : Msgs{});
            EXPECT_EQ(r.command, "");
        }
    }
}

TEST_P(EveryRoutine, OtherDispatchBitsParseNormally) {
    for (const uint32_t flags : {4u, 8u}) {
        const auto r = run(GetParam().routine, GetParam().line, flags);
        EXPECT_EQ(r.status, 0) << flags << testing::PrintToString(r.msgs);
        EXPECT_EQ(r.command, GetParam().name) << flags;
    }
}

// A failure of the command entry is not the routine's to report: its status comes back
// unchanged, the syntax-error value too.
TEST_P(EveryRoutine, CommandStatusIsPassedThrough) {
    for (const int32_t status : {-4, 1001, 1002}) {
        vxtest::set_command_status(status);
        const auto r = run(GetParam().routine, GetParam().line);
        vxtest::set_command_status(0);
        EXPECT_EQ(r.status, status);
        EXPECT_TRUE(r.msgs.empty()) << testing::PrintToString(r.msgs);
        EXPECT_EQ(r.command, GetParam().name);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, EveryRoutine, testing::ValuesIn(kRoutines), vxtest::RowName());

// ---- Lines the parser refuses ------------------------------------------------------

// The parser speaks for itself (its wording is tested with the parser), naming the words
// it refuses; the routine adds its usage and nothing else.
struct ParserRefusal {
    const char *name;
    cmd_syntax_routine_t routine;
    Words words;
    Words named;  // flags the parser's message names, quoted
};

class ParserRefuses : public testing::TestWithParam<ParserRefusal> {};

TEST_P(ParserRefuses, OnlyTheUsageFollows) {
    const ParserRefusal &c = GetParam();
    const auto r = run(c.routine, c.words);
    EXPECT_EQ(r.status, CMD_SYNTAX_ERROR);
    EXPECT_EQ(r.command, "");
    EXPECT_EQ(vxtest::parser_folded(r.msgs), Msgs{"parser"} + usage_after_error(c.routine));
    ASSERT_FALSE(r.msgs.empty());
    for (const std::string &flag : c.named)
        EXPECT_NE(r.msgs[0].find("\"" + flag + "\""), std::string::npos) << r.msgs[0];
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParserRefuses,
    testing::Values(
        // Two flags of one group.
        ParserRefusal{"mkreplica_export_import", vx_cmdsyn_mkreplica, {"-export", "-import"}, {}},
        ParserRefusal{"mkreplica_vob_stgloc", vx_cmdsyn_mkreplica, {"-vob", "v", "-stgloc", "s"}, {}},
        ParserRefusal{"mkreplica_preserve_npreserve", vx_cmdsyn_mkreplica, {"-preserve", "-npreserve"}, {}},
        ParserRefusal{"mkreplica_ship_out", vx_cmdsyn_mkreplica, {"-ship", "-out", "p"}, {}},
        ParserRefusal{"syncreplica_export_import", vx_cmdsyn_syncreplica, {"-export", "-import"}, {}},
        ParserRefusal{"syncreplica_out_receive", vx_cmdsyn_syncreplica, {"-out", "p", "-receive"}, {}},
        ParserRefusal{"syncreplica_ship_fship", vx_cmdsyn_syncreplica, {"-ship", "-fship"}, {}},
        ParserRefusal{"chreplica_preserve_npreserve", vx_cmdsyn_chreplica, {"-preserve", "-npreserve", "r1"}, {}},
        ParserRefusal{
            "chreplica_isconnected_nconnected", vx_cmdsyn_chreplica, {"-isconnected", "-nconnected", "r1"}, {}},
        ParserRefusal{"restorereplica_replace_override", vx_cmdsyn_restorereplica, {"-replace", "-override"}, {}},
        ParserRefusal{"lspacket_long_short", vx_cmdsyn_lspacket, {"-long", "-short"}, {}},
        ParserRefusal{"dumpoplog_long_short", vx_cmdsyn_dumpoplog, {"-long", "-short"}, {}},
        ParserRefusal{"lsepoch_invob_actual", vx_cmdsyn_lsepoch, {"-invob", "v", "-actual"}, {}},
        ParserRefusal{"chepoch_force_actual", vx_cmdsyn_chepoch, {"-force", "-actual", "s1"}, {}},
        ParserRefusal{"lssetting_inquire_long", vx_cmdsyn_lssetting, {"-site", "-inquire", "-long"}, {}},
        ParserRefusal{"syncserver_nmanage_inquire", vx_cmdsyn_syncserver, {"-nmanage", "-inquire", "-all"}, {}},
        ParserRefusal{"syncserver_all_vob", vx_cmdsyn_syncserver, {"-nmanage", "-all", "-vob", "t"}, {}},
        ParserRefusal{"vxacl_get_edit", vx_cmdsyn_vxacl, {"-get", "-edit"}, {}},
        ParserRefusal{"vxacl_set_get", vx_cmdsyn_vxacl, {"-set", "p", "-get"}, {}},
        ParserRefusal{"familysyncstatus_summary_health",
                      vx_cmdsyn_familysyncstatus,
                      {"-summary", "-health", "vobA"},
                      {"-summary", "-health"}},
        ParserRefusal{"familysyncstatus_epochdiff_generate",
                      vx_cmdsyn_familysyncstatus,
                      {"-epo", "-gen"},
                      {"-epochdiff", "-generate"}},
        ParserRefusal{"familysyncstatus_since_sync_window",
                      vx_cmdsyn_familysyncstatus,
                      {"-generate", "-since", "d", "-sync_window", "4"},
                      {"-since", "-sync_window"}},
        ParserRefusal{"syncinfo_job_uuid", vx_cmdsyn_syncinfo, {"-job", "1", "-uuid"}, {"-job", "-uuid"}},
        ParserRefusal{"syncinfo_user_me", vx_cmdsyn_syncinfo, {"-user", "u", "-me"}, {"-user", "-me"}},
        // Flags the routine's table does not hold.
        ParserRefusal{"mkreplica_filter", vx_cmdsyn_mkreplica, {"-filter", "f"}, {}},
        ParserRefusal{"syncreplica_evlist_cut_short", vx_cmdsyn_syncreplica, {"-evl", "A=1"}, {}},
        ParserRefusal{"rmreplica_force", vx_cmdsyn_rmreplica, {"-force", "r1"}, {}},
        ParserRefusal{"mkrptype_filter", vx_cmdsyn_mkrptype, {"-filter", "f", "t1"}, {}},
        ParserRefusal{"lspacket_not_an_abbreviation", vx_cmdsyn_lspacket, {"-longer"}, {}},
        ParserRefusal{"lsexport_comment", vx_cmdsyn_lsexport, {"-nc", "r1"}, {}},
        ParserRefusal{"lssetting_host", vx_cmdsyn_lssetting, {"-site", "-host", "h"}, {}},
        ParserRefusal{"lssetting_replica", vx_cmdsyn_lssetting, {"-site", "-replica", "r"}, {}},
        ParserRefusal{"chsetting_host", vx_cmdsyn_chsetting, {"-site", "-host", "h", "a=1"}, {}},
        ParserRefusal{"chsetting_replica", vx_cmdsyn_chsetting, {"-site", "-replica", "r", "a=1"}, {}},
        ParserRefusal{"lsshipconfig_chshipconfig_flag", vx_cmdsyn_lsshipconfig, {"-new"}, {}},
        ParserRefusal{"lsshipconfig_force", vx_cmdsyn_lsshipconfig, {"-route", "-force"}, {}},
        ParserRefusal{"syncserver_manage", vx_cmdsyn_syncserver, {"-manage", "-all"}, {}},
        ParserRefusal{"vxacl_long", vx_cmdsyn_vxacl, {"-get", "-long"}, {}},
        ParserRefusal{"familysyncstatus_bogus", vx_cmdsyn_familysyncstatus, {"-generate", "-bogus"}, {"-bogus"}},
        ParserRefusal{"shipinfo_uuid", vx_cmdsyn_shipinfo, {"-uuid", "u"}, {"-uuid"}},
        ParserRefusal{"syncinfo_filetype", vx_cmdsyn_syncinfo, {"-filetype", "other"}, {"-filetype"}},
        ParserRefusal{"perfinfo_job", vx_cmdsyn_perfinfo, {"-granularity", "days", "-job", "1"}, {"-job"}},
        // Flags cut shorter than the table allows.
        ParserRefusal{"chreplica_incarnation_cut_short", vx_cmdsyn_chreplica, {"-incarn", "d", "r1"}, {}},
        ParserRefusal{"chreplica_rename_cut_short", vx_cmdsyn_chreplica, {"-ren", "r9", "r1"}, {}},
        ParserRefusal{"lspacket_endrange_cut_short", vx_cmdsyn_lspacket, {"-long", "-endr"}, {}},
        ParserRefusal{"dumpoplog_to_cut_short", vx_cmdsyn_dumpoplog, {"-t", "5"}, {}},
        ParserRefusal{"dumpoplog_from_cut_short", vx_cmdsyn_dumpoplog, {"-fr", "5"}, {}},
        ParserRefusal{"lsexport_since_cut_short", vx_cmdsyn_lsexport, {"-si", "T", "r1"}, {}},
        ParserRefusal{"lsepoch_actual_cut_short", vx_cmdsyn_lsepoch, {"-act", "r1"}, {}},
        ParserRefusal{"chepoch_raise_only_cut_short", vx_cmdsyn_chepoch, {"-ra", "s1"}, {}},
        ParserRefusal{"lssetting_rgy_cut_short", vx_cmdsyn_lssetting, {"-rg", "h", "-site"}, {}},
        ParserRefusal{"chsetting_unset_all_cut_short", vx_cmdsyn_chsetting, {"-site", "-unset", "a=1"}, {}},
        ParserRefusal{"lsshipconfig_rcptpath_cut_short", vx_cmdsyn_lsshipconfig, {"-rcpt"}, {}},
        ParserRefusal{"syncserver_nmanage_cut_short", vx_cmdsyn_syncserver, {"-nman", "-all"}, {}},
        ParserRefusal{"vxacl_edit_cut_short", vx_cmdsyn_vxacl, {"-ed"}, {}},
        ParserRefusal{"familysyncstatus_summary_cut_short", vx_cmdsyn_familysyncstatus, {"-su"}, {"-su"}},
        ParserRefusal{"shipinfo_job_cut_short", vx_cmdsyn_shipinfo, {"-jo", "17"}, {"-jo"}}),
    vxtest::RowName());

// ---- The comment group -------------------------------------------------------------

// The routines with the comment group (-c, -cfile, -cq, -cqe, -nc), each with a line it
// takes and where its record holds the comment block.
struct Commented {
    const char *name;
    cmd_syntax_routine_t routine;
    Words line;
    size_t block_at;
};

const Commented kCommented[] = {
    {"mkreplica_export",
     vx_cmdsyn_mkreplica,
     {"-export", "-workdir", "w", "-out", "p", "h:r"},
     offsetof(vx_mkreplica_args_t, comment)},
    {"mkreplica_import",
     vx_cmdsyn_mkreplica,
     {"-import", "-workdir", "w", "-tag", "/t", "-vob", "v", "-preserve", "pkt"},
     offsetof(vx_mkreplica_args_t, comment)},
    {"syncreplica_export",
     vx_cmdsyn_syncreplica,
     {"-export", "-out", "p", "r1"},
     offsetof(vx_syncreplica_args_t, comment)},
    {"syncreplica_import", vx_cmdsyn_syncreplica, {"-import", "pk"}, offsetof(vx_syncreplica_args_t, comment)},
    {"chreplica", vx_cmdsyn_chreplica, {"-host", "h", "r1"}, offsetof(vx_chreplica_args_t, comment)},
    {"rmreplica", vx_cmdsyn_rmreplica, {"r1"}, offsetof(vx_rmreplica_args_t, comment)},
    {"restorereplica", vx_cmdsyn_restorereplica, {"r1"}, offsetof(vx_restorereplica_args_t, comment)},
    {"mkrptype", vx_cmdsyn_mkrptype, {"t1"}, offsetof(vx_mkrptype_args_t, comment)},
    {"recoverpacket", vx_cmdsyn_recoverpacket, {"r1"}, offsetof(vx_recoverpacket_args_t, comment)},
    {"chepoch", vx_cmdsyn_chepoch, {"r1"}, offsetof(vx_chepoch_args_t, comment)},
};

// One way of giving (or not giving) a comment, around a line the routine takes.
struct CommentForm {
    const char *name;
    Words before;  // words before the line
    Words after;   // words after it
    const char *comment;
    const char *comment_file;
    int32_t comment_kind;
};

const CommentForm kCommentForms[] = {
    {"none", {}, {}, nullptr, nullptr, COMMENT_KIND_UNSET},
    {"text", {"-c", "why"}, {}, "why", nullptr, COMMENT_KIND_TEXT},
    {"later_text_stands", {"-c", "one", "-c", "two"}, {}, "two", nullptr, COMMENT_KIND_TEXT},
    {"file_after_the_operands", {}, {"-cfi", "why.txt"}, nullptr, "why.txt", COMMENT_KIND_FILE},
    {"query", {"-cq"}, {}, nullptr, nullptr, COMMENT_KIND_QUERY},
    {"query_each_repeated", {"-cqe", "-cqe"}, {}, nullptr, nullptr, COMMENT_KIND_QUERY_EACH},
    {"no_comment", {"-nc"}, {}, nullptr, nullptr, COMMENT_KIND_NONE},
};

struct CommentCase {
    std::string name;
    Commented routine;
    CommentForm form;
};

std::vector<CommentCase> comment_cases() {
    std::vector<CommentCase> cases;
    for (const Commented &routine : kCommented)
        for (const CommentForm &form : kCommentForms)
            cases.push_back({std::string(routine.name) + "_" + form.name, routine, form});
    return cases;
}

class CommentGroup : public testing::TestWithParam<CommentCase> {};

TEST_P(CommentGroup, FillsTheBlock) {
    const Commented &routine = GetParam().routine;
    const CommentForm &form = GetParam().form;
    const auto r = run(routine.routine, form.before + routine.line + form.after);
    ASSERT_EQ(r.status, 0) << testing::PrintToString(r.msgs);
    EXPECT_TRUE(r.msgs.empty()) << testing::PrintToString(r.msgs);
    const auto &bytes = vxtest::captured().bytes;
    ASSERT_GE(bytes.size(), routine.block_at + sizeof(cmd_comment_block_t));
    cmd_comment_block_t block;
    std::memcpy(&block, bytes.data() + routine.block_at, sizeof block);
    EXPECT_EQ(str(block.comment), str(form.comment));
    EXPECT_EQ(str(block.comment_file), str(form.comment_file));
    EXPECT_EQ(block.comment_kind, form.comment_kind);
    EXPECT_EQ(block.comment_reserved, 0u);
}

INSTANTIATE_TEST_SUITE_P(Cases, CommentGroup, testing::ValuesIn(comment_cases()), vxtest::RowName());

class CommentRefused : public testing::TestWithParam<Commented> {};

// A comment value missing at the end of a line the routine would take: reported, then
// the usage.
TEST_P(CommentRefused, MissingValue) {
    for (const char *flag : {"-c", "-cfile"}) {
        const auto r = run(GetParam().routine, GetParam().line + Words{flag});
        EXPECT_EQ(r.status, CMD_SYNTAX_ERROR) << flag;
        EXPECT_EQ(r.msgs, Msgs{"Etbs101"} + usage_after_error(GetParam().routine)) << flag;
        EXPECT_EQ(r.command, "") << flag;
    }
}

// The group's flags exclude one another: the parser refuses a second one.
TEST_P(CommentRefused, TwoOfTheGroup) {
    for (const Words &two : {Words{"-c", "x", "-nc"}, Words{"-c", "x", "-cq"}, Words{"-cq", "-nc"}}) {
        const auto r = run(GetParam().routine, two + GetParam().line);
        EXPECT_EQ(r.status, CMD_SYNTAX_ERROR) << two[0];
        EXPECT_EQ(vxtest::parser_folded(r.msgs), Msgs{"parser"} + usage_after_error(GetParam().routine));
        EXPECT_EQ(r.command, "");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CommentRefused, testing::ValuesIn(kCommented), vxtest::RowName());

}  // namespace
