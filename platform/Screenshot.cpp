#include "platform/Screenshot.h"

#include "platform/Internal.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* PicturesKey = "XDG_PICTURES_DIR=\"";
// Two saves in one second get a number; past this many, the save fails.
constexpr int MostNamesPerSecond = 99;

bool Absolute(const char* path) { return path && path[0] == '/'; }

bool Fits(int written, int capacity) { return written > 0 && written < capacity; }

// The XDG rule: the user-dirs file of the configuration folder names the
// pictures folder; without it, Pictures in the home folder.
bool PicturesFolder(char* folder, int capacity) {
    const char* home = std::getenv("HOME");
    if (!Absolute(home)) return false;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    char file[SavedPathCapacity];
    const int written = Absolute(config) ? std::snprintf(file, sizeof file, "%s/user-dirs.dirs", config)
                                         : std::snprintf(file, sizeof file, "%s/.config/user-dirs.dirs", home);
    bool found = false;
    if (FILE* dirs = Fits(written, sizeof file) ? std::fopen(file, "re") : nullptr) {
        char line[SavedPathCapacity];
        while (!found && std::fgets(line, sizeof line, dirs))
            found = PicturesFolderFromLine(line, home, folder, capacity);
        std::fclose(dirs);
    }
    return found || Fits(std::snprintf(folder, static_cast<size_t>(capacity), "%s/Pictures", home), capacity);
}

// Claims a new file name in the folder for this moment; false when none.
bool ClaimName(const char* folder, char* path, int capacity) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!localtime_r(&now, &local)) return false;
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H%M%S", &local);
    for (int n = 1; n <= MostNamesPerSecond; ++n) {
        const int written = n == 1 ? std::snprintf(path, static_cast<size_t>(capacity), "%s/Stellarion-%s.png", folder, stamp)
                                   : std::snprintf(path, static_cast<size_t>(capacity), "%s/Stellarion-%s-%d.png", folder, stamp, n);
        if (!Fits(written, capacity)) return false;
        // Created exclusively: never over another file, never through a link.
        const int fd = open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0) {
            close(fd);
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

}  // namespace

bool PicturesFolderFromLine(const char* line, const char* home, char* folder, int capacity) {
    while (*line == ' ' || *line == '\t') ++line;
    if (std::strncmp(line, PicturesKey, std::strlen(PicturesKey)) != 0) return false;
    const char* value = line + std::strlen(PicturesKey);
    const char* end = std::strchr(value, '"');
    if (!end || end == value) return false;
    const int length = static_cast<int>(end - value);
    int written = 0;
    if (std::strncmp(value, "$HOME", 5) == 0 && (value[5] == '/' || value + 5 == end))
        written = std::snprintf(folder, static_cast<size_t>(capacity), "%s%.*s", home, length - 5, value + 5);
    else if (value[0] == '/')
        written = std::snprintf(folder, static_cast<size_t>(capacity), "%.*s", length, value);
    return Fits(written, capacity);
}

bool SaveScreenshot(char* path, int capacity) {
    char folder[SavedPathCapacity];
    if (!PicturesFolder(folder, sizeof folder)) return false;
    if (mkdir(folder, 0755) != 0 && errno != EEXIST) return false;
    if (!ClaimName(folder, path, capacity)) return false;
    if (SaveDeviceScreenPng(path)) return true;
    unlink(path);
    return false;
}
