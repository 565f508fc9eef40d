// The version line: "libzornavx_cmdsyn <version> (<build date>)".

#include "libzornavx_cmdsyn.h"
#include "vx_cmdsyn_version.h"

namespace {
constexpr const char *kVeridFormat = "%-*s %s (%s)\n";
constexpr int kNameWidth = 33;
constexpr const char *kLibraryName = "libzornavx_cmdsyn";
}  // namespace

// Not exported: the same line formatted into a buffer of IMSG_SPRINTF_MAX bytes.
extern "C" int libzornavx_cmdsyn_sprint_verid(char *buffer) {
    return imsg_sprintf(buffer, kVeridFormat, IMSG_FORMAT_INDEX, kNameWidth, kLibraryName, VX_CMDSYN_VERSION,
                        VX_CMDSYN_BUILD_DATE);
}

extern "C" int libzornavx_cmdsyn_print_verid(void) {
    return imsg_print(IMSG_SEV_PLAIN, kVeridFormat, IMSG_FORMAT_INDEX, kNameWidth, kLibraryName, VX_CMDSYN_VERSION,
                      VX_CMDSYN_BUILD_DATE);
}
