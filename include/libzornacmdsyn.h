/* Shared command syntax of the tool family: the routine signature, dispatch tables,
   help and manual-page dispatch, the generic command routines, and (at the end) the
   calls the tool makes of its own. */
#ifndef LIBZORNACMDSYN_H
#define LIBZORNACMDSYN_H

#include <stdint.h>

#include "libzornaks.h"

#if defined(BUILDING_LIBZORNACMDSYN)
#define ZORNACMDSYN_API VX_EXPORT
#else
#define ZORNACMDSYN_API VX_IMPORT
#endif

VX_EXTERN_C_BEGIN

/* Dispatch flags: either of the two lowest bits asks for the usage text only. */
#define SYNTAX_USAGE_BITS 3u
#define SYNTAX_USAGE_BRIEF 1u
#define SYNTAX_USAGE_FULL 2u

/* A syntax routine: parser positioned after the command word, storage area, dispatch
   flags; returns 0 for a served usage request, 1001 for a syntax failure, or the
   command's own status. */
typedef int32_t (*cmd_syntax_routine_t)(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);

/* A slot of a procedure table. */
typedef struct proc_table_entry {
    cmd_syntax_routine_t routine;
    uint32_t attr;
} proc_table_entry_t;
VX_LAYOUT_FIRST(proc_table_entry_t, routine);
VX_LAYOUT_FIELD(proc_table_entry_t, routine, attr, 1);
VX_LAYOUT_SIZE(proc_table_entry_t, attr, 2);

/* A keyword row: laid out like a flag-table row; the slot number stands in the place
   of the flag code. The table ends with {NULL, -1, 0}. */
typedef struct cmd_keyword {
    const char *keyword;
    int32_t slot;
    uint16_t attr;
} cmd_keyword_t;
VX_LAYOUT_FIRST(cmd_keyword_t, keyword);
VX_LAYOUT_FIELD(cmd_keyword_t, keyword, slot, 1);
VX_LAYOUT_FIELD(cmd_keyword_t, slot, attr, 2);
VX_LAYOUT_SIZE(cmd_keyword_t, attr, 3); /* the 16-bit attribute is padded to a word */

/* Keyword attribute of a second word for a slot that an earlier row already names. */
#define CMD_KEYWORD_ALIAS 2

/* ---- What the command-syntax library uses ------------------------------------------
   Help and man dispatch, for its routines of those names, and the generic routines its
   procedure table holds. */

ZORNACMDSYN_API int32_t cmdsyn_help_dispatch(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags,
                                             const cmd_keyword_t *keywords, const proc_table_entry_t *procs);
ZORNACMDSYN_API int32_t cmdsyn_man_dispatch(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags,
                                            const cmd_keyword_t *keywords, const char *tool_name,
                                            const char *page_prefix, const char *help_dir, int32_t form);

/* The generic commands, one syntax routine each, cmdsyn_<command>, declared one a line:
   the build takes the commands their manual page describes from here. */
ZORNACMDSYN_API int32_t cmdsyn_quit(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNACMDSYN_API int32_t cmdsyn_cd(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNACMDSYN_API int32_t cmdsyn_pwd(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNACMDSYN_API int32_t cmdsyn_shell(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNACMDSYN_API int32_t cmdsyn_lstype(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNACMDSYN_API int32_t cmdsyn_rmtype(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNACMDSYN_API int32_t cmdsyn_lsreplica(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNACMDSYN_API int32_t cmdsyn_chmaster(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNACMDSYN_API int32_t cmdsyn_lsmaster(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNACMDSYN_API int32_t cmdsyn_reqmaster(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNACMDSYN_API int32_t cmdsyn_describe(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNACMDSYN_API int32_t cmdsyn_rename(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);

/* ---- What the tool calls --------------------------------------------------------------
   The tool needs these beyond the routines above: it finds command words, hands help the
   words and purposes only it knows, and ends its session once quit or exit was run. A
   replacement of this library must offer them too. */

/* The slot of the first row of `keywords` that `word` matches, or -1. A row "mkrep[lica]"
   matches a word that begins with "mkrep" and is itself a beginning of "mkreplica"; a
   row without brackets ("exit", "!") matches only itself. */
ZORNACMDSYN_API int32_t cmdsyn_find_keyword(const cmd_keyword_t *keywords, const char *word);

/* Commands reached by their full names only (they have no keyword row): the tool hands
   this table over once, at start, so that help can find them too. Terminated like the
   keyword table. */
ZORNACMDSYN_API void cmdsyn_set_extra_keywords(const cmd_keyword_t *keywords);
/* A command's one-line purpose, for the command list of help. */
typedef struct cmdsyn_purpose {
    const char *command; /* full command word */
    const char *purpose;
} cmdsyn_purpose_t;

/* The purposes help shows beside each command word; the tool hands them over once, at
   start. Terminated by a row with a NULL command. */
ZORNACMDSYN_API void cmdsyn_set_command_purposes(const cmdsyn_purpose_t *purposes);
/* The message table that holds the purposes among its texts, so that help shows each
   purpose as that table's catalog translates it (imsg_get_text); a purpose the table
   does not hold, or whose translation is refused, is shown as given. NULL: every
   purpose as given. */
ZORNACMDSYN_API void cmdsyn_set_purpose_texts(const msg_table_t *texts);

/* Nonzero once quit or exit was run. */
ZORNACMDSYN_API int cmdsyn_quit_requested(void);

VX_EXTERN_C_END

#endif
