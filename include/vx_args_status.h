/* Argument records of familysyncstatus, shipinfo, syncinfo, perfinfo. Included through vx_cmd_args.h. */
#ifndef VX_ARGS_STATUS_H
#define VX_ARGS_STATUS_H

#include "vx_cmd_args.h"

#ifdef __cplusplus
extern "C" {
#endif

#ifdef __cplusplus
}
#endif

#endif
