// The table of the library's message catalog, written from the one list of its messages
// (vx_cmdsyn_msg.h).

#include "libzornavx_cmdsyn.h"  // gives the accessor its export attribute
#include "vx_cmdsyn_msg.h"

namespace {

constexpr const char *kTexts[VX_MSG_COUNT] = {
#define VX_MSG_TEXT(name, number, text) text,
    VX_CMDSYN_MESSAGES(VX_MSG_TEXT)
#undef VX_MSG_TEXT
};

constexpr uint16_t kNumbers[VX_MSG_COUNT] = {
#define VX_MSG_NUMBER(name, number, text) number,
    VX_CMDSYN_MESSAGES(VX_MSG_NUMBER)
#undef VX_MSG_NUMBER
};

constexpr msg_table_t kCatalog = {
    "vexar_bin", "vx_cmdsyn", VX_MSG_SET, VX_MSG_COUNT, kTexts, kNumbers,
};

}  // namespace

extern "C" const msg_table_t *_vx_cmdsyn_vexar_msg_table_adr(void) { return &kCatalog; }
