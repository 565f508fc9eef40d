// The shared command syntax as a recorder: what the help and manual-page entries pass
// on, and generic routines that only say they were called.

#include "fakes/fake_cmdsyn.h"

namespace vxtest {
namespace {
thread_local DispatchCall t_last_dispatch;
thread_local std::string t_last_generic;
}  // namespace
DispatchCall &last_dispatch() { return t_last_dispatch; }
std::string &last_generic() { return t_last_generic; }
}  // namespace vxtest

namespace {
constexpr int32_t kHelpStatus = 4242;
constexpr int32_t kManStatus = 4343;
}  // namespace

extern "C" {

int32_t cmdsyn_help_dispatch(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags,
                             const cmd_keyword_t *keywords, const proc_table_entry_t *procs) {
    vxtest::last_dispatch() = {"help", parser, area, dispatch_flags, keywords, procs, nullptr, nullptr, nullptr, 0};
    return kHelpStatus;
}

int32_t cmdsyn_man_dispatch(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags,
                            const cmd_keyword_t *keywords, const char *tool_name, const char *page_prefix,
                            const char *help_dir, int32_t form) {
    vxtest::last_dispatch() = {"man",   parser,    area,        dispatch_flags, keywords,
                               nullptr, tool_name, page_prefix, help_dir,       form};
    return kManStatus;
}

#define VX_FAKE_GENERIC(name)                                       \
    int32_t cmdsyn_##name(clp_parser_t *, stg_area_t *, uint32_t) { \
        vxtest::last_generic() = #name;                             \
        return 0;                                                   \
    }
VX_FAKE_GENERIC(quit)
VX_FAKE_GENERIC(cd)
VX_FAKE_GENERIC(pwd)
VX_FAKE_GENERIC(shell)
VX_FAKE_GENERIC(lstype)
VX_FAKE_GENERIC(rmtype)
VX_FAKE_GENERIC(lsreplica)
VX_FAKE_GENERIC(chmaster)
VX_FAKE_GENERIC(lsmaster)
VX_FAKE_GENERIC(reqmaster)
VX_FAKE_GENERIC(describe)
VX_FAKE_GENERIC(rename)

}  // extern "C"
