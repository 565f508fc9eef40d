/* Argument records handed from the syntax routines to the command execution library:
   plain structures of 32-bit words, zeroed, that begin with cmd_args_prefix_t. */
#ifndef VX_CMD_ARGS_H
#define VX_CMD_ARGS_H

#include <stdint.h>

#include "libzornaks.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Status of any failure found by a syntax routine or reported by the parser. */
#define CMD_SYNTAX_ERROR 1001

typedef struct cmd_args_prefix {
    int32_t record_version; /* layout version of the command's record */
    stg_area_t *area;       /* the storage area the routine was given */
} cmd_args_prefix_t;
VX_LAYOUT_FIRST(cmd_args_prefix_t, record_version);
VX_LAYOUT_FIELD(cmd_args_prefix_t, record_version, area, 1);
VX_LAYOUT_SIZE(cmd_args_prefix_t, area, 2);

/* comment_kind values. */
#define COMMENT_KIND_UNSET 0
#define COMMENT_KIND_FILE 1
#define COMMENT_KIND_NONE 2
#define COMMENT_KIND_QUERY 3
#define COMMENT_KIND_QUERY_EACH 4
#define COMMENT_KIND_TEXT 5

/* Filled by the comment option group (-c, -cfile, -cq, -cqe, -nc). */
typedef struct cmd_comment_block {
    const char *comment;      /* -c value */
    const char *comment_file; /* -cfile value */
    int32_t comment_kind;     /* COMMENT_KIND_* of the last flag of the group given */
    uint32_t comment_reserved;
} cmd_comment_block_t;
VX_LAYOUT_FIRST(cmd_comment_block_t, comment);
VX_LAYOUT_FIELD(cmd_comment_block_t, comment, comment_file, 1);
VX_LAYOUT_FIELD(cmd_comment_block_t, comment_file, comment_kind, 2);
VX_LAYOUT_FIELD(cmd_comment_block_t, comment_kind, comment_reserved, 3);
VX_LAYOUT_SIZE(cmd_comment_block_t, comment_reserved, 4);

/* Values shared by several records. */
#define VX_MODE_EXPORT 1 /* mode */
#define VX_MODE_IMPORT 2
#define VX_SHIP_MODE_OUT 1 /* ship_mode */
#define VX_SHIP_MODE_SHIP 2
#define VX_SHIP_MODE_RECEIVE 3
#define VX_PRESERVE 1 /* preserve */
#define VX_NPRESERVE 2
#define VX_PERMS_PRESERVE 3
#define VX_MAX_SIZE_UNSET (-1) /* max_size when no size was given */

/* apropos: the script's argument vector (path, topics, NULL). */
typedef struct vx_apropos_args {
    uint32_t reserved_1;
    uint32_t reserved_2;
    uint32_t reserved_3;
    const char **argv;
} vx_apropos_args_t;
VX_LAYOUT_FIRST(vx_apropos_args_t, reserved_1);
VX_LAYOUT_FIELD(vx_apropos_args_t, reserved_1, reserved_2, 1);
VX_LAYOUT_FIELD(vx_apropos_args_t, reserved_2, reserved_3, 2);
VX_LAYOUT_FIELD(vx_apropos_args_t, reserved_3, argv, 3);
VX_LAYOUT_SIZE(vx_apropos_args_t, argv, 4);

#ifdef __cplusplus
}
#endif

#include "vx_args_packets.h"
#include "vx_args_replica.h"
#include "vx_args_settings.h"
#include "vx_args_status.h"

#endif
