// The command execution library's converter, with a switch for the statuses a real one
// would return only on failures of its own.

#include <cstring>

#include "fakes/capture.h"

namespace vxtest {
namespace {
thread_local int32_t t_forced_scan_status = 0;
}
void force_scan_direction_status(int32_t status) { t_forced_scan_status = status; }
std::vector<std::string> &apropos_argv() {
    thread_local std::vector<std::string> argv;
    return argv;
}
}  // namespace vxtest

extern "C" int32_t vx_cmd_utl_str_to_scan_direction(const char *text, int32_t *direction) {
    if (vxtest::t_forced_scan_status != 0) return vxtest::t_forced_scan_status;
    if (text != nullptr && std::strcmp(text, "forward") == 0) {
        *direction = VX_SCAN_FORWARD;
        return 0;
    }
    if (text != nullptr && std::strcmp(text, "backward") == 0) {
        *direction = VX_SCAN_BACKWARD;
        return 0;
    }
    return VX_CMD_NOT_A_KEYWORD;
}

// The script path lives in the routine's frame: its argument vector is copied while
// the routine waits.
extern "C" int32_t vx_cmd_apropos(const vx_apropos_args_t *args) {
    auto &copy = vxtest::apropos_argv();
    copy.clear();
    for (const char *const *p = args->argv; p != nullptr && *p != nullptr; ++p) copy.push_back(*p);
    return vxtest::capture("apropos", args);
}
