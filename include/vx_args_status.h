/* Argument records of familysyncstatus, shipinfo, syncinfo, perfinfo. Included through vx_cmd_args.h. */
#ifndef VX_ARGS_STATUS_H
#define VX_ARGS_STATUS_H

#include "vx_cmd_args.h"

#ifdef __cplusplus
extern "C" {
#endif

/* familysyncstatus */
typedef struct vx_familysyncstatus_args {
    cmd_args_prefix_t prefix;
    int32_t report_kind;    /* VX_REPORT_*; 0 when none was given */
    const char *time_units; /* display format of time spans, unchecked */
    int32_t long_form;
    int32_t window_kind; /* VX_WINDOW_* */
    const char *window;  /* -since date-time or -sync_window hours, unchecked */
    const char *region;
    const char **vobs; /* VOB selectors, in command-line order */
    uint32_t vob_count;
} vx_familysyncstatus_args_t;

#define VX_REPORT_SUMMARY 1
#define VX_REPORT_HEALTH 2
#define VX_REPORT_EPOCHDIFF 3
#define VX_REPORT_GENERATE 4

#define VX_WINDOW_SINCE 0       /* window is a date-time */
#define VX_WINDOW_SYNC_WINDOW 1 /* window is a number of hours */

/* shipinfo */
typedef struct vx_shipinfo_args {
    cmd_args_prefix_t prefix;
    const char *job; /* one job number or job UUID, unchecked */
    const char *host;
    const char *replica;
    const char *sibling;
    const char *sclass;
    int32_t mode;           /* VX_MODE_EXPORT, VX_MODE_IMPORT */
    const char *start_scan; /* date-time, unchecked */
    const char *end_scan;
    int32_t scan_direction; /* from vx_cmd_utl_str_to_scan_direction */
    int32_t file_type;      /* from vxinfo_str_to_ship_filetype */
} vx_shipinfo_args_t;

/* syncinfo */
typedef struct vx_syncinfo_args {
    cmd_args_prefix_t prefix;
    const char *host;
    const char *replica;
    const char *start_scan; /* date-time, unchecked */
    const char *end_scan;
    const char *scan_direction_text; /* as typed, unchecked */
    const char *states;              /* one state or a comma-separated list, whole */
    uint32_t reserved_1;             /* always 0 */
    uint32_t reserved_2;             /* always 0 */
    int32_t mode;                    /* VX_MODE_EXPORT, VX_MODE_IMPORT */
    const char *sibling;
    const char *user;
    int32_t me;
    int32_t last;
    const char *last_value; /* NULL when -last had no value */
    int32_t job_count;
    const char **jobs; /* job numbers or job UUIDs, in order, unchecked */
} vx_syncinfo_args_t;

/* perfinfo */
typedef struct vx_perfinfo_args {
    cmd_args_prefix_t prefix;
    const char *replica;
    const char *sibling;
    const char *host;
    int32_t mode; /* VX_MODE_EXPORT, VX_MODE_IMPORT */
    const char *start_scan;
    const char *end_scan;
    const char *granularity; /* keyword, unchecked; required */
} vx_perfinfo_args_t;

#ifdef __cplusplus
}
#endif

#endif
