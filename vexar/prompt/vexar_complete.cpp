// Completion answers from the syntax table generated at build time (vexar_syntax.h):
// no routine runs and no process starts to learn a command's flags.

#include "prompt/vexar_complete.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "dispatch/vexar_dispatch.h"
#include "dispatch/vexar_messages.h"
#include "dispatch/vexar_syntax.h"
#include "libzornacmdsyn.h"
#include "libzornaks.h"
#include "libzornavx_cmdsyn.h"
#include "msg/vx_cmdsyn_msg.h"

namespace vexar {
namespace {

constexpr const char *kCompleteWords = "--complete-words";
constexpr const char *kCompleteFlags = "--complete-flags";
constexpr const char *kComplete = "--complete";

bool is_plain_name(std::string_view word) {
    return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    });
}

std::vector<std::string> beginning_with(const std::vector<std::string> &candidates, const std::string &current) {
    std::vector<std::string> found;
    for (const std::string &candidate : candidates)
        if (candidate.compare(0, current.size(), current) == 0) found.push_back(candidate);
    return found;
}

const syntax::Command *command_of(const char *word) {
    const int32_t slot = find_slot(word);
    return slot >= 0 ? syntax::command_in_slot(slot) : nullptr;
}

// What the word under the cursor stands for, after the words of the command line
// before it (the command word first), read as the parser reads them.
enum class Place { flag, value, operand };

Place place_of_current(const syntax::Command &command, const std::vector<std::string> &before) {
    bool value_next = false;
    for (std::size_t i = 1; i < before.size(); ++i) {
        if (value_next) {
            value_next = false;
            continue;
        }
        if (before[i] == "--") return Place::operand;
        const syntax::Flag *flag = syntax::find_flag(command, before[i].c_str());
        value_next = flag != nullptr && flag->value != syntax::Value::none;
    }
    return value_next ? Place::value : Place::flag;
}

void print_lines(const std::vector<std::string> &lines) {
    for (const std::string &line : lines) std::printf("%s\n", line.c_str());
}

}  // namespace

std::vector<std::string> command_words() {
    std::vector<std::string> words;
    for (const syntax::Command &command : syntax::commands()) {
        words.emplace_back(command.word);
        for (const char *alias : command.aliases)
            if (is_plain_name(alias)) words.emplace_back(alias);
    }
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    return words;
}

std::vector<std::string> command_flags(const char *word) {
    const syntax::Command *command = command_of(word);
    if (command == nullptr) return {};
    std::vector<std::string> names;
    for (const syntax::Flag &flag : command->flags) names.emplace_back(flag.name);
    return names;
}

std::vector<std::string> completions(const std::vector<std::string> &before, const std::string &current) {
    if (before.empty()) return beginning_with(command_words(), current);
    const syntax::Command *command = command_of(before[0].c_str());
    if (command == nullptr) return {};
    if (before.size() == 1 && takes_command_word(command->slot)) return beginning_with(command_words(), current);
    if (current.empty() || current[0] != '-' || place_of_current(*command, before) != Place::flag) return {};
    return beginning_with(command_flags(before[0].c_str()), current);
}

bool is_completion_mode(const char *word) {
    return std::strcmp(word, kCompleteWords) == 0 || std::strcmp(word, kCompleteFlags) == 0 ||
           std::strcmp(word, kComplete) == 0;
}

int run_completion_mode(int count, const char *const *words) {
    const std::string_view mode = words[0];
    if (mode == kCompleteWords && count == 1) {
        print_lines(command_words());
        return kExitOk;
    }
    if (mode == kCompleteFlags && count == 2) {
        if (find_slot(words[1]) < 0) {
            imsg_print(IMSG_SEV_ERROR, _vx_cmdsyn_vexar_msg_table_adr(), MSG_UNRECOGNIZED_COMMAND, words[1]);
            return kExitSyntax;
        }
        print_lines(command_flags(words[1]));
        return kExitOk;
    }
    if (mode == kComplete && count >= 2) {
        // The last word is the one under the cursor, possibly empty.
        const std::vector<std::string> before(words + 1, words + count - 1);
        print_lines(completions(before, words[count - 1]));
        return kExitOk;
    }
    report(ToolText::complete_usage);
    return kExitSyntax;
}

}  // namespace vexar
