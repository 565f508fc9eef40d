#include "fakes/scripted_clp.h"

#include <cstring>
#include <memory>

#include "support/harness.h"

namespace vxtest {

clp_parser_t *as_parser(ScriptedParser &script) { return reinterpret_cast<clp_parser_t *>(&script); }

void add_flags(ScriptedParser &script, const std::vector<int32_t> &codes) {
    for (int32_t code : codes) script.flags.emplace_back(CLP_OK, code);
}

void add_args(ScriptedParser &script, const std::vector<const char *> &texts) {
    for (const char *text : texts) script.args.emplace_back(CLP_OK, text);
}

void add_subargs(ScriptedParser &script, const std::vector<const char *> &texts) {
    for (const char *text : texts) script.subargs.emplace_back(CLP_OK, text);
}

Outcome call_in(cmd_syntax_routine_t routine, ScriptedParser &script, stg_area_t *area) {
    clear_messages();
    captured() = {};
    Outcome o;
    o.status = routine(as_parser(script), area, 0);
    o.msgs = summary(messages());
    o.command = captured().command;
    return o;
}

stg_area_t *area_with_room(size_t room) {
    stg_area_t *area = stg_area_create();
    if (room != kAnyRoom) {
        stg_alloc(area, 1);  // a cap of 0 would mean no cap at all
        stg_area_set_limit(area, stg_area_bytes_used(area) + room);
    }
    return area;
}

Outcome call(cmd_syntax_routine_t routine, ScriptedParser &script, size_t room) {
    struct Releaser {
        void operator()(stg_area_t *area) const { stg_area_release(area); }
    };
    static thread_local std::unique_ptr<stg_area_t, Releaser> last_area;
    last_area.reset(area_with_room(room));
    return call_in(routine, script, last_area.get());
}

namespace {
ScriptedParser &script_of(clp_parser_t *parser) { return *reinterpret_cast<ScriptedParser *>(parser); }
// The parser of the harness's last run.
thread_local std::unique_ptr<ScriptedParser> t_created;
}  // namespace

}  // namespace vxtest

using vxtest::script_of;

extern "C" {

// The harness creates parsers from words: they become the scripted arguments, with no
// flags at all.
clp_parser_t *clp_parser_create(stg_area_t *area, int argc, const char *const *argv) {
    vxtest::t_created = std::make_unique<vxtest::ScriptedParser>();
    for (int i = 0; i < argc; ++i) vxtest::t_created->args.emplace_back(CLP_OK, stg_area_strdup(area, argv[i]));
    return vxtest::as_parser(*vxtest::t_created);
}

int clp_switch_flags(clp_parser_t *parser, const clp_flag_desc_t *table, stg_area_t *) {
    script_of(parser).installed = table;
    return script_of(parser).switch_result;
}

int clp_get_next_flag_value(clp_parser_t *parser, int, int32_t *code) {
    auto &s = script_of(parser);
    ++s.flag_calls;
    if (s.flags.empty()) return CLP_DONE;
    auto [result, value] = s.flags.front();
    s.flags.pop_front();
    if (result == CLP_OK) *code = value;
    return result;
}

int clp_get_next_arg(clp_parser_t *parser, const char **text) {
    auto &s = script_of(parser);
    ++s.arg_calls;
    if (s.args.empty()) {
        *text = nullptr;
        return CLP_DONE;
    }
    auto [result, value] = s.args.front();
    s.args.pop_front();
    *text = value;
    return result;
}

int clp_get_next_subarg(clp_parser_t *parser, const char **text) {
    auto &s = script_of(parser);
    ++s.subarg_calls;
    if (s.subargs.empty()) {
        *text = nullptr;
        return CLP_DONE;
    }
    auto [result, value] = s.subargs.front();
    s.subargs.pop_front();
    if (value != vxtest::kLeaveText) *text = value;
    return result;
}

int clp_get_last_flag_name(clp_parser_t *parser, int, size_t size, char *buffer) {
    const std::string &name = script_of(parser).last_flag_name;
    if (size == 0) return 1;
    const size_t n = name.size() < size - 1 ? name.size() : size - 1;
    std::memcpy(buffer, name.data(), n);
    buffer[n] = '\0';
    return 0;
}

}  // extern "C"
