// Tap targets: the rectangles the tap layer tests (layout units, bounds
// inclusive), defined once and used both to answer a tap and to describe
// the target beside the pixels (PlatformDescribeTarget), so that what is
// described is what a tap there does.
#pragma once

#include "platform/Platform.h"
#include "shell/core/Display.h"
#include "shell/core/State.h"

struct LayoutRect {
    int Left, Top, Right, Bottom;  // inclusive
};

inline bool Contains(const LayoutRect& r, int x, int y) {
    return x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom;
}

// A target on a surface: of a page or an entry panel (shifted like the
// page), or of a popup (never shifted).
void DescribeTargetOn(Surface surface, const LayoutRect& r, int role, const wchar_t* name,
                      int state = StateNone);
inline void DescribeTarget(const LayoutRect& r, int role, const wchar_t* name, int state = StateNone) {
    DescribeTargetOn(Surface::Page, r, role, name, state);
}
// A field the user enters a value in, of a page or a panel.
void DescribeField(const LayoutRect& r, const wchar_t* name, const wchar_t* value, int state);
// A group of choices (PlatformDescribeGroup) over the rectangle, of a page.
void DescribeGroup(const LayoutRect& r, const wchar_t* label);
// Where the heading, text or alert just published is drawn: the rectangle
// of its rows on a page or panel (shifted), or on a popup.
void DescribeBoxOn(Surface surface, const LayoutRect& r);
inline void DescribeBox(const LayoutRect& r) { DescribeBoxOn(Surface::Page, r); }
// A heading or a text, and where it is drawn, given as DrawTextBox takes
// it: left, top, right, bottom with right and bottom exclusive.
void DescribeHeadingAt(const wchar_t* text, int left, int top, int right, int bottom);
void DescribeTextAt(const wchar_t* text, int left, int top, int right, int bottom);
// StateOn or StateOff.
inline int Selected(bool on) { return on ? StateOn : StateOff; }

// The name of a control that shows a picture only: resources/texts/names/KEY.
const wchar_t* ControlName(const char* key);
// "sign-aries" … "sign-pisces": the sign's name and dates.
const wchar_t* SignChoiceName(int sign);

// The rectangles shared by several pages.
// The small Back icon in the top-right corner of the pickers and the
// birth-date page, by the layout's width.
LayoutRect CloseBoxRect();
// A corner button of the result view or the extras page: 33 x 29 units.
inline LayoutRect CornerButtonRect(LayoutPoint at) { return {at.X, at.Y, at.X + 32, at.Y + 28}; }
// The popups' close cross.
constexpr LayoutRect PopupCloseRect{212, 0, 232, 19};
