// restorereplica: restores either one VOB (-invob) or the replicas named as operands.
//
//   restorereplica [-c comment | -cfile pname | -cq | -cqe | -nc] [-force] [-override]
//                  [ -invob vob-selector | [-replace] replica-selector ... ]

#include "libzornavx_cmd.h"
#include "libzornavx_cmdsyn.h"
#include "skeleton.h"

namespace {

constexpr vx::Usage kUsage{MSG_USAGE_RESTOREREPLICA};
constexpr int32_t kRecordVersion = 0;

constexpr clp_flag_desc_t kFlags[] = {
    vx::kGroupStart,
    vx::flag("-rep[lace]", FLAG_REPLACE),
    vx::flag("-override", FLAG_OVERRIDE),
    vx::kGroupEnd,
    vx::flag("-inv[ob]", FLAG_INVOB),
    vx::flag("-f[orce]", FLAG_FORCE),
    VX_COMMENT_GROUP_ROWS,
    vx::kTableEnd,
};

}  // namespace

extern "C" int32_t vx_cmdsyn_restorereplica(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags) {
    if (vx::usage_requested(dispatch_flags)) return vx::serve_usage(kUsage);

    vx_restorereplica_args_t args;
    vx::init_record(args, kRecordVersion, area);
    if (clp_switch_flags(parser, kFlags, area) != 0) return CMD_SYNTAX_ERROR;

    bool error = false;
    int32_t code = 0;
    int rc;
    while ((rc = clp_get_next_flag_value(parser, 0, &code)) == CLP_OK) {
        switch (code) {
            case FLAG_REPLACE: args.replace = 1; break;
            case FLAG_OVERRIDE: args.override = 1; break;
            case FLAG_INVOB: vx::read_value(parser, &args.invob, MSG_VOB_REQUIRED, error); break;
            case FLAG_FORCE: args.force = 1; break;
            default:
                if (vx::handle_comment_flag(parser, code, args.comment, error)) break;
                return vx::fail_unhandled_flag(parser, error, kUsage);
        }
    }
    if (rc != CLP_DONE) return vx::fail_with_usage(kUsage);
    if (error) return vx::fail_with_usage(kUsage);

    if (args.override || args.invob != nullptr) {
        // The VOB or the override says what to restore: no replica may be named.
        const char *extra = nullptr;
        if (vx::operand_left(parser, extra)) return vx::fail_unexpected_operand(extra, kUsage);
    } else {
        vx::TextList replicas(area, args.replicas, args.replica_count);
        if (vx::collect_operands(parser, replicas) == vx::Collected::no_memory) return vx::fail_no_memory();
    }

    return vx_cmd_restorereplica(&args);
}
