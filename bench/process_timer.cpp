// Starting a program as a shell would, to the end of its run, its output thrown away.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include "bench.h"

extern char **environ;

namespace vxbench {

int run_process(const std::vector<std::string> &argv) {
    std::vector<char *> pointers;
    for (const std::string &word : argv) pointers.push_back(const_cast<char *>(word.c_str()));
    pointers.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int started = posix_spawn(&pid, pointers[0], &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

}  // namespace vxbench
