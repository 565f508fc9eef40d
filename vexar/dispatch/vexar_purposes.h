// What each command is for: shown beside the command words by "help" alone, and the
// "purpose" of each command in the generated syntax description (from which the manual
// pages take it). The rows are the PURPOSE texts of the tool (vexar_messages.h), so
// that its catalog translates them for help.
#ifndef VEXAR_PURPOSES_H
#define VEXAR_PURPOSES_H

#include "dispatch/vexar_messages.h"
#include "libzornacmdsyn.h"

namespace vexar {

inline constexpr cmdsyn_purpose_t kCommandPurposes[] = {
#define VEXAR_NOT_A_PURPOSE(name, text)
#define VEXAR_PURPOSE_ROW(command, text) {#command, text},
    VEXAR_TOOL_TEXTS(VEXAR_NOT_A_PURPOSE, VEXAR_PURPOSE_ROW)
#undef VEXAR_PURPOSE_ROW
#undef VEXAR_NOT_A_PURPOSE
    // The end, as cmdsyn_set_command_purposes expects it.
    {nullptr, nullptr},
};

}  // namespace vexar

#endif
