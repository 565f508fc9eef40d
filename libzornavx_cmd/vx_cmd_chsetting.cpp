// chsetting's stand-in entry: prints the record it received, the password masked.

#include "libzornavx_cmd.h"
#include "record_writer.h"

extern "C" int32_t vx_cmd_chsetting(const vx_chsetting_args_t *args) {
    vx_cmd::RecordWriter record("chsetting");
    record.number("record_version", args->prefix.record_version);
    record.number("scope", args->scope);
    record.number("unset_all", args->unset_all);
    record.text("rgy_host", args->rgy_host);
    record.password("password", args->password);
    record.number("rgy_given", args->rgy_given);
    record.number("setting_count", args->setting_count);
    record.texts("settings", args->settings, args->setting_count);
    return record.emit();
}
