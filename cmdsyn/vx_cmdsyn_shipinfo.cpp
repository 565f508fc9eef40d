// shipinfo: reports on shipping jobs, either one job or the jobs a filter selects.
//
//   shipinfo -job {job-id | job-uuid} [-host hostname]
//   shipinfo [-replica replica-selector [-sibling replica-name] | -host hostname]
//            [-export | -import] [-sclass storage-class]
//            [-filetype {shorder | rkcreate | rkupdate | other}]
//            [-startscan date-time] [-endscan date-time]
//            [-scan_direction {forward | backward}]
//
// Unlike the other status reports, shipinfo converts two keywords while it reads the
// flags, and a converter's own failure ends the routine with the converter's status.

#include "libzornavx_cmd.h"
#include "libzornavx_cmdsyn.h"
#include "libzornavxinfobase.h"
#include "skeleton.h"

namespace {

constexpr vx::Usage kUsage{MSG_USAGE_SHIPINFO};
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
    vx::flag("-job", FLAG_JOB),
    vx::kGroupEnd,
    vx::flag("-sib[ling]", FLAG_SIBLING),
    vx::flag("-start[scan]", FLAG_STARTSCAN),
    vx::flag("-end[scan]", FLAG_ENDSCAN),
    vx::flag("-scan_dir[ection]", FLAG_SCAN_DIRECTION),
    vx::flag("-file[type]", FLAG_FILETYPE),
    vx::flag("-scl[ass]", FLAG_SCLASS),
    vx::kTableEnd,
};

// A keyword conversion, with what its trace line says about a failure of its own. The
// file and line named there are fixed texts of the message, not this file's.
struct Conversion {
    int32_t (*convert)(const char *text, int32_t *value);
    const char *operation;
    int trace_line;
    int missing_message;
};

// Both converters answer a word they do not know with the same status.
static_assert(VX_CMD_NOT_A_KEYWORD == VXINFO_NOT_A_KEYWORD);

constexpr const char *kTraceFile = "vx_cmdsyn_shipinfo";
constexpr Conversion kScanDirection{vx_cmd_utl_str_to_scan_direction, "vx_cmd_utl_str_to_scan_direction", 137,
                                    MSG_SCAN_DIRECTION_REQUIRED};
constexpr Conversion kFileType{vxinfo_str_to_ship_filetype, "vxinfo_str_to_ship_filetype", 151, MSG_FILETYPE_REQUIRED};

void trace_failure(const Conversion &conversion, int32_t status) {
    if (imsg_get_desired_verbosity() >= 1 && imsg_should_trace("vx_cmd", 1))
        imsg_print(IMSG_SEV_TRACE, "%s:%d: operation '%s' failed: %s.\n", IMSG_FORMAT_INDEX, kTraceFile,
                   conversion.trace_line, conversion.operation, tbs_strerror(status));
}

// Reads and converts a keyword into `field`. A word the converter does not know prints
// the usage now and notes `conversion_failed`; parsing goes on. Returns 0 to go on, or
// the converter's own failure status, which the routine returns at once.
int32_t read_keyword(clp_parser_t *parser, const Conversion &conversion, int32_t *field, bool &error,
                     bool &conversion_failed) {
    const char *text = nullptr;
    if (!vx::read_value(parser, &text, conversion.missing_message, error)) return 0;
    const int32_t status = conversion.convert(text, field);
    if (status == 0) return 0;
    if (status == VX_CMD_NOT_A_KEYWORD) {
        vx::fail_with_usage(kUsage);  // the usage now; the failure itself follows the flag loop
        conversion_failed = true;
        return 0;
    }
    trace_failure(conversion, status);
    return status;
}

}  // namespace

extern "C" int32_t vx_cmdsyn_shipinfo(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags) {
    if (vx::usage_requested(dispatch_flags)) return vx::serve_usage(kUsage);

    vx_shipinfo_args_t args;
    vx::init_record(args, kRecordVersion, area);
    if (clp_switch_flags(parser, kFlags, area) != 0) return CMD_SYNTAX_ERROR;

    bool error = false;
    bool filter = false;  // a filter flag was given, with or without its value
    bool conversion_failed = false;
    int32_t code = 0;
    int rc;
    while ((rc = clp_get_next_flag_value(parser, 0, &code)) == CLP_OK) {
        int32_t status = 0;
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
            case FLAG_JOB: vx::read_value(parser, &args.job, MSG_JOB_ID_REQUIRED, error); break;
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
                status = read_keyword(parser, kScanDirection, &args.scan_direction, error, conversion_failed);
                if (status != 0) return status;
                filter = true;
                break;
            case FLAG_FILETYPE:
                status = read_keyword(parser, kFileType, &args.file_type, error, conversion_failed);
                if (status != 0) return status;
                filter = true;
                break;
            case FLAG_SCLASS:
                vx::read_value(parser, &args.sclass, MSG_SCLASS_REQUIRED, error);
                filter = true;
                break;
            default: break;  // no unrecognized-flag path here: an unknown code is passed over
        }
    }
    if (rc != CLP_DONE) return vx::fail_with_usage(kUsage);
    // The usage was printed when the keyword was refused; a missing value earns it again.
    if (conversion_failed) return error ? vx::fail_with_usage(kUsage) : CMD_SYNTAX_ERROR;
    if (error) return vx::fail_with_usage(kUsage);

    if (filter && args.job != nullptr) return vx::fail(MSG_FILTER_WITH_JOB, kUsage);
    if (args.sibling != nullptr && args.replica == nullptr) return vx::fail(MSG_SIBLING_NEEDS_REPLICA, kUsage);

    const char *extra = nullptr;
    if (vx::operand_left(parser, extra)) return vx::fail_unexpected_operand(extra, kUsage);

    return vx_cmd_shipinfo(&args);
}
