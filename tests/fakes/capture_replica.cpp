// Capturing command entries of the replica commands.

#include "fakes/capture.h"

VX_CAPTURE_ENTRY(mkreplica)
VX_CAPTURE_ENTRY(syncreplica)
VX_CAPTURE_ENTRY(chreplica)
VX_CAPTURE_ENTRY(rmreplica)
VX_CAPTURE_ENTRY(restorereplica)
VX_CAPTURE_ENTRY(mkrptype)
