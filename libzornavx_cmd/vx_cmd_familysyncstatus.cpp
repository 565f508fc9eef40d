// familysyncstatus: prints the record it received.

#include "libzornavx_cmd.h"
#include "record_writer.h"

extern "C" int32_t vx_cmd_familysyncstatus(const vx_familysyncstatus_args_t *args) {
    vx_cmd::RecordWriter record("familysyncstatus");
    record.number("record_version", args->prefix.record_version);
    record.number("report_kind", args->report_kind);
    record.text("time_units", args->time_units);
    record.number("long_form", args->long_form);
    record.number("window_kind", args->window_kind);
    record.text("window", args->window);
    record.text("region", args->region);
    record.texts("vobs", args->vobs, static_cast<int32_t>(args->vob_count));
    record.unsigned_number("vob_count", args->vob_count);
    return record.emit();
}
