// The paged text view, shared by the result view and popups. Its scroll
// state is part of the program's state (shell/core/State.h).
#pragma once

#include "shell/core/State.h"

// A tap (layout units) offered to the scroll arrows.
void ScrollTap(int x, int y);
// The hardware up and down keys of a popup: one line up or down.
void ScrollKey(int keyCode);

// ---- Source text and layout ----------------------------------------------------
constexpr int PageTextCapacity = 2060;  // characters, terminator included
constexpr int WordSlots = 400, LineSlots = 100, SlotCapacity = 256;

extern wchar_t PageText[PageTextCapacity];
extern wchar_t PageLines[LineSlots][SlotCapacity];  // used from index 1

struct DeviceContext;

void ClearPageText();
// Appends the string and one space; what does not fit is left out.
void AppendPageText(const wchar_t* text);
// Splits PageText into words and lines no wider than `available` pixels in
// the font selected into dc; empties PageText and returns the number of
// lines (those past the last slot are counted, not kept).
int LayOutPageText(DeviceContext* dc, int available);

// The lines of the last layout, 0-based, all of them (not only the rows
// shown); LaidOutLine gives an empty text past the end.
int LaidOutLineCount();
const wchar_t* LaidOutLine(int index);
// The text of the last layout as plain paragraphs: carriage returns and
// the blanks at paragraph ends dropped, each paragraph ended by '\n'. Cut to
// `capacity` and terminated; returns the length.
int LaidOutText(wchar_t* text, int capacity);
// When (x, y) (layout units of the view's own form) lies on the last laid
// out view and it scrolls: the centre of its up (direction -1) or down
// (+1) arrow, where a tap steps it.
bool ScrollArrowAt(int x, int y, int direction, int* arrowX, int* arrowY);

// Lays out PageText and draws the ruled view of `rows` rows with its scroll
// bar at (x, y), `width` wide (layout units); page form.
void DrawTextPage(int rows, DeviceContext* dc, int x, int y, int width);
// The same in the fixed form, for popups.
void DrawTextPageFixed(int rows, DeviceContext* dc, int x, int y, int width);
