// The tool's own texts, kept in one table in the form of a message catalog, and the
// reports built from them.
#ifndef VEXAR_MESSAGES_H
#define VEXAR_MESSAGES_H

#include <string>

#include "libzornaks.h"
#include "vexar_words.h"

namespace vexar {

// The index of each text in tool_texts().
enum class ToolText : int {
    line_label,
    unclosed_quote,
    trailing_backslash,
    nul_byte,
    not_utf8,
    not_utf16le,
    file_unclosed_quote,
    file_trailing_backslash,
    file_nul_byte,
    file_not_utf8,
    file_not_utf16le,
    file_unreadable,
    file_too_large,
    file_nested,
    file_lone_at,
    no_command_word,
    no_memory_for_commands,
};

// The table of the tool's texts, for imsg_print's catalog form.
const msg_table_t *tool_texts();

// Prints tool text `text` as an error, with the arguments its conversions take.
template <class... Args>
void report(ToolText text, Args... args) {
    imsg_print(IMSG_SEV_ERROR, tool_texts(), static_cast<int>(text), args...);
}

// "vexar: line 3": the name the message facility shows while line 3 of commands read
// from standard input runs.
std::string line_label(const char *program, int line_number);

// Says why a line of commands was not split, and that it was not run.
void report_split_error(SplitError error);
// Says why line `line_number` of argument file `path` was not split.
void report_split_error_in_file(SplitError error, const char *path, int line_number);

}  // namespace vexar

#endif
