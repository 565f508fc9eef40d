// lsepoch: lists epoch numbers from the epoch tables of one VOB's replicas, or of the
// replicas named.
//
//   lsepoch [ -invob vob-selector | [ -actual ] replica-selector ...]

#include "libzornavx_cmd.h"
#include "libzornavx_cmdsyn.h"
#include "skeleton.h"

namespace {

constexpr vx::Usage kUsage{MSG_USAGE_LSEPOCH};
constexpr int32_t kRecordVersion = 1;

constexpr clp_flag_desc_t kFlags[] = {
    vx::kGroupStart, vx::flag("-inv[ob]", FLAG_INVOB), vx::flag("-actual", FLAG_ACTUAL), vx::kGroupEnd, vx::kTableEnd,
};

}  // namespace

extern "C" int32_t vx_cmdsyn_lsepoch(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags) {
    if (vx::usage_requested(dispatch_flags)) return vx::serve_usage(kUsage);

    vx_lsepoch_args_t args;
    vx::init_record(args, kRecordVersion, area);
    if (clp_switch_flags(parser, kFlags, area) != 0) return CMD_SYNTAX_ERROR;

    bool error = false;
    int32_t code = 0;
    int rc;
    while ((rc = clp_get_next_flag_value(parser, 0, &code)) == CLP_OK) {
        switch (code) {
            case FLAG_INVOB: vx::read_value(parser, &args.invob, MSG_VOB_REQUIRED, error); break;
            case FLAG_ACTUAL: args.actual = 1; break;
            default: return vx::fail_unhandled_flag(parser, error, kUsage);
        }
    }
    if (rc != CLP_DONE) return vx::fail_with_usage(kUsage);
    if (error) return vx::fail_with_usage(kUsage);

    // -invob names the VOB itself and takes no operand; -actual needs replicas to act on.
    // Should both reach the routine, -invob decides.
    vx::TextList replicas(area, args.replicas, args.replica_count);
    if (args.invob != nullptr) {
        const char *extra = nullptr;
        if (vx::operand_left(parser, extra)) return vx::fail_unexpected_operand(extra, kUsage);
    } else if (args.actual) {
        if (int32_t status = vx::collect_required_operands(parser, replicas, MSG_REPLICA_SPECS_REQUIRED, kUsage);
            status != 0)
            return status;
    } else {
        if (vx::collect_operands(parser, replicas) == vx::Collected::no_memory) return vx::fail_no_memory();
    }

    return vx_cmd_lsepoch(&args);
}
