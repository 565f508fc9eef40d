// lssetting's stand-in entry: prints the record it received.

#include "libzornavx_cmd.h"
#include "record_writer.h"

extern "C" int32_t vx_cmd_lssetting(const vx_lssetting_args_t *args) {
    vx_cmd::RecordWriter record("lssetting");
    record.number("record_version", args->prefix.record_version);
    record.number("scope", args->scope);
    record.text("rgy_host", args->rgy_host);
    record.text("setting_name", args->setting_name);
    record.number("rgy_given", args->rgy_given);
    record.number("inquire", args->inquire);
    record.number("long_form", args->long_form);
    return record.emit();
}
