// lssetting: lists the site-wide settings, or the one named.
//
//   lssetting -site [-rgy rgy-hostname] [-inquire | -long | [-long] setting-name]

#include "libzornavx_cmd.h"
#include "libzornavx_cmdsyn.h"
#include "skeleton.h"

namespace {

constexpr vx::Usage kUsage{MSG_USAGE_LSSETTING};
constexpr int32_t kRecordVersion = 1;

constexpr clp_flag_desc_t kFlags[] = {
    vx::flag("-sit[e]", FLAG_SITE),
    vx::flag("-rgy", FLAG_RGY),
    vx::kGroupStart,
    vx::flag("-inq[uire]", FLAG_INQUIRE),
    vx::flag("-l[ong]", FLAG_LONG),
    vx::kGroupEnd,
    vx::kTableEnd,
};

}  // namespace

extern "C" int32_t vx_cmdsyn_lssetting(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags) {
    if (vx::usage_requested(dispatch_flags)) return vx::serve_usage(kUsage);

    vx_lssetting_args_t args;
    vx::init_record(args, kRecordVersion, area);
    if (clp_switch_flags(parser, kFlags, area) != 0) return CMD_SYNTAX_ERROR;

    bool error = false;
    int32_t code = 0;
    int rc;
    while ((rc = clp_get_next_flag_value(parser, 0, &code)) == CLP_OK) {
        switch (code) {
            case FLAG_SITE: args.scope = VX_SCOPE_SITE; break;
            case FLAG_RGY:
                args.rgy_given = 1;  // -rgy counts as given even without its host
                vx::read_value(parser, &args.rgy_host, MSG_RGY_HOST_REQUIRED, error);
                break;
            case FLAG_INQUIRE: args.inquire = 1; break;
            case FLAG_LONG: args.long_form = 1; break;
            default: return vx::fail_unhandled_flag(parser, error, kUsage);
        }
    }
    if (rc != CLP_DONE) return vx::fail_with_usage(kUsage);

    // The setting to list, if one is named.
    vx::read_optional_value(parser, &args.setting_name);
    if (error) return vx::fail_with_usage(kUsage);

    if (args.inquire && args.setting_name != nullptr) return vx::fail(MSG_INVALID_COMBINATION, kUsage);
    if (args.scope == 0) return vx::fail(MSG_INVALID_COMBINATION, kUsage);
    // A second name would otherwise be dropped unseen, and the user would get a
    // listing of the first alone, reported as success.
    const char *extra = nullptr;
    if (vx::operand_left(parser, extra)) return vx::fail_unexpected_operand(extra, kUsage);

    return vx_cmd_lssetting(&args);
}
