// Writes the fuzzer's dictionary: every flag spec of every flag table the routines
// install (as its full name and as its shortest abbreviation), every command word, and
// the separators. The tables are caught on their way to the parser (this program links
// with -Wl,--wrap=clp_switch_flags), while every routine runs with no words and with
// each of its typical lines.
//
// Usage: vx_fuzz_dictionary OUTPUT_FILE

#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "dispatch/vexar_dispatch.h"
#include "dispatch/vexar_syntax.h"
#include "flag_spec.h"
#include "libzornacmdsyn.h"
#include "libzornaks.h"
#include "libzornavx_cmdsyn.h"
#include "robust/command_lines.h"
#include "robust/output_sink.h"
#include "robust/slots.h"

extern "C" int __real_clp_switch_flags(clp_parser_t *parser, const clp_flag_desc_t *table, stg_area_t *area);

namespace {
// Every table installed, in the order met.
std::set<const clp_flag_desc_t *> g_tables;
}  // namespace

extern "C" int __wrap_clp_switch_flags(clp_parser_t *parser, const clp_flag_desc_t *table, stg_area_t *area) {
    g_tables.insert(table);
    return __real_clp_switch_flags(parser, table, area);
}

namespace {

// A libFuzzer dictionary entry: the text in double quotes, bytes outside printable
// ASCII and the quote and backslash as \xNN.
std::string Entry(const std::string &text) {
    std::string entry = "\"";
    for (const unsigned char c : text) {
        if (c < 0x20 || c >= 0x7F || c == '"' || c == '\\') {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            entry += escaped;
        } else {
            entry += static_cast<char>(c);
        }
    }
    return entry + "\"";
}

// A spelling as its full name and its shortest spelling: "-long" and "-l" for "-l[ong]",
// "-tag" alone for "-tag".
void AddSpelling(const vx_spec::Spelling &spelling, std::set<std::string> &words) {
    if (spelling.full_length() == 0) return;  // a spec that does not read
    words.insert(std::string(spelling.required));
    words.insert(spelling.full());
}

void Run(cmd_syntax_routine_t routine, const std::vector<std::string> &words) {
    std::vector<const char *> argv;
    for (const std::string &word : words) argv.push_back(word.c_str());
    stg_area_t *area = stg_area_create();
    clp_parser_t *parser = clp_parser_create(area, static_cast<int>(argv.size()), argv.data());
    vxrobust::StartCapture(0);
    routine(parser, area, 0);
    vxrobust::StopCapture();
    stg_area_release(area);
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FILE\n", argv[0]);
        return 2;
    }
    vexar::start_up();
    const std::vector<vxrobust::CommandLine> lines = vxrobust::LoadCommandLines();
    for (int slot = 0; slot < VX_CMDSYN_PROC_SLOTS; ++slot) {
        const cmd_syntax_routine_t routine = vx_cmdsyn_proc_table[slot].routine;
        if (routine == nullptr || vxrobust::ActsOnProcess(routine)) continue;
        Run(routine, {});
        const vxrobust::NamedRoutine *named = vxrobust::RoutineInSlot(slot);
        for (const vxrobust::CommandLine &line : lines)
            if (named != nullptr && line.words[0] == named->name)
                Run(routine, std::vector<std::string>(line.words.begin() + 1, line.words.end()));
    }

    std::set<std::string> flags, commands;
    for (const clp_flag_desc_t *table : g_tables)
        for (const clp_flag_desc_t *row = table; row->spec != nullptr || row->code != CLP_TABLE_END; ++row)
            if (row->code >= 0) AddSpelling(vx_spec::read_flag_spec(row->spec).spelling, flags);
    for (const cmd_keyword_t *table : {vx_cmdsyn_get_cmdflags(), vexar::syntax::own_keywords()})
        for (const cmd_keyword_t *row = table; row->keyword != nullptr; ++row)
            AddSpelling(vx_spec::read_keyword_spec(row->keyword), commands);

    std::ofstream out(argv[1]);
    out << "# Flags of the " << g_tables.size() << " flag tables the routines install.\n";
    for (const std::string &flag : flags) out << Entry(flag) << "\n";
    out << "# Command words.\n";
    for (const std::string &command : commands) out << Entry(command) << "\n";
    out << "# Separators, and format directives that must stay text.\n";
    for (const char *separator : {"=", ":", ",", "--", "-", "%s%n%x", "\n"}) out << Entry(separator) << "\n";
    std::printf("%zu flags of %zu tables, %zu command words in %s\n", flags.size(), g_tables.size(), commands.size(),
                argv[1]);
    return out ? 0 : 1;
}
