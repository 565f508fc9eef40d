// vexar: the administration tool for replicated versioned object bases.
//   vexar WORD ARGS...   runs one command and exits with its status;
//   vexar [-e]           reads commands from standard input, one per line; with -e
//                        (--stop-on-error) input that is not a terminal stops at the
//                        first line that fails.
// A word "@path" stands for the words of the file at path ("@@" for a word that
// begins with "@"). The hidden modes --complete-words, --complete-flags WORD and
// --complete WORD... CURRENT serve the shells' completion scripts.

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "libzornaks.h"
#include "vexar_argfile.h"
#include "vexar_batch.h"
#include "vexar_complete.h"
#include "vexar_dispatch.h"
#include "vexar_messages.h"
#include "vexar_shell.h"

int main(int argc, char **argv) {
#if defined(_WIN32)
    // What the tool prints is the same bytes everywhere: no "\r\n" for "\n".
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
#if defined(LC_MESSAGES)
    // Messages follow LANG, LC_MESSAGES and LC_ALL; nothing else of the locale changes.
    std::setlocale(LC_MESSAGES, "");
#endif
    vexar::start_up();
    // The stop option matters only for commands read from standard input; before a
    // command word it changes nothing, that command being the only one.
    const bool stop_on_error = argc >= 2 && vexar::is_stop_option(argv[1]);
    const int first = stop_on_error ? 2 : 1;
    if (argc <= first)
        return isatty(fileno(stdin)) != 0 ? vexar::run_shell(stdin) : vexar::run_batch(stdin, stop_on_error);
    // The completion modes see the words as typed, "@" and all.
    if (vexar::is_completion_mode(argv[first])) return vexar::run_completion_mode(argc - first, argv + first);

    const std::optional<std::vector<std::string>> words =
        vexar::expand_argument_files(std::vector<std::string>(argv + first, argv + argc));
    if (!words) return vexar::kExitSyntax;
    if (words->empty()) {
        vexar::report(vexar::ToolText::no_command_word);
        return vexar::kExitSyntax;
    }
    std::vector<const char *> pointers;
    pointers.reserve(words->size());
    for (const std::string &word : *words) pointers.push_back(word.c_str());
    return vexar::run_one_shot(static_cast<int>(pointers.size()), pointers.data());
}
