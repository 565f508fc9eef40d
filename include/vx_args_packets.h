/* Argument records of lspacket, dumpoplog, lsexport, recoverpacket, lsepoch, chepoch. Included through vx_cmd_args.h. */
#ifndef VX_ARGS_PACKETS_H
#define VX_ARGS_PACKETS_H

#include "vx_cmd_args.h"

#ifdef __cplusplus
extern "C" {
#endif

/* lspacket */
typedef struct vx_lspacket_args {
    cmd_args_prefix_t prefix;
    const char **packets;  /* packet path names, in command-line order */
    int32_t packet_count;
    int32_t detail_level;  /* VX_DETAIL_* */
    int32_t dump;
    const char *invob;     /* VOB selector */
    int32_t endrange;
} vx_lspacket_args_t;

#define VX_DETAIL_SHORT 1
#define VX_DETAIL_LONG 2

#ifdef __cplusplus
}
#endif

#endif
