/* Kernel services: command-line parser, message facility, storage areas, string and
   path utilities. */
#ifndef LIBZORNAKS_H
#define LIBZORNAKS_H

#include <stddef.h>
#include <stdint.h>

#include "vx_layout.h"
#include "vx_platform.h"

#if defined(BUILDING_LIBZORNAKS)
#define ZORNAKS_API VX_EXPORT
#else
#define ZORNAKS_API VX_IMPORT
#endif

VX_EXTERN_C_BEGIN

/* ---- Storage areas ------------------------------------------------------------ */

/* Opaque allocation area: every block taken from it lives until the area is released. */
typedef struct stg_area stg_area_t;

/* The process heap, usable wherever an area is asked for; blocks taken from it are
   never given back. */
#define STG_HEAP_AREA ((stg_area_t *)1)

ZORNAKS_API stg_area_t *stg_area_create(void);
/* Releases every block of the area and the area itself. */
ZORNAKS_API void stg_area_release(stg_area_t *area);
/* Releases every block but keeps the largest chunk for the next use of the area. */
ZORNAKS_API void stg_area_reset(stg_area_t *area);
/* Bytes handed out since the area was created or last reset. */
ZORNAKS_API size_t stg_area_bytes_used(const stg_area_t *area);
/* A block of `bytes`, aligned for any object; NULL when the area cannot supply it. */
ZORNAKS_API void *stg_alloc(stg_area_t *area, size_t bytes);
/* A copy of `text` in the area; NULL when the area cannot supply it. */
ZORNAKS_API char *stg_area_strdup(stg_area_t *area, const char *text);
/* Caps what one area may hand out in all (0: no cap). Blocks past the cap fail. */
ZORNAKS_API void stg_area_set_limit(stg_area_t *area, size_t max_bytes);
/* Nonzero when the area could not supply a block asked of it since it was created or
   last reset: memory ran out (or its cap was reached), whatever its caller made of it. */
ZORNAKS_API int stg_area_ran_out(const stg_area_t *area);

/* ---- Command-line parser ------------------------------------------------------ */

typedef struct clp_parser clp_parser_t;

/* One row of a flag table. */
typedef struct clp_flag_desc {
    const char *spec; /* "-l[ong]": shortest abbreviation before "[", full name without brackets */
    int32_t code;     /* flag code; CLP_MARK_START_EXCLUSION, CLP_MARK_END_EXCLUSION, CLP_TABLE_END */
    uint16_t attr;    /* attribute word */
} clp_flag_desc_t;
VX_LAYOUT_FIRST(clp_flag_desc_t, spec);
VX_LAYOUT_FIELD(clp_flag_desc_t, spec, code, 1);
VX_LAYOUT_FIELD(clp_flag_desc_t, code, attr, 2);
VX_LAYOUT_SIZE(clp_flag_desc_t, attr, 3); /* the 16-bit attribute is padded to a word */

#define CLP_TABLE_END (-1)
#define CLP_MARK_START_EXCLUSION (-2)
#define CLP_MARK_END_EXCLUSION (-3)
#define CLP_START_EXCLUSION_SPEC "Start Mutual Exclusion"
#define CLP_END_EXCLUSION_SPEC "End Mutual Exclusion"

/* Results of the parser calls. */
#define CLP_OK 0
#define CLP_REJECTED 1 /* the command line or the table was refused; the parser said why */
#define CLP_DONE 2

/* A table may hold at most this many rows before its terminator. */
#define CLP_MAX_TABLE_ROWS 1024

/* A parser over the words after the command word. The words are copied into `area`,
   which must outlive the parser; every text the parser hands out lives as long. */
ZORNAKS_API clp_parser_t *clp_parser_create(stg_area_t *area, int argc, const char *const *argv);
/* Installs a flag table, checked as it stands at each install (the parser keeps
   nothing of it across parsers). 0: in force; nonzero: malformed and refused. */
ZORNAKS_API int clp_switch_flags(clp_parser_t *parser, const clp_flag_desc_t *table, stg_area_t *area);
/* Reads the next flag. 0: `*code` set; CLP_DONE: no more flags; other: the line was
   rejected and the parser printed why. The second argument is reserved (0). */
ZORNAKS_API int clp_get_next_flag_value(clp_parser_t *parser, int reserved, int32_t *code);
/* Next word: a flag's value while flags are read, then the operands in their order.
   0: `*text` set; CLP_DONE: nothing left (`*text` NULL). */
ZORNAKS_API int clp_get_next_arg(clp_parser_t *parser, const char **text);
/* Next element of a list value (the comma-separated parts of the next word). First
   call: CLP_DONE when there is no element; later calls: `*text` NULL ends the list. */
ZORNAKS_API int clp_get_next_subarg(clp_parser_t *parser, const char **text);
/* Writes the flag last read, as typed, into `buffer` (at most `size` bytes, always
   terminated). 0: written; nonzero: no flag was read yet. */
ZORNAKS_API int clp_get_last_flag_name(clp_parser_t *parser, int form, size_t size, char *buffer);

/* ---- Message facility --------------------------------------------------------- */

/* A library's message catalog. */
typedef struct msg_table {
    const char *catalog_name;
    const char *facility_name;
    uint16_t set_number;
    uint16_t count;
    const char *const *texts;
    const uint16_t *numbers;
} msg_table_t;
VX_LAYOUT_FIRST(msg_table_t, catalog_name);
VX_LAYOUT_FIELD(msg_table_t, catalog_name, facility_name, 1);
VX_LAYOUT_FIELD(msg_table_t, facility_name, set_number, 2);
VX_LAYOUT_AT(msg_table_t, set_number, count, 10); /* the two 16-bit fields share word 2 */
VX_LAYOUT_FIELD(msg_table_t, count, texts, 3);
VX_LAYOUT_FIELD(msg_table_t, texts, numbers, 4);
VX_LAYOUT_SIZE(msg_table_t, numbers, 5);

#define IMSG_SEV_PLAIN 0
#define IMSG_SEV_PLAIN_CONT 1
#define IMSG_SEV_ERROR 6
#define IMSG_SEV_USAGE 7
#define IMSG_SEV_TRACE 8

/* In the index position: the second argument of imsg_print is a format string. */
#define IMSG_FORMAT_INDEX (-1)

/* The buffer handed to imsg_sprintf must hold this many bytes. */
#define IMSG_SPRINTF_MAX 1024

/* Catalog form: imsg_print(sev, table, index, args...); format form:
   imsg_print(sev, format, IMSG_FORMAT_INDEX, args...). Severities 0 and 1 go to
   standard output, the others to standard error. Returns 0 when printed.
   Outside Windows, the catalog form (and imsg_print_shared) first looks the message up
   with catopen(catalog_name, NL_CAT_LOCALE) / catgets(set_number, numbers[index]):
   NLSPATH and the program's LC_MESSAGES locale choose the file (a program follows
   LANG, LC_MESSAGES and LC_ALL after setlocale(LC_MESSAGES, "")). The catalog's text is
   used only when its conversion specifications are those of the built-in text (same
   count, same argument kinds, same order; no numbered ones); otherwise, and when no
   catalog has the message, the built-in text is printed. Without NLSPATH, catalogs are
   looked for in the installed tree beside the running program first
   (<prefix>/share/locale/<locale>/LC_MESSAGES/<catalog_name>, the locale also with its
   codeset spelled "utf8" or "UTF-8", without it, and as its language alone). A refused
   translation is traced once per message under the facility named as the catalog. */
ZORNAKS_API int imsg_print(int severity, const void *table_or_format, int index, ...);
/* Prints message `index` of another library's table under `facility`. */
ZORNAKS_API int imsg_print_shared(int severity, const char *facility, const msg_table_t *table, int index);
/* The text of message `index` of `table` as imsg_print prints it: the catalog's
   translation when it may stand in for the built-in text, else the built-in text. NULL
   when the table has no such message. The text lives as long as the process. */
ZORNAKS_API const char *imsg_get_text(const msg_table_t *table, int index);
/* Formats into `buffer` (IMSG_SPRINTF_MAX bytes); returns the length written. */
ZORNAKS_API int imsg_sprintf(char *buffer, const char *format, int index, ...);
/* Tracing is set from the environment, read once per process:
     VX_TRACE      comma-separated facility names ("vx_cmd,vx_cmdsyn"), or "all";
                   a facility named there traces at every level.
     VX_VERBOSITY  a decimal number, 0 or more; 0 when unset or empty. A malformed
                   value is reported as an error message naming the variable, once,
                   and ignored (0). */
/* Nonzero when tracing is on for `facility` at `level` (VX_TRACE). */
ZORNAKS_API int imsg_should_trace(const char *facility, int level);
/* The verbosity asked for (VX_VERBOSITY; 0 when unset). */
ZORNAKS_API int imsg_get_desired_verbosity(void);
/* The tool's name, shown before the first line of an error message ("vexar: Error: ").
   NULL or "" prints no prefix. The text is kept, not copied: it must stay valid. */
ZORNAKS_API void imsg_set_program_name(const char *name);

/* ---- String and path utilities ------------------------------------------------ */

/* Decimal (base 10) or C-style (base 0) conversion of the whole text. 0: converted;
   nonzero: empty, trailing characters, or out of range. */
ZORNAKS_API int strutl_strtol(const char *text, int base, int32_t *value);
ZORNAKS_API int strutl_strtoul(const char *text, int base, uint32_t *value);
/* Looks for `ch` in `text` from offset `start`. Nonzero: found, `*index` its offset
   from the start of the text. */
ZORNAKS_API int strutl_find_char(const char *text, int start, int ch, int32_t *index);
/* Nonzero when `path` is absolute: "/x", or on Windows terms "C:\x", "C:/x", "\\host\share". */
ZORNAKS_API int fileutl_is_abspn(const char *path);

VX_EXTERN_C_END

#endif
