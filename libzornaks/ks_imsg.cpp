// Message facility. Each message is formatted whole into one buffer and written with a
// single fwrite, so that the lines of threads printing at once do not interleave.
//
// A catalog-form message is looked up in the platform's message catalogs first (by
// catalog name, set number and external number), and printed from the built-in table
// when no catalog has it or when the catalog's text would take other arguments.

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <iterator>
#include <new>
#include <string>
#include <string_view>

#if !defined(_WIN32)
#include <nl_types.h>

#include <mutex>
#include <set>
#include <tuple>
#include <unordered_map>

#include "catalog_file.h"
#endif

#include "catalog_text.h"
#include "ks_texts.h"
#include "libzornaks.h"
#include "terminal_text.h"

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

// ---- Formatting ------------------------------------------------------------------------
//
// A message's text is trusted; its arguments are not: they carry the words of command
// lines, piped input and file names. Each argument that prints text is written with
// its control characters escaped, so that no input reaches a terminal as an escape
// sequence. A message is formatted one conversion at a time for that.

// Appends `spec`, one conversion, formatted with `values`.
template <class... Values>
void append_formatted(std::string &out, const char *spec, Values... values) {
    const int needed = std::snprintf(nullptr, 0, spec, values...);
    if (needed <= 0) return;
    const size_t had = out.size();
    out.resize(had + static_cast<size_t>(needed));
    std::snprintf(out.data() + had, static_cast<size_t>(needed) + 1, spec, values...);
}

// The "*" width and precision a conversion takes before its own argument.
struct Stars {
    int values[2] = {};
    int count = 0;
};

template <class Value>
void append_value(std::string &out, const char *spec, const Stars &stars, Value value) {
    switch (stars.count) {
        case 0: append_formatted(out, spec, value); break;
        case 1: append_formatted(out, spec, stars.values[0], value); break;
        default: append_formatted(out, spec, stars.values[0], stars.values[1], value); break;
    }
}

bool length_is(const vx_catalog::Conversion &conversion, const char *length) {
    return std::strcmp(conversion.length, length) == 0;
}

void append_signed(std::string &out, const char *spec, const Stars &stars, const vx_catalog::Conversion &c,
                   va_list *args) {
    if (length_is(c, "l"))
        append_value(out, spec, stars, va_arg(*args, long));
    else if (length_is(c, "ll") || length_is(c, "q") || length_is(c, "L"))
        append_value(out, spec, stars, va_arg(*args, long long));
    else if (length_is(c, "j"))
        append_value(out, spec, stars, va_arg(*args, intmax_t));
    else if (length_is(c, "z") || length_is(c, "Z") || length_is(c, "t"))
        append_value(out, spec, stars, va_arg(*args, ptrdiff_t));
    else
        append_value(out, spec, stars, va_arg(*args, int));  // "h" and "hh" come promoted
}

void append_unsigned(std::string &out, const char *spec, const Stars &stars, const vx_catalog::Conversion &c,
                     va_list *args) {
    if (length_is(c, "l"))
        append_value(out, spec, stars, va_arg(*args, unsigned long));
    else if (length_is(c, "ll") || length_is(c, "q") || length_is(c, "L"))
        append_value(out, spec, stars, va_arg(*args, unsigned long long));
    else if (length_is(c, "j"))
        append_value(out, spec, stars, va_arg(*args, uintmax_t));
    else if (length_is(c, "z") || length_is(c, "Z") || length_is(c, "t"))
        append_value(out, spec, stars, va_arg(*args, size_t));
    else
        append_value(out, spec, stars, va_arg(*args, unsigned));
}

// Appends one conversion, `spec` ("%-*s"), taking its arguments from `args`; text
// arguments escaped. `saved_errno` is the error "%m" names.
void append_conversion(std::string &out, const char *spec, const vx_catalog::Conversion &c, va_list *args,
                       int saved_errno) {
    Stars stars;
    if (c.star_width) stars.values[stars.count++] = va_arg(*args, int);
    if (c.star_precision) stars.values[stars.count++] = va_arg(*args, int);
    const bool wide = length_is(c, "l") || c.kind == 'C' || c.kind == 'S';
    std::string text;
    switch (c.kind) {
        case 'd': append_signed(out, spec, stars, c, args); return;
        case 'u': append_unsigned(out, spec, stars, c, args); return;
        case 'f':
            if (length_is(c, "L"))
                append_value(out, spec, stars, va_arg(*args, long double));
            else
                append_value(out, spec, stars, va_arg(*args, double));
            return;
        case 'p': append_value(out, spec, stars, va_arg(*args, void *)); return;
        case 'n': (void)va_arg(*args, void *); return;  // no message counts what it wrote
        case 'm':
            errno = saved_errno;
            append_value(out, spec, stars, 0);  // takes no argument; the 0 is passed over
            return;
        case 'c':
        case 'C':
            if (wide)
                append_value(text, spec, stars, static_cast<wint_t>(va_arg(*args, int)));  // passed promoted
            else
                append_value(text, spec, stars, va_arg(*args, int));
            break;
        default:  // 's', 'S'
            if (wide)
                append_value(text, spec, stars, va_arg(*args, const wchar_t *));
            else
                append_value(text, spec, stars, va_arg(*args, const char *));
    }
    out += vx_terminal::escaped(text);
}

// `format` formatted with `args`. False when the format is malformed.
bool format_message(std::string &out, const char *format, va_list args) {
    const int saved_errno = errno;
    va_list taken;
    va_copy(taken, args);
    bool formed = true;
    std::string spec;
    for (const char *p = format; *p != '\0' && formed;) {
        if (p[0] != '%') {
            const char *next = std::strchr(p, '%');
            const size_t length = next != nullptr ? static_cast<size_t>(next - p) : std::strlen(p);
            out.append(p, length);
            p += length;
        } else if (p[1] == '%') {
            out += '%';
            p += 2;
        } else {
            const char *start = p;
            vx_catalog::Conversion conversion;
            formed = vx_catalog::read_conversion(p, conversion);
            if (formed) {
                spec.assign(start, static_cast<size_t>(p - start));
                append_conversion(out, spec.c_str(), conversion, &taken, saved_errno);
            }
        }
    }
    va_end(taken);
    return formed;
}

// A message that could not be put together for lack of memory still leaves a line, one
// that needs none. No exception leaves the facility: its callers are C.
int report_no_memory() {
    std::fputs(facility_text(ImsgText::no_memory_for_message), stderr);
    return 1;
}

// Formats `format` with `args` behind the severity's prefix and writes it in one piece.
int emit_v(int severity, const char *format, va_list args) try {
    std::string message = prefix_for(severity);
    const size_t prefix_length = message.size();
    if (!format_message(message, format, args)) return 1;
    if (message.size() == prefix_length) return 0;
    return write_all(stream_for(severity), message.data(), message.size());
} catch (const std::bad_alloc &) {
    return report_no_memory();
}

// A text of a table that takes no arguments, behind the severity's prefix.
int emit_as_it_stands(int severity, const char *text) try {
    const std::string message = prefix_for(severity) + text;
    return write_all(stream_for(severity), message.data(), message.size());
} catch (const std::bad_alloc &) {
    return report_no_memory();
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
    const nl_catd catalog = vx_catalog::open_catalog(name, VX_PROGRAM_TO_LOCALE);
    open->emplace(name, catalog);
    return catalog;
}

// True the first time message `number` of `set` in catalog `name` is asked about in
// this process.
bool first_time(const char *name, int set, int number) {
    static std::mutex *const guard = new std::mutex;
    static auto *const seen = new std::set<std::tuple<std::string, int, int>>;
    std::lock_guard<std::mutex> lock(*guard);
    return seen->emplace(name, set, number).second;
}

// Tells whoever traces the catalog (VX_TRACE names it, or "all") why its translation of
// a message is not used, once per message and process: a translator otherwise sees
// English and does not learn why. No lock is held while it prints, since the trace's
// own text is looked up like any other.
void trace_refusal(const msg_table_t *table, int index, const char *builtin, const char *text) {
    if (imsg_should_trace(table->catalog_name, 1) == 0) return;
    const int number = table->numbers[index];
    if (!first_time(table->catalog_name, table->set_number, number)) return;
    const ImsgText why = vx_catalog::same_conversions(builtin, text) ? ImsgText::translation_refused_line_end
                                                                     : ImsgText::translation_refused_conversions;
    emit(IMSG_SEV_TRACE, facility_text(why), table->catalog_name, static_cast<int>(table->set_number), number);
}

// The catalog's text for message `index` of `table`, when it may stand in for the
// built-in text (the same conversions, the same line end); otherwise the built-in text.
const char *localized(const msg_table_t *table, int index, const char *builtin) try {
    if (table->catalog_name == nullptr || table->catalog_name[0] == '\0' || table->numbers == nullptr) return builtin;
    const nl_catd catalog = open_catalog(table->catalog_name);
    if (!vx_catalog::is_open(catalog)) return builtin;
    const char *text = catgets(catalog, table->set_number, table->numbers[index], builtin);
    if (text == nullptr || text == builtin) return builtin;
    if (vx_catalog::may_replace(builtin, text)) return text;
    trace_refusal(table, index, builtin, text);
    return builtin;
} catch (const std::bad_alloc &) {
    return builtin;  // no memory to look the catalog up: the built-in text needs none
}

#else

// Windows builds print the built-in texts.
const char *localized(const msg_table_t *, int, const char *builtin) { return builtin; }

#endif

// The settings read from the environment, once per process.
struct TraceSettings {
    std::string facilities;  // ",a,b," so that a name is found as ",name,"
    int verbosity = 0;
    std::string malformed_verbosity;  // a value of VX_VERBOSITY that is no such number
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
            settings.malformed_verbosity = text;  // reported, not taken as 0
    }
    return settings;
}

const TraceSettings &settings() {
    static const TraceSettings once = read_settings();
    // Reported once the settings stand: the report's texts come from a catalog, and a
    // refused translation asks the settings whether to trace it.
    static std::atomic<bool> reported{false};
    if (!once.malformed_verbosity.empty() && !reported.exchange(true))
        emit(IMSG_SEV_ERROR, facility_text(ImsgText::malformed_verbosity), once.malformed_verbosity.c_str());
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
    return emit_as_it_stands(severity, text);
}

const char *imsg_get_text(const msg_table_t *table, int index) {
    const char *text = lookup(table, index);
    return text != nullptr ? localized(table, index, text) : nullptr;
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

int imsg_should_trace(const char *facility, int level) try {
    (void)level;  // a named facility traces at every level
    if (facility == nullptr || facility[0] == '\0' || std::strchr(facility, ',') != nullptr) return 0;
    const std::string &list = settings().facilities;
    if (list.empty()) return 0;
    return list.find(",all,") != std::string::npos || list.find("," + std::string(facility) + ",") != std::string::npos
               ? 1
               : 0;
} catch (const std::bad_alloc &) {
    return 0;  // no memory to read the settings: nothing traced
}

int imsg_get_desired_verbosity(void) {
    try {
        return settings().verbosity;
    } catch (const std::bad_alloc &) {
        return 0;
    }
}

void imsg_set_program_name(const char *name) { g_program_name.store(name, std::memory_order_release); }

}  // extern "C"
