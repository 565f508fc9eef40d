// Capturing command entries of the packets commands.

#include "fakes/capture.h"

VX_CAPTURE_ENTRY(lspacket)
