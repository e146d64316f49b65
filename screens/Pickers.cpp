// The two sign pickers: the forecast picker and the profile picker with its
// sign grid and topic list.
#include "draw/Primitives.h"
#include "resources/Signs.h"
#include "screens/Screens.h"
#include "shell/core/Navigation.h"
#include "shell/core/Repaint.h"
#include "shell/core/State.h"
#include "shell/core/Targets.h"

#include <cstdio>
#include <cwchar>

namespace {

struct PickerLayout {
    LayoutPoint Title, Origin;
    bool TitlePicture;
    int TextLeft, TextTop;  // the title text's box, from the origin
    bool Centred;
};

// Indexed by DisplayMode 1 … 7 (0: no layout). MarginX and the Back icon
// follow from the layout's width.
constexpr PickerLayout ForecastLayouts[8] = {
    {},
    {{10, 12}, {4, 94}, true, 5, -20, false},  {{50, 0}, {44, 22}, false, 5, -18, false},
    {{10, 18}, {4, 94}, true, 5, -20, false},  {{50, 0}, {44, 22}, false, 5, -18, false},
    {{10, 0}, {4, 22}, false, 5, -18, false},  {{10, 0}, {4, 22}, false, 5, -18, false},
    {{50, 12}, {44, 94}, true, 5, -20, false},
};
constexpr PickerLayout GridLayouts[8] = {
    {},
    {{0, 12}, {0, 94}, true, 0, -20, true},   {{40, 0}, {40, 20}, false, 5, -18, false},
    {{0, 12}, {0, 94}, true, 0, -20, true},   {{40, 0}, {40, 20}, false, 5, -18, false},
    {{0, 0}, {0, 20}, false, 5, -18, false},  {{0, 0}, {0, 20}, false, 5, -18, false},
    {{40, 12}, {40, 94}, true, 0, -20, true},
};
constexpr PickerLayout TopicLayouts[8] = {
    {},
    {{0, 5}, {10, 85}, true, 10, -18, false},  {{40, 0}, {43, 10}, false, 6, -12, false},
    {{0, 5}, {10, 85}, true, 10, -18, false},  {{40, 0}, {43, 10}, false, 6, -12, false},
    {{0, 0}, {3, 10}, false, 6, -12, false},   {{0, 0}, {3, 10}, false, 6, -12, false},
    {{40, 5}, {43, 85}, true, 10, -18, false},
};

struct Picture {
    int Id, Width, Height;
};

// Each picture in its quarter-VGA and its double-size variant.
struct PickerPictures {
    Picture Title, TitleLarge, Grid, GridLarge;
};

void DrawPair(DeviceContext* dc, const Picture& small, const Picture& large, LayoutPoint at) {
    const Picture& picture = DoubleResolution() ? large : small;
    DrawBitmap(dc, picture.Id, picture.Width, picture.Height, at.X, at.Y);
}

// The drawn title is the instruction; the heading and the page's title
// name the place.
void DrawPicker(DeviceContext* dc, const PickerLayout& layout, const PickerPictures& pictures,
                int r, int g, int b, const wchar_t* title, const wchar_t* heading, const wchar_t* place) {
    SetTextFont(L"Tahoma", 13, 700);
    const FontHandle previous = PlatformSelectFont(dc, CurrentFont());
    TitlePos = layout.Title;
    ContentOrigin = layout.Origin;
    MarginX = LayoutMargin();
    FillLayoutArea(dc, r, g, b);
    if (layout.TitlePicture) DrawPair(dc, pictures.Title, pictures.TitleLarge, layout.Title);
    const int x0 = layout.Origin.X, y0 = layout.Origin.Y;
    DrawTextBox(dc, title, 142, 4, 4, 0, 0, 0, x0 + layout.TextLeft, y0 + layout.TextTop, x0 + 240,
                y0, 1, layout.Centred ? 1 : 0);
    DescribeHeadingAt(heading, x0 + layout.TextLeft, y0 + layout.TextTop, x0 + 240, y0);
    PlatformDescribeTitle(place);
    DrawPair(dc, pictures.Grid, pictures.GridLarge, layout.Origin);
    DrawSmallBackIcon(dc);
    PlatformSelectFont(dc, previous);
}

// ---- Targets ----------------------------------------------------------------------

// Rows of the sign grids, [top, bottom) from the grid's origin, tested in
// order. The forecast grid has 4-unit gaps between its rows; the profile
// grid's overlapping bands, tested one after the other, leave none.
using GridRows = int[3][2];
constexpr GridRows ForecastRows = {{0, 70}, {74, 146}, {150, 218}};
constexpr GridRows ProfileRows = {{0, 70}, {37, 146}, {75, 218}};

// Sign cell 4 (row − 1) + column of the grid at `origin`: its columns are
// 51 units wide. A row begins where the one tested before it ends, when
// they overlap.
LayoutRect SignCellRect(const GridRows& rows, LayoutPoint origin, int sign) {
    constexpr int starts[4] = {0, 60, 120, 182};
    const int row = (sign - 1) / 4, column = (sign - 1) % 4;
    const int top = row > 0 && rows[row][0] < rows[row - 1][1] ? rows[row - 1][1] : rows[row][0];
    const int x = origin.X + starts[column], y = origin.Y;
    return {x, y + top, x + 50, y + rows[row][1] - 1};
}

int SignCell(const GridRows& rows, LayoutPoint origin, int x, int y) {
    for (int sign = 1; sign <= SignCount; ++sign)
        if (Contains(SignCellRect(rows, origin, sign), x, y)) return sign;
    return 0;
}

void DescribeSignCells(const GridRows& rows, LayoutPoint origin) {
    for (int sign = 1; sign <= SignCount; ++sign)
        DescribeTarget(SignCellRect(rows, origin, sign), RoleChoice, SignChoiceName(sign));
}

// A page of twelve sign cells: the forecast picker, the profile picker's
// first step.
struct SignGrid {
    const PickerLayout (&Layouts)[8];
    PickerPictures Pictures;
    int R, G, B;  // the background
    const wchar_t *Title, *Heading;
    const char* Place;  // its control name
    const GridRows& Rows;
};

constexpr SignGrid ForecastGrid = {ForecastLayouts,
                                   {{PictureForecastTitle.Small, 220, 46},
                                    {PictureForecastTitle.Large, 440, 91},
                                    {PictureForecastGrid.Small, 232, 218},
                                    {PictureForecastGrid.Large, 464, 436}},
                                   206, 255, 49,
                                   L"Click your sign and learn about 2010:",
                                   L"Horoscopes 2010: click your sign",
                                   "section-2",
                                   ForecastRows};
constexpr SignGrid ProfileGrid = {GridLayouts,
                                  {{PictureProfileTitle.Small, 240, 57},
                                   {PictureProfileTitle.Large, 480, 114},
                                   {PictureProfileGrid.Small, 240, 218},
                                   {PictureProfileGrid.Large, 480, 436}},
                                  255, 255, 153,
                                  L"Click your sign and learn about you:",
                                  L"Zodiac Signs: click your sign",
                                  "section-3",
                                  ProfileRows};

void DrawSignGrid(DeviceContext* dc, const SignGrid& grid) {
    DrawPicker(dc, InMode(grid.Layouts), grid.Pictures, grid.R, grid.G, grid.B, grid.Title, grid.Heading,
               ControlName(grid.Place));
    DescribeSignCells(grid.Rows, InMode(grid.Layouts).Origin);
}

int SignGridCell(const SignGrid& grid, int x, int y) {
    return SignCell(grid.Rows, InMode(grid.Layouts).Origin, x, y);
}

// Topic rows of the profile topic list, [top, bottom) from the list's origin;
// the last reads every topic in sequence.
constexpr int TopicRows[11][2] = {{0, 20},    {22, 40},   {42, 62},   {64, 82},
                                  {84, 102},  {104, 124}, {126, 144}, {146, 166},
                                  {168, 186}, {188, 208}, {210, 230}};

LayoutRect TopicRect(int topic) {
    const LayoutPoint origin = InMode(TopicLayouts).Origin;
    const int x = origin.X, y = origin.Y;
    return {x, y + TopicRows[topic - 1][0], x + 220, y + TopicRows[topic - 1][1] - 1};
}

int TopicAt(int x, int y) {
    for (int topic = 1; topic <= 11; ++topic)
        if (Contains(TopicRect(topic), x, y)) return topic;
    return 0;
}

void DescribeTopics() {
    for (int topic = 1; topic <= 11; ++topic) {
        char key[16];
        std::snprintf(key, sizeof key, "topic-%d", topic);
        DescribeTarget(TopicRect(topic), RoleButton, ControlName(key));
    }
}

}  // namespace

void DrawSmallBackIcon(DeviceContext* dc) {
    DrawKeyedPicturePair(dc, PictureFrameBackSmall, 17, 17, CloseBoxRect().Left, 1, UsualKey);
    DescribeTarget(CloseBoxRect(), RoleBack, ControlName("back"));
}

bool InCloseBox(int x, int y) { return Contains(CloseBoxRect(), x, y); }

void DrawForecastPicker(DeviceContext* dc) {
    if (HasLayout()) DrawSignGrid(dc, ForecastGrid);
}

void DrawProfilePicker(DeviceContext* dc) {
    if (!HasLayout()) return;
    if (SubPage == SubPageSignGrid) {
        DrawSignGrid(dc, ProfileGrid);
    } else if (SubPage == SubPageTopicList) {
        wchar_t title[32] = L"", heading[48] = L"", place[48] = L"";
        if (SignIndex >= 1 && SignIndex <= SignCount) {
            std::swprintf(title, 32, L"About %ls:", SignTitleName(SignIndex));
            std::swprintf(heading, 48, L"%ls: topics", SignName(SignIndex));
            std::swprintf(place, 48, L"%ls, topics", SignName(SignIndex));
        }
        const PickerPictures topics = {ProfileGrid.Pictures.Title, ProfileGrid.Pictures.TitleLarge,
                                       {PictureProfileTopics.Small, 220, 230},
                                       {PictureProfileTopics.Large, 440, 460}};
        DrawPicker(dc, InMode(TopicLayouts), topics, ProfileGrid.R, ProfileGrid.G, ProfileGrid.B, title,
                   heading, place);
        DescribeTopics();
    }
}

void ForecastPickerTap(int x, int y) {
    if (const int cell = SignGridCell(ForecastGrid, x, y)) {
        ReportPage = 1;
        SignIndex = cell;
        OpenReport(KindForecast);
    } else if (InCloseBox(x, y)) {
        SubPage = SubPageNone;
        BackToMainMenu();
    }
}

void ProfilePickerTap(int x, int y) {
    if (SubPage == SubPageSignGrid) {
        if (const int cell = SignGridCell(ProfileGrid, x, y)) {
            SignIndex = cell;
            SubPage = SubPageTopicList;
            RepaintAll();
        } else if (InCloseBox(x, y)) {
            SubPage = SubPageNone;
            BackToMainMenu();
        }
    } else if (SubPage == SubPageTopicList) {
        if (const int topic = TopicAt(x, y)) {
            ReportPage = topic <= 10 ? topic : 1;
            ProfileReadAll = topic <= 10 ? 0 : 1;
            OpenReport(KindProfile);
        } else if (InCloseBox(x, y)) {
            ScreenReady = 0;
            SubPage = SubPageSignGrid;
            BaseScreen = ScreenProfilePicker;
            RepaintAll();
        }
    }
}
