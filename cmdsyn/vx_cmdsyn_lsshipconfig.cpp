// lsshipconfig: lists items of a host's shipping configuration.
//
//   lsshipconfig [-host hostname]
//                [-sclass storage-class [-stgpath] [-rtnpath] [-rcptpath] [-pexpire]]
//                [-route] [-admin]
//                [-timeout] [-notify] [-maxport] [-minport]
//
// -maxsize is accepted too, though the usage text does not show it.

#include "libzornavx_cmd.h"
#include "libzornavx_cmdsyn.h"
#include "skeleton.h"

namespace {

constexpr vx::Usage kUsage{MSG_USAGE_LSSHIPCONFIG};
constexpr int32_t kRecordVersion = 0;

constexpr clp_flag_desc_t kFlags[] = {
    vx::flag("-hos[t]", FLAG_HOST),       vx::flag("-scl[ass]", FLAG_SCLASS),
    vx::flag("-stgp[ath]", FLAG_STGPATH), vx::flag("-rtn[path]", FLAG_RTNPATH),
    vx::flag("-rcptpath", FLAG_RCPTPATH), vx::flag("-pex[pire]", FLAG_PEXPIRE),
    vx::flag("-rou[te]", FLAG_ROUTE),     vx::flag("-adm[in]", FLAG_ADMIN),
    vx::flag("-max[size]", FLAG_MAXSIZE), vx::flag("-time[out]", FLAG_TIMEOUT),
    vx::flag("-not[ify]", FLAG_NOTIFY),   vx::flag("-maxp[ort]", FLAG_MAXPORT),
    vx::flag("-minp[ort]", FLAG_MINPORT), vx::kTableEnd,
};

}  // namespace

extern "C" int32_t vx_cmdsyn_lsshipconfig(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags) {
    if (vx::usage_requested(dispatch_flags)) return vx::serve_usage(kUsage);

    vx_lsshipconfig_args_t args;
    vx::init_record(args, kRecordVersion, area);
    if (clp_switch_flags(parser, kFlags, area) != 0) return CMD_SYNTAX_ERROR;

    bool error = false;
    int32_t code = 0;
    int rc;
    while ((rc = clp_get_next_flag_value(parser, 0, &code)) == CLP_OK) {
        switch (code) {
            case FLAG_HOST: vx::read_value(parser, &args.host, MSG_HOST_REQUIRED, error); break;
            case FLAG_SCLASS: vx::read_value(parser, &args.sclass, MSG_SCLASS_REQUIRED, error); break;
            case FLAG_STGPATH: args.list_stgpath = 1; break;
            case FLAG_RTNPATH: args.list_rtnpath = 1; break;
            case FLAG_RCPTPATH: args.list_rcptpath = 1; break;
            case FLAG_PEXPIRE: args.list_pexpire = 1; break;
            case FLAG_ROUTE: args.list_route = 1; break;
            case FLAG_ADMIN: args.list_admin = 1; break;
            case FLAG_MAXSIZE: args.list_maxsize = 1; break;
            case FLAG_TIMEOUT: args.list_timeout = 1; break;
            case FLAG_NOTIFY: args.list_notify = 1; break;
            case FLAG_MAXPORT: args.list_maxport = 1; break;
            case FLAG_MINPORT: args.list_minport = 1; break;
            default: return vx::fail_unhandled_flag(parser, error, kUsage);
        }
    }
    if (rc != CLP_DONE) return vx::fail_with_usage(kUsage);

    // Items that only a storage class has need one named. This is checked before the
    // error flag, so a missing -sclass value next to such an item prints message 28 twice.
    const bool sclass_item = args.list_stgpath || args.list_rtnpath || args.list_rcptpath || args.list_pexpire;
    if (sclass_item && args.sclass == nullptr) return vx::fail(MSG_SCLASS_REQUIRED, kUsage);
    if (error) return vx::fail_with_usage(kUsage);
    // The command takes no operand; a stray word would otherwise vanish unseen and the
    // listing be taken for what was asked.
    const char *extra = nullptr;
    if (vx::operand_left(parser, extra)) return vx::fail_unexpected_operand(extra, kUsage);

    return vx_cmd_lsshipconfig(&args);
}
