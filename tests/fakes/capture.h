// Command entries that capture the record instead of running the command. Each group
// of commands has a file of its own; an entry is one line:
//   VX_CAPTURE_ENTRY(lspacket)
#ifndef VX_TEST_CAPTURE_H
#define VX_TEST_CAPTURE_H

#include <string>
#include <vector>

#include "libzornavx_cmd.h"
#include "support/harness.h"

#define VX_CAPTURE_ENTRY(command)                                                 \
    extern "C" int32_t vx_cmd_##command(const struct vx_##command##_args *args) { \
        return vxtest::capture(#command, args);                                   \
    }

namespace vxtest {
// Makes vx_cmd_utl_str_to_scan_direction return `status` for every text (0 restores
// the real conversion).
void force_scan_direction_status(int32_t status);
// The argument vector of the last apropos record, copied during the call.
std::vector<std::string> &apropos_argv();
}  // namespace vxtest

#endif
