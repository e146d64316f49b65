// The simulator's script language with the whole program behind it. The
// first byte picks one of the supported screens; the rest is a script, run
// on a freshly started program (its record folder empty) as stellarion-sim
// runs it, with the focus keys among its commands and shots encoded but
// written nowhere. After every command each state variable lies within its
// range, as the random-use test checks, and the focus is on a target.
#include "FuzzSupport.h"

#include "platform/canvas/Description.h"
#include "platform/canvas/DrawnTexts.h"
#include "platform/headless/Headless.h"
#include "shell/Shell.h"
#include "shell/core/State.h"
#include "tests/StateBounds.h"
#include "tools/stellarion-sim/Script.h"

#include <cstdint>
#include <sstream>

namespace {

constexpr int Screens[][2] = {{240, 320}, {320, 240}, {480, 640}, {640, 480}, {240, 240}, {480, 480},
                              {320, 320}, {240, 400}, {400, 240}, {480, 800}, {800, 480}};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("XDG_CONFIG_HOME", FuzzFolder().c_str(), 1);
    // What the commands print is not looked at; printing it is still run.
    if (!std::freopen("/dev/null", "w", stdout)) std::abort();
    PrepareScriptOutput();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const auto& screen = Screens[data[0] % (sizeof Screens / sizeof Screens[0])];
    // A record saved by the last input would change how this one starts.
    std::filesystem::remove_all(FuzzFolder() + "/Tessaline");
    ZeroState();
    HeadlessStart(screen[0], screen[1]);
    KeepDrawnTexts(true);
    HeadlessSetMessageBoxHook(PrintMessageBox);
    int code = 0;
    if (!StellarionStart() || !HeadlessRunPending(&code)) return 0;
    const double scale = ScaleFactor[0];
    const int extra = HeightExtra;
    std::istringstream script(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    std::wstring problem;
    for (std::string line; std::getline(script, line);) {
        const size_t start = line.find_first_not_of(" \t\r");
        if (start == std::string::npos || line[start] == '#') continue;
        const Outcome outcome = RunScriptLine(line.substr(start), false, &code, &problem);
        if (outcome != Outcome::Go) break;
        if (const std::string bad = StateOutOfBounds(scale, extra); !bad.empty())
            Finding("after \"" + line + "\": " + bad);
        if (KeyboardFocus() >= DescriptionCount()) Finding("after \"" + line + "\": the focus on no target");
    }
    return 0;
}
