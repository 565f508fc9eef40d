/* Table capture and probing: calls of this stand-in parser that the kernel services do
   not have. A program that describes the commands' syntax (built and run at build time)
   links the parser's objects and learns from them what each syntax routine installs
   and reads; no tool or library may rely on them. They are not exported from the
   shared library. */
#ifndef KS_CLP_CAPTURE_H
#define KS_CLP_CAPTURE_H

#include "libzornaks.h"

VX_EXTERN_C_BEGIN

/* A parser without words whose clp_switch_flags checks the table, keeps it, and then
   refuses it without a message (CLP_REJECTED), so that a syntax routine returns at once. */
clp_parser_t *clp_parser_create_capture(stg_area_t *area);

/* A capturing parser that takes the table instead of refusing it and hands the routine
   flag `flag` (0, 1, ... in table order, group markers not counted) as its only word.
   It notes what the routine reads next (clp_probe_reading), then ends the line: the
   values and operands asked for are missing, and every further flag is refused without
   a message, so that the routine returns without running its command. A table with no
   flag `flag` is refused as in capture. */
clp_parser_t *clp_parser_create_probe(stg_area_t *area, int flag);

/* What a routine read after the probed flag. */
#define CLP_PROBE_NOT_REACHED (-1) /* the flag was not handed out (no table, or not probing) */
#define CLP_PROBE_READS_NOTHING 0  /* the next flag, or nothing: a switch */
#define CLP_PROBE_READS_TEXT 1     /* clp_get_next_arg: one value word */
#define CLP_PROBE_READS_LIST 2     /* clp_get_next_subarg: a comma-separated list */
int clp_probe_reading(const clp_parser_t *parser);

/* Flag `index` (0, 1, ...) of the table a capturing parser kept, in table order: its
   full name ("-long" for "-l[ong]"), its shortest spelling ("-l"), its mutual-exclusion
   group (0 outside any, else 1, 2, ... numbering the groups of the table in order).
   NULL (group: -1) past the last flag, before a table was kept, after a malformed table,
   and for a parser that does not capture. */
const char *clp_captured_flag(const clp_parser_t *parser, int index);
const char *clp_captured_shortest(const clp_parser_t *parser, int index);
int clp_captured_group(const clp_parser_t *parser, int index);

VX_EXTERN_C_END

#endif
