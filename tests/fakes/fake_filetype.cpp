// The info library's file-type converter for the fake test executable: the usual four
// keywords, unless a test forces a status.

#include "fakes/fake_filetype.h"

#include <cstring>

#include "libzornavxinfobase.h"

namespace vxtest {
namespace {
thread_local int32_t t_forced_filetype_status = 0;
}
void force_filetype_status(int32_t status) { t_forced_filetype_status = status; }
}  // namespace vxtest

extern "C" int32_t vxinfo_str_to_ship_filetype(const char *text, int32_t *file_type) {
    if (vxtest::t_forced_filetype_status != 0) return vxtest::t_forced_filetype_status;
    static constexpr struct {
        const char *name;
        int32_t value;
    } kTypes[] = {{"shorder", VXINFO_FILETYPE_SHORDER},
                  {"rkcreate", VXINFO_FILETYPE_RKCREATE},
                  {"rkupdate", VXINFO_FILETYPE_RKUPDATE},
                  {"other", VXINFO_FILETYPE_OTHER}};
    for (const auto &type : kTypes) {
        if (text != nullptr && std::strcmp(text, type.name) == 0) {
            *file_type = type.value;
            return 0;
        }
    }
    return VXINFO_NOT_A_KEYWORD;
}
