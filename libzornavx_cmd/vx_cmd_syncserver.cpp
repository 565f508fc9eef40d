// syncserver's stand-in entry: prints the record it received.

#include "libzornavx_cmd.h"
#include "record_writer.h"

extern "C" int32_t vx_cmd_syncserver(const vx_syncserver_args_t *args) {
    vx_cmd::RecordWriter record("syncserver");
    record.number("record_version", args->prefix.record_version);
    record.number("vob_count", args->vob_count);
    record.texts("vobs", args->vobs, args->vob_count);
    record.number("nmanage", args->nmanage);
    record.number("set_manage_state", args->set_manage_state);
    record.number("all_vobs", args->all_vobs);
    return record.emit();
}
