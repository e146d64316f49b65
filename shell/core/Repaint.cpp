#include "shell/core/Repaint.h"

#include "platform/Platform.h"
#include "shell/core/Display.h"
#include "shell/core/State.h"

void InvalidateLayoutRect(int left, int top, int right, int bottom) {
    // Popups are drawn without the centring shift, so their areas are too.
    const LayoutPoint shift = PopupScreen != PopupNone ? LayoutPoint{0, 0} : LayoutShift;
    PlatformInvalidateRect(InvalidatedPixels(shift, left, top, right, bottom));
}

void RepaintRect(int left, int top, int right, int bottom) {
    InvalidateLayoutRect(left, top, right, bottom);
    PlatformUpdateWindow();
}

void RepaintBand(int height) {
    PlatformInvalidateRect(InvalidatedPixels({0, 0}, 0, 0, 240, height));
    PlatformUpdateWindow();
}

void RepaintPanelBand() {
    const bool tall = LayoutShift.Y == 40, wide = LayoutShift.X == 40;
    switch (DisplayMode) {
    case 1: case 3:
        tall ? RepaintRect(0, 260, 240, 400) : RepaintRect(0, 220, 240, 320);
        break;
    case 2: case 4:
        wide ? RepaintRect(-40, 140, 400, 240) : RepaintRect(0, 140, 320, 240);
        break;
    case 5: case 6:
        RepaintRect(0, 140, 240, 240);
        break;
    case 7:
        RepaintRect(0, 220, 320, 320);
        break;
    default:
        break;
    }
}

// The flag lives for this one paint only, which runs before the call
// returns: an area off the screen paints nothing, and a flag left set would
// stop every later paint from drawing the page.
void RepaintPanelOnly(int left, int top, int right, int bottom) {
    PanelOnly = 1;
    RepaintRect(left, top, right, bottom);
    PanelOnly = 0;
}

void RepaintPanelBandOnly() {
    PanelOnly = 1;
    RepaintPanelBand();
    PanelOnly = 0;
}

void RepaintAll() {
    PlatformInvalidateWindow();
    PlatformUpdateWindow();
}
