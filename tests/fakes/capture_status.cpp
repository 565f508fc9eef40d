// Capturing command entries of the status commands.

#include "fakes/capture.h"

VX_CAPTURE_ENTRY(familysyncstatus)
VX_CAPTURE_ENTRY(shipinfo)
VX_CAPTURE_ENTRY(syncinfo)
VX_CAPTURE_ENTRY(perfinfo)
