// chepoch: prints the record it received, the new epoch numbers as numbers.

#include "libzornavx_cmd.h"
#include "record_writer.h"

namespace {

nlohmann::ordered_json epoch_values(const int32_t *values, int32_t count) {
    if (values == nullptr) return nullptr;
    nlohmann::ordered_json array = nlohmann::ordered_json::array();
    for (int32_t i = 0; i < count; ++i) array.push_back(values[i]);
    return array;
}

}  // namespace

extern "C" int32_t vx_cmd_chepoch(const vx_chepoch_args_t *args) {
    vx_cmd::RecordWriter record("chepoch");
    record.number("record_version", args->prefix.record_version);
    record.number("force", args->force);
    record.text("epoch_row", args->epoch_row);
    record.texts("epoch_names", args->epoch_names, args->epoch_count);
    record.value("epoch_values", [args] { return epoch_values(args->epoch_values, args->epoch_count); });
    record.number("epoch_count", args->epoch_count);
    record.number("actual", args->actual);
    record.number("raise_only", args->raise_only);
    record.comment_block(args->comment);
    return record.emit();
}
