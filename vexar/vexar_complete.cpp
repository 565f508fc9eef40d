#include "vexar_complete.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string_view>

#if !defined(_WIN32)
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "libzornacmdsyn.h"
#include "libzornaks.h"
#include "libzornavx_cmdsyn.h"
#include "vexar_dispatch.h"

namespace vexar {
namespace {

constexpr const char *kCompleteWords = "--complete-words";
constexpr const char *kCompleteFlags = "--complete-flags";
constexpr const char *kComplete = "--complete";

// Catalog message "Unrecognized command: ...".
constexpr int kMsgUnrecognizedCommand = 24;

// A probe that has not answered by then is given up: a tab key must not hang.
constexpr int kProbeTimeoutMs = 3000;

// "mkreplica" for the keyword "mkrep[lica]".
std::string full_word(const char *keyword) {
    std::string word;
    for (const char *c = keyword; *c != '\0'; ++c)
        if (*c != '[' && *c != ']') word += *c;
    return word;
}

bool is_plain_name(const std::string &word) {
    return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    });
}

bool begins_with(const std::string &text, const std::string &start) {
    return text.compare(0, start.size(), start) == 0;
}

std::vector<std::string> beginning_with(const std::vector<std::string> &candidates, const std::string &current) {
    std::vector<std::string> found;
    for (const std::string &candidate : candidates)
        if (begins_with(candidate, current)) found.push_back(candidate);
    return found;
}

// The full names of the flag table the slot's routine installs, one per line: the
// routine runs on a capturing parser, which keeps the table and refuses it.
[[maybe_unused]] std::string captured_names(int32_t slot) {
    std::string names;
    stg_area_t *area = stg_area_create();
    clp_parser_t *parser = area != nullptr ? clp_parser_create_capture(area) : nullptr;
    if (parser != nullptr) {
        vx_cmdsyn_proc_table[slot].routine(parser, area, 0);
        for (int i = 0; const char *name = clp_captured_flag(parser, i); ++i) names += std::string(name) + "\n";
    }
    stg_area_release(area);
    return names;
}

#if !defined(_WIN32)

// A routine without a flag table goes on to do its work with the capturing parser (cd
// changes directory, quit ends the session, others print), so the probe runs in a
// child of its own, with its input and output on /dev/null; only the names come back.
std::string probe_in_child(int32_t slot) {
    int channel[2];
    if (pipe(channel) != 0) return std::string();
    std::fflush(stdout);  // nothing buffered is written twice
    std::fflush(stderr);
    const pid_t child = fork();
    if (child < 0) {
        close(channel[0]);
        close(channel[1]);
        return std::string();
    }
    if (child == 0) {
        close(channel[0]);
        const int null = open("/dev/null", O_RDWR);
        if (null >= 0) {
            dup2(null, STDIN_FILENO);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        const std::string names = captured_names(slot);
        for (std::size_t written = 0; written < names.size();) {
            const ssize_t n = write(channel[1], names.data() + written, names.size() - written);
            if (n <= 0) break;
            written += static_cast<std::size_t>(n);
        }
        _exit(0);
    }
    close(channel[1]);
    std::string names;
    pollfd wait_for{channel[0], POLLIN, 0};
    while (poll(&wait_for, 1, kProbeTimeoutMs) > 0) {
        char buffer[4096];
        const ssize_t n = read(channel[0], buffer, sizeof buffer);
        if (n <= 0) break;
        names.append(buffer, static_cast<std::size_t>(n));
    }
    close(channel[0]);
    kill(child, SIGKILL);  // a child still busy after the time-out; harmless once it has exited
    waitpid(child, nullptr, 0);
    return names;
}

#else

// Windows builds have no completion scripts and no line editing to serve.
std::string probe_in_child(int32_t) { return std::string(); }

#endif

std::vector<std::string> lines_of(const std::string &text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

// help and man take a command word.
bool takes_command_word(int32_t slot) {
    const cmd_syntax_routine_t routine = vx_cmdsyn_proc_table[slot].routine;
    return routine == vx_cmdsyn_help || routine == vx_cmdsyn_man;
}

void print_lines(const std::vector<std::string> &lines) {
    for (const std::string &line : lines) std::printf("%s\n", line.c_str());
}

}  // namespace

std::vector<std::string> command_words() {
    std::vector<std::string> words;
    for (const cmd_keyword_t *table : {vx_cmdsyn_get_cmdflags(), own_keywords()})
        for (const cmd_keyword_t *row = table; row->keyword != nullptr; ++row) {
            std::string word = full_word(row->keyword);
            if (is_plain_name(word)) words.push_back(std::move(word));
        }
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    return words;
}

std::vector<std::string> command_flags(const char *word) {
    const int32_t slot = find_slot(word);
    if (slot < 0 || vx_cmdsyn_proc_table[slot].routine == nullptr) return {};
    // A session asks again at every tab key; a slot's table never changes.
    static std::map<int32_t, std::vector<std::string>> known;
    const auto found = known.find(slot);
    if (found != known.end()) return found->second;
    return known[slot] = lines_of(probe_in_child(slot));
}

std::vector<std::string> completions(const std::vector<std::string> &before, const std::string &current) {
    if (before.empty()) return beginning_with(command_words(), current);
    const int32_t slot = find_slot(before[0].c_str());
    if (slot < 0) return {};
    if (before.size() == 1 && takes_command_word(slot)) return beginning_with(command_words(), current);
    const bool flags_ended = std::find(before.begin() + 1, before.end(), "--") != before.end();
    if (current.empty() || current[0] != '-' || flags_ended) return {};
    return beginning_with(command_flags(before[0].c_str()), current);
}

bool is_completion_mode(const char *word) {
    return std::strcmp(word, kCompleteWords) == 0 || std::strcmp(word, kCompleteFlags) == 0 ||
           std::strcmp(word, kComplete) == 0;
}

int run_completion_mode(int count, const char *const *words) {
    const std::string_view mode = words[0];
    if (mode == kCompleteWords && count == 1) {
        print_lines(command_words());
        return kExitOk;
    }
    if (mode == kCompleteFlags && count == 2) {
        if (find_slot(words[1]) < 0) {
            imsg_print(IMSG_SEV_ERROR, _vx_cmdsyn_vexar_msg_table_adr(), kMsgUnrecognizedCommand, words[1]);
            return kExitSyntax;
        }
        print_lines(command_flags(words[1]));
        return kExitOk;
    }
    if (mode == kComplete && count >= 2) {
        // The last word is the one under the cursor, possibly empty.
        const std::vector<std::string> before(words + 1, words + count - 1);
        print_lines(completions(before, words[count - 1]));
        return kExitOk;
    }
    imsg_print(IMSG_SEV_ERROR, "Usage: vexar --complete-words | --complete-flags WORD | --complete WORD... CURRENT\n",
               IMSG_FORMAT_INDEX);
    return kExitSyntax;
}

}  // namespace vexar
