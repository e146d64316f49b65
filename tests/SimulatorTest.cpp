// The simulator as a user drives it: a script in, lines and pictures out.
#include "tests/TestSupport.h"

#include "Harness.h"

#include <cstdio>
#include <fstream>
#include <iterator>

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
    r = RunSimulator("", "key f1\n");
    EXPECT_EQ(r.Status, 2);
}

TEST(Simulator, TextAndPageShowTheWords) {
    // Zodiac Signs, Aries, General Information.
    const Result r = RunSimulator("", "tap 52 265\ntap 20 104\ntap 20 90\ntext\npage\n");
    EXPECT_EQ(r.Status, 0);
    const size_t page = r.Output.find("\n\n");
    ASSERT_NE(page, std::string::npos);
    const std::string texts = r.Output.substr(0, page + 1);
    EXPECT_NE(texts.find("10,9,130,14 0000FF \"About Aries:\"\n"), std::string::npos) << texts;
    EXPECT_NE(texts.find(" 000000 \"The Ram\\r \"\n"), std::string::npos) << texts;
    // Eight rows are drawn; the page holds every line of the reading.
    const std::string lines = r.Output.substr(page + 2);
    EXPECT_EQ(lines.rfind("\"The Ram\\r \"\n\"March 21 to April 19\\r \"\n", 0), 0u) << lines;
    EXPECT_NE(lines.find("\"simply by going first.  \"\n\n"), std::string::npos) << lines;
    EXPECT_EQ(lines.substr(lines.size() - 2), "\n\n");

    // Words beyond ASCII come out as UTF-8 (Mars, Aries' ruling planet).
    const Result mars = RunSimulator("", "tap 52 265\ntap 20 104\ntap 60 194\npage\n");
    EXPECT_NE(mars.Output.find("\"Mean temperature: -65 \u00b0C\\r \"\n"), std::string::npos) << mars.Output;

    // A popup's texts are drawn without the centring shift.
    const Result help = RunSimulator("--screen 240x400", "tap 207 45\ntext\n");
    EXPECT_EQ(help.Output.rfind("0,6,240,19 FFFFFF \"Help\"\n", 0), 0u) << help.Output;
}

// The focus keys act as the window's: Shift+Tab from nothing rings the last
// control in reading order and Tab wraps round from it, Enter taps the
// ringed control and Escape the close control; where the focus takes
// neither, Space and Enter are typed on the open keyboard.
TEST(Simulator, KeysActAsInTheWindow) {
    Result r = RunSimulator("", "key shift-tab\ndescribe\nkey tab\nkey tab\nkey enter\nstate\nkey escape\nstate\n");
    EXPECT_EQ(r.Status, 0);
    EXPECT_NE(r.Output.find("page target 32,290,177,16 button \"Extras\" focused\n"), std::string::npos) << r.Output;
    const size_t help = r.Output.find("PopupScreen=5\n");
    EXPECT_NE(help, std::string::npos) << r.Output;
    EXPECT_NE(r.Output.find("PopupScreen=0\n", help), std::string::npos) << r.Output;

    // Numerology, the day box twice: the keyboard opens on "24".
    const std::string keyboard = "tap 100 280\ntap 58 196\ntap 58 196\n";
    r = RunSimulator("", keyboard + "key space\nstate\nkey enter\ndescribe\n");
    EXPECT_NE(r.Output.find("EditText=24e \n"), std::string::npos) << r.Output;
    EXPECT_NE(r.Output.find("panel alert 0,227,240,23 \"Write from 1 to 31.\"\n"), std::string::npos) << r.Output;
    // With the edit field ringed Space taps it, and the arrows pass it by.
    r = RunSimulator("", keyboard + "key tab\nkey right\ndescribe\nkey space\nstate\n");
    EXPECT_NE(r.Output.find("field \"Day\" = \"24e\" off focused\n"), std::string::npos) << r.Output;
    EXPECT_NE(r.Output.find("EditText=24e\n"), std::string::npos) << r.Output;
}

// A popup or a reading opened from the keyboard gives the focus back to the
// control that opened it when it closes, also after a detour through
// another focused control (the report's Back).
TEST(Simulator, FocusComesBackToTheOpener) {
    Result r = RunSimulator("", "key tab\nkey tab\nkey enter\nstate\nkey escape\ndescribe\n");
    EXPECT_NE(r.Output.find("PopupScreen=5\n"), std::string::npos) << r.Output;
    EXPECT_NE(r.Output.find("button \"Help\" focused\n"), std::string::npos) << r.Output;
    // Zodiac Signs, Aries, the second topic, and back by the report's Back.
    const std::string topics = "tap 52 265\ntap 20 104\nkey tab\nkey tab\nkey tab\nkey enter\n";
    for (const char* back : {"key escape\n", "key shift-tab\nkey enter\n"}) {
        r = RunSimulator("", topics + "state\n" + back + "state\ndescribe\n");
        EXPECT_NE(r.Output.find("BaseScreen=6\n"), std::string::npos) << back;
        EXPECT_NE(r.Output.find("BaseScreen=3\n"), std::string::npos) << back;
        EXPECT_NE(r.Output.find("button \"About Love\" focused\n"), std::string::npos) << back << r.Output;
    }
}

TEST(Simulator, UnwritableShotFailsNamingItsLine) {
    const std::string missing = TemporaryFolder() + "/no/such/folder/x.png";
    for (const std::string& path : {missing, std::string("/dev/full")}) {
        const Result r = RunSimulator("", "state\nshot " + path + "\nstate\n");
        EXPECT_EQ(r.Status, 2) << path;
        EXPECT_NE(r.Output.find("line 2: cannot write \"" + path + "\""), std::string::npos) << r.Output;
        // Nothing after the failed line runs.
        EXPECT_EQ(r.Output.find("BaseScreen="), r.Output.rfind("BaseScreen=")) << r.Output;
    }
}

TEST(Simulator, MessagesNeverEchoControlCharacters) {
    const Result r = RunSimulator("", "tap 1 \x1b[2J\x07\n");
    EXPECT_EQ(r.Status, 2);
    EXPECT_NE(r.Output.find("line 1: cannot understand \"tap 1 \\x1B[2J\\x07\""), std::string::npos)
        << r.Output;
    EXPECT_EQ(r.Output.find('\x1b'), std::string::npos);
}

// The program rightly ignores a relative $XDG_CONFIG_HOME; a relative
// --config-dir is taken from where the simulator runs, never left for the
// program to drop in favour of the user's own ~/.config.
TEST(Simulator, RelativeConfigFolderIsTakenFromWhereItRuns) {
    const std::string here = TemporaryFolder(), home = TemporaryFolder();
    std::ofstream(here + "/exit") << "tap 221 2\n";
    const std::string command = "cd " + here + " && env -u XDG_CONFIG_HOME HOME=" + home + " " +
                                STELLARION_SIM + " --config-dir relative exit >out 2>&1";
    EXPECT_EQ(CommandExitStatus(std::system(command.c_str())), 0);
    std::ifstream out(here + "/out");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(out), {}), "quit 0\n");
    std::error_code missing;
    EXPECT_EQ(std::filesystem::file_size(here + "/relative/Tessaline/Corvanta/Stellarion/GameValues", missing), 40u);
    EXPECT_TRUE(std::filesystem::is_empty(home));
}
