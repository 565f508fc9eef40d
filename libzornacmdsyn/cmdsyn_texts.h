// The shared command syntax's own texts, in the form of a message catalog (catalog
// "zornacmdsyn", set 63) translated like any other, with the same checks.
#ifndef CMDSYN_TEXTS_H
#define CMDSYN_TEXTS_H

#include "libzornaks.h"

namespace zornacmdsyn {

// Every text, one line each: its name and its English text. A text's external number in
// the catalog is its place in the list, counted from 1: add new texts at the end, so that
// the numbers of translated catalogs stay right.
#define ZORNACMDSYN_TEXTS(X)                                                            \
    X(help_usage, "Usage: help [command]\n")                                            \
    X(man_usage, "Usage: man [command]\n")                                              \
    X(commands_heading, "Commands (\"help command\" shows a command's usage):\n")       \
    X(command_with_purpose, "  %-*s %s\n")                                              \
    X(command_alone, "  %s\n")                                                          \
    X(other_spellings,                                                                  \
      "A word in parentheses runs the same command, as does any spelling between the\n" \
      "shortest one and the full name.\n")                                              \
    X(no_help, "No help for unknown command \"%s\".\n")                                 \
    X(not_available, "The command \"%s\" is not available yet.\n")                      \
    X(no_page_for_unknown, "No manual page for unknown command \"%s\".\n")              \
    X(no_page, "No manual page for \"%s\": looked for %s and %s.\n")                    \
    X(unexpected_argument, "%s: unexpected argument \"%s\"\n")                          \
    X(cd_without_home, "cd: no directory given and HOME is not set\n")                  \
    X(cd_failed, "cd: cannot change to \"%s\": %s\n")                                   \
    X(pwd_failed, "pwd: %s\n")                                                          \
    X(quit_usage, "Usage: quit\n")                                                      \
    X(cd_usage, "Usage: cd [directory]\n")                                              \
    X(pwd_usage, "Usage: pwd\n")                                                        \
    X(shell_usage, "Usage: shell [command [argument ...]]\n")                           \
    X(lstype_usage, "Usage: lstype [type-selector ...]\n")                              \
    X(rmtype_usage, "Usage: rmtype type-selector ...\n")                                \
    X(lsreplica_usage, "Usage: lsreplica [replica-selector ...]\n")                     \
    X(chmaster_usage, "Usage: chmaster master-replica-selector object ...\n")           \
    X(lsmaster_usage, "Usage: lsmaster [object ...]\n")                                 \
    X(reqmaster_usage, "Usage: reqmaster object ...\n")                                 \
    X(describe_usage, "Usage: describe [object ...]\n")                                 \
    X(rename_usage, "Usage: rename old-name new-name\n")                                \
    X(no_pages_folder,                                                                  \
      "No manual page for \"%s\": the folder of the running program, and with it the "  \
      "tool's pages, cannot be found; set VX_HELP_ROOT to the tool's data folder.\n")   \
    X(no_memory, "Out of memory: the command could not be run.\n")

enum class Text : int {
#define ZORNACMDSYN_TEXT_NAME(name, text) name,
    ZORNACMDSYN_TEXTS(ZORNACMDSYN_TEXT_NAME)
#undef ZORNACMDSYN_TEXT_NAME
};

// The table of the texts.
const msg_table_t *texts();

// Prints text `text` at `severity`, with the arguments its conversions take.
template <class... Args>
void print(int severity, Text text, Args... args) {
    imsg_print(severity, texts(), static_cast<int>(text), args...);
}

// Says that a command ran out of memory, and returns the status of a failed command. No
// exception leaves the component, whose callers are C: its entries catch std::bad_alloc
// and end with this.
int32_t out_of_memory();

}  // namespace zornacmdsyn

#endif
