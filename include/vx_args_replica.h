/* Argument records of mkreplica, syncreplica, chreplica, rmreplica, restorereplica, mkrptype. Included through vx_cmd_args.h. */
#ifndef VX_ARGS_REPLICA_H
#define VX_ARGS_REPLICA_H

#include "vx_cmd_args.h"

#ifdef __cplusplus
extern "C" {
#endif

#ifdef __cplusplus
}
#endif

#endif
