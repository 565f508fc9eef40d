// vexar: the administration tool for replicated versioned object bases.
//   vexar WORD ARGS...   runs one command and exits with its status;
//   vexar [-e]           reads commands from standard input, one per line; with -e
//                        (--stop-on-error) input that is not a terminal stops at the
//                        first line that fails.
// A word "@path" stands for the words of the file at path ("@@" for a word that
// begins with "@"). The hidden modes --complete-words, --complete-flags WORD,
// --complete WORD... CURRENT and --complete-described WORD... CURRENT serve the shells'
// completion scripts.

#if defined(_WIN32)
#define WIN32_LEAN_AND_MEAN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, whose types it uses.
#include <shellapi.h>

#include <cwchar>
#endif

#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <new>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "dispatch/vexar_dispatch.h"
#include "dispatch/vexar_messages.h"
#include "dispatch/vexar_options.h"
#include "dispatch/vexar_output.h"
#include "input/vexar_argfile.h"
#include "input/vexar_batch.h"
#include "input/vexar_utf16.h"
#include "libzornaks.h"
#include "prompt/vexar_complete.h"
#include "prompt/vexar_shell.h"

namespace {

#if defined(_WIN32)
UINT console_output_code_page = 0;

void restore_console_output_code_page() { SetConsoleOutputCP(console_output_code_page); }

// Records and messages are UTF-8 bytes, the same everywhere (no "\r\n" for "\n"); a
// console is told so for as long as the tool runs, and shows them as they are meant.
void write_utf8_output() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    console_output_code_page = GetConsoleOutputCP();
    if (console_output_code_page != 0 && console_output_code_page != CP_UTF8 && SetConsoleOutputCP(CP_UTF8))
        std::atexit(restore_console_output_code_page);
}

// The command line as the user typed it: the C runtime's argv is converted to the ANSI
// code page, where "caf\u00e9" or CJK words may arrive as "?"; the UTF-16 line is not.
std::optional<vexar::CommandWords> utf8_arguments() {
    int count = 0;
    LPWSTR *wide = CommandLineToArgvW(GetCommandLineW(), &count);
    vexar::CommandWords arguments;
    if (wide == nullptr) return arguments;
    for (int i = 0; i < count; ++i) {
        const std::u16string_view word(reinterpret_cast<const char16_t *>(wide[i]), std::wcslen(wide[i]));
        std::optional<std::string> utf8 = vexar::utf8_from_utf16(word);
        if (!utf8) {
            vexar::report(vexar::ToolText::word_not_utf16, i);
            LocalFree(wide);
            return std::nullopt;
        }
        arguments.add(*utf8);
    }
    LocalFree(wide);
    return arguments;
}
#endif

// `arguments`: the words after the tool's name.
int run(std::span<const char *const> arguments) {
    // The stop option matters only for commands read from standard input; before a
    // command word it changes nothing, that command being the only one.
    const bool stop_on_error =
        !arguments.empty() && vexar::is_tool_option(arguments[0], vexar::ToolOption::stop_on_error);
    if (stop_on_error) arguments = arguments.subspan(1);
    if (arguments.empty())
        return isatty(fileno(stdin)) != 0 ? vexar::run_shell(stdin) : vexar::run_batch(stdin, stop_on_error);
    // The completion modes see the words as typed, "@" and all.
    if (vexar::is_completion_mode(arguments[0]))
        return vexar::run_completion_mode(static_cast<int>(arguments.size()), arguments.data());

    const std::optional<vexar::CommandWords> words = vexar::command_words(arguments.data(), arguments.size());
    if (!words) return vexar::kExitSyntax;
    const std::vector<const char *> pointers = words->pointers();
    return vexar::run_one_shot(static_cast<int>(pointers.size()), pointers.data());
}

// run, with what it printed on standard output checked: a record, usage or page that
// did not arrive is a failure whatever the command said. Memory running out anywhere in
// the tool ends it with a message of its own rather than an abort.
int run_and_check_output(std::span<const char *const> arguments) {
    int status;
    try {
        status = run(arguments);
    } catch (const std::bad_alloc &) {
        imsg_set_program_name(vexar::kProgramName);  // a line's label may be gone
        vexar::report(vexar::ToolText::out_of_memory);
        status = vexar::kExitFailed;
    }
    return vexar::standard_output_written() ? status : vexar::kExitFailed;
}

}  // namespace

int main(int argc, char **argv) {
    vexar::open_standard_descriptors();
#if defined(_WIN32)
    write_utf8_output();
#endif
#if defined(LC_MESSAGES)
    // Messages follow LANG, LC_MESSAGES and LC_ALL; nothing else of the locale changes.
    std::setlocale(LC_MESSAGES, "");
#endif
    vexar::start_up();
#if defined(_WIN32)
    (void)argc;
    (void)argv;
    const std::optional<vexar::CommandWords> arguments = utf8_arguments();
    if (!arguments) return vexar::kExitSyntax;
    const std::vector<const char *> words = arguments->pointers();
    return run_and_check_output(std::span<const char *const>(words).subspan(words.empty() ? 0 : 1));
#else
    return run_and_check_output({argv + 1, static_cast<std::size_t>(argc > 0 ? argc - 1 : 0)});
#endif
}
