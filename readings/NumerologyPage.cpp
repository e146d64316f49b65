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

void DrawNumerologyReport(DeviceContext* dc) {
    const int topic = ReportPage, subpage = ReportSubpage;
    const int count = NumerologySubpageCount(topic);
    DrawReportFrame(dc, count == 1 ? 1 : subpage, count);
    const int day = DayIndex + 1, month = MonthIndex + 1, year = BirthYear;
    wchar_t text[PageTextCapacity];
    BuildNumerologyText(topic, subpage, day, month, year, text, PageTextCapacity);
    wchar_t title[64];
    NumerologyTitle(topic, subpage, day, month, year, title, 64);
    // The result line is the page's first text; the heading names the page.
    DescribeTextAt(title, 10, 39, 240, 59);
    ClearPageText();
    AppendPageText(text);
    const int xs = WideLayout() ? 40 : 0;
    DrawTextPage(ShortLayout() ? 8 : 10, dc, 10, 67, 2 * (xs + 110));
    // The title goes in the body font the text view leaves selected.
    DrawTextBox(dc, title, 142, 4, 4, 255, 255, 255, 10, 39, 240, 59, 1, 0);
    DrawReportNav(dc, count == 1 ? 1 : subpage, count);
}
