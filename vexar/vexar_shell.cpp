#include "vexar_shell.h"

#include <unistd.h>

#include <cstdlib>
#include <string_view>
#include <vector>

#include "libzornacmdsyn.h"
#include "libzornaks.h"
#include "vexar_dispatch.h"
#include "vexar_words.h"

namespace vexar {
namespace {

constexpr const char *kPrompt = "vexar> ";

// Splits one line and runs it; a line that cannot be split is reported and skipped.
void run_line(stg_area_t *area, std::string_view line) {
    if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
    const SplitLine split = split_words(line);
    if (split.error != SplitError::none) {
        const char *kind = split.error == SplitError::unterminated_single_quote ? "single" : "double";
        imsg_print(IMSG_SEV_ERROR, "Missing closing %s quote; the line was not run.\n", IMSG_FORMAT_INDEX, kind);
        return;
    }
    if (split.words.empty()) return;

    std::vector<const char *> words;
    words.reserve(split.words.size());
    for (const std::string &word : split.words) words.push_back(word.c_str());
    // A failing command does not end the session; its messages said enough.
    dispatch(area, static_cast<int>(words.size()), words.data());
}

}  // namespace

int run_shell(std::FILE *input) {
    const bool prompt = isatty(fileno(input)) != 0;
    stg_area_t *area = stg_area_create();
    if (area == nullptr) {
        imsg_print(IMSG_SEV_ERROR, "Not enough memory to run commands.\n", IMSG_FORMAT_INDEX);
        return kExitFailed;
    }

    char *line = nullptr;
    std::size_t capacity = 0;
    while (!cmdsyn_quit_requested()) {
        if (prompt) {
            std::fputs(kPrompt, stdout);
            std::fflush(stdout);
        }
        const ssize_t length = getline(&line, &capacity, input);
        if (length < 0) {
            if (prompt) std::fputc('\n', stdout);  // leave the terminal on a fresh line
            break;
        }
        run_line(area, std::string_view(line, static_cast<std::size_t>(length)));
        stg_area_reset(area);
        // Records and messages of one command appear before the next command's, even
        // when standard output is a pipe.
        std::fflush(stdout);
    }
    std::free(line);
    stg_area_release(area);
    return kExitOk;
}

}  // namespace vexar
