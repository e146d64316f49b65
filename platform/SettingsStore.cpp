// The per-user settings store: a key path becomes a folder under the user's
// configuration directory and a value becomes a file in it. A value is
// replaced atomically (temporary file, flush, rename), so a crash never
// leaves a partial value behind.
#include "platform/Files.h"
#include "platform/Platform.h"

#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// "Software\A\B\C" → "<config>/A/B/C": the leading "Software" level has no
// meaning in a per-user configuration directory.
std::string KeyFolder(const char* keyPath) {
    std::string base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = std::string(home) + "/.config";
    } else {
        return {};
    }
    std::string path = keyPath;
    const std::string prefix = "Software\\";
    if (path.compare(0, prefix.size(), prefix) == 0) path.erase(0, prefix.size());
    for (char& c : path)
        if (c == '\\') c = '/';
    return base + "/" + path;
}

bool MakeFolders(const std::string& folder) {
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) break;
    }
    struct stat info {};
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

bool PlatformOpenSettingsKey(const char* keyPath) {
    const std::string folder = KeyFolder(keyPath);
    return !folder.empty() && MakeFolders(folder) && access(folder.c_str(), R_OK | W_OK | X_OK) == 0;
}

bool PlatformReadSettingsValue(const char* keyPath, const char* valueName, void* buffer,
                               size_t size) {
    const std::string file = KeyFolder(keyPath) + "/" + valueName;
    const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    // A value of another size is not this record: treat it as absent.
    struct stat info {};
    bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
              static_cast<size_t>(info.st_size) == size;
    std::string data(size, '\0');
    size_t done = 0;
    while (ok && done < size) {
        const ssize_t got = read(fd, data.data() + done, size - done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) ok = false;
        else done += static_cast<size_t>(got);
    }
    close(fd);
    if (ok) data.copy(static_cast<char*>(buffer), size);
    return ok;
}

bool PlatformWriteSettingsValue(const char* keyPath, const char* valueName,
                                const void* buffer, size_t size) {
    const std::string folder = KeyFolder(keyPath);
    if (folder.empty()) return false;
    const std::string file = folder + "/" + valueName;
    const std::string temporary = file + ".new";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, buffer, size) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (written && closed && std::rename(temporary.c_str(), file.c_str()) == 0) return true;
    std::remove(temporary.c_str());
    return false;
}
