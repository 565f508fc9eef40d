// Forbidding a program to start processes (Linux): a seccomp filter, installed in a
// child between fork and exec, kills the program at its first fork, vfork or clone. A
// program that answers under it has started no process.
#ifndef VX_TEST_NO_PROCESSES_H
#define VX_TEST_NO_PROCESSES_H

#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstddef>
#include <string>
#include <vector>

#include "support/process.h"

namespace vxtest {

class NoProcessFilter {
  public:
    NoProcessFilter() {
#if defined(__x86_64__)
        constexpr unsigned arch = AUDIT_ARCH_X86_64;
#elif defined(__i386__)
        constexpr unsigned arch = AUDIT_ARCH_I386;
#elif defined(__aarch64__)
        constexpr unsigned arch = AUDIT_ARCH_AARCH64;
#else
        constexpr unsigned arch = 0;
#endif
        if (arch == 0) return;  // not known here: nothing to install
        std::vector<long> calls = {SYS_clone};
#if defined(SYS_clone3)
        calls.push_back(SYS_clone3);
#endif
#if defined(SYS_fork)
        calls.push_back(SYS_fork);
#endif
#if defined(SYS_vfork)
        calls.push_back(SYS_vfork);
#endif
        program_ = {
            BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, arch, 1, 0),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_KILL_PROCESS),
            BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        };
        for (const long call : calls) {
            program_.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<unsigned>(call), 0, 1));
            program_.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_KILL_PROCESS));
        }
        program_.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    }

    // Whether this machine's filter is known (the caller skips otherwise).
    bool known() const { return !program_.empty(); }

    // In the child, after fork: only system calls. False when it could not be installed.
    bool install() const {
        if (program_.empty()) return false;
        const sock_fprog filter{static_cast<unsigned short>(program_.size()),
                                const_cast<sock_filter *>(program_.data())};
        return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) == 0;
    }

  private:
    std::vector<sock_filter> program_;
};

// The environment of a program run under the filter: the sanitizers' leak check stops
// the world with a clone at exit, which the filter would take for a process started,
// so it is switched off there (other ASAN_OPTIONS kept).
inline std::vector<std::string> environment_without_leak_check(char **environment) {
    constexpr const char *kName = "ASAN_OPTIONS=";
    std::string options = kName;
    std::vector<std::string> entries;
    for (char **entry = environment; *entry != nullptr; ++entry) {
        const std::string text(*entry);
        if (text.rfind(kName, 0) == 0)
            options = text + ":";
        else
            entries.push_back(text);
    }
    entries.push_back(options + "detect_leaks=0");
    return entries;
}

// Exit status of a child that could not install the filter.
constexpr int kFilterNotInstalled = 126;

// Runs `program` with `args` under the filter, standard input from /dev/null; its
// output and exit status (-N when killed by signal N: SIGSYS for a process started).
inline ProcessResult run_without_new_processes(const std::string &program, const std::vector<std::string> &args) {
    const NoProcessFilter filter;
    std::vector<std::string> texts{program};
    texts.insert(texts.end(), args.begin(), args.end());
    std::vector<char *> argv;
    for (std::string &text : texts) argv.push_back(text.data());
    argv.push_back(nullptr);
    std::vector<std::string> environment = environment_without_leak_check(environ);
    std::vector<char *> envp;
    for (std::string &text : environment) envp.push_back(text.data());
    envp.push_back(nullptr);
    int out[2], err[2];
    if (pipe(out) != 0 || pipe(err) != 0) return {};
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        close(out[0]);
        close(err[0]);
        if (!filter.install()) _exit(kFilterNotInstalled);
        execve(program.c_str(), argv.data(), envp.data());
        _exit(127);
    }
    close(out[1]);
    close(err[1]);
    ProcessResult result;
    // The outputs are short: one is read to its end, then the other.
    for (const auto &[fd, sink] : {std::pair{out[0], &result.out}, std::pair{err[0], &result.err}}) {
        char buffer[4096];
        for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) != 0;) {
            if (n > 0) sink->append(buffer, static_cast<size_t>(n));
            if (n < 0 && errno != EINTR) break;
        }
        close(fd);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) result.status = -WTERMSIG(status);
    return result;
}

// A shell that runs a program, under the filter: -SIGSYS where the filter works,
// kFilterNotInstalled where it cannot be installed.
inline int forking_shell_status() { return run_without_new_processes("/bin/sh", {"-c", "/bin/true; exit 0"}).status; }

}  // namespace vxtest

#endif
