#include "support/harness.h"

#include <memory>

namespace vxtest {

namespace {
thread_local Capture t_capture;
thread_local int32_t t_status = 0;

struct AreaDeleter {
    void operator()(stg_area_t *area) const { stg_area_release(area); }
};
thread_local std::unique_ptr<stg_area_t, AreaDeleter> t_area;

char severity_letter(int severity) {
    switch (severity) {
        case IMSG_SEV_PLAIN: return 'P';
        case IMSG_SEV_PLAIN_CONT: return 'C';
        case IMSG_SEV_ERROR: return 'E';
        case IMSG_SEV_USAGE: return 'U';
        case IMSG_SEV_TRACE: return 'R';
        default: return '?';
    }
}
}  // namespace

std::vector<std::string> summary(const std::vector<Msg> &msgs) {
    std::vector<std::string> out;
    for (const Msg &m : msgs) {
        std::string s(1, severity_letter(m.severity));
        if (!m.facility.empty()) s += "shared:" + m.facility + ":";
        // The parser's refusals come from its own catalog; they are shown by their text.
        if (m.table == nullptr || std::string(m.table->facility_name) == "clp") {
            std::string text = m.text;
            if (!text.empty() && text.back() == '\n') text.pop_back();
            out.push_back(s + "fmt:" + text);
            continue;
        } else {
            if (std::string(m.table->facility_name) != "vx_cmdsyn") s += m.table->facility_name;
            s += std::to_string(m.index);
        }
        if (!m.argument.empty()) s += "(" + m.argument + ")";
        out.push_back(s);
    }
    return out;
}

std::vector<std::string> parser_folded(std::vector<std::string> msgs) {
    for (std::string &m : msgs)
        if (m.rfind("Efmt:", 0) == 0) m = "parser";
    return msgs;
}

Capture &captured() { return t_capture; }
void set_command_status(int32_t status) { t_status = status; }
int32_t command_status() { return t_status; }

int32_t capture(const char *command, const void *record, size_t size) {
    t_capture.command = command;
    const auto *bytes = static_cast<const unsigned char *>(record);
    t_capture.bytes.assign(bytes, bytes + size);
    return t_status;
}

Result run(cmd_syntax_routine_t routine, const std::vector<std::string> &words, uint32_t dispatch_flags) {
    t_area.reset(stg_area_create());
    std::vector<const char *> argv;
    for (const std::string &w : words) argv.push_back(w.c_str());
    clp_parser_t *parser = clp_parser_create(t_area.get(), static_cast<int>(argv.size()), argv.data());
    clear_messages();
    t_capture = Capture{};
    Result r;
    r.status = routine(parser, t_area.get(), dispatch_flags);
    r.raw = messages();
    r.msgs = summary(r.raw);
    r.command = t_capture.command;
    return r;
}

stg_area_t *last_area() { return t_area.get(); }

std::vector<std::string> texts(const char *const *list, int32_t count) {
    std::vector<std::string> out;
    for (int32_t i = 0; list != nullptr && i < count; ++i) out.push_back(str(list[i]));
    return out;
}

std::vector<std::string> numbered(const std::string &prefix, int n) {
    std::vector<std::string> out;
    for (int i = 1; i <= n; ++i) out.push_back(prefix + std::to_string(i));
    return out;
}

}  // namespace vxtest
