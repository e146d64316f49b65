#include "platform/Platform.h"
#include "shell/core/Display.h"
#include "shell/core/Settings.h"
#include "shell/Shell.h"
#include "shell/core/State.h"

namespace {

constexpr const char* WindowName = "Stellarion";

}  // namespace

bool StellarionStart() {
    if (!StartupClassification()) return false;
    if (PlatformFindRunningCopy(WindowName, WindowName)) {
        PlatformBringRunningCopyForward();
        return false;
    }
    if (!PlatformCreateWindow(WindowName, WindowName, WindowProcedureMain)) return false;
    const PixelRect rect = PlatformWindowRect();
    PlatformFullScreenRequest(FullScreenFlags);
    PlatformMoveWindow(rect.Left, rect.Top - HeightExtra, rect.Right, rect.Bottom + HeightExtra,
                       true);
    LoadSettings();
    PlatformSleep(50);
    PlatformShowWindow();
    return true;
}

int StellarionMain() {
    if (!StellarionStart()) return 0;
    PlatformMessage message{};
    while (PlatformGetMessage(&message)) PlatformDispatchMessage(message);
    return static_cast<int>(message.First);
}
