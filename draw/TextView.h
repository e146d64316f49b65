// The paged text view's scroll state, shared by the result view and popups.
#pragma once

struct TextViewRect {
    int X, Y, Width, Height;  // layout units of the last layout
};

extern int ScrollOffset, MaxScrollOffset, LineCount, ScrollStarted;
extern unsigned char ScrollActive;
extern TextViewRect ViewRect;

// A tap (layout units) offered to the scroll arrows.
void ScrollTap(int x, int y);
// The hardware up and down keys of a popup: one line up or down.
void ScrollKey(int keyCode);
// The next layout starts from the top.
void ResetScroll();
