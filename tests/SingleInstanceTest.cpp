// A second start of the real program hands off to the running copy.
#include "platform/SingleInstance.h"

#include "Harness.h"

#include <cstdlib>

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
}
