/* Shipping services. */
#ifndef LIBZORNASHP_H
#define LIBZORNASHP_H

#include <stdint.h>

#include "vx_platform.h"

#if defined(BUILDING_LIBZORNASHP)
#define ZORNASHP_API VX_EXPORT
#else
#define ZORNASHP_API VX_IMPORT
#endif

VX_EXTERN_C_BEGIN

/* A packet size: decimal digits with an optional k, m or g suffix (1024-based).
   0: valid, `*size` set; nonzero: refused. The second argument is reserved (0). */
ZORNASHP_API int shp_strtosize(const char *text, int reserved, int32_t *size);

VX_EXTERN_C_END

#endif
