// mkreplica: creates new replicas of a VOB in two steps. The export form writes a
// replica-creation packet for the replicas named by hostname:replica-selector operands,
// or hands it to the shipping system; the import form builds a replica from such a
// packet, given a tag, a place for the VOB storage and the ownership choice.
//
//   mkreplica -export -workdir temp-dir-pname [-maxsize size] [comment flags]
//             { {-ship | -fship} [-sclass storage-class] [-pexpire date-time]
//               [-notify email-addr] | -out packet-file-pname } hostname:replica-selector ...
//   mkreplica -import -workdir temp-dir-pname -tag vob-tag
//             { -vob vob-storage-pname [-host hostname -hpath host-stg-pname -gpath global-stg-pname]
//             | -stgloc {stgloc-name | -auto} }
//             {-preserve | -perms_preserve [-nprompt] | -npreserve} [comment flags]
//             [-tcomment tag-comment] [-nremote_admin] [-region region-name] [-options mount-options]
//             [-public [-password tag-registry-password]] [-ignoreprot] [-pooltalk]
//             [-vreplica replica-name] packet-file-pname [search-dir-pname ...]
//
// -rptype, -schema and -ncaexported are accepted too, though the usage text does not
// show them.

#include "libzornavx_cmd.h"
#include "libzornavx_cmdsyn.h"
#include "skeleton.h"

namespace {

constexpr vx::Usage kUsage{MSG_USAGE_MKREPLICA};
constexpr int32_t kRecordVersion = 6;

constexpr clp_flag_desc_t kFlags[] = {
    vx::kGroupStart,
    vx::flag("-exp[ort]", FLAG_EXPORT),
    vx::flag("-imp[ort]", FLAG_IMPORT),
    vx::kGroupEnd,
    vx::flag("-rpt[ype]", FLAG_RPTYPE),
    vx::flag("-tag", FLAG_TAG),
    vx::kGroupStart,
    vx::flag("-vob", FLAG_VOB),
    vx::flag("-stg[loc]", FLAG_STGLOC),
    vx::kGroupEnd,
    vx::flag("-vre[plica]", FLAG_VREPLICA),
    vx::flag("-hos[t]", FLAG_HOST),
    vx::flag("-hpa[th]", FLAG_HPATH),
    vx::flag("-gpa[th]", FLAG_GPATH),
    vx::flag("-reg[ion]", FLAG_REGION),
    vx::flag("-opt[ions]", FLAG_OPTIONS),
    vx::flag("-pub[lic]", FLAG_PUBLIC),
    vx::kGroupStart,
    vx::flag("-pre[serve]", FLAG_PRESERVE),
    vx::flag("-per[ms_preserve]", FLAG_PERMS_PRESERVE),
    vx::flag("-npr[eserve]", FLAG_NPRESERVE),
    vx::kGroupEnd,
    vx::flag("-nprompt", FLAG_NPROMPT),
    vx::flag("-nrem[ote_admin]", FLAG_NREMOTE_ADMIN),
    vx::kGroupStart,
    vx::flag("-poo[ltalk]", FLAG_POOLTALK),
    vx::kGroupEnd,
    vx::kGroupStart,
    vx::flag("-out", FLAG_OUT),
    vx::flag("-shi[p]", FLAG_SHIP),
    vx::flag("-fsh[ip]", FLAG_FSHIP),
    vx::kGroupEnd,
    vx::flag("-wor[kdir]", FLAG_WORKDIR),
    vx::flag("-max[size]", FLAG_MAXSIZE),
    vx::flag("-pas[sword]", FLAG_PASSWORD),
    vx::flag("-tco[mment]", FLAG_TCOMMENT),
    vx::flag("-nca[exported]", FLAG_NCAEXPORTED),
    vx::flag("-ign[oreprot]", FLAG_IGNOREPROT),
    vx::flag("-sch[ema]", FLAG_SCHEMA),
    vx::flag("-not[ify]", FLAG_NOTIFY),
    vx::flag("-scl[ass]", FLAG_SCLASS),
    vx::flag("-pex[pire]", FLAG_PEXPIRE),
    VX_COMMENT_GROUP_ROWS,
    vx::kTableEnd,
};

// A flag that only the import form takes was given with -export. (-rptype, -region,
// -ncaexported, -ignoreprot, -schema and the comment stand with either form.)
bool import_flag_given(const vx_mkreplica_args_t &a) {
    return a.preserve != 0 || a.pooltalk != 0 || a.host != nullptr || a.gpath != nullptr || a.hpath != nullptr ||
           a.mount_options != nullptr || a.vreplica != nullptr || a.public_tag != 0 || a.tag_comment != nullptr ||
           a.password != nullptr || a.tag != nullptr || a.stgloc != nullptr || a.nremote_admin != 0 || a.nprompt != 0;
}

// How many of -host, -hpath and -gpath were given: they go together.
int storage_paths_given(const vx_mkreplica_args_t &a) {
    return (a.host != nullptr) + (a.hpath != nullptr) + (a.gpath != nullptr);
}

bool is_relative(const char *path) { return path != nullptr && !fileutl_is_abspn(path); }

// -notify, -sclass and -pexpire describe a shipment.
bool shipping_detail_given(const vx_mkreplica_args_t &a) {
    return a.notify != nullptr || a.sclass != nullptr || a.pexpire != nullptr;
}

// Export operands: every hostname:replica-selector operand becomes a pair pointing into
// a copy of it, split at its first colon. Returns 0, or the status to fail with.
int32_t read_targets(clp_parser_t *parser, stg_area_t *area, vx_mkreplica_args_t &args) {
    const char **specs = nullptr;
    int32_t count = 0;
    vx::TextList list(area, specs, count);
    if (const int32_t failed = vx::collect_required_operands(parser, list, MSG_REPLICA_SPECS_REQUIRED, kUsage))
        return failed;

    auto *pairs = static_cast<vx_replica_host_pair_t *>(
        stg_alloc(area, sizeof(vx_replica_host_pair_t) * static_cast<size_t>(count)));
    if (pairs == nullptr) return vx::fail_no_memory();
    for (int32_t i = 0; i < count; ++i) {
        int32_t colon = 0;
        if (strutl_find_char(specs[i], 0, ':', &colon) == 0)
            return vx::fail(MSG_INVALID_REPLICA_SPEC, specs[i], kUsage);
        char *copy = stg_area_strdup(area, specs[i]);
        if (copy == nullptr) return vx::fail_no_memory();
        copy[colon] = '\0';
        pairs[i] = {copy + colon + 1, copy};
    }
    args.targets = pairs;
    args.target_count = count;
    return 0;
}

// Import operands: the packet file, then search directories. A missing packet file is
// reported at once, but the routine fails only after the search directories have been
// read. Returns 0, or the status to fail with.
int32_t read_import_operands(clp_parser_t *parser, stg_area_t *area, vx_mkreplica_args_t &args) {
    bool packet_missing = false;
    vx::read_value(parser, &args.packet_file, MSG_PACKET_FILE_REQUIRED, packet_missing);  // replaces any -out value
    vx::TextList search_dirs(area, args.search_dirs, args.search_dir_count);
    if (vx::collect_operands(parser, search_dirs) == vx::Collected::no_memory) return vx::fail_no_memory();
    if (packet_missing) return vx::fail_with_usage(kUsage);
    return 0;
}

}  // namespace

extern "C" int32_t vx_cmdsyn_mkreplica(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags) {
    if (vx::usage_requested(dispatch_flags)) return vx::serve_usage(kUsage);

    vx_mkreplica_args_t args;
    vx::init_record(args, kRecordVersion, area);
    args.max_size = VX_MAX_SIZE_UNSET;
    args.schema = VX_SCHEMA_UNSET;
    if (clp_switch_flags(parser, kFlags, area) != 0) return CMD_SYNTAX_ERROR;

    bool error = false;
    vx::TextList mount_options(area, args.mount_options, args.mount_option_count);
    const char *text = nullptr;
    int32_t code = 0;
    int rc;
    while ((rc = clp_get_next_flag_value(parser, 0, &code)) == CLP_OK) {
        switch (code) {
            case FLAG_EXPORT: args.mode = VX_MODE_EXPORT; break;
            case FLAG_IMPORT: args.mode = VX_MODE_IMPORT; break;
            case FLAG_RPTYPE: vx::read_value(parser, &args.rptype, MSG_RPTYPE_REQUIRED, error); break;
            case FLAG_TAG: vx::read_value(parser, &args.tag, MSG_VOB_TAG_REQUIRED, error); break;
            case FLAG_VOB: vx::read_value(parser, &args.vob_stg, MSG_VOB_REQUIRED, error); break;
            case FLAG_STGLOC: vx::read_value(parser, &args.stgloc, MSG_STGLOC_REQUIRED, error); break;
            case FLAG_VREPLICA: vx::read_value(parser, &args.vreplica, MSG_NEW_REPLICA_REQUIRED, error); break;
            case FLAG_HOST: vx::read_value(parser, &args.host, MSG_HOST_REQUIRED, error); break;
            case FLAG_HPATH: vx::read_value(parser, &args.hpath, MSG_PATH_REQUIRED, error); break;
            case FLAG_GPATH: vx::read_value(parser, &args.gpath, MSG_PATH_REQUIRED, error); break;
            case FLAG_REGION: vx::read_value(parser, &args.region, MSG_REGION_REQUIRED, error); break;
            case FLAG_OPTIONS:
                if (const int32_t failed =
                        vx::read_required_list(parser, mount_options, MSG_MOUNT_OPTIONS_REQUIRED, kUsage))
                    return failed;
                break;
            case FLAG_PUBLIC: args.public_tag = 1; break;
            case FLAG_PRESERVE: args.preserve = VX_PRESERVE; break;
            case FLAG_PERMS_PRESERVE: args.preserve = VX_PERMS_PRESERVE; break;
            case FLAG_NPRESERVE: args.preserve = VX_NPRESERVE; break;
            case FLAG_NPROMPT: args.nprompt = 1; break;
            case FLAG_NREMOTE_ADMIN: args.nremote_admin = 1; break;
            case FLAG_POOLTALK: args.pooltalk = 1; break;
            case FLAG_OUT:
                args.ship_mode = VX_SHIP_MODE_OUT;  // stands even when the value is missing
                vx::read_value(parser, &args.packet_file, MSG_PACKET_FILE_REQUIRED, error);
                break;
            case FLAG_SHIP: args.ship_mode = VX_SHIP_MODE_SHIP; break;
            case FLAG_FSHIP:
                args.ship_mode = VX_SHIP_MODE_SHIP;
                args.force_ship = 1;
                break;
            case FLAG_WORKDIR: vx::read_value(parser, &args.workdir, MSG_WORKDIR_REQUIRED, error); break;
            case FLAG_MAXSIZE: vx::read_max_size(parser, args.max_size, error); break;
            case FLAG_PASSWORD: vx::read_value(parser, &args.password, MSG_PASSWORD_REQUIRED, error); break;
            case FLAG_TCOMMENT: vx::read_value(parser, &args.tag_comment, MSG_COMMENT_REQUIRED, error); break;
            case FLAG_NCAEXPORTED: args.nca_exported = 1; break;
            case FLAG_IGNOREPROT: args.ignore_prot = 1; break;
            case FLAG_SCHEMA:
                if (!vx::read_value(parser, &text, MSG_SCHEMA_REQUIRED, error)) return vx::fail_with_usage(kUsage);
                vx::convert_decimal(text, &args.schema, error);
                break;
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

    if (args.workdir == nullptr) return vx::fail(MSG_WORKDIR_REQUIRED, kUsage);
    if (args.mode == VX_MODE_EXPORT) {
        if (args.ship_mode == 0) return vx::fail(MSG_SHIP_MODE_REQUIRED, kUsage);
        if (args.vob_stg != nullptr) return vx::fail(MSG_OBSOLETE_FLAG, "-vob", kUsage);
        if (import_flag_given(args)) return vx::fail(MSG_INVALID_COMBINATION, kUsage);
    } else if (args.mode == VX_MODE_IMPORT) {
        if (args.tag == nullptr) return vx::fail(MSG_VOB_TAG_REQUIRED, kUsage);
        if (args.vob_stg == nullptr && args.stgloc == nullptr) return vx::fail(MSG_VOB_STG_OR_STGLOC_REQUIRED, kUsage);
        if (args.rptype != nullptr) return vx::fail(MSG_INVALID_COMBINATION, kUsage);
        if (args.max_size != VX_MAX_SIZE_UNSET) return vx::fail(MSG_INVALID_COMBINATION, kUsage);
        // A server storage location places the storage itself: no host or paths with it.
        const int paths = storage_paths_given(args);
        if (args.stgloc != nullptr && paths != 0) return vx::fail(MSG_INVALID_COMBINATION, kUsage);
        if (args.stgloc == nullptr && paths != 0 && paths != 3) return vx::fail(MSG_HOST_HPATH_GPATH_TOGETHER, kUsage);
        if (is_relative(args.tag)) return vx::fail(MSG_PATH_NOT_ABSOLUTE, args.tag, kUsage);
        if (is_relative(args.hpath)) return vx::fail(MSG_PATH_NOT_ABSOLUTE, args.hpath, kUsage);
        if (is_relative(args.gpath)) return vx::fail(MSG_PATH_NOT_ABSOLUTE, args.gpath, kUsage);
        if (args.preserve == 0) return vx::fail(MSG_PRESERVE_REQUIRED, kUsage);
        if (args.nprompt != 0 && args.preserve != VX_PERMS_PRESERVE) return vx::fail(MSG_INVALID_COMBINATION, kUsage);
    } else {
        return vx::fail(MSG_MODE_REQUIRED, kUsage);
    }
    if (args.ship_mode != VX_SHIP_MODE_SHIP && shipping_detail_given(args))
        return vx::fail(MSG_INVALID_COMBINATION, kUsage);

    // Operands: the new replicas, or the packet and where to look for its parts.
    const int32_t failed =
        args.mode == VX_MODE_EXPORT ? read_targets(parser, area, args) : read_import_operands(parser, area, args);
    if (failed != 0) return failed;

    const char *extra = nullptr;
    if (vx::operand_left(parser, extra)) return vx::fail_unexpected_operand(extra, kUsage);

    return vx_cmd_mkreplica(&args);
}
