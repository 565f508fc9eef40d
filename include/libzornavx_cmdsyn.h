/* The command-syntax library of vexar: one syntax routine per command, the procedure
   and keyword tables that lead the tool's dispatcher to them, the message catalog and
   the version line. */
#ifndef LIBZORNAVX_CMDSYN_H
#define LIBZORNAVX_CMDSYN_H

#include <stdint.h>

#include "libzornacmdsyn.h"
#include "libzornaks.h"

#if defined(BUILDING_LIBZORNAVX_CMDSYN)
#define ZORNAVX_CMDSYN_API VX_EXPORT
#else
#define ZORNAVX_CMDSYN_API VX_IMPORT
#endif

VX_EXTERN_C_BEGIN

/* Slots of the procedure table. */
#define VX_CMDSYN_PROC_SLOTS 37
/* Rows of the keyword table, not counting its terminator. */
#define VX_CMDSYN_KEYWORD_ROWS 31

/* The library exports exactly the names declared ZORNAVX_CMDSYN_API here, one a line:
   the build writes its export lists from these lines. */
ZORNAVX_CMDSYN_API extern const proc_table_entry_t vx_cmdsyn_proc_table[VX_CMDSYN_PROC_SLOTS];
ZORNAVX_CMDSYN_API const cmd_keyword_t *vx_cmdsyn_get_cmdflags(void);
ZORNAVX_CMDSYN_API const msg_table_t *_vx_cmdsyn_vexar_msg_table_adr(void);
/* Prints "libzornavx_cmdsyn <version> (<build date>)" on standard output. */
ZORNAVX_CMDSYN_API int libzornavx_cmdsyn_print_verid(void);

ZORNAVX_CMDSYN_API int32_t vx_cmdsyn_mkreplica(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNAVX_CMDSYN_API int32_t vx_cmdsyn_syncreplica(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNAVX_CMDSYN_API int32_t vx_cmdsyn_chreplica(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNAVX_CMDSYN_API int32_t vx_cmdsyn_rmreplica(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNAVX_CMDSYN_API int32_t vx_cmdsyn_restorereplica(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNAVX_CMDSYN_API int32_t vx_cmdsyn_mkrptype(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNAVX_CMDSYN_API int32_t vx_cmdsyn_lspacket(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNAVX_CMDSYN_API int32_t vx_cmdsyn_dumpoplog(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNAVX_CMDSYN_API int32_t vx_cmdsyn_lsexport(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNAVX_CMDSYN_API int32_t vx_cmdsyn_recoverpacket(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNAVX_CMDSYN_API int32_t vx_cmdsyn_lsepoch(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNAVX_CMDSYN_API int32_t vx_cmdsyn_chepoch(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNAVX_CMDSYN_API int32_t vx_cmdsyn_lssetting(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNAVX_CMDSYN_API int32_t vx_cmdsyn_chsetting(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNAVX_CMDSYN_API int32_t vx_cmdsyn_lsshipconfig(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNAVX_CMDSYN_API int32_t vx_cmdsyn_chshipconfig(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNAVX_CMDSYN_API int32_t vx_cmdsyn_syncserver(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNAVX_CMDSYN_API int32_t vx_cmdsyn_vxacl(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNAVX_CMDSYN_API int32_t vx_cmdsyn_familysyncstatus(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNAVX_CMDSYN_API int32_t vx_cmdsyn_shipinfo(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNAVX_CMDSYN_API int32_t vx_cmdsyn_syncinfo(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNAVX_CMDSYN_API int32_t vx_cmdsyn_perfinfo(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNAVX_CMDSYN_API int32_t vx_cmdsyn_help(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNAVX_CMDSYN_API int32_t vx_cmdsyn_man(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);
ZORNAVX_CMDSYN_API int32_t vx_cmdsyn_apropos(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags);

VX_EXTERN_C_END

#endif
