// vexar: the administration tool for replicated versioned object bases.
//   vexar WORD ARGS...   runs one command and exits with its status;
//   vexar                reads commands from standard input, one per line.
// A word "@path" stands for the words of the file at path ("@@" for a word that
// begins with "@"). The hidden modes --complete-words, --complete-flags WORD and
// --complete WORD... CURRENT serve the shells' completion scripts.

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

#include <clocale>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "libzornaks.h"
#include "vexar_argfile.h"
#include "vexar_complete.h"
#include "vexar_dispatch.h"
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
    if (argc < 2) return vexar::run_shell(stdin);
    // The completion modes see the words as typed, "@" and all.
    if (vexar::is_completion_mode(argv[1])) return vexar::run_completion_mode(argc - 1, argv + 1);

    const std::optional<std::vector<std::string>> words =
        vexar::expand_argument_files(std::vector<std::string>(argv + 1, argv + argc));
    if (!words) return vexar::kExitSyntax;
    if (words->empty()) {
        imsg_print(IMSG_SEV_ERROR, "The argument files hold no command word.\n", IMSG_FORMAT_INDEX);
        return vexar::kExitSyntax;
    }
    std::vector<const char *> pointers;
    pointers.reserve(words->size());
    for (const std::string &word : *words) pointers.push_back(word.c_str());
    return vexar::run_one_shot(static_cast<int>(pointers.size()), pointers.data());
}
