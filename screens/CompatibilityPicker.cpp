// The compatibility picker: "I am" and "My lover is" sign grids and the
// Match button that opens the report for the ordered pair.
#include "draw/Primitives.h"
#include "screens/Screens.h"
#include "shell/Navigation.h"
#include "shell/Repaint.h"
#include "shell/State.h"

namespace {

struct PickerLayout {
    LayoutPoint Title, MyGrid, LoverGrid, Match;
    int LabelTop, LabelBottom;  // the grids' label boxes, from the grid's top
};

// Indexed by DisplayMode 1 … 7.
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

void FillBackground(DeviceContext* dc) {
    const bool tall = LayoutShift.Y == 40, wide = LayoutShift.X == 40;
    switch (DisplayMode) {
    case 1: case 3: FillBox(dc, 153, 204, 255, 0, tall ? -40 : 0, 240, tall ? 400 : 320); break;
    case 2: case 4: FillBox(dc, 153, 204, 255, wide ? -40 : 0, 0, wide ? 400 : 320, 240); break;
    case 7: FillBox(dc, 153, 204, 255, 0, 0, 320, 320); break;
    default: FillBox(dc, 153, 204, 255, 0, 0, 240, 320); break;
    }
}

void DrawGrid(DeviceContext* dc, bool mine, LayoutPoint at) {
    if (DoubleResolution()) DrawBitmap(dc, mine ? 336 : 338, 480, 165, at.X, at.Y);
    else DrawBitmap(dc, mine ? 335 : 337, 240, 83, at.X, at.Y);
}

// Redraws the grid, which wipes any earlier ring, and rings sign k.
void DrawHighlight(DeviceContext* dc, bool mine, int sign) {
    const LayoutPoint grid = mine ? MyRow : LoverRow;
    DrawGrid(dc, mine, grid);
    constexpr int offsets[6] = {3, 44, 84, 125, 165, 204};
    const int column = sign <= 6 ? sign : sign - 6;
    if (column < 1 || column > 6) return;
    const int x = grid.X + offsets[column - 1], y = grid.Y + (sign <= 6 ? 0 : 43);
    if (DoubleResolution()) DrawKeyedBitmap(dc, 343, 65, 54, x, y, 255, 204, 255);
    else DrawKeyedBitmap(dc, 344, 32, 27, x, y, 255, 204, 255);
    (mine ? PairMySign : PairLoverSign) = sign;
}

void DrawLabel(DeviceContext* dc, const wchar_t* text, LayoutPoint grid, const PickerLayout& layout) {
    DrawTextBox(dc, text, 142, 4, 4, 0, 0, 0, grid.X + 5, grid.Y + layout.LabelTop, grid.X + 240,
                grid.Y + layout.LabelBottom, 1, 0);
}

// Column 1 … 6 of a grid for an offset x − gx, or 0.
int GridColumn(int dx) {
    constexpr int ends[6] = {40, 80, 121, 161, 200, 240};
    if (dx < 0) return 0;
    for (int column = 0; column < 6; ++column)
        if (dx <= ends[column]) return column + 1;
    return 0;
}

bool GridTap(LayoutPoint grid, int x, int y, int* choice) {
    const int column = GridColumn(x - grid.X), dy = y - grid.Y;
    if (column == 0 || dy < 0 || dy > 83) return false;
    *choice = dy <= 40 ? column : column + 6;
    InvalidateLayoutRect(grid.X, grid.Y, grid.X + 240, grid.Y + 83);
    return true;
}

}  // namespace

void DrawCompatibilityPicker(DeviceContext* dc) {
    ReportPage = 1;
    if (DisplayMode < 1 || DisplayMode > 7) return;
    SetTextFont(L"Tahoma", 13, 700);
    const FontHandle previous = PlatformSelectFont(dc, CurrentFont());
    const PickerLayout& layout = Layouts[DisplayMode];
    MyRow = layout.MyGrid;
    LoverRow = layout.LoverGrid;
    ButtonSlot1 = layout.Match;
    MarginX = WideLayout() ? 40 : 0;
    FillBackground(dc);
    if (DoubleResolution()) DrawBitmap(dc, 339, 426, 82, layout.Title.X, layout.Title.Y);
    else DrawBitmap(dc, 340, 213, 41, layout.Title.X, layout.Title.Y);
    DrawLabel(dc, L"I am:", MyRow, layout);
    DrawGrid(dc, true, MyRow);
    DrawLabel(dc, L"My lover is: (Or someone close to you)", LoverRow, layout);
    DrawGrid(dc, false, LoverRow);
    if (DoubleResolution()) DrawBitmap(dc, 341, 180, 30, ButtonSlot1.X, ButtonSlot1.Y);
    else DrawBitmap(dc, 342, 90, 15, ButtonSlot1.X, ButtonSlot1.Y);
    DrawSmallBackIcon(dc);
    if (MySignChoice > 0) DrawHighlight(dc, true, MySignChoice);
    if (LoverSignChoice > 0) DrawHighlight(dc, false, LoverSignChoice);
    PlatformSelectFont(dc, previous);
}

void CompatibilityPickerTap(int x, int y) {
    if (GridTap(MyRow, x, y, &MySignChoice) || GridTap(LoverRow, x, y, &LoverSignChoice)) return;
    if (InCloseBox(x, y)) {
        ResultKind = KindNone;
        ScreenReady = 0;
        BaseScreen = ScreenMainMenu;
        RepaintAll();
    } else if (x >= ButtonSlot1.X && x <= ButtonSlot1.X + 90 && y >= ButtonSlot1.Y &&
               y <= ButtonSlot1.Y + 15) {
        ScreenReady = 0;
        OpenReport(KindCompatibility);
    }
}
