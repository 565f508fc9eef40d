// rmreplica: prints the record it received.

#include "libzornavx_cmd.h"
#include "record_writer.h"

extern "C" int32_t vx_cmd_rmreplica(const vx_rmreplica_args_t *args) {
    vx_cmd::RecordWriter record("rmreplica");
    record.number("record_version", args->prefix.record_version);
    record.text("replica", args->replica);
    record.comment_block(args->comment);
    return record.emit();
}
