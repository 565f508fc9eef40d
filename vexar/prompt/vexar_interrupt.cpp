#include "prompt/vexar_interrupt.h"

#include <csignal>

#if !defined(_WIN32)

namespace vexar {
namespace {

volatile std::sig_atomic_t g_interrupted = 0;
struct sigaction g_before {};

extern "C" void note_interrupt(int) { g_interrupted = 1; }

}  // namespace

PromptRead::PromptRead() {
    g_interrupted = 0;
    struct sigaction catching {};
    catching.sa_handler = note_interrupt;
    sigemptyset(&catching.sa_mask);
    catching.sa_flags = 0;  // no SA_RESTART: the read returns, and the line is dropped
    sigaction(SIGINT, &catching, &g_before);
}

PromptRead::~PromptRead() { sigaction(SIGINT, &g_before, nullptr); }

bool PromptRead::interrupted() const { return g_interrupted != 0; }

}  // namespace vexar

#else

namespace vexar {

PromptRead::PromptRead() {}
PromptRead::~PromptRead() {}
bool PromptRead::interrupted() const { return false; }

}  // namespace vexar

#endif
