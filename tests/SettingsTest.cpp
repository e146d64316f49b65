#include "Harness.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

std::string RecordPath(const std::string& config) {
    return config + "/Tessaline/Corvanta/Stellarion/GameValues";
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::string& data) {
    std::ofstream(path, std::ios::binary) << data;
}

bool ExitThroughMenu() {
    int code = -1;
    return !Tap(221, 2, &code) && code == 0;
}

int32_t Int32At(const std::string& data, int offset) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(data[offset + i]);
    return static_cast<int32_t>(v);
}

}  // namespace

TEST(SavedRecord, FirstRunCreatesValuesButWritesNothingUntilExit) {
    const std::string config = TemporaryFolder();
    ASSERT_TRUE(StartProgram(240, 320, config));
    EXPECT_TRUE(MessageBoxes.empty());
    EXPECT_EQ(SettingsBlob[0], 1);
    EXPECT_EQ(SettingsBlob[32], 7);
    EXPECT_FALSE(std::filesystem::exists(RecordPath(config)));
    ASSERT_TRUE(ExitThroughMenu());
    const std::string stored = ReadFile(RecordPath(config));
    ASSERT_EQ(stored.size(), 40u);
    EXPECT_EQ(stored[0], 1);
    EXPECT_EQ(Int32At(stored, 32), 7);
    EXPECT_EQ(stored.substr(1, 31), std::string(31, '\0'));
    EXPECT_EQ(stored.substr(36), std::string(4, '\0'));
}

TEST(SavedRecord, StoredRecordRoundTripsUnchanged) {
    const std::string config = TemporaryFolder();
    ASSERT_TRUE(StartProgram(240, 320, config));
    ASSERT_TRUE(ExitThroughMenu());
    std::string record(40, '\0');
    for (int i = 0; i < 40; ++i) record[i] = static_cast<char>(i * 7 + 3);  // reserved bytes too
    WriteFile(RecordPath(config), record);
    ASSERT_TRUE(StartProgram(240, 320, config));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(SettingsBlob), 40), record);
    ASSERT_TRUE(ExitThroughMenu());
    EXPECT_EQ(ReadFile(RecordPath(config)), record);
    // The destroy message ends the program without saving.
    ASSERT_TRUE(StartProgram(240, 320, config));
    SettingsBlob[5] = 99;
    int code = -1;
    EXPECT_FALSE(Send(MessageDestroy, 0, 0, &code));
    EXPECT_EQ(ReadFile(RecordPath(config)), record);
}

TEST(SavedRecord, WrongSizeOrZeroFlagGetsCreationValues) {
    const std::string config = TemporaryFolder();
    ASSERT_TRUE(StartProgram(240, 320, config));
    for (const std::string& stored : {std::string(39, '\x05'), std::string(41, '\x05'),
                                      std::string(1, '\0') + std::string(39, '\x05')}) {
        WriteFile(RecordPath(config), stored);
        ASSERT_TRUE(StartProgram(240, 320, config));
        EXPECT_TRUE(MessageBoxes.empty());
        EXPECT_EQ(SettingsBlob[0], 1);
        EXPECT_EQ(SettingsBlob[32], 7);
        EXPECT_EQ(SettingsBlob[4], 0);
        EXPECT_EQ(SettingsBlob[39], 0);
        // A zero flag keeps the bytes the creation values do not touch.
        EXPECT_EQ(SettingsBlob[10], stored.size() == 40 ? 5 : 0);
    }
}

TEST(SavedRecord, UnwritableFolderReportsAndRunsOn) {
    // A file where the key's folder should be: no user, root included, can
    // create the folder.
    const std::string config = TemporaryFolder();
    WriteFile(config + "/Tessaline", "not a folder");
    ASSERT_TRUE(StartProgram(240, 320, config));
    ASSERT_EQ(MessageBoxes.size(), 1u);
    EXPECT_EQ(MessageBoxes[0], ": Cannot read values");
    EXPECT_EQ(SettingsBlob[0], 1);
    EXPECT_TRUE(ExitThroughMenu());  // still quits
    EXPECT_EQ(MessageBoxes.size(), 2u);
}
