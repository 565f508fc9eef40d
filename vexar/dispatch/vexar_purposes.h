// What each command is for: shown beside the command words by "help" alone, and the
// "purpose" of each command in the generated syntax description. The texts are the
// tool's (vexar_messages.h), so that its catalog translates them for help.
#ifndef VEXAR_PURPOSES_H
#define VEXAR_PURPOSES_H

#include "dispatch/vexar_messages.h"
#include "libzornacmdsyn.h"

namespace vexar {

inline constexpr cmdsyn_purpose_t kCommandPurposes[] = {
    {"apropos", english(ToolText::purpose_apropos)},
    {"cd", english(ToolText::purpose_cd)},
    {"chepoch", english(ToolText::purpose_chepoch)},
    {"chmaster", english(ToolText::purpose_chmaster)},
    {"chreplica", english(ToolText::purpose_chreplica)},
    {"chsetting", english(ToolText::purpose_chsetting)},
    {"chshipconfig", english(ToolText::purpose_chshipconfig)},
    {"describe", english(ToolText::purpose_describe)},
    {"dumpoplog", english(ToolText::purpose_dumpoplog)},
    {"familysyncstatus", english(ToolText::purpose_familysyncstatus)},
    {"help", english(ToolText::purpose_help)},
    {"lsepoch", english(ToolText::purpose_lsepoch)},
    {"lsexport", english(ToolText::purpose_lsexport)},
    {"lsmaster", english(ToolText::purpose_lsmaster)},
    {"lspacket", english(ToolText::purpose_lspacket)},
    {"lsreplica", english(ToolText::purpose_lsreplica)},
    {"lssetting", english(ToolText::purpose_lssetting)},
    {"lsshipconfig", english(ToolText::purpose_lsshipconfig)},
    {"lstype", english(ToolText::purpose_lstype)},
    {"man", english(ToolText::purpose_man)},
    {"mkreplica", english(ToolText::purpose_mkreplica)},
    {"mkrptype", english(ToolText::purpose_mkrptype)},
    {"perfinfo", english(ToolText::purpose_perfinfo)},
    {"pwd", english(ToolText::purpose_pwd)},
    {"quit", english(ToolText::purpose_quit)},
    {"recoverpacket", english(ToolText::purpose_recoverpacket)},
    {"rename", english(ToolText::purpose_rename)},
    {"reqmaster", english(ToolText::purpose_reqmaster)},
    {"restorereplica", english(ToolText::purpose_restorereplica)},
    {"rmreplica", english(ToolText::purpose_rmreplica)},
    {"rmtype", english(ToolText::purpose_rmtype)},
    {"shell", english(ToolText::purpose_shell)},
    {"shipinfo", english(ToolText::purpose_shipinfo)},
    {"syncinfo", english(ToolText::purpose_syncinfo)},
    {"syncreplica", english(ToolText::purpose_syncreplica)},
    {"syncserver", english(ToolText::purpose_syncserver)},
    {"vxacl", english(ToolText::purpose_vxacl)},
    {nullptr, nullptr},
};

}  // namespace vexar

#endif
