// Running the built tool in tests, and reading what it printed.
#ifndef VX_TEST_VEXAR_RUN_H
#define VX_TEST_VEXAR_RUN_H

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/process.h"

namespace vxtest {

// The tool's own prefix before the first line of an error message.
inline constexpr const char *kErrorPrefix = "vexar: Error: ";

// Runs vexar with `args`; `stdin_text` feeds the interactive mode. Variables the tool
// family reads from the environment (the message catalog's locale and path among them)
// are cleared unless `env` sets them, so that the caller's environment does not leak
// into a test.
inline ProcessResult RunVexar(const std::vector<std::string> &args,
                              const std::optional<std::string> &stdin_text = std::nullopt,
                              const std::map<std::string, std::string> &env = {}) {
    ProcessOptions options;
    options.stdin_text = stdin_text;
    options.set_env = env;
    options.unset_env = {"VX_CMD_STATUS", "VX_TRACE", "VX_VERBOSITY", "NLSPATH", "LC_ALL", "LC_MESSAGES", "LANG"};
    return run_process(VEXAR_PATH, args, options);
}

// Runs vexar without words, typing `typed` on a terminal as its standard input.
inline ProcessResult RunVexarAtTerminal(const std::string &typed) {
    ProcessOptions options;
    options.stdin_text = typed;
    options.stdin_terminal = true;
    options.unset_env = {"VX_CMD_STATUS", "VX_TRACE", "VX_VERBOSITY", "NLSPATH", "LC_ALL", "LC_MESSAGES", "LANG"};
    return run_process(VEXAR_PATH, {}, options);
}

// The prompt of the interactive mode at a terminal.
inline constexpr std::string_view kPrompt = "vexar> ";

// Record lines without the blanks outside their strings, so that records compare
// whatever spacing the writer chose. A record line is one that begins with "{", after
// any prompts; other lines stay as they are.
inline std::string CompactRecordLines(const std::string &text) {
    std::string result;
    std::size_t i = 0;
    while (i < text.size()) {
        while (text.compare(i, kPrompt.size(), kPrompt) == 0) {
            result += kPrompt;
            i += kPrompt.size();
        }
        const std::size_t end = std::min(text.find('\n', i), text.size());
        const bool record = i < end && text[i] == '{';
        bool in_string = false, escaped = false;
        for (; i < end; ++i) {
            const char c = text[i];
            if (in_string) {
                if (escaped) {
                    escaped = false;
                } else if (c == '\\') {
                    escaped = true;
                } else if (c == '"') {
                    in_string = false;
                }
            } else if (record && c == '"') {
                in_string = true;
            } else if (record && (c == ' ' || c == '\t' || c == '\r')) {
                continue;
            }
            result += c;
        }
        if (i < text.size()) result += text[i++];  // the newline
    }
    return result;
}

// Catalog texts the tool tests look for.
inline std::string UnrecognizedCommand(const std::string &word) { return "Unrecognized command: \"" + word + "\"\n"; }
inline constexpr const char *kLspacketUsage = "Usage: lspacket [-long [-endrange] | -short] [pname ...]\n";

// Number of times `needle` occurs in `text`.
inline int Occurrences(const std::string &text, const std::string &needle) {
    int count = 0;
    for (std::size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + needle.size()))
        ++count;
    return count;
}

}  // namespace vxtest

#endif
