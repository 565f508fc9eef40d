// The generic commands every tool of the family offers: leaving the interactive mode,
// the working directory, and commands whose work lies elsewhere, which here only
// report the words they were given, as one JSON line like a command record.

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <nlohmann/json.hpp>
#include <string>

#include "json_line.h"
#include "libzornacmdsyn.h"

namespace {

constexpr int32_t kSyntaxError = 1001;

std::atomic<bool> g_quit_requested{false};

void say(int severity, const char *text) { imsg_print(severity, "%s", IMSG_FORMAT_INDEX, text); }

bool usage_requested(uint32_t dispatch_flags) { return (dispatch_flags & SYNTAX_USAGE_BITS) != 0; }

int32_t serve_usage(const char *usage) {
    say(IMSG_SEV_PLAIN, usage);
    return 0;
}

const char *next_word(clp_parser_t *parser) {
    const char *word = nullptr;
    return clp_get_next_arg(parser, &word) == CLP_OK ? word : nullptr;
}

// A word left over after everything the command takes: reported with the usage.
bool refuse_extra_word(clp_parser_t *parser, const char *command, const char *usage) {
    const char *extra = next_word(parser);
    if (extra == nullptr) return false;
    imsg_print(IMSG_SEV_ERROR, "%s: unexpected argument \"%s\"\n", IMSG_FORMAT_INDEX, command, extra);
    say(IMSG_SEV_USAGE, usage);
    return true;
}

// {"command": ..., "words": [...]} on one line of standard output.
int32_t report_words(clp_parser_t *parser, uint32_t dispatch_flags, const char *command, const char *usage) {
    if (usage_requested(dispatch_flags)) return serve_usage(usage);
    nlohmann::ordered_json record;
    record["command"] = command;
    record["words"] = nlohmann::ordered_json::array();
    while (const char *word = next_word(parser)) record["words"].push_back(word);
    // Texts are the user's: bytes that are not UTF-8 are escaped, never refused.
    std::string line = vx_json::line(record);
    line.push_back('\n');
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
    return 0;
}

}  // namespace

extern "C" {

int cmdsyn_quit_requested(void) { return g_quit_requested.load() ? 1 : 0; }

int32_t cmdsyn_quit(clp_parser_t * /*parser*/, stg_area_t * /*area*/, uint32_t dispatch_flags) {
    if (usage_requested(dispatch_flags)) return serve_usage("Usage: quit\n");
    g_quit_requested.store(true);
    return 0;
}

int32_t cmdsyn_cd(clp_parser_t *parser, stg_area_t * /*area*/, uint32_t dispatch_flags) {
    constexpr const char *kUsage = "Usage: cd [directory]\n";
    if (usage_requested(dispatch_flags)) return serve_usage(kUsage);

    const char *directory = next_word(parser);
    if (refuse_extra_word(parser, "cd", kUsage)) return kSyntaxError;
    if (directory == nullptr) directory = std::getenv("HOME");
    if (directory == nullptr) {
        say(IMSG_SEV_ERROR, "cd: no directory given and HOME is not set\n");
        return 1;
    }
    if (chdir(directory) != 0) {
        imsg_print(IMSG_SEV_ERROR, "cd: cannot change to \"%s\": %s\n", IMSG_FORMAT_INDEX, directory,
                   std::strerror(errno));
        return 1;
    }
    return 0;
}

int32_t cmdsyn_pwd(clp_parser_t *parser, stg_area_t * /*area*/, uint32_t dispatch_flags) {
    constexpr const char *kUsage = "Usage: pwd\n";
    if (usage_requested(dispatch_flags)) return serve_usage(kUsage);
    if (refuse_extra_word(parser, "pwd", kUsage)) return kSyntaxError;

    // A buffer grown until the folder's name fits.
    std::string here(256, '\0');
    while (getcwd(here.data(), here.size()) == nullptr) {
        if (errno != ERANGE) {
            imsg_print(IMSG_SEV_ERROR, "pwd: %s\n", IMSG_FORMAT_INDEX, std::strerror(errno));
            return 1;
        }
        here.resize(here.size() * 2);
    }
    imsg_print(IMSG_SEV_PLAIN, "%s\n", IMSG_FORMAT_INDEX, here.c_str());
    return 0;
}

int32_t cmdsyn_shell(clp_parser_t *parser, stg_area_t * /*area*/, uint32_t dispatch_flags) {
    return report_words(parser, dispatch_flags, "shell", "Usage: shell [command [argument ...]]\n");
}

int32_t cmdsyn_lstype(clp_parser_t *parser, stg_area_t * /*area*/, uint32_t dispatch_flags) {
    return report_words(parser, dispatch_flags, "lstype", "Usage: lstype [type-selector ...]\n");
}

int32_t cmdsyn_rmtype(clp_parser_t *parser, stg_area_t * /*area*/, uint32_t dispatch_flags) {
    return report_words(parser, dispatch_flags, "rmtype", "Usage: rmtype type-selector ...\n");
}

int32_t cmdsyn_lsreplica(clp_parser_t *parser, stg_area_t * /*area*/, uint32_t dispatch_flags) {
    return report_words(parser, dispatch_flags, "lsreplica", "Usage: lsreplica [replica-selector ...]\n");
}

int32_t cmdsyn_chmaster(clp_parser_t *parser, stg_area_t * /*area*/, uint32_t dispatch_flags) {
    return report_words(parser, dispatch_flags, "chmaster", "Usage: chmaster master-replica-selector object ...\n");
}

int32_t cmdsyn_lsmaster(clp_parser_t *parser, stg_area_t * /*area*/, uint32_t dispatch_flags) {
    return report_words(parser, dispatch_flags, "lsmaster", "Usage: lsmaster [object ...]\n");
}

int32_t cmdsyn_reqmaster(clp_parser_t *parser, stg_area_t * /*area*/, uint32_t dispatch_flags) {
    return report_words(parser, dispatch_flags, "reqmaster", "Usage: reqmaster object ...\n");
}

int32_t cmdsyn_describe(clp_parser_t *parser, stg_area_t * /*area*/, uint32_t dispatch_flags) {
    return report_words(parser, dispatch_flags, "describe", "Usage: describe [object ...]\n");
}

int32_t cmdsyn_rename(clp_parser_t *parser, stg_area_t * /*area*/, uint32_t dispatch_flags) {
    return report_words(parser, dispatch_flags, "rename", "Usage: rename old-name new-name\n");
}

}  // extern "C"
