// syncreplica: keeps the replicas of a VOB in step. The export form writes
// synchronization packets for the sibling replicas named as operands, or ships them;
// the import form applies packets and staging areas named as operands, or whatever has
// been received for a storage class (-receive).
//
//   syncreplica -export [-maxsize size [-limit num_packets]] [comment flags] [-compress]
//               [-endrange] [-oprange replica-selector=[oplog-start][:oplog-end][,...]]
//               {{-ship | -fship} [-sclass storage-class] [-pexpire date-time]
//               [-notify email-addr] | -out packet-file-pname} replica-selector ...
//   syncreplica -import [-invob vob-selector] [comment flags]
//               {-receive [-sclass storage-class] | {packet-file-pname | staging-area-pname} ...}
//   syncreplica -import -diagnose ...
//
// -nincarnation, -evlist, -verbose, -server_enable_ate_messages, -ndelete,
// -server_ignore_epoch_row_cache and -allow_imp_from_deleted_rep are accepted too,
// though the usage text does not show them.

#include "libzornavx_cmd.h"
#include "libzornavx_cmdsyn.h"
#include "skeleton.h"

namespace {

// The usage text is two catalog messages.
constexpr vx::Usage kUsage{MSG_USAGE_SYNCREPLICA, MSG_USAGE_SYNCREPLICA_DIAGNOSE};
constexpr int32_t kRecordVersion = 4;

constexpr clp_flag_desc_t kFlags[] = {
    vx::kGroupStart,
    vx::flag("-exp[ort]", FLAG_EXPORT),
    vx::flag("-imp[ort]", FLAG_IMPORT),
    vx::kGroupEnd,
    vx::flag("-dia[gnose]", FLAG_DIAGNOSE),
    vx::flag("-inv[ob]", FLAG_INVOB),
    vx::kGroupStart,
    vx::flag("-out", FLAG_OUT),
    vx::flag("-shi[p]", FLAG_SHIP),
    vx::flag("-fsh[ip]", FLAG_FSHIP),
    vx::flag("-rec[eive]", FLAG_RECEIVE),
    vx::kGroupEnd,
    vx::flag("-max[size]", FLAG_MAXSIZE),
    vx::flag("-nincarnation", FLAG_NINCARNATION),
    vx::flag("-lim[it]", FLAG_LIMIT),
    vx::flag("-opr[ange]", FLAG_OPRANGE),
    vx::flag("-compress", FLAG_COMPRESS),
    vx::flag("-evlist", FLAG_EVLIST),
    vx::flag("-verbose", FLAG_VERBOSE),
    vx::flag("-endrange", FLAG_ENDRANGE),
    vx::flag("-server_enable_ate_messages", FLAG_SERVER_ENABLE_ATE_MESSAGES),
    vx::flag("-ndelete", FLAG_NDELETE),
    vx::flag("-server_ignore_epoch_row_cache", FLAG_SERVER_IGNORE_EPOCH_ROW_CACHE),
    vx::flag("-allow_imp_from_deleted_rep", FLAG_ALLOW_IMP_FROM_DELETED_REP),
    vx::flag("-not[ify]", FLAG_NOTIFY),
    vx::flag("-scl[ass]", FLAG_SCLASS),
    vx::flag("-pex[pire]", FLAG_PEXPIRE),
    VX_COMMENT_GROUP_ROWS,
    vx::kTableEnd,
};

// Every -evlist entry must have the form NAME=VALUE.
bool every_entry_names_a_value(const vx_syncreplica_args_t &a) {
    for (uint32_t i = 0; i < a.evlist_count; ++i) {
        int32_t at = 0;
        if (strutl_find_char(a.evlist[i], 0, '=', &at) == 0) return false;
    }
    return true;
}

// -notify, -sclass and -pexpire describe a shipment; packets received for a storage
// class may still name the class.
bool shipping_detail_out_of_place(const vx_syncreplica_args_t &a) {
    switch (a.ship_mode) {
        case VX_SHIP_MODE_SHIP: return false;
        case VX_SHIP_MODE_RECEIVE: return a.notify != nullptr || a.pexpire != nullptr;
        default: return a.notify != nullptr || a.sclass != nullptr || a.pexpire != nullptr;
    }
}

}  // namespace

extern "C" int32_t vx_cmdsyn_syncreplica(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags) {
    if (vx::usage_requested(dispatch_flags)) return vx::serve_usage(kUsage);

    vx_syncreplica_args_t args;
    vx::init_record(args, kRecordVersion, area);
    args.max_size = VX_MAX_SIZE_UNSET;
    if (clp_switch_flags(parser, kFlags, area) != 0) return CMD_SYNTAX_ERROR;

    bool error = false;
    vx::TextList oprange(area, args.oprange, args.oprange_count);
    vx::TextList evlist(area, args.evlist, args.evlist_count);
    const char *text = nullptr;
    int32_t code = 0;
    int rc;
    while ((rc = clp_get_next_flag_value(parser, 0, &code)) == CLP_OK) {
        switch (code) {
            case FLAG_EXPORT: args.mode = VX_MODE_EXPORT; break;
            case FLAG_IMPORT: args.mode = VX_MODE_IMPORT; break;
            case FLAG_DIAGNOSE: args.diagnose = 1; break;
            case FLAG_INVOB: vx::read_value(parser, &args.invob, MSG_VOB_REQUIRED, error); break;
            case FLAG_OUT:
                args.ship_mode = VX_SHIP_MODE_OUT;  // stands even when the value is missing
                vx::read_value(parser, &args.packet_file, MSG_PACKET_FILE_REQUIRED, error);
                break;
            case FLAG_SHIP: args.ship_mode = VX_SHIP_MODE_SHIP; break;
            case FLAG_FSHIP:
                args.ship_mode = VX_SHIP_MODE_SHIP;
                args.force_ship = 1;
                break;
            case FLAG_RECEIVE: args.ship_mode = VX_SHIP_MODE_RECEIVE; break;
            case FLAG_MAXSIZE: vx::read_max_size(parser, args.max_size, error); break;
            case FLAG_NINCARNATION: args.nincarnation = 1; break;
            case FLAG_LIMIT:
                if (!vx::read_value(parser, &text, MSG_LIMIT_REQUIRED, error)) return vx::fail_with_usage(kUsage);
                vx::convert_decimal(text, &args.limit, error);
                // Tested whatever the conversion made of the text.
                if (args.limit < 1) return vx::fail(MSG_LIMIT_NOT_POSITIVE, kUsage);
                break;
            case FLAG_OPRANGE:
                if (const int32_t failed = vx::read_required_list(parser, oprange, MSG_OPRANGE_REQUIRED, kUsage))
                    return failed;
                break;
            case FLAG_COMPRESS: args.compress = 1; break;
            case FLAG_EVLIST:
                if (const int32_t failed = vx::read_required_list(parser, evlist, MSG_EVLIST_REQUIRED, kUsage))
                    return failed;
                if (!every_entry_names_a_value(args)) return vx::fail(MSG_EVLIST_NAME_VALUE, kUsage);
                break;
            case FLAG_VERBOSE: args.verbose = 1; break;
            case FLAG_ENDRANGE: args.endrange = 1; break;
            case FLAG_SERVER_ENABLE_ATE_MESSAGES: args.server_enable_ate_messages = 1; break;
            case FLAG_NDELETE: args.ndelete = 1; break;
            case FLAG_SERVER_IGNORE_EPOCH_ROW_CACHE: args.server_ignore_epoch_row_cache = 1; break;
            case FLAG_ALLOW_IMP_FROM_DELETED_REP: args.allow_imp_from_deleted_rep = 1; break;
            case FLAG_NOTIFY: vx::read_value(parser, &args.notify, MSG_NOTIFY_REQUIRED, error); break;
            case FLAG_SCLASS: vx::read_value(parser, &args.sclass, MSG_SCLASS_REQUIRED, error); break;
            case FLAG_PEXPIRE: vx::read_value(parser, &args.pexpire, MSG_PEXPIRE_REQUIRED, error); break;
            default:
                if (vx::handle_comment_flag(parser, code, args.comment, error)) break;
                return vx::fail_unhandled_flag(parser, error, kUsage);
        }
    }
    if (rc != CLP_DONE) return vx::fail_with_usage(kUsage);
    if (error) return vx::fail_with_usage(kUsage);

    if (args.mode == VX_MODE_IMPORT) {
        if (args.max_size != VX_MAX_SIZE_UNSET) return vx::fail(MSG_INVALID_COMBINATION, kUsage);
        if (args.ship_mode != 0 && args.ship_mode != VX_SHIP_MODE_RECEIVE)
            return vx::fail(MSG_INVALID_COMBINATION, kUsage);
        if (args.compress) return vx::fail(MSG_INVALID_COMBINATION, kUsage);
        if (args.invob == nullptr && args.allow_imp_from_deleted_rep) return vx::fail(MSG_INVALID_COMBINATION, kUsage);
        if (args.endrange) return vx::fail(MSG_INVALID_COMBINATION, kUsage);
        if (args.oprange_count != 0) return vx::fail(MSG_INVALID_COMBINATION, kUsage);
    } else if (args.mode == VX_MODE_EXPORT) {
        if (args.ship_mode == 0) return vx::fail(MSG_SHIP_MODE_REQUIRED, kUsage);
        // A packet limit needs a packet size and cannot go with oplog ranges.
        if (args.limit != 0 && args.max_size == VX_MAX_SIZE_UNSET) return vx::fail(MSG_INVALID_COMBINATION, kUsage);
        if (args.limit != 0 && args.oprange_count > 0) return vx::fail(MSG_INVALID_COMBINATION, kUsage);
        if (args.ship_mode != VX_SHIP_MODE_OUT && args.ship_mode != VX_SHIP_MODE_SHIP)
            return vx::fail(MSG_INVALID_COMBINATION, kUsage);
        if (args.nincarnation) return vx::fail(MSG_INVALID_COMBINATION, kUsage);
        if (args.invob != nullptr) return vx::fail(MSG_INVALID_COMBINATION, kUsage);
        if (args.ndelete) return vx::fail(MSG_INVALID_COMBINATION, kUsage);
        if (args.allow_imp_from_deleted_rep) return vx::fail(MSG_INVALID_COMBINATION, kUsage);
        if (args.diagnose) return vx::fail(MSG_INVALID_COMBINATION, kUsage);
    } else {
        return vx::fail(MSG_MODE_REQUIRED, kUsage);
    }
    if (args.server_ignore_epoch_row_cache && args.mode != VX_MODE_IMPORT)
        return vx::fail(MSG_INVALID_COMBINATION, kUsage);
    if (shipping_detail_out_of_place(args)) return vx::fail(MSG_INVALID_COMBINATION, kUsage);

    if (args.mode == VX_MODE_EXPORT) {
        vx::TextList replicas(area, args.replicas, args.replica_count);
        if (vx::collect_operands(parser, replicas) == vx::Collected::no_memory) return vx::fail_no_memory();
    } else if (args.ship_mode != VX_SHIP_MODE_RECEIVE) {
        vx::TextList items(area, args.import_items, args.import_item_count);
        if (const int32_t failed = vx::collect_required_operands(parser, items, MSG_PACKET_OR_STAGING_REQUIRED, kUsage))
            return failed;
    }
    // -receive reads no operand: any word left over is unexpected.
    const char *extra = nullptr;
    if (vx::operand_left(parser, extra)) return vx::fail_unexpected_operand(extra, kUsage);
    if (args.mode == VX_MODE_EXPORT && args.replica_count == 0) return vx::fail(MSG_RPTYPE_OR_REPLICA_REQUIRED, kUsage);

    return vx_cmd_syncreplica(&args);
}
