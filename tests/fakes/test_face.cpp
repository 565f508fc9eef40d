// The library's face toward the tool: both tables, the help and manual-page entries,
// the version line, and a check of every flag table the routines install.

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>

#include "fakes/fake_cmdsyn.h"
#include "fakes/scripted_clp.h"
#include "libzornavx_cmdsyn.h"
#include "support/harness.h"

extern "C" int libzornavx_cmdsyn_sprint_verid(char *buffer);

namespace {

// ---- the procedure table ------------------------------------------------------

TEST(ProcTable, EverySlotHoldsItsRoutineWithAttributeOne) {
    // Laid out as a grid, several rows a line.
    // clang-format off
    const cmd_syntax_routine_t expected[VX_CMDSYN_PROC_SLOTS] = {
        vx_cmdsyn_help,          vx_cmdsyn_man,        cmdsyn_quit,           cmdsyn_cd,
        cmdsyn_pwd,              cmdsyn_shell,         vx_cmdsyn_mkrptype,    cmdsyn_lstype,
        cmdsyn_rmtype,           vx_cmdsyn_mkreplica,  vx_cmdsyn_chreplica,   vx_cmdsyn_syncreplica,
        cmdsyn_lsreplica,        cmdsyn_chmaster,      cmdsyn_lsmaster,       cmdsyn_reqmaster,
        cmdsyn_describe,         vx_cmdsyn_lsepoch,    vx_cmdsyn_chepoch,     vx_cmdsyn_restorereplica,
        vx_cmdsyn_rmreplica,     vx_cmdsyn_lspacket,   vx_cmdsyn_dumpoplog,   cmdsyn_rename,
        vx_cmdsyn_apropos,       vx_cmdsyn_recoverpacket, vx_cmdsyn_lsexport, vx_cmdsyn_familysyncstatus,
        vx_cmdsyn_syncinfo,      vx_cmdsyn_shipinfo,   vx_cmdsyn_lssetting,   vx_cmdsyn_chsetting,
        vx_cmdsyn_lsshipconfig,  vx_cmdsyn_chshipconfig, vx_cmdsyn_perfinfo,  vx_cmdsyn_vxacl,
        vx_cmdsyn_syncserver,
    };
    // clang-format on
    for (int slot = 0; slot < VX_CMDSYN_PROC_SLOTS; ++slot) {
        EXPECT_EQ(vx_cmdsyn_proc_table[slot].routine, expected[slot]) << "slot " << slot;
        EXPECT_EQ(vx_cmdsyn_proc_table[slot].attr, 1u) << "slot " << slot;
    }
}

// ---- the keyword table --------------------------------------------------------

TEST(KeywordTable, RowsInOrderThenTheTerminator) {
    // Laid out as a grid, several rows a line.
    // clang-format off
    const cmd_keyword_t expected[] = {
        {"h[elp]", 0, 0},        {"man", 1, 0},          {"q[uit]", 2, 0},        {"exit", 2, 2},
        {"cd", 3, 0},            {"pwd", 4, 0},          {"sh[ell]", 5, 0},       {"!", 5, 2},
        {"mkrptype", 6, 0},      {"lst[ype]", 7, 0},     {"rmtype", 8, 0},        {"mkrep[lica]", 9, 0},
        {"chrep[lica]", 10, 0},  {"sync[replica]", 11, 0}, {"lsrep[lica]", 12, 0}, {"rmreplica", 20, 0},
        {"rename", 23, 0},       {"chmaster", 13, 0},    {"lsmaster", 14, 0},     {"reqmaster", 15, 0},
        {"lsepoch", 17, 0},      {"chepoch", 18, 0},     {"recoverpacket", 25, 0}, {"restorereplica", 19, 0},
        {"lsexport", 26, 0},     {"lssetting", 30, 0},   {"chsetting", 31, 0},    {"des[cribe]", 16, 0},
        {"lspacket", 21, 0},     {"dumpoplog", 22, 0},   {"syncserver", 36, 0},
    };
    // clang-format on
    const cmd_keyword_t *table = vx_cmdsyn_get_cmdflags();
    ASSERT_EQ(std::size(expected), static_cast<size_t>(VX_CMDSYN_KEYWORD_ROWS));
    for (int row = 0; row < VX_CMDSYN_KEYWORD_ROWS; ++row) {
        EXPECT_STREQ(table[row].keyword, expected[row].keyword) << "row " << row;
        EXPECT_EQ(table[row].slot, expected[row].slot) << "row " << row;
        EXPECT_EQ(table[row].attr, expected[row].attr) << "row " << row;
    }
    EXPECT_EQ(table[VX_CMDSYN_KEYWORD_ROWS].keyword, nullptr);
    EXPECT_EQ(table[VX_CMDSYN_KEYWORD_ROWS].slot, -1);
    EXPECT_EQ(table[VX_CMDSYN_KEYWORD_ROWS].attr, 0);
}

TEST(KeywordTable, SlotsWithoutAKeywordAreReachedByNoRow) {
    std::set<int32_t> reached;
    for (const cmd_keyword_t *row = vx_cmdsyn_get_cmdflags(); row->keyword != nullptr; ++row) reached.insert(row->slot);
    for (int32_t slot = 0; slot < VX_CMDSYN_PROC_SLOTS; ++slot) {
        const bool without = std::set<int32_t>{24, 27, 28, 29, 32, 33, 34, 35}.count(slot) != 0;
        EXPECT_EQ(reached.count(slot) == 0, without) << "slot " << slot;
    }
}

// ---- help and man -------------------------------------------------------------

TEST(Help, PassesItsArgumentsOnWithBothTables) {
    int parser_token = 0;
    auto *parser = reinterpret_cast<clp_parser_t *>(&parser_token);
    auto *area = reinterpret_cast<stg_area_t *>(&parser_token + 1);
    for (uint32_t flags : {0u, 1u, 2u, 6u}) {
        EXPECT_EQ(vx_cmdsyn_help(parser, area, flags), 4242);
        const auto &call = vxtest::last_dispatch();
        EXPECT_EQ(call.entry, "help");
        EXPECT_EQ(call.parser, parser);
        EXPECT_EQ(call.area, area);
        EXPECT_EQ(call.dispatch_flags, flags);
        EXPECT_EQ(call.keywords, vx_cmdsyn_get_cmdflags());
        EXPECT_EQ(call.procs, vx_cmdsyn_proc_table);
    }
}

TEST(Man, PassesItsArgumentsOnWithThePageConstants) {
    int parser_token = 0;
    auto *parser = reinterpret_cast<clp_parser_t *>(&parser_token);
    auto *area = reinterpret_cast<stg_area_t *>(&parser_token + 1);
    EXPECT_EQ(vx_cmdsyn_man(parser, area, 3), 4343);
    const auto &call = vxtest::last_dispatch();
    EXPECT_EQ(call.entry, "man");
    EXPECT_EQ(call.parser, parser);
    EXPECT_EQ(call.area, area);
    EXPECT_EQ(call.dispatch_flags, 3u);
    EXPECT_EQ(call.keywords, vx_cmdsyn_get_cmdflags());
    EXPECT_STREQ(call.tool_name, "vexar");
    EXPECT_STREQ(call.page_prefix, "vr_");
    EXPECT_STREQ(call.help_dir, "doc/help/vx_admin/");
    EXPECT_EQ(call.form, 2);
}

// ---- the version line ---------------------------------------------------------

TEST(Version, NameIsPaddedTo33ThenVersionAndDate) {
    char line[IMSG_SPRINTF_MAX];
    const int length = libzornavx_cmdsyn_sprint_verid(line);
    const std::string text(line);
    EXPECT_EQ(length, static_cast<int>(text.size()));
    ASSERT_GT(text.size(), 34u);
    EXPECT_EQ(text.substr(0, 34), "libzornavx_cmdsyn                 ");
    // Four numbers joined by points, a blank, the build date in parentheses.
    const std::string rest = text.substr(34);
    int points = 0;
    size_t i = 0;
    for (; i < rest.size() && rest[i] != ' '; ++i) {
        if (rest[i] == '.')
            ++points;
        else
            EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(rest[i]))) << rest;
    }
    EXPECT_EQ(points, 3) << rest;
    ASSERT_LT(i + 2, rest.size());
    EXPECT_EQ(rest[i + 1], '(');
    EXPECT_EQ(rest.substr(rest.size() - 2), ")\n");
}

TEST(Version, PrintsTheSameLinePlainly) {
    char line[IMSG_SPRINTF_MAX];
    libzornavx_cmdsyn_sprint_verid(line);
    vxtest::clear_messages();
    libzornavx_cmdsyn_print_verid();
    ASSERT_EQ(vxtest::messages().size(), 1u);
    EXPECT_EQ(vxtest::messages()[0].severity, IMSG_SEV_PLAIN);
    EXPECT_EQ(vxtest::messages()[0].text, line);
}

// ---- every flag table the routines install ------------------------------------

// Each flag's code, wherever a table lists it.
// Laid out as a grid, several rows a line.
// clang-format off
const std::map<std::string, int32_t> kCodeOfSpec = {
    {"-actual", 1},          {"-adm[in]", 2},        {"-a[ll]", 3},          {"-cfi[le]", 8},
    {"-c[omment]", 9},       {"-nc[omment]", 10},    {"-compress", 12},      {"-cq[uery]", 13},
    {"-cqe[ach]", 14},       {"-dia[gnose]", 18},    {"-dum[p]", 21},        {"-edit", 22},
    {"-endrange", 24},       {"-end[scan]", 25},     {"-epo[chdiff]", 26},   {"-evlist", 27},
    {"-exp[ort]", 28},       {"-file[type]", 29},    {"-f[orce]", 31},       {"-fro[m]", 33},
    {"-fsh[ip]", 34},        {"-gran[ularity]", 35}, {"-gen[erate]", 36},    {"-get", 37},
    {"-gpa[th]", 38},        {"-heal[th]", 39},      {"-hos[t]", 42},        {"-hpa[th]", 43},
    {"-ign[oreprot]", 44},   {"-imp[ort]", 45},      {"-incarnation", 46},   {"-inq[uire]", 47},
    {"-inr[eplica]", 48},    {"-inv[ob]", 49},       {"-isconn[ected]", 50}, {"-job", 51},
    {"-lim[it]", 55},        {"-l[ong]", 57},        {"-me", 59},            {"-maxp[ort]", 62},
    {"-max[size]", 63},      {"-minp[ort]", 64},     {"-nam[e]", 66},        {"-nca[exported]", 68},
    {"-nconn[ected]", 69},   {"-ndelete", 70},       {"-nincarnation", 72},  {"-nmanage", 73},
    {"-not[ify]", 74},       {"-npr[eserve]", 75},   {"-nprompt", 76},       {"-nrem[ote_admin]", 77},
    {"-opr[ange]", 80},      {"-opt[ions]", 81},     {"-out", 82},           {"-override", 83},
    {"-pas[sword]", 85},     {"-pex[pire]", 86},     {"-poo[ltalk]", 87},     {"-pre[serve]", 89},
    {"-per[ms_preserve]", 90}, {"-pub[lic]", 91},    {"-rai[se_only]", 92},  {"-rcptpath", 93},
    {"-rec[eive]", 94},      {"-rgy", 96},           {"-rename", 97},        {"-rep[lace]", 98},
    {"-rep[lica]", 99},      {"-reg[ion]", 100},     {"-rev[erse]", 102},    {"-rou[te]", 103},
    {"-rpt[ype]", 104},      {"-rtn[path]", 105},    {"-scan_dir[ection]", 106}, {"-sch[ema]", 107},
    {"-scl[ass]", 108},      {"-server_enable_ate_messages", 109}, {"-server_ignore_epoch_row_cache", 110},
    {"-set", 111},           {"-shi[p]", 112},       {"-s[hort]", 113},      {"-sib[ling]", 114},
    {"-sin[ce]", 115},       {"-sit[e]", 116},       {"-start[scan]", 118},  {"-sta[te]", 119},
    {"-stgp[ath]", 120},     {"-stg[loc]", 121},     {"-sum[mary]", 122},    {"-sup[ertype]", 123},
    {"-syn[c_window]", 124}, {"-tag", 125},          {"-tco[mment]", 126},   {"-time[out]", 127},
    {"-time[_units]", 128},  {"-to", 129},           {"-unset_all", 132},    {"-use[r]", 133},
    {"-uui[d]", 134},        {"-verbose", 135},      {"-vob", 137},          {"-vre[plica]", 138},
    {"-wor[kdir]", 140},     {"-la[st]", 141},       {"-allow_imp_from_deleted_rep", 142},
};
// clang-format on

// "-l[ong]" -> shortest form "-l", full name "-long".
struct SpecForms {
    std::string shortest;
    std::string full;
};
SpecForms forms_of(const std::string &spec) {
    const size_t open = spec.find('[');
    if (open == std::string::npos) return {spec, spec};
    return {spec.substr(0, open), spec.substr(0, open) + spec.substr(open + 1, spec.size() - open - 2)};
}
bool names(const SpecForms &row, const std::string &typed) {
    return typed.size() >= row.shortest.size() && typed.compare(0, row.shortest.size(), row.shortest) == 0 &&
           row.full.compare(0, typed.size(), typed) == 0;
}

// Checks one table: terminator, balanced and unnested groups, codes, and that no word
// a user can type names two rows. Returns the problems found.
template <class Row>
std::vector<std::string> check_table(const Row *rows, bool flag_table, const std::string &owner) {
    std::vector<std::string> problems;
    std::vector<std::pair<SpecForms, int>> specs;
    bool in_group = false;
    int row = 0;
    for (;; ++row) {
        if (row > 256) {
            problems.push_back(owner + ": no terminator");
            return problems;
        }
        const char *spec = reinterpret_cast<const clp_flag_desc_t *>(&rows[row])->spec;
        const int32_t code = reinterpret_cast<const clp_flag_desc_t *>(&rows[row])->code;
        const uint16_t attr = reinterpret_cast<const clp_flag_desc_t *>(&rows[row])->attr;
        if (spec == nullptr) {
            if (code != -1 || attr != 0) problems.push_back(owner + ": terminator is not {NULL, -1, 0}");
            break;
        }
        if (!flag_table) {
            specs.emplace_back(forms_of(spec), row);
            continue;
        }
        if (attr != 0) problems.push_back(owner + ": attribute of " + spec);
        if (code == CLP_MARK_START_EXCLUSION) {
            if (std::strcmp(spec, "Start Mutual Exclusion") != 0) problems.push_back(owner + ": start marker text");
            if (in_group) problems.push_back(owner + ": nested group at row " + std::to_string(row));
            in_group = true;
            continue;
        }
        if (code == CLP_MARK_END_EXCLUSION) {
            if (std::strcmp(spec, "End Mutual Exclusion") != 0) problems.push_back(owner + ": end marker text");
            if (!in_group) problems.push_back(owner + ": end marker without start at row " + std::to_string(row));
            in_group = false;
            continue;
        }
        const auto known = kCodeOfSpec.find(spec);
        if (known == kCodeOfSpec.end())
            problems.push_back(owner + ": unknown spec " + spec);
        else if (known->second != code)
            problems.push_back(owner + ": " + spec + " has code " + std::to_string(code) + ", not " +
                               std::to_string(known->second));
        specs.emplace_back(forms_of(spec), row);
    }
    if (in_group) problems.push_back(owner + ": group left open");
    // Every form a user can type, from the shortest to the full name, names one row.
    for (const auto &[forms, at] : specs) {
        for (size_t n = forms.shortest.size(); n <= forms.full.size(); ++n) {
            const std::string typed = forms.full.substr(0, n);
            for (const auto &[other, other_at] : specs)
                if (other_at != at && names(other, typed) && typed != other.full)
                    problems.push_back(owner + ": \"" + typed + "\" names rows " + std::to_string(at) + " and " +
                                       std::to_string(other_at));
        }
    }
    return problems;
}

TEST(FlagTables, EveryRoutineInstallsAWellFormedTable) {
    int checked = 0;
    for (int slot = 0; slot < VX_CMDSYN_PROC_SLOTS; ++slot) {
        const cmd_syntax_routine_t routine = vx_cmdsyn_proc_table[slot].routine;
        if (routine == nullptr || routine == vx_cmdsyn_help || routine == vx_cmdsyn_man) continue;
        vxtest::ScriptedParser script;
        script.switch_result = 1;  // refuse the table: the routine returns at once
        stg_area_t *area = stg_area_create();
        vxtest::clear_messages();
        const int32_t status = routine(vxtest::as_parser(script), area, 0);
        stg_area_release(area);
        if (script.installed == nullptr) continue;  // apropos, chshipconfig and the generic routines
        EXPECT_EQ(status, CMD_SYNTAX_ERROR) << "slot " << slot;
        EXPECT_TRUE(vxtest::messages().empty()) << "slot " << slot << " printed on a refused table";
        for (const std::string &p : check_table(script.installed, true, "slot " + std::to_string(slot)))
            ADD_FAILURE() << p;
        ++checked;
    }
    EXPECT_GE(checked, 1);
}

TEST(FlagTables, KeywordTableHasNoAmbiguousWord) {
    for (const std::string &p : check_table(vx_cmdsyn_get_cmdflags(), false, "keywords")) ADD_FAILURE() << p;
}

// The checker itself finds what it is meant to find.
TEST(FlagTables, CheckerFindsWrongCodesGroupsAndAmbiguities) {
    const clp_flag_desc_t wrong_code[] = {{"-l[ong]", 58, 0}, {nullptr, -1, 0}};
    const clp_flag_desc_t nested[] = {{"Start Mutual Exclusion", -2, 0},
                                      {"Start Mutual Exclusion", -2, 0},
                                      {"End Mutual Exclusion", -3, 0},
                                      {"End Mutual Exclusion", -3, 0},
                                      {nullptr, -1, 0}};
    const clp_flag_desc_t ambiguous[] = {{"-rep[lace]", 98, 0}, {"-rep[lica]", 99, 0}, {nullptr, -1, 0}};
    EXPECT_EQ(check_table(wrong_code, true, "t").size(), 1u);
    EXPECT_GE(check_table(nested, true, "t").size(), 2u);
    EXPECT_FALSE(check_table(ambiguous, true, "t").empty());
}

}  // namespace
