// The simulator as a user drives it: a script in, lines and pictures out.
#include "Harness.h"

#include <cstdio>
#include <fstream>

namespace {

struct Result {
    int Status;
    std::string Output;
};

Result RunSimulator(const std::string& arguments, const std::string& script) {
    const std::string folder = TemporaryFolder();
    std::ofstream(folder + "/script") << script;
    const std::string command = std::string(STELLARION_SIM) + " --config-dir " + folder + " " +
                                arguments + " " + folder + "/script 2>&1";
    Result result{-1, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe)) result.Output += buffer;
    const int status = pclose(pipe);
    result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

}  // namespace

TEST(Simulator, StateShotAndQuit) {
    const std::string shot = TemporaryFolder() + "/menu.png";
    const Result r = RunSimulator("--screen 800x480",
                                  "# comment\n\nstate\nshot " + shot + "\ntap 690 8\ntap 1 1\n");
    EXPECT_EQ(r.Status, 0);
    EXPECT_NE(r.Output.find("DisplayMode=4\n"), std::string::npos);
    EXPECT_NE(r.Output.find("LayoutShift=40,0\n"), std::string::npos);
    EXPECT_NE(r.Output.find("BaseScreen=0\n"), std::string::npos);
    EXPECT_NE(r.Output.find("\nquit 0\n"), std::string::npos);
    std::ifstream png(shot, std::ios::binary);
    char magic[4] = {};
    png.read(magic, 4);
    EXPECT_EQ(std::string(magic + 1, 3), "PNG");
}

TEST(Simulator, UnsupportedScreenAndBadCommands) {
    Result r = RunSimulator("--screen 320x480", "state\n");
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Output, "messagebox: Warning!: This screen is not supported.\n");
    r = RunSimulator("", "state\ntap 10\n");
    EXPECT_EQ(r.Status, 2);
    EXPECT_NE(r.Output.find("line 2"), std::string::npos);
    r = RunSimulator("", "key left\n");
    EXPECT_EQ(r.Status, 2);
}
