#include "support/process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

extern char **environ;

namespace vxtest {
namespace {

struct Pipe {
    int read_end = -1;
    int write_end = -1;
};

Pipe make_pipe() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error(std::string("pipe2: ") + std::strerror(errno));
    return {fds[0], fds[1]};
}

// A pseudo-terminal without echo: `read_end` the terminal the child reads, `write_end`
// the side the test types into.
Pipe make_terminal() {
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        throw std::runtime_error(std::string("pseudo-terminal: ") + std::strerror(errno));
    const int terminal = open(ptsname(master), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (terminal < 0) throw std::runtime_error(std::string("pseudo-terminal: ") + std::strerror(errno));
    termios modes{};
    tcgetattr(terminal, &modes);
    modes.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    tcsetattr(terminal, TCSANOW, &modes);
    return {terminal, master};
}

void close_fd(int &fd) {
    if (fd >= 0) close(fd);
    fd = -1;
}

long long now_ms() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

// "NAME=value" entries: the inherited environment without the names unset or replaced,
// then the ones set.
std::vector<std::string> child_environment(const ProcessOptions &options) {
    std::vector<std::string> env;
    for (char **entry = environ; *entry != nullptr; ++entry) {
        const std::string text(*entry);
        const std::string name = text.substr(0, text.find('='));
        const bool unset =
            std::find(options.unset_env.begin(), options.unset_env.end(), name) != options.unset_env.end();
        if (!unset && options.set_env.count(name) == 0) env.push_back(text);
    }
    for (const auto &[name, value] : options.set_env) env.push_back(name + "=" + value);
    return env;
}

std::vector<char *> pointers_to(std::vector<std::string> &texts) {
    std::vector<char *> pointers;
    for (std::string &text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

ProcessResult run_process(const std::string &program, const std::vector<std::string> &args,
                          const ProcessOptions &options) {
    // A child that exits before reading all of its input must not kill the test with SIGPIPE.
    signal(SIGPIPE, SIG_IGN);

    Pipe in = options.stdin_terminal ? make_terminal() : options.stdin_text ? make_pipe() : Pipe{};
    Pipe out = make_pipe();
    if (options.stdout_to == Output::full_device || options.stdout_to == Output::closed) close_fd(out.read_end);
    Pipe err = make_pipe();

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (in.read_end >= 0) {
        posix_spawn_file_actions_adddup2(&actions, in.read_end, STDIN_FILENO);
    } else if (options.stdin_closed) {
        posix_spawn_file_actions_addclose(&actions, STDIN_FILENO);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, options.stdin_path.value_or("/dev/null").c_str(),
                                         O_RDONLY, 0);
    }
    switch (options.stdout_to) {
        case Output::full_device:
            posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/full", O_WRONLY, 0);
            break;
        case Output::closed: posix_spawn_file_actions_addclose(&actions, STDOUT_FILENO); break;
        case Output::reader_gone: close_fd(out.read_end); [[fallthrough]];
        case Output::captured: posix_spawn_file_actions_adddup2(&actions, out.write_end, STDOUT_FILENO); break;
    }
    posix_spawn_file_actions_adddup2(&actions, err.write_end, STDERR_FILENO);

    std::vector<std::string> argv_texts{program};
    argv_texts.insert(argv_texts.end(), args.begin(), args.end());
    std::vector<std::string> env_texts = child_environment(options);
    std::vector<char *> argv = pointers_to(argv_texts);
    std::vector<char *> envp = pointers_to(env_texts);

    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close_fd(in.read_end);
    close_fd(out.write_end);
    close_fd(err.write_end);
    if (spawned != 0) {
        close_fd(in.write_end);
        close_fd(out.read_end);
        close_fd(err.read_end);
        throw std::runtime_error("cannot run " + program + ": " + std::strerror(spawned));
    }

    ProcessResult result;
    // A terminal ends its input with the end-of-file character, and stays open: closing
    // it would throw away what the child has not read yet.
    const std::string input = options.stdin_text.value_or("") + (options.stdin_terminal ? "\x04" : "");
    std::size_t written = 0;
    if (in.write_end >= 0) {
        fcntl(in.write_end, F_SETFL, fcntl(in.write_end, F_GETFL) | O_NONBLOCK);
        if (input.empty()) close_fd(in.write_end);
    }
    int feed = in.write_end;

    // Feed standard input and drain both outputs together, so that no pipe fills up
    // while the child waits on another.
    const long long deadline = now_ms() + options.timeout_ms;
    while (out.read_end >= 0 || err.read_end >= 0) {
        pollfd fds[3] = {{feed, POLLOUT, 0}, {out.read_end, POLLIN, 0}, {err.read_end, POLLIN, 0}};
        const long long left = deadline - now_ms();
        if (left <= 0) {
            result.timed_out = true;
            kill(pid, SIGKILL);
            break;
        }
        if (poll(fds, 3, static_cast<int>(left)) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (fds[0].revents != 0) {
            const ssize_t n = write(in.write_end, input.data() + written, input.size() - written);
            if (n > 0) written += static_cast<std::size_t>(n);
            if (n < 0 && errno != EAGAIN && errno != EINTR) written = input.size();  // reader gone
            if (written == input.size()) {
                feed = -1;
                if (!options.stdin_terminal) close_fd(in.write_end);
            }
        }
        const struct {
            int index;
            int *fd;
            std::string *sink;
        } readers[] = {{1, &out.read_end, &result.out}, {2, &err.read_end, &result.err}};
        for (const auto &reader : readers) {
            if (fds[reader.index].revents == 0) continue;
            char buffer[65536];
            const ssize_t n = read(*reader.fd, buffer, sizeof buffer);
            if (n > 0) {
                reader.sink->append(buffer, static_cast<std::size_t>(n));
            } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
                close_fd(*reader.fd);
            }
        }
    }
    close_fd(in.write_end);
    close_fd(out.read_end);
    close_fd(err.read_end);

    int wait_status = 0;
    while (waitpid(pid, &wait_status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(wait_status)) result.status = WEXITSTATUS(wait_status);
    if (WIFSIGNALED(wait_status)) result.status = -WTERMSIG(wait_status);
    return result;
}

}  // namespace vxtest
