// What each command is for: shown beside the command words by "help" alone, and the
// "purpose" of each command in the generated syntax description.
#ifndef VEXAR_PURPOSES_H
#define VEXAR_PURPOSES_H

#include "libzornacmdsyn.h"

namespace vexar {

inline constexpr cmdsyn_purpose_t kCommandPurposes[] = {
    {"apropos", "Look topics up in the manual pages"},
    {"cd", "Change the working directory"},
    {"chepoch", "Change epoch numbers of a replica's epoch table"},
    {"chmaster", "Change the mastership of an object"},
    {"chreplica", "Change a replica's host, preservation mode or connection"},
    {"chsetting", "Change settings of a site, host or replica"},
    {"chshipconfig", "Change the shipping configuration"},
    {"describe", "Describe an object"},
    {"dumpoplog", "Dump a replica's operation log"},
    {"familysyncstatus", "Report how well a VOB family stays in step"},
    {"help", "Show a command's usage, or this list"},
    {"lsepoch", "List epoch numbers"},
    {"lsexport", "List exports to sibling replicas"},
    {"lsmaster", "List the mastership of objects"},
    {"lspacket", "List packets"},
    {"lsreplica", "List replicas"},
    {"lssetting", "List settings of a site"},
    {"lsshipconfig", "List the shipping configuration"},
    {"lstype", "List types"},
    {"man", "Show a command's manual page"},
    {"mkreplica", "Create a replica: export a new one or import it"},
    {"mkrptype", "Create a replica type"},
    {"perfinfo", "Report synchronization performance"},
    {"pwd", "Print the working directory"},
    {"quit", "Leave the interactive mode"},
    {"recoverpacket", "Recover packets of sibling replicas"},
    {"rename", "Rename an object"},
    {"reqmaster", "Request mastership of an object"},
    {"restorereplica", "Restore a replica from its siblings"},
    {"rmreplica", "Remove a replica"},
    {"rmtype", "Remove a type"},
    {"shell", "Run a shell command"},
    {"shipinfo", "Report shipping jobs"},
    {"syncinfo", "Report synchronization jobs"},
    {"syncreplica", "Export or import synchronization packets"},
    {"syncserver", "Control which VOBs the synchronization server manages"},
    {"vxacl", "Get, edit or set the access-control list of a host"},
    {nullptr, nullptr},
};

}  // namespace vexar

#endif
