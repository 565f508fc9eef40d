// apropos: prints the argument vector built for the apropos script, without its
// closing NULL.

#include "libzornavx_cmd.h"
#include "record_writer.h"

extern "C" int32_t vx_cmd_apropos(const vx_apropos_args_t *args) {
    int32_t count = 0;
    if (args->argv != nullptr) {
        while (args->argv[count] != nullptr) ++count;
    }
    vx_cmd::RecordWriter record("apropos");
    record.unsigned_number("reserved_1", args->reserved_1);
    record.unsigned_number("reserved_2", args->reserved_2);
    record.unsigned_number("reserved_3", args->reserved_3);
    record.texts("argv", args->argv, count);
    return record.emit();
}
