// The 2010 forecast of one sign: Life, Love, Loot and Luck with their
// ratings, then an outcome page with all four.
#include "draw/Primitives.h"
#include "draw/ResultView.h"
#include "draw/TextView.h"
#include "readings/Reports.h"
#include "readings/Forecast.h"
#include "readings/RatingRows.h"
#include "shell/core/State.h"

namespace {

struct Area {
    int Variant;    // rating row: Life, Love, Loot, Luck
    PicturePair Icon;
};
constexpr Area Areas[4] = {
    {3, PictureIconSmiley}, {2, PictureIconHeart}, {5, PictureIconLoot}, {6, PictureIconLuck}};

}  // namespace

// Four rated pages with their text, then the outcome without one.
bool ForecastLayout(ReportLayout* layout) {
    const int page = ReportPage;
    if (SubPage != SubPageForecast || ResultKind != KindForecast || page < 1 || page > 5) return false;
    *layout = {page, 4, page <= 4, {ShortLayout() ? 6 : 8, 10, 108, ReportViewWidth()}};
    if (layout->HasView) {
        ClearPageText();
        AppendPageText(ForecastText(page, SignIndex));
    }
    return true;
}

void DrawYearlyForecast(DeviceContext* dc) {
    ReportLayout layout;
    if (!ForecastLayout(&layout)) return;
    const int page = layout.Page, sign = SignIndex;
    DrawReportFrame(dc, page, layout.Count);
    if (layout.HasView) {
        DrawTextPage(dc, layout.View);
        int* slots[4] = {&FirstRating, &SecondRating, &ThirdRating, &FourthRating};
        *slots[page - 1] = sign >= 1 && sign <= 12 ? ForecastRatings[sign][page] : 0;
        const Area& area = Areas[page - 1];
        DrawRatingRow(dc, area.Variant, *slots[page - 1]);
        DrawPicturePair(dc, area.Icon, 48, 50, 2, 39);
    } else {
        const int s = SummarySpacing;
        const int tops[4] = {39, s + 89, 2 * s + 139, 3 * s + 189};
        for (int i = 0; i < 4; ++i)
            DrawPicturePair(dc, Areas[i].Icon, 48, 50, 2, tops[i]);
        DrawRatingRow(dc, 7, 0);
    }
    DrawReportNav(dc, page, layout.Count);
}
