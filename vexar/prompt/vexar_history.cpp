#include "prompt/vexar_history.h"

#if VX_HAVE_LIBEDIT

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "dispatch/vexar_messages.h"

namespace vexar {
namespace {

constexpr const char *kHistoryName = "/.vexar_history";

// Another session's save holds the lock for a read and a write of at most a thousand
// lines: a few tries, a short pause apart, are enough, and the session never hangs.
constexpr int kLockTries = 50;
constexpr long kLockPauseNs = 10'000'000;

// Flags for every open of the history: a link is not followed, and a FIFO put in its
// place opens at once instead of waiting for a writer.
constexpr int kOpenFlags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;

// The note for what stands at the history's path when it is not a regular file.
ToolText note_for(mode_t mode) {
    if (S_ISLNK(mode)) return ToolText::history_at_link;
    if (S_ISFIFO(mode)) return ToolText::history_at_fifo;
    if (S_ISDIR(mode)) return ToolText::history_at_folder;
    return ToolText::history_not_a_file;
}

// Ignores a signal while it lives, and then restores what was there before.
class SignalIgnored {
  public:
    explicit SignalIgnored(int signal_number) : signal_number_(signal_number) {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(signal_number_, &ignore, &previous_);
    }
    ~SignalIgnored() { sigaction(signal_number_, &previous_, nullptr); }
    SignalIgnored(const SignalIgnored &) = delete;
    SignalIgnored &operator=(const SignalIgnored &) = delete;

  private:
    int signal_number_;
    struct sigaction previous_ {};
};

bool same_file(const struct stat &a, const struct stat &b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

std::string readable_path(int fd) { return "/dev/fd/" + std::to_string(fd); }

// The history file opened and locked against other sessions' saves.
struct LockedHistory {
    int fd = -1;
    bool created = false;  // made empty by this save, to have something to lock
    struct stat info {};
};

// The history file opened, made empty when there is none yet; -1 when it cannot be.
int open_or_create(const std::string &path, bool *created) {
    const int fd = open(path.c_str(), kOpenFlags);
    if (fd >= 0 || errno != ENOENT) return fd;
    const int made = open(path.c_str(), kOpenFlags | O_CREAT | O_EXCL, 0600);
    *created = made >= 0;
    return made;
}

// The history file, locked. A file another session renamed a new one over while this
// one waited is let go and the new one taken.
std::optional<LockedHistory> lock_history(const std::string &path) {
    const timespec pause{0, kLockPauseNs};
    for (int attempt = 0; attempt < kLockTries; ++attempt) {
        if (attempt > 0) nanosleep(&pause, nullptr);
        LockedHistory locked;
        locked.fd = open_or_create(path, &locked.created);
        if (locked.fd < 0) {
            if (errno == EEXIST) continue;  // another session made it just now
            return std::nullopt;
        }
        struct stat now {};
        if (fstat(locked.fd, &locked.info) != 0 || !S_ISREG(locked.info.st_mode)) {
            close(locked.fd);
            return std::nullopt;
        }
        if (flock(locked.fd, LOCK_EX | LOCK_NB) == 0 && lstat(path.c_str(), &now) == 0 && same_file(now, locked.info))
            return locked;
        close(locked.fd);  // held by another session, or replaced since it was opened
    }
    return std::nullopt;
}

// A history file read by others (a root session in a user's home) stays theirs.
bool keep_owner_and_mode(int fd, const struct stat &replaced) {
    struct stat made {};
    if (fstat(fd, &made) != 0) return false;
    const bool other_owner = made.st_uid != replaced.st_uid || made.st_gid != replaced.st_gid;
    if (other_owner && fchown(fd, replaced.st_uid, replaced.st_gid) != 0) return false;
    return fchmod(fd, replaced.st_mode & 07777) == 0;  // after fchown, which may clear bits
}

// Writes the new history beside the locked one and renames it over it.
bool replace_history(const std::string &path, const LockedHistory &locked,
                     const std::function<bool(const char *, std::FILE *)> &write) {
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return false;
    std::FILE *out = fdopen(fd, "w");
    if (out == nullptr) {
        close(fd);
        unlink(temporary.c_str());
        return false;
    }
    bool written = write(readable_path(locked.fd).c_str(), out);
    written = keep_owner_and_mode(fd, locked.info) && written;
    written = std::fflush(out) == 0 && std::ferror(out) == 0 && fsync(fd) == 0 && written;
    written = std::fclose(out) == 0 && written;
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace

std::string history_file_path() {
    const char *home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') {
        print(IMSG_SEV_USAGE, ToolText::history_no_home);
        return std::string();
    }
    // A relative home would put the history wherever cd went.
    if (home[0] != '/') {
        print(IMSG_SEV_USAGE, ToolText::history_relative_home, home);
        return std::string();
    }
    std::string_view folder(home);
    while (folder.ends_with('/')) folder.remove_suffix(1);  // "/" itself leaves ""
    const std::string path = std::string(folder) + kHistoryName;
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) {
        if (errno == ENOENT) return path;  // none yet: the first save makes it
        const int error = errno;
        print(IMSG_SEV_USAGE, ToolText::history_unexamined, path.c_str(), std::strerror(error));
        return std::string();
    }
    if (S_ISREG(info.st_mode)) return path;
    print(IMSG_SEV_USAGE, note_for(info.st_mode), path.c_str());
    return std::string();
}

void read_history_file(const std::string &path, const std::function<void(const char *)> &load) {
    const int fd = open(path.c_str(), kOpenFlags);
    if (fd < 0) return;  // none yet, or a link
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) load(readable_path(fd).c_str());
    close(fd);
}

bool save_history_file(const std::string &path, const std::function<bool(const char *, std::FILE *)> &write) {
    // Past a file-size limit the write fails, instead of the signal ending the session.
    const SignalIgnored size_limit(SIGXFSZ);
    const std::optional<LockedHistory> locked = lock_history(path);
    if (!locked) return false;
    const bool saved = replace_history(path, *locked, write);
    if (!saved && locked->created) unlink(path.c_str());  // the empty file made for the lock
    close(locked->fd);
    return saved;
}

}  // namespace vexar

#endif
