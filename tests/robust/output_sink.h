// Standard output and standard error of the calling thread, caught instead of printed.
// Programs that use it link with -Wl,--wrap=fwrite: every fwrite of the components
// (messages, records, help pages) then passes through here.
#ifndef VX_TEST_ROBUST_OUTPUT_SINK_H
#define VX_TEST_ROBUST_OUTPUT_SINK_H

#include <cstddef>
#include <string>

namespace vxrobust {

struct Output {
    std::string out;
    std::string err;
};

// From now on this thread's writes to stdout and stderr are kept (other threads' are
// not affected). `limit` caps what is kept of each stream; what passes it is counted
// in `dropped`.
void StartCapture(std::size_t limit = std::size_t(-1));
// What this thread wrote since StartCapture; writes go to the streams again.
Output StopCapture();
// Bytes written past the limit since StartCapture.
std::size_t DroppedBytes();

}  // namespace vxrobust

#endif
