// rmreplica: removes one replica.
//
//   rmreplica [-c comment | -cfile pname | -cq | -cqe | -nc] replica-selector

#include "libzornavx_cmd.h"
#include "libzornavx_cmdsyn.h"
#include "skeleton.h"

namespace {

constexpr vx::Usage kUsage{MSG_USAGE_RMREPLICA};
constexpr int32_t kRecordVersion = 1;

constexpr clp_flag_desc_t kFlags[] = {
    VX_COMMENT_GROUP_ROWS,
    vx::kTableEnd,
};

}  // namespace

extern "C" int32_t vx_cmdsyn_rmreplica(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags) {
    if (vx::usage_requested(dispatch_flags)) return vx::serve_usage(kUsage);

    vx_rmreplica_args_t args;
    vx::init_record(args, kRecordVersion, area);
    if (clp_switch_flags(parser, kFlags, area) != 0) return CMD_SYNTAX_ERROR;

    bool error = false;
    int32_t code = 0;
    int rc;
    while ((rc = clp_get_next_flag_value(parser, 0, &code)) == CLP_OK) {
        if (!vx::handle_comment_flag(parser, code, args.comment, error))
            return vx::fail_unhandled_flag(parser, error, kUsage);
    }
    if (rc != CLP_DONE) return vx::fail_with_usage(kUsage);

    // The error flag waits for the operands, so that a missing replica is reported
    // together with a missing comment, and a surplus operand ends the routine first.
    vx::read_value(parser, &args.replica, MSG_ORIGINAL_REPLICA_REQUIRED, error);
    const char *extra = nullptr;
    if (vx::operand_left(parser, extra)) return vx::fail_unexpected_operand(extra, kUsage);
    if (error) return vx::fail_with_usage(kUsage);

    return vx_cmd_rmreplica(&args);
}
