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

/* The records word by word (see vx_layout.h): on a 32-bit target each field at its word
   and each record exactly its size; the comment block takes four words. */
VX_LAYOUT_FIRST(vx_familysyncstatus_args_t, prefix);
VX_LAYOUT_FIELD(vx_familysyncstatus_args_t, prefix, report_kind, 2);
VX_LAYOUT_FIELD(vx_familysyncstatus_args_t, report_kind, time_units, 3);
VX_LAYOUT_FIELD(vx_familysyncstatus_args_t, time_units, long_form, 4);
VX_LAYOUT_FIELD(vx_familysyncstatus_args_t, long_form, window_kind, 5);
VX_LAYOUT_FIELD(vx_familysyncstatus_args_t, window_kind, window, 6);
VX_LAYOUT_FIELD(vx_familysyncstatus_args_t, window, region, 7);
VX_LAYOUT_FIELD(vx_familysyncstatus_args_t, region, vobs, 8);
VX_LAYOUT_FIELD(vx_familysyncstatus_args_t, vobs, vob_count, 9);
VX_LAYOUT_SIZE(vx_familysyncstatus_args_t, vob_count, 10);
VX_LAYOUT_FIRST(vx_shipinfo_args_t, prefix);
VX_LAYOUT_FIELD(vx_shipinfo_args_t, prefix, job, 2);
VX_LAYOUT_FIELD(vx_shipinfo_args_t, job, host, 3);
VX_LAYOUT_FIELD(vx_shipinfo_args_t, host, replica, 4);
VX_LAYOUT_FIELD(vx_shipinfo_args_t, replica, sibling, 5);
VX_LAYOUT_FIELD(vx_shipinfo_args_t, sibling, sclass, 6);
VX_LAYOUT_FIELD(vx_shipinfo_args_t, sclass, mode, 7);
VX_LAYOUT_FIELD(vx_shipinfo_args_t, mode, start_scan, 8);
VX_LAYOUT_FIELD(vx_shipinfo_args_t, start_scan, end_scan, 9);
VX_LAYOUT_FIELD(vx_shipinfo_args_t, end_scan, scan_direction, 10);
VX_LAYOUT_FIELD(vx_shipinfo_args_t, scan_direction, file_type, 11);
VX_LAYOUT_SIZE(vx_shipinfo_args_t, file_type, 12);
VX_LAYOUT_FIRST(vx_syncinfo_args_t, prefix);
VX_LAYOUT_FIELD(vx_syncinfo_args_t, prefix, host, 2);
VX_LAYOUT_FIELD(vx_syncinfo_args_t, host, replica, 3);
VX_LAYOUT_FIELD(vx_syncinfo_args_t, replica, start_scan, 4);
VX_LAYOUT_FIELD(vx_syncinfo_args_t, start_scan, end_scan, 5);
VX_LAYOUT_FIELD(vx_syncinfo_args_t, end_scan, scan_direction_text, 6);
VX_LAYOUT_FIELD(vx_syncinfo_args_t, scan_direction_text, states, 7);
VX_LAYOUT_FIELD(vx_syncinfo_args_t, states, reserved_1, 8);
VX_LAYOUT_FIELD(vx_syncinfo_args_t, reserved_1, reserved_2, 9);
VX_LAYOUT_FIELD(vx_syncinfo_args_t, reserved_2, mode, 10);
VX_LAYOUT_FIELD(vx_syncinfo_args_t, mode, sibling, 11);
VX_LAYOUT_FIELD(vx_syncinfo_args_t, sibling, user, 12);
VX_LAYOUT_FIELD(vx_syncinfo_args_t, user, me, 13);
VX_LAYOUT_FIELD(vx_syncinfo_args_t, me, last, 14);
VX_LAYOUT_FIELD(vx_syncinfo_args_t, last, last_value, 15);
VX_LAYOUT_FIELD(vx_syncinfo_args_t, last_value, job_count, 16);
VX_LAYOUT_FIELD(vx_syncinfo_args_t, job_count, jobs, 17);
VX_LAYOUT_SIZE(vx_syncinfo_args_t, jobs, 18);
VX_LAYOUT_FIRST(vx_perfinfo_args_t, prefix);
VX_LAYOUT_FIELD(vx_perfinfo_args_t, prefix, replica, 2);
VX_LAYOUT_FIELD(vx_perfinfo_args_t, replica, sibling, 3);
VX_LAYOUT_FIELD(vx_perfinfo_args_t, sibling, host, 4);
VX_LAYOUT_FIELD(vx_perfinfo_args_t, host, mode, 5);
VX_LAYOUT_FIELD(vx_perfinfo_args_t, mode, start_scan, 6);
VX_LAYOUT_FIELD(vx_perfinfo_args_t, start_scan, end_scan, 7);
VX_LAYOUT_FIELD(vx_perfinfo_args_t, end_scan, granularity, 8);
VX_LAYOUT_SIZE(vx_perfinfo_args_t, granularity, 9);

#endif
