// The description of the screen as the last paints published it (see
// PlatformDescribeLayer in platform/Platform.h), read by the backends: the
// web page mirrors it as accessible elements, the desktop window moves a
// keyboard focus over its targets, the simulator prints it. It is held in
// bounded lists, one per layer; what does not fit is left out.
#pragma once

#include "platform/Platform.h"

enum DescribedKind : int { ItemHeading = 1, ItemText, ItemAlert, ItemTarget };

struct DescribedItem {
    int Kind;
    int Layer;
    int Role;           // targets only
    int State;          // targets only
    PixelRect Box;      // targets only: device pixels, right and bottom exclusive
    const wchar_t* Text;  // terminated; valid until the layer is described again
};

// On unless a measure turns it off: then every publishing call does nothing.
void KeepDescription(bool keep);
// Counts every change, so that a reader knows when to read again.
unsigned DescriptionVersion();
// The items of every layer, the page's first, each layer in publishing order.
int DescriptionCount();
const DescribedItem& DescriptionAt(int index);
// The layer that takes taps now: the topmost that has items.
int ActiveLayer();

// ---- Moving a keyboard focus over the targets of the active layer -----------------
// Focus values are item indices; -1 is no focus.
// The targets in reading order, top to bottom and left to right; their count.
int TargetsInReadingOrder(int* indices, int capacity);
// The next (step +1) or previous (-1) target in reading order, wrapping
// round; from no focus, the first or the last.
int FocusStep(int focus, int step);
// The nearest target of the focus's role whose centre lies in the direction
// (dx, dy), one of them 0: the arrow keys in a grid of signs or keys. The
// focus itself when there is none.
int FocusToward(int focus, int dx, int dy);
// The active layer's back or close target, or -1.
int EscapeTarget();
// The active layer's first target of the role, or -1.
int TargetWithRole(int role);
// The active target with this box, or -1: the same control after a repaint
// (its name may change with it, as a key's with Shift).
int FindTarget(const PixelRect& box);
// Where a tap on the target lands: the centre of its box.
void TargetCentre(int index, int* x, int* y);

// ---- Forgiving touches ---------------------------------------------------------------
// A finger covers more than it aims at: a touch at (x, y) that hits no
// target of the active layer but lies within `reach` device pixels of one
// lands at the nearest point inside the nearest such target. True when it
// moved (*x, *y changed); a touch inside a target, or near none, stays.
bool ForgiveTouch(int reach, int* x, int* y);
// The pointer in contact as the backends pass it on: its press at (x, y)
// forgiven within `reach` (0 for a mouse or a pen, which aim exactly), and
// its moves and release carried by the same shift, so that a tap pressed
// beside a row is also released on it.
void PointerPressed(int reach, int* x, int* y);
void PointerFollows(int* x, int* y);
