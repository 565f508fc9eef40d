// Looking things up in the generated syntax table (vexar_syntax_table.cpp).

#include "dispatch/vexar_syntax.h"

#include <cstring>

namespace vexar::syntax {

const Command *command_in_slot(int32_t slot) {
    for (const Command &command : commands())
        if (command.slot == slot) return &command;
    return nullptr;
}

const Flag *find_flag(const Command &command, const char *word) {
    const size_t length = std::strlen(word);
    const Flag *first = nullptr;
    for (const Flag &flag : command.flags) {
        // The word begins with the shortest spelling and goes on as the full name does.
        if (length < std::strlen(flag.shortest) || std::strncmp(flag.name, word, length) != 0) continue;
        if (flag.name[length] == '\0') return &flag;
        if (first == nullptr) first = &flag;
    }
    return first;
}

}  // namespace vexar::syntax
