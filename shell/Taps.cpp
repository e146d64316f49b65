// The tap layer: converts stylus positions to layout units and routes each
// tap to the topmost layer: entry panel, else popup, else the page.
#include "draw/TextView.h"
#include "screens/Panels.h"
#include "screens/Screens.h"
#include "shell/Navigation.h"
#include "shell/Repaint.h"
#include "shell/Shell.h"
#include "shell/State.h"

namespace {

int Halved(int v) { return DoubleResolution() ? v / 2 : v; }

bool Inside(int x, int y, int left, int top, int right, int bottom) {
    return x >= left && x <= right && y >= top && y <= bottom;
}

// The back button in the top-right corner of the pickers and the birth-date
// page: the right end of the 240- or 320-unit layout.
bool InCloseBox(int x, int y) {
    return Inside(x, y, 2 * MarginX + 222, 0, 2 * MarginX + 240, 17);
}

void BackToMainMenu() {
    ScreenReady = 0;
    BaseScreen = ScreenMainMenu;
    RepaintAll();
}

void OpenReport(int kind) {
    ResultKind = kind;
    BaseScreen = ScreenResult;
    RepaintAll();
}

// ---- Compatibility picker --------------------------------------------------------

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

void CompatibilityPickerTap(int x, int y) {
    if (GridTap(MyRow, x, y, &MySignChoice) || GridTap(LoverRow, x, y, &LoverSignChoice)) return;
    if (InCloseBox(x, y)) {
        ResultKind = KindNone;
        BackToMainMenu();
    } else if (Inside(x, y, ButtonSlot1.X, ButtonSlot1.Y, ButtonSlot1.X + 90, ButtonSlot1.Y + 15)) {
        ScreenReady = 0;
        OpenReport(KindCompatibility);
    }
}

// ---- Sign pickers ------------------------------------------------------------------

int CellColumn(int x) {
    const int dx = x - ContentOrigin.X;
    constexpr int starts[4] = {0, 60, 120, 182};
    for (int column = 0; column < 4; ++column)
        if (dx >= starts[column] && dx <= starts[column] + 50) return column + 1;
    return 0;
}

// Rows of the sign grids, [top, bottom) from the grid's origin, tested in
// order. The forecast grid has 4-unit gaps between its rows; the profile
// grid's overlapping bands, tested one after the other, leave none.
constexpr int ForecastRows[3][2] = {{0, 70}, {74, 146}, {150, 218}};
constexpr int ProfileRows[3][2] = {{0, 70}, {37, 146}, {75, 218}};

int SignCell(const int (&rows)[3][2], int x, int y) {
    const int column = CellColumn(x), dy = y - ContentOrigin.Y;
    if (column == 0) return 0;
    for (int row = 0; row < 3; ++row)
        if (dy >= rows[row][0] && dy < rows[row][1]) return 4 * row + column;
    return 0;
}

void ForecastPickerTap(int x, int y) {
    if (const int cell = SignCell(ForecastRows, x, y)) {
        ReportPage = 1;
        SignIndex = cell;
        OpenReport(KindForecast);
    } else if (InCloseBox(x, y)) {
        SubPage = 0;
        BackToMainMenu();
    }
}

// Topic rows of the profile topic list, [top, bottom) from the list's origin.
constexpr int TopicRows[11][2] = {{0, 20},    {22, 40},   {42, 62},   {64, 82},
                                  {84, 102},  {104, 124}, {126, 144}, {146, 166},
                                  {168, 186}, {188, 208}, {210, 230}};

int TopicAt(int x, int y) {
    const int dx = x - ContentOrigin.X, dy = y - ContentOrigin.Y;
    if (dx < 0 || dx > 220) return 0;
    for (int topic = 0; topic < 11; ++topic)
        if (dy >= TopicRows[topic][0] && dy < TopicRows[topic][1]) return topic + 1;
    return 0;
}

void ProfilePickerTap(int x, int y) {
    if (SubPage == 3) {
        if (const int cell = SignCell(ProfileRows, x, y)) {
            SignIndex = cell;
            SubPage = 4;
            RepaintAll();
        } else if (InCloseBox(x, y)) {
            SubPage = 0;
            BackToMainMenu();
        }
    } else if (SubPage == 4) {
        if (const int topic = TopicAt(x, y)) {
            ReportPage = topic <= 10 ? topic : 1;
            ProfileReadAll = topic <= 10 ? 0 : 1;
            OpenReport(KindProfile);
        } else if (InCloseBox(x, y)) {
            ScreenReady = 0;
            SubPage = 3;
            BaseScreen = ScreenProfilePicker;
            RepaintAll();
        }
    }
}

// ---- Result view ---------------------------------------------------------------------

bool OnButton(LayoutPoint button, int x, int y) {
    return Inside(x, y, button.X, button.Y, button.X + 32, button.Y + 28);
}

void BackToPicker(int picker) {
    ScreenReady = 0;
    SubPage = picker;
    ResultKind = KindNone;
    BaseScreen = picker;
    RepaintAll();
}

void BackToTopicList() {
    BaseScreen = ScreenProfilePicker;
    SubPage = 4;
    ReportPage = 0;
    ResultKind = KindNone;
    ScreenReady = 0;
    RepaintAll();
}

// True when the back button was handled (the tap then ends).
bool ResultBack() {
    switch (ResultKind) {
    case KindCompatibility:
    case KindForecast:
        if (ReportPage > ReportPageCount[SubPage]) BackToPicker(ResultKind);
        else AskAbandon(ResultKind);
        return true;
    case KindProfile:
        if (ProfileReadAll == 1 && ReportPage < ReportPageCount[KindProfile]) AskAbandon(3);
        else BackToTopicList();
        return true;
    case KindNumerology:
        BaseScreen = ScreenBirthDate;
        SubPage = 6;
        ResultKind = KindNone;
        ScreenReady = 0;
        RepaintAll();
        return true;
    default:
        return false;
    }
}

void TurnTo(int* value, int next) {
    *value = next;
    BaseScreen = ScreenResult;
    ScreenReady = 0;
    RepaintAll();
}

void PreviousSection() {
    ScrollOffset = 0;
    if (ResultKind == KindCompatibility || ResultKind == KindForecast) {
        if (ReportPage <= ReportPageCount[SubPage] && ReportPage != 1)
            TurnTo(&ReportPage, ReportPage - 1);
    } else if (ResultKind == KindProfile) {
        if (ReportPage <= ReportPageCount[KindProfile] && ReportPage != 1 && ProfileReadAll == 1)
            TurnTo(&ReportPage, ReportPage - 1);
    } else if (ResultKind == KindNumerology) {
        if (ReportPage >= 3 && ReportPage <= 5 && ReportSubpage != 1)
            TurnTo(&ReportSubpage, ReportSubpage - 1);
    }
}

void NextSection() {
    ScrollOffset = 0;
    if (ResultKind == KindCompatibility || ResultKind == KindForecast) {
        if (ReportPage <= ReportPageCount[SubPage]) TurnTo(&ReportPage, ReportPage + 1);
    } else if (ResultKind == KindProfile) {
        if (ReportPage < ReportPageCount[KindProfile] && ProfileReadAll == 1)
            TurnTo(&ReportPage, ReportPage + 1);
    } else if (ResultKind == KindNumerology) {
        const bool more = ((ReportPage == 3 || ReportPage == 4) && ReportSubpage <= 3) ||
                          (ReportPage == 5 && ReportSubpage <= 2);
        if (more) TurnTo(&ReportSubpage, ReportSubpage + 1);
    }
}

void ResultViewTap(int x, int y) {
    if (OnButton(BackButton, x, y) && ResultBack()) return;
    if (ResultKind == KindCompatibility || ResultKind == KindForecast ||
        ResultKind == KindProfile || ResultKind == KindNumerology) {
        if (OnButton(PrevPageButton, x, y)) {
            PreviousSection();
        } else if (OnButton(NextPageButton, x, y)) {
            NextSection();
            return;
        }
    }
    ScrollTap(x, y);
}

void PageTap(int x, int y) {
    switch (BaseScreen) {
    case ScreenMainMenu: MainMenuTap(x, y); break;
    case ScreenCompatibilityPicker: CompatibilityPickerTap(x, y); break;
    case ScreenForecastPicker: ForecastPickerTap(x, y); break;
    case ScreenProfilePicker: ProfilePickerTap(x, y); break;
    case ScreenResult: ResultViewTap(x, y); break;
    default: break;
    }
}

}  // namespace

void OpenPopup(int popup) {
    PopupBand = 210;
    ResetScroll();
    PopupScreen = popup;
    RepaintBand(210);
}

void AskAbandon(int target) {
    PanelMessage = L"Abandon to the previous screen?";
    PanelOnly = 1;
    InputPanel = PanelConfirm;
    PressedButton = 0;
    AbandonTarget = target;
    SkipRelease = 1;
    RepaintPanelBand();
}

void AbandonReport() {
    if (BaseScreen != ScreenResult) return;
    switch (AbandonTarget) {
    case 1: case 2:
        ResultKind = KindNone;
        BaseScreen = AbandonTarget;
        ScreenReady = 0;
        SubPage = AbandonTarget;
        RepaintAll();
        break;
    case 3:
        ReportPage = 0;
        ScreenReady = 0;
        ResultKind = KindNone;
        BaseScreen = ScreenProfilePicker;
        SubPage = 4;
        RepaintAll();
        break;
    default:
        break;
    }
    AbandonTarget = 0;
}

void TapDown(int x, int y) {
    x = Halved(x) - LayoutShift.X;
    y = Halved(y) - LayoutShift.Y;
    switch (InputPanel) {
    case PanelNone: PageTap(x, y); break;
    case PanelMessageBox:
    case PanelConfirm: PanelButtonDown(x, y); break;
    default: break;  // the keyboard takes its own taps
    }
}

void TapUp(int x, int y) {
    x = Halved(x) - LayoutShift.X;
    y = Halved(y) - LayoutShift.Y;
    if (InputPanel == PanelMessageBox || InputPanel == PanelConfirm) PanelButtonUp(x, y);
}

// No page, popup or panel reacts to a drag; the position is converted only.
void Drag(int, int) {}

void PopupTap(int x, int y) {
    x = Halved(x);
    y = Halved(y);
    const bool closeBox = Inside(x, y, 212, 0, 232, 19);
    switch (PopupScreen) {
    case PopupAbout:
        if (!closeBox) return;
        PopupScreen = PopupNone;
        ResetScroll();
        BaseScreen = ScreenMainMenu;
        RepaintBand(PopupBand);
        return;
    case PopupExtras:
        if (closeBox) {
            PopupScreen = PopupNone;
            ResetScroll();
            EntryField = 0;  // no date box stays selected
            RepaintBand(PopupBand);
            const int d = ShortLayout() ? 20 : 0;
            RepaintRect(MarginX + 38, 126 - d, MarginX + 126, 146 - d);
            RepaintRect(MarginX + 88, 126 - d, MarginX + 128, 146 - d);
            RepaintRect(MarginX + 138, 126 - d, MarginX + 200, 146 - d);
        }
        ScrollTap(x, y);
        return;
    case PopupHelp:
        if (closeBox) {
            ResetScroll();
            PopupScreen = PopupNone;
            RepaintBand(PopupBand);
        }
        ScrollTap(x, y);
        return;
    default:
        return;
    }
}
