/* Command execution: one entry per command, taking the command's argument record;
   the status it returns is handed back to the tool unchanged. */
#ifndef LIBZORNAVX_CMD_H
#define LIBZORNAVX_CMD_H

#include <stdint.h>

#include "vx_cmd_args.h"

#if defined(BUILDING_LIBZORNAVX_CMD)
#define ZORNAVX_CMD_API VX_EXPORT
#else
#define ZORNAVX_CMD_API VX_IMPORT
#endif

VX_EXTERN_C_BEGIN

struct vx_apropos_args;
struct vx_chepoch_args;
struct vx_chreplica_args;
struct vx_chsetting_args;
struct vx_dumpoplog_args;
struct vx_familysyncstatus_args;
struct vx_lsepoch_args;
struct vx_lsexport_args;
struct vx_lspacket_args;
struct vx_lssetting_args;
struct vx_lsshipconfig_args;
struct vx_mkreplica_args;
struct vx_mkrptype_args;
struct vx_perfinfo_args;
struct vx_recoverpacket_args;
struct vx_restorereplica_args;
struct vx_rmreplica_args;
struct vx_shipinfo_args;
struct vx_syncinfo_args;
struct vx_syncreplica_args;
struct vx_syncserver_args;
struct vx_vxacl_args;

ZORNAVX_CMD_API int32_t vx_cmd_apropos(const struct vx_apropos_args *args);
ZORNAVX_CMD_API int32_t vx_cmd_chepoch(const struct vx_chepoch_args *args);
ZORNAVX_CMD_API int32_t vx_cmd_chreplica(const struct vx_chreplica_args *args);
ZORNAVX_CMD_API int32_t vx_cmd_chsetting(const struct vx_chsetting_args *args);
ZORNAVX_CMD_API int32_t vx_cmd_dumpoplog(const struct vx_dumpoplog_args *args);
ZORNAVX_CMD_API int32_t vx_cmd_familysyncstatus(const struct vx_familysyncstatus_args *args);
ZORNAVX_CMD_API int32_t vx_cmd_lsepoch(const struct vx_lsepoch_args *args);
ZORNAVX_CMD_API int32_t vx_cmd_lsexport(const struct vx_lsexport_args *args);
ZORNAVX_CMD_API int32_t vx_cmd_lspacket(const struct vx_lspacket_args *args);
ZORNAVX_CMD_API int32_t vx_cmd_lssetting(const struct vx_lssetting_args *args);
ZORNAVX_CMD_API int32_t vx_cmd_lsshipconfig(const struct vx_lsshipconfig_args *args);
ZORNAVX_CMD_API int32_t vx_cmd_mkreplica(const struct vx_mkreplica_args *args);
ZORNAVX_CMD_API int32_t vx_cmd_mkrptype(const struct vx_mkrptype_args *args);
ZORNAVX_CMD_API int32_t vx_cmd_perfinfo(const struct vx_perfinfo_args *args);
ZORNAVX_CMD_API int32_t vx_cmd_recoverpacket(const struct vx_recoverpacket_args *args);
ZORNAVX_CMD_API int32_t vx_cmd_restorereplica(const struct vx_restorereplica_args *args);
ZORNAVX_CMD_API int32_t vx_cmd_rmreplica(const struct vx_rmreplica_args *args);
ZORNAVX_CMD_API int32_t vx_cmd_shipinfo(const struct vx_shipinfo_args *args);
ZORNAVX_CMD_API int32_t vx_cmd_syncinfo(const struct vx_syncinfo_args *args);
ZORNAVX_CMD_API int32_t vx_cmd_syncreplica(const struct vx_syncreplica_args *args);
ZORNAVX_CMD_API int32_t vx_cmd_syncserver(const struct vx_syncserver_args *args);
ZORNAVX_CMD_API int32_t vx_cmd_vxacl(const struct vx_vxacl_args *args);

/* Status of a converter given a word it does not know. */
#define VX_CMD_NOT_A_KEYWORD 1002

#define VX_SCAN_FORWARD 1
#define VX_SCAN_BACKWARD 2

/* "forward" or "backward". 0: converted; 1002: no scan direction. */
ZORNAVX_CMD_API int32_t vx_cmd_utl_str_to_scan_direction(const char *text, int32_t *direction);

VX_EXTERN_C_END

#endif
