#include "dispatch/vexar_messages.h"

#include <cstdint>
#include <cstdio>
#include <iterator>

#include "catalog_text.h"

namespace vexar {
namespace {

constexpr uint16_t kCount = static_cast<uint16_t>(std::size(kToolTexts));

constexpr auto kNumbers = vx_catalog::numbers_from_one<kCount>();

constexpr msg_table_t kTable = {"vexar_tool", "vexar", 60, kCount, kToolTexts, kNumbers.data()};

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

}  // namespace vexar
