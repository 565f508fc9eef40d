// chreplica: prints the record it received.

#include "libzornavx_cmd.h"
#include "record_writer.h"

extern "C" int32_t vx_cmd_chreplica(const vx_chreplica_args_t *args) {
    vx_cmd::RecordWriter record("chreplica");
    record.number("record_version", args->prefix.record_version);
    record.text("host", args->host);
    record.text("new_name", args->new_name);
    record.text("replica", args->replica);
    record.number("preserve", args->preserve);
    record.text("incarnation", args->incarnation);
    record.number("connected", args->connected);
    record.text("inreplica", args->inreplica);
    record.comment_block(args->comment);
    return record.emit();
}
