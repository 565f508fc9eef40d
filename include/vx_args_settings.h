/* Argument records of lssetting, chsetting, lsshipconfig, syncserver, vxacl. Included through vx_cmd_args.h. */
#ifndef VX_ARGS_SETTINGS_H
#define VX_ARGS_SETTINGS_H

#include "vx_cmd_args.h"

#ifdef __cplusplus
extern "C" {
#endif

/* scope of lssetting and chsetting; 0 when no scope flag was given. */
#define VX_SCOPE_SITE 4

/* lssetting */
typedef struct vx_lssetting_args {
    cmd_args_prefix_t prefix;
    int32_t scope;            /* VX_SCOPE_SITE, or 0 */
    const char *rgy_host;     /* registry server host */
    const char *setting_name; /* the one setting to list; NULL lists them all */
    int32_t rgy_given;        /* -rgy appeared, with or without its value */
    int32_t inquire;
    int32_t long_form;
} vx_lssetting_args_t;

/* chsetting */
typedef struct vx_chsetting_args {
    cmd_args_prefix_t prefix;
    int32_t scope; /* VX_SCOPE_SITE, or 0 */
    int32_t unset_all;
    const char *rgy_host; /* registry server host */
    const char *password; /* registry password, as typed */
    int32_t rgy_given;    /* -rgy appeared, with or without its value */
    int32_t setting_count;
    const char **settings; /* whole "name=value" texts, in command-line order */
} vx_chsetting_args_t;

/* lsshipconfig: which items of a host's shipping configuration to list. */
typedef struct vx_lsshipconfig_args {
    cmd_args_prefix_t prefix;
    const char *host;   /* host whose configuration is listed */
    const char *sclass; /* storage class of the four storage-class items */
    int32_t list_stgpath;
    int32_t list_rtnpath;
    int32_t list_rcptpath;
    int32_t list_pexpire;
    int32_t list_route;
    int32_t list_admin;
    int32_t list_maxsize;
    int32_t list_timeout;
    int32_t list_maxport;
    int32_t list_minport;
    int32_t list_notify;
} vx_lsshipconfig_args_t;

/* syncserver: an inquiry has set_manage_state 0. */
typedef struct vx_syncserver_args {
    cmd_args_prefix_t prefix;
    int32_t vob_count;
    const char **vobs; /* VOB tags of -vob, in order */
    int32_t nmanage;
    int32_t set_manage_state;
    int32_t all_vobs;
} vx_syncserver_args_t;

/* vxacl */
typedef struct vx_vxacl_args {
    cmd_args_prefix_t prefix;
    const char *host;      /* host whose access-control list is meant */
    int32_t acl_op;        /* VX_ACL_*; 0 when none was given */
    const char *acl_pname; /* file the list is set from (-set) */
    int32_t force;
} vx_vxacl_args_t;

#define VX_ACL_GET 1
#define VX_ACL_SET 2
#define VX_ACL_EDIT 3

#ifdef __cplusplus
}
#endif

#endif
