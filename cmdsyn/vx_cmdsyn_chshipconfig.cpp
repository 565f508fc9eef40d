// chshipconfig: the command word is kept, but shipping configurations are not changed
// from here. The entry ignores what it is given, prints nothing (not even a usage
// text on request) and reports success.

#include "libzornavx_cmdsyn.h"

extern "C" int32_t vx_cmdsyn_chshipconfig(clp_parser_t *, stg_area_t *, uint32_t) { return 0; }
