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
};
constexpr Report Reports[] = {
    {KindCompatibility, DrawCompatibilityReport},
    {KindForecast, DrawYearlyForecast},
    {KindProfile, DrawSignProfile},
    {KindNumerology, DrawNumerologyReport},
};

const Report* CurrentReport() {
    for (const Report& report : Reports)
        if (report.Kind == ResultKind) return &report;
    return nullptr;
}

bool OnButton(LayoutPoint button, int x, int y) { return Contains(CornerButtonRect(button), x, y); }

}  // namespace

void DrawResultView(DeviceContext* dc) {
    const Report* report = CurrentReport();
    DrawInResultView(dc, report ? report->Paint : nullptr);
}

// Back ends the tap, and so does a Previous or Next that turns the page: the
// new page's scroll arrows may lie where the button was, and one tap has one
// effect. A button that turns nothing (a hidden Next on an outcome page lies
// over the down arrow) lets the tap go on to the scroll arrows.
void ResultViewTap(int x, int y) {
    if (OnButton(BackButton, x, y) && ReportBack()) return;
    if (OnButton(PrevPageButton, x, y) && PreviousSection()) return;
    if (OnButton(NextPageButton, x, y) && NextSection()) return;
    ScrollTap(x, y);
}

