// The library's face toward the tool: the procedure table the dispatcher calls
// through, the keyword table that leads a command word to its slot, and the entries
// for on-line help and manual pages.

#include "libzornavx_cmdsyn.h"

namespace {

// Every slot carries attribute 1; the dispatcher and the shared command syntax read it.
constexpr uint32_t kSlotAttr = 1;

constexpr cmd_keyword_t kKeywords[VX_CMDSYN_KEYWORD_ROWS + 1] = {
    {"h[elp]", 0, 0},
    {"man", 1, 0},
    {"q[uit]", 2, 0},
    {"exit", 2, CMD_KEYWORD_ALIAS},
    {"cd", 3, 0},
    {"pwd", 4, 0},
    {"sh[ell]", 5, 0},
    {"!", 5, CMD_KEYWORD_ALIAS},
    {"mkrptype", 6, 0},
    {"lst[ype]", 7, 0},
    {"rmtype", 8, 0},
    {"mkrep[lica]", 9, 0},
    {"chrep[lica]", 10, 0},
    {"sync[replica]", 11, 0},
    {"lsrep[lica]", 12, 0},
    {"rmreplica", 20, 0},
    {"rename", 23, 0},
    {"chmaster", 13, 0},
    {"lsmaster", 14, 0},
    {"reqmaster", 15, 0},
    {"lsepoch", 17, 0},
    {"chepoch", 18, 0},
    {"recoverpacket", 25, 0},
    {"restorereplica", 19, 0},
    {"lsexport", 26, 0},
    {"lssetting", 30, 0},
    {"chsetting", 31, 0},
    {"des[cribe]", 16, 0},
    {"lspacket", 21, 0},
    {"dumpoplog", 22, 0},
    {"syncserver", 36, 0},
    {nullptr, -1, 0},
};

// Manual pages: tool name, page-name prefix, help directory, page form.
constexpr const char *kManTool = "vexar";
constexpr const char *kManPrefix = "vr_";
constexpr const char *kManDir = "doc/help/vx_admin/";
constexpr int32_t kManForm = 2;

}  // namespace

extern "C" {

const proc_table_entry_t vx_cmdsyn_proc_table[VX_CMDSYN_PROC_SLOTS] = {
    /* 0 */ {vx_cmdsyn_help, kSlotAttr},
    /* 1 */ {vx_cmdsyn_man, kSlotAttr},
    /* 2 */ {cmdsyn_quit, kSlotAttr},
    /* 3 */ {cmdsyn_cd, kSlotAttr},
    /* 4 */ {cmdsyn_pwd, kSlotAttr},
    /* 5 */ {cmdsyn_shell, kSlotAttr},
    /* 6 */ {vx_cmdsyn_mkrptype, kSlotAttr},
    /* 7 */ {cmdsyn_lstype, kSlotAttr},
    /* 8 */ {cmdsyn_rmtype, kSlotAttr},
    /* 9 */ {vx_cmdsyn_mkreplica, kSlotAttr},
    /* 10 */ {vx_cmdsyn_chreplica, kSlotAttr},
    /* 11 */ {vx_cmdsyn_syncreplica, kSlotAttr},
    /* 12 */ {cmdsyn_lsreplica, kSlotAttr},
    /* 13 */ {cmdsyn_chmaster, kSlotAttr},
    /* 14 */ {cmdsyn_lsmaster, kSlotAttr},
    /* 15 */ {cmdsyn_reqmaster, kSlotAttr},
    /* 16 */ {cmdsyn_describe, kSlotAttr},
    /* 17 */ {vx_cmdsyn_lsepoch, kSlotAttr},
    /* 18 */ {vx_cmdsyn_chepoch, kSlotAttr},
    /* 19 */ {vx_cmdsyn_restorereplica, kSlotAttr},
    /* 20 */ {vx_cmdsyn_rmreplica, kSlotAttr},
    /* 21 */ {vx_cmdsyn_lspacket, kSlotAttr},
    /* 22 */ {vx_cmdsyn_dumpoplog, kSlotAttr},
    /* 23 */ {cmdsyn_rename, kSlotAttr},
    /* 24 */ {vx_cmdsyn_apropos, kSlotAttr},
    /* 25 */ {vx_cmdsyn_recoverpacket, kSlotAttr},
    /* 26 */ {vx_cmdsyn_lsexport, kSlotAttr},
    /* 27 */ {vx_cmdsyn_familysyncstatus, kSlotAttr},
    /* 28 */ {vx_cmdsyn_syncinfo, kSlotAttr},
    /* 29 */ {vx_cmdsyn_shipinfo, kSlotAttr},
    /* 30 */ {vx_cmdsyn_lssetting, kSlotAttr},
    /* 31 */ {vx_cmdsyn_chsetting, kSlotAttr},
    /* 32 */ {vx_cmdsyn_lsshipconfig, kSlotAttr},
    /* 33 */ {vx_cmdsyn_chshipconfig, kSlotAttr},
    /* 34 */ {vx_cmdsyn_perfinfo, kSlotAttr},
    /* 35 */ {vx_cmdsyn_vxacl, kSlotAttr},
    /* 36 */ {vx_cmdsyn_syncserver, kSlotAttr},
};

const cmd_keyword_t *vx_cmdsyn_get_cmdflags(void) { return kKeywords; }

int32_t vx_cmdsyn_help(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags) {
    return cmdsyn_help_dispatch(parser, area, dispatch_flags, kKeywords, vx_cmdsyn_proc_table);
}

int32_t vx_cmdsyn_man(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags) {
    return cmdsyn_man_dispatch(parser, area, dispatch_flags, kKeywords, kManTool, kManPrefix, kManDir, kManForm);
}

}  // extern "C"
