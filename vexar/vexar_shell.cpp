#include "vexar_shell.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "libzornacmdsyn.h"
#include "libzornaks.h"
#include "vexar_dispatch.h"
#include "vexar_editline.h"
#include "vexar_interrupt.h"
#include "vexar_line.h"
#include "vexar_messages.h"
#include "vexar_output.h"

namespace vexar {
namespace {

constexpr const char *kPrompt = "vexar> ";

#if defined(_WIN32)
// The Windows C library has no getline: the same, one character at a time. The input
// is in text mode, so "\r\n" arrives as "\n".
ssize_t getline(char **line, std::size_t *capacity, std::FILE *input) {
    std::size_t length = 0;
    for (int c = std::getc(input); c != EOF; c = std::getc(input)) {
        if (length + 2 > *capacity) {
            const std::size_t grown = *capacity < 128 ? 128 : *capacity * 2;
            char *bigger = static_cast<char *>(std::realloc(*line, grown));
            if (bigger == nullptr) return -1;
            *line = bigger;
            *capacity = grown;
        }
        (*line)[length++] = static_cast<char>(c);
        if (c == '\n') break;
    }
    if (length == 0) return -1;
    (*line)[length] = '\0';
    return static_cast<ssize_t>(length);
}
#endif

// The next line of `input`, or -1 at its end. At a terminal a prompt comes first, and
// Ctrl-C drops the line being typed (the terminal throws it away) and prompts again.
ssize_t read_line(char **line, std::size_t *capacity, std::FILE *input, bool prompt) {
    if (!prompt) return getline(line, capacity, input);
    for (;;) {
        const PromptRead at_prompt;
        std::fputs(kPrompt, stdout);
        std::fflush(stdout);
        const ssize_t length = getline(line, capacity, input);
        if (length >= 0 || !at_prompt.interrupted()) return length;
        std::clearerr(input);
        std::fputc('\n', stdout);
    }
}

// Reads and runs lines until quit, exit, the end of `input` or a failure to read it or
// to write standard output.
int run_plain_lines(stg_area_t *area, std::FILE *input, bool prompt) {
    char *line = nullptr;
    std::size_t capacity = 0;
    int status = kExitOk;
    while (!cmdsyn_quit_requested()) {
        const ssize_t length = read_line(&line, &capacity, input, prompt);
        if (length < 0) {
            if (std::ferror(input) != 0) {
                report(ToolText::input_failed, std::strerror(errno));
                status = kExitSyntax;
            } else if (prompt) {
                std::fputc('\n', stdout);  // leave the terminal on a fresh line
            }
            break;
        }
        std::string_view typed(line, static_cast<std::size_t>(length));
        if (typed.ends_with('\n')) typed.remove_suffix(1);
        // A failing command does not end the session; its messages said enough.
        run_command_line(area, typed);
        stg_area_reset(area);
        // Records and messages of one command appear before the next command's, even
        // when standard output is a pipe; output that can no longer be written ends it.
        if (!standard_output_written()) {
            status = kExitFailed;
            break;
        }
    }
    std::free(line);
    return status;
}

}  // namespace

int run_shell(std::FILE *input) {
    const bool prompt = isatty(fileno(input)) != 0;
    stg_area_t *area = stg_area_create();
    if (area == nullptr) {
        report(ToolText::no_memory_for_commands);
        return kExitFailed;
    }
    // The line editor needs a terminal to draw on: with output to a pipe or a file the
    // lines are read plainly even at a terminal.
    if (prompt && isatty(fileno(stdout)) != 0 && line_editing_available()) {
        run_edited_session(input, stdout, [area](std::string_view line) {
            run_command_line(area, line);
            stg_area_reset(area);
            standard_output_written();
        });
        stg_area_release(area);
        return kExitOk;
    }
    const int status = run_plain_lines(area, input, prompt);
    stg_area_release(area);
    return status;
}

}  // namespace vexar
