// libFuzzer target: the input is a command line, its words separated by newlines, the
// command word first. It goes through the tool's dispatcher, the real parser and the
// routine in the slot the word leads to, with the real message facility and command
// entries; their output is caught per run.
//
// Besides the sanitizers' findings, a run fails when its output passes a small multiple
// of its input: a message per byte or a runaway loop.
//
// The generic routines that act on the process itself (quit, cd, shell) are not run.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "dispatch/vexar_dispatch.h"
#include "libzornaks.h"
#include "libzornavx_cmdsyn.h"
#include "robust/output_sink.h"
#include "robust/slots.h"

namespace {

// Output allowed for an input of `bytes`: a record escapes a byte in at most 6 (\u0001),
// a message echoes a word once, and the longest fixed texts (usage texts, the command
// list of help) stay well below the constant.
std::size_t OutputAllowed(std::size_t bytes) { return 8 * bytes + 64 * 1024; }

std::vector<std::string> WordsOf(const uint8_t *data, std::size_t size) {
    std::vector<std::string> words(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n')
            words.emplace_back();
        else
            words.back() += static_cast<char>(data[i]);
    }
    return words;
}

stg_area_t *Area() {
    static stg_area_t *const area = [] {
        vexar::start_up();
        return stg_area_create();
    }();
    return area;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
    const std::vector<std::string> words = WordsOf(data, size);
    std::vector<const char *> argv;
    for (const std::string &word : words) argv.push_back(word.c_str());

    const int32_t slot = vexar::find_slot(argv[0]);
    if (slot >= 0 && vxrobust::ActsOnProcess(vx_cmdsyn_proc_table[slot].routine)) return 0;

    stg_area_t *area = Area();
    const std::size_t allowed = OutputAllowed(size);
    vxrobust::StartCapture(allowed);
    const int status = vexar::dispatch(area, static_cast<int>(argv.size()), argv.data());
    const vxrobust::Output output = vxrobust::StopCapture();
    const std::size_t dropped = vxrobust::DroppedBytes();
    stg_area_reset(area);

    if (dropped > 0) {
        std::fprintf(stderr, "output of more than %zu bytes for an input of %zu bytes; it began:\n%.2000s\n%.2000s\n",
                     allowed, size, output.out.c_str(), output.err.c_str());
        std::abort();
    }
    if (status != vexar::kExitOk && status != vexar::kExitFailed && status != vexar::kExitSyntax) {
        std::fprintf(stderr, "exit status %d\n", status);
        std::abort();
    }
    // A refused command line says why.
    if (status == vexar::kExitSyntax && output.err.empty()) {
        std::fprintf(stderr, "exit status 2 without a word on standard error\n");
        std::abort();
    }
    return 0;
}
