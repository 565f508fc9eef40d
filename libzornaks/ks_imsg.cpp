// Message facility. Each message is formatted whole into one buffer and written with a
// single fwrite, so that the lines of threads printing at once do not interleave.
//
// A catalog-form message is looked up in the platform's message catalogs first (by
// catalog name, set number and external number), and printed from the built-in table
// when no catalog has it or when the catalog's text would take other arguments.

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>

#if !defined(_WIN32)
#include <nl_types.h>

#include <mutex>
#include <unordered_map>
#endif

#include "catalog_text.h"
#include "ks_texts.h"
#include "libzornaks.h"

namespace zornaks {
namespace {

constexpr const char *kImsgTexts[] = {ZORNAKS_IMSG_TEXTS(ZORNAKS_TEXT_STRING)};
constexpr uint16_t kImsgCount = static_cast<uint16_t>(std::size(kImsgTexts));
constexpr auto kImsgNumbers = vx_catalog::numbers_from_one<kImsgCount>();

constexpr msg_table_t kImsgTable = {"zornaks_imsg", "imsg", 61, kImsgCount, kImsgTexts, kImsgNumbers.data()};

}  // namespace

const msg_table_t *imsg_texts() { return &kImsgTable; }

}  // namespace zornaks

namespace {

using zornaks::ImsgText;

const char *localized(const msg_table_t *table, int index, const char *builtin);

// The facility's own text `text`, from a catalog when one translates it.
const char *facility_text(ImsgText text) {
    const int index = static_cast<int>(text);
    return localized(zornaks::imsg_texts(), index, zornaks::imsg_texts()->texts[index]);
}

std::atomic<const char *> g_program_name{nullptr};

// Most messages fit here; longer ones get a heap buffer of their exact size.
constexpr size_t kStackBuffer = 1024;

FILE *stream_for(int severity) {
    return severity == IMSG_SEV_PLAIN || severity == IMSG_SEV_PLAIN_CONT ? stdout : stderr;
}

// "<program>: Error: " on error messages once a program name is set, otherwise "".
std::string prefix_for(int severity) {
    const char *program = g_program_name.load(std::memory_order_acquire);
    if (severity != IMSG_SEV_ERROR || program == nullptr || program[0] == '\0') return std::string();
    const char *format = facility_text(ImsgText::error_prefix);
    const int needed = std::snprintf(nullptr, 0, format, program);
    if (needed <= 0) return std::string();
    std::string prefix(static_cast<size_t>(needed), '\0');
    std::snprintf(prefix.data(), prefix.size() + 1, format, program);
    return prefix;
}

int write_all(FILE *stream, const char *text, size_t length) {
    if (length == 0) return 0;
    return std::fwrite(text, 1, length, stream) == length ? 0 : 1;
}

// Formats `format` with `args` behind the severity's prefix and writes it in one piece.
int emit_v(int severity, const char *format, va_list args) {
    const std::string prefix = prefix_for(severity);
    char local[kStackBuffer];
    va_list again;
    va_copy(again, args);
    const int needed = std::vsnprintf(local, sizeof local, format, args);
    if (needed < 0) {
        va_end(again);
        return 1;
    }
    if (needed == 0) {
        va_end(again);
        return 0;
    }
    const size_t text_length = static_cast<size_t>(needed);
    const size_t total = prefix.size() + text_length;
    int result;
    if (total < sizeof local) {
        // The text is already here: move it behind the prefix.
        std::memmove(local + prefix.size(), local, text_length);
        std::memcpy(local, prefix.data(), prefix.size());
        result = write_all(stream_for(severity), local, total);
    } else {
        char *buffer = static_cast<char *>(std::malloc(total + 1));
        if (buffer == nullptr) {
            va_end(again);
            return 1;
        }
        std::memcpy(buffer, prefix.data(), prefix.size());
        std::vsnprintf(buffer + prefix.size(), text_length + 1, format, again);
        result = write_all(stream_for(severity), buffer, total);
        std::free(buffer);
    }
    va_end(again);
    return result;
}

int emit(int severity, const char *format, ...) {
    va_list args;
    va_start(args, format);
    const int result = emit_v(severity, format, args);
    va_end(args);
    return result;
}

// A message the facility cannot find says so instead of printing nothing at all.
int report_missing(const msg_table_t *table, int index) {
    const char *catalog = table != nullptr && table->catalog_name != nullptr ? table->catalog_name : "(none)";
    emit(IMSG_SEV_ERROR, facility_text(ImsgText::missing_message), index, catalog);
    return 1;
}

const char *lookup(const msg_table_t *table, int index) {
    if (table == nullptr || table->texts == nullptr || index < 0 || index >= table->count) return nullptr;
    return table->texts[index];
}

// ---- Translated texts ------------------------------------------------------------

#if !defined(_WIN32)

// Catalogs are opened once per process and kept open, failed opens included, so that
// a missing catalog costs one search. The texts catgets hands out live as long.
nl_catd open_catalog(const char *name) {
    static std::mutex *const guard = new std::mutex;
    static auto *const open = new std::unordered_map<std::string, nl_catd>;
    std::lock_guard<std::mutex> lock(*guard);
    const auto found = open->find(name);
    if (found != open->end()) return found->second;
    // NL_CAT_LOCALE: the program's LC_MESSAGES locale names the language.
    const nl_catd catalog = catopen(name, NL_CAT_LOCALE);
    open->emplace(name, catalog);
    return catalog;
}

// The catalog's text for message `index` of `table`, when it may stand in for the
// built-in text (the same conversions, the same line end); otherwise the built-in text.
const char *localized(const msg_table_t *table, int index, const char *builtin) {
    if (table->catalog_name == nullptr || table->catalog_name[0] == '\0' || table->numbers == nullptr) return builtin;
    const nl_catd catalog = open_catalog(table->catalog_name);
    if (catalog == reinterpret_cast<nl_catd>(-1)) return builtin;
    const char *text = catgets(catalog, table->set_number, table->numbers[index], builtin);
    if (text == nullptr || text == builtin || !vx_catalog::may_replace(builtin, text)) return builtin;
    return text;
}

#else

// Windows builds print the built-in texts.
const char *localized(const msg_table_t *, int, const char *builtin) { return builtin; }

#endif

// The settings read from the environment, once per process.
struct TraceSettings {
    std::string facilities;  // ",a,b," so that a name is found as ",name,"
    int verbosity = 0;
};

std::string trimmed(const std::string &text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

TraceSettings read_settings() {
    TraceSettings settings;
    if (const char *trace = std::getenv("VX_TRACE")) {
        settings.facilities = ",";
        std::string list(trace);
        size_t start = 0;
        while (start <= list.size()) {
            size_t comma = list.find(',', start);
            if (comma == std::string::npos) comma = list.size();
            const std::string name = trimmed(list.substr(start, comma - start));
            if (!name.empty()) settings.facilities += name + ",";
            start = comma + 1;
        }
    }
    int32_t verbosity = 0;
    const char *text = std::getenv("VX_VERBOSITY");
    if (text != nullptr && text[0] != '\0') {  // set to nothing: as if unset
        if (strutl_strtol(text, 10, &verbosity) == 0 && verbosity >= 0)
            settings.verbosity = verbosity;
        else
            emit(IMSG_SEV_ERROR, facility_text(ImsgText::malformed_verbosity), text);  // reported, not taken as 0
    }
    return settings;
}

const TraceSettings &settings() {
    static const TraceSettings once = read_settings();
    return once;
}

}  // namespace

extern "C" {

int imsg_print(int severity, const void *table_or_format, int index, ...) {
    const char *format;
    if (index == IMSG_FORMAT_INDEX) {
        format = static_cast<const char *>(table_or_format);
        if (format == nullptr) return report_missing(nullptr, index);
    } else {
        const msg_table_t *table = static_cast<const msg_table_t *>(table_or_format);
        format = lookup(table, index);
        if (format == nullptr) return report_missing(table, index);
        format = localized(table, index, format);
    }
    va_list args;
    va_start(args, index);
    const int result = emit_v(severity, format, args);
    va_end(args);
    return result;
}

int imsg_print_shared(int severity, const char *facility, const msg_table_t *table, int index) {
    (void)facility;  // the facility only tells whose report it is; nothing of it is printed
    const char *text = lookup(table, index);
    if (text == nullptr) return report_missing(table, index);
    text = localized(table, index, text);
    // No arguments come with it, so the text is printed as it stands, never as a format.
    return emit(severity, "%s", text);
}

int imsg_sprintf(char *buffer, const char *format, int index, ...) {
    if (buffer == nullptr) return 0;
    buffer[0] = '\0';
    if (format == nullptr || index != IMSG_FORMAT_INDEX) return 0;
    va_list args;
    va_start(args, index);
    const int needed = std::vsnprintf(buffer, IMSG_SPRINTF_MAX, format, args);
    va_end(args);
    if (needed < 0) {
        buffer[0] = '\0';
        return 0;
    }
    return needed < IMSG_SPRINTF_MAX ? needed : IMSG_SPRINTF_MAX - 1;
}

int imsg_should_trace(const char *facility, int level) {
    (void)level;  // a named facility traces at every level
    if (facility == nullptr || facility[0] == '\0' || std::strchr(facility, ',') != nullptr) return 0;
    const std::string &list = settings().facilities;
    if (list.empty()) return 0;
    return list.find(",all,") != std::string::npos || list.find("," + std::string(facility) + ",") != std::string::npos
               ? 1
               : 0;
}

int imsg_get_desired_verbosity(void) { return settings().verbosity; }

void imsg_set_program_name(const char *name) { g_program_name.store(name, std::memory_order_release); }

}  // extern "C"
