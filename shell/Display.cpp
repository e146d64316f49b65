#include "shell/Display.h"

#include "platform/Platform.h"
#include "shell/State.h"

ScreenClass ClassifyScreen(int w, int h) {
    constexpr ScreenClass unsupported{8, ScreenMatch::Unsupported};
    bool tryWide = false;
    if (w == 240) {
        if (h == 320) return {1, ScreenMatch::Exact};
        if (h == 240) return {5, ScreenMatch::Exact};
        if (h > 320) return {1, ScreenMatch::Tall};
        return unsupported;
    }
    if (w == 320) {
        if (h == 240) return {2, ScreenMatch::Exact};
        if (h == 320) return {7, ScreenMatch::Exact};
        return unsupported;
    }
    if (w == 480) {
        if (h == 640) return {3, ScreenMatch::Exact};
        if (h == 480) return {6, ScreenMatch::Exact};
        tryWide = true;
    } else if (w == 640) {
        if (h == 480) return {4, ScreenMatch::Exact};
        tryWide = true;
    } else {
        tryWide = w > 320;
    }
    if (tryWide && h == 240) return {2, ScreenMatch::Wide};
    if (w == 480 && h > 640) return {3, ScreenMatch::Tall};
    if (w > 640 && h == 480) return {4, ScreenMatch::Wide};
    return unsupported;
}

bool StartupClassification() {
    ScreenWidth = PlatformScreenWidth();
    ScreenHeight = PlatformScreenHeight();
    const ScreenClass found = ClassifyScreen(ScreenWidth, ScreenHeight);
    DisplayMode = found.Mode;
    LayoutShift = {0, 0};
    if (found.Match == ScreenMatch::Unsupported) {
        PlatformMessageBox("This screen is not supported.", "Warning!");
        return false;
    }
    const double scale = DoubleResolution() ? 2.0 : 1.0;
    ScaleFactor[0] = ScaleFactor[1] = scale;
    const int caption = PlatformCaptionHeight();
    HeightExtra = caption + (DoubleResolution() ? 6 : DisplayMode == 7 ? 4 : 3);
    return true;
}

void RefreshClassification() {
    ScreenWidth = PlatformScreenWidth();
    ScreenHeight = PlatformScreenHeight();
    const ScreenClass found = ClassifyScreen(ScreenWidth, ScreenHeight);
    if (found.Match == ScreenMatch::Unsupported) return;
    DisplayMode = found.Mode;
    if (found.Match == ScreenMatch::Tall) LayoutShift = {0, 40};
    if (found.Match == ScreenMatch::Wide) LayoutShift = {40, 0};
}
