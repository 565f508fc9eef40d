#include "vexar_messages.h"

#include <cstdint>
#include <cstdio>
#include <iterator>

#if !defined(_WIN32)
#include <nl_types.h>
#endif

#include "catalog_text.h"

namespace vexar {
namespace {

constexpr const char *kTexts[] = {
#define VEXAR_TOOL_TEXT_STRING(name, text) text,
    VEXAR_TOOL_TEXTS(VEXAR_TOOL_TEXT_STRING)
#undef VEXAR_TOOL_TEXT_STRING
};
constexpr uint16_t kCount = static_cast<uint16_t>(std::size(kTexts));

constexpr auto kNumbers = vx_catalog::numbers_from_one<kCount>();

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

// Text `text` as the message facility would print it: the catalog's, when it takes the
// same arguments and ends a line where the built-in text does; else the built-in text.
// For texts the tool formats itself rather than hands to the facility.
const char *translated(ToolText text) {
    const int index = static_cast<int>(text);
    const char *builtin = kTexts[index];
#if defined(_WIN32)
    return builtin;  // no catalogs there
#else
    // Opened once, after main has set the locale, and kept open: catgets' texts live as
    // long as their catalog.
    static const nl_catd catalog = catopen(kTable.catalog_name, NL_CAT_LOCALE);
    if (catalog == reinterpret_cast<nl_catd>(-1)) return builtin;
    const char *found = catgets(catalog, kTable.set_number, kNumbers[index], builtin);
    return found != nullptr && vx_catalog::may_replace(builtin, found) ? found : builtin;
#endif
}

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
