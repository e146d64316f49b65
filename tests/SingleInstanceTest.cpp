// A second start of the real program hands off to the running copy; the
// rule's folder, lock and socket are private to the user.
#include "platform/posix/SingleInstance.h"
#include "tests/TestSupport.h"

#include "Harness.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

TEST(SingleInstance, SecondStartAsksTheRunningCopyForward) {
    const std::string folder = TemporaryFolder();
    int listener = -1;
    ASSERT_TRUE(SingleInstanceClaim(folder, &listener));  // this test is the running copy
    ASSERT_GE(listener, 0);
    EXPECT_FALSE(SingleInstanceTakeRequest(listener));

    // The second copy runs in its own process, as a second start would; it
    // needs no display of its own since it never opens a window.
    const std::string command = "XDG_RUNTIME_DIR=" + folder + " XDG_CONFIG_HOME=" + folder +
                                " SDL_VIDEODRIVER=dummy STELLARION_SCREEN=240x320 timeout 20 " +
                                STELLARION_APP;
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(SingleInstanceTakeRequest(listener));
    EXPECT_FALSE(SingleInstanceTakeRequest(listener));
}

TEST(SingleInstance, NobodyAnswersWhenNoCopyRuns) {
    EXPECT_FALSE(SingleInstanceRequestForward(TemporaryFolder()));
    EXPECT_FALSE(SingleInstanceRequestForward(""));
}

TEST(SingleInstance, FolderIsPrivateOrThereIsNoRule) {
    // A shared temporary folder like /tmp, where any user may make entries.
    const std::string base = TemporaryFolder();
    fs::permissions(base, fs::perms::all | fs::perms::sticky_bit);
    setenv("TMPDIR", base.c_str(), 1);
    unsetenv("XDG_RUNTIME_DIR");
    const std::string mine = base + "/stellarion-" + std::to_string(CurrentUser());
    int listener = 0;

    if (CanSwitchUsers()) {
        // Another user got there first with a folder open to everyone.
        ASSERT_TRUE(RunAsOtherUser(
            [](const std::string& path) {
                std::error_code e;
                fs::create_directory(path, e);
                fs::permissions(path, fs::perms::all, e);
                return !e;
            },
            mine));
        ASSERT_NE(OwnerOf(mine), CurrentUser());
        EXPECT_EQ(SingleInstanceFolder(), "");
        EXPECT_TRUE(SingleInstanceClaim("", &listener));  // runs, as the only copy
        EXPECT_EQ(listener, -1);
        fs::remove(mine);
    }
    // A symlink of that name, even to a private folder of this user's.
    fs::create_directory(base + "/elsewhere");
    fs::permissions(base + "/elsewhere", fs::perms::owner_all);
    fs::create_directory_symlink(base + "/elsewhere", mine);
    EXPECT_EQ(SingleInstanceFolder(), "");
    fs::remove(mine);
    // A folder of ours that others may enter is not private either.
    fs::create_directory(mine);
    fs::permissions(mine, fs::perms::owner_all | fs::perms::others_exec);
    EXPECT_EQ(SingleInstanceFolder(), "");
    fs::remove(mine);

    // With nothing in the way the folder is made, closed to everyone else;
    // a runtime folder that does not exist falls back to it.
    EXPECT_EQ(SingleInstanceFolder(), mine);
    EXPECT_EQ(fs::status(mine).permissions(), fs::perms::owner_all);
    setenv("XDG_RUNTIME_DIR", (base + "/missing").c_str(), 1);
    EXPECT_EQ(SingleInstanceFolder(), mine);
    // A private runtime folder is used as it is.
    setenv("XDG_RUNTIME_DIR", (base + "/elsewhere").c_str(), 1);
    EXPECT_EQ(SingleInstanceFolder(), base + "/elsewhere");
    unsetenv("XDG_RUNTIME_DIR");
    unsetenv("TMPDIR");
}

TEST(SingleInstance, LockIsNeverOpenedThroughASymlink) {
    const std::string folder = TemporaryFolder();
    fs::create_symlink(folder + "/victim", folder + "/stellarion.lock");
    int listener = 0;
    EXPECT_TRUE(SingleInstanceClaim(folder, &listener));
    EXPECT_EQ(listener, -1);
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder + "/victim")));
}

TEST(SingleInstance, IdleConnectionsNeverHoldUpTheWindow) {
    const std::string folder = TemporaryFolder();
    int listener = -1;
    ASSERT_TRUE(SingleInstanceClaim(folder, &listener));
    ASSERT_GE(listener, 0);
    int idle[30];
    const auto start = std::chrono::steady_clock::now();
    // A few at a time, as the listener's queue takes them.
    for (int i = 0; i < 30; i += 3) {
        for (int j = i; j < i + 3; ++j) ASSERT_GE(idle[j] = OpenIdleConnection(folder), 0);
        EXPECT_FALSE(SingleInstanceTakeRequest(listener));
    }
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_LT(waited, std::chrono::milliseconds(300));
    // A real request still gets through while the idle ones linger.
    ASSERT_TRUE(SingleInstanceRequestForward(folder));
    EXPECT_TRUE(SingleInstanceTakeRequest(listener));
    for (const int fd : idle) CloseConnection(fd);
    EXPECT_FALSE(SingleInstanceTakeRequest(listener));
}

// A copy holding the lock with no socket to answer on would turn every
// later start away: without its socket it leaves the lock too.
TEST(SingleInstance, WithoutItsSocketACopyLeavesTheLockFree) {
    // A private folder whose socket address would not fit.
    const std::string folder = TemporaryFolder() + "/" + std::string(90, 'd');
    fs::create_directory(folder);
    fs::permissions(folder, fs::perms::owner_all);
    int first = 0, second = 0;
    EXPECT_TRUE(SingleInstanceClaim(folder, &first));
    EXPECT_EQ(first, -1);
    EXPECT_TRUE(SingleInstanceClaim(folder, &second));
    EXPECT_EQ(second, -1);
}

// A running copy that holds the lock but does not take the request: the
// second start says so rather than end without a word.
TEST(SingleInstance, ARunningCopyThatDoesNotAnswerIsSaid) {
    const std::string folder = TemporaryFolder();
    int listener = -1;
    ASSERT_TRUE(SingleInstanceClaim(folder, &listener));
    CloseConnection(listener);
    const std::string command = "XDG_RUNTIME_DIR=" + folder + " XDG_CONFIG_HOME=" + folder +
                                " SDL_VIDEODRIVER=dummy STELLARION_SCREEN=240x320 timeout 20 " +
                                STELLARION_APP + " 2>" + folder + "/stderr";
    EXPECT_EQ(CommandExitStatus(std::system(command.c_str())), 0);
    std::ifstream errors(folder + "/stderr");
    const std::string said{std::istreambuf_iterator<char>(errors), std::istreambuf_iterator<char>()};
    EXPECT_NE(said.find("another copy holds the single-instance lock but does not answer"), std::string::npos)
        << said;
}
