// vexar_describe: run at build time, it describes the syntax of every command of the
// tool and writes the description twice:
//
//   vexar_describe JSON_FILE TABLE_SOURCE PAGE_FOLDER
//
// JSON_FILE for other programs (installed beside the catalog), TABLE_SOURCE a C++
// source compiled into the tool (vexar_syntax.h). PAGE_FOLDER holds the manual pages'
// sources, whose entries give each flag its one-line meaning. Each syntax routine runs on
// the describer's own parser (describing_parser.h), which ends its command line before its
// command is run. The routines print through the message facility below, which keeps
// their usage texts and shows nothing: what they print is not the program's output.

#include <cstdarg>
#include <cstdio>
#include <exception>
#include <string>

#include "describe/syntax_description.h"
#include "dispatch/vexar_purposes.h"
#include "libzornaks.h"
#include "libzornavx_cmdsyn.h"

namespace {

// What the routines printed on standard output (severities 0 and 1) since it was last taken.
std::string g_printed;

std::string take_printed() {
    std::string printed;
    printed.swap(g_printed);
    return printed;
}

std::string formatted(const char *format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, args);
    text.resize(static_cast<size_t>(length));
    return text;
}

bool to_standard_output(int severity) { return severity == IMSG_SEV_PLAIN || severity == IMSG_SEV_PLAIN_CONT; }

bool write_file(const char *path, const std::string &text) {
    std::FILE *out = std::fopen(path, "wb");  // the same bytes on every platform
    if (out == nullptr) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    return std::fclose(out) == 0 && written;
}

}  // namespace

extern "C" {

// The built-in texts of the catalogs, as the routines' own language: a description made
// where a translated catalog is installed stays the same.
int imsg_print(int severity, const void *table_or_format, int index, ...) {
    const char *format = static_cast<const char *>(table_or_format);
    if (index != IMSG_FORMAT_INDEX) {
        const auto *table = static_cast<const msg_table_t *>(table_or_format);
        if (table == nullptr || index < 0 || index >= table->count) return 1;
        format = table->texts[index];
    }
    if (format == nullptr) return 1;
    va_list args;
    va_start(args, index);
    const std::string text = formatted(format, args);
    va_end(args);
    if (to_standard_output(severity)) g_printed += text;
    return 0;
}

int imsg_print_shared(int severity, const char *, const msg_table_t *table, int index) {
    if (table == nullptr || index < 0 || index >= table->count) return 1;
    if (to_standard_output(severity)) g_printed += table->texts[index];
    return 0;
}

const char *imsg_get_text(const msg_table_t *table, int index) {
    return table != nullptr && index >= 0 && index < table->count ? table->texts[index] : nullptr;
}

int imsg_sprintf(char *buffer, const char *format, int index, ...) {
    (void)index;
    va_list args;
    va_start(args, index);
    const int length = std::vsnprintf(buffer, IMSG_SPRINTF_MAX, format, args);
    va_end(args);
    return length;
}

int imsg_should_trace(const char *, int) { return 0; }

int imsg_get_desired_verbosity(void) { return 0; }

void imsg_set_program_name(const char *) {}

}  // extern "C"

int main(int argc, char **argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s JSON_FILE TABLE_SOURCE PAGE_FOLDER\n", argv[0]);
        return 2;
    }
    try {
        std::vector<vxdescribe::CommandDescription> commands =
            vxdescribe::describe({vx_cmdsyn_proc_table, VX_CMDSYN_PROC_SLOTS, vx_cmdsyn_get_cmdflags(),
                                  vxdescribe::library_exports(), vexar::kCommandPurposes, take_printed});
        vxdescribe::add_flag_facts(commands, argv[3]);
        for (const auto &[path, text] : {std::pair{argv[1], vxdescribe::to_json(commands)},
                                         std::pair{argv[2], vxdescribe::to_table_source(commands)}}) {
            if (!write_file(path, text)) {
                std::fprintf(stderr, "%s: cannot write %s\n", argv[0], path);
                return 1;
            }
        }
    } catch (const std::exception &problem) {
        std::fprintf(stderr, "%s: %s\n", argv[0], problem.what());
        return 1;
    }
    return 0;
}
