// vxacl's stand-in entry: prints the record it received.

#include "libzornavx_cmd.h"
#include "record_writer.h"

extern "C" int32_t vx_cmd_vxacl(const vx_vxacl_args_t *args) {
    vx_cmd::RecordWriter record("vxacl");
    record.number("record_version", args->prefix.record_version);
    record.text("host", args->host);
    record.number("acl_op", args->acl_op);
    record.text("acl_pname", args->acl_pname);
    record.number("force", args->force);
    return record.emit();
}
