// mkrptype: creates a replica type, optionally below a supertype.
//
//   mkrptype [-replace] [-supertype replica-type-selector]
//            [-c comment | -cfile pname | -cq | -cqe | -nc] replica-type-selector
//
// The usage text also shows [-filter filter-file-pname], but the table has no such
// row: the parser refuses -filter like any other unknown flag.

#include "libzornavx_cmd.h"
#include "libzornavx_cmdsyn.h"
#include "skeleton.h"

namespace {

constexpr vx::Usage kUsage{MSG_USAGE_MKRPTYPE};
constexpr int32_t kRecordVersion = 1;

constexpr clp_flag_desc_t kFlags[] = {
    vx::flag("-sup[ertype]", FLAG_SUPERTYPE),
    vx::flag("-rep[lace]", FLAG_REPLACE),
    VX_COMMENT_GROUP_ROWS,
    vx::kTableEnd,
};

}  // namespace

extern "C" int32_t vx_cmdsyn_mkrptype(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags) {
    // Only the bit of value 2 prints the usage; the bit of value 1 alone asks for nothing.
    if (vx::usage_requested(dispatch_flags)) return vx::serve_usage_full_only(dispatch_flags, kUsage);

    vx_mkrptype_args_t args;
    vx::init_record(args, kRecordVersion, area);
    if (clp_switch_flags(parser, kFlags, area) != 0) return CMD_SYNTAX_ERROR;

    bool error = false;
    int32_t code = 0;
    int rc;
    while ((rc = clp_get_next_flag_value(parser, 0, &code)) == CLP_OK) {
        switch (code) {
            case FLAG_SUPERTYPE: vx::read_value(parser, &args.supertype, MSG_SUPERTYPE_REQUIRED, error); break;
            case FLAG_REPLACE: args.replace = 1; break;
            default:
                if (vx::handle_comment_flag(parser, code, args.comment, error)) break;
                return vx::fail_unhandled_flag(parser, error, kUsage);
        }
    }
    if (rc != CLP_DONE) return vx::fail_with_usage(kUsage);

    // The error flag waits for the first operand, so that a missing replica type is
    // reported together with a missing flag value.
    if (!vx::read_word(parser, &args.rptype_selector)) return vx::fail(MSG_RPTYPE_NAME_REQUIRED, kUsage);
    if (error) return vx::fail_with_usage(kUsage);
    const char *extra = nullptr;
    if (vx::operand_left(parser, extra)) return vx::fail_unexpected_operand(extra, kUsage);

    return vx_cmd_mkrptype(&args);
}
