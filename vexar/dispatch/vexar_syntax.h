// The syntax of the tool's commands as a constant table, generated at build time from
// the syntax routines themselves (vexar_describe; the same description is installed
// as share/vexar/vexar-syntax.json). Completion reads the flags here (with their
// values' words and their meanings), and the dispatcher the words of the commands that
// have no keyword row in the library, so that no routine is run to learn them.
#ifndef VEXAR_SYNTAX_H
#define VEXAR_SYNTAX_H

#include <cstdint>
#include <span>

#include "libzornacmdsyn.h"

namespace vexar::syntax {

// What a flag reads after itself.
enum class Value { none, text, list };

// What completion offers for a flag's value, as the placeholder of the usage text says:
// nothing (a switch; a host, a date, a replica), file names, or the words the usage
// names in braces ("{months | days | quarter_hours}").
enum class Offer { nothing, files, words };

struct Flag {
    const char *name;      // full name: "-long"
    const char *shortest;  // the shortest spelling accepted: "-l"
    Value value;
    int group;  // 0 outside any mutual-exclusion group, else 1, 2, ... in table order
    Offer offer;
    std::span<const char *const> words;  // the value's words when `offer` is words
    const char *meaning;                 // one line, from the command's manual page; "" when it has none
};

struct Command {
    const char *word;                      // full command word: "mkreplica"
    int32_t slot;                          // slot of vx_cmdsyn_proc_table
    const char *keyword;                   // keyword row ("mkrep[lica]"), or the word for the tool's own rows
    const char *shortest;                  // the shortest accepted abbreviation: "mkrep"
    std::span<const char *const> aliases;  // other words for the slot ("exit")
    std::span<const Flag> flags;           // in table order; empty without a flag table
};

// Every command a word reaches, in slot order.
std::span<const Command> commands();

// Keyword rows for the slots that have no row in the library's keyword table, each
// reached by the word its usage text names; terminated by {NULL, -1, 0}.
const cmd_keyword_t *own_keywords();

// The command in `slot`, or nullptr when no word reaches it.
const Command *command_in_slot(int32_t slot);

// The flag of `command` that `word` names as the parser reads it (an exact full name
// first, else the first flag the word abbreviates), or nullptr.
const Flag *find_flag(const Command &command, const char *word);

}  // namespace vexar::syntax

#endif
