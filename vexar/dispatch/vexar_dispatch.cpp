// The dispatcher: the library's keyword table first (with its abbreviations), then the
// tool's own words for the slots that have no keyword row (from the generated syntax
// table), then the routine in the slot.

#include "dispatch/vexar_dispatch.h"

#include <cstring>

#include "dispatch/vexar_messages.h"
#include "dispatch/vexar_options.h"
#include "dispatch/vexar_purposes.h"
#include "dispatch/vexar_suggest.h"
#include "dispatch/vexar_syntax.h"
#include "libzornacmdsyn.h"
#include "libzornavx_cmdsyn.h"
#include "msg/vx_cmdsyn_msg.h"
#include "vx_cmd_args.h"

namespace vexar {
namespace {

// After a command word it asks for that command's usage; as the command word (one of the
// tool's own options), for help.
constexpr const char *kUsageOption = "--help";

// True when "--help" stands among the words after the command word, before "--".
bool asks_for_usage(int count, const char *const *words) {
    for (int i = 1; i < count && std::strcmp(words[i], kEndOfFlags) != 0; ++i)
        if (std::strcmp(words[i], kUsageOption) == 0) return true;
    return false;
}

// A routine whose area ran out reports it as it reports a refused command line; for the
// tool it is a failure, not a syntax error.
int exit_status_of(int32_t status, const stg_area_t *area) {
    if (status == 0) return kExitOk;
    if (status == CMD_SYNTAX_ERROR && stg_area_ran_out(area) == 0) return kExitSyntax;
    return kExitFailed;
}

}  // namespace

int32_t find_slot(const char *word) {
    int32_t slot = cmdsyn_find_keyword(vx_cmdsyn_get_cmdflags(), word);
    if (slot < 0) slot = cmdsyn_find_keyword(syntax::own_keywords(), word);
    return slot < VX_CMDSYN_PROC_SLOTS ? slot : -1;
}

bool takes_command_word(int32_t slot) {
    // Told by the words that reach the slot, not by the routine's address: on Windows the
    // tool's address of an imported routine is its import thunk, not the table's entry.
    return slot == find_slot("help") || slot == find_slot("man");
}

void start_up() {
    imsg_set_program_name(kProgramName);
    imsg_get_desired_verbosity();
    cmdsyn_set_extra_keywords(syntax::own_keywords());
    cmdsyn_set_command_purposes(kCommandPurposes);
    cmdsyn_set_purpose_texts(tool_texts());
}

int dispatch(stg_area_t *area, int count, const char *const *words) {
    const bool help_option = is_tool_option(words[0], ToolOption::help);
    const char *word = help_option ? "help" : words[0];
    if (is_tool_option(word, ToolOption::version)) {
        libzornavx_cmdsyn_print_verid();
        return kExitOk;
    }
    const int32_t slot = find_slot(word);
    if (slot < 0) {
        imsg_print(IMSG_SEV_ERROR, _vx_cmdsyn_vexar_msg_table_adr(), MSG_UNRECOGNIZED_COMMAND, word);
        suggest_command_words(word);
        return kExitSyntax;
    }
    const cmd_syntax_routine_t routine = vx_cmdsyn_proc_table[slot].routine;
    if (routine == nullptr) {
        report(ToolText::command_not_available, word);
        return kExitSyntax;
    }
    // The routine sees only the words after the command word.
    clp_parser_t *parser = clp_parser_create(area, count - 1, words + 1);
    if (parser == nullptr) {
        report(ToolText::no_memory_for_command_line, word);
        return kExitFailed;
    }
    if (asks_for_usage(count, words)) return exit_status_of(routine(parser, area, SYNTAX_USAGE_FULL), area);
    if (help_option && count == 1) print(IMSG_SEV_PLAIN, ToolText::tool_usage);
    const int status = exit_status_of(routine(parser, area, 0), area);
    // help and man said that their word reaches no command; what it was meant to be
    // is the tool's to guess, as for a command word.
    if (status == kExitSyntax && count >= 2 && takes_command_word(slot) && find_slot(words[1]) < 0)
        suggest_command_words(words[1]);
    return status;
}

int run_one_shot(int count, const char *const *words) {
    stg_area_t *area = stg_area_create();
    if (area == nullptr) {
        report(ToolText::no_memory_for_command);
        return kExitFailed;
    }
    const int status = dispatch(area, count, words);
    stg_area_release(area);
    return status;
}

}  // namespace vexar
