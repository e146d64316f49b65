#include "tests/TestSupport.h"

#include "Harness.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

namespace fs = std::filesystem;

std::string KeyFolder(const std::string& config) { return config + "/Tessaline/Corvanta/Stellarion"; }
std::string RecordPath(const std::string& config) { return KeyFolder(config) + "/GameValues"; }

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
    // Not even the record's folder: it is made by the first save.
    EXPECT_TRUE(fs::is_empty(config));
    ASSERT_TRUE(ExitThroughMenu());
    const std::string stored = ReadFile(RecordPath(config));
    ASSERT_EQ(stored.size(), 40u);
    EXPECT_EQ(stored[0], 1);
    EXPECT_EQ(Int32At(stored, 32), 7);
    EXPECT_EQ(stored.substr(1, 31), std::string(31, '\0'));
    EXPECT_EQ(stored.substr(36), std::string(4, '\0'));
    // In a fresh home the start makes not even the configuration folder.
    const std::string home = TemporaryFolder();
    ASSERT_TRUE(StartProgram(240, 320, home + "/.config"));
    EXPECT_TRUE(MessageBoxes.empty());
    EXPECT_TRUE(fs::is_empty(home));
    ASSERT_TRUE(ExitThroughMenu());
    EXPECT_EQ(ReadFile(RecordPath(home + "/.config")).size(), 40u);
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
    fs::create_directories(KeyFolder(config));
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

// Places where no folder can be made although every permission bit allows
// it (root passes them all): the start says so at once, makes nothing, and
// the exit says so again.
TEST(SavedRecord, PlaceWhereNothingCanBeMadeReportsAtStartAndExit) {
    const std::string config = "/proc/no-such-dir";
    if (!fs::exists("/proc/self")) GTEST_SKIP() << "no /proc here";
    ASSERT_TRUE(StartProgram(240, 320, config));
    EXPECT_EQ(MessageBoxes, std::vector<std::string>{": Cannot read values"});
    EXPECT_EQ(SettingsBlob[0], 1);
    EXPECT_EQ(SettingsBlob[32], 7);
    EXPECT_FALSE(fs::exists(config));
    EXPECT_TRUE(ExitThroughMenu());
    EXPECT_EQ(MessageBoxes.size(), 2u);
}

// As another user, to whom permission bits apply: a read-only parent of a
// missing configuration folder, a record folder that cannot be written and
// one that cannot be read (where a save cannot flush the folder).
TEST(SavedRecord, UnwritableOrUnreadablePlaceReportsAtStartAndExit) {
    if (!CanSwitchUsers()) GTEST_SKIP() << "needs a second user";
    const std::string base = TemporaryFolder();
    fs::permissions(base, fs::perms::all);
    EXPECT_TRUE(RunAsOtherUser(
        [](const std::string& home) {
            const std::string config = home + "/.config", folder = KeyFolder(config);
            const auto reportsTwice = [&] {
                const std::vector<std::string> once = {": Cannot read values"};
                return StartProgram(240, 320, config) && MessageBoxes == once && SettingsBlob[0] == 1 &&
                       ExitThroughMenu() && MessageBoxes.size() == 2;
            };
            fs::create_directory(home);
            fs::permissions(home, fs::perms::owner_read | fs::perms::owner_exec);
            if (!reportsTwice() || !fs::is_empty(home)) return false;
            fs::permissions(home, fs::perms::owner_all);
            fs::create_directories(folder);
            fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
            if (!reportsTwice()) return false;
            fs::permissions(folder, fs::perms::owner_write | fs::perms::owner_exec);
            return reportsTwice();
        },
        base + "/home"));
}

namespace {

// A 40-byte record no creation could produce.
std::string DistinctRecord() {
    std::string record(40, '\0');
    for (int i = 0; i < 40; ++i) record[i] = static_cast<char>(i + 1);
    return record;
}

}  // namespace

TEST(SavedRecord, SpecialFilesAndLinksInItsPlaceCountAsAbsent) {
    // In a separate process with a time limit: opening a FIFO for reading
    // would wait for a writer that never comes.
    const std::string config = TemporaryFolder();
    fs::create_directories(KeyFolder(config));
    ASSERT_TRUE(MakeFifo(RecordPath(config)));
    const std::string command = "printf 'state\\ntap 221 2\\n' | timeout 10 " + std::string(STELLARION_SIM) +
                                " --config-dir " + config + " > " + config + "/out";
    EXPECT_EQ(std::system(command.c_str()), 0);
    const std::string out = ReadFile(config + "/out");
    EXPECT_EQ(out.find("messagebox"), std::string::npos) << out;
    EXPECT_NE(out.find("quit 0"), std::string::npos) << out;
    // The exit replaced the FIFO with the record.
    ASSERT_TRUE(fs::is_regular_file(RecordPath(config)));
    EXPECT_EQ(ReadFile(RecordPath(config)).size(), 40u);

    // A symlink is not read through, and the save replaces the link, never
    // the file it names.
    const std::string elsewhere = config + "/elsewhere";
    WriteFile(elsewhere, DistinctRecord());
    fs::remove(RecordPath(config));
    fs::create_symlink(elsewhere, RecordPath(config));
    ASSERT_TRUE(StartProgram(240, 320, config));
    EXPECT_EQ(SettingsBlob[1], 0);
    ASSERT_TRUE(ExitThroughMenu());
    EXPECT_TRUE(MessageBoxes.empty());
    EXPECT_FALSE(fs::is_symlink(RecordPath(config)));
    EXPECT_EQ(ReadFile(elsewhere), DistinctRecord());
}

TEST(SavedRecord, TemporaryCopyIsOursAloneAndStaleOnesGo) {
    const std::string config = TemporaryFolder();
    fs::create_directories(KeyFolder(config));
    ASSERT_TRUE(StartProgram(240, 320, config));
    const std::string folder = KeyFolder(config), victim = config + "/victim";
    WriteFile(victim, "keep");
    // Links planted under the fixed name and under this process's own.
    fs::create_symlink(victim, folder + "/GameValues.new");
    fs::create_symlink(victim, folder + "/GameValues.new." + std::to_string(CurrentProcessId()));
    WriteFile(folder + "/GameValues.new.999999999", "left by a killed copy");
    WriteFile(folder + "/GameValues.old.999999998", "kept by a killed copy");
    fs::create_symlink(victim, folder + "/GameValues.old." + std::to_string(CurrentProcessId()));
    WriteFile(folder + "/GameValues.new.1", "a running process's");
    WriteFile(folder + "/GameValues.newer", "not ours");
    WriteFile(folder + "/GameValues.old", "not ours either");
    ASSERT_TRUE(ExitThroughMenu());
    EXPECT_TRUE(MessageBoxes.empty());
    EXPECT_EQ(ReadFile(victim), "keep");
    EXPECT_EQ(ReadFile(RecordPath(config)).size(), 40u);
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder)) left.push_back(entry.path().filename());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"GameValues", "GameValues.new.1", "GameValues.newer",
                                              "GameValues.old"}));
}

namespace {

// One system call of a save made to fail: the first call named `Call`
// whose traced line (file descriptors shown as their paths) holds `Marker`.
struct Fault {
    const char* Call;
    const char* Marker;
    const char* Error;
};

// The exit icon in the simulator, run under strace with `faults` injected.
// Where each falls among its calls is found by a run before it that
// injects only the faults before it: a link that fails adds calls.
std::string ExitWithFaults(const std::string& config, const std::string& planted,
                           const std::vector<Fault>& faults) {
    const std::string folder = KeyFolder(config), trace = config + "/trace";
    const auto run = [&](const std::string& calls, const std::string& injections) {
        fs::remove_all(folder);
        fs::create_directories(folder);
        if (!planted.empty()) WriteFile(RecordPath(config), planted);
        const std::string command = "ASAN_OPTIONS=detect_leaks=0 strace -f -qq -y -o " + trace + " -e trace=" +
                                    calls + injections + " " + STELLARION_SIM + " --config-dir " + config + " " +
                                    config + "/exit >" + config + "/out";
        EXPECT_EQ(CommandExitStatus(std::system(command.c_str())), 0);
        return ReadFile(config + "/out");
    };
    std::ofstream(config + "/exit") << "tap 221 2\n";
    std::string calls = "fsync", injections;
    for (const Fault& fault : faults) {
        calls += std::string(",") + fault.Call;
        run(calls, injections);
        std::istringstream lines(ReadFile(trace));
        int nth = 0, at = 0;
        for (std::string line; at == 0 && std::getline(lines, line);) {
            // "PID  call(arguments) = result"
            const size_t name = line.find_first_not_of(' ', line.find(' '));
            if (line.compare(name, std::strlen(fault.Call) + 1, std::string(fault.Call) + "(") != 0) continue;
            ++nth;
            if (line.find(fault.Marker) != std::string::npos) at = nth;
        }
        if (at == 0) {
            ADD_FAILURE() << "no " << fault.Call << " of " << fault.Marker;
            return {};
        }
        injections += std::string(" -e inject=") + fault.Call + ":error=" + fault.Error + ":when=" + std::to_string(at);
    }
    return run(calls, injections);
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> entries;
    for (const auto& entry : fs::directory_iterator(folder)) entries.push_back(entry.path().filename());
    std::sort(entries.begin(), entries.end());
    return entries;
}

}  // namespace

// Whatever call of a save fails, the save has failed: the exit says so, and
// what a later start finds is the record from before, byte for byte, or
// none when there was none, with nothing of the save left beside it. A
// rename is lasting only once its folder is flushed, so a failed folder
// flush is a failed save too. Where no hard link can be made the old bytes
// are kept in a copy of their own.
TEST(SavedRecord, EveryFailedCallOfASaveLeavesTheOldRecord) {
    const std::vector<std::vector<Fault>> cases = {
        {{"openat", "GameValues.new.", "ENOSPC"}},
        {{"write", "GameValues.new.", "ENOSPC"}},
        {{"fsync", "GameValues.new.", "EIO"}},
        {{"close", "GameValues.new.", "EIO"}},
        {{"rename", "GameValues.new.", "EIO"}},
        {{"fsync", "Stellarion>", "EIO"}},
        {{"link", "GameValues", "ENOSPC"}, {"fsync", "Stellarion>", "EIO"}},
        {{"link", "GameValues", "EPERM"}, {"openat", "GameValues.old.", "ENOSPC"}},
        {{"link", "GameValues", "EPERM"}, {"write", "GameValues.old.", "ENOSPC"}},
        {{"link", "GameValues", "EPERM"}, {"rename", "GameValues.new.", "EIO"}},
    };
    // A record whose zero flag the exit replaces with the creation values, so
    // that the old and the new record differ.
    std::string old = DistinctRecord();
    old[0] = 0;
    const std::string config = TemporaryFolder();
    for (const std::string& planted : {old, std::string()}) {
        for (const std::vector<Fault>& faults : cases) {
            // Without a record there is nothing to link.
            if (planted.empty() && std::string(faults[0].Call) == "link") continue;
            std::string name;
            for (const Fault& fault : faults) name += std::string(fault.Call) + " " + fault.Marker + "; ";
            SCOPED_TRACE(name + (planted.empty() ? "no record" : "a record"));
            const std::string out = ExitWithFaults(config, planted, faults);
            if (ReadFile(config + "/trace").empty()) GTEST_SKIP() << "the simulator cannot run under strace here";
            EXPECT_NE(ReadFile(config + "/trace").find("(INJECTED)"), std::string::npos);
            EXPECT_EQ(out, "messagebox: : Cannot read values\nquit 0\n");
            EXPECT_EQ(FolderEntries(KeyFolder(config)),
                      planted.empty() ? std::vector<std::string>{} : std::vector<std::string>{"GameValues"});
            if (!planted.empty()) {
                EXPECT_EQ(ReadFile(RecordPath(config)), planted);
            }
        }
    }
    // A link refused alone costs nothing: the copy stands in for it.
    EXPECT_EQ(ExitWithFaults(config, old, {{"link", "GameValues", "EPERM"}}), "quit 0\n");
    EXPECT_EQ(FolderEntries(KeyFolder(config)), std::vector<std::string>{"GameValues"});
    const std::string saved = ReadFile(RecordPath(config));
    EXPECT_EQ(saved[0], 1);
    EXPECT_EQ(saved.substr(8, 24), old.substr(8, 24));
}

// The folders a first save makes are flushed into their parents too, or a
// power cut could take them and the record with them.
TEST(SavedRecord, FirstSaveFlushesTheFoldersItMakes) {
    const std::string config = TemporaryFolder(), trace = config + "/trace";
    std::ofstream(config + "/exit") << "tap 221 2\n";
    const std::string command = "ASAN_OPTIONS=detect_leaks=0 strace -f -qq -y -e trace=fsync -o " + trace +
                                " " + STELLARION_SIM + " --config-dir " + config + " " + config + "/exit >" +
                                config + "/out";
    EXPECT_EQ(CommandExitStatus(std::system(command.c_str())), 0);
    const std::string flushes = ReadFile(trace);
    if (flushes.empty()) GTEST_SKIP() << "the simulator cannot run under strace here";
    EXPECT_EQ(ReadFile(config + "/out"), "quit 0\n");
    for (const std::string& parent : {config, config + "/Tessaline", config + "/Tessaline/Corvanta"})
        EXPECT_NE(flushes.find("<" + parent + ">"), std::string::npos) << parent << " unflushed:\n" << flushes;
}

TEST(SavedRecord, TwoCopiesSavingAtOnceBothSucceed) {
    const std::string config = TemporaryFolder();
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    ASSERT_TRUE(PlatformOpenSettingsKey(SettingsKeyPath));
    EXPECT_TRUE(RunConcurrently(3, [] {
        const std::string record = DistinctRecord();
        for (int i = 0; i < 150; ++i)
            if (!PlatformWriteSettingsValue(SettingsKeyPath, SettingsValueName, record.data(), 40)) return false;
        return true;
    }));
    EXPECT_EQ(ReadFile(RecordPath(config)), DistinctRecord());
}

TEST(SavedRecord, RecordThatCouldNotBeReadIsNeverReplaced) {
    if (!CanSwitchUsers()) GTEST_SKIP() << "needs a second user";
    // As another user, to whom a record without read permission is unreadable.
    const std::string base = TemporaryFolder();
    fs::permissions(base, fs::perms::all);
    EXPECT_TRUE(RunAsOtherUser(
        [](const std::string& config) {
            if (!StartProgram(240, 320, config) || !ExitThroughMenu()) return false;
            WriteFile(RecordPath(config), DistinctRecord());
            fs::permissions(RecordPath(config), fs::perms::none);
            // Read fails: the creation values are used, and the exit says the
            // values were not kept rather than overwrite the record.
            if (!StartProgram(240, 320, config) || SettingsBlob[0] != 1 || !MessageBoxes.empty())
                return false;
            if (!ExitThroughMenu() || MessageBoxes != std::vector<std::string>{": Cannot read values"})
                return false;
            fs::permissions(RecordPath(config), fs::perms::owner_read);
            if (ReadFile(RecordPath(config)) != DistinctRecord()) return false;
            // Once readable again it loads and saves as usual.
            fs::permissions(RecordPath(config), fs::perms::owner_read | fs::perms::owner_write);
            return StartProgram(240, 320, config) && SettingsBlob[0] == 1 && SettingsBlob[5] == 6 &&
                   ExitThroughMenu() && MessageBoxes.empty();
        },
        base + "/config"));
}

TEST(SavedRecord, RelativeConfigHomeIsIgnored) {
    const std::string home = TemporaryFolder();
    const char* previous = std::getenv("HOME");
    const std::string saved = previous ? previous : "";
    setenv("HOME", home.c_str(), 1);
    fs::remove_all("relative-config");
    ASSERT_TRUE(StartProgram(240, 320, "relative-config"));
    ASSERT_TRUE(ExitThroughMenu());
    EXPECT_FALSE(fs::exists("relative-config"));
    EXPECT_EQ(ReadFile(RecordPath(home + "/.config")).size(), 40u);
    fs::remove_all("relative-config");
    setenv("HOME", saved.c_str(), 1);
}
