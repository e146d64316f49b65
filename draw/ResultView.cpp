#include "draw/ResultView.h"

#include "draw/Primitives.h"
#include "resources/Signs.h"
#include "shell/core/Navigation.h"
#include "shell/core/State.h"
#include "shell/core/Targets.h"

#include <cstdio>
#include <cwchar>

namespace {

// The report being painted, for its frame and buttons; none between paints.
const ReportRoute* Shown = nullptr;

void DrawFillers(DeviceContext* dc) {
    const bool wide = LayoutShift.X == 40, tall = LayoutShift.Y == 40;
    if (DoubleResolution()) {
        if (wide) {
            DrawBitmap(dc, PictureFrameFillerLeft, 80, 480, -40, 0);
            DrawBitmap(dc, PictureFrameFillerRight, 80, 480, 320, 0);
        }
        if (tall) {
            DrawBitmap(dc, PictureFrameFillerAbove, 480, 80, 0, -40);
            DrawBitmap(dc, PictureFrameFillerBelow, 480, 80, 0, 320);
        }
        return;
    }
    if (wide) {
        StretchBitmap(dc, PictureFrameFillerLeft, 80, 480, -40, 0, 40, 240);
        StretchBitmap(dc, PictureFrameFillerRight, 80, 480, 320, 0, 40, 240);
    }
    if (tall) {
        StretchBitmap(dc, PictureFrameFillerAbove, 480, 80, 0, -40, 240, 40);
        StretchBitmap(dc, PictureFrameFillerBelow, 480, 80, 0, 320, 240, 40);
    }
}

void DrawTitleBand(DeviceContext* dc) {
    DrawPicturePair(dc, PictureFrameTitleBand, 240, 30, 0, 0);
    // The wide layouts' right end: the single-size picture, stretched where
    // the band is double size.
    if (WideLayout() && DoubleResolution()) StretchBitmap(dc, PictureFrameTitleBandEnd, 80, 28, 480, 0, 160, 57);
    else if (WideLayout()) DrawBitmap(dc, PictureFrameTitleBandEnd, 80, 28, 240, 0);
    // The underline runs on the last row above the grey strip at both
    // resolutions, over the band and its right end alike: one row lower the
    // strip hides it on the double-size layouts, the right end's 57
    // stretched rows then stop one short of the band and the side fillers'
    // underline meets nothing at the page edge.
    DrawLine(dc, 0, 0, 0, 0, 28, 320, 28);
    FillBox(dc, 119, 119, 119, 0, 29, 320, 31);
}

void DrawHeaderBox(DeviceContext* dc, int right) {
    DrawKeyedPicturePair(dc, PictureFrameHeaderLeft, 4, 30, 4, 1, UsualKey);
    DrawKeyedPicturePair(dc, PictureFrameHeaderRight, 4, 30, right, 1, UsualKey);
    DrawLine(dc, 0, 0, 0, 8, 1, right, 1);
    if (DoubleResolution()) DrawLine(dc, 0, 0, 0, 8, 2, right, 2);
    FillBox(dc, 119, 119, 119, 8, 2, right, 4);
    FillBox(dc, 255, 255, 255, 8, 4, right, 32);
}

void Number(DeviceContext* dc, int value, int r, int g, int b, int left, int right) {
    wchar_t text[16];
    std::swprintf(text, 16, L"%d", value);
    DrawTextBox(dc, text, r, g, b, 255, 255, 255, left, 9, right, 23, 0, 0);
}

// What the report page on screen is, in words: where ("Leo and Pisces",
// "Virgo"), which part of it ("Sex", "forecast 2010, Love"), its page of
// all ("page 2 of 4", or nothing for a page of its own) and its rating.
struct PagePlace {
    wchar_t Where[48], Part[64], Page[24];
    int Rating;
};

constexpr const wchar_t* CompatibilityParts[4] = {L"Relationship", L"Sex", L"Life", L"Outcome"};
constexpr const wchar_t* ForecastParts[5] = {L"Life", L"Love", L"Loot", L"Luck", L"Outcome"};

// A rated report's page, the last of `pages` its outcome: its part, its
// page of all and, but on the outcome, its rating.
void RatedPage(PagePlace* place, const wchar_t* const* parts, int pages, const wchar_t* lead) {
    const int page = ReportPage;
    if (page < 1 || page > pages) return;
    const int* ratings[4] = {&FirstRating, &SecondRating, &ThirdRating, &FourthRating};
    std::swprintf(place->Part, 64, L"%ls%ls", lead, parts[page - 1]);
    std::swprintf(place->Page, 24, L"page %d of %d", page, pages);
    if (page < pages) place->Rating = *ratings[page - 1];
}

PagePlace PlaceOfPage() {
    PagePlace place{};
    const int page = ReportPage;
    char key[24];
    switch (ResultKind) {
    case KindCompatibility:
        std::swprintf(place.Where, 48, L"%ls and %ls", SignName(PairMySign), SignName(PairLoverSign));
        RatedPage(&place, CompatibilityParts, 4, L"");
        break;
    case KindForecast:
        std::swprintf(place.Where, 48, L"%ls", SignName(SignIndex));
        RatedPage(&place, ForecastParts, 5, L"forecast 2010, ");
        break;
    case KindProfile:
        std::swprintf(place.Where, 48, L"%ls", SignName(SignIndex));
        std::snprintf(key, sizeof key, "topic-%d", page);
        std::swprintf(place.Part, 64, L"%ls", ControlName(key));
        if (ProfileReadAll == 1) std::swprintf(place.Page, 24, L"page %d of %d", page, Shown->Pages);
        break;
    case KindNumerology: {
        std::swprintf(place.Where, 48, L"%ls", ControlName("section-4"));
        std::snprintf(key, sizeof key, "numerology-%d", page);
        std::swprintf(place.Part, 64, L"%ls", ControlName(key));
        const int count = NumerologySubpageCount(page);
        if (count > 1) std::swprintf(place.Page, 24, L"page %d of %d", ReportSubpage, count);
        break;
    }
    default:
        break;
    }
    return place;
}

// The accessible heading names the place and the page ("Leo and Pisces:
// Sex, page 2 of 4") where the header box draws "Explanation: 2 of 3".
void DescribeHeading(int headerRight) {
    const PagePlace place = PlaceOfPage();
    wchar_t heading[160];
    std::swprintf(heading, 160, L"%ls: %ls%ls%ls", place.Where, place.Part, *place.Page ? L", " : L"",
                  place.Page);
    PlatformDescribeHeading(heading);
    DescribeBox({8, 4, headerRight - 1, 31});
}

// The title and, for a page turn, what the reader now sees ("Sex, page 2 of
// 4: 8 out of 10"), once the page has set its rating.
void DescribeTitleAndStatus() {
    const PagePlace place = PlaceOfPage();
    wchar_t line[160];
    std::swprintf(line, 160, L"%ls, %ls", place.Where, place.Part);
    PlatformDescribeTitle(line);
    int length = std::swprintf(line, 160, L"%ls%ls%ls", place.Part, *place.Page ? L", " : L"", place.Page);
    if (length > 0 && place.Rating >= 1 && place.Rating <= 10)
        std::swprintf(line + length, 160 - length, L": %d out of 10", place.Rating);
    PlatformDescribeStatus(line);
}

void DrawHeaderText(DeviceContext* dc, int page, int count, int headerRight) {
    if (count > 9 && ProfileReadAll == 1) {
        DrawTextBox(dc, L"Explanation:", 0, 0, 0, 255, 255, 255, 15, 9, 160, 23, 0, 0);
        Number(dc, page, 180, 0, 0, 96, 160);
        DrawTextBox(dc, L"of", 0, 0, 0, 255, 255, 255, 117, 9, 160, 23, 0, 0);
        Number(dc, count, 0, 0, 0, 135, 160);
    } else if (count > 9) {
        if (SignIndex >= 1 && SignIndex <= SignCount) {
            wchar_t title[32];
            std::swprintf(title, 32, L"About %ls:", SignTitleName(SignIndex));
            DrawTextBox(dc, title, 0, 0, 255, 255, 255, 255, 10, 9, 140, 23, 0, 1);
        }
    } else if (page > count) {
        DrawTextBox(dc, L"Outcome:", 0, 0, 0, 255, 255, 255, 15, 9, 200, 23, 1, 0);
    } else {
        DrawTextBox(dc, L"Explanation:", 0, 0, 0, 255, 255, 255, 15, 9, 140, 23, 0, 0);
        Number(dc, page, 180, 0, 0, 96, 140);
        DrawTextBox(dc, L"of", 0, 0, 0, 255, 255, 255, 108, 9, 140, 23, 0, 0);
        Number(dc, count, 0, 0, 0, 126, 140);
    }
    DescribeHeading(headerRight);
}

// The bottom bar of the tall layouts.
void DrawBar(DeviceContext* dc) {
    if (ShortLayout()) return;
    const int right = WideLayout() ? 320 : 240;
    FillBox(dc, 220, 220, 220, 0, 280, right, 320);
    FillBox(dc, 170, 170, 170, 0, 280, right, 282);
}

// The button pictures by mode: tall on portrait and 320 x 320 layouts, flat
// on the others, double size on the double-resolution modes.
enum Button { Previous, Next, Back };
constexpr PicturePair ButtonPictures[3][2] = {{PictureFrameNavPrevious, PictureFrameNavPreviousShort},
                                              {PictureFrameNavNext, PictureFrameNavNextShort},
                                              {PictureFrameNavBack, PictureFrameNavBackShort}};
constexpr int ButtonRoles[3] = {RolePrevious, RoleNext, RoleBack};
constexpr const char* ButtonNames[3] = {"previous-page", "next-page", "back"};

void DrawButton(DeviceContext* dc, Button button, LayoutPoint at) {
    const bool flat = ShortLayout();
    DrawKeyedPicturePair(dc, ButtonPictures[button][flat ? 1 : 0], 32, flat ? 18 : 28, at.X, at.Y, UsualKey);
    DescribeTarget(CornerButtonRect(at), ButtonRoles[button], ControlName(ButtonNames[button]));
}

// Back at the top right always has the tall picture.
void DrawBackAtTopRight(DeviceContext* dc, LayoutPoint at) {
    DrawKeyedPicturePair(dc, PictureFrameNavBack, 32, 28, at.X, at.Y, UsualKey);
    DescribeTarget(CornerButtonRect(at), RoleBack, ControlName("back"));
}

// A page with Previous while there is one before, Next while there is one
// after, and Back.
ReportButtons Paging(bool previous, bool next) { return {previous, next, BackPlace::Corner, true}; }

// A single page: Back in the bar on tall layouts, at the top right otherwise.
ReportButtons SinglePage() { return {false, false, ShortLayout() ? BackPlace::TopRight : BackPlace::Corner, true}; }

}  // namespace

ReportButtons ButtonsOfPage(const ReportRoute* report, int page, int count) {
    if (!report) return {false, false, BackPlace::None, false};
    switch (report->Turns) {
    case ReportPaging::Rated:
        if (page > count) return {false, false, BackPlace::TopRight, false};
        return Paging(page > 1, true);
    case ReportPaging::Sequence:
        return ProfileReadAll == 1 ? Paging(page > 1, page < count) : SinglePage();
    case ReportPaging::Topics:
        if (const int last = NumerologySubpageCount(ReportPage); last > 1)
            return Paging(ReportSubpage > 1, ReportSubpage < last);
        if (ReportPage >= 1 && ReportPage <= NumerologyTopics) return SinglePage();
        return {false, false, BackPlace::None, true};
    }
    return {false, false, BackPlace::None, false};
}

ReportButtons ButtonsOfPage(int page, int count) { return ButtonsOfPage(Shown, page, count); }

// The corner buttons stand in the bottom bar on the tall layouts (Previous
// and Next at its right end), in a row at the top right on the short ones;
// read in sequence on a short layout, Back stands below the title band.
ResultViewLayout LayOutResultView(const ReportButtons* page) {
    ResultViewLayout layout{};
    const int extra = WideLayout() ? 80 : 0;  // the wide layouts' further units
    layout.ContentOrigin = {0, ShortLayout() ? 144 : 160};
    layout.MarginX = extra / 2;
    if (ShortLayout()) {
        layout.Back = {142 + extra, 5};
        layout.Previous = {174 + extra, 5};
        layout.Next = {208 + extra, 5};
        if (ResultKind == KindProfile && ProfileReadAll == 1) layout.Back = {208 + extra, 39};
    } else {
        layout.Back = {15, 288};
        layout.Previous = {166 + extra, 288};
        layout.Next = {200 + extra, 288};
        layout.SummarySpacing = 26;
    }
    if (page && page->Back == BackPlace::TopRight) layout.Back = {206 + extra, 0};
    return layout;
}

int ReportViewWidth() { return 220 + 2 * LayOutResultView(nullptr).MarginX; }

void DrawInResultView(DeviceContext* dc, const ReportRoute* route, void (*report)(DeviceContext* dc)) {
    const ResultViewLayout layout = LayOutResultView(nullptr);
    ContentOrigin = layout.ContentOrigin;
    MarginX = layout.MarginX;
    if (!HasLayout()) return;
    SetTextFont(L"Tahoma", 15, 700);
    const FontHandle previous = PlatformSelectFont(dc, CurrentFont());
    BackButton = layout.Back;
    PrevPageButton = layout.Previous;
    NextPageButton = layout.Next;
    SummarySpacing = layout.SummarySpacing;
    Shown = route;
    if (report) report(dc);
    Shown = nullptr;
    PlatformSelectFont(dc, previous);
}

void DrawReportFrame(DeviceContext* dc, int page, int count) {
    if (!HasLayout()) return;
    const int bottom = ShortLayout() ? 240 : 320;
    FillBox(dc, 255, 255, 255, 0, 0, WideLayout() ? 320 : 240, bottom);
    DrawFillers(dc);
    DrawTitleBand(dc);
    const int headerRight = count > 9 ? (ProfileReadAll == 1 ? 160 : 140) : (page > count ? 80 : 140);
    DrawHeaderBox(dc, headerRight);
    SetTextFont(L"Tahoma", 15, 700);
    const FontHandle previous = PlatformSelectFont(dc, CurrentFont());
    DrawHeaderText(dc, page, count, headerRight);
    PlatformSelectFont(dc, previous);
}

void DrawReportNav(DeviceContext* dc, int page, int count) {
    DescribeTitleAndStatus();
    const ReportButtons buttons = ButtonsOfPage(page, count);
    const ResultViewLayout layout = LayOutResultView(&buttons);
    if (buttons.Bar) DrawBar(dc);
    if (buttons.Previous) DrawButton(dc, Previous, layout.Previous);
    if (buttons.Next) DrawButton(dc, Next, layout.Next);
    if (buttons.Back == BackPlace::Corner) {
        DrawButton(dc, Back, layout.Back);
    } else if (buttons.Back == BackPlace::TopRight) {
        BackButton = layout.Back;
        DrawBackAtTopRight(dc, layout.Back);
    }
}
