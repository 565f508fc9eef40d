/* Argument records of lspacket, dumpoplog, lsexport, recoverpacket, lsepoch, chepoch. Included through vx_cmd_args.h.
 */
#ifndef VX_ARGS_PACKETS_H
#define VX_ARGS_PACKETS_H

#include "vx_cmd_args.h"

#ifdef __cplusplus
extern "C" {
#endif

/* lspacket */
typedef struct vx_lspacket_args {
    cmd_args_prefix_t prefix;
    const char **packets; /* packet path names, in command-line order */
    int32_t packet_count;
    int32_t detail_level; /* VX_DETAIL_* */
    int32_t dump;
    const char *invob; /* VOB selector */
    int32_t endrange;
} vx_lspacket_args_t;

#define VX_DETAIL_SHORT 1
#define VX_DETAIL_LONG 2

/* dumpoplog */
typedef struct vx_dumpoplog_args {
    cmd_args_prefix_t prefix;
    const char **entries; /* oplog entry order numbers, unconverted, in command-line order */
    int32_t entry_count;
    const char *from_entry; /* first entry order number of a range, unconverted */
    const char *to_entry;   /* last entry order number of a range, unconverted */
    int32_t detail_level;   /* VX_DETAIL_* */
    int32_t show_name;
    const char *invob;    /* VOB selector */
    const char *vreplica; /* replica */
    const char *since;    /* date-time, unconverted */
    int32_t reverse;
    uint32_t limit; /* 0 when not given */
} vx_dumpoplog_args_t;

/* The fields lsexport and recoverpacket share, in their order: the replica selectors
   and the date-time that narrows them. */
#define VX_EXPORT_SELECTION_FIELDS                                        \
    cmd_args_prefix_t prefix;                                             \
    const char **replicas; /* replica selectors, in command-line order */ \
    int32_t replica_count;                                                \
    const char *since;     /* date-time, unconverted */                   \
    uint32_t reserved_word /* always 0 */

/* lsexport */
typedef struct vx_lsexport_args {
    VX_EXPORT_SELECTION_FIELDS;
} vx_lsexport_args_t;

/* recoverpacket */
typedef struct vx_recoverpacket_args {
    VX_EXPORT_SELECTION_FIELDS;
    cmd_comment_block_t comment;
} vx_recoverpacket_args_t;

/* lsepoch */
typedef struct vx_lsepoch_args {
    cmd_args_prefix_t prefix;
    const char **replicas; /* replica selectors, in command-line order */
    int32_t replica_count;
    const char *invob; /* VOB selector */
    int32_t actual;
} vx_lsepoch_args_t;

/* chepoch */
typedef struct vx_chepoch_args {
    cmd_args_prefix_t prefix;
    int32_t force;
    const char *epoch_row;    /* the epoch table row; with -actual, the sibling replica */
    const char **epoch_names; /* replica selectors of the name=value operands, copies */
    int32_t *epoch_values;    /* their new epoch numbers, entry i belonging to name i */
    int32_t epoch_count;      /* entries in epoch_names and in epoch_values */
    int32_t actual;
    int32_t raise_only;
    cmd_comment_block_t comment;
} vx_chepoch_args_t;

#ifdef __cplusplus
}
#endif

/* The records word by word (see vx_layout.h): on a 32-bit target each field at its word
   and each record exactly its size; the comment block takes four words. */
VX_LAYOUT_FIRST(vx_lspacket_args_t, prefix);
VX_LAYOUT_FIELD(vx_lspacket_args_t, prefix, packets, 2);
VX_LAYOUT_FIELD(vx_lspacket_args_t, packets, packet_count, 3);
VX_LAYOUT_FIELD(vx_lspacket_args_t, packet_count, detail_level, 4);
VX_LAYOUT_FIELD(vx_lspacket_args_t, detail_level, dump, 5);
VX_LAYOUT_FIELD(vx_lspacket_args_t, dump, invob, 6);
VX_LAYOUT_FIELD(vx_lspacket_args_t, invob, endrange, 7);
VX_LAYOUT_SIZE(vx_lspacket_args_t, endrange, 8);
VX_LAYOUT_FIRST(vx_dumpoplog_args_t, prefix);
VX_LAYOUT_FIELD(vx_dumpoplog_args_t, prefix, entries, 2);
VX_LAYOUT_FIELD(vx_dumpoplog_args_t, entries, entry_count, 3);
VX_LAYOUT_FIELD(vx_dumpoplog_args_t, entry_count, from_entry, 4);
VX_LAYOUT_FIELD(vx_dumpoplog_args_t, from_entry, to_entry, 5);
VX_LAYOUT_FIELD(vx_dumpoplog_args_t, to_entry, detail_level, 6);
VX_LAYOUT_FIELD(vx_dumpoplog_args_t, detail_level, show_name, 7);
VX_LAYOUT_FIELD(vx_dumpoplog_args_t, show_name, invob, 8);
VX_LAYOUT_FIELD(vx_dumpoplog_args_t, invob, vreplica, 9);
VX_LAYOUT_FIELD(vx_dumpoplog_args_t, vreplica, since, 10);
VX_LAYOUT_FIELD(vx_dumpoplog_args_t, since, reverse, 11);
VX_LAYOUT_FIELD(vx_dumpoplog_args_t, reverse, limit, 12);
VX_LAYOUT_SIZE(vx_dumpoplog_args_t, limit, 13);
VX_LAYOUT_FIRST(vx_lsexport_args_t, prefix);
VX_LAYOUT_FIELD(vx_lsexport_args_t, prefix, replicas, 2);
VX_LAYOUT_FIELD(vx_lsexport_args_t, replicas, replica_count, 3);
VX_LAYOUT_FIELD(vx_lsexport_args_t, replica_count, since, 4);
VX_LAYOUT_FIELD(vx_lsexport_args_t, since, reserved_word, 5);
VX_LAYOUT_SIZE(vx_lsexport_args_t, reserved_word, 6);
VX_LAYOUT_FIRST(vx_recoverpacket_args_t, prefix);
VX_LAYOUT_FIELD(vx_recoverpacket_args_t, prefix, replicas, 2);
VX_LAYOUT_FIELD(vx_recoverpacket_args_t, replicas, replica_count, 3);
VX_LAYOUT_FIELD(vx_recoverpacket_args_t, replica_count, since, 4);
VX_LAYOUT_FIELD(vx_recoverpacket_args_t, since, reserved_word, 5);
VX_LAYOUT_FIELD(vx_recoverpacket_args_t, reserved_word, comment, 6);
VX_LAYOUT_SIZE(vx_recoverpacket_args_t, comment, 10);
VX_LAYOUT_FIRST(vx_lsepoch_args_t, prefix);
VX_LAYOUT_FIELD(vx_lsepoch_args_t, prefix, replicas, 2);
VX_LAYOUT_FIELD(vx_lsepoch_args_t, replicas, replica_count, 3);
VX_LAYOUT_FIELD(vx_lsepoch_args_t, replica_count, invob, 4);
VX_LAYOUT_FIELD(vx_lsepoch_args_t, invob, actual, 5);
VX_LAYOUT_SIZE(vx_lsepoch_args_t, actual, 6);
VX_LAYOUT_FIRST(vx_chepoch_args_t, prefix);
VX_LAYOUT_FIELD(vx_chepoch_args_t, prefix, force, 2);
VX_LAYOUT_FIELD(vx_chepoch_args_t, force, epoch_row, 3);
VX_LAYOUT_FIELD(vx_chepoch_args_t, epoch_row, epoch_names, 4);
VX_LAYOUT_FIELD(vx_chepoch_args_t, epoch_names, epoch_values, 5);
VX_LAYOUT_FIELD(vx_chepoch_args_t, epoch_values, epoch_count, 6);
VX_LAYOUT_FIELD(vx_chepoch_args_t, epoch_count, actual, 7);
VX_LAYOUT_FIELD(vx_chepoch_args_t, actual, raise_only, 8);
VX_LAYOUT_FIELD(vx_chepoch_args_t, raise_only, comment, 9);
VX_LAYOUT_SIZE(vx_chepoch_args_t, comment, 13);

#endif
