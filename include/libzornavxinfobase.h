/* Synchronization and shipping information services. */
#ifndef LIBZORNAVXINFOBASE_H
#define LIBZORNAVXINFOBASE_H

#include <stdint.h>

#include "vx_platform.h"

#if defined(BUILDING_LIBZORNAVXINFOBASE)
#define ZORNAVXINFOBASE_API VX_EXPORT
#else
#define ZORNAVXINFOBASE_API VX_IMPORT
#endif

VX_EXTERN_C_BEGIN

#define VXINFO_FILETYPE_SHORDER 1
#define VXINFO_FILETYPE_RKCREATE 2
#define VXINFO_FILETYPE_RKUPDATE 3
#define VXINFO_FILETYPE_OTHER 4

/* Status of a converter given a word it does not know. */
#define VXINFO_NOT_A_KEYWORD 1002

/* "shorder", "rkcreate", "rkupdate" or "other". 0: converted; 1002: no file type. */
ZORNAVXINFOBASE_API int32_t vxinfo_str_to_ship_filetype(const char *text, int32_t *file_type);

VX_EXTERN_C_END

#endif
