// The shared command syntax as a recorder, for the fake test executable.
#ifndef VX_TEST_FAKE_CMDSYN_H
#define VX_TEST_FAKE_CMDSYN_H

#include <string>

#include "libzornacmdsyn.h"

namespace vxtest {

// The last call of cmdsyn_help_dispatch or cmdsyn_man_dispatch on this thread.
struct DispatchCall {
    std::string entry;  // "help" or "man"
    clp_parser_t *parser;
    stg_area_t *area;
    uint32_t dispatch_flags;
    const cmd_keyword_t *keywords;
    const proc_table_entry_t *procs;
    const char *tool_name;
    const char *page_prefix;
    const char *help_dir;
    int32_t form;
};
DispatchCall &last_dispatch();
// The name of the last generic routine called ("quit", "cd", ...).
std::string &last_generic();

}  // namespace vxtest

#endif
