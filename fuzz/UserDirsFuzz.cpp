// The user-dirs.dirs reader, which finds the pictures folder for Ctrl+S.
// The first byte sets the room for the folder's name (in a buffer of just
// that size, so that the sanitizer sees any byte written past it), the rest
// is the file. A folder found is the home folder or an absolute path, taken
// from the line that names it and fits its room; the file reader gives what
// reading the lines apart gives (lines past the longest skipped whole).
#include "FuzzSupport.h"

#include "platform/posix/Screenshot.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

constexpr const char* Home = "/home/someone";

// A folder found in `line`, checked against the line.
void CheckFolder(const std::string& line, const char* folder, int capacity) {
    const size_t length = strnlen(folder, static_cast<size_t>(capacity));
    if (length == 0 || length >= static_cast<size_t>(capacity)) Finding("no terminated folder within its room");
    std::string name(folder, length);
    if (name.rfind(Home, 0) == 0 && line.find("$HOME") != std::string::npos) name.erase(0, std::strlen(Home));
    else if (name[0] != '/') Finding("a folder neither absolute nor in the home folder: " + name);
    if (line.find(name) == std::string::npos) Finding("a folder the line does not name: " + name);
}

// The first line that names a folder, read apart; empty when none does.
std::string FirstFolder(const std::string& file, int capacity) {
    std::istringstream lines(file);
    std::unique_ptr<char[]> folder(new char[static_cast<size_t>(capacity)]);
    for (std::string line; std::getline(lines, line);) {
        if (line.size() > static_cast<size_t>(LongestUserDirsLine)) continue;
        if (PicturesFolderFromLine(line.c_str(), Home, folder.get(), capacity)) {
            CheckFolder(line.c_str(), folder.get(), capacity);
            return folder.get();
        }
    }
    return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int capacity = 1 + data[0] * 2;
    const std::string file(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string expected = FirstFolder(file, capacity);

    const std::string path = FuzzFolder() + "/user-dirs.dirs";
    std::ofstream(path, std::ios::binary) << file;
    std::unique_ptr<char[]> folder(new char[static_cast<size_t>(capacity)]);
    const bool found = PicturesFolderFromFile(path.c_str(), Home, folder.get(), capacity);
    if (found != !expected.empty()) Finding(found ? "the file gave a folder no line names" : "the file lost a folder");
    if (found && expected != folder.get()) Finding("the file gave another folder than its line: " + std::string(folder.get()));
    return 0;
}
