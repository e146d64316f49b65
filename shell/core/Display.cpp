#include "shell/core/Display.h"

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
    ScaleFactor[0] = ScaleFactor[1] = CurrentDisplayMode().Scale;
    HeightExtra = PlatformCaptionHeight() + CurrentDisplayMode().TitleCover;
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

int UnitsToPixels(int units) { return CurrentDisplayMode().Scale * units; }

LayoutPoint LayoutToPixel(LayoutPoint point, LayoutPoint shift) {
    return {UnitsToPixels(point.X + shift.X), UnitsToPixels(point.Y + shift.Y)};
}

PixelRect LayoutToPixels(LayoutPoint shift, int left, int top, int right, int bottom) {
    const LayoutPoint topLeft = LayoutToPixel({left, top}, shift);
    const LayoutPoint bottomRight = LayoutToPixel({right, bottom}, shift);
    return {topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
}

LayoutPoint PixelToLayout(int x, int y, LayoutPoint shift) {
    const int scale = CurrentDisplayMode().Scale;
    return {x / scale - shift.X, y / scale - shift.Y};
}

PixelRect InvalidatedPixels(LayoutPoint shift, int left, int top, int right, int bottom) {
    const auto scaledX = [](int x) { return static_cast<int>(x * ScaleFactor[0]); };
    const auto scaledY = [](int y) { return static_cast<int>(y * ScaleFactor[1]); };
    return {scaledX(left + shift.X), scaledY(top + shift.Y), scaledX(right + shift.X),
            scaledY(bottom + shift.Y)};
}
