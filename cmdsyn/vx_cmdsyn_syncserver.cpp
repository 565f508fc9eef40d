// syncserver: takes VOBs out of the synchronization server's management, or asks for
// their state.
//
//   syncserver {-nmanage | -inquire} {-all | -vob vob-tag[ ...]}
//
// Unlike most routines, a code the dispatch does not handle is passed over rather
// than reported: the loop simply reads the next flag.

#include "libzornavx_cmd.h"
#include "libzornavx_cmdsyn.h"
#include "skeleton.h"

namespace {

constexpr vx::Usage kUsage{MSG_USAGE_SYNCSERVER};
constexpr int32_t kRecordVersion = 0;

constexpr clp_flag_desc_t kFlags[] = {
    vx::kGroupStart, vx::flag("-nmanage", FLAG_NMANAGE), vx::flag("-inq[uire]", FLAG_INQUIRE), vx::kGroupEnd,
    vx::kGroupStart, vx::flag("-a[ll]", FLAG_ALL),       vx::flag("-vob", FLAG_VOB),           vx::kGroupEnd,
    vx::kTableEnd,
};

}  // namespace

extern "C" int32_t vx_cmdsyn_syncserver(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags) {
    if (vx::usage_requested(dispatch_flags)) return vx::serve_usage(kUsage);

    vx_syncserver_args_t args;
    vx::init_record(args, kRecordVersion, area);
    // The record tells an inquiry only by set_manage_state 0, which is also its
    // default: whether -inquire was given is kept here.
    bool inquire = false;
    if (clp_switch_flags(parser, kFlags, area) != 0) return CMD_SYNTAX_ERROR;

    vx::TextList vobs(area, args.vobs, args.vob_count);
    int32_t code = 0;
    int rc;
    while ((rc = clp_get_next_flag_value(parser, 0, &code)) == CLP_OK) {
        switch (code) {
            case FLAG_ALL: args.all_vobs = 1; break;
            case FLAG_INQUIRE:
                args.set_manage_state = 0;
                inquire = true;
                break;
            case FLAG_NMANAGE:
                args.nmanage = 1;
                args.set_manage_state = 1;
                break;
            case FLAG_VOB: {
                args.all_vobs = 0;
                // A repeated -vob starts the list over. A missing first tag ends the
                // routine at once, before any other flag is read.
                const vx::Collected tags = vx::collect_subargs(parser, vobs);
                if (tags == vx::Collected::none) return vx::fail(MSG_VOB_TAG_REQUIRED, kUsage);
                if (tags == vx::Collected::no_memory) return vx::fail_no_memory();
                break;
            }
            default: break;  // passed over, see above
        }
    }
    if (rc != CLP_DONE) return vx::fail_with_usage(kUsage);

    if (!args.all_vobs && args.vob_count == 0) return vx::fail(MSG_ALL_OR_VOB_REQUIRED, kUsage);
    if (args.set_manage_state == 0 && !inquire) return vx::fail(MSG_MANAGE_MODE_REQUIRED, kUsage);
    const char *extra = nullptr;
    if (vx::operand_left(parser, extra)) return vx::fail_unexpected_operand(extra, kUsage);

    return vx_cmd_syncserver(&args);
}
