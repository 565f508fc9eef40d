// dumpoplog: prints entries of a replica's operation log, chosen by their order numbers
// or as a range.
//
//   dumpoplog [-short | -long] [-name] [-invob vob-selector] [-vreplica replica]
//             [ oplog-ent-order-num ... | [-from oplog-ent-order-num] [-to oplog-ent-order-num] ]
//             [-since date-time] [-reverse]
//
// -limit is accepted too, though the usage text does not show it.

#include "libzornavx_cmd.h"
#include "libzornavx_cmdsyn.h"
#include "skeleton.h"

namespace {

constexpr vx::Usage kUsage{MSG_USAGE_DUMPOPLOG};
constexpr int32_t kRecordVersion = 1;

constexpr clp_flag_desc_t kFlags[] = {
    vx::kGroupStart,
    vx::flag("-l[ong]", FLAG_LONG),
    vx::flag("-s[hort]", FLAG_SHORT),
    vx::kGroupEnd,
    vx::flag("-rev[erse]", FLAG_REVERSE),
    vx::flag("-nam[e]", FLAG_NAME),
    vx::flag("-inv[ob]", FLAG_INVOB),
    vx::flag("-fro[m]", FLAG_FROM),
    vx::flag("-to", FLAG_TO),
    vx::flag("-vre[plica]", FLAG_VREPLICA),
    vx::flag("-sin[ce]", FLAG_SINCE),
    vx::flag("-lim[it]", FLAG_LIMIT),
    vx::kTableEnd,
};

// Reads -limit into `limit`. False when no value is left, which ends the routine at
// once; a value that is no decimal number is reported and noted in `error`, like a
// missing value of the other flags.
bool read_limit(clp_parser_t *parser, uint32_t &limit, bool &error) {
    const char *text = nullptr;
    if (!vx::read_word(parser, &text)) return false;
    uint32_t value = 0;
    if (strutl_strtoul(text, 10, &value) != 0) {
        imsg_print(IMSG_SEV_ERROR, _tbs_cmsg_tbs_msg_table_adr(), TBS_MSG_NOT_A_NUMBER, text);
        error = true;
        return true;
    }
    limit = value;
    return true;
}

}  // namespace

extern "C" int32_t vx_cmdsyn_dumpoplog(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags) {
    // Only the bit of value 2 prints the usage; the bit of value 1 alone asks for nothing.
    if (vx::usage_requested(dispatch_flags)) return vx::serve_usage_full_only(dispatch_flags, kUsage);

    vx_dumpoplog_args_t args;
    vx::init_record(args, kRecordVersion, area);
    if (clp_switch_flags(parser, kFlags, area) != 0) return CMD_SYNTAX_ERROR;

    bool error = false;
    int32_t code = 0;
    int rc;
    while ((rc = clp_get_next_flag_value(parser, 0, &code)) == CLP_OK) {
        switch (code) {
            case FLAG_LONG: args.detail_level = VX_DETAIL_LONG; break;
            case FLAG_SHORT: args.detail_level = VX_DETAIL_SHORT; break;
            case FLAG_REVERSE: args.reverse = 1; break;
            case FLAG_NAME: args.show_name = 1; break;
            case FLAG_INVOB: vx::read_value(parser, &args.invob, MSG_VOB_REQUIRED, error); break;
            case FLAG_FROM: vx::read_value(parser, &args.from_entry, MSG_OPLOG_ENTRY_REQUIRED, error); break;
            case FLAG_TO: vx::read_value(parser, &args.to_entry, MSG_OPLOG_ENTRY_REQUIRED, error); break;
            case FLAG_VREPLICA: vx::read_value(parser, &args.vreplica, MSG_REPLICA_REQUIRED, error); break;
            case FLAG_SINCE: vx::read_value(parser, &args.since, MSG_DATE_TIME_REQUIRED, error); break;
            case FLAG_LIMIT:
                // Unlike the other values, a missing limit ends the routine at once.
                if (!read_limit(parser, args.limit, error)) return vx::fail(MSG_LIMIT_REQUIRED, kUsage);
                break;
            default: return vx::fail_unhandled_flag(parser, error, kUsage);
        }
    }
    if (rc != CLP_DONE) return vx::fail_with_usage(kUsage);
    if (error) return vx::fail_with_usage(kUsage);

    if (args.from_entry != nullptr || args.to_entry != nullptr) {
        // A range chooses the entries: order numbers as operands would contradict it.
        const char *extra = nullptr;
        if (vx::operand_left(parser, extra)) return vx::fail_unexpected_operand(extra, kUsage);
    } else {
        vx::TextList entries(area, args.entries, args.entry_count);
        if (vx::collect_operands(parser, entries) == vx::Collected::no_memory) return vx::fail_no_memory();
    }

    return vx_cmd_dumpoplog(&args);
}
