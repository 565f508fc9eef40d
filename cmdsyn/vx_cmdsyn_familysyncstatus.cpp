// familysyncstatus: reports how well the replicas of a VOB family stay in step.
//
//   familysyncstatus -summary [-region region-name]
//   familysyncstatus {-health | -epochdiff [-time_units display-format][-long]}
//                    [-region region-name] vob-selector ...
//   familysyncstatus -generate [-since date-time | -sync_window hours] [vob-selector ...]
//
// Every value goes on as typed; the command execution library gives it its meaning.

#include "libzornavx_cmd.h"
#include "libzornavx_cmdsyn.h"
#include "skeleton.h"

namespace {

constexpr vx::Usage kUsage{MSG_USAGE_FAMILYSYNCSTATUS};
constexpr int32_t kRecordVersion = 0;

constexpr clp_flag_desc_t kFlags[] = {
    vx::kGroupStart,
    vx::flag("-sum[mary]", FLAG_SUMMARY),
    vx::flag("-heal[th]", FLAG_HEALTH),
    vx::flag("-epo[chdiff]", FLAG_EPOCHDIFF),
    vx::flag("-gen[erate]", FLAG_GENERATE),
    vx::kGroupEnd,
    vx::flag("-l[ong]", FLAG_LONG),
    vx::flag("-time[_units]", FLAG_TIME_UNITS),
    vx::flag("-reg[ion]", FLAG_REGION),
    vx::kGroupStart,
    vx::flag("-sin[ce]", FLAG_SINCE),
    vx::flag("-syn[c_window]", FLAG_SYNC_WINDOW),
    vx::kGroupEnd,
    vx::kTableEnd,
};

enum class Operands { none, at_least_one, any };

// What each report kind accepts besides its own flag.
struct ReportRule {
    bool region;
    bool long_form;
    bool time_units;
    bool window;  // -since or -sync_window
    Operands operands;

    bool refuses_a_flag_of(const vx_familysyncstatus_args_t &args) const {
        return (args.region && !region) || (args.long_form && !long_form) || (args.time_units && !time_units) ||
               (args.window && !window);
    }
};

// Indexed by report_kind - 1.
constexpr ReportRule kRules[] = {
    /* -summary */ {true, false, false, false, Operands::none},
    /* -health */ {true, false, false, false, Operands::at_least_one},
    /* -epochdiff */ {true, true, true, false, Operands::at_least_one},
    /* -generate */ {false, false, false, true, Operands::any},
};

}  // namespace

extern "C" int32_t vx_cmdsyn_familysyncstatus(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags) {
    if (vx::usage_requested(dispatch_flags)) return vx::serve_usage(kUsage);

    vx_familysyncstatus_args_t args;
    vx::init_record(args, kRecordVersion, area);
    if (clp_switch_flags(parser, kFlags, area) != 0) return CMD_SYNTAX_ERROR;

    bool error = false;
    int32_t code = 0;
    int rc;
    while ((rc = clp_get_next_flag_value(parser, 0, &code)) == CLP_OK) {
        switch (code) {
            case FLAG_SUMMARY: args.report_kind = VX_REPORT_SUMMARY; break;
            case FLAG_HEALTH: args.report_kind = VX_REPORT_HEALTH; break;
            case FLAG_EPOCHDIFF: args.report_kind = VX_REPORT_EPOCHDIFF; break;
            case FLAG_GENERATE: args.report_kind = VX_REPORT_GENERATE; break;
            case FLAG_LONG: args.long_form = 1; break;
            case FLAG_TIME_UNITS: vx::read_optional_value(parser, &args.time_units); break;
            case FLAG_REGION: vx::read_value(parser, &args.region, MSG_REGION_REQUIRED, error); break;
            case FLAG_SINCE:
                args.window_kind = VX_WINDOW_SINCE;
                vx::read_value(parser, &args.window, MSG_DATE_TIME_REQUIRED, error);
                break;
            case FLAG_SYNC_WINDOW:
                args.window_kind = VX_WINDOW_SYNC_WINDOW;
                vx::read_value(parser, &args.window, MSG_SYNC_WINDOW_REQUIRED, error);
                break;
            default: break;  // no unrecognized-flag path here: an unknown code is passed over
        }
    }
    if (rc != CLP_DONE) return vx::fail_with_usage(kUsage);
    if (error) return vx::fail_with_usage(kUsage);

    if (args.report_kind == 0) return vx::fail(MSG_REPORT_KIND_REQUIRED, kUsage);
    const ReportRule &rule = kRules[args.report_kind - 1];
    if (rule.refuses_a_flag_of(args)) return vx::fail(MSG_INVALID_COMBINATION, kUsage);

    // -summary reads no operands: its first one is refused as an extra operand below.
    if (rule.operands != Operands::none) {
        vx::TextList vobs(area, args.vobs, args.vob_count);
        const vx::Collected collected = vx::collect_operands(parser, vobs);
        if (collected == vx::Collected::no_memory) return vx::fail_no_memory();
        if (collected == vx::Collected::none && rule.operands == Operands::at_least_one)
            return vx::fail(MSG_VOB_REQUIRED, kUsage);
    }

    const char *extra = nullptr;
    if (vx::operand_left(parser, extra)) return vx::fail_unexpected_operand(extra, kUsage);

    return vx_cmd_familysyncstatus(&args);
}
