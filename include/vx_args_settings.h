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

/* The records word by word (see vx_layout.h): on a 32-bit target each field at its word
   and each record exactly its size; the comment block takes four words. */
VX_LAYOUT_FIRST(vx_lssetting_args_t, prefix);
VX_LAYOUT_FIELD(vx_lssetting_args_t, prefix, scope, 2);
VX_LAYOUT_FIELD(vx_lssetting_args_t, scope, rgy_host, 3);
VX_LAYOUT_FIELD(vx_lssetting_args_t, rgy_host, setting_name, 4);
VX_LAYOUT_FIELD(vx_lssetting_args_t, setting_name, rgy_given, 5);
VX_LAYOUT_FIELD(vx_lssetting_args_t, rgy_given, inquire, 6);
VX_LAYOUT_FIELD(vx_lssetting_args_t, inquire, long_form, 7);
VX_LAYOUT_SIZE(vx_lssetting_args_t, long_form, 8);
VX_LAYOUT_FIRST(vx_chsetting_args_t, prefix);
VX_LAYOUT_FIELD(vx_chsetting_args_t, prefix, scope, 2);
VX_LAYOUT_FIELD(vx_chsetting_args_t, scope, unset_all, 3);
VX_LAYOUT_FIELD(vx_chsetting_args_t, unset_all, rgy_host, 4);
VX_LAYOUT_FIELD(vx_chsetting_args_t, rgy_host, password, 5);
VX_LAYOUT_FIELD(vx_chsetting_args_t, password, rgy_given, 6);
VX_LAYOUT_FIELD(vx_chsetting_args_t, rgy_given, setting_count, 7);
VX_LAYOUT_FIELD(vx_chsetting_args_t, setting_count, settings, 8);
VX_LAYOUT_SIZE(vx_chsetting_args_t, settings, 9);
VX_LAYOUT_FIRST(vx_lsshipconfig_args_t, prefix);
VX_LAYOUT_FIELD(vx_lsshipconfig_args_t, prefix, host, 2);
VX_LAYOUT_FIELD(vx_lsshipconfig_args_t, host, sclass, 3);
VX_LAYOUT_FIELD(vx_lsshipconfig_args_t, sclass, list_stgpath, 4);
VX_LAYOUT_FIELD(vx_lsshipconfig_args_t, list_stgpath, list_rtnpath, 5);
VX_LAYOUT_FIELD(vx_lsshipconfig_args_t, list_rtnpath, list_rcptpath, 6);
VX_LAYOUT_FIELD(vx_lsshipconfig_args_t, list_rcptpath, list_pexpire, 7);
VX_LAYOUT_FIELD(vx_lsshipconfig_args_t, list_pexpire, list_route, 8);
VX_LAYOUT_FIELD(vx_lsshipconfig_args_t, list_route, list_admin, 9);
VX_LAYOUT_FIELD(vx_lsshipconfig_args_t, list_admin, list_maxsize, 10);
VX_LAYOUT_FIELD(vx_lsshipconfig_args_t, list_maxsize, list_timeout, 11);
VX_LAYOUT_FIELD(vx_lsshipconfig_args_t, list_timeout, list_maxport, 12);
VX_LAYOUT_FIELD(vx_lsshipconfig_args_t, list_maxport, list_minport, 13);
VX_LAYOUT_FIELD(vx_lsshipconfig_args_t, list_minport, list_notify, 14);
VX_LAYOUT_SIZE(vx_lsshipconfig_args_t, list_notify, 15);
VX_LAYOUT_FIRST(vx_syncserver_args_t, prefix);
VX_LAYOUT_FIELD(vx_syncserver_args_t, prefix, vob_count, 2);
VX_LAYOUT_FIELD(vx_syncserver_args_t, vob_count, vobs, 3);
VX_LAYOUT_FIELD(vx_syncserver_args_t, vobs, nmanage, 4);
VX_LAYOUT_FIELD(vx_syncserver_args_t, nmanage, set_manage_state, 5);
VX_LAYOUT_FIELD(vx_syncserver_args_t, set_manage_state, all_vobs, 6);
VX_LAYOUT_SIZE(vx_syncserver_args_t, all_vobs, 7);
VX_LAYOUT_FIRST(vx_vxacl_args_t, prefix);
VX_LAYOUT_FIELD(vx_vxacl_args_t, prefix, host, 2);
VX_LAYOUT_FIELD(vx_vxacl_args_t, host, acl_op, 3);
VX_LAYOUT_FIELD(vx_vxacl_args_t, acl_op, acl_pname, 4);
VX_LAYOUT_FIELD(vx_vxacl_args_t, acl_pname, force, 5);
VX_LAYOUT_SIZE(vx_vxacl_args_t, force, 6);

#endif
