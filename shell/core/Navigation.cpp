#include "shell/core/Navigation.h"

#include "shell/core/Repaint.h"

namespace {

// A rated report (the compatibility report, the forecast) closes on a page
// past its count, which offers Back alone.
bool OnClosingPage(const ReportRoute& report) { return ReportPage > ReportPageCount[report.Kind]; }

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

// A report read page by page starts from its topic list again: no topic
// stays open.
void LeaveReport(const ReportRoute& report) {
    if (report.Turns == ReportPaging::Sequence) ReportPage = 0;
    BaseScreen = report.Back;
    SubPage = report.Step;
    ResultKind = KindNone;
    ScreenReady = 0;
    RepaintAll();
}

void ReportBack(const ReportRoute& report) {
    bool ask = false;
    switch (report.Turns) {
    case ReportPaging::Rated: ask = !OnClosingPage(report); break;
    case ReportPaging::Sequence: ask = ProfileReadAll == 1 && ReportPage < ReportPageCount[report.Kind]; break;
    case ReportPaging::Topics: break;
    }
    if (ask) AskAbandon(report.Question);
    else LeaveReport(report);
}

bool PreviousSection(const ReportRoute& report) {
    switch (report.Turns) {
    case ReportPaging::Rated:
        if (OnClosingPage(report) || ReportPage == 1) return false;
        TurnTo(&ReportPage, ReportPage - 1);
        return true;
    case ReportPaging::Sequence:
        if (ReportPage > ReportPageCount[report.Kind] || ReportPage == 1 || ProfileReadAll != 1) return false;
        TurnTo(&ReportPage, ReportPage - 1);
        return true;
    case ReportPaging::Topics:
        if (NumerologySubpageCount(ReportPage) == 1 || ReportSubpage == 1) return false;
        TurnTo(&ReportSubpage, ReportSubpage - 1);
        return true;
    }
    return false;
}

bool NextSection(const ReportRoute& report) {
    switch (report.Turns) {
    case ReportPaging::Rated:
        if (OnClosingPage(report)) return false;
        TurnTo(&ReportPage, ReportPage + 1);
        return true;
    case ReportPaging::Sequence:
        if (ReportPage >= ReportPageCount[report.Kind] || ProfileReadAll != 1) return false;
        TurnTo(&ReportPage, ReportPage + 1);
        return true;
    case ReportPaging::Topics: {
        const int count = NumerologySubpageCount(ReportPage);
        if (count == 1 || ReportSubpage >= count) return false;
        TurnTo(&ReportSubpage, ReportSubpage + 1);
        return true;
    }
    }
    return false;
}

int LastReportPage(const ReportRoute& report) {
    switch (report.Turns) {
    case ReportPaging::Rated: return report.Pages + 1;
    case ReportPaging::Sequence: return report.Pages;
    case ReportPaging::Topics: return NumerologyTopics;
    }
    return 0;
}

int NumerologySubpageCount(int topic) { return topic == 3 || topic == 4 ? 4 : topic == 5 ? 3 : 1; }
