// The compatibility picker: "I am" and "My lover is" sign grids and the
// Match button that opens the report for the ordered pair.
#include "draw/Primitives.h"
#include "resources/Signs.h"
#include "screens/Screens.h"
#include "shell/core/Navigation.h"
#include "shell/core/Repaint.h"
#include "shell/core/State.h"
#include "shell/core/Targets.h"

#include <cwchar>

namespace {

struct PickerLayout {
    LayoutPoint Title, MyGrid, LoverGrid, Match;
    int LabelTop, LabelBottom;  // the grids' label boxes, from the grid's top
};

// Indexed by DisplayMode 1 … 7 (0: no layout).
constexpr PickerLayout Layouts[8] = {
    {},
    {{12, 20}, {0, 90}, {0, 200}, {75, 296}, -20, 0},
    {{52, 0}, {40, 44}, {40, 140}, {124, 225}, -13, 10},
    {{12, 20}, {0, 90}, {0, 200}, {75, 296}, -20, 0},
    {{52, 0}, {40, 44}, {40, 140}, {124, 225}, -13, 10},
    {{12, 0}, {0, 44}, {0, 140}, {84, 225}, -13, 10},
    {{12, 0}, {0, 44}, {0, 140}, {84, 225}, -13, 10},
    {{52, 20}, {40, 90}, {40, 200}, {124, 296}, -20, 0},
};

// The picker's layout in the current display mode: the painter draws at
// it and publishes it (MyRow, LoverRow, ButtonSlot1), taps and the
// description read it.
const PickerLayout& Layout() { return InMode(Layouts); }

void DrawGrid(DeviceContext* dc, bool mine, LayoutPoint at) {
    const PicturePair grid = mine ? PictureCompatGridMe : PictureCompatGridLover;
    if (DoubleResolution()) DrawBitmap(dc, grid.Large, 480, 165, at.X, at.Y);
    else DrawBitmap(dc, grid.Small, 240, 83, at.X, at.Y);
}

// Redraws the grid, which wipes any earlier ring, and rings sign k.
void DrawHighlight(DeviceContext* dc, bool mine, int sign) {
    const LayoutPoint grid = mine ? Layout().MyGrid : Layout().LoverGrid;
    DrawGrid(dc, mine, grid);
    constexpr int offsets[6] = {3, 44, 84, 125, 165, 204};
    const int column = sign <= 6 ? sign : sign - 6;
    if (column < 1 || column > 6) return;
    const int x = grid.X + offsets[column - 1], y = grid.Y + (sign <= 6 ? 0 : 43);
    if (DoubleResolution()) DrawKeyedBitmap(dc, PictureCompatRing.Large, 65, 54, x, y, 255, 204, 255);
    else DrawKeyedBitmap(dc, PictureCompatRing.Small, 32, 27, x, y, 255, 204, 255);
    (mine ? PairMySign : PairLoverSign) = sign;
}

void DrawLabel(DeviceContext* dc, const wchar_t* text, LayoutPoint grid, const PickerLayout& layout) {
    DrawTextBox(dc, text, 142, 4, 4, 0, 0, 0, grid.X + 5, grid.Y + layout.LabelTop, grid.X + 240,
                grid.Y + layout.LabelBottom, 1, 0);
    DescribeTextAt(text, grid.X + 5, grid.Y + layout.LabelTop, grid.X + 240, grid.Y + layout.LabelBottom);
}

// Sign k's cell of a grid: six columns, each up to its right end from the
// grid's left; the top row (signs 1 … 6) down to 40 and the bottom row
// (7 … 12) to 83 from the grid's top.
LayoutRect GridCellRect(LayoutPoint grid, int sign) {
    constexpr int ends[6] = {40, 80, 121, 161, 200, 240};
    const int column = (sign - 1) % 6, top = sign <= 6 ? 0 : 41, bottom = sign <= 6 ? 40 : 83;
    const int left = column == 0 ? 0 : ends[column - 1] + 1;
    return {grid.X + left, grid.Y + top, grid.X + ends[column], grid.Y + bottom};
}

bool GridTap(LayoutPoint grid, int x, int y, int* choice) {
    for (int sign = 1; sign <= 12; ++sign) {
        if (!Contains(GridCellRect(grid, sign), x, y)) continue;
        *choice = sign;
        InvalidateLayoutRect(grid.X, grid.Y, grid.X + 240, grid.Y + 83);
        return true;
    }
    return false;
}

LayoutRect MatchRect() {
    const LayoutPoint match = Layout().Match;
    return {match.X, match.Y, match.X + 90, match.Y + 15};
}

// One sign of each grid is chosen: a group of choices named by its label.
void DescribeGrid(LayoutPoint grid, int choice, const wchar_t* label) {
    DescribeGroup({grid.X, grid.Y, grid.X + 239, grid.Y + 82}, label);
    for (int sign = 1; sign <= 12; ++sign)
        DescribeTarget(GridCellRect(grid, sign), RoleChoice, SignChoiceName(sign), Selected(sign == choice));
}

}  // namespace

void DrawCompatibilityPicker(DeviceContext* dc) {
    ReportPage = 1;
    if (!HasLayout()) return;
    SetTextFont(L"Tahoma", 13, 700);
    const FontHandle previous = PlatformSelectFont(dc, CurrentFont());
    const PickerLayout& layout = Layout();
    MyRow = layout.MyGrid;
    LoverRow = layout.LoverGrid;
    ButtonSlot1 = layout.Match;
    MarginX = LayoutMargin();
    FillLayoutArea(dc, 153, 204, 255);
    DrawPicturePair(dc, PictureCompatTitle, 213, 41, layout.Title.X, layout.Title.Y);
    DescribeHeadingAt(L"Matchmaker by Sign: choose two signs", layout.Title.X, layout.Title.Y,
                      layout.Title.X + 213, layout.Title.Y + 41);
    PlatformDescribeTitle(ControlName("section-1"));
    wchar_t chosen[96];
    std::swprintf(chosen, 96, L"I am %ls, my lover is %ls", SignName(MySignChoice), SignName(LoverSignChoice));
    PlatformDescribeStatus(chosen);
    DrawLabel(dc, L"I am:", layout.MyGrid, layout);
    DrawGrid(dc, true, layout.MyGrid);
    DescribeGrid(layout.MyGrid, MySignChoice, L"I am");
    DrawLabel(dc, L"My lover is: (Or someone close to you)", layout.LoverGrid, layout);
    DrawGrid(dc, false, layout.LoverGrid);
    DescribeGrid(layout.LoverGrid, LoverSignChoice, L"My lover is");
    DrawPicturePair(dc, PictureCompatMatch, 90, 15, layout.Match.X, layout.Match.Y);
    DescribeTarget(MatchRect(), RoleButton, ControlName("match"));
    DrawSmallBackIcon(dc);
    if (MySignChoice > 0) DrawHighlight(dc, true, MySignChoice);
    if (LoverSignChoice > 0) DrawHighlight(dc, false, LoverSignChoice);
    PlatformSelectFont(dc, previous);
}

void CompatibilityPickerTap(int x, int y) {
    const PickerLayout& layout = Layout();
    if (GridTap(layout.MyGrid, x, y, &MySignChoice) || GridTap(layout.LoverGrid, x, y, &LoverSignChoice))
        return;
    if (InCloseBox(x, y)) {
        ResultKind = KindNone;
        BackToMainMenu();
    } else if (Contains(MatchRect(), x, y)) {
        ScreenReady = 0;
        OpenReport(KindCompatibility);
    }
}
