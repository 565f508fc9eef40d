// apropos: looks topics up in the manual pages through the product's apropos script.
//
//   apropos topic ...
//
// No flag table and no record prefix: every word is a topic, handed to the script as
// its argument vector.

#include "libzornavx_cmd.h"
#include "libzornavx_cmdsyn.h"
#include "skeleton.h"

namespace {
constexpr vx::Usage kUsage{MSG_USAGE_APROPOS};
constexpr const char *kScriptName = "vexiapropos";
}  // namespace

extern "C" int32_t vx_cmdsyn_apropos(clp_parser_t *parser, stg_area_t *area, uint32_t dispatch_flags) {
    if (vx::usage_requested(dispatch_flags)) return vx::serve_usage(kUsage);

    const char *first = nullptr;
    if (!vx::read_word(parser, &first)) return vx::fail(MSG_STRING_REQUIRED, kUsage);

    const char **topics = nullptr;
    int32_t topic_count = 0;
    vx::TextList list(area, topics, topic_count);
    if (!list.append(first)) return vx::fail_no_memory();
    if (vx::collect_operands(parser, list) == vx::Collected::no_memory) return vx::fail_no_memory();

    char script[TBS_SCRIPT_PATH_MAX];
    // A path cut short would run another program: one that does not fit runs nothing.
    if (tbs_product_script_dir(script, kScriptName) == nullptr) {
        imsg_print(IMSG_SEV_ERROR, _tbs_cmsg_tbs_msg_table_adr(), TBS_MSG_SCRIPT_PATH_TOO_LONG, kScriptName,
                   TBS_SCRIPT_PATH_MAX - 1);
        return CMD_SYNTAX_ERROR;
    }

    // The script's argument vector: its path, the topics in command-line order, NULL.
    const size_t slots = static_cast<size_t>(topic_count) + 2;
    auto **argv = static_cast<const char **>(stg_alloc(area, slots * sizeof(const char *)));
    if (argv == nullptr) return vx::fail_no_memory();
    argv[0] = script;
    for (int32_t i = 0; i < topic_count; ++i) argv[i + 1] = topics[i];
    argv[topic_count + 1] = nullptr;

    vx_apropos_args_t args;
    std::memset(&args, 0, sizeof args);
    args.argv = argv;
    return vx_cmd_apropos(&args);
}
