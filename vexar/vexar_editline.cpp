#include "vexar_editline.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "libzornacmdsyn.h"
#include "vexar_complete.h"
#include "vexar_filenames.h"
#include "vexar_password.h"
#include "vexar_words.h"

#if VX_HAVE_LIBEDIT
#include <dlfcn.h>
#include <fcntl.h>
#include <histedit.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "vexar_interrupt.h"
#endif

namespace vexar {

#if VX_HAVE_LIBEDIT

namespace {

// The line editor is loaded when an interactive session at a terminal begins, not at
// every start of the tool: a one-shot command never pays for loading it and its
// libraries. Without it, sessions read plain lines.
// clang-format off
#define VX_LINE_EDITOR_FUNCTIONS(X)                                                             \
    X(el_init) X(el_end) X(el_set) X(el_wset) X(el_get) X(el_gets) X(el_line) X(el_insertstr) \
    X(el_source) X(history_init) X(history_end) X(history)
// clang-format on

struct LineEditor {
#define VX_DECLARE(name) decltype(&::name) name;
    VX_LINE_EDITOR_FUNCTIONS(VX_DECLARE)
#undef VX_DECLARE
};

const LineEditor *load_line_editor() {
    void *library = dlopen(VX_LIBEDIT_SONAME, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return nullptr;
    static LineEditor editor;
    bool complete = true;
#define VX_BIND(name)                                                         \
    editor.name = reinterpret_cast<decltype(&::name)>(dlsym(library, #name)); \
    complete = complete && editor.name != nullptr;
    VX_LINE_EDITOR_FUNCTIONS(VX_BIND)
#undef VX_BIND
    return complete ? &editor : nullptr;
}

// The loaded editor, or nullptr when it cannot be loaded.
const LineEditor *line_editor() {
    static const LineEditor *const editor = load_line_editor();
    return editor;
}

constexpr const char *kPrompt = "vexar> ";
constexpr const char *kHistoryName = "/.vexar_history";
constexpr int kHistorySize = 1000;

const char *prompt_of(EditLine *) { return kPrompt; }

// ~/.vexar_history; "" without a home, when the history stays in memory.
std::string history_path() {
    const char *home = std::getenv("HOME");
    return home != nullptr && home[0] != '\0' ? std::string(home) + kHistoryName : std::string();
}

// ---- The history file ----------------------------------------------------------------
//
// ~/.vexar_history is read and written only as a regular file of its own: a symbolic link
// there is never followed (neither read through nor written through), and anything else
// that stands there is left alone. A new history is written beside it and renamed over
// it, so that a crash or a full disk leaves the old one whole; a file the tool did not
// create keeps the mode it had, one it creates is readable by the user only.

void load_history(const LineEditor &ed, History *past, const std::string &path) {
    const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return;  // none yet, or a link
    struct stat info {};
    HistEvent event;
    // The file opened, not whatever stands at the path by now.
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
        ed.history(past, &event, H_LOAD, ("/dev/fd/" + std::to_string(fd)).c_str());
    close(fd);
}

bool save_history(const LineEditor &ed, History *past, const std::string &path) {
    struct stat before {};
    const bool existed = lstat(path.c_str(), &before) == 0;
    if (existed && !S_ISREG(before.st_mode)) return false;
    if (!existed && errno != ENOENT) return false;
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());  // a new file, mode 0600
    if (fd < 0) return false;
    std::FILE *out = fdopen(fd, "w");
    if (out == nullptr) {
        close(fd);
        unlink(temporary.c_str());
        return false;
    }
    HistEvent event;
    bool written = ed.history(past, &event, H_SAVE_FP, out) >= 0;
    // The editor makes what it writes 0600; a history the user made keeps its mode.
    if (existed) written = fchmod(fd, before.st_mode & 07777) == 0 && written;
    written = std::fflush(out) == 0 && std::ferror(out) == 0 && fsync(fd) == 0 && written;
    written = std::fclose(out) == 0 && written;
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

std::string common_start(const std::vector<std::string> &candidates) {
    std::string common = candidates.front();
    for (const std::string &candidate : candidates) {
        std::size_t same = 0;
        while (same < common.size() && same < candidate.size() && common[same] == candidate[same]) ++same;
        common.resize(same);
    }
    return common;
}

// The tab key: a command word, a flag, or else a file name for an operand. A single
// candidate is completed with a blank after it (a folder with its "/"); several are
// completed as far as they agree, and listed below the line when they agree no further.
unsigned char complete_key(EditLine *editor, int) {
    const LineEditor &ed = *line_editor();
    const LineInfo *line = ed.el_line(editor);
    const std::string_view typed(line->buffer, static_cast<std::size_t>(line->cursor - line->buffer));
    const std::size_t start = typed.find_last_of(" \t") + 1;  // 0 when there is no blank
    const SplitLine before = split_words(typed.substr(0, start));
    if (before.error != SplitError::none) return CC_ERROR;
    const std::string current(typed.substr(start));

    std::vector<std::string> candidates = completions(before.words, current);
    if (candidates.empty()) candidates = operand_completions(before.words, current);
    if (candidates.empty()) return CC_ERROR;
    const std::string common = common_start(candidates);
    if (candidates.size() == 1) {
        // A folder is completed up to its "/", ready for a name in it.
        const bool folder = common.back() == '/';
        ed.el_insertstr(editor, (common.substr(current.size()) + (folder ? "" : " ")).c_str());
        return CC_REFRESH;
    }
    if (common.size() > current.size()) {
        ed.el_insertstr(editor, common.substr(current.size()).c_str());
        return CC_REFRESH;
    }
    std::FILE *out = nullptr;
    ed.el_get(editor, EL_GETFP, 1, &out);
    if (out == nullptr) return CC_ERROR;
    std::fputc('\n', out);
    for (const std::string &candidate : candidates) std::fprintf(out, "%s  ", candidate.c_str());
    std::fputc('\n', out);
    std::fflush(out);
    return CC_REDISPLAY;
}

}  // namespace

bool line_editing_available() { return line_editor() != nullptr; }

void run_edited_session(std::FILE *input, std::FILE *output, const std::function<void(std::string_view)> &run) {
    const LineEditor &ed = *line_editor();
    EditLine *editor = ed.el_init("vexar", input, output, stderr);
    History *past = ed.history_init();
    HistEvent event;
    ed.history(past, &event, H_SETSIZE, kHistorySize);
    ed.history(past, &event, H_SETUNIQUE, 1);
    const std::string path = history_path();
    if (!path.empty()) load_history(ed, past, path);

    ed.el_set(editor, EL_EDITOR, "emacs");
    ed.el_set(editor, EL_SIGNAL, 1);  // the terminal is restored when a signal ends the tool
    ed.el_set(editor, EL_PROMPT, prompt_of);
    ed.el_set(editor, EL_HIST, ed.history, past);
    // The wide form takes the names as they are; the narrow one copies them and never
    // frees the copies.
    ed.el_wset(editor, EL_ADDFN, L"vexar-complete", L"Complete a command word or a flag", complete_key);
    ed.el_set(editor, EL_BIND, "^I", "vexar-complete", nullptr);
    ed.el_source(editor, nullptr);  // the user's ~/.editrc, as every libedit program reads it

    while (!cmdsyn_quit_requested()) {
        int length = 0;
        const char *text = nullptr;
        {
            const PromptRead at_prompt;
            text = ed.el_gets(editor, &length);
            // The read returns nothing when Ctrl-C cut it short.
            if ((text == nullptr || length <= 0) && at_prompt.interrupted()) {
                // Ctrl-C: the line being typed is dropped and a fresh prompt shown.
                std::fputs("^C\n", output);
                std::fflush(output);
                continue;
            }
        }
        if (text == nullptr || length <= 0) {
            std::fputc('\n', output);  // leave the terminal on a fresh line
            break;
        }
        std::string_view line(text, static_cast<std::size_t>(length));
        if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
        const std::string kept(line);
        // Kept without the blanks a completion leaves at the end, so that a line
        // recalled and run again is not kept twice.
        const std::size_t last = kept.find_last_not_of(" \t");
        if (last != std::string::npos && !holds_password(kept)) {
            ed.history(past, &event, H_ENTER, kept.substr(0, last + 1).c_str());
            // Saved at once, so that a session that is killed keeps what it had.
            if (!path.empty()) save_history(ed, past, path);
        }
        run(kept);
    }
    ed.history_end(past);
    ed.el_end(editor);
}

#else

bool line_editing_available() { return false; }

void run_edited_session(std::FILE *, std::FILE *, const std::function<void(std::string_view)> &) {}

#endif

}  // namespace vexar
