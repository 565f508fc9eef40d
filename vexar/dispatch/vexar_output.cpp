#include "dispatch/vexar_output.h"

#if !defined(_WIN32)
#include <fcntl.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "dispatch/vexar_messages.h"

namespace vexar {
namespace {

#if !defined(_WIN32)
// /dev/null opened against the direction the descriptor is used in, so that its use
// fails with EBADF as on the closed descriptor.
struct StandardDescriptor {
    int number;
    int open_flags;
};
constexpr StandardDescriptor kStandardDescriptors[] = {
    {STDIN_FILENO, O_WRONLY}, {STDOUT_FILENO, O_RDONLY}, {STDERR_FILENO, O_RDONLY}};

void open_if_closed(const StandardDescriptor &descriptor) {
    if (fcntl(descriptor.number, F_GETFD) != -1 || errno != EBADF) return;
    // Descriptors are handed out lowest first: this one lands on the closed number.
    const int opened = open("/dev/null", descriptor.open_flags);
    if (opened >= 0 && opened != descriptor.number) close(opened);
}
#endif

}  // namespace

void open_standard_descriptors() {
#if !defined(_WIN32)
    for (const StandardDescriptor &descriptor : kStandardDescriptors) open_if_closed(descriptor);
#endif
}

bool standard_output_written() {
    static bool reported = false;
    // A write that failed inside a command left the error flag and, most often, its
    // reason in errno; a failing flush gives its own.
    const int earlier = errno;
    const bool flushed = std::fflush(stdout) == 0;
    const int reason = flushed ? earlier : errno;
    if (flushed && std::ferror(stdout) == 0) return true;
    if (!reported) report(ToolText::output_failed, reason != 0 ? std::strerror(reason) : "write error");
    reported = true;
    return false;
}

}  // namespace vexar
