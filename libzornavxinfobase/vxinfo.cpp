// Synchronization and shipping information services: file types of shipping jobs.

#include <cstring>

#include "libzornavxinfobase.h"

namespace {

struct FileTypeName {
    const char *name;
    int32_t value;
};

constexpr FileTypeName kFileTypes[] = {
    {"shorder", VXINFO_FILETYPE_SHORDER},
    {"rkcreate", VXINFO_FILETYPE_RKCREATE},
    {"rkupdate", VXINFO_FILETYPE_RKUPDATE},
    {"other", VXINFO_FILETYPE_OTHER},
};

}  // namespace

extern "C" int32_t vxinfo_str_to_ship_filetype(const char *text, int32_t *file_type) {
    if (text == nullptr || file_type == nullptr) return VXINFO_NOT_A_KEYWORD;
    for (const FileTypeName &entry : kFileTypes) {
        if (std::strcmp(text, entry.name) == 0) {
            *file_type = entry.value;
            return 0;
        }
    }
    return VXINFO_NOT_A_KEYWORD;
}
