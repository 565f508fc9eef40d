// syncinfo: prints the record it received.

#include "libzornavx_cmd.h"
#include "record_writer.h"

extern "C" int32_t vx_cmd_syncinfo(const vx_syncinfo_args_t *args) {
    vx_cmd::RecordWriter record("syncinfo");
    record.number("record_version", args->prefix.record_version);
    record.text("host", args->host);
    record.text("replica", args->replica);
    record.text("start_scan", args->start_scan);
    record.text("end_scan", args->end_scan);
    record.text("scan_direction_text", args->scan_direction_text);
    record.text("states", args->states);
    record.unsigned_number("reserved_1", args->reserved_1);
    record.unsigned_number("reserved_2", args->reserved_2);
    record.number("mode", args->mode);
    record.text("sibling", args->sibling);
    record.text("user", args->user);
    record.number("me", args->me);
    record.number("last", args->last);
    record.text("last_value", args->last_value);
    record.number("job_count", args->job_count);
    record.texts("jobs", args->jobs, args->job_count);
    return record.emit();
}
