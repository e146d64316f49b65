#include "platform/sdl/DesktopOptions.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* PicturesKey = "XDG_PICTURES_DIR=\"";

// A whole number from 1 to `largest` at *text, ended by `end`; advances
// *text past it. Digits are counted, not accumulated blindly, so that no
// length of input can overflow.
bool ReadNumber(const char** text, char end, int largest, int* value) {
    const char* p = *text;
    int result = 0, digits = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (++digits > 6) return false;
        result = result * 10 + (*p - '0');
    }
    if (digits == 0 || *p != end || result < 1 || result > largest) return false;
    *text = p + (end ? 1 : 0);
    *value = result;
    return true;
}

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

}  // namespace

bool WroteWhole(int written, int capacity) { return written > 0 && written < capacity; }

bool ParseScreenSize(const char* text, int* width, int* height) {
    int w = 0, h = 0;
    if (!text || !ReadNumber(&text, 'x', LargestScreenSide, &w) ||
        !ReadNumber(&text, '\0', LargestScreenSide, &h))
        return false;
    *width = w;
    *height = h;
    return true;
}

bool ParseZoom(const char* text, int* zoom) {
    return text && ReadNumber(&text, '\0', LargestZoom, zoom);
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
