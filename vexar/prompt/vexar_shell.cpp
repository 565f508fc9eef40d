#include "prompt/vexar_shell.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dispatch/vexar_dispatch.h"
#include "dispatch/vexar_messages.h"
#include "dispatch/vexar_output.h"
#include "input/vexar_line.h"
#include "libzornacmdsyn.h"
#include "libzornaks.h"
#include "prompt/vexar_editline.h"
#include "prompt/vexar_interrupt.h"

namespace vexar {
namespace {

#if defined(_WIN32)
constexpr const char *kEndOfInputKey = "Ctrl-Z";
#else
constexpr const char *kEndOfInputKey = "Ctrl-D";
#endif

// Where a session at a terminal writes its prompt: standard output when that is a
// terminal; else the terminal the input comes from, opened by its name, so that output
// sent to a pipe or a file holds what the commands print and nothing else. Not
// /dev/tty: that is the controlling terminal, which may be another one or none at all;
// nor standard error, which may go to a log. Nowhere when that terminal cannot be
// opened: a missing prompt is better than one in the output.
class PromptOutput {
  public:
    explicit PromptOutput(std::FILE *input) {
        if (isatty(fileno(stdout)) != 0) {
            stream_ = stdout;
            return;
        }
#if defined(_WIN32)
        (void)input;
        opened_ = std::fopen("CONOUT$", "w");
#else
        const char *name = ttyname(fileno(input));
        const int terminal = name != nullptr ? open(name, O_WRONLY | O_NOCTTY | O_CLOEXEC) : -1;
        opened_ = terminal >= 0 ? fdopen(terminal, "w") : nullptr;
        if (terminal >= 0 && opened_ == nullptr) close(terminal);
#endif
        stream_ = opened_;
    }
    ~PromptOutput() {
        if (opened_ != nullptr) std::fclose(opened_);
    }
    PromptOutput(const PromptOutput &) = delete;
    PromptOutput &operator=(const PromptOutput &) = delete;

    // Shows `text` at once, before the read that follows waits.
    void show(const char *text) const {
        if (stream_ == nullptr) return;
        std::fputs(text, stream_);
        std::fflush(stream_);
    }
    std::FILE *stream() const { return stream_; }

  private:
    std::FILE *opened_ = nullptr;
    std::FILE *stream_ = nullptr;
};

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

// The next line of `input`, or -1 at its end. At a terminal (`prompt` given) a prompt
// comes first, and Ctrl-C drops the line being typed (the terminal throws it away) and
// prompts again.
ssize_t read_line(char **line, std::size_t *capacity, std::FILE *input, const PromptOutput *prompt) {
    if (prompt == nullptr) return getline(line, capacity, input);
    for (;;) {
        const PromptRead at_prompt;
        std::fflush(stdout);  // what the last command printed comes before the prompt
        prompt->show(kPrompt);
        const ssize_t length = getline(line, capacity, input);
        if (length >= 0 || !at_prompt.interrupted()) return length;
        std::clearerr(input);
        prompt->show("\n");
    }
}

// Reads and runs lines until quit, exit, the end of `input` or a failure to read it or
// to write standard output.
int run_plain_lines(stg_area_t *area, std::FILE *input, const PromptOutput *prompt) {
    char *line = nullptr;
    std::size_t capacity = 0;
    int status = kExitOk;
    while (!cmdsyn_quit_requested()) {
        const ssize_t length = read_line(&line, &capacity, input, prompt);
        if (length < 0) {
            if (std::ferror(input) != 0) {
                report(ToolText::input_failed, std::strerror(errno));
                status = kExitSyntax;
            } else if (prompt != nullptr) {
                prompt->show("\n");  // leave the terminal on a fresh line
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
    stg_area_t *area = stg_area_create();
    if (area == nullptr) {
        report(ToolText::no_memory_for_commands);
        return kExitFailed;
    }
    if (isatty(fileno(input)) == 0) {
        const int status = run_plain_lines(area, input, nullptr);
        stg_area_release(area);
        return status;
    }
    const PromptOutput prompt(input);
    prompt.show(tool_text(ToolText::session_greeting, kEndOfInputKey).c_str());
    // The line editor needs a terminal to draw on: with output to a pipe or a file the
    // lines are read plainly even at a terminal.
    if (prompt.stream() == stdout && line_editing_available()) {
        run_edited_session(input, stdout, [area](std::string_view line) {
            run_command_line(area, line);
            stg_area_reset(area);
            standard_output_written();
        });
        stg_area_release(area);
        return kExitOk;
    }
    const int status = run_plain_lines(area, input, &prompt);
    stg_area_release(area);
    return status;
}

}  // namespace vexar
