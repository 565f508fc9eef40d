// Capturing command entries of the settings commands.

#include "fakes/capture.h"

VX_CAPTURE_ENTRY(lssetting)
VX_CAPTURE_ENTRY(chsetting)
VX_CAPTURE_ENTRY(lsshipconfig)
VX_CAPTURE_ENTRY(syncserver)
VX_CAPTURE_ENTRY(vxacl)
