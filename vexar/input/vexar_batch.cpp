#include "input/vexar_batch.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

#include <cstring>
#include <optional>
#include <string>

#include "dispatch/vexar_dispatch.h"
#include "dispatch/vexar_messages.h"
#include "dispatch/vexar_output.h"
#include "input/vexar_input.h"
#include "input/vexar_line.h"
#include "libzornacmdsyn.h"
#include "libzornaks.h"

namespace vexar {
namespace {

// A failed command outweighs refused lines: it may have done part of its work.
int combined(int so_far, int line_status) {
    if (so_far == kExitFailed || line_status == kExitFailed) return kExitFailed;
    return so_far != kExitOk ? so_far : line_status;
}

// Decodes one line as read and runs it.
int run_input_line(stg_area_t *area, const std::string &bytes, Encoding encoding) {
    const std::optional<std::string> line = decode_line(bytes, encoding);
    if (!line) {
        report(encoding == Encoding::utf16le ? ToolText::not_utf16le : ToolText::not_utf8);
        return kExitSyntax;
    }
    return run_command_line(area, *line);
}

// A line that was not read: its reason said, when there is one.
int refuse_unread_line(LineRead read, int error) {
    switch (read) {
        case LineRead::failed: report(ToolText::input_failed, std::strerror(error)); return kExitSyntax;
        case LineRead::too_long: report(ToolText::line_too_long, kMaxInputText); return kExitSyntax;
        default: return kExitOk;
    }
}

}  // namespace

int run_batch(std::FILE *input, bool stop_on_error) {
#if defined(_WIN32)
    // Line ends and byte-order marks are read here, and a byte 0x1A (Ctrl-Z) in UTF-16
    // text must not end the input: no text-mode translation.
    _setmode(_fileno(input), _O_BINARY);
#endif
    stg_area_t *area = stg_area_create();
    if (area == nullptr) {
        report(ToolText::no_memory_for_commands);
        return kExitFailed;
    }
    StreamLines lines(input);
    std::string bytes;
    int status = kExitOk;
    for (int number = 1; !cmdsyn_quit_requested(); ++number) {
        // The facility keeps the name, not a copy: it lives until the line has run.
        const std::string label = line_label(kProgramName, number);
        imsg_set_program_name(label.c_str());
        const LineRead read = lines.next(bytes);
        const int line_status = read == LineRead::line ? run_input_line(area, bytes, lines.encoding())
                                                       : refuse_unread_line(read, lines.error());
        imsg_set_program_name(kProgramName);
        stg_area_reset(area);
        // Records and messages of one command appear before the next command's; output
        // that can no longer be written ends the input.
        if (!standard_output_written()) {
            status = kExitFailed;
            break;
        }
        if (read == LineRead::end) break;
        if (stop_on_error && line_status != kExitOk) {
            status = line_status;
            break;
        }
        status = combined(status, line_status);
        if (read != LineRead::line) break;  // nothing after it can be read
    }
    stg_area_release(area);
    return status;
}

}  // namespace vexar
