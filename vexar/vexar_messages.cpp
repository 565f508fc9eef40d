#include "vexar_messages.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <iterator>

namespace vexar {
namespace {

constexpr const char *kTexts[] = {
#define VEXAR_TOOL_TEXT_STRING(name, text) text,
    VEXAR_TOOL_TEXTS(VEXAR_TOOL_TEXT_STRING)
#undef VEXAR_TOOL_TEXT_STRING
};
constexpr uint16_t kCount = static_cast<uint16_t>(std::size(kTexts));

// External numbers: a text's place in the table, counted from 1.
constexpr std::array<uint16_t, kCount> kNumbers = [] {
    std::array<uint16_t, kCount> numbers{};
    for (uint16_t index = 0; index < kCount; ++index) numbers[index] = static_cast<uint16_t>(index + 1);
    return numbers;
}();

constexpr msg_table_t kTable = {"vexar_tool", "vexar", 60, kCount, kTexts, kNumbers.data()};

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
