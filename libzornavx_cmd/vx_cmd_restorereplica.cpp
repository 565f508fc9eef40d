// restorereplica: prints the record it received.

#include "libzornavx_cmd.h"
#include "record_writer.h"

extern "C" int32_t vx_cmd_restorereplica(const vx_restorereplica_args_t *args) {
    vx_cmd::RecordWriter record("restorereplica");
    record.number("record_version", args->prefix.record_version);
    record.text("invob", args->invob);
    record.number("replace", args->replace);
    record.number("override", args->override);
    record.number("force", args->force);
    record.number("replica_count", args->replica_count);
    record.texts("replicas", args->replicas, args->replica_count);
    record.comment_block(args->comment);
    return record.emit();
}
