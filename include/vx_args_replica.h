/* Argument records of mkreplica, syncreplica, chreplica, rmreplica, restorereplica, mkrptype. Included through
 * vx_cmd_args.h. */
#ifndef VX_ARGS_REPLICA_H
#define VX_ARGS_REPLICA_H

#include "vx_cmd_args.h"

#ifdef __cplusplus
extern "C" {
#endif

/* mkreplica: one new replica of the export form, from a hostname:replica-selector
   operand. Both texts point into one copy of the operand, split at its first colon. */
typedef struct vx_replica_host_pair {
    const char *replica_selector; /* after the colon */
    const char *hostname;         /* before the colon */
} vx_replica_host_pair_t;

/* schema when -schema was not given. */
#define VX_SCHEMA_UNSET 0x7FFFFFFF

/* mkreplica */
typedef struct vx_mkreplica_args {
    cmd_args_prefix_t prefix;
    const char *tag;                 /* VOB tag of the new replica */
    const char *vob_stg;             /* VOB storage directory */
    const char *rptype;              /* replica type */
    int32_t mode;                    /* VX_MODE_* */
    const char *packet_file;         /* -out value; in the import form the first operand */
    const char *vreplica;            /* replica name */
    vx_replica_host_pair_t *targets; /* export operands, in command-line order */
    int32_t target_count;
    const char **search_dirs; /* import operands after the packet file */
    int32_t search_dir_count;
    const char *host;
    const char *gpath; /* global storage pathname */
    const char *hpath; /* host storage pathname */
    const char **mount_options;
    int32_t mount_option_count;
    int32_t public_tag;
    const char *workdir; /* temporary work directory */
    int32_t preserve;    /* VX_PRESERVE, VX_NPRESERVE, VX_PERMS_PRESERVE */
    int32_t nprompt;
    int32_t pooltalk;
    int32_t max_size;  /* VX_MAX_SIZE_UNSET when not given */
    int32_t ship_mode; /* VX_SHIP_MODE_OUT or VX_SHIP_MODE_SHIP */
    int32_t force_ship;
    const char *notify;   /* e-mail address */
    const char *sclass;   /* storage class */
    const char *pexpire;  /* packet expiration date-time */
    const char *password; /* tag registry password, as typed */
    const char *tag_comment;
    const char *region;
    int32_t nca_exported;
    int32_t ignore_prot;
    cmd_comment_block_t comment;
    const char *stgloc; /* server storage location name */
    int32_t nremote_admin;
    int32_t schema; /* VX_SCHEMA_UNSET when not given */
    int32_t reserved_word;
} vx_mkreplica_args_t;

/* syncreplica */
typedef struct vx_syncreplica_args {
    cmd_args_prefix_t prefix;
    const char *invob;         /* VOB selector */
    int32_t mode;              /* VX_MODE_* */
    const char *packet_file;   /* -out value */
    const char **import_items; /* import operands: packet files or staging areas */
    int32_t import_item_count;
    const char **replicas; /* export operands: replica selectors */
    int32_t replica_count;
    int32_t max_size;  /* VX_MAX_SIZE_UNSET when not given */
    int32_t ship_mode; /* VX_SHIP_MODE_* */
    int32_t force_ship;
    const char *notify;  /* e-mail address */
    const char *sclass;  /* storage class */
    const char *pexpire; /* packet expiration date-time */
    int32_t nincarnation;
    int32_t limit;        /* maximum number of packets; 0 when not given */
    const char **oprange; /* oplog ranges, as typed */
    int32_t oprange_count;
    int32_t compress;
    uint32_t evlist_count; /* note: the count comes before its list here */
    const char **evlist;   /* NAME=VALUE entries */
    int32_t verbose;
    int32_t endrange;
    int32_t server_enable_ate_messages;
    int32_t ndelete;
    int32_t server_ignore_epoch_row_cache;
    int32_t allow_imp_from_deleted_rep;
    int32_t diagnose;
    cmd_comment_block_t comment;
} vx_syncreplica_args_t;

/* chreplica */
typedef struct vx_chreplica_args {
    cmd_args_prefix_t prefix;
    const char *host;        /* new host name */
    const char *new_name;    /* new replica name */
    const char *replica;     /* the replica-selector operand */
    int32_t preserve;        /* VX_PRESERVE, VX_NPRESERVE, VX_PERMS_PRESERVE */
    const char *incarnation; /* date-time, as typed */
    int32_t connected;       /* VX_CONNECTED, VX_NCONNECTED */
    const char *inreplica;   /* replica to contact */
    cmd_comment_block_t comment;
} vx_chreplica_args_t;

#define VX_CONNECTED 1 /* connected */
#define VX_NCONNECTED 2

/* rmreplica */
typedef struct vx_rmreplica_args {
    cmd_args_prefix_t prefix;
    const char *replica; /* the replica-selector operand */
    cmd_comment_block_t comment;
} vx_rmreplica_args_t;

/* restorereplica */
typedef struct vx_restorereplica_args {
    cmd_args_prefix_t prefix;
    const char *invob; /* VOB selector */
    int32_t replace;
    int32_t override;
    int32_t force;
    int32_t replica_count; /* note: the count comes before its list here */
    const char **replicas; /* replica-selector operands, in command-line order */
    cmd_comment_block_t comment;
} vx_restorereplica_args_t;

/* mkrptype */
typedef struct vx_mkrptype_args {
    cmd_args_prefix_t prefix;
    const char *rptype_selector; /* the replica-type-selector operand */
    const char *supertype;       /* replica-type selector of the supertype */
    uint32_t reserved_word;
    int32_t replace;
    cmd_comment_block_t comment;
} vx_mkrptype_args_t;

#ifdef __cplusplus
}
#endif

/* The records word by word (see vx_layout.h): on a 32-bit target each field at its word
   and each record exactly its size; the comment block takes four words. */
VX_LAYOUT_FIRST(vx_replica_host_pair_t, replica_selector);
VX_LAYOUT_FIELD(vx_replica_host_pair_t, replica_selector, hostname, 1);
VX_LAYOUT_SIZE(vx_replica_host_pair_t, hostname, 2);
VX_LAYOUT_FIRST(vx_mkreplica_args_t, prefix);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, prefix, tag, 2);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, tag, vob_stg, 3);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, vob_stg, rptype, 4);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, rptype, mode, 5);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, mode, packet_file, 6);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, packet_file, vreplica, 7);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, vreplica, targets, 8);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, targets, target_count, 9);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, target_count, search_dirs, 10);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, search_dirs, search_dir_count, 11);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, search_dir_count, host, 12);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, host, gpath, 13);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, gpath, hpath, 14);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, hpath, mount_options, 15);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, mount_options, mount_option_count, 16);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, mount_option_count, public_tag, 17);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, public_tag, workdir, 18);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, workdir, preserve, 19);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, preserve, nprompt, 20);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, nprompt, pooltalk, 21);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, pooltalk, max_size, 22);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, max_size, ship_mode, 23);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, ship_mode, force_ship, 24);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, force_ship, notify, 25);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, notify, sclass, 26);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, sclass, pexpire, 27);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, pexpire, password, 28);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, password, tag_comment, 29);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, tag_comment, region, 30);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, region, nca_exported, 31);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, nca_exported, ignore_prot, 32);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, ignore_prot, comment, 33);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, comment, stgloc, 37);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, stgloc, nremote_admin, 38);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, nremote_admin, schema, 39);
VX_LAYOUT_FIELD(vx_mkreplica_args_t, schema, reserved_word, 40);
VX_LAYOUT_SIZE(vx_mkreplica_args_t, reserved_word, 41);
VX_LAYOUT_FIRST(vx_syncreplica_args_t, prefix);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, prefix, invob, 2);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, invob, mode, 3);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, mode, packet_file, 4);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, packet_file, import_items, 5);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, import_items, import_item_count, 6);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, import_item_count, replicas, 7);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, replicas, replica_count, 8);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, replica_count, max_size, 9);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, max_size, ship_mode, 10);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, ship_mode, force_ship, 11);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, force_ship, notify, 12);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, notify, sclass, 13);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, sclass, pexpire, 14);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, pexpire, nincarnation, 15);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, nincarnation, limit, 16);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, limit, oprange, 17);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, oprange, oprange_count, 18);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, oprange_count, compress, 19);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, compress, evlist_count, 20);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, evlist_count, evlist, 21);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, evlist, verbose, 22);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, verbose, endrange, 23);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, endrange, server_enable_ate_messages, 24);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, server_enable_ate_messages, ndelete, 25);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, ndelete, server_ignore_epoch_row_cache, 26);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, server_ignore_epoch_row_cache, allow_imp_from_deleted_rep, 27);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, allow_imp_from_deleted_rep, diagnose, 28);
VX_LAYOUT_FIELD(vx_syncreplica_args_t, diagnose, comment, 29);
VX_LAYOUT_SIZE(vx_syncreplica_args_t, comment, 33);
VX_LAYOUT_FIRST(vx_chreplica_args_t, prefix);
VX_LAYOUT_FIELD(vx_chreplica_args_t, prefix, host, 2);
VX_LAYOUT_FIELD(vx_chreplica_args_t, host, new_name, 3);
VX_LAYOUT_FIELD(vx_chreplica_args_t, new_name, replica, 4);
VX_LAYOUT_FIELD(vx_chreplica_args_t, replica, preserve, 5);
VX_LAYOUT_FIELD(vx_chreplica_args_t, preserve, incarnation, 6);
VX_LAYOUT_FIELD(vx_chreplica_args_t, incarnation, connected, 7);
VX_LAYOUT_FIELD(vx_chreplica_args_t, connected, inreplica, 8);
VX_LAYOUT_FIELD(vx_chreplica_args_t, inreplica, comment, 9);
VX_LAYOUT_SIZE(vx_chreplica_args_t, comment, 13);
VX_LAYOUT_FIRST(vx_rmreplica_args_t, prefix);
VX_LAYOUT_FIELD(vx_rmreplica_args_t, prefix, replica, 2);
VX_LAYOUT_FIELD(vx_rmreplica_args_t, replica, comment, 3);
VX_LAYOUT_SIZE(vx_rmreplica_args_t, comment, 7);
VX_LAYOUT_FIRST(vx_restorereplica_args_t, prefix);
VX_LAYOUT_FIELD(vx_restorereplica_args_t, prefix, invob, 2);
VX_LAYOUT_FIELD(vx_restorereplica_args_t, invob, replace, 3);
VX_LAYOUT_FIELD(vx_restorereplica_args_t, replace, override, 4);
VX_LAYOUT_FIELD(vx_restorereplica_args_t, override, force, 5);
VX_LAYOUT_FIELD(vx_restorereplica_args_t, force, replica_count, 6);
VX_LAYOUT_FIELD(vx_restorereplica_args_t, replica_count, replicas, 7);
VX_LAYOUT_FIELD(vx_restorereplica_args_t, replicas, comment, 8);
VX_LAYOUT_SIZE(vx_restorereplica_args_t, comment, 12);
VX_LAYOUT_FIRST(vx_mkrptype_args_t, prefix);
VX_LAYOUT_FIELD(vx_mkrptype_args_t, prefix, rptype_selector, 2);
VX_LAYOUT_FIELD(vx_mkrptype_args_t, rptype_selector, supertype, 3);
VX_LAYOUT_FIELD(vx_mkrptype_args_t, supertype, reserved_word, 4);
VX_LAYOUT_FIELD(vx_mkrptype_args_t, reserved_word, replace, 5);
VX_LAYOUT_FIELD(vx_mkrptype_args_t, replace, comment, 6);
VX_LAYOUT_SIZE(vx_mkrptype_args_t, comment, 10);

#endif
