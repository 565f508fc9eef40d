// Capturing command entries of the packets commands.

#include "fakes/capture.h"

VX_CAPTURE_ENTRY(lspacket)
VX_CAPTURE_ENTRY(dumpoplog)
VX_CAPTURE_ENTRY(lsexport)
VX_CAPTURE_ENTRY(recoverpacket)
VX_CAPTURE_ENTRY(lsepoch)
VX_CAPTURE_ENTRY(chepoch)
