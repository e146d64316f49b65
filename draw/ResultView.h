// The result view: one full-screen page that shows every report, page by
// page, inside the same frame (title band, header box, navigation buttons).
#pragma once

#include "shell/core/State.h"

struct DeviceContext;
struct ReportRoute;

// The buttons a report page offers: Previous while there is a page before,
// Next while there is one after, and Back in the corner of the bottom bar,
// at the top right (an outcome page, a single page on the short layouts) or
// nowhere; the bar on the tall layouts unless Back stands at the top right.
enum class BackPlace { None, Corner, TopRight };
struct ReportButtons {
    bool Previous, Next;
    BackPlace Back;
    bool Bar;
};
// The buttons of page `page` of `count` of `report`, as it pages (none:
// no report, no buttons).
ReportButtons ButtonsOfPage(const ReportRoute* report, int page, int count);
// The same for the report being painted, for its painter.
ReportButtons ButtonsOfPage(int page, int count);

// The view's geometry for the display mode: the content origin and side
// margin it publishes, the corner buttons (Back where the page's buttons put
// it; with no page drawn, in the corner) and the outcome rows' spacing.
struct ResultViewLayout {
    LayoutPoint ContentOrigin;
    int MarginX;
    LayoutPoint Back, Previous, Next;
    int SummarySpacing;
};
ResultViewLayout LayOutResultView(const ReportButtons* page);
// The width of a report's text view: the page's, less its margins.
int ReportViewWidth();

// The result view around a report: publishes the layout for the display
// mode and the corner buttons, then runs the report's painter (none:
// nothing), whose frame and buttons page as `route` says.
void DrawInResultView(DeviceContext* dc, const ReportRoute* route, void (*report)(DeviceContext* dc));
// Background, title band and header box of report page p of n.
void DrawReportFrame(DeviceContext* dc, int page, int count);
// Bottom bar and the buttons the report's current page offers.
void DrawReportNav(DeviceContext* dc, int page, int count);
