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

// A new section starts at its first line. Only a real turn resets the
// scroll: a hidden Next button lies over the down arrow on some outcome
// pages, and resetting there would hold the view at its first step.
void TurnTo(int* value, int next) {
    ScrollOffset = 0;
    *value = next;
    BaseScreen = ScreenResult;
    ScreenReady = 0;
    RepaintAll();
}

bool PreviousSection() {
    if (ResultKind == KindCompatibility || ResultKind == KindForecast) {
        if (ReportPage > ReportPageCount[SubPage] || ReportPage == 1) return false;
        TurnTo(&ReportPage, ReportPage - 1);
    } else if (ResultKind == KindProfile) {
        if (ReportPage > ReportPageCount[KindProfile] || ReportPage == 1 || ProfileReadAll != 1) return false;
        TurnTo(&ReportPage, ReportPage - 1);
    } else if (ResultKind == KindNumerology) {
        if (ReportPage < 3 || ReportPage > 5 || ReportSubpage == 1) return false;
        TurnTo(&ReportSubpage, ReportSubpage - 1);
    } else {
        return false;
    }
    return true;
}

bool NextSection() {
    if (ResultKind == KindCompatibility || ResultKind == KindForecast) {
        if (ReportPage > ReportPageCount[SubPage]) return false;
        TurnTo(&ReportPage, ReportPage + 1);
    } else if (ResultKind == KindProfile) {
        if (ReportPage >= ReportPageCount[KindProfile] || ProfileReadAll != 1) return false;
        TurnTo(&ReportPage, ReportPage + 1);
    } else if (ResultKind == KindNumerology) {
        const bool more = ((ReportPage == 3 || ReportPage == 4) && ReportSubpage <= 3) ||
                          (ReportPage == 5 && ReportSubpage <= 2);
        if (!more) return false;
        TurnTo(&ReportSubpage, ReportSubpage + 1);
    } else {
        return false;
    }
    return true;
}

// Back ends the tap, and so does a Previous or Next that turns the page: the
// new page's scroll arrows may lie where the button was, and one tap has one
// effect. A button that turns nothing (a hidden Next on an outcome page lies
// over the down arrow) lets the tap go on to the scroll arrows.
void ResultViewTap(int x, int y) {
    if (OnButton(BackButton, x, y) && ResultBack()) return;
    if (OnButton(PrevPageButton, x, y) && PreviousSection()) return;
    if (OnButton(NextPageButton, x, y) && NextSection()) return;
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

void OpenReport(int kind) {
    ScrollOffset = 0;
    ResultKind = kind;
    BaseScreen = ScreenResult;
    RepaintAll();
}

void OpenPopup(int popup) {
    PopupBand = 210;
    ResetScroll();
    PopupScreen = popup;
    RepaintBand(210);
}

void AskAbandon(int target) {
    PanelMessage = L"Abandon to the previous screen?";
    InputPanel = PanelConfirm;
    PressedButton = 0;
    AbandonTarget = target;
    SkipRelease = 1;
    RepaintPanelBandOnly();
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
