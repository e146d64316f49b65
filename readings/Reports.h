// The report painters the result view hands over to, one per ResultKind.
// Each draws its page of the report in the result view's frame
// (draw/ResultView.h).
#pragma once

#include "draw/TextView.h"

struct DeviceContext;

// A report's page as the result view frames it: which page of how many
// (draw/ResultView.h counts them) and, when it has one, its text view.
struct ReportLayout {
    int Page, Count;
    bool HasView;
    TextViewPlace View;
};
// Each report's layout: false when the state names no page of it (its
// painter then draws nothing); with a text view, PageText holds its text.
bool CompatibilityLayout(ReportLayout* layout);
bool ForecastLayout(ReportLayout* layout);
bool ProfileLayout(ReportLayout* layout);
bool NumerologyLayout(ReportLayout* layout);

void DrawCompatibilityReport(DeviceContext* dc);
void DrawYearlyForecast(DeviceContext* dc);
void DrawSignProfile(DeviceContext* dc);
void DrawNumerologyReport(DeviceContext* dc);
