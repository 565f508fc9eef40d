// A message facility that records every message on the calling thread instead of
// printing it, for tests that check which messages a routine prints, in what order
// and with what severity.

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "support/harness.h"

namespace vxtest {
namespace {
thread_local std::vector<Msg> t_messages;
thread_local bool t_tracing = false;

std::string format(const char *fmt, va_list args) {
    va_list copy;
    va_copy(copy, args);
    char small[512];
    const int n = std::vsnprintf(small, sizeof small, fmt, copy);
    va_end(copy);
    if (n < 0) return {};
    if (static_cast<size_t>(n) < sizeof small) return small;
    std::string big(static_cast<size_t>(n) + 1, '\0');
    std::vsnprintf(big.data(), big.size(), fmt, args);
    big.resize(static_cast<size_t>(n));
    return big;
}

// The argument of a catalog text that takes one "%s", as every such message does.
std::string text_argument(const char *fmt, va_list args) {
    if (std::strstr(fmt, "%s") == nullptr) return {};
    va_list copy;
    va_copy(copy, args);
    const char *value = va_arg(copy, const char *);
    va_end(copy);
    return value ? value : "<null>";
}
}  // namespace

std::vector<Msg> &messages() { return t_messages; }
void clear_messages() { t_messages.clear(); }
void set_tracing(bool on) { t_tracing = on; }

}  // namespace vxtest

using vxtest::Msg;

extern "C" {

int imsg_print(int severity, const void *table_or_format, int index, ...) {
    Msg m{severity, nullptr, index, {}, {}, {}};
    const char *fmt = nullptr;
    if (index == IMSG_FORMAT_INDEX) {
        fmt = static_cast<const char *>(table_or_format);
    } else {
        m.table = static_cast<const msg_table_t *>(table_or_format);
        if (m.table == nullptr || index < 0 || index >= m.table->count) {
            m.text = "<bad index " + std::to_string(index) + ">";
            vxtest::messages().push_back(m);
            return 1;
        }
        fmt = m.table->texts[index];
    }
    va_list args;
    va_start(args, index);
    if (m.table != nullptr) m.argument = vxtest::text_argument(fmt, args);
    m.text = vxtest::format(fmt, args);
    va_end(args);
    vxtest::messages().push_back(m);
    return 0;
}

int imsg_print_shared(int severity, const char *facility, const msg_table_t *table, int index) {
    Msg m{severity, table, index, facility ? facility : "<null>", {}, {}};
    if (table != nullptr && index >= 0 && index < table->count) m.text = table->texts[index];
    vxtest::messages().push_back(m);
    return 0;
}

const char *imsg_get_text(const msg_table_t *table, int index) {
    return table != nullptr && index >= 0 && index < table->count ? table->texts[index] : nullptr;
}

int imsg_sprintf(char *buffer, const char *format, int index, ...) {
    (void)index;
    va_list args;
    va_start(args, index);
    const int n = std::vsnprintf(buffer, IMSG_SPRINTF_MAX, format, args);
    va_end(args);
    return n;
}

int imsg_should_trace(const char *facility, int level) {
    return vxtest::t_tracing && level >= 1 && facility != nullptr && std::strcmp(facility, "vx_cmd") == 0;
}

int imsg_get_desired_verbosity(void) { return vxtest::t_tracing ? 1 : 0; }

void imsg_set_program_name(const char *) {}

}  // extern "C"
