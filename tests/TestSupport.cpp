#include "tests/TestSupport.h"

#include <grp.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr unsigned Nobody = 65534;

// The child never returns into the test program: _exit skips the parent's
// destructors and exit handlers.
[[noreturn]] void EndChild(bool ok) { _exit(ok ? 0 : 1); }

int ChildStatus(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool ChildSucceeded(pid_t child) { return ChildStatus(child) == 0; }

}  // namespace

bool CanSwitchUsers() { return geteuid() == 0; }

int RunInChild(int (*work)()) {
    const pid_t child = fork();
    if (child < 0) return -1;
    if (child == 0) _exit(work());
    return ChildStatus(child);
}

int CommandExitStatus(int systemResult) {
    return systemResult != -1 && WIFEXITED(systemResult) ? WEXITSTATUS(systemResult) : -1;
}

bool RunAsOtherUser(bool (*work)(const std::string&), const std::string& argument) {
    if (!CanSwitchUsers()) return false;
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        const bool switched = setgroups(0, nullptr) == 0 && setgid(Nobody) == 0 && setuid(Nobody) == 0;
        EndChild(switched && work(argument));
    }
    return ChildSucceeded(child);
}

bool RunConcurrently(int copies, bool (*work)()) {
    constexpr int MostCopies = 16;
    pid_t children[MostCopies];
    int started = 0;
    for (; started < copies && started < MostCopies; ++started) {
        children[started] = fork();
        if (children[started] < 0) break;
        if (children[started] == 0) EndChild(work());
    }
    bool all = started == copies;
    for (int i = 0; i < started; ++i) all = ChildSucceeded(children[i]) && all;
    return all;
}

int CurrentUser() { return static_cast<int>(geteuid()); }
int CurrentProcessId() { return static_cast<int>(getpid()); }

int OwnerOf(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 ? static_cast<int>(info.st_uid) : -1;
}

bool MakeFifo(const std::string& path) { return mkfifo(path.c_str(), 0600) == 0; }

int OpenIdleConnection(const std::string& folder) {
    const std::string path = folder + "/stellarion.sock";
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path) return -1;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

void CloseConnection(int fd) {
    if (fd >= 0) close(fd);
}
