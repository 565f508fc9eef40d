// recoverpacket: prints the record it received.

#include "libzornavx_cmd.h"
#include "record_writer.h"

extern "C" int32_t vx_cmd_recoverpacket(const vx_recoverpacket_args_t *args) {
    vx_cmd::RecordWriter record("recoverpacket");
    record.number("record_version", args->prefix.record_version);
    record.texts("replicas", args->replicas, args->replica_count);
    record.number("replica_count", args->replica_count);
    record.text("since", args->since);
    record.unsigned_number("reserved_word", args->reserved_word);
    record.comment_block(args->comment);
    return record.emit();
}
