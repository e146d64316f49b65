// The sign profile: ten topic pages about one sign, opened on one topic or
// read in sequence.
#include "draw/Primitives.h"
#include "draw/ResultView.h"
#include "draw/TextView.h"
#include "readings/Reports.h"
#include "readings/Profile.h"
#include "resources/Signs.h"
#include "shell/core/Display.h"
#include "shell/core/State.h"
#include "shell/core/Targets.h"

#include <algorithm>
#include <cwchar>

namespace {

struct SignPictures {
    const wchar_t *Planet, *Symbol;
    int PlanetPicture, SymbolPicture;
    const wchar_t* ColourWord;
    Colour Swatch;
    const wchar_t* Stone;
    int StonePicture;
};

// By SignIndex; Virgo's colour page has a second half, drawn separately.
constexpr SignPictures Pictures[13] = {
    {},
    {L"MARS", L"RAM", PicturePlanetMars, PictureSymbolRam, L"RED", {255, 0, 0}, L"DIAMOND", PictureStoneDiamond},
    {L"The SUN", L"LION", PicturePlanetSun, PictureSymbolLion, L"GOLD", {255, 204, 51}, L"RED RUBY", PictureStoneRuby},
    {L"JUPITER", L"CENTAUR", PicturePlanetJupiter, PictureSymbolCentaur, L"RICH PURPLE", {147, 74, 183}, L"TOPAZ", PictureStoneTopaz},
    {L"VENUS", L"BULL", PicturePlanetVenus, PictureSymbolBull, L"PINK", {255, 138, 242}, L"EMERALD", PictureStoneEmerald},
    {L"MERCURY", L"VIRGIN", PicturePlanetMercury, PictureSymbolVirgin, L"GREEN", {0, 255, 0}, L"SARDONYX", PictureStoneSardonyx},
    {L"SATURN", L"GOAT", PicturePlanetSaturn, PictureSymbolGoat, L"BROWN", {128, 64, 0}, L"BLACK ONYX", PictureStoneOnyx},
    {L"MERCURY", L"TWINS", PicturePlanetMercury, PictureSymbolTwins, L"GREEN", {0, 255, 0}, L"MOSS AGATE", PictureStoneMossagate},
    {L"VENUS", L"SCALES", PicturePlanetVenus, PictureSymbolScales, L"BLUE", {0, 0, 255}, L"SAPPHIRE", PictureStoneSapphire},
    {L"URANUS", L"WATER", PicturePlanetUranus, PictureSymbolWater, L"TURQUOISE", {0, 204, 204}, L"TURKUOISE", PictureStoneTurquoise},
    {L"MOON", L"CRAB", PicturePlanetMoon, PictureSymbolCrab, L"SILVER", {204, 204, 153}, L"PEARL", PictureStonePearl},
    {L"PLUTO", L"SCORPION", PicturePlanetPluto, PictureSymbolScorpion, L"DARK RED", {102, 0, 0}, L"OPAL", PictureStoneOpal},
    {L"NEPTUNE", L"FISH", PicturePlanetNeptune, PictureSymbolFish, L"SEAGREEN", {102, 153, 102}, L"MOONSTONE", PictureStoneMoonstone},
};

constexpr const wchar_t* PageTitles[6] = {L"", L"General Information:", L"About Love:",
                                          L"About Health:", L"Likes / Dislikes:",
                                          L"Problems / Solutions:"};

constexpr const wchar_t* FamousTitles[13] = {
    L"", L"Some Famous Arians:", L"Some Famous Leos:", L"Some Famous Sagittarians:",
    L"Some Famous Taureans:", L"Some Famous Virgoeans:", L"Some Famous Capricorns:",
    L"Some Famous Gemini:", L"Some Famous Librians:", L"Some Famous Aquarians:",
    L"Some Famous Folks:", L"Some Famous Scorpions:", L"Some Famous Pisceans:"};

constexpr const wchar_t* PictureLabels[10] = {
    L"", L"", L"", L"", L"", L"", L"Your\r\nRuling\r\nplanet:", L"Your\r\nsymbol\r\nis the:",
    L"Your\r\ncolor\r\nof\r\nchoice:", L"Your\r\nstarstone\r\nis the:"};

// The page title, in the page-title font where it fits the room it has:
// its box, or up to the Back button where that stands beside it (reading
// in sequence on the 240-unit-high layouts). A title too long for that
// steps down to a smaller size of the same weight rather than lose its
// end under the button or wrap onto a line the box cannot show.
void DrawTitle(DeviceContext* dc, const wchar_t* title, const ReportLayout& page) {
    const ReportButtons buttons = ButtonsOfPage(page.Page, page.Count);
    const LayoutPoint back = LayOutResultView(&buttons).Back;
    const bool backBeside = back.Y < 59 && back.Y + 28 > 39;
    const int room = UnitsToPixels((backBeside ? std::min(back.X, 240) : 240) - 10);
    for (const int smaller : {17, 15}) {
        if (PlatformTextWidth(dc, title) <= room) break;
        SetTextFont(L"Tahoma", smaller, 900);
        PlatformSelectFont(dc, CurrentFont());
    }
    DrawTextBox(dc, title, 142, 4, 4, 255, 255, 255, 10, 39, 240, 59, 1, 0);
    DescribeTextAt(title, 10, 39, 240, 59);
}

// A reading for the text view; a lead-in goes in front of it as part of the
// same string, so the reading does not start with a space.
void SetText(const wchar_t* lead, const wchar_t* text) {
    wchar_t joined[PageTextCapacity] = L"";
    std::wcsncat(joined, lead ? lead : L"", PageTextCapacity - 1);
    std::wcsncat(joined, text, PageTextCapacity - 1 - std::wcslen(joined));
    ClearPageText();
    AppendPageText(joined);
}

// A picture of the sign's planet, symbol (142 x 142) or stone (100 x 100),
// stretched to the display mode's scale.
void DrawSignPicture(DeviceContext* dc, int id, int size, int x, int y) {
    StretchBitmap(dc, id, size, size, UnitsToPixels(x), UnitsToPixels(y), UnitsToPixels(size), UnitsToPixels(size));
}

void DrawSwatch(DeviceContext* dc, const SignPictures& sign) {
    SetTextFont(L"Tahoma", 17, 900);
    PlatformSelectFont(dc, CurrentFont());
    if (SignIndex == 5) {
        FillBox(dc, 0, 255, 0, 90, 49, 232, 105);
        DrawTextBox(dc, L"GREEN", 255, 255, 255, 0, 0, 0, 90, 70, 232, 90, 1, 1);
        FillBox(dc, 102, 0, 0, 90, 106, 232, 161);
        DrawTextBox(dc, L"DARK BROWN", 255, 255, 255, 0, 0, 0, 90, 125, 232, 145, 1, 1);
        return;
    }
    FillBox(dc, sign.Swatch.Red, sign.Swatch.Green, sign.Swatch.Blue, 90, 49, 232, 161);
    DrawTextBox(dc, sign.ColourWord, 255, 255, 255, 0, 0, 0, 90, 95, 232, 115, 1, 1);
}

// The label and the word of a picture page as one line: "Your Ruling
// planet: MARS" (Virgo's colour page names both halves).
void DescribePicturePage(int page, const SignPictures& sign, const wchar_t* word) {
    wchar_t line[64];
    int length = 0;
    for (const wchar_t* c = PictureLabels[page]; *c && length < 40; ++c) {
        if (*c == L'\r') continue;
        line[length++] = *c == L'\n' ? L' ' : *c;
    }
    line[length] = 0;
    const wchar_t* shown = word ? word : SignIndex == 5 ? L"GREEN and DARK BROWN" : sign.ColourWord;
    std::swprintf(line + length, 64 - length, L" %ls", shown);
    DescribeTextAt(line, 25, 76, 232, 200);
}

// Pages 6 … 9: a label, a picture or colour swatch, the sign's word, a
// short text below.
void DrawPicturePage(DeviceContext* dc, FontHandle previous, const ReportLayout& layout) {
    const int page = layout.Page;
    const SignPictures& sign = Pictures[SignIndex];
    PlatformSelectFont(dc, previous);
    SetTextFont(L"Tahoma", 15, 700);
    PlatformSelectFont(dc, CurrentFont());
    DrawTextBox(dc, PictureLabels[page], 0, 0, 0, 255, 255, 255, 25, 76, 130, 200, 1, 0);
    const wchar_t* word = nullptr;
    switch (page) {
    case 6: DrawSignPicture(dc, sign.PlanetPicture, 142, 90, 39); word = sign.Planet; break;
    case 7: DrawSignPicture(dc, sign.SymbolPicture, 142, 90, 39); word = sign.Symbol; break;
    case 8: DrawSwatch(dc, sign); break;
    case 9: DrawSignPicture(dc, sign.StonePicture, 100, 120, 60); word = sign.Stone; break;
    default: break;
    }
    if (word) DrawTextBox(dc, word, 142, 4, 4, 255, 255, 255, 25, 130, 130, 150, 1, 0);
    DescribePicturePage(page, sign, word);
    DrawTextPage(dc, layout.View);
}

}  // namespace

// Pages 1 … 5 and 10: a title over the text; 6 … 9: a picture over a
// shorter text.
bool ProfileLayout(ReportLayout* layout) {
    const int page = ReportPage;
    if (SubPage != SubPageTopicList || ResultKind != KindProfile || SignIndex < 1 || SignIndex > SignCount ||
        page < 1 || page > ProfileTopics)
        return false;
    const int rows = ShortLayout() ? 8 : 10;
    const bool picture = page >= 6 && page <= 9;
    *layout = {page, ProfileTopics, true, {picture ? rows - 6 : rows, 10, picture ? 190 : 67, ReportViewWidth()}};
    SetText(page == 5 ? ProblemsLeadIn : nullptr, ProfileText(page));
    return true;
}

void DrawSignProfile(DeviceContext* dc) {
    SetTextFont(L"Tahoma", 18, 900);
    const FontHandle previous = PlatformSelectFont(dc, CurrentFont());
    if (ReportLayout layout; ProfileLayout(&layout)) {
        const int page = layout.Page;
        DrawReportFrame(dc, page, layout.Count);
        if (page >= 6 && page <= 9) {
            DrawPicturePage(dc, previous, layout);
        } else {
            DrawTitle(dc, page <= 5 ? PageTitles[page] : FamousTitles[SignIndex], layout);
            DrawTextPage(dc, layout.View);
        }
        DrawReportNav(dc, page, layout.Count);
    }
    PlatformSelectFont(dc, previous);
}
