// lsepoch: prints the record it received.

#include "libzornavx_cmd.h"
#include "record_writer.h"

extern "C" int32_t vx_cmd_lsepoch(const vx_lsepoch_args_t *args) {
    vx_cmd::RecordWriter record("lsepoch");
    record.number("record_version", args->prefix.record_version);
    record.texts("replicas", args->replicas, args->replica_count);
    record.number("replica_count", args->replica_count);
    record.text("invob", args->invob);
    record.number("actual", args->actual);
    return record.emit();
}
