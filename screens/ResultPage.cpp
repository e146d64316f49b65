// The result view's page (BaseScreen ScreenResult): the report of the
// current ResultKind in the frame of draw/ResultView.h, and its buttons.
#include "screens/ResultPage.h"

#include "draw/ResultView.h"
#include "draw/TextView.h"
#include "readings/Reports.h"
#include "screens/Screens.h"
#include "shell/core/State.h"
#include "shell/core/Targets.h"

#include <iterator>

namespace {

struct Report {
    ReportRoute Route;
    void (*Paint)(DeviceContext* dc);
    bool (*Layout)(ReportLayout* layout);
};
// Back leads to the page and step the report was opened from.
constexpr Report Reports[] = {
    {{KindCompatibility, ScreenCompatibilityPicker, SubPageCompatibility, AbandonToCompatibilityPicker, 3,
      ReportPaging::Rated}, DrawCompatibilityReport, CompatibilityLayout},
    {{KindForecast, ScreenForecastPicker, SubPageForecast, AbandonToForecastPicker, 4, ReportPaging::Rated},
     DrawYearlyForecast, ForecastLayout},
    {{KindProfile, ScreenProfilePicker, SubPageTopicList, AbandonToTopicList, 10, ReportPaging::Sequence},
     DrawSignProfile, ProfileLayout},
    {{KindNumerology, ScreenBirthDate, SubPageTopicStep, AbandonNone, 4, ReportPaging::Topics}, DrawNumerologyReport,
     NumerologyLayout},
};

const Report* CurrentReport() {
    for (const Report& report : Reports)
        if (report.Route.Kind == ResultKind) return &report;
    return nullptr;
}

bool OnButton(LayoutPoint button, int x, int y) { return Contains(CornerButtonRect(button), x, y); }

// The page of the report on screen; false when none is drawn.
bool CurrentPage(ReportLayout* layout) {
    const Report* report = CurrentReport();
    return report && HasLayout() && report->Layout(layout);
}

}  // namespace

bool ReportTextView(TextViewPlace* place) {
    ReportLayout layout;
    if (!CurrentPage(&layout) || !layout.HasView) return false;
    *place = layout.View;
    return true;
}

const ReportRoute* FindReport(int kind) {
    for (const Report& report : Reports)
        if (report.Route.Kind == kind) return &report.Route;
    return nullptr;
}

int ReportCount() { return static_cast<int>(std::size(Reports)); }

const ReportRoute& ReportAt(int index) { return Reports[index].Route; }

void ResetReportPageCounts() {
    for (const Report& report : Reports) ReportPageCount[report.Route.Kind] = report.Route.Pages;
}

void AbandonReport() {
    if (BaseScreen != ScreenResult) return;
    for (const Report& report : Reports)
        if (AbandonTarget != AbandonNone && report.Route.Question == AbandonTarget) LeaveReport(report.Route);
    AbandonTarget = AbandonNone;
}

void DrawResultView(DeviceContext* dc) {
    const Report* report = CurrentReport();
    DrawInResultView(dc, report ? &report->Route : nullptr, report ? report->Paint : nullptr);
}

// Back ends the tap, and so does a Previous or Next that turns the page: the
// new page's scroll arrows may lie where the button was, and one tap has one
// effect. A button that turns nothing (a hidden Next on an outcome page lies
// over the down arrow) lets the tap go on to the scroll arrows.
void ResultViewTap(int x, int y) {
    ReportLayout page;
    const Report* report = CurrentReport();
    const bool shown = CurrentPage(&page);
    const ReportButtons buttons = shown ? ButtonsOfPage(&report->Route, page.Page, page.Count) : ReportButtons{};
    const ResultViewLayout layout = LayOutResultView(shown ? &buttons : nullptr);
    if (report) {
        const ReportRoute& route = report->Route;
        if (OnButton(layout.Back, x, y)) return ReportBack(route);
        if (OnButton(layout.Previous, x, y) && PreviousSection(route)) return;
        if (OnButton(layout.Next, x, y) && NextSection(route)) return;
    }
    ScrollTap(ReportTextView, x, y);
}
