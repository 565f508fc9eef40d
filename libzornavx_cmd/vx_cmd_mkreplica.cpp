// mkreplica: prints the record it received, the targets as objects and the password
// masked.

#include "libzornavx_cmd.h"
#include "record_writer.h"

namespace {

nlohmann::ordered_json targets_of(const vx_mkreplica_args_t &args) {
    if (args.targets == nullptr) return nullptr;
    nlohmann::ordered_json targets = nlohmann::ordered_json::array();
    for (int32_t i = 0; i < args.target_count; ++i) {
        const vx_replica_host_pair_t &pair = args.targets[i];
        nlohmann::ordered_json entry = nlohmann::ordered_json::object();
        entry["replica_selector"] = pair.replica_selector != nullptr ? nlohmann::ordered_json(pair.replica_selector)
                                                                     : nlohmann::ordered_json(nullptr);
        entry["hostname"] =
            pair.hostname != nullptr ? nlohmann::ordered_json(pair.hostname) : nlohmann::ordered_json(nullptr);
        targets.push_back(std::move(entry));
    }
    return targets;
}

}  // namespace

extern "C" int32_t vx_cmd_mkreplica(const vx_mkreplica_args_t *args) {
    vx_cmd::RecordWriter record("mkreplica");
    record.number("record_version", args->prefix.record_version);
    record.text("tag", args->tag);
    record.text("vob_stg", args->vob_stg);
    record.text("rptype", args->rptype);
    record.number("mode", args->mode);
    record.text("packet_file", args->packet_file);
    record.text("vreplica", args->vreplica);
    record.value("targets", [args] { return targets_of(*args); });
    record.number("target_count", args->target_count);
    record.texts("search_dirs", args->search_dirs, args->search_dir_count);
    record.number("search_dir_count", args->search_dir_count);
    record.text("host", args->host);
    record.text("gpath", args->gpath);
    record.text("hpath", args->hpath);
    record.texts("mount_options", args->mount_options, args->mount_option_count);
    record.number("mount_option_count", args->mount_option_count);
    record.number("public_tag", args->public_tag);
    record.text("workdir", args->workdir);
    record.number("preserve", args->preserve);
    record.number("nprompt", args->nprompt);
    record.number("pooltalk", args->pooltalk);
    record.number("max_size", args->max_size);
    record.number("ship_mode", args->ship_mode);
    record.number("force_ship", args->force_ship);
    record.text("notify", args->notify);
    record.text("sclass", args->sclass);
    record.text("pexpire", args->pexpire);
    record.password("password", args->password);
    record.text("tag_comment", args->tag_comment);
    record.text("region", args->region);
    record.number("nca_exported", args->nca_exported);
    record.number("ignore_prot", args->ignore_prot);
    record.comment_block(args->comment);
    record.text("stgloc", args->stgloc);
    record.number("nremote_admin", args->nremote_admin);
    record.number("schema", args->schema);
    record.number("reserved_word", args->reserved_word);
    return record.emit();
}
