// The paged text view, shared by the result view and popups. Its scroll
// state is part of the program's state (shell/core/State.h).
#pragma once

#include "shell/core/State.h"
#include "shell/core/Targets.h"

// Where a view stands: `Rows` rows of 20 units from (X, Y), `Width` wide, in
// layout units of its form (a page's shifted, a popup's fixed).
struct TextViewPlace {
    int Rows, X, Y, Width;
};
// A screen's text view: fills PageText with the view's text and gives its
// place; false when the screen shows none. Painters, taps and the desktop's
// messages ask the same function, so that a tap needs no paint before it.
using TextViewSource = bool (*)(TextViewPlace* place);

// A view laid out: its box, how many lines its text makes (those past the
// last slot not counted), how far it scrolls and where its arrows take
// taps. The same text, width and scale always give the same layout.
struct TextViewLayout {
    TextViewRect Box;
    int Rows, Lines, MaxScroll;
    bool Scrolls;
    LayoutRect Up, Down;
};
// Lays out PageText (and empties it, as LayOutPageText does) for the place.
TextViewLayout LayOutTextView(const TextViewPlace& place);

// A tap (layout units of the view's form) offered to the scroll arrows of
// the source's view.
void ScrollTap(TextViewSource source, int x, int y);
// The up, down and page keys: a line, a page, or to either end.
void ScrollKey(TextViewSource source, int keyCode);

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
// the font SetTextFont(height, weight) makes (draw/Primitives.h); empties
// PageText and returns the number of lines (those past the last slot are
// counted, not kept).
int LayOutPageText(int height, int weight, int available);

// The lines of the last layout, 0-based, all of them (not only the rows
// shown); LaidOutLine gives an empty text past the end.
int LaidOutLineCount();
const wchar_t* LaidOutLine(int index);
// The text of the last layout as plain paragraphs: carriage returns and
// the blanks at paragraph ends dropped, each paragraph ended by '\n'. Cut to
// `capacity` and terminated; returns the length.
int LaidOutText(wchar_t* text, int capacity);
// When (x, y) (layout units of the view's own form) lies on the source's
// view and it scrolls: the centre of its up (direction -1) or down (+1)
// arrow, where a tap steps it.
bool ScrollArrowAt(TextViewSource source, int x, int y, int direction, int* arrowX, int* arrowY);

// Lays out PageText and draws the ruled view with its scroll bar at the
// place on the surface, and publishes its scroll state.
void DrawTextPageOn(DeviceContext* dc, Surface surface, const TextViewPlace& place);
inline void DrawTextPage(DeviceContext* dc, const TextViewPlace& place) {
    DrawTextPageOn(dc, Surface::Page, place);
}
