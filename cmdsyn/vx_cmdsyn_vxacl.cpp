// vxacl: gets, edits or sets an access-control list, optionally on another host.
//
//   vxacl {-get | -edit | -set pname [-force]}[-host hostname]
//
// Unlike most routines, a code the dispatch does not handle is passed over rather
// than reported: the loop simply reads the next flag.

#include "libzornavx_cmd.h"
#include "libzornavx_cmdsyn.h"
#include "skeleton.h"

namespace {

constexpr vx::Usage kUsage{MSG_USAGE_VXACL};
constexpr int32_t kRecordVersion = 0;

constexpr clp_flag_desc_t kFlags[] = {
    vx::flag("-hos[t]", FLAG_HOST), vx::flag("-f[orce]", FLAG_FORCE), vx::kGroupStart, vx::flag("-edit", FLAG_EDIT),
    vx::flag("-get", FLAG_GET),     vx::flag("-set", FLAG_SET),       vx::kGroupEnd,   vx::kTableEnd,
};

}  // namespace

extern "C" int32_t vx_cmdsyn_vxacl(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags) {
    if (vx::usage_requested(dispatch_flags)) return vx::serve_usage(kUsage);

    vx_vxacl_args_t args;
    vx::init_record(args, kRecordVersion, area);
    if (clp_switch_flags(parser, kFlags, area) != 0) return CMD_SYNTAX_ERROR;

    bool error = false;
    int32_t code = 0;
    int rc;
    while ((rc = clp_get_next_flag_value(parser, 0, &code)) == CLP_OK) {
        switch (code) {
            case FLAG_EDIT: args.acl_op = VX_ACL_EDIT; break;
            case FLAG_FORCE: args.force = 1; break;
            case FLAG_GET: args.acl_op = VX_ACL_GET; break;
            case FLAG_HOST: vx::read_value(parser, &args.host, MSG_HOST_REQUIRED, error); break;
            case FLAG_SET:
                args.acl_op = VX_ACL_SET;  // -set is the operation asked for, with its pname or without
                vx::read_value(parser, &args.acl_pname, MSG_PATH_REQUIRED, error);
                break;
            default: break;  // passed over, see above
        }
    }
    if (rc != CLP_DONE) return vx::fail_with_usage(kUsage);
    // Only a flag's handler sets the error flag, so it is set only once a flag was read.
    if (error) return vx::fail_with_usage(kUsage);

    if (args.acl_op == 0) return vx::fail(MSG_ACL_OP_REQUIRED, kUsage);
    const char *extra = nullptr;
    if (vx::operand_left(parser, extra)) return vx::fail_unexpected_operand(extra, kUsage);

    return vx_cmd_vxacl(&args);
}
