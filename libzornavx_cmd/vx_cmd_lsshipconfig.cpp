// lsshipconfig's stand-in entry: prints the record it received.

#include "libzornavx_cmd.h"
#include "record_writer.h"

extern "C" int32_t vx_cmd_lsshipconfig(const vx_lsshipconfig_args_t *args) {
    vx_cmd::RecordWriter record("lsshipconfig");
    record.number("record_version", args->prefix.record_version);
    record.text("host", args->host);
    record.text("sclass", args->sclass);
    record.number("list_stgpath", args->list_stgpath);
    record.number("list_rtnpath", args->list_rtnpath);
    record.number("list_rcptpath", args->list_rcptpath);
    record.number("list_pexpire", args->list_pexpire);
    record.number("list_route", args->list_route);
    record.number("list_admin", args->list_admin);
    record.number("list_maxsize", args->list_maxsize);
    record.number("list_timeout", args->list_timeout);
    record.number("list_maxport", args->list_maxport);
    record.number("list_minport", args->list_minport);
    record.number("list_notify", args->list_notify);
    return record.emit();
}
