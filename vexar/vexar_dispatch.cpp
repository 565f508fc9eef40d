// The dispatcher: the library's keyword table first (with its abbreviations), then the
// tool's own words for the slots that have no keyword row, then the routine in the slot.

#include "vexar_dispatch.h"

#include <cstring>

#include "libzornacmdsyn.h"
#include "libzornavx_cmdsyn.h"
#include "vexar_suggest.h"
#include "vx_cmd_args.h"

namespace vexar {
namespace {

// Catalog message "Unrecognized command: ...".
constexpr int kMsgUnrecognizedCommand = 24;

// Slots the library offers no keyword for, reached by their full names only.
constexpr cmd_keyword_t kOwnKeywords[] = {
    {"apropos", 24, 0},      {"familysyncstatus", 27, 0}, {"syncinfo", 28, 0}, {"shipinfo", 29, 0},
    {"lsshipconfig", 32, 0}, {"chshipconfig", 33, 0},     {"perfinfo", 34, 0}, {"vxacl", 35, 0},
    {nullptr, -1, 0},
};

// What "help" alone shows beside each command word.
constexpr cmdsyn_purpose_t kPurposes[] = {
    {"apropos", "Look topics up in the manual pages"},
    {"cd", "Change the working directory"},
    {"chepoch", "Change epoch numbers of a replica's epoch table"},
    {"chmaster", "Change the mastership of an object"},
    {"chreplica", "Change a replica's host, preservation mode or connection"},
    {"chsetting", "Change settings of a site, host or replica"},
    {"chshipconfig", "Change the shipping configuration"},
    {"describe", "Describe an object"},
    {"dumpoplog", "Dump a replica's operation log"},
    {"familysyncstatus", "Report how well a VOB family stays in step"},
    {"help", "Show a command's usage, or this list"},
    {"lsepoch", "List epoch numbers"},
    {"lsexport", "List exports to sibling replicas"},
    {"lsmaster", "List the mastership of objects"},
    {"lspacket", "List packets"},
    {"lsreplica", "List replicas"},
    {"lssetting", "List settings of a site"},
    {"lsshipconfig", "List the shipping configuration"},
    {"lstype", "List types"},
    {"man", "Show a command's manual page"},
    {"mkreplica", "Create a replica: export a new one or import it"},
    {"mkrptype", "Create a replica type"},
    {"perfinfo", "Report synchronization performance"},
    {"pwd", "Print the working directory"},
    {"quit", "Leave the interactive mode"},
    {"recoverpacket", "Recover packets of sibling replicas"},
    {"rename", "Rename an object"},
    {"reqmaster", "Request mastership of an object"},
    {"restorereplica", "Restore a replica from its siblings"},
    {"rmreplica", "Remove a replica"},
    {"rmtype", "Remove a type"},
    {"shell", "Run a shell command"},
    {"shipinfo", "Report shipping jobs"},
    {"syncinfo", "Report synchronization jobs"},
    {"syncreplica", "Export or import synchronization packets"},
    {"syncserver", "Control which VOBs the synchronization server manages"},
    {"vxacl", "Get, edit or set the access-control list of a host"},
    {nullptr, nullptr},
};

// The tool's own words, never looked up as command words.
bool is_version_word(const char *word) {
    return std::strcmp(word, "-version") == 0 || std::strcmp(word, "--version") == 0;
}

// The spellings newcomers try for help; they show what "help" shows.
bool is_help_option(const char *word) {
    for (const char *option : {"--help", "-help", "-h", "-?"})
        if (std::strcmp(word, option) == 0) return true;
    return false;
}

int exit_status_of(int32_t status) {
    if (status == 0) return kExitOk;
    if (status == CMD_SYNTAX_ERROR) return kExitSyntax;
    return kExitFailed;
}

}  // namespace

const cmd_keyword_t *own_keywords() { return kOwnKeywords; }

int32_t find_slot(const char *word) {
    int32_t slot = cmdsyn_find_keyword(vx_cmdsyn_get_cmdflags(), word);
    if (slot < 0) slot = cmdsyn_find_keyword(kOwnKeywords, word);
    return slot < VX_CMDSYN_PROC_SLOTS ? slot : -1;
}

void start_up() {
    imsg_set_program_name("vexar");
    cmdsyn_set_extra_keywords(kOwnKeywords);
    cmdsyn_set_command_purposes(kPurposes);
}

int dispatch(stg_area_t *area, int count, const char *const *words) {
    const char *word = is_help_option(words[0]) ? "help" : words[0];
    if (is_version_word(word)) {
        libzornavx_cmdsyn_print_verid();
        return kExitOk;
    }
    const int32_t slot = find_slot(word);
    if (slot < 0) {
        imsg_print(IMSG_SEV_ERROR, _vx_cmdsyn_vexar_msg_table_adr(), kMsgUnrecognizedCommand, word);
        suggest_command_words(word);
        return kExitSyntax;
    }
    const cmd_syntax_routine_t routine = vx_cmdsyn_proc_table[slot].routine;
    if (routine == nullptr) {
        imsg_print(IMSG_SEV_ERROR, "Command \"%s\" is not available yet.\n", IMSG_FORMAT_INDEX, word);
        return kExitSyntax;
    }
    // The routine sees only the words after the command word.
    clp_parser_t *parser = clp_parser_create(area, count - 1, words + 1);
    if (parser == nullptr) {
        imsg_print(IMSG_SEV_ERROR, "Not enough memory to read the command line of \"%s\".\n", IMSG_FORMAT_INDEX, word);
        return kExitFailed;
    }
    return exit_status_of(routine(parser, area, 0));
}

int run_one_shot(int count, const char *const *words) {
    stg_area_t *area = stg_area_create();
    if (area == nullptr) {
        imsg_print(IMSG_SEV_ERROR, "Not enough memory to run a command.\n", IMSG_FORMAT_INDEX);
        return kExitFailed;
    }
    const int status = dispatch(area, count, words);
    stg_area_release(area);
    return status;
}

}  // namespace vexar
