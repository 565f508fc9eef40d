// lspacket: prints the record it received.

#include "libzornavx_cmd.h"
#include "record_writer.h"

extern "C" int32_t vx_cmd_lspacket(const vx_lspacket_args_t *args) {
    vx_cmd::RecordWriter record("lspacket");
    record.number("record_version", args->prefix.record_version);
    record.texts("packets", args->packets, args->packet_count);
    record.number("packet_count", args->packet_count);
    record.number("detail_level", args->detail_level);
    record.number("dump", args->dump);
    record.text("invob", args->invob);
    record.number("endrange", args->endrange);
    return record.emit();
}
