#include "shell/core/Navigation.h"

#include "shell/core/Repaint.h"

namespace {

// Where each report returns to, and the question that guards the return
// while it is read through.
struct ReportOrigin {
    KindValue Kind;
    ScreenValue Screen;
    SubPageValue Step;
    AbandonValue Question;
};
constexpr ReportOrigin Origins[] = {
    {KindCompatibility, ScreenCompatibilityPicker, SubPageCompatibility, AbandonToCompatibilityPicker},
    {KindForecast, ScreenForecastPicker, SubPageForecast, AbandonToForecastPicker},
    {KindProfile, ScreenProfilePicker, SubPageTopicList, AbandonToTopicList},
    {KindNumerology, ScreenBirthDate, SubPageTopicStep, AbandonNone},
};

const ReportOrigin* OriginOf(int kind) {
    for (const ReportOrigin& origin : Origins)
        if (origin.Kind == kind) return &origin;
    return nullptr;
}

// The topic list starts from its list again: no topic stays open.
void ReturnFrom(const ReportOrigin& origin) {
    if (origin.Kind == KindProfile) ReportPage = 0;
    BaseScreen = origin.Screen;
    SubPage = origin.Step;
    ResultKind = KindNone;
    ScreenReady = 0;
    RepaintAll();
}

// The compatibility report and the forecast close on a page past their
// count, which offers Back alone.
bool OnClosingPage() { return ReportPage > ReportPageCount[ResultKind]; }

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

}  // namespace

void BackToMainMenu() {
    ScreenReady = 0;
    BaseScreen = ScreenMainMenu;
    RepaintAll();
}

void OpenReport(KindValue kind) {
    ScrollOffset = 0;
    ResultKind = kind;
    BaseScreen = ScreenResult;
    RepaintAll();
}

void OpenPopup(PopupValue popup) {
    PopupBand = 210;
    ResetScroll();
    PopupScreen = popup;
    RepaintBand(210);
}

void AskAbandon(AbandonValue target) {
    PanelMessage = L"Abandon to the previous screen?";
    InputPanel = PanelConfirm;
    PressedButton = 0;
    AbandonTarget = target;
    SkipRelease = 1;
    RepaintPanelBandOnly();
}

void AbandonReport() {
    if (BaseScreen != ScreenResult) return;
    for (const ReportOrigin& origin : Origins)
        if (AbandonTarget != AbandonNone && origin.Question == AbandonTarget) ReturnFrom(origin);
    AbandonTarget = AbandonNone;
}

bool ReportBack() {
    const ReportOrigin* origin = OriginOf(ResultKind);
    if (!origin) return false;
    bool ask = false;
    if (ResultKind == KindCompatibility || ResultKind == KindForecast) ask = !OnClosingPage();
    else if (ResultKind == KindProfile) ask = ProfileReadAll == 1 && ReportPage < ReportPageCount[KindProfile];
    if (ask) AskAbandon(origin->Question);
    else ReturnFrom(*origin);
    return true;
}

bool PreviousSection() {
    if (ResultKind == KindCompatibility || ResultKind == KindForecast) {
        if (OnClosingPage() || ReportPage == 1) return false;
        TurnTo(&ReportPage, ReportPage - 1);
    } else if (ResultKind == KindProfile) {
        if (ReportPage > ReportPageCount[KindProfile] || ReportPage == 1 || ProfileReadAll != 1) return false;
        TurnTo(&ReportPage, ReportPage - 1);
    } else if (ResultKind == KindNumerology) {
        if (NumerologySubpageCount(ReportPage) == 1 || ReportSubpage == 1) return false;
        TurnTo(&ReportSubpage, ReportSubpage - 1);
    } else {
        return false;
    }
    return true;
}

bool NextSection() {
    if (ResultKind == KindCompatibility || ResultKind == KindForecast) {
        if (OnClosingPage()) return false;
        TurnTo(&ReportPage, ReportPage + 1);
    } else if (ResultKind == KindProfile) {
        if (ReportPage >= ReportPageCount[KindProfile] || ProfileReadAll != 1) return false;
        TurnTo(&ReportPage, ReportPage + 1);
    } else if (ResultKind == KindNumerology) {
        const int count = NumerologySubpageCount(ReportPage);
        if (count == 1 || ReportSubpage >= count) return false;
        TurnTo(&ReportSubpage, ReportSubpage + 1);
    } else {
        return false;
    }
    return true;
}

int NumerologySubpageCount(int topic) { return topic == 3 || topic == 4 ? 4 : topic == 5 ? 3 : 1; }
