// mkrptype: prints the record it received.

#include "libzornavx_cmd.h"
#include "record_writer.h"

extern "C" int32_t vx_cmd_mkrptype(const vx_mkrptype_args_t *args) {
    vx_cmd::RecordWriter record("mkrptype");
    record.number("record_version", args->prefix.record_version);
    record.text("rptype_selector", args->rptype_selector);
    record.text("supertype", args->supertype);
    record.unsigned_number("reserved_word", args->reserved_word);
    record.number("replace", args->replace);
    record.comment_block(args->comment);
    return record.emit();
}
