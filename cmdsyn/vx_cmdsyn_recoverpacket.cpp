// recoverpacket: recovers the packets exported to the given replicas.
//
//   recoverpacket [-c comment | -cfile pname | -cq | -cqe | -nc]
//                 [-since date-time] replica-selector ...

#include "libzornavx_cmd.h"
#include "libzornavx_cmdsyn.h"
#include "skeleton.h"

namespace {

constexpr vx::Usage kUsage{MSG_USAGE_RECOVERPACKET};
constexpr int32_t kRecordVersion = 0;

constexpr clp_flag_desc_t kFlags[] = {
    vx::flag("-sin[ce]", FLAG_SINCE),
    VX_COMMENT_GROUP_ROWS,
    vx::kTableEnd,
};

}  // namespace

extern "C" int32_t vx_cmdsyn_recoverpacket(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags) {
    if (vx::usage_requested(dispatch_flags)) return vx::serve_usage(kUsage);

    vx_recoverpacket_args_t args;
    vx::init_record(args, kRecordVersion, area);
    if (clp_switch_flags(parser, kFlags, area) != 0) return CMD_SYNTAX_ERROR;

    bool error = false;
    int32_t code = 0;
    int rc;
    while ((rc = clp_get_next_flag_value(parser, 0, &code)) == CLP_OK) {
        switch (code) {
            case FLAG_SINCE: vx::read_value(parser, &args.since, MSG_DATE_TIME_REQUIRED, error); break;
            default:
                if (!vx::handle_comment_flag(parser, code, args.comment, error))
                    return vx::fail_unhandled_flag(parser, error, kUsage);
        }
    }
    if (rc != CLP_DONE) return vx::fail_with_usage(kUsage);
    if (error) return vx::fail_with_usage(kUsage);

    vx::TextList replicas(area, args.replicas, args.replica_count);
    if (int32_t status = vx::collect_required_operands(parser, replicas, MSG_REPLICA_REQUIRED, kUsage); status != 0)
        return status;

    return vx_cmd_recoverpacket(&args);
}
