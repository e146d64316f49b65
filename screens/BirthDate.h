// The birth date shared by the numerology page and the extras page.
#pragma once

#include "shell/core/State.h"

struct DeviceContext;

// Where the numerology page's controls stand in the current display mode
// (layout units): the date row (its x and top), the Next button and the
// topic menu.
struct BirthDateAnchors {
    LayoutPoint DateRow, Next, Menu;
};
BirthDateAnchors BirthDateLayout();

// The number a date text stands for: a four-character text's value + 1
// (so that subtracting 1 gives the year), "0" … "31" and "01" … "09" as
// written, anything else 0.
int ParseDatePart(const wchar_t* text);
// Gives the date texts their defaults, 24 / 1 / 2010 with the day selected,
// when the day text is empty.
void DefaultBirthDate();
// Reads the three texts into DayIndex, MonthIndex and BirthYear.
void ParseBirthDate();
// The three date boxes at (x + 38 …, top) with the selected one highlighted.
void DrawDateBoxes(DeviceContext* dc, int x, int top);
// The date box under a tap: 1 day, 2 month, 3 year, 0 none.
int DateBoxAt(int x, int top, int tapX, int tapY);
// A tap on date box `box`: a second tap on the selected box opens the
// keyboard on it, a first one selects it.
void SelectDateBox(int box, int x, int top);

void DrawBirthDatePage(DeviceContext* dc);
void BirthDateTap(int x, int y);
// Where the extras page's date row stands in the current display mode.
LayoutPoint ExtrasDateRow();
void DrawExtrasMenu(DeviceContext* dc);
void ExtrasMenuTap(int x, int y);
