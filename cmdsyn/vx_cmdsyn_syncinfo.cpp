// syncinfo: reports on synchronization jobs, either the jobs named or the jobs a
// filter selects.
//
//   syncinfo -job {job-id | job-uuid}[,...] [-host hostname]
//   syncinfo [-replica replica-selector [-sibling replica-name] | -host hostname]
//            [-export | -import] [-state state[,...]] [-user user-name | -me]
//            [-startscan date-time] [-endscan date-time]
//            [-scan_direction {forward | backward}]
//
// -last and -uuid are accepted too, though the usage text does not show them. Every
// value goes on as typed; the command execution library gives it its meaning.

#include "libzornavx_cmd.h"
#include "libzornavx_cmdsyn.h"
#include "skeleton.h"

namespace {

constexpr vx::Usage kUsage{MSG_USAGE_SYNCINFO};
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
    vx::kGroupStart,
    vx::flag("-use[r]", FLAG_USER),
    vx::flag("-me", FLAG_ME),
    vx::kGroupEnd,
    vx::flag("-sib[ling]", FLAG_SIBLING),
    vx::flag("-start[scan]", FLAG_STARTSCAN),
    vx::flag("-end[scan]", FLAG_ENDSCAN),
    vx::flag("-scan_dir[ection]", FLAG_SCAN_DIRECTION),
    vx::flag("-la[st]", FLAG_LAST),
    vx::flag("-sta[te]", FLAG_STATE),
    vx::kGroupStart,
    vx::flag("-job", FLAG_JOB),
    vx::flag("-uui[d]", FLAG_UUID),
    vx::kGroupEnd,
    vx::kTableEnd,
};

}  // namespace

extern "C" int32_t vx_cmdsyn_syncinfo(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags) {
    if (vx::usage_requested(dispatch_flags)) return vx::serve_usage(kUsage);

    vx_syncinfo_args_t args;
    vx::init_record(args, kRecordVersion, area);
    if (clp_switch_flags(parser, kFlags, area) != 0) return CMD_SYNTAX_ERROR;

    vx::TextList jobs(area, args.jobs, args.job_count);
    bool error = false;
    bool filter = false;  // a filter flag was given, with or without its value
    int32_t code = 0;
    int rc;
    while ((rc = clp_get_next_flag_value(parser, 0, &code)) == CLP_OK) {
        switch (code) {
            case FLAG_REPLICA:
                vx::read_value(parser, &args.replica, MSG_REPLICA_REQUIRED, error);
                filter = true;
                break;
            case FLAG_HOST: vx::read_value(parser, &args.host, MSG_HOST_REQUIRED, error); break;
            case FLAG_EXPORT:
                args.mode = VX_MODE_EXPORT;
                filter = true;
                break;
            case FLAG_IMPORT:
                args.mode = VX_MODE_IMPORT;
                filter = true;
                break;
            case FLAG_USER:
                vx::read_value(parser, &args.user, MSG_USER_REQUIRED, error);
                filter = true;
                break;
            case FLAG_ME:
                args.me = 1;
                filter = true;
                break;
            case FLAG_SIBLING: vx::read_value(parser, &args.sibling, MSG_REPLICA_REQUIRED, error); break;
            case FLAG_STARTSCAN:
                vx::read_value(parser, &args.start_scan, MSG_DATE_TIME_REQUIRED, error);
                filter = true;
                break;
            case FLAG_ENDSCAN:
                vx::read_value(parser, &args.end_scan, MSG_DATE_TIME_REQUIRED, error);
                filter = true;
                break;
            case FLAG_SCAN_DIRECTION:
                vx::read_value(parser, &args.scan_direction_text, MSG_SCAN_DIRECTION_REQUIRED, error);
                filter = true;
                break;
            case FLAG_LAST:
                args.last = 1;
                vx::read_optional_value(parser, &args.last_value);
                filter = true;
                break;
            case FLAG_STATE:
                vx::read_value(parser, &args.states, MSG_STATE_REQUIRED, error);
                filter = true;
                break;
            case FLAG_JOB:
                // Each -job starts a new list; one without any job identity ends the routine.
                if (const int32_t failed = vx::read_required_list(parser, jobs, MSG_JOB_ID_REQUIRED, kUsage))
                    return failed;
                break;
            case FLAG_UUID: break;  // accepted, and nothing is recorded for it
            default: break;         // no unrecognized-flag path here: an unknown code is passed over
        }
    }
    if (rc != CLP_DONE) return vx::fail_with_usage(kUsage);
    if (error) return vx::fail_with_usage(kUsage);

    if (filter && args.job_count != 0) return vx::fail(MSG_FILTER_WITH_JOB, kUsage);
    if (args.sibling != nullptr && args.replica == nullptr) return vx::fail(MSG_SIBLING_NEEDS_REPLICA, kUsage);

    const char *extra = nullptr;
    if (vx::operand_left(parser, extra)) return vx::fail_unexpected_operand(extra, kUsage);

    return vx_cmd_syncinfo(&args);
}
