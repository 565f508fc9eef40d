// Capturing command entries of the replica commands.

#include "fakes/capture.h"

