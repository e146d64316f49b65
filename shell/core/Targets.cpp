#include "shell/core/Targets.h"

#include "resources/Signs.h"
#include "resources/Catalogue.h"
#include "shell/core/State.h"

#include <algorithm>
#include <cstdio>

namespace {

// The device pixels whose taps the tap layer converts into the rectangle
// (PixelToLayout divides by the scale, then takes the shift off, so each
// layout unit stands for `scale` pixels), cut to the screen.
PixelRect PixelBox(const LayoutRect& r, Surface surface) {
    const PixelRect box = LayoutToPixels(SurfaceShift(surface), r.Left, r.Top, r.Right + 1, r.Bottom + 1);
    return {std::max(0, box.Left), std::max(0, box.Top), std::min(PlatformScreenWidth(), box.Right),
            std::min(PlatformScreenHeight(), box.Bottom)};
}

}  // namespace

void DescribeTargetOn(Surface surface, const LayoutRect& r, int role, const wchar_t* name, int state) {
    PlatformDescribeTarget(PixelBox(r, surface), role, name, state);
}

void DescribeField(const LayoutRect& r, const wchar_t* name, const wchar_t* value, int state) {
    PlatformDescribeField(PixelBox(r, Surface::Page), name, value, state);
}

void DescribeGroup(const LayoutRect& r, const wchar_t* label) {
    PlatformDescribeGroup(PixelBox(r, Surface::Page), label);
}

void DescribeBoxOn(Surface surface, const LayoutRect& r) { PlatformDescribeBox(PixelBox(r, surface)); }

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

LayoutRect CloseBoxRect() {
    const int right = 2 * LayoutMargin() + 240;
    return {right - 18, 0, right, 17};
}
