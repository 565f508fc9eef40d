#include "robust/output_sink.h"

#include <cstdio>

extern "C" size_t __real_fwrite(const void *data, size_t size, size_t count, FILE *stream);

namespace vxrobust {
namespace {

thread_local bool t_capturing = false;
thread_local std::size_t t_limit = 0;
thread_local std::size_t t_dropped = 0;
thread_local Output t_output;

void keep(std::string &kept, const char *data, std::size_t bytes) {
    const std::size_t room = kept.size() < t_limit ? t_limit - kept.size() : 0;
    const std::size_t taken = bytes < room ? bytes : room;
    kept.append(data, taken);
    t_dropped += bytes - taken;
}

}  // namespace

void StartCapture(std::size_t limit) {
    t_output = Output{};
    t_limit = limit;
    t_dropped = 0;
    t_capturing = true;
}

Output StopCapture() {
    t_capturing = false;
    Output output = std::move(t_output);
    t_output = Output{};
    return output;
}

std::size_t DroppedBytes() { return t_dropped; }

}  // namespace vxrobust

extern "C" size_t __wrap_fwrite(const void *data, size_t size, size_t count, FILE *stream) {
    using namespace vxrobust;
    if (!t_capturing || (stream != stdout && stream != stderr)) return __real_fwrite(data, size, count, stream);
    keep(stream == stdout ? t_output.out : t_output.err, static_cast<const char *>(data), size * count);
    return count;
}
