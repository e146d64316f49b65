// The description of the screen as the last paints published it (see
// PlatformDescribeLayer in platform/Platform.h), read by the backends: the
// web page mirrors it as accessible elements, the desktop window moves a
// keyboard focus over its targets, the simulator prints it. It is held in
// bounded lists, one per layer; what does not fit is left out.
#pragma once

#include "platform/Platform.h"

// Kinds 1 to 4 are what every reader shows. The later ones (each published by
// its own call of platform/Platform.h) are about the layer rather than on
// it: a reader that knows them uses them, any other passes them over.
//   ItemTitle   the place's name for a window or page title ("Leo and Pisces, Sex")
//   ItemStatus  a line to announce when it changes on the same screen
//   ItemScreen  a key naming the screen: another key, another screen
//   ItemGroup   a labelled group: the choices whose boxes lie within its box
//   ItemHint    how to use the layer without seeing it
enum DescribedKind : int {
    ItemHeading = 1, ItemText, ItemAlert, ItemTarget,
    ItemTitle, ItemStatus, ItemScreen, ItemGroup, ItemHint,
};

struct DescribedItem {
    int Kind;
    int Layer;
    int Role;           // targets only
    int State;          // targets only
    // Device pixels, right and bottom exclusive: a target's or a group's
    // box; a heading's, text's or alert's rows where the painter gave them
    // (PlatformDescribeBox), else empty.
    PixelRect Box;
    const wchar_t* Text;  // terminated; valid until the layer is described again
    const wchar_t* Value;  // a field's value (RoleField), else empty; valid as Text
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
// The layer's headings, texts, alerts and targets in reading order: its
// headings first, then by the rows where they are drawn, top to bottom
// and left to right (an item without a box goes just before the next one
// published with one); at most `capacity`, returns the count.
int ItemsInReadingOrder(int layer, int* indices, int capacity);
// The title of the topmost layer that has one, or null.
const wchar_t* DescribedTitle();
// The active layer's text, to copy or to read at leisure, is
// PlatformDescribedReading (platform/Platform.h).

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

// ---- The keyboard, as the desktop window answers it ------------------------------
// The desktop window and the simulator answer their keys here, so that a
// scripted key does what the same key does in the window.
// The keys beside typed text, by what they do.
enum DeviceKey : int {
    DeviceKeyTab = 1, DeviceKeyShiftTab, DeviceKeyEnter, DeviceKeySpace, DeviceKeyEscape,
    DeviceKeyLeft, DeviceKeyRight, DeviceKeyUp, DeviceKeyDown,
    DeviceKeyPageUp, DeviceKeyPageDown, DeviceKeyHome, DeviceKeyEnd,
};
// The focused target, an item of the description, or -1. After a repaint
// the focus stays on the same control where there is one, and is dropped
// otherwise; when the screen or popup that took it away closes, it comes
// back to the control that opened it.
int KeyboardFocus();
// A key going down. Tab and Shift+Tab move the focus in reading order,
// Enter and Space tap the focused target, Escape taps the back or close
// target, and the arrows move the focus within a grid of signs or keys; a
// tap is posted as a press and a release at the target's centre. A key the
// focus does not take (Enter with nothing focused, Up or Down outside a
// grid, the page keys) goes to the program as its message; Space then does
// nothing here, as the typed space follows. True when the focus took it.
bool PressDeviceKey(int key);
// A key going down, to the program whatever the focus: Enter types a
// return, the keys that scroll scroll.
void PostKeyToProgram(int key);
// A key going up: the program hears the release of the keys it scrolls by.
void ReleaseDeviceKey(int key);
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
