/* Argument records of lssetting, chsetting, lsshipconfig, syncserver, vxacl. Included through vx_cmd_args.h. */
#ifndef VX_ARGS_SETTINGS_H
#define VX_ARGS_SETTINGS_H

#include "vx_cmd_args.h"

#ifdef __cplusplus
extern "C" {
#endif

#ifdef __cplusplus
}
#endif

#endif
