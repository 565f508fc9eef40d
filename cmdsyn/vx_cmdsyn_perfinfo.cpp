// perfinfo: reports synchronization performance over time, at a granularity the user
// must give.
//
//   perfinfo [-replica replica-selector | -sibling replica-selector | -host hostname]
//            [-export | -import] [-startscan date-time] [-endscan date-time]
//            -granularity {months | days | quarter_hours}
//
// -sibling stands outside the -replica/-host group because it needs -replica. Every
// value goes on as typed; the command execution library gives it its meaning.

#include "libzornavx_cmd.h"
#include "libzornavx_cmdsyn.h"
#include "skeleton.h"

namespace {

constexpr vx::Usage kUsage{MSG_USAGE_PERFINFO};
constexpr int32_t kRecordVersion = 0;

constexpr clp_flag_desc_t kFlags[] = {
    vx::kGroupStart,
    vx::flag("-rep[lica]", FLAG_REPLICA),
    vx::flag("-hos[t]", FLAG_HOST),
    vx::kGroupEnd,
    vx::kGroupStart,
    vx::flag("-exp[ort]", FLAG_EXPORT),
    vx::flag("-imp[ort]", FLAG_IMPORT),
    vx::kGroupEnd,
    vx::flag("-sib[ling]", FLAG_SIBLING),
    vx::flag("-start[scan]", FLAG_STARTSCAN),
    vx::flag("-end[scan]", FLAG_ENDSCAN),
    vx::flag("-gran[ularity]", FLAG_GRANULARITY),
    vx::kTableEnd,
};

}  // namespace

extern "C" int32_t vx_cmdsyn_perfinfo(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags) {
    // Only the bit of value 2 prints the usage; the bit of value 1 alone asks for nothing.
    if (vx::usage_requested(dispatch_flags)) return vx::serve_usage_full_only(dispatch_flags, kUsage);

    vx_perfinfo_args_t args;
    vx::init_record(args, kRecordVersion, area);
    if (clp_switch_flags(parser, kFlags, area) != 0) return CMD_SYNTAX_ERROR;

    bool error = false;
    int32_t code = 0;
    int rc;
    while ((rc = clp_get_next_flag_value(parser, 0, &code)) == CLP_OK) {
        switch (code) {
            case FLAG_REPLICA: vx::read_value(parser, &args.replica, MSG_REPLICA_REQUIRED, error); break;
            case FLAG_HOST: vx::read_value(parser, &args.host, MSG_HOST_REQUIRED, error); break;
            case FLAG_EXPORT: args.mode = VX_MODE_EXPORT; break;
            case FLAG_IMPORT: args.mode = VX_MODE_IMPORT; break;
            case FLAG_SIBLING: vx::read_value(parser, &args.sibling, MSG_REPLICA_REQUIRED, error); break;
            case FLAG_STARTSCAN: vx::read_value(parser, &args.start_scan, MSG_DATE_TIME_REQUIRED, error); break;
            case FLAG_ENDSCAN: vx::read_value(parser, &args.end_scan, MSG_DATE_TIME_REQUIRED, error); break;
            case FLAG_GRANULARITY: vx::read_value(parser, &args.granularity, MSG_GRANULARITY_REQUIRED, error); break;
            default: break;  // no unrecognized-flag path here: an unknown code is passed over
        }
    }
    if (rc != CLP_DONE) return vx::fail_with_usage(kUsage);
    // A -granularity without its value has said 108 already; this ends before the
    // check below would say it again.
    if (error) return vx::fail_with_usage(kUsage);

    if (args.sibling != nullptr && args.replica == nullptr) return vx::fail(MSG_SIBLING_NEEDS_REPLICA, kUsage);
    if (args.granularity == nullptr) return vx::fail(MSG_GRANULARITY_REQUIRED, kUsage);

    const char *extra = nullptr;
    if (vx::operand_left(parser, extra)) return vx::fail_unexpected_operand(extra, kUsage);

    return vx_cmd_perfinfo(&args);
}
