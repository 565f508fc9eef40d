#include "vexar_messages.h"

#include <cstdint>
#include <cstdio>
#include <iterator>

#include "catalog_text.h"

namespace vexar {
namespace {

constexpr uint16_t kCount = static_cast<uint16_t>(std::size(kToolTexts));

constexpr auto kNumbers = vx_catalog::numbers_from_one<kCount>();

constexpr msg_table_t kTable = {"vexar_tool", "vexar", 60, kCount, kToolTexts, kNumbers.data()};

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

// Text `text` as the message facility prints it, from the catalog the facility opened
// for the tool's texts: for texts the tool formats itself rather than hands to it.
const char *translated(ToolText text) { return imsg_get_text(&kTable, static_cast<int>(text)); }

}  // namespace

const msg_table_t *tool_texts() { return &kTable; }

std::string line_label(const char *program, int line_number) {
    char label[256];
    std::snprintf(label, sizeof label, translated(ToolText::line_label), program, line_number);
    return label;
}

std::string tool_text(ToolText text, const char *argument) {
    const char *format = translated(text);
    const int length = std::snprintf(nullptr, 0, format, argument);
    if (length <= 0) return {};
    std::string formatted(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(formatted.data(), formatted.size(), format, argument);
    formatted.pop_back();
    return formatted;
}

void report_split_error(SplitError error) { report(texts_of(error).in_line, quote_of(error)); }

void report_split_error_in_file(SplitError error, const char *path, int line_number) {
    report(texts_of(error).in_file, path, line_number, quote_of(error));
}

}  // namespace vexar
