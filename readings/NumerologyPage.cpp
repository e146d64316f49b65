// The numerology report's page in the result view: a title line with the
// topic's number and the assembled text.
#include "draw/Primitives.h"
#include "draw/ResultView.h"
#include "draw/TextView.h"
#include "readings/Reports.h"
#include "readings/NumerologyReport.h"
#include "shell/core/Navigation.h"
#include "shell/core/State.h"
#include "shell/core/Targets.h"

// The topic's sub-pages are the report's pages; each has a title line over
// its text.
bool NumerologyLayout(ReportLayout* layout) {
    const int topic = ReportPage, subpage = ReportSubpage;
    const int count = NumerologySubpageCount(topic);
    *layout = {count == 1 ? 1 : subpage, count, true, {ShortLayout() ? 8 : 10, 10, 67, ReportViewWidth()}};
    wchar_t text[PageTextCapacity];
    BuildNumerologyText(topic, subpage, DayIndex + 1, MonthIndex + 1, BirthYear, text, PageTextCapacity);
    ClearPageText();
    AppendPageText(text);
    return true;
}

void DrawNumerologyReport(DeviceContext* dc) {
    ReportLayout layout;
    NumerologyLayout(&layout);
    DrawReportFrame(dc, layout.Page, layout.Count);
    wchar_t title[64];
    NumerologyTitle(ReportPage, ReportSubpage, DayIndex + 1, MonthIndex + 1, BirthYear, title, 64);
    // The result line is the page's first text; the heading names the page.
    DescribeTextAt(title, 10, 39, 240, 59);
    DrawTextPage(dc, layout.View);
    // The title goes in the body font the text view leaves selected.
    DrawTextBox(dc, title, 142, 4, 4, 255, 255, 255, 10, 39, 240, 59, 1, 0);
    DrawReportNav(dc, layout.Page, layout.Count);
}
