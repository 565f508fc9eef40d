// chsetting: changes site-wide settings, or unsets them all.
//
//   chsetting -site [-rgy rgy-hostname -password rgy-passwd] setting-name=[value] ...
//
// -unset_all is accepted too, though the usage text does not show it.

#include "libzornavx_cmd.h"
#include "libzornavx_cmdsyn.h"
#include "skeleton.h"

namespace {

constexpr vx::Usage kUsage{MSG_USAGE_CHSETTING};
constexpr int32_t kRecordVersion = 1;

constexpr clp_flag_desc_t kFlags[] = {
    vx::flag("-sit[e]", FLAG_SITE),
    vx::flag("-rgy", FLAG_RGY),
    vx::flag("-pas[sword]", FLAG_PASSWORD),
    vx::flag("-unset_all", FLAG_UNSET_ALL),
    vx::kTableEnd,
};

// A setting operand names its value after "="; the value itself may be empty.
bool names_a_value(const char *setting) {
    int32_t position = 0;
    return strutl_find_char(setting, 0, '=', &position) != 0;
}

}  // namespace

extern "C" int32_t vx_cmdsyn_chsetting(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags) {
    if (vx::usage_requested(dispatch_flags)) return vx::serve_usage(kUsage);

    vx_chsetting_args_t args;
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
            case FLAG_PASSWORD: vx::read_value(parser, &args.password, MSG_PASSWORD_REQUIRED, error); break;
            case FLAG_UNSET_ALL: args.unset_all = 1; break;
            default: return vx::fail_unhandled_flag(parser, error, kUsage);
        }
    }
    if (rc != CLP_DONE) return vx::fail_with_usage(kUsage);

    // The operands go on whole: the command entry splits name from value.
    vx::TextList settings(area, args.settings, args.setting_count);
    if (vx::collect_operands(parser, settings) == vx::Collected::no_memory) return vx::fail_no_memory();
    if (error) return vx::fail_with_usage(kUsage);

    if (args.scope == 0) return vx::fail(MSG_INVALID_COMBINATION, kUsage);
    for (int32_t i = 0; i < args.setting_count; ++i)
        if (!names_a_value(args.settings[i])) return vx::fail(MSG_INVALID_SETTING_VALUE, kUsage);

    return vx_cmd_chsetting(&args);
}
