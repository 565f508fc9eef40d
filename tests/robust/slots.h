// What the robustness tests need to know about the slots of the procedure table: which
// routine a slot holds, by name, and which routines act on the process itself.
#ifndef VX_TEST_ROBUST_SLOTS_H
#define VX_TEST_ROBUST_SLOTS_H

#include <string>

#include "libzornacmdsyn.h"
#include "libzornavx_cmdsyn.h"

namespace vxrobust {

struct NamedRoutine {
    const char *name;
    cmd_syntax_routine_t routine;
    bool shared;  // a routine of the shared command-syntax library
};

// Every syntax routine the headers declare, this library's and the shared ones.
inline constexpr NamedRoutine kRoutines[] = {
    {"mkreplica", vx_cmdsyn_mkreplica, false},
    {"syncreplica", vx_cmdsyn_syncreplica, false},
    {"chreplica", vx_cmdsyn_chreplica, false},
    {"rmreplica", vx_cmdsyn_rmreplica, false},
    {"restorereplica", vx_cmdsyn_restorereplica, false},
    {"mkrptype", vx_cmdsyn_mkrptype, false},
    {"lspacket", vx_cmdsyn_lspacket, false},
    {"dumpoplog", vx_cmdsyn_dumpoplog, false},
    {"lsexport", vx_cmdsyn_lsexport, false},
    {"recoverpacket", vx_cmdsyn_recoverpacket, false},
    {"lsepoch", vx_cmdsyn_lsepoch, false},
    {"chepoch", vx_cmdsyn_chepoch, false},
    {"lssetting", vx_cmdsyn_lssetting, false},
    {"chsetting", vx_cmdsyn_chsetting, false},
    {"lsshipconfig", vx_cmdsyn_lsshipconfig, false},
    {"chshipconfig", vx_cmdsyn_chshipconfig, false},
    {"syncserver", vx_cmdsyn_syncserver, false},
    {"vxacl", vx_cmdsyn_vxacl, false},
    {"familysyncstatus", vx_cmdsyn_familysyncstatus, false},
    {"shipinfo", vx_cmdsyn_shipinfo, false},
    {"syncinfo", vx_cmdsyn_syncinfo, false},
    {"perfinfo", vx_cmdsyn_perfinfo, false},
    {"help", vx_cmdsyn_help, false},
    {"man", vx_cmdsyn_man, false},
    {"apropos", vx_cmdsyn_apropos, false},
    {"quit", cmdsyn_quit, true},
    {"cd", cmdsyn_cd, true},
    {"pwd", cmdsyn_pwd, true},
    {"shell", cmdsyn_shell, true},
    {"lstype", cmdsyn_lstype, true},
    {"rmtype", cmdsyn_rmtype, true},
    {"lsreplica", cmdsyn_lsreplica, true},
    {"chmaster", cmdsyn_chmaster, true},
    {"lsmaster", cmdsyn_lsmaster, true},
    {"reqmaster", cmdsyn_reqmaster, true},
    {"describe", cmdsyn_describe, true},
    {"rename", cmdsyn_rename, true},
};

// The entry of the routine a slot holds, or nullptr for an empty slot or a routine the
// headers do not declare.
inline const NamedRoutine *RoutineInSlot(int slot) {
    if (slot < 0 || slot >= VX_CMDSYN_PROC_SLOTS) return nullptr;
    const cmd_syntax_routine_t routine = vx_cmdsyn_proc_table[slot].routine;
    for (const NamedRoutine &named : kRoutines)
        if (routine != nullptr && named.routine == routine) return &named;
    return nullptr;
}

// The slot that holds the routine named `name`, or -1.
inline int SlotOf(const std::string &name) {
    for (int slot = 0; slot < VX_CMDSYN_PROC_SLOTS; ++slot)
        if (const NamedRoutine *named = RoutineInSlot(slot); named != nullptr && name == named->name) return slot;
    return -1;
}

// The generic routines that act on the process itself: leaving the interactive mode,
// changing the working directory, running a shell. Tests that run routines at random
// or on many threads leave them out.
inline bool ActsOnProcess(cmd_syntax_routine_t routine) {
    return routine == cmdsyn_quit || routine == cmdsyn_cd || routine == cmdsyn_shell;
}

}  // namespace vxrobust

#endif
