// The result view's page (BaseScreen ScreenResult): the report of the
// current ResultKind in the frame of draw/ResultView.h, and its buttons.
#include "draw/ResultView.h"
#include "draw/TextView.h"
#include "readings/Reports.h"
#include "screens/Screens.h"
#include "shell/core/Navigation.h"
#include "shell/core/State.h"
#include "shell/core/Targets.h"

namespace {

struct Report {
    KindValue Kind;
    void (*Paint)(DeviceContext* dc);
    bool (*Layout)(ReportLayout* layout);
};
constexpr Report Reports[] = {
    {KindCompatibility, DrawCompatibilityReport, CompatibilityLayout},
    {KindForecast, DrawYearlyForecast, ForecastLayout},
    {KindProfile, DrawSignProfile, ProfileLayout},
    {KindNumerology, DrawNumerologyReport, NumerologyLayout},
};

const Report* CurrentReport() {
    for (const Report& report : Reports)
        if (report.Kind == ResultKind) return &report;
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

void DrawResultView(DeviceContext* dc) {
    const Report* report = CurrentReport();
    DrawInResultView(dc, report ? report->Paint : nullptr);
}

// Back ends the tap, and so does a Previous or Next that turns the page: the
// new page's scroll arrows may lie where the button was, and one tap has one
// effect. A button that turns nothing (a hidden Next on an outcome page lies
// over the down arrow) lets the tap go on to the scroll arrows.
void ResultViewTap(int x, int y) {
    ReportLayout page;
    const bool shown = CurrentPage(&page);
    const ReportButtons buttons = shown ? ButtonsOfPage(page.Page, page.Count) : ReportButtons{};
    const ResultViewLayout layout = LayOutResultView(shown ? &buttons : nullptr);
    if (OnButton(layout.Back, x, y) && ReportBack()) return;
    if (OnButton(layout.Previous, x, y) && PreviousSection()) return;
    if (OnButton(layout.Next, x, y) && NextSection()) return;
    ScrollTap(ReportTextView, x, y);
}

