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

// Back ends the tap; Previous and Next go on to the scroll arrows, which on
// some outcome pages lie under a hidden Next button.
void ResultViewTap(int x, int y) {
    if (OnButton(BackButton, x, y) && ReportBack()) return;
    if (CurrentReport()) {
        if (OnButton(PrevPageButton, x, y)) PreviousSection();
        else if (OnButton(NextPageButton, x, y)) NextSection();
    }
    ScrollTap(x, y);
}

