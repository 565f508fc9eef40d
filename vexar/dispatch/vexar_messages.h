// The tool's own texts, kept in one table in the form of a message catalog (catalog
// "vexar_tool", set 60), and the reports built from them.
#ifndef VEXAR_MESSAGES_H
#define VEXAR_MESSAGES_H

#include <string>

#include "libzornaks.h"

namespace vexar {

// Every text of the tool, one line each: its name and its English text. A text's external
// number in the catalog is its place here, counted from 1: add new texts at the end, so
// that the numbers of translated catalogs stay right. A row PURPOSE(command, text) says
// what a command is for: help shows it beside the command word (vexar_purposes.h), and
// the command's manual pages are built with it; its name is purpose_<command>.
#define VEXAR_TOOL_TEXTS(X, PURPOSE)                                                                                 \
    X(line_label, "%s: line %d")                                                                                     \
    X(unclosed_quote, "Missing closing %s quote; the line was not run.\n")                                           \
    X(trailing_backslash, "A backslash ends the line with nothing to escape; the line was not run.\n")               \
    X(nul_byte, "The line holds a NUL byte; the line was not run.\n")                                                \
    X(not_utf8,                                                                                                      \
      "The line is not valid UTF-8 (standard input is read as UTF-8, or as UTF-16LE after its byte-order mark); "    \
      "the line was not run.\n")                                                                                     \
    X(not_utf16le,                                                                                                   \
      "The line is not valid UTF-16LE (standard input began with its byte-order mark); the line was not run.\n")     \
    X(file_unclosed_quote, "Argument file \"%s\", line %d: missing closing %s quote.\n")                             \
    X(file_trailing_backslash, "Argument file \"%s\", line %d: a backslash ends the line with nothing to escape.\n") \
    X(file_nul_byte, "Argument file \"%s\", line %d: the line holds a NUL byte.\n")                                  \
    X(file_not_utf8,                                                                                                 \
      "Argument file \"%s\", line %d: not valid UTF-8 (argument files are read as UTF-8, or as UTF-16LE after its "  \
      "byte-order mark).\n")                                                                                         \
    X(file_not_utf16le,                                                                                              \
      "Argument file \"%s\", line %d: not valid UTF-16LE (the file began with its byte-order mark).\n")              \
    X(file_unreadable, "Cannot read argument file \"%s\": %s.\n")                                                    \
    X(file_too_large, "Cannot read argument file \"%s\": it is larger than %s.\n")                                   \
    X(file_nested, "Argument file \"%s\" names another argument file, \"%s\": argument files do not nest.\n")        \
    X(file_lone_at, "\"%s\" names no argument file: write \"@path\", or \"@@\" for a word beginning with \"@\".\n")  \
    X(no_command_word, "The argument files hold no command word.\n")                                                 \
    X(no_memory_for_commands, "Not enough memory to run commands.\n")                                                \
    X(command_not_available, "Command \"%s\" is not available yet.\n")                                               \
    X(no_memory_for_command_line, "Not enough memory to read the command line of \"%s\".\n")                         \
    X(no_memory_for_command, "Not enough memory to run a command.\n")                                                \
    X(word_not_utf16, "Word %d of the command line is not valid UTF-16; nothing was run.\n")                         \
    X(most_similar_command, "The most similar command is \"%s\".\n")                                                 \
    X(most_similar_commands, "The most similar commands are:\n")                                                     \
    X(similar_command, "  %s\n")                                                                                     \
    X(complete_usage,                                                                                                \
      "Usage: vexar --complete-words | --complete-flags WORD | --complete WORD... CURRENT\n"                         \
      "       vexar --complete-described WORD... CURRENT\n")                                                         \
    X(history_no_home, "The history stays in memory only: HOME names no home folder.\n")                             \
    X(history_relative_home, "The history stays in memory only: the home folder \"%s\" is not an absolute path.\n")  \
    X(history_at_link, "The history stays in memory only: \"%s\" is a symbolic link.\n")                             \
    X(history_at_fifo, "The history stays in memory only: \"%s\" is a FIFO.\n")                                      \
    X(history_at_folder, "The history stays in memory only: \"%s\" is a folder.\n")                                  \
    X(history_not_a_file, "The history stays in memory only: \"%s\" is not a regular file.\n")                       \
    X(history_unexamined, "The history stays in memory only: \"%s\" cannot be examined: %s.\n")                      \
    X(output_failed, "Cannot write to standard output: %s.\n")                                                       \
    X(input_failed, "Cannot read standard input: %s.\n")                                                             \
    X(line_too_long, "The line is longer than %s; it was not run, and standard input was not read further.\n")       \
    X(words_too_large, "The command line holds more than %d words or %s of text; the command was not run.\n")        \
    X(file_no_writer, "Cannot read argument file \"%s\": it is a pipe that no process writes to.\n")                 \
    X(out_of_memory, "Out of memory; the tool stopped.\n")                                                           \
    X(tool_usage,                                                                                                    \
      "Usage: vexar COMMAND [ARGUMENT ...]   run one command\n"                                                      \
      "       vexar [-e | --stop-on-error]   read commands from standard input, one a line;\n"                       \
      "                                      -e stops at the first line that fails\n"                                \
      "       vexar -version                 print the version\n"                                                    \
      "A word @FILE stands for the words of FILE. The manual: \"man vexar\" or \"vexar man\";\n"                     \
      "a command's page: \"vexar man COMMAND\"; its usage: \"vexar COMMAND --help\".\n\n")                           \
    X(session_greeting, "Type \"help\" for the commands, \"quit\" or %s to leave.\n")                                \
    PURPOSE(apropos, "Look topics up in the manual pages")                                                           \
    PURPOSE(cd, "Change the working directory")                                                                      \
    PURPOSE(chepoch, "Change epoch numbers of a replica's epoch table")                                              \
    PURPOSE(chmaster, "Change the mastership of an object")                                                          \
    PURPOSE(chreplica, "Change a replica's host, preservation mode or connection")                                   \
    PURPOSE(chsetting, "Change settings of a site, host or replica")                                                 \
    PURPOSE(chshipconfig, "Change the shipping configuration")                                                       \
    PURPOSE(describe, "Describe an object")                                                                          \
    PURPOSE(dumpoplog, "Dump a replica's operation log")                                                             \
    PURPOSE(familysyncstatus, "Report how well a VOB family stays in step")                                          \
    PURPOSE(help, "Show a command's usage, or this list")                                                            \
    PURPOSE(lsepoch, "List epoch numbers")                                                                           \
    PURPOSE(lsexport, "List exports to sibling replicas")                                                            \
    PURPOSE(lsmaster, "List the mastership of objects")                                                              \
    PURPOSE(lspacket, "List packets")                                                                                \
    PURPOSE(lsreplica, "List replicas")                                                                              \
    PURPOSE(lssetting, "List settings of a site")                                                                    \
    PURPOSE(lsshipconfig, "List the shipping configuration")                                                         \
    PURPOSE(lstype, "List types")                                                                                    \
    PURPOSE(man, "Show a command's manual page")                                                                     \
    PURPOSE(mkreplica, "Create a replica: export a new one or import it")                                            \
    PURPOSE(mkrptype, "Create a replica type")                                                                       \
    PURPOSE(perfinfo, "Report synchronization performance")                                                          \
    PURPOSE(pwd, "Print the working directory")                                                                      \
    PURPOSE(quit, "Leave the interactive mode")                                                                      \
    PURPOSE(recoverpacket, "Recover packets of sibling replicas")                                                    \
    PURPOSE(rename, "Rename an object")                                                                              \
    PURPOSE(reqmaster, "Request mastership of an object")                                                            \
    PURPOSE(restorereplica, "Restore a replica from its siblings")                                                   \
    PURPOSE(rmreplica, "Remove a replica")                                                                           \
    PURPOSE(rmtype, "Remove a type")                                                                                 \
    PURPOSE(shell, "Run a shell command")                                                                            \
    PURPOSE(shipinfo, "Report shipping jobs")                                                                        \
    PURPOSE(syncinfo, "Report synchronization jobs")                                                                 \
    PURPOSE(syncreplica, "Export or import synchronization packets")                                                 \
    PURPOSE(syncserver, "Control which VOBs the synchronization server manages")                                     \
    PURPOSE(vxacl, "Get, edit or set the access-control list of a host")

// The index of each text in tool_texts().
enum class ToolText : int {
#define VEXAR_TOOL_TEXT_NAME(name, text) name,
#define VEXAR_PURPOSE_NAME(command, text) purpose_##command,
    VEXAR_TOOL_TEXTS(VEXAR_TOOL_TEXT_NAME, VEXAR_PURPOSE_NAME)
#undef VEXAR_PURPOSE_NAME
#undef VEXAR_TOOL_TEXT_NAME
};

// The English texts, in the order of ToolText.
inline constexpr const char *kToolTexts[] = {
#define VEXAR_TOOL_TEXT_STRING(name, text) text,
    VEXAR_TOOL_TEXTS(VEXAR_TOOL_TEXT_STRING, VEXAR_TOOL_TEXT_STRING)
#undef VEXAR_TOOL_TEXT_STRING
};

// The English text of `text`.
constexpr const char *english(ToolText text) { return kToolTexts[static_cast<int>(text)]; }

// The table of the tool's texts, for imsg_print's catalog form.
const msg_table_t *tool_texts();

// Prints tool text `text` at `severity`, with the arguments its conversions take.
template <class... Args>
void print(int severity, ToolText text, Args... args) {
    imsg_print(severity, tool_texts(), static_cast<int>(text), args...);
}

// Prints tool text `text` as an error, with the arguments its conversions take.
template <class... Args>
void report(ToolText text, Args... args) {
    print(IMSG_SEV_ERROR, text, args...);
}

// Text `text` with its one argument, as the message facility would print it: for the
// texts the tool writes elsewhere than to standard output or error.
std::string tool_text(ToolText text, const char *argument);

// "vexar: line 3": the name the message facility shows while line 3 of commands read
// from standard input runs.
std::string line_label(const char *program, int line_number);

}  // namespace vexar

#endif
