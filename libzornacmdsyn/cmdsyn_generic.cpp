// The generic commands every tool of the family offers: leaving the interactive mode,
// the working directory, and commands whose work lies elsewhere, which here only
// report the words they were given, as one JSON line like a command record.

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "cmdsyn_texts.h"
#include "json_line.h"
#include "libzornacmdsyn.h"

namespace {

constexpr int32_t kSyntaxError = 1001;

std::atomic<bool> g_quit_requested{false};

using zornacmdsyn::print;
using zornacmdsyn::Text;

bool usage_requested(uint32_t dispatch_flags) { return (dispatch_flags & SYNTAX_USAGE_BITS) != 0; }

int32_t serve_usage(Text usage) {
    print(IMSG_SEV_PLAIN, usage);
    return 0;
}

const char *next_word(clp_parser_t *parser) {
    const char *word = nullptr;
    return clp_get_next_arg(parser, &word) == CLP_OK ? word : nullptr;
}

// A word left over after everything the command takes: reported with the usage.
bool refuse_extra_word(clp_parser_t *parser, const char *command, Text usage) {
    const char *extra = next_word(parser);
    if (extra == nullptr) return false;
    print(IMSG_SEV_ERROR, Text::unexpected_argument, command, extra);
    print(IMSG_SEV_USAGE, usage);
    return true;
}

// {"command": ..., "words": [...]} on one line of standard output, put together as the
// words are read: no tree of the record (whose teardown itself allocates) is built.
int32_t report_words(clp_parser_t *parser, uint32_t dispatch_flags, const char *command, Text usage) try {
    if (usage_requested(dispatch_flags)) return serve_usage(usage);
    std::string line = "{\"command\":";
    vx_json::append_string(line, command);
    line += ",\"words\":[";
    // Texts are the user's: bytes that are not UTF-8 are escaped, never refused.
    for (const char *separator = ""; const char *word = next_word(parser); separator = ",") {
        line += separator;
        vx_json::append_string(line, word);
    }
    line += "]}\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
    return 0;
} catch (const std::bad_alloc &) {
    return zornacmdsyn::out_of_memory();
}

}  // namespace

extern "C" {

int cmdsyn_quit_requested(void) { return g_quit_requested.load() ? 1 : 0; }

int32_t cmdsyn_quit(clp_parser_t * /*parser*/, stg_area_t * /*area*/, uint32_t dispatch_flags) {
    if (usage_requested(dispatch_flags)) return serve_usage(Text::quit_usage);
    g_quit_requested.store(true);
    return 0;
}

int32_t cmdsyn_cd(clp_parser_t *parser, stg_area_t * /*area*/, uint32_t dispatch_flags) {
    constexpr Text kUsage = Text::cd_usage;
    if (usage_requested(dispatch_flags)) return serve_usage(kUsage);

    const char *directory = next_word(parser);
    if (refuse_extra_word(parser, "cd", kUsage)) return kSyntaxError;
    if (directory == nullptr) directory = std::getenv("HOME");
    if (directory == nullptr) {
        print(IMSG_SEV_ERROR, Text::cd_without_home);
        return 1;
    }
    if (chdir(directory) != 0) {
        print(IMSG_SEV_ERROR, Text::cd_failed, directory, std::strerror(errno));
        return 1;
    }
    return 0;
}

int32_t cmdsyn_pwd(clp_parser_t *parser, stg_area_t * /*area*/, uint32_t dispatch_flags) try {
    constexpr Text kUsage = Text::pwd_usage;
    if (usage_requested(dispatch_flags)) return serve_usage(kUsage);
    if (refuse_extra_word(parser, "pwd", kUsage)) return kSyntaxError;

    // A buffer grown until the folder's name fits.
    std::string here(256, '\0');
    while (getcwd(here.data(), here.size()) == nullptr) {
        if (errno != ERANGE) {
            print(IMSG_SEV_ERROR, Text::pwd_failed, std::strerror(errno));
            return 1;
        }
        here.resize(here.size() * 2);
    }
    imsg_print(IMSG_SEV_PLAIN, "%s\n", IMSG_FORMAT_INDEX, here.c_str());
    return 0;
} catch (const std::bad_alloc &) {
    return zornacmdsyn::out_of_memory();
}

int32_t cmdsyn_shell(clp_parser_t *parser, stg_area_t * /*area*/, uint32_t dispatch_flags) {
    return report_words(parser, dispatch_flags, "shell", Text::shell_usage);
}

int32_t cmdsyn_lstype(clp_parser_t *parser, stg_area_t * /*area*/, uint32_t dispatch_flags) {
    return report_words(parser, dispatch_flags, "lstype", Text::lstype_usage);
}

int32_t cmdsyn_rmtype(clp_parser_t *parser, stg_area_t * /*area*/, uint32_t dispatch_flags) {
    return report_words(parser, dispatch_flags, "rmtype", Text::rmtype_usage);
}

int32_t cmdsyn_lsreplica(clp_parser_t *parser, stg_area_t * /*area*/, uint32_t dispatch_flags) {
    return report_words(parser, dispatch_flags, "lsreplica", Text::lsreplica_usage);
}

int32_t cmdsyn_chmaster(clp_parser_t *parser, stg_area_t * /*area*/, uint32_t dispatch_flags) {
    return report_words(parser, dispatch_flags, "chmaster", Text::chmaster_usage);
}

int32_t cmdsyn_lsmaster(clp_parser_t *parser, stg_area_t * /*area*/, uint32_t dispatch_flags) {
    return report_words(parser, dispatch_flags, "lsmaster", Text::lsmaster_usage);
}

int32_t cmdsyn_reqmaster(clp_parser_t *parser, stg_area_t * /*area*/, uint32_t dispatch_flags) {
    return report_words(parser, dispatch_flags, "reqmaster", Text::reqmaster_usage);
}

int32_t cmdsyn_describe(clp_parser_t *parser, stg_area_t * /*area*/, uint32_t dispatch_flags) {
    return report_words(parser, dispatch_flags, "describe", Text::describe_usage);
}

int32_t cmdsyn_rename(clp_parser_t *parser, stg_area_t * /*area*/, uint32_t dispatch_flags) {
    return report_words(parser, dispatch_flags, "rename", Text::rename_usage);
}

}  // extern "C"
