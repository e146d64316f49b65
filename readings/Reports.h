// The report painters the result view hands over to, one per ResultKind.
// Each draws its page of the report in the result view's frame
// (draw/ResultView.h).
#pragma once

struct DeviceContext;

void DrawCompatibilityReport(DeviceContext* dc);
void DrawYearlyForecast(DeviceContext* dc);
void DrawSignProfile(DeviceContext* dc);
void DrawNumerologyReport(DeviceContext* dc);
