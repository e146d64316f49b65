#include "platform/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace {

constexpr char Request[] = "forward\n";

bool SocketAddress(const std::string& folder, sockaddr_un* address) {
    const std::string path = folder + "/stellarion.sock";
    if (path.size() >= sizeof address->sun_path) return false;
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    std::memcpy(address->sun_path, path.c_str(), path.size() + 1);
    return true;
}

}  // namespace

std::string SingleInstanceFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return runtime;
    const std::string folder = "/tmp/stellarion-" + std::to_string(getuid());
    mkdir(folder.c_str(), 0700);
    return folder;
}

bool SingleInstanceClaim(const std::string& folder, int* listener) {
    *listener = -1;
    const std::string lockPath = folder + "/stellarion.lock";
    // The lock is held for the whole run: the descriptor is never closed.
    const int lock = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock < 0) return true;  // no way to coordinate: run as the only copy
    if (flock(lock, LOCK_EX | LOCK_NB) != 0) {
        close(lock);
        return false;
    }
    sockaddr_un address{};
    if (!SocketAddress(folder, &address)) return true;
    unlink(address.sun_path);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return true;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(fd, 4) != 0) {
        close(fd);
        return true;
    }
    *listener = fd;
    return true;
}

bool SingleInstanceRequestForward(const std::string& folder) {
    sockaddr_un address{};
    if (!SocketAddress(folder, &address)) return false;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool sent =
        connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        write(fd, Request, sizeof Request - 1) == static_cast<ssize_t>(sizeof Request - 1);
    close(fd);
    return sent;
}

bool SingleInstanceTakeRequest(int listener) {
    if (listener < 0) return false;
    bool forward = false;
    for (int fd; (fd = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
        char buffer[sizeof Request] = {};
        // The sender writes its request before closing; wait briefly for it.
        timeval wait{0, 200000};
        setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
        const ssize_t got = read(fd, buffer, sizeof Request - 1);
        forward = forward || (got == static_cast<ssize_t>(sizeof Request - 1) &&
                              std::memcmp(buffer, Request, sizeof Request - 1) == 0);
        close(fd);
    }
    return forward;
}
