// Running a program as a child process for black-box tests: arguments, optional text on
// its standard input, changes to its environment; its output and exit status captured.
#ifndef VX_TEST_PROCESS_H
#define VX_TEST_PROCESS_H

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vxtest {

struct ProcessResult {
    // The exit status; -N when the child was killed by signal N.
    int status = -1;
    std::string out;
    std::string err;
    bool timed_out = false;
};

// Where the child's standard output goes: a pipe the test reads, or one of the ways an
// output fails (a full device, a closed descriptor, a pipe whose reader is gone while
// SIGPIPE is ignored).
enum class Output { captured, full_device, closed, reader_gone };

struct ProcessOptions {
    // Fed to standard input, which is then closed; without it standard input is /dev/null.
    std::optional<std::string> stdin_text;
    // Standard input is a terminal (a pseudo-terminal without echo) rather than a pipe;
    // the text is typed into it, followed by the end-of-file character.
    bool stdin_terminal = false;
    // Set in the child's environment, over the inherited one.
    std::map<std::string, std::string> set_env;
    // Removed from the inherited environment (unless also in set_env).
    std::vector<std::string> unset_env;
    // Standard input is this file (a folder too) rather than the text above; or closed.
    std::optional<std::string> stdin_path;
    bool stdin_closed = false;
    Output stdout_to = Output::captured;
    // The child is killed when it runs longer.
    int timeout_ms = 20000;
};

// Runs `program` with `args` (not counting argv[0]) and waits for it.
ProcessResult run_process(const std::string &program, const std::vector<std::string> &args,
                          const ProcessOptions &options = {});

}  // namespace vxtest

#endif
