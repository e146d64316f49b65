#include "shell/core/Targets.h"

#include "resources/Signs.h"
#include "resources/Catalogue.h"
#include "shell/core/State.h"

#include <algorithm>
#include <cstdio>

namespace {

// The device pixels whose taps the tap layer converts into the rectangle:
// it halves on the double-size modes and then takes the shift off, so each
// layout unit stands for `scale` pixels. Cut to the screen.
void Describe(const LayoutRect& r, LayoutPoint shift, int role, const wchar_t* name, int state) {
    const int scale = DoubleResolution() ? 2 : 1;
    const PixelRect box{std::max(0, (r.Left + shift.X) * scale), std::max(0, (r.Top + shift.Y) * scale),
                        std::min(PlatformScreenWidth(), (r.Right + 1 + shift.X) * scale),
                        std::min(PlatformScreenHeight(), (r.Bottom + 1 + shift.Y) * scale)};
    PlatformDescribeTarget(box, role, name, state);
}

}  // namespace

void DescribeTarget(const LayoutRect& r, int role, const wchar_t* name, int state) {
    Describe(r, LayoutShift, role, name, state);
}

void DescribeTargetFixed(const LayoutRect& r, int role, const wchar_t* name, int state) {
    Describe(r, {0, 0}, role, name, state);
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
