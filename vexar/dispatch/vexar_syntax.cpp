// Looking things up in the generated syntax table (vexar_syntax_table.cpp).

#include "dispatch/vexar_syntax.h"

#include "flag_spec.h"

namespace vexar::syntax {

const Command *command_in_slot(int32_t slot) {
    for (const Command &command : commands())
        if (command.slot == slot) return &command;
    return nullptr;
}

const Flag *find_flag(const Command &command, const char *word) {
    return vx_spec::named_by(command.flags, word,
                             [](const Flag &flag) { return vx_spec::spelling_of(flag.name, flag.shortest); });
}

}  // namespace vexar::syntax
