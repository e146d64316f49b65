#include "platform/posix/Screenshot.h"

#include "platform/posix/Files.h"

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

constexpr const char* PicturesKey = "XDG_PICTURES_DIR=\"";

bool WroteWhole(int written, int capacity) { return written > 0 && written < capacity; }

// Reads the next line of `file` (its end of line left out) into `line`,
// which holds LongestUserDirsLine bytes and the terminator; false at the
// end of the file. A longer line is read to its end and given as empty.
bool ReadLine(std::FILE* file, char* line) {
    int length = 0, c = 0;
    bool tooLong = false;
    while ((c = std::getc(file)) != EOF && c != '\n') {
        if (length == LongestUserDirsLine) tooLong = true;
        else line[length++] = static_cast<char>(c);
    }
    line[tooLong ? 0 : length] = '\0';
    return c != EOF || length > 0;
}

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
    return WroteWhole(written, capacity);
}

bool PicturesFolderFromFile(const char* path, const char* home, char* folder, int capacity) {
    std::FILE* dirs = std::fopen(path, "re");
    if (!dirs) return false;
    char line[LongestUserDirsLine + 1];
    bool found = false;
    while (!found && ReadLine(dirs, line)) found = PicturesFolderFromLine(line, home, folder, capacity);
    std::fclose(dirs);
    return found;
}
