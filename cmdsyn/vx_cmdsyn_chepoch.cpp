// chepoch: changes epoch numbers, either of one epoch table row (new numbers given as
// replica-selector=value pairs) or, with -actual, from what sibling replicas report.
//
//   chepoch [-c comment | -cfile pname | -cq | -cqe | -nc]
//           { [-force] replica-selector [replica-selector=value ...]
//           | -actual [-raise_only] sibling-replica-selector ...}

#include "libzornavx_cmd.h"
#include "libzornavx_cmdsyn.h"
#include "skeleton.h"

namespace {

constexpr vx::Usage kUsage{MSG_USAGE_CHEPOCH};
constexpr int32_t kRecordVersion = 1;

constexpr clp_flag_desc_t kFlags[] = {
    vx::kGroupStart, vx::flag("-f[orce]", FLAG_FORCE),           vx::flag("-actual", FLAG_ACTUAL),
    vx::kGroupEnd,   vx::flag("-rai[se_only]", FLAG_RAISE_ONLY), VX_COMMENT_GROUP_ROWS,
    vx::kTableEnd,
};

// Splits the replica-selector=value operands into the record's parallel arrays: each
// name a copy cut at its first "=", each value converted in the base its own prefix
// selects (0x hexadecimal, 0 octal). Epoch numbers are never negative. Returns 0 when
// every pair was taken; otherwise the status the routine returns at once.
int32_t take_epoch_pairs(const char *const *pairs, int32_t count, vx_chepoch_args_t &args, stg_area_t *area) {
    if (count == 0) return 0;
    args.epoch_names = static_cast<const char **>(stg_alloc(area, sizeof(const char *) * static_cast<size_t>(count)));
    if (args.epoch_names == nullptr) return vx::fail_no_memory();
    args.epoch_values = static_cast<int32_t *>(stg_alloc(area, sizeof(int32_t) * static_cast<size_t>(count)));
    if (args.epoch_values == nullptr) return vx::fail_no_memory();

    for (int32_t i = 0; i < count; ++i) {
        const char *pair = pairs[i];
        int32_t equals = 0;
        if (strutl_find_char(pair, 0, '=', &equals) == 0) return vx::fail(MSG_INVALID_EPOCH_SPEC, pair, kUsage);
        char *name = stg_area_strdup(area, pair);
        if (name == nullptr) return vx::fail_no_memory();
        name[equals] = '\0';
        int32_t value = 0;
        if (strutl_strtol(pair + equals + 1, 0, &value) != 0 || value < 0)
            return vx::fail(MSG_INVALID_EPOCH_SPEC, pair, kUsage);
        args.epoch_names[i] = name;
        args.epoch_values[i] = value;
        args.epoch_count = i + 1;
    }
    return 0;
}

}  // namespace

extern "C" int32_t vx_cmdsyn_chepoch(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags) {
    if (vx::usage_requested(dispatch_flags)) return vx::serve_usage(kUsage);

    vx_chepoch_args_t args;
    vx::init_record(args, kRecordVersion, area);
    if (clp_switch_flags(parser, kFlags, area) != 0) return CMD_SYNTAX_ERROR;

    bool error = false;
    int32_t code = 0;
    int rc;
    while ((rc = clp_get_next_flag_value(parser, 0, &code)) == CLP_OK) {
        switch (code) {
            case FLAG_FORCE: args.force = 1; break;
            case FLAG_ACTUAL: args.actual = 1; break;
            case FLAG_RAISE_ONLY: args.raise_only = 1; break;
            default:
                if (!vx::handle_comment_flag(parser, code, args.comment, error))
                    return vx::fail_unhandled_flag(parser, error, kUsage);
        }
    }
    if (rc != CLP_DONE) return vx::fail_with_usage(kUsage);
    if (error) return vx::fail_with_usage(kUsage);

    if (!vx::read_word(parser, &args.epoch_row)) return vx::fail(MSG_EPOCH_ROW_REQUIRED, kUsage);

    if (!args.actual) {
        const char **pairs = nullptr;
        int32_t pair_count = 0;
        vx::TextList pair_list(area, pairs, pair_count);
        if (vx::collect_operands(parser, pair_list) == vx::Collected::no_memory) return vx::fail_no_memory();
        if (int32_t status = take_epoch_pairs(pairs, pair_count, args, area); status != 0) return status;
    } else {
        // Only the first sibling reaches the record: a further one would be dropped
        // without a word, so it is refused rather than ignored.
        const char *extra = nullptr;
        if (vx::operand_left(parser, extra)) return vx::fail_unexpected_operand(extra, kUsage);
    }

    if (args.raise_only && !args.actual) return vx::fail(MSG_RAISE_ONLY_NEEDS_ACTUAL, kUsage);

    return vx_cmd_chepoch(&args);
}
