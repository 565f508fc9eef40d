// shipinfo: prints the record it received.

#include "libzornavx_cmd.h"
#include "record_writer.h"

extern "C" int32_t vx_cmd_shipinfo(const vx_shipinfo_args_t *args) {
    vx_cmd::RecordWriter record("shipinfo");
    record.number("record_version", args->prefix.record_version);
    record.text("job", args->job);
    record.text("host", args->host);
    record.text("replica", args->replica);
    record.text("sibling", args->sibling);
    record.text("sclass", args->sclass);
    record.number("mode", args->mode);
    record.text("start_scan", args->start_scan);
    record.text("end_scan", args->end_scan);
    record.number("scan_direction", args->scan_direction);
    record.number("file_type", args->file_type);
    return record.emit();
}
