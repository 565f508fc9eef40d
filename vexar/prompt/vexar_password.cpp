#include "prompt/vexar_password.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>

#include "dispatch/vexar_syntax.h"
#include "input/vexar_words.h"

namespace vexar {
namespace {

constexpr const char *kPasswordFlag = "-password";

// The shortest spelling of the password flag any command accepts, in lower case and
// without its dash ("pas"), from the compiled syntax table; the whole name when no
// command has the flag.
std::string password_start() {
    std::string shortest = kPasswordFlag;
    for (const syntax::Command &command : syntax::commands())
        for (const syntax::Flag &flag : command.flags)
            if (std::strcmp(flag.name, kPasswordFlag) == 0 && std::strlen(flag.shortest) < shortest.size())
                shortest = flag.shortest;
    shortest.erase(0, shortest.find_first_not_of('-'));
    std::transform(shortest.begin(), shortest.end(), shortest.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return shortest;
}

const std::string &start_of_password_flag() {
    static const std::string start = password_start();
    return start;
}

bool begins_with_ignoring_case(std::string_view text, std::string_view start) {
    if (text.size() < start.size()) return false;
    for (std::size_t i = 0; i < start.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != start[i]) return false;
    return true;
}

bool names_password(std::string_view word) {
    word.remove_prefix(std::min(word.find_first_not_of('-'), word.size()));
    return begins_with_ignoring_case(word.substr(0, word.find('=')), start_of_password_flag());
}

bool text_holds_password(std::string_view text) {
    for (; !text.empty(); text.remove_prefix(1))
        if (begins_with_ignoring_case(text, start_of_password_flag())) return true;
    return false;
}

}  // namespace

bool holds_password(std::string_view line) {
    const SplitLine split = split_words(line);
    if (split.error != SplitError::none) return text_holds_password(line);
    return std::any_of(split.words.begin(), split.words.end(),
                       [](const std::string &word) { return names_password(word); });
}

}  // namespace vexar
