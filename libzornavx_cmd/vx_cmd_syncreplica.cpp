// syncreplica: prints the record it received.

#include "libzornavx_cmd.h"
#include "record_writer.h"

extern "C" int32_t vx_cmd_syncreplica(const vx_syncreplica_args_t *args) {
    vx_cmd::RecordWriter record("syncreplica");
    record.number("record_version", args->prefix.record_version);
    record.text("invob", args->invob);
    record.number("mode", args->mode);
    record.text("packet_file", args->packet_file);
    record.texts("import_items", args->import_items, args->import_item_count);
    record.number("import_item_count", args->import_item_count);
    record.texts("replicas", args->replicas, args->replica_count);
    record.number("replica_count", args->replica_count);
    record.number("max_size", args->max_size);
    record.number("ship_mode", args->ship_mode);
    record.number("force_ship", args->force_ship);
    record.text("notify", args->notify);
    record.text("sclass", args->sclass);
    record.text("pexpire", args->pexpire);
    record.number("nincarnation", args->nincarnation);
    record.number("limit", args->limit);
    record.texts("oprange", args->oprange, args->oprange_count);
    record.number("oprange_count", args->oprange_count);
    record.number("compress", args->compress);
    record.unsigned_number("evlist_count", args->evlist_count);
    record.texts("evlist", args->evlist, static_cast<int32_t>(args->evlist_count));
    record.number("verbose", args->verbose);
    record.number("endrange", args->endrange);
    record.number("server_enable_ate_messages", args->server_enable_ate_messages);
    record.number("ndelete", args->ndelete);
    record.number("server_ignore_epoch_row_cache", args->server_ignore_epoch_row_cache);
    record.number("allow_imp_from_deleted_rep", args->allow_imp_from_deleted_rep);
    record.number("diagnose", args->diagnose);
    record.comment_block(args->comment);
    return record.emit();
}
