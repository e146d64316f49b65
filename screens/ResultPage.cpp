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
};
// Back leads to the page and step the report was opened from.
constexpr Report Reports[] = {
    {{KindCompatibility, ScreenCompatibilityPicker, SubPageCompatibility, AbandonToCompatibilityPicker, 3,
      ReportPaging::Rated}, DrawCompatibilityReport},
    {{KindForecast, ScreenForecastPicker, SubPageForecast, AbandonToForecastPicker, 4, ReportPaging::Rated},
     DrawYearlyForecast},
    {{KindProfile, ScreenProfilePicker, SubPageTopicList, AbandonToTopicList, 10, ReportPaging::Sequence},
     DrawSignProfile},
    {{KindNumerology, ScreenBirthDate, SubPageTopicStep, AbandonNone, 4, ReportPaging::Topics}, DrawNumerologyReport},
};

const Report* CurrentReport() {
    for (const Report& report : Reports)
        if (report.Route.Kind == ResultKind) return &report;
    return nullptr;
}

bool OnButton(LayoutPoint button, int x, int y) { return Contains(CornerButtonRect(button), x, y); }

}  // namespace

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
    if (const Report* report = CurrentReport()) {
        const ReportRoute& route = report->Route;
        if (OnButton(BackButton, x, y)) return ReportBack(route);
        if (OnButton(PrevPageButton, x, y) && PreviousSection(route)) return;
        if (OnButton(NextPageButton, x, y) && NextSection(route)) return;
    }
    ScrollTap(x, y);
}
