// perfinfo: prints the record it received.

#include "libzornavx_cmd.h"
#include "record_writer.h"

extern "C" int32_t vx_cmd_perfinfo(const vx_perfinfo_args_t *args) {
    vx_cmd::RecordWriter record("perfinfo");
    record.number("record_version", args->prefix.record_version);
    record.text("replica", args->replica);
    record.text("sibling", args->sibling);
    record.text("host", args->host);
    record.number("mode", args->mode);
    record.text("start_scan", args->start_scan);
    record.text("end_scan", args->end_scan);
    record.text("granularity", args->granularity);
    return record.emit();
}
