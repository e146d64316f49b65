// Tap targets: the rectangles the tap layer tests (layout units, bounds
// inclusive), defined once and used both to answer a tap and to describe
// the target beside the pixels (PlatformDescribeTarget), so that what is
// described is what a tap there does.
#pragma once

#include "platform/Platform.h"
#include "shell/core/State.h"

struct LayoutRect {
    int Left, Top, Right, Bottom;  // inclusive
};

inline bool Contains(const LayoutRect& r, int x, int y) {
    return x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom;
}

// A target of a page or an entry panel (shifted like the page), or of a
// popup (fixed: never shifted).
void DescribeTarget(const LayoutRect& r, int role, const wchar_t* name, int state = StateNone);
void DescribeTargetFixed(const LayoutRect& r, int role, const wchar_t* name, int state = StateNone);
// StateOn or StateOff.
inline int Selected(bool on) { return on ? StateOn : StateOff; }

// The name of a control that shows a picture only: resources/texts/names/KEY.
const wchar_t* ControlName(const char* key);
// "sign-aries" … "sign-pisces": the sign's name and dates.
const wchar_t* SignChoiceName(int sign);

// The rectangles shared by several pages.
// The small Back icon in the top-right corner of the pickers and the
// birth-date page.
LayoutRect CloseBoxRect();
// A corner button of the result view or the extras page: 33 x 29 units.
inline LayoutRect CornerButtonRect(LayoutPoint at) { return {at.X, at.Y, at.X + 32, at.Y + 28}; }
// The popups' close cross.
constexpr LayoutRect PopupCloseRect{212, 0, 232, 19};
