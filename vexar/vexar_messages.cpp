#include "vexar_messages.h"

#include <cstdio>
#include <iterator>

namespace vexar {
namespace {

// In the order of ToolText.
constexpr const char *kTexts[] = {
    "%s: line %d",
    "Missing closing %s quote; the line was not run.\n",
    "A backslash ends the line with nothing to escape; the line was not run.\n",
    "The line holds a NUL byte; the line was not run.\n",
    "The line is not valid UTF-8 (standard input is read as UTF-8, or as UTF-16LE after its byte-order mark); "
    "the line was not run.\n",
    "The line is not valid UTF-16LE (standard input began with its byte-order mark); the line was not run.\n",
    "Argument file \"%s\", line %d: missing closing %s quote.\n",
    "Argument file \"%s\", line %d: a backslash ends the line with nothing to escape.\n",
    "Argument file \"%s\", line %d: the line holds a NUL byte.\n",
    "Argument file \"%s\", line %d: not valid UTF-8 (argument files are read as UTF-8, or as UTF-16LE after its "
    "byte-order mark).\n",
    "Argument file \"%s\", line %d: not valid UTF-16LE (the file began with its byte-order mark).\n",
    "Cannot read argument file \"%s\": %s.\n",
    "Cannot read argument file \"%s\": it is larger than %s.\n",
    "Argument file \"%s\" names another argument file, \"%s\": argument files do not nest.\n",
    "\"%s\" names no argument file: write \"@path\", or \"@@\" for a word beginning with \"@\".\n",
    "The argument files hold no command word.\n",
    "Not enough memory to run commands.\n",
};
static_assert(std::size(kTexts) == static_cast<std::size_t>(ToolText::no_memory_for_commands) + 1);

// No catalog yet: the facility prints the built-in texts.
constexpr msg_table_t kTable = {nullptr, "vexar", 0, static_cast<uint16_t>(std::size(kTexts)), kTexts, nullptr};

// The texts that report a split error, for a line of commands and for a line of an
// argument file.
struct SplitErrorTexts {
    ToolText in_line;
    ToolText in_file;
};

SplitErrorTexts texts_of(SplitError error) {
    switch (error) {
        case SplitError::trailing_backslash: return {ToolText::trailing_backslash, ToolText::file_trailing_backslash};
        case SplitError::nul_byte: return {ToolText::nul_byte, ToolText::file_nul_byte};
        default: return {ToolText::unclosed_quote, ToolText::file_unclosed_quote};
    }
}

// The kind of quote an unclosed-quote text names ("" for the other errors, whose texts
// take no such argument).
const char *quote_of(SplitError error) {
    switch (error) {
        case SplitError::unterminated_single_quote: return "single";
        case SplitError::unterminated_double_quote: return "double";
        default: return "";
    }
}

}  // namespace

const msg_table_t *tool_texts() { return &kTable; }

std::string line_label(const char *program, int line_number) {
    char label[256];
    std::snprintf(label, sizeof label, kTexts[static_cast<int>(ToolText::line_label)], program, line_number);
    return label;
}

void report_split_error(SplitError error) { report(texts_of(error).in_line, quote_of(error)); }

void report_split_error_in_file(SplitError error, const char *path, int line_number) {
    report(texts_of(error).in_file, path, line_number, quote_of(error));
}

}  // namespace vexar
