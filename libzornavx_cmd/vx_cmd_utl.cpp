// Converters shared by the command entries and the syntax routines.

#include <cstring>

#include "libzornavx_cmd.h"

extern "C" int32_t vx_cmd_utl_str_to_scan_direction(const char *text, int32_t *direction) {
    if (text == nullptr || direction == nullptr) return VX_CMD_NOT_A_KEYWORD;
    if (std::strcmp(text, "forward") == 0) {
        *direction = VX_SCAN_FORWARD;
    } else if (std::strcmp(text, "backward") == 0) {
        *direction = VX_SCAN_BACKWARD;
    } else {
        return VX_CMD_NOT_A_KEYWORD;
    }
    return 0;
}
