#include "platform/sdl/Screenshot.h"

#include "platform/sdl/DesktopOptions.h"
#include "platform/posix/Files.h"
#include "platform/canvas/Device.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace {

// Two saves in one second get a number; past this many, the save fails.
constexpr int MostNamesPerSecond = 99;

bool Absolute(const char* path) { return path && path[0] == '/'; }

// The XDG rule: the user-dirs file of the configuration folder names the
// pictures folder; without it, Pictures in the home folder.
bool PicturesFolder(char* folder, int capacity) {
    const char* home = std::getenv("HOME");
    if (!Absolute(home)) return false;
    const std::string file = ConfigFolder() + "/user-dirs.dirs";
    return PicturesFolderFromFile(file.c_str(), home, folder, capacity) ||
           WroteWhole(std::snprintf(folder, static_cast<size_t>(capacity), "%s/Pictures", home), capacity);
}

// Creates a new file named for this moment in the folder; its descriptor,
// or -1 when none can be made.
int CreateNamedFile(const char* folder, char* path, int capacity) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!localtime_r(&now, &local)) return -1;
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H%M%S", &local);
    for (int n = 1; n <= MostNamesPerSecond; ++n) {
        const int written = n == 1 ? std::snprintf(path, static_cast<size_t>(capacity), "%s/Stellarion-%s.png", folder, stamp)
                                   : std::snprintf(path, static_cast<size_t>(capacity), "%s/Stellarion-%s-%d.png", folder, stamp, n);
        if (!WroteWhole(written, capacity)) return -1;
        // Created exclusively: never over another file, never through a link.
        const int fd = open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

bool SaveScreenshot(char* path, int capacity) {
    char folder[SavedPathCapacity];
    if (!PicturesFolder(folder, sizeof folder)) return false;
    if (mkdir(folder, 0755) != 0 && errno != EEXIST) return false;
    const int fd = CreateNamedFile(folder, path, capacity);
    if (fd < 0) return false;
    if (WriteDeviceScreenPng(fd)) return true;
    unlink(path);
    return false;
}
