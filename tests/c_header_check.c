/* Every public header must compile as plain C, on its own and together. */
#include "libzornacmdsyn.h"
#include "libzornaks.h"
#include "libzornashp.h"
#include "libzornatbs.h"
#include "libzornavx_cmd.h"
#include "libzornavx_cmdsyn.h"
#include "libzornavxinfobase.h"
#include "vx_cmd_args.h"
#include "vx_flag_codes.h"

int vx_c_header_check(void) { return (int)sizeof(vx_lspacket_args_t) + FLAG_LONG + CMD_SYNTAX_ERROR; }
