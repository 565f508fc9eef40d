// dumpoplog: prints the record it received.

#include "libzornavx_cmd.h"
#include "record_writer.h"

extern "C" int32_t vx_cmd_dumpoplog(const vx_dumpoplog_args_t *args) {
    vx_cmd::RecordWriter record("dumpoplog");
    record.number("record_version", args->prefix.record_version);
    record.texts("entries", args->entries, args->entry_count);
    record.number("entry_count", args->entry_count);
    record.text("from_entry", args->from_entry);
    record.text("to_entry", args->to_entry);
    record.number("detail_level", args->detail_level);
    record.number("show_name", args->show_name);
    record.text("invob", args->invob);
    record.text("vreplica", args->vreplica);
    record.text("since", args->since);
    record.number("reverse", args->reverse);
    record.unsigned_number("limit", args->limit);
    return record.emit();
}
