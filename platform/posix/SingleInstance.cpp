#include "platform/posix/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr char Request[] = "forward\n";
constexpr int RequestLength = sizeof Request - 1;

bool SocketAddress(const std::string& folder, sockaddr_un* address) {
    const std::string path = folder + "/stellarion.sock";
    if (path.size() >= sizeof address->sun_path) return false;
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    std::memcpy(address->sun_path, path.c_str(), path.size() + 1);
    return true;
}

// A folder no other user can reach or swap: a real directory (a symlink is
// not looked through), owned by this user, closed to everyone else.
bool IsPrivateFolder(const std::string& folder) {
    struct stat info {};
    return lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == geteuid() && (info.st_mode & 07777) == 0700;
}

// Without a private folder another user could hold the lock or answer on
// the socket, so the program runs on its own instead, and says why.
void NoSingleInstance(const char* why) {
    std::fprintf(stderr, "stellarion: %s; a second start will open a second window\n", why);
}

// The same when the lock or the socket fails for another reason than a
// running copy: a start that took it for one would end without a word.
void NoSingleInstance(const char* what, int error) {
    const std::string why = std::string(what) + " (" + std::strerror(error) + ")";
    NoSingleInstance(why.c_str());
}

// A socket listening for later copies' requests, or -1.
int Listen(const std::string& folder) {
    sockaddr_un address{};
    if (!SocketAddress(folder, &address)) {
        errno = ENAMETOOLONG;
        return -1;
    }
    unlink(address.sun_path);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(fd, 4) != 0) {
        const int error = errno;
        close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

std::string FallbackFolder() {
    const char* temporary = std::getenv("TMPDIR");
    const std::string base = temporary && temporary[0] == '/' ? temporary : "/tmp";
    return base + "/stellarion-" + std::to_string(geteuid());
}

// A connection accepted whose request has not all arrived yet. It waits
// here rather than being read with a timeout, so that a slow or idle
// sender never holds up the window.
struct Pending {
    int Fd;
    int Got;
    char Bytes[RequestLength];
};
constexpr int PendingSlots = 8;
constexpr int AcceptsPerCall = 32;
Pending Waiting[PendingSlots];
int WaitingCount;

void Forget(int index) {
    close(Waiting[index].Fd);
    for (int i = index + 1; i < WaitingCount; ++i) Waiting[i - 1] = Waiting[i];
    --WaitingCount;
}

// Reads what has arrived without waiting; true when the connection is done
// with: a whole request (*forward is then set), a wrong one, an error or the
// sender's close.
bool ReadArrived(Pending* pending, bool* forward) {
    const ssize_t got = recv(pending->Fd, pending->Bytes + pending->Got,
                             RequestLength - pending->Got, MSG_DONTWAIT);
    if (got < 0) return errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR;
    if (got == 0) return true;
    pending->Got += static_cast<int>(got);
    if (std::memcmp(pending->Bytes, Request, pending->Got) != 0) return true;
    if (pending->Got < RequestLength) return false;
    *forward = true;
    return true;
}

}  // namespace

std::string SingleInstanceFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/' && IsPrivateFolder(runtime)) return runtime;
    // The runtime folder is unset, missing or not private: use one of our
    // own. An existing entry of that name (another user's folder, a symlink)
    // fails the check rather than being used.
    const std::string folder = FallbackFolder();
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        NoSingleInstance("cannot create a private folder for the single-instance lock");
        return {};
    }
    if (!IsPrivateFolder(folder)) {
        NoSingleInstance("the folder for the single-instance lock is not private to this user");
        return {};
    }
    return folder;
}

bool SingleInstanceClaim(const std::string& folder, int* listener) {
    *listener = -1;
    if (folder.empty()) return true;  // no private folder: run as the only copy
    const std::string lockPath = folder + "/stellarion.lock";
    // The lock is held for the whole run: the descriptor is closed only
    // when there is no socket to go with it.
    const int lock = open(lockPath.c_str(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    struct stat info {};
    if (lock < 0 || fstat(lock, &info) != 0 || !S_ISREG(info.st_mode)) {
        if (lock >= 0) close(lock);
        NoSingleInstance("the single-instance lock cannot be opened");
        return true;
    }
    if (flock(lock, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        close(lock);
        if (error == EWOULDBLOCK) return false;  // held: a copy is running
        NoSingleInstance("the single-instance lock cannot be taken", error);
        return true;
    }
    *listener = Listen(folder);
    if (*listener < 0) {
        // A copy holding the lock with no one to answer would turn every
        // later start away in silence: the lock goes too.
        NoSingleInstance("the single-instance socket cannot be opened", errno);
        close(lock);
    }
    return true;
}

bool SingleInstanceRequestForward(const std::string& folder) {
    sockaddr_un address{};
    if (folder.empty() || !SocketAddress(folder, &address)) return false;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    // A running copy that cannot take the request soon must not hang this one.
    timeval wait{1, 0};
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
    const bool sent =
        connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        send(fd, Request, RequestLength, MSG_NOSIGNAL) == RequestLength;
    close(fd);
    return sent;
}

bool SingleInstanceTakeRequest(int listener) {
    if (listener < 0) return false;
    for (int i = 0, fd; i < AcceptsPerCall &&
                        (fd = accept4(listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)) >= 0;
         ++i) {
        if (WaitingCount == PendingSlots) Forget(0);  // the oldest gives way
        Waiting[WaitingCount++] = {fd, 0, {}};
    }
    bool forward = false;
    for (int i = 0; i < WaitingCount;) {
        if (ReadArrived(&Waiting[i], &forward)) Forget(i);
        else ++i;
    }
    return forward;
}
