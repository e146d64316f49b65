// The result view: one full-screen page that shows every report, page by
// page, inside the same frame (title band, header box, navigation buttons).
#pragma once

struct DeviceContext;
struct ReportRoute;

// The result view around a report: sets the layout for the display mode
// and the corner buttons, then runs the report's painter (none: nothing),
// whose frame and buttons page as `route` says.
void DrawInResultView(DeviceContext* dc, const ReportRoute* route, void (*report)(DeviceContext* dc));
// Background, title band and header box of report page p of n.
void DrawReportFrame(DeviceContext* dc, int page, int count);
// Bottom bar and the buttons the report's current page offers.
void DrawReportNav(DeviceContext* dc, int page, int count);
