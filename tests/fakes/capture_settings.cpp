// Capturing command entries of the settings commands.

#include "fakes/capture.h"

