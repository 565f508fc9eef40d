// lspacket: lists packets.
//
//   lspacket [-long [-endrange] | -short] [pname ...]
//
// -dump and -invob are accepted too, though the usage text does not show them.

#include "libzornavx_cmd.h"
#include "libzornavx_cmdsyn.h"
#include "skeleton.h"

namespace {

constexpr vx::Usage kUsage{MSG_USAGE_LSPACKET};
constexpr int32_t kRecordVersion = 2;

constexpr clp_flag_desc_t kFlags[] = {
    vx::flag("-dum[p]", FLAG_DUMP),
    vx::flag("-inv[ob]", FLAG_INVOB),
    vx::kGroupStart,
    vx::flag("-l[ong]", FLAG_LONG),
    vx::flag("-s[hort]", FLAG_SHORT),
    vx::kGroupEnd,
    vx::flag("-endrange", FLAG_ENDRANGE),
    vx::kTableEnd,
};

}  // namespace

extern "C" int32_t vx_cmdsyn_lspacket(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags) {
    if (vx::usage_requested(dispatch_flags)) return vx::serve_usage(kUsage);

    vx_lspacket_args_t args;
    vx::init_record(args, kRecordVersion, area);
    if (clp_switch_flags(parser, kFlags, area) != 0) return CMD_SYNTAX_ERROR;

    bool error = false;
    int32_t code = 0;
    int rc;
    while ((rc = clp_get_next_flag_value(parser, 0, &code)) == CLP_OK) {
        switch (code) {
            case FLAG_DUMP: args.dump = 1; break;
            case FLAG_ENDRANGE: args.endrange = 1; break;
            case FLAG_INVOB: vx::read_value(parser, &args.invob, MSG_VOB_REQUIRED, error); break;
            case FLAG_LONG: args.detail_level = VX_DETAIL_LONG; break;
            case FLAG_SHORT: args.detail_level = VX_DETAIL_SHORT; break;
            default: return vx::fail_unhandled_flag(parser, error, kUsage);
        }
    }
    if (rc != CLP_DONE) return vx::fail_with_usage(kUsage);
    if (error) return vx::fail_with_usage(kUsage);

    vx::TextList packets(area, args.packets, args.packet_count);
    if (vx::collect_operands(parser, packets) == vx::Collected::no_memory) return vx::fail_no_memory();

    if (args.endrange && args.detail_level != VX_DETAIL_LONG) return vx::fail(MSG_ENDRANGE_WITHOUT_LONG, kUsage);

    return vx_cmd_lspacket(&args);
}
