// Capturing command entries of the status commands.

#include "fakes/capture.h"

