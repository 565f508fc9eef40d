// Tool-base services: the family's shared message table, where product scripts live,
// and texts for status values.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "libzornatbs.h"

namespace {

constexpr uint16_t kSetNumber = 12;
constexpr uint16_t kMessageCount = 103;

// Messages the family's libraries print by index; every other index keeps its place
// with a plain text that takes no argument.
constexpr const char *kUnused = "Tool-base message not in use.\n";
constexpr const char *kNoMemory = "Out of memory: the storage area could not supply a block.\n";
constexpr const char *kNotANumber = "Not a number: \"%s\"\n";
constexpr const char *kUnexpectedOperand = "Unexpected argument: \"%s\"\n";
constexpr const char *kUnhandledFlag = "This command does not handle one of the flags it was given.\n";
constexpr const char *kCommentValueMissing = "The -c or -cfile flag needs a value: the comment or its file name.\n";
constexpr const char *kScriptPathTooLong =
    "The path of script \"%s\" in the product script directory (VX_SCRIPT_DIR) would be longer than %d bytes; "
    "the script was not run.\n";

struct Catalog {
    const char *texts[kMessageCount];
    uint16_t numbers[kMessageCount];
};

constexpr Catalog make_catalog() {
    Catalog catalog{};
    for (uint16_t index = 0; index < kMessageCount; ++index) {
        catalog.texts[index] = kUnused;
        catalog.numbers[index] = static_cast<uint16_t>(index + 1);
    }
    catalog.texts[TBS_MSG_NO_MEMORY] = kNoMemory;
    catalog.texts[TBS_MSG_NOT_A_NUMBER] = kNotANumber;
    catalog.texts[TBS_MSG_UNEXPECTED_OPERAND] = kUnexpectedOperand;
    catalog.texts[TBS_MSG_UNHANDLED_FLAG] = kUnhandledFlag;
    catalog.texts[TBS_MSG_COMMENT_REQUIRED] = kCommentValueMissing;
    catalog.texts[TBS_MSG_SCRIPT_PATH_TOO_LONG] = kScriptPathTooLong;
    return catalog;
}

constexpr Catalog kCatalog = make_catalog();

constexpr msg_table_t kTable = {
    "tbs_bin", "tbs", kSetNumber, kMessageCount, kCatalog.texts, kCatalog.numbers,
};

constexpr const char *kScriptDirVariable = "VX_SCRIPT_DIR";
constexpr const char *kDefaultScriptDir = "/opt/vexar/scripts";
#if defined(_WIN32)
// Windows takes either separator; a folder written with backslashes gets one more.
constexpr std::string_view kSeparators = "/\\";
constexpr bool kBackslashFolders = true;
#else
constexpr std::string_view kSeparators = "/";
constexpr bool kBackslashFolders = false;
#endif

}  // namespace

extern "C" {

const msg_table_t *_tbs_cmsg_tbs_msg_table_adr(void) { return &kTable; }

char *tbs_product_script_dir(char *buffer, const char *script_name) {
    if (buffer == nullptr) return nullptr;
    const char *configured = std::getenv(kScriptDirVariable);
    std::string_view dir = (configured != nullptr && configured[0] != '\0') ? configured : kDefaultScriptDir;
    // "/scripts/" and "/scripts" name the same place; keep a lone "/" whole.
    auto is_separator = [](char c) { return kSeparators.find(c) != std::string_view::npos; };
    while (dir.size() > 1 && is_separator(dir.back())) dir.remove_suffix(1);
    const char *separator = "/";
    if (dir.size() == 1 && is_separator(dir[0])) {
        separator = "";
    } else if (kBackslashFolders && dir.find('\\') != std::string_view::npos) {
        separator = "\\";
    }
    const char *name = script_name != nullptr ? script_name : "";
    // A path cut short would name another program: one that does not fit is refused.
    const int needed = std::snprintf(buffer, TBS_SCRIPT_PATH_MAX, "%.*s%s%s", static_cast<int>(dir.size()), dir.data(),
                                     separator, name);
    if (needed < 0 || needed >= TBS_SCRIPT_PATH_MAX) {
        buffer[0] = '\0';
        return nullptr;
    }
    return buffer;
}

const char *tbs_strerror(int32_t status) {
    switch (status) {
        case 0: return "success";
        case 1001: return "command syntax error";
        case 1002: return "word is not one of the accepted keywords";
        default: return "unrecognized status value";
    }
}

}  // extern "C"
