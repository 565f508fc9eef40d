/* A program outside the project, built against the installed library: it finds a
   command through the keyword table, runs its syntax routine on a command line of its
   own, and prints the library's version line. */
#include <stdio.h>

#include "libzornavx_cmdsyn.h"

int main(void) {
    const char *const words[] = {"-long", "outside_packet"};
    stg_area_t *area = stg_area_create();
    const int32_t slot = cmdsyn_find_keyword(vx_cmdsyn_get_cmdflags(), "lspacket");
    if (area == NULL || slot < 0 || slot >= VX_CMDSYN_PROC_SLOTS) return 1;
    clp_parser_t *parser = clp_parser_create(area, 2, words);
    const int32_t status = vx_cmdsyn_proc_table[slot].routine(parser, area, 0);
    stg_area_release(area);
    fflush(stdout);
    return status == 0 && libzornavx_cmdsyn_print_verid() == 0 ? 0 : 1;
}
