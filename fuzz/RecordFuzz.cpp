// The saved record, read and written through the program's own path: the
// input planted as the record file (any size), loaded at start and saved
// at exit. A record of exactly the record's size with its flag set is taken
// byte for byte; anything else gives the creation values; the save then
// writes exactly what the program holds, reads back the same, and leaves
// nothing else in the folder.
#include "FuzzSupport.h"

#include "platform/headless/Headless.h"
#include "shell/core/Settings.h"
#include "shell/core/State.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

int MessageBoxes = 0;

void CountMessageBox(const char*, const char*) { ++MessageBoxes; }

std::string Folder() { return FuzzFolder() + "/Tessaline/Corvanta/Stellarion"; }

std::string ReadRecordFile() {
    std::ifstream in(Folder() + "/GameValues", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Blob() { return std::string(reinterpret_cast<const char*>(SettingsBlob), SettingsSize); }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("XDG_CONFIG_HOME", FuzzFolder().c_str(), 1);
    HeadlessStart(240, 320);
    HeadlessSetMessageBoxHook(CountMessageBox);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string planted(reinterpret_cast<const char*>(data), size);
    std::filesystem::remove_all(FuzzFolder() + "/Tessaline");
    std::filesystem::create_directories(Folder());
    std::ofstream(Folder() + "/GameValues", std::ios::binary) << planted;

    ZeroState();
    MessageBoxes = 0;
    LoadSettings();
    std::string expected(SettingsSize, '\0');
    if (planted.size() == static_cast<size_t>(SettingsSize)) expected = planted;
    if (expected[0] == 0) {
        // The creation values, over whatever else the record held.
        const char creation[][2] = {{0, 1}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {32, 7},
                                    {33, 0}, {34, 0}, {35, 0}, {38, 0}, {39, 0}};
        for (const auto& [at, value] : creation) expected[static_cast<size_t>(at)] = value;
    }
    if (Blob() != expected) Finding("loaded another record than the one planted");
    if (MessageBoxes != 0) Finding("a readable folder reported a problem at start");

    SaveSettings();
    if (MessageBoxes != 0) Finding("the save failed");
    if (ReadRecordFile() != Blob()) Finding("the saved record is not what the program held");
    for (const auto& entry : std::filesystem::directory_iterator(Folder()))
        if (entry.path().filename() != "GameValues") Finding("the save left " + entry.path().string());
    uint8_t again[SettingsSize];
    if (!PlatformReadSettingsValue(SettingsKeyPath, SettingsValueName, again, SettingsSize) ||
        std::memcmp(again, SettingsBlob, SettingsSize) != 0)
        Finding("the saved record does not read back");
    return 0;
}
