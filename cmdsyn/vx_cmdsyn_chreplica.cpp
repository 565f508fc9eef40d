// chreplica: changes properties of one replica: its host, its ownership-preservation
// mode, whether it is connected, and (with -inreplica naming the replica to contact)
// its name; -incarnation sets an incarnation date-time.
//
//   chreplica [-c comment | -cfile pname | -cq | -cqe | -nc] [-host hostname]
//             [-preserve | -perms_preserve | -npreserve] [-isconnected | -nconnected]
//             [-inreplica replica-name] replica-selector
//
// -incarnation and -rename are accepted too, though the usage text does not show them.

#include "libzornavx_cmd.h"
#include "libzornavx_cmdsyn.h"
#include "skeleton.h"

namespace {

constexpr vx::Usage kUsage{MSG_USAGE_CHREPLICA};
constexpr int32_t kRecordVersion = 2;

constexpr clp_flag_desc_t kFlags[] = {
    vx::kGroupStart,
    vx::flag("-pre[serve]", FLAG_PRESERVE),
    vx::flag("-npr[eserve]", FLAG_NPRESERVE),
    vx::flag("-per[ms_preserve]", FLAG_PERMS_PRESERVE),
    vx::kGroupEnd,
    vx::flag("-hos[t]", FLAG_HOST),
    vx::flag("-incarnation", FLAG_INCARNATION),
    vx::kGroupStart,
    vx::flag("-isconn[ected]", FLAG_ISCONNECTED),
    vx::flag("-nconn[ected]", FLAG_NCONNECTED),
    vx::kGroupEnd,
    vx::flag("-inr[eplica]", FLAG_INREPLICA),
    vx::flag("-rename", FLAG_RENAME),
    VX_COMMENT_GROUP_ROWS,
    vx::kTableEnd,
};

// A rename needs the replica to contact as well; -inreplica alone and the comment
// change nothing.
bool changes_something(const vx_chreplica_args_t &a) {
    return a.preserve != 0 || a.host != nullptr || a.incarnation != nullptr || a.connected != 0 ||
           (a.inreplica != nullptr && a.new_name != nullptr);
}

}  // namespace

extern "C" int32_t vx_cmdsyn_chreplica(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags) {
    if (vx::usage_requested(dispatch_flags)) return vx::serve_usage(kUsage);

    vx_chreplica_args_t args;
    vx::init_record(args, kRecordVersion, area);
    if (clp_switch_flags(parser, kFlags, area) != 0) return CMD_SYNTAX_ERROR;

    bool error = false;
    int32_t code = 0;
    int rc;
    while ((rc = clp_get_next_flag_value(parser, 0, &code)) == CLP_OK) {
        switch (code) {
            case FLAG_PRESERVE: args.preserve = VX_PRESERVE; break;
            case FLAG_NPRESERVE: args.preserve = VX_NPRESERVE; break;
            case FLAG_PERMS_PRESERVE: args.preserve = VX_PERMS_PRESERVE; break;
            case FLAG_HOST: vx::read_value(parser, &args.host, MSG_HOST_REQUIRED, error); break;
            case FLAG_INCARNATION: vx::read_value(parser, &args.incarnation, MSG_DATE_TIME_REQUIRED, error); break;
            case FLAG_ISCONNECTED: args.connected = VX_CONNECTED; break;
            case FLAG_NCONNECTED: args.connected = VX_NCONNECTED; break;
            case FLAG_INREPLICA: vx::read_value(parser, &args.inreplica, MSG_CONTACT_REPLICA_REQUIRED, error); break;
            case FLAG_RENAME: vx::read_value(parser, &args.new_name, MSG_REPLICA_NAME_REQUIRED, error); break;
            default:
                if (vx::handle_comment_flag(parser, code, args.comment, error)) break;
                return vx::fail_unhandled_flag(parser, error, kUsage);
        }
    }
    if (rc != CLP_DONE) return vx::fail_with_usage(kUsage);

    // The operand is read, and a leftover looked for, before the error flag is tested:
    // a missing operand is one more deferred failure, a leftover ends the routine.
    vx::read_value(parser, &args.replica, MSG_REPLICA_REQUIRED, error);
    const char *extra = nullptr;
    if (vx::operand_left(parser, extra)) return vx::fail_unexpected_operand(extra, kUsage);
    if (error) return vx::fail_with_usage(kUsage);

    if (!changes_something(args)) return vx::fail(MSG_NOTHING_TO_CHANGE, kUsage);

    return vx_cmd_chreplica(&args);
}
