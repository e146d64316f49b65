#include "shell/core/Repaint.h"

#include "platform/Platform.h"
#include "shell/core/Display.h"
#include "shell/core/State.h"

void InvalidateLayoutRect(int left, int top, int right, int bottom) {
    // While a popup is open, the area is the popup's.
    const Surface surface = PopupScreen != PopupNone ? Surface::Popup : Surface::Page;
    PlatformInvalidateRect(InvalidatedPixels(SurfaceShift(surface), left, top, right, bottom));
}

void RepaintRect(int left, int top, int right, int bottom) {
    InvalidateLayoutRect(left, top, right, bottom);
    PlatformUpdateWindow();
}

void RepaintBand(int height) {
    PlatformInvalidateRect(InvalidatedPixels(SurfaceShift(Surface::Popup), 0, 0, 240, height));
    PlatformUpdateWindow();
}

// The entry panels' band: the layout's lowest 100 units, across the layout
// and the bands the centring shift opens beside it (down to the one below).
void RepaintPanelBand() {
    if (!HasLayout()) return;
    const int across = WideBands() ? 40 : 0, down = TallBands() ? 40 : 0;
    const int width = WideLayout() ? 320 : 240, height = ShortLayout() ? 240 : 320;
    RepaintRect(-across, height - 100 + down, width + 2 * across, height + 2 * down);
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
