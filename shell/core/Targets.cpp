#include "shell/core/Targets.h"

#include "resources/Signs.h"
#include "resources/Catalogue.h"
#include "shell/core/State.h"

#include <algorithm>
#include <cstdio>

namespace {

// The device pixels whose taps the tap layer converts into the rectangle:
// it divides by the mode's scale and then takes the shift off
// (PixelToLayout), so each layout unit stands for `scale` pixels. Cut to
// the screen.
PixelRect PixelBox(const LayoutRect& r, LayoutPoint shift) {
    const int scale = CurrentDisplayMode().Scale;
    return {std::max(0, (r.Left + shift.X) * scale), std::max(0, (r.Top + shift.Y) * scale),
            std::min(PlatformScreenWidth(), (r.Right + 1 + shift.X) * scale),
            std::min(PlatformScreenHeight(), (r.Bottom + 1 + shift.Y) * scale)};
}

}  // namespace

void DescribeTarget(const LayoutRect& r, int role, const wchar_t* name, int state) {
    PlatformDescribeTarget(PixelBox(r, LayoutShift), role, name, state);
}

void DescribeTargetFixed(const LayoutRect& r, int role, const wchar_t* name, int state) {
    PlatformDescribeTarget(PixelBox(r, {0, 0}), role, name, state);
}

void DescribeField(const LayoutRect& r, const wchar_t* name, const wchar_t* value, int state) {
    PlatformDescribeField(PixelBox(r, LayoutShift), name, value, state);
}

void DescribeGroup(const LayoutRect& r, const wchar_t* label) {
    PlatformDescribeGroup(PixelBox(r, LayoutShift), label);
}

void DescribeBox(const LayoutRect& r) { PlatformDescribeBox(PixelBox(r, LayoutShift)); }

void DescribeBoxFixed(const LayoutRect& r) { PlatformDescribeBox(PixelBox(r, {0, 0})); }

// An empty text is not published, and so not placed either.
void DescribeHeadingAt(const wchar_t* text, int left, int top, int right, int bottom) {
    if (!text || !*text) return;
    PlatformDescribeHeading(text);
    DescribeBox({left, top, right - 1, bottom - 1});
}

void DescribeTextAt(const wchar_t* text, int left, int top, int right, int bottom) {
    if (!text || !*text) return;
    PlatformDescribeText(text);
    DescribeBox({left, top, right - 1, bottom - 1});
}

const wchar_t* ControlName(const char* key) {
    char path[64];
    std::snprintf(path, sizeof path, "names/%s", key);
    return CatalogueText(path);
}

const wchar_t* SignChoiceName(int sign) {
    if (sign < 1 || sign > SignCount) return L"";
    char key[32];
    std::snprintf(key, sizeof key, "sign-%s", SignSlug(sign));
    return ControlName(key);
}

LayoutRect CloseBoxRect() { return {2 * MarginX + 222, 0, 2 * MarginX + 240, 17}; }
