#include "prompt/vexar_editline.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "input/vexar_words.h"
#include "libzornacmdsyn.h"
#include "prompt/vexar_complete.h"
#include "prompt/vexar_filenames.h"
#include "prompt/vexar_history.h"
#include "prompt/vexar_password.h"
#include "terminal_text.h"

#if VX_HAVE_LIBEDIT
#include <dlfcn.h>
#include <fcntl.h>
#include <histedit.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "prompt/vexar_interrupt.h"
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
    X(el_deletestr) X(el_source) X(history_init) X(history_end) X(history)
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

constexpr int kHistorySize = 1000;

const char *prompt_of(EditLine *) { return kPrompt; }

// Adds `lines`, this session's lines not saved yet, to the history file as it is now:
// each session's lines are kept, in the order they were entered, up to the size limit.
bool save_new_lines(const LineEditor &ed, const std::string &path, const std::vector<std::string> &lines) {
    return save_history_file(path, [&](const char *current, std::FILE *out) {
        History *merged = ed.history_init();
        HistEvent event;
        ed.history(merged, &event, H_SETSIZE, kHistorySize);
        ed.history(merged, &event, H_SETUNIQUE, 1);
        ed.history(merged, &event, H_LOAD, current);
        for (const std::string &line : lines) ed.history(merged, &event, H_ENTER, line.c_str());
        const bool written = ed.history(merged, &event, H_SAVE_FP, out) >= 0;
        ed.history_end(merged);
        return written;
    });
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

// What the tab key may put in the place of the word under the cursor, as it is typed.
struct TabCandidates {
    std::vector<std::string> typed;
    bool file_names = false;
};

TabCandidates tab_candidates(const std::vector<std::string> &before, const std::string &current) {
    const Completion completion = complete(before, current, TypedAt::prompt);
    if (completion.file_name) return {file_name_completions(current), true};
    TabCandidates candidates;
    for (const Candidate &candidate : completion.candidates) candidates.typed.push_back(candidate.word);
    return candidates;
}

std::size_t characters_in(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Puts `typed` in the place of `current`, the word before the cursor: only what it adds
// when it goes on from it ("~/" completed to the home folder's path does not).
void replace_word(const LineEditor &ed, EditLine *editor, const std::string &current, const std::string &typed) {
    if (typed.compare(0, current.size(), current) == 0) {
        ed.el_insertstr(editor, typed.substr(current.size()).c_str());
        return;
    }
    ed.el_deletestr(editor, static_cast<int>(characters_in(current)));
    ed.el_insertstr(editor, typed.c_str());
}

// A candidate as a list shows it: a file name by its last part, as shells list them, and
// with its control characters escaped, the names being the file system's.
std::string shown(const std::string &candidate, bool file_name) {
    std::size_t start = 0;
    if (file_name && candidate.size() > 1) start = candidate.rfind('/', candidate.size() - 2) + 1;
    return vx_terminal::escaped(candidate.substr(start));
}

int terminal_width(std::FILE *out) {
    winsize size{};
    return ioctl(fileno(out), TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? size.ws_col : 80;
}

// Lists `items` below the line in columns, down then across, as shells list candidates:
// as many as fit in `width` (one at least), each as wide as the widest and two blanks.
void list_in_columns(std::FILE *out, const std::vector<std::string> &items, int width) {
    std::size_t widest = 0;
    for (const std::string &item : items) widest = std::max(widest, characters_in(item));
    const std::size_t column_width = widest + 2;
    // Short of the last column: a line as wide as the terminal would wrap on some.
    const std::size_t columns = std::max<std::size_t>(1, (static_cast<std::size_t>(width) + 1) / column_width);
    const std::size_t rows = (items.size() + columns - 1) / columns;
    for (std::size_t row = 0; row < rows; ++row) {
        for (std::size_t at = row; at < items.size(); at += rows) {
            const bool last = at + rows >= items.size();
            const std::size_t padding = last ? 0 : column_width - characters_in(items[at]);
            std::fprintf(out, "%s%*s", items[at].c_str(), static_cast<int>(padding), "");
        }
        std::fputc('\n', out);
    }
}

// The tab key: a command word, a flag, a flag's value, or a file name. A single
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

    const TabCandidates candidates = tab_candidates(before.words, current);
    if (candidates.typed.empty()) return CC_ERROR;
    const std::string common = common_start(candidates.typed);
    if (candidates.typed.size() == 1) {
        // A folder is completed up to its "/", ready for a name in it.
        const bool folder = common.back() == '/';
        replace_word(ed, editor, current, common + (folder ? "" : " "));
        return CC_REFRESH;
    }
    if (common != current) {
        replace_word(ed, editor, current, common);
        return CC_REFRESH;
    }
    std::FILE *out = nullptr;
    ed.el_get(editor, EL_GETFP, 1, &out);
    if (out == nullptr) return CC_ERROR;
    std::vector<std::string> items;
    for (const std::string &candidate : candidates.typed) items.push_back(shown(candidate, candidates.file_names));
    std::fputc('\n', out);
    list_in_columns(out, items, terminal_width(out));
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
    const std::string path = history_file_path();
    if (!path.empty()) read_history_file(path, [&](const char *file) { ed.history(past, &event, H_LOAD, file); });
    std::vector<std::string> unsaved;

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
            const std::string entry = kept.substr(0, last + 1);
            ed.history(past, &event, H_ENTER, entry.c_str());
            // Saved at once, so that a session that is killed keeps what it had; lines
            // a failed save could not keep go with the next one.
            if (!path.empty()) {
                unsaved.push_back(entry);
                if (unsaved.size() > static_cast<std::size_t>(kHistorySize)) unsaved.erase(unsaved.begin());
                if (save_new_lines(ed, path, unsaved)) unsaved.clear();
            }
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
