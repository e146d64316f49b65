// stellarion-sim: drives the real window procedure and paint path on the
// headless backend from a script, for tests, screenshots and automation.
//
//   stellarion-sim [--screen WxH] [--config-dir DIR] [SCRIPT]
//
// Commands, one per line: tap X Y | press X Y | release X Y | drag X Y |
// key tab | key shift-tab | key enter | key space | key escape | key left |
// key right | key up | key down | key pageup | key pagedown | key home | key end |
// screen W H | deactivate | activate | shot FILE | copy | state | text |
// page | describe. Lines starting with # and empty lines are ignored.
#include "tools/stellarion-sim/Script.h"

#include "platform/canvas/DrawnTexts.h"
#include "platform/headless/Headless.h"
#include "shell/Shell.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

bool ParseSize(const std::string& text, int* width, int* height) {
    char x = 0;
    std::istringstream in(text);
    return (in >> *width >> x >> *height) && x == 'x' && in.eof() && *width > 0 &&
           *height > 0 && *width <= 4096 && *height <= 4096;
}

// --config-dir stands in for $XDG_CONFIG_HOME, which the program takes only
// when it is absolute (as the XDG rules ask): a relative folder is made
// absolute here, or the record would go to the user's own ~/.config.
bool UseConfigFolder(const char* folder) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, error);
    if (error) {
        std::fprintf(stderr, "stellarion-sim: cannot find \"%ls\" from here: %s\n",
                     Escaped(std::string(folder)).c_str(), error.message().c_str());
        return false;
    }
    setenv("XDG_CONFIG_HOME", absolute.c_str(), 1);
    return true;
}

int Usage() {
    std::fprintf(stderr, "usage: stellarion-sim [--screen WxH] [--config-dir DIR] [SCRIPT]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    PrepareScriptOutput();
    int width = 240, height = 320;
    std::string script;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--screen" && i + 1 < argc) {
            if (!ParseSize(argv[++i], &width, &height)) return Usage();
        } else if (arg == "--config-dir" && i + 1 < argc && argv[i + 1][0]) {
            if (!UseConfigFolder(argv[++i])) return 2;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return Usage();
        } else if (script.empty()) {
            script = arg;
        } else {
            return Usage();
        }
    }
    std::ifstream file;
    if (!script.empty()) {
        file.open(script);
        if (!file) {
            std::fprintf(stderr, "stellarion-sim: cannot read \"%ls\"\n", Escaped(script).c_str());
            return 2;
        }
    }
    std::istream& input = script.empty() ? std::cin : file;

    HeadlessStart(width, height);
    KeepDrawnTexts(true);  // for the text command
    HeadlessSetMessageBoxHook(PrintMessageBox);
    int exitCode = 0;
    if (!StellarionStart()) return 1;
    if (!HeadlessRunPending(&exitCode)) {
        std::printf("quit %d\n", exitCode);
        return 0;
    }
    std::string line;
    std::wstring problem;
    for (int number = 1; std::getline(input, line); ++number) {
        const size_t start = line.find_first_not_of(" \t\r");
        if (start == std::string::npos || line[start] == '#') continue;
        switch (RunScriptLine(line.substr(start), true, &exitCode, &problem)) {
        case Outcome::Go:
            break;
        case Outcome::Quit:
            std::printf("quit %d\n", exitCode);
            return 0;
        case Outcome::Failed:
            std::fflush(stdout);
            std::fprintf(stderr, "stellarion-sim: line %d: %ls\n", number, problem.c_str());
            return 2;
        }
    }
    return 0;
}
