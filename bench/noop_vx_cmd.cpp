// Command entries that do nothing and succeed: the routine under measurement hands its
// record over and gets 0 back, with no output.

#include "libzornavx_cmd.h"

#define VX_BENCH_NOOP_ENTRY(command) \
    extern "C" int32_t vx_cmd_##command(const struct vx_##command##_args *) { return 0; }

VX_BENCH_NOOP_ENTRY(apropos)
VX_BENCH_NOOP_ENTRY(chepoch)
VX_BENCH_NOOP_ENTRY(chreplica)
VX_BENCH_NOOP_ENTRY(chsetting)
VX_BENCH_NOOP_ENTRY(dumpoplog)
VX_BENCH_NOOP_ENTRY(familysyncstatus)
VX_BENCH_NOOP_ENTRY(lsepoch)
VX_BENCH_NOOP_ENTRY(lsexport)
VX_BENCH_NOOP_ENTRY(lspacket)
VX_BENCH_NOOP_ENTRY(lssetting)
VX_BENCH_NOOP_ENTRY(lsshipconfig)
VX_BENCH_NOOP_ENTRY(mkreplica)
VX_BENCH_NOOP_ENTRY(mkrptype)
VX_BENCH_NOOP_ENTRY(perfinfo)
VX_BENCH_NOOP_ENTRY(recoverpacket)
VX_BENCH_NOOP_ENTRY(restorereplica)
VX_BENCH_NOOP_ENTRY(rmreplica)
VX_BENCH_NOOP_ENTRY(shipinfo)
VX_BENCH_NOOP_ENTRY(syncinfo)
VX_BENCH_NOOP_ENTRY(syncreplica)
VX_BENCH_NOOP_ENTRY(syncserver)
VX_BENCH_NOOP_ENTRY(vxacl)
