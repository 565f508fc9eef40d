// Completion answers from the syntax table generated at build time (vexar_syntax.h):
// no routine runs and no process starts to learn a command's flags.

#include "prompt/vexar_complete.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string_view>

#include "dispatch/vexar_dispatch.h"
#include "dispatch/vexar_messages.h"
#include "dispatch/vexar_options.h"
#include "dispatch/vexar_purposes.h"
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
constexpr const char *kCompleteDescribed = "--complete-described";

bool is_name_character(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool is_plain_name(std::string_view word) {
    return !word.empty() && std::all_of(word.begin(), word.end(), is_name_character);
}

// An option a shell takes as it is: no "-?", which it would read as a pattern.
bool is_plain_option(std::string_view word) {
    return word.size() > 1 && word[0] == '-' && is_name_character(word.back()) &&
           std::all_of(word.begin(), word.end(), [](char c) { return c == '-' || is_name_character(c); });
}

bool begins(std::string_view word, std::string_view start) { return word.substr(0, start.size()) == start; }

const syntax::Command *command_of(const char *word) {
    const int32_t slot = find_slot(word);
    return slot >= 0 ? syntax::command_in_slot(slot) : nullptr;
}

// `purpose` as the tool's catalog translates it, as help shows it.
std::string translated(const char *purpose) {
    for (std::size_t index = 0; index < std::size(kToolTexts); ++index)
        if (std::strcmp(kToolTexts[index], purpose) == 0) return imsg_get_text(tool_texts(), static_cast<int>(index));
    return purpose;
}

std::string purpose_of(const char *word) {
    const syntax::Command *command = command_of(word);
    for (const cmdsyn_purpose_t *row = kCommandPurposes; command != nullptr && row->command != nullptr; ++row)
        if (std::strcmp(row->command, command->word) == 0) return translated(row->purpose);
    return {};
}

std::vector<Candidate> command_word_candidates(const std::string &current) {
    std::vector<Candidate> candidates;
    for (const std::string &word : command_words())
        if (begins(word, current)) candidates.push_back({word, purpose_of(word.c_str())});
    return candidates;
}

std::vector<Candidate> tool_option_candidates(const std::string &current, bool stop_option_allowed) {
    std::vector<Candidate> candidates;
    for (const ToolOptionSpelling &row : kToolOptions) {
        const bool allowed = stop_option_allowed || row.option != ToolOption::stop_on_error;
        if (allowed && is_plain_option(row.spelling) && begins(row.spelling, current))
            candidates.push_back({row.spelling, ""});
    }
    return candidates;
}

// The words of a command line before the cursor (the command word first), read as the
// parser reads them: the flags given, and what the word under the cursor stands for.
struct LineSoFar {
    std::vector<const syntax::Flag *> given;
    const syntax::Flag *value_of = nullptr;  // the flag whose value the word is
    bool flags_ended = false;                // "--" stood before it
};

LineSoFar read_line(const syntax::Command &command, const std::vector<std::string> &before) {
    LineSoFar line;
    for (std::size_t i = 1; i < before.size() && !line.flags_ended; ++i) {
        if (line.value_of != nullptr) {
            line.value_of = nullptr;
            continue;
        }
        line.flags_ended = before[i] == kEndOfFlags;
        const syntax::Flag *flag = syntax::find_flag(command, before[i].c_str());
        if (flag == nullptr || line.flags_ended) continue;
        line.given.push_back(flag);
        if (flag->value != syntax::Value::none) line.value_of = flag;
    }
    return line;
}

// A flag is offered once, and not beside a flag of its group: the parser refuses both.
bool still_open(const syntax::Flag &flag, const std::vector<const syntax::Flag *> &given) {
    return std::none_of(given.begin(), given.end(), [&](const syntax::Flag *other) {
        return other == &flag || (flag.group != 0 && other->group == flag.group);
    });
}

std::vector<Candidate> flag_candidates(const syntax::Command &command, const LineSoFar &line,
                                       const std::string &current) {
    std::vector<Candidate> candidates;
    for (const syntax::Flag &flag : command.flags)
        if (begins(flag.name, current) && still_open(flag, line.given)) candidates.push_back({flag.name, flag.meaning});
    return candidates;
}

Completion file_name() { return {true, {}}; }

Completion value_completion(const syntax::Flag &flag, const std::string &current) {
    if (flag.offer == syntax::Offer::files) return file_name();
    Completion completion;
    for (const char *word : flag.words)
        if (begins(word, current)) completion.candidates.push_back({word, ""});
    return completion;
}

// After the command word: help's and man's command word, a flag's value, a flag, or an
// operand.
Completion complete_after(const syntax::Command &command, const std::vector<std::string> &words,
                          const std::string &current) {
    if (takes_command_word(command.slot))
        return {false, words.size() == 1 ? command_word_candidates(current) : std::vector<Candidate>{}};
    const LineSoFar line = read_line(command, words);
    if (line.value_of != nullptr) return value_completion(*line.value_of, current);
    if (!line.flags_ended && begins(current, "-")) return {false, flag_candidates(command, line, current)};
    return file_name();
}

// A meaning on the one line of its candidate.
std::string one_line(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return text;
}

int print_completion(const Completion &completion, bool described) {
    if (completion.file_name) return kExitOk;
    for (const Candidate &candidate : completion.candidates) {
        if (described && !candidate.meaning.empty())
            std::printf("%s\t%s\n", candidate.word.c_str(), one_line(candidate.meaning).c_str());
        else
            std::printf("%s\n", candidate.word.c_str());
    }
    return completion.candidates.empty() ? kExitFailed : kExitOk;
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

Completion complete(const std::vector<std::string> &before, const std::string &current, TypedAt where) {
    if (begins(current, "@")) return file_name();
    // On the command line the stop option may come first; a command word follows it.
    const bool stop_option_first =
        where == TypedAt::command_line && !before.empty() && is_tool_option(before[0], ToolOption::stop_on_error);
    const std::vector<std::string> words(before.begin() + (stop_option_first ? 1 : 0), before.end());
    if (words.empty()) {
        if (begins(current, "-"))
            return {false, tool_option_candidates(current, where == TypedAt::command_line && !stop_option_first)};
        return {false, command_word_candidates(current)};
    }
    const syntax::Command *command = command_of(words[0].c_str());
    if (command == nullptr) return begins(current, "-") ? Completion{} : file_name();
    return complete_after(*command, words, current);
}

bool is_completion_mode(const char *word) {
    for (const char *mode : {kCompleteWords, kCompleteFlags, kComplete, kCompleteDescribed})
        if (std::strcmp(word, mode) == 0) return true;
    return false;
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
    if ((mode == kComplete || mode == kCompleteDescribed) && count >= 2) {
        // The last word is the one under the cursor, possibly empty.
        const std::vector<std::string> before(words + 1, words + count - 1);
        return print_completion(complete(before, words[count - 1], TypedAt::command_line), mode == kCompleteDescribed);
    }
    report(ToolText::complete_usage);
    return kExitSyntax;
}

}  // namespace vexar
