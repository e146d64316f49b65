// Screen classification into the seven layout classes, and the one mapping
// between layout units and device pixels that follows from it.
#pragma once

#include "platform/Platform.h"
#include "shell/core/State.h"

enum class ScreenMatch { Exact, Tall, Wide, Unsupported };

struct ScreenClass {
    unsigned Mode;      // 1 … 7, or 8 when unsupported
    ScreenMatch Match;
};

// Classifies a screen of w x h pixels.
ScreenClass ClassifyScreen(int w, int h);
// Once, before the window exists: mode, scale and title-bar cover; no shift.
// False (after the warning box) when the screen is not supported.
bool StartupClassification();
// At every paint and on screen changes: mode and shift only.
void RefreshClassification();

// ---- What the mode table says about the layout -----------------------------------
// True once a supported screen is classified (modes 1 … 7): only then has a
// page a layout.
inline bool HasLayout() { return DisplayMode >= 1 && DisplayMode <= 7; }
// A page's entry in its table of layouts, indexed by DisplayMode 1 … 7:
// the current mode's, or entry 0 (no layout) before a supported screen is
// classified.
template <typename Entry>
const Entry& InMode(const Entry (&layouts)[8]) {
    return layouts[HasLayout() ? DisplayMode : 0];
}
// The left margin of the 320-unit-wide layouts: the 240-unit design stands
// 40 units in (published as MarginX).
inline int LayoutMargin() { return WideLayout() ? 40 : 0; }
// The bands the centring shift opens beside the layout on a tall or a wide
// screen: above and below the 240 x 320 layout, left and right of the
// 320 x 240 one. (A shift outlives a turn to an exact size; the layouts that
// were not made for it open no band.)
inline bool TallBands() { return !WideLayout() && !ShortLayout() && LayoutShift.Y == 40; }
inline bool WideBands() { return WideLayout() && ShortLayout() && LayoutShift.X == 40; }

// Where a drawing or a target lands: a page and its entry panels move with
// the centring shift; a popup keeps to the window's top left.
enum class Surface { Page, Popup };
inline LayoutPoint SurfaceShift(Surface surface) {
    return surface == Surface::Page ? LayoutShift : LayoutPoint{0, 0};
}

// ---- Layout units and device pixels ---------------------------------------------
// Drawing and taps go by DisplayMode: a unit is two pixels in the
// double-resolution modes. A position of a page (`shift` = LayoutShift) is
// shifted before it is doubled, one of a popup (`shift` = {0, 0}) is not.
int UnitsToPixels(int units);
LayoutPoint LayoutToPixel(LayoutPoint point, LayoutPoint shift);
PixelRect LayoutToPixels(LayoutPoint shift, int left, int top, int right, int bottom);
// Where a tap at a device pixel lands: halved (integer division), then the
// shift taken off.
LayoutPoint PixelToLayout(int x, int y, LayoutPoint shift);
// The device pixels of an invalidated layout rectangle: scaled by
// ScaleFactor, which start-up fixed for the whole run, and truncated.
PixelRect InvalidatedPixels(LayoutPoint shift, int left, int top, int right, int bottom);
