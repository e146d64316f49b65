// The love compatibility report: three explanation pages (Relationship,
// Sex, Life), each with its rating, and an outcome page.
#include "draw/Primitives.h"
#include "draw/ResultView.h"
#include "draw/TextView.h"
#include "readings/Reports.h"
#include "readings/Compatibility.h"
#include "readings/RatingRows.h"
#include "shell/core/State.h"

namespace {

// Handshake, heart and smiley: Relationship, Sex and Life.
constexpr PicturePair Icons[3] = {PictureIconHandshake, PictureIconHeart, PictureIconSmiley};

bool ValidSign(int sign) { return sign >= 1 && sign <= 12; }

}  // namespace

// Three explanation pages, the outcome's text below its three rating rows.
bool CompatibilityLayout(ReportLayout* layout) {
    if (SubPage != SubPageCompatibility || ResultKind != KindCompatibility) return false;
    const int page = ReportPage, width = ReportViewWidth();
    *layout = {page, 3, true, {}};
    if (page <= 3) layout->View = {ShortLayout() ? 6 : 8, 10, 108, width};
    else if (ShortLayout()) layout->View = {2, 10, 198, width};
    else layout->View = {5, 10, 208, width};
    ClearPageText();
    AppendPageText(PairText(PairMySign, page, PairLoverSign));
    return true;
}

void DrawCompatibilityReport(DeviceContext* dc) {
    ReportLayout layout;
    if (!CompatibilityLayout(&layout)) return;
    const int page = layout.Page;
    DrawReportFrame(dc, page, layout.Count);
    DrawTextPage(dc, layout.View);

    if (page >= 1 && page <= 3 && ValidSign(PairMySign) && ValidSign(PairLoverSign)) {
        const int(*tables[3])[13] = {RelationshipRatings, SexRatings, LifeRatings};
        int* slots[3] = {&FirstRating, &SecondRating, &ThirdRating};
        *slots[page - 1] = tables[page - 1][PairMySign][PairLoverSign];
        DrawRatingRow(dc, page, *slots[page - 1]);
        DrawPicturePair(dc, Icons[page - 1], 48, 50, 2, 39);
    } else if (page == 4) {
        DrawRatingRow(dc, 4, 0);
        for (int i = 0; i < 3; ++i)
            DrawPicturePair(dc, Icons[i], 48, 50, 2, 39 + 55 * i);
    }
    DrawReportNav(dc, page, layout.Count);
}
