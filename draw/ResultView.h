// The result view: one full-screen page that shows every report, page by
// page, inside the same frame (title band, header box, navigation buttons).
#pragma once

struct DeviceContext;

// The painter of the result view: sets the layout for the display mode and
// hands over to the report of the current ResultKind.
void DrawResultView(DeviceContext* dc);
// Background, title band and header box of report page p of n.
void DrawReportFrame(DeviceContext* dc, int page, int count);
// Bottom bar and the buttons the report's current page offers.
void DrawReportNav(DeviceContext* dc, int page, int count);

// The report painters the result view hands over to.
void DrawCompatibilityReport(DeviceContext* dc);
void DrawYearlyForecast(DeviceContext* dc);
void DrawSignProfile(DeviceContext* dc);
void DrawNumerologyReport(DeviceContext* dc);
