// Running the built tool in tests, and reading what it printed.
#ifndef VX_TEST_VEXAR_RUN_H
#define VX_TEST_VEXAR_RUN_H

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "libzornavx_cmdsyn.h"
#include "msg/vx_cmdsyn_msg.h"
#include "support/process.h"

namespace vxtest {

// The tool's own prefix before the first line of an error message.
inline constexpr const char *kErrorPrefix = "vexar: Error: ";

// The prefix of an error message printed while line `number` of standard input runs.
inline std::string LinePrefix(int number) { return "vexar: line " + std::to_string(number) + ": Error: "; }

// The variables the tool family reads from the environment, cleared for every run.
inline const std::vector<std::string> kToolVariables = {"VX_CMD_STATUS", "VX_TRACE",    "VX_VERBOSITY", "NLSPATH",
                                                        "LC_ALL",        "LC_MESSAGES", "LANG"};

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
    options.unset_env = kToolVariables;
    return run_process(VEXAR_PATH, args, options);
}

// Runs vexar without words, typing `typed` on a terminal as its standard input.
inline ProcessResult RunVexarAtTerminal(const std::string &typed) {
    ProcessOptions options;
    options.stdin_text = typed;
    options.stdin_terminal = true;
    options.unset_env = kToolVariables;
    return run_process(VEXAR_PATH, {}, options);
}

// `text` as UTF-16LE bytes after the byte-order mark, as Windows tools write text files.
inline std::string Utf16le(const std::u16string &text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
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

// Catalog texts the tool tests look for: the library's, read from its table (in English,
// as the tool prints them without a translation), and the tool's own.
inline std::string CatalogText(int index) { return _vx_cmdsyn_vexar_msg_table_adr()->texts[index]; }
// syncreplica's usage is two texts, printed one after the other.
inline std::string CatalogText(std::initializer_list<int> indexes) {
    std::string text;
    for (int index : indexes) text += CatalogText(index);
    return text;
}
inline std::string UnrecognizedCommand(const std::string &word) { return "Unrecognized command: \"" + word + "\"\n"; }
inline std::string LspacketUsage() { return CatalogText(MSG_USAGE_LSPACKET); }

// Number of times `needle` occurs in `text`.
inline int Occurrences(const std::string &text, const std::string &needle) {
    int count = 0;
    for (std::size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + needle.size()))
        ++count;
    return count;
}

// A command line the tool refuses: exit 2, no record, and on standard error either the
// catalog's messages in order then the usage, or another library's message naming
// `mentioned` then the usage once.
struct RefusedCase {
    const char *label;
    std::vector<std::string> args;
    std::vector<std::string> messages;   // the catalog's texts, in order
    std::vector<std::string> mentioned;  // or: words another library's message names
    const std::string &usage;
};

inline void ExpectRefused(const RefusedCase &c) {
    const ProcessResult r = RunVexar(c.args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    if (!c.messages.empty()) {
        std::string expected;
        for (const std::string &m : c.messages) expected += kErrorPrefix + m;
        EXPECT_EQ(r.err, expected + c.usage);
        return;
    }
    EXPECT_EQ(Occurrences(r.err, c.usage), 1) << r.err;
    EXPECT_TRUE(r.err.ends_with(c.usage)) << r.err;
    EXPECT_EQ(Occurrences(r.err, kErrorPrefix), 1) << r.err;
    const std::string before_usage = r.err.substr(0, r.err.size() - c.usage.size());
    for (const std::string &word : c.mentioned) EXPECT_NE(before_usage.find(word), std::string::npos) << r.err;
}

}  // namespace vxtest

#endif
