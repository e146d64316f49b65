// The real desktop program's start against a bad environment: it must run
// on the default screen or end cleanly, never crash or linger.
#include "platform/posix/SingleInstance.h"
#include "tests/TestSupport.h"

#include "Harness.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

struct Outcome {
    int Status;          // the shell's $?: 137 when still running and killed
    std::string Errors;  // standard error
};

// Starts the program with `environment` and kills it after two seconds if
// it is still running then; with `inject`, under strace with those system
// calls failing (see WithFailingCall; the trace goes to folder/trace).
Outcome StartDesktop(const std::string& folder, const std::string& environment,
                     const std::string& inject = "") {
    const std::string errors = folder + "/stderr";
    std::string program = std::string("timeout -s KILL 2 ") + STELLARION_APP;
    if (!inject.empty()) program = WithFailingCall(inject, folder + "/trace", program);
    const std::string command = "XDG_RUNTIME_DIR=" + folder + " XDG_CONFIG_HOME=" + folder + " " +
                                environment + " " + program + " 2>" + errors;
    const int status = std::system(command.c_str());
    std::ifstream file(errors);
    return {CommandExitStatus(status),
            {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()}};
}

}  // namespace

// Before, the half-parsed numbers were kept: a negative width aborted, a
// huge one asked for gigabytes, and 0x0 or 5000x5000 ended with "This
// screen is not supported." although the message promised 480x640.
TEST(DesktopStart, ABadScreenVariableRunsTheDefaultScreen) {
    for (const char* bad : {"-240x320", "2147483647x2", "0x0", "5000x5000", "garbage"}) {
        const Outcome run = StartDesktop(TemporaryFolder(), std::string("SDL_VIDEODRIVER=dummy STELLARION_SCREEN=") + bad);
        EXPECT_EQ(run.Status, 137) << bad << ": " << run.Errors;  // running until killed
        EXPECT_NE(run.Errors.find("using 480x640"), std::string::npos) << bad;
    }
}

// A window that cannot be had ends the program with a message and a
// failure status, and leaves the single-instance lock free for the next.
TEST(DesktopStart, NoWindowEndsTheProgramAndFreesTheLock) {
    const std::string folder = TemporaryFolder();
    const Outcome run = StartDesktop(folder, "SDL_VIDEODRIVER=none-such STELLARION_SCREEN=240x320");
    EXPECT_EQ(run.Status, 1) << run.Errors;
    EXPECT_NE(run.Errors.find("cannot open a window"), std::string::npos) << run.Errors;
    int listener = -1;
    EXPECT_TRUE(SingleInstanceClaim(folder, &listener));
}

// From a terminal without a display SDL would settle for a driver that
// shows nothing: the copy ran unseen for ever, held the lock and made the
// record's folder. It must end by itself (not killed after two seconds),
// say why, and leave the folders as they were.
TEST(DesktopStart, NoDisplayEndsAtOnceAndMakesNothing) {
    const std::string folder = TemporaryFolder();
    const Outcome run = StartDesktop(
        folder, "STELLARION_SCREEN=240x320 env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER");
    EXPECT_EQ(run.Status, 1) << run.Errors;
    EXPECT_NE(run.Errors.find("no display"), std::string::npos) << run.Errors;
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        left.push_back(entry.path().filename());
    EXPECT_EQ(left, std::vector<std::string>{"stderr"});
    int listener = -1;
    EXPECT_TRUE(SingleInstanceClaim(folder, &listener));
}

// A lock or socket that fails for another reason than a running copy is
// said on standard error, and the program runs without the one-copy rule
// instead of ending in silence as if a copy were running.
TEST(DesktopStart, ALockOrSocketThatFailsIsSaidAndTheProgramRunsAlone) {
    constexpr const char* Display = "SDL_VIDEODRIVER=dummy STELLARION_SCREEN=240x320";
    // A private folder whose socket address would not fit.
    const std::string folder = TemporaryFolder(), deep = folder + "/" + std::string(90, 'd');
    std::filesystem::create_directory(deep);
    std::filesystem::permissions(deep, std::filesystem::perms::owner_all);
    Outcome run = StartDesktop(folder, Display + std::string(" XDG_RUNTIME_DIR=") + deep);
    EXPECT_EQ(run.Status, 137) << run.Errors;  // running until killed
    EXPECT_NE(run.Errors.find("single-instance socket cannot be opened (File name too long); "
                              "a second start will open a second window"),
              std::string::npos)
        << run.Errors;

    const std::string other = TemporaryFolder();
    run = StartDesktop(other, Display, "flock:error=ENOLCK");
    std::ifstream trace(other + "/trace");
    if (trace.peek() == std::ifstream::traits_type::eof()) GTEST_SKIP() << "the program cannot run under strace here";
    EXPECT_EQ(run.Status, 137) << run.Errors;
    EXPECT_NE(run.Errors.find("single-instance lock cannot be taken (No locks available)"), std::string::npos)
        << run.Errors;
}
