#include "platform/SingleInstance.h"

#include "Harness.h"

#include <sys/wait.h>
#include <unistd.h>

TEST(SingleInstance, SecondCopyHandsOffToTheFirst) {
    const std::string folder = TemporaryFolder();
    int listener = -1;
    ASSERT_TRUE(SingleInstanceClaim(folder, &listener));
    ASSERT_GE(listener, 0);
    EXPECT_FALSE(SingleInstanceTakeRequest(listener));

    // The second copy runs in its own process, as a second start would.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        int second = -1;
        const bool first = SingleInstanceClaim(folder, &second);
        const bool asked = !first && SingleInstanceRequestForward(folder);
        _exit(asked ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(SingleInstanceTakeRequest(listener));
    EXPECT_FALSE(SingleInstanceTakeRequest(listener));
}

TEST(SingleInstance, NobodyAnswersWhenNoCopyRuns) {
    EXPECT_FALSE(SingleInstanceRequestForward(TemporaryFolder()));
}
