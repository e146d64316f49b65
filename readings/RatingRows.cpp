#include "readings/RatingRows.h"

#include "draw/Primitives.h"
#include "shell/core/State.h"
#include "shell/core/Targets.h"

#include <cwchar>

namespace {

struct Symbols {
    PicturePair Empty, Full;
};

constexpr Symbols Hands{PictureRatingHandEmpty, PictureRatingHandFull},
    Hearts{PictureRatingHeartEmpty, PictureRatingHeartFull},
    Smileys{PictureRatingSmileyEmpty, PictureRatingSmileyFull},
    Charts{PictureRatingCoinsEmpty, PictureRatingCoinsFull},
    Clovers{PictureRatingCloverEmpty, PictureRatingCloverFull};

struct Row {
    const wchar_t* Label;
    int Rating;
    int Top, Bottom, SymbolY;
    Symbols Pictures;
};

void DrawSymbol(DeviceContext* dc, const Symbols& pictures, bool full, int x, int y) {
    DrawPicturePair(dc, full ? pictures.Full : pictures.Empty, 18, 24, x, y);
}

void DrawRow(DeviceContext* dc, const Row& row) {
    wchar_t line[48] = L"";
    if (row.Rating >= 1 && row.Rating <= 10)
        std::swprintf(line, 48, L"%ls(%d out of 10)", row.Label, row.Rating);
    DrawTextBox(dc, line, 255, 0, 0, 255, 255, 255, 55, row.Top, 240, row.Bottom, 1, 0);
    // Spoken as words: "Relationship: 9 out of 10".
    if (row.Rating >= 1 && row.Rating <= 10) {
        std::swprintf(line, 48, L"%ls%d out of 10", row.Label, row.Rating);
        DescribeTextAt(line, 55, row.Top, 240, row.Bottom);
    }
    for (int i = 0; i < 10; ++i) DrawSymbol(dc, row.Pictures, false, 55 + 18 * i, row.SymbolY);
    for (int i = 0; i < row.Rating && i < 10; ++i)
        DrawSymbol(dc, row.Pictures, true, 55 + 18 * i, row.SymbolY);
}

}  // namespace

void DrawRatingRow(DeviceContext* dc, int variant, int rating) {
    SetTextFont(L"Tahoma", 15, 700);
    const FontHandle previous = PlatformSelectFont(dc, CurrentFont());
    const wchar_t* second = ResultKind == KindForecast ? L"Love: " : L"Sex: ";
    const int s = SummarySpacing;
    switch (variant) {
    case 1: DrawRow(dc, {L"Relationship: ", rating, 39, 53, 62, Hands}); break;
    case 2: DrawRow(dc, {second, rating, 39, 53, 62, Hearts}); break;
    case 3: DrawRow(dc, {L"Life: ", rating, 39, 53, 62, Smileys}); break;
    case 4:
        DrawRow(dc, {L"Relationship: ", FirstRating, 39, 53, 62, Hands});
        DrawRow(dc, {L"Sex: ", SecondRating, 94, 114, 117, Hearts});
        DrawRow(dc, {L"Life: ", ThirdRating, 149, 169, 172, Smileys});
        break;
    case 5: DrawRow(dc, {L"Loot: ", rating, 39, 53, 62, Charts}); break;
    case 6: DrawRow(dc, {L"Luck: ", rating, 39, 53, 62, Clovers}); break;
    case 7:
        DrawRow(dc, {L"Life: ", FirstRating, 39, 53, 62, Smileys});
        DrawRow(dc, {L"Love: ", SecondRating, s + 89, s + 119, s + 112, Hearts});
        DrawRow(dc, {L"Loot: ", ThirdRating, 2 * s + 139, 2 * s + 159, 2 * s + 162, Charts});
        DrawRow(dc, {L"Luck: ", FourthRating, 3 * s + 189, 3 * s + 219, 3 * s + 212, Clovers});
        break;
    default:
        break;
    }
    PlatformSelectFont(dc, previous);
}
