// The tap layer: converts stylus positions to layout units and routes each
// tap to the topmost layer: entry panel, else popup, else the page.
#include "draw/TextView.h"
#include "screens/BirthDate.h"
#include "screens/Keyboard.h"
#include "screens/Panels.h"
#include "screens/Screens.h"
#include "shell/Display.h"
#include "shell/Navigation.h"
#include "shell/Repaint.h"
#include "shell/Shell.h"
#include "shell/State.h"
#include "shell/Targets.h"

namespace {

// ---- Result view ---------------------------------------------------------------------

bool OnButton(LayoutPoint button, int x, int y) { return Contains(CornerButtonRect(button), x, y); }

// Back ends the tap; Previous and Next go on to the scroll arrows, which on
// some outcome pages lie under a hidden Next button.
void ResultViewTap(int x, int y) {
    if (OnButton(BackButton, x, y) && ReportBack()) return;
    if (ResultKind == KindCompatibility || ResultKind == KindForecast ||
        ResultKind == KindProfile || ResultKind == KindNumerology) {
        if (OnButton(PrevPageButton, x, y)) PreviousSection();
        else if (OnButton(NextPageButton, x, y)) NextSection();
    }
    ScrollTap(x, y);
}

void PageTap(int x, int y) {
    switch (BaseScreen) {
    case ScreenMainMenu: MainMenuTap(x, y); break;
    case ScreenCompatibilityPicker: CompatibilityPickerTap(x, y); break;
    case ScreenForecastPicker: ForecastPickerTap(x, y); break;
    case ScreenProfilePicker: ProfilePickerTap(x, y); break;
    case ScreenBirthDate: BirthDateTap(x, y); break;
    case ScreenResult: ResultViewTap(x, y); break;
    case ScreenExtras: ExtrasMenuTap(x, y); break;
    default: break;
    }
}

}  // namespace

void TapDown(int x, int y) {
    const LayoutPoint at = PixelToLayout(x, y, LayoutShift);
    switch (InputPanel) {
    case PanelNone: PageTap(at.X, at.Y); break;
    case PanelMessageBox:
    case PanelConfirm: PanelButtonDown(at.X, at.Y); break;
    case PanelKeyboard: KeyboardTap(at.X, at.Y); break;
    default: break;
    }
}

void TapUp(int x, int y) {
    const LayoutPoint at = PixelToLayout(x, y, LayoutShift);
    if (InputPanel == PanelMessageBox || InputPanel == PanelConfirm) PanelButtonUp(at.X, at.Y);
}

// No page, popup or panel reacts to a drag; the position is converted only.
void Drag(int, int) {}

void PopupTap(int px, int py) {
    const auto [x, y] = PixelToLayout(px, py, {0, 0});
    const bool closeBox = Contains(PopupCloseRect, x, y);
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
