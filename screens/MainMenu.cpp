#include "draw/Primitives.h"
#include "draw/TextView.h"
#include "platform/Platform.h"
#include "screens/ResultPage.h"
#include "screens/Screens.h"
#include "shell/core/Navigation.h"
#include "shell/core/Repaint.h"
#include "shell/core/Settings.h"
#include "shell/core/State.h"
#include "shell/core/Targets.h"

#include <cstdio>

namespace {

struct MenuLayout {
    int MarginX;
    LayoutPoint ContentOrigin, Exit, Help, Information, TitlePos;
};

// Indexed by DisplayMode 1 … 7 (0: no layout).
constexpr MenuLayout Layouts[8] = {
    {},
    {0, {32, 225}, {221, 2}, {202, 2}, {183, 2}, {0, 72}},
    {40, {72, 158}, {302, 2}, {302, 21}, {302, 40}, {40, 22}},
    {0, {32, 225}, {221, 2}, {202, 2}, {183, 2}, {0, 72}},
    {40, {72, 158}, {302, 2}, {302, 21}, {302, 40}, {40, 22}},
    {0, {32, 158}, {221, 2}, {221, 21}, {221, 40}, {0, 22}},
    {0, {32, 158}, {221, 2}, {221, 21}, {221, 40}, {0, 22}},
    {40, {72, 225}, {302, 2}, {302, 21}, {302, 40}, {40, 72}},
};

// The menu's layout in the current display mode: the painter draws at it
// and publishes it, taps and the description read it.
const MenuLayout& Layout() { return InMode(Layouts); }

void PublishPositions() {
    if (!HasLayout()) return;
    const MenuLayout& layout = Layout();
    MarginX = layout.MarginX;
    ContentOrigin = layout.ContentOrigin;
    ButtonSlot1 = layout.Exit;
    ButtonSlot2 = layout.Help;
    ButtonSlot3 = layout.Information;
    TitlePos = layout.TitlePos;
}

// Where the menu's pictures go: onto the page, or, before the first paint,
// into a list of their ids to decode ahead (MainMenuPictures), so that the
// list is always what the painter draws.
struct PictureSink {
    DeviceContext* Dc = nullptr;
    int* Ids = nullptr;
    int Count = 0, Capacity = 0;
};

// True when the picture is to be drawn; otherwise it is listed.
bool Drawn(PictureSink& to, int id) {
    if (to.Dc) return true;
    if (to.Count < to.Capacity) to.Ids[to.Count++] = id;
    return false;
}

void Bitmap(PictureSink& to, int id, int width, int height, int x, int y) {
    if (Drawn(to, id)) DrawBitmap(to.Dc, id, width, height, x, y);
}

void Stretched(PictureSink& to, int id, int sourceWidth, int sourceHeight, int x, int y, int width,
               int height) {
    if (Drawn(to, id)) StretchBitmap(to.Dc, id, sourceWidth, sourceHeight, x, y, width, height);
}

void Pair(PictureSink& to, PicturePair pair, int width, int height, int x, int y) {
    if (Drawn(to, ForResolution(pair))) DrawPicturePair(to.Dc, pair, width, height, x, y);
}

void DrawMenuList(PictureSink& to) {
    const LayoutPoint at = Layout().ContentOrigin;
    const bool large = DoubleResolution();
    const int id = large ? PictureMenuMenulist.Large : PictureMenuMenulist.Small;
    if (Drawn(to, id)) DrawKeyedBitmap(to.Dc, id, large ? 351 : 176, large ? 163 : 80, at.X, at.Y, 255, 204, 255);
}

// Tall and wide screens: pictures close the 40-unit bands on either side of
// the layout, above and below (tall) or left and right (wide). They are
// stored at double size and shrunk on the other modes.
void DrawFillers(PictureSink& to) {
    const bool tall = TallBands();
    if (!tall && !WideBands()) return;
    const int width = tall ? 480 : 80, height = tall ? 80 : 480;
    const int first = tall ? PictureMenuFillerTop : PictureMenuFillerLeft;
    const int second = tall ? PictureMenuFillerBottom : PictureMenuFillerRight;
    const LayoutPoint before = tall ? LayoutPoint{0, -40} : LayoutPoint{-40, 0};
    const LayoutPoint after = tall ? LayoutPoint{0, 320} : LayoutPoint{320, 0};
    if (DoubleResolution()) {
        Bitmap(to, first, width, height, before.X, before.Y);
        Bitmap(to, second, width, height, after.X, after.Y);
    } else {
        Stretched(to, first, width, height, before.X, before.Y, width / 2, height / 2);
        Stretched(to, second, width, height, after.X, after.Y, width / 2, height / 2);
    }
}

// The 320-unit-wide layouts close the sides of the 240-unit background with
// two bars, from the top on the short one and 50 units down on the square
// one, whose corners get pictures and boxes of their own.
void DrawSidebars(PictureSink& to) {
    if (!WideLayout()) return;
    const int top = ShortLayout() ? 0 : 50;
    if (DoubleResolution()) {
        Stretched(to, PictureMenuSidebarLeft, 40, 240, 0, UnitsToPixels(top), UnitsToPixels(40),
                  UnitsToPixels(240));
        Stretched(to, PictureMenuSidebarRight, 40, 240, UnitsToPixels(280), UnitsToPixels(top),
                  UnitsToPixels(40), UnitsToPixels(240));
    } else {
        Bitmap(to, PictureMenuSidebarLeft, 40, 240, 0, top);
        Bitmap(to, PictureMenuSidebarRight, 40, 240, 280, top);
    }
    if (ShortLayout()) return;
    if (to.Dc) {
        FillBox(to.Dc, 66, 190, 173, 0, 290, 40, 320);
        FillBox(to.Dc, 255, 219, 115, 280, 290, 320, 320);
    }
    Bitmap(to, PictureMenuCornerLeft, 41, 51, 0, 0);
    Bitmap(to, PictureMenuCornerRight, 41, 55, 279, 0);
}

// The background stands 40 units in on the wide layouts and 50 units up on
// the short ones, under the title on the double-resolution modes.
void DrawPicture(PictureSink& to) {
    const int x = WideLayout() ? 40 : 0, y = ShortLayout() ? -50 : 0;
    Pair(to, PictureMenuBackground, 240, 320, x, y);
    if (DoubleResolution()) Bitmap(to, PictureMenuTitle, 480, 108, Layout().TitlePos.X, Layout().TitlePos.Y);
    DrawFillers(to);
    DrawMenuList(to);
    DrawSidebars(to);
}

void DrawIcons(PictureSink& to) {
    const MenuLayout& layout = Layout();
    Pair(to, PictureMenuIconExit, 17, 17, layout.Exit.X, layout.Exit.Y);
    Pair(to, PictureMenuIconHelp, 17, 17, layout.Help.X, layout.Help.Y);
    Pair(to, PictureMenuIconInfo, 17, 17, layout.Information.X, layout.Information.Y);
}

LayoutRect IconRect(LayoutPoint icon) { return {icon.X, icon.Y, icon.X + 17, icon.Y + 17}; }

// The list's five rows (the sections), each down to its bottom, from the
// list's top; the list is 177 units wide.
constexpr int RowBottoms[5] = {17, 32, 48, 64, 80};

LayoutRect RowRect(int row) {
    const int x = Layout().ContentOrigin.X, y = Layout().ContentOrigin.Y;
    return {x, y + (row == 1 ? 0 : RowBottoms[row - 2] + 1), x + 176, y + RowBottoms[row - 1]};
}

void DescribeMenu() {
    PlatformDescribeHeading(ControlName("main-menu"));
    DescribeBox({RowRect(1).Left, RowRect(1).Top - 20, RowRect(1).Right, RowRect(1).Top - 1});
    for (int row = 1; row <= 5; ++row) {
        char key[16];
        std::snprintf(key, sizeof key, "section-%d", row);
        DescribeTarget(RowRect(row), RoleButton, ControlName(key));
    }
    DescribeTarget(IconRect(Layout().Information), RoleButton, ControlName("about"));
    DescribeTarget(IconRect(Layout().Help), RoleButton, ControlName("help"));
    DescribeTarget(IconRect(Layout().Exit), RoleButton, ControlName("exit"));
}

void EnterSection(int subPage, ScreenValue baseScreen) {
    SubPage = subPage;
    BaseScreen = baseScreen;
    ScreenReady = 0;
    RepaintAll();
}

}  // namespace

void SelectionReset() {
    MySignChoice = LoverSignChoice = 1;
    PairMySign = PairLoverSign = 0;
    SignIndex = 0;
    ReportPage = 1;
    ProfileReadAll = 0;
    ReportSubpage = 0;
    DayIndex = MonthIndex = BirthYear = 0;
    ResetReportPageCounts();
    FirstRating = SecondRating = ThirdRating = FourthRating = 0;
}

void DrawMainMenu(DeviceContext* dc) {
    if (ScreenReady == 0) {
        FillBox(dc, 0, 0, 0, -40, -40, 400, 400);
        SelectionReset();
        ScreenReady = 1;
    }
    // Decoded first, each in a step of its own: on a slow phone, decoding
    // them within the first paint would keep the page busy too long.
    int pictures[MainMenuPictureMost];
    PlatformDecodeAhead(pictures, MainMenuPictures(pictures, MainMenuPictureMost));
    PublishPositions();
    PictureSink page{dc};
    DrawPicture(page);
    DrawIcons(page);
    DescribeMenu();
}

int MainMenuPictures(int* ids, int capacity) {
    PictureSink list{nullptr, ids, 0, capacity};
    DrawPicture(list);
    DrawIcons(list);
    return list.Count;
}

void MainMenuTap(int x, int y) {
    if (PopupScreen != PopupNone) return;
    if (Contains(RowRect(1), x, y)) EnterSection(SubPageCompatibility, ScreenCompatibilityPicker);
    else if (Contains(RowRect(2), x, y)) EnterSection(SubPageForecast, ScreenForecastPicker);
    else if (Contains(RowRect(3), x, y)) EnterSection(SubPageSignGrid, ScreenProfilePicker);
    else if (Contains(RowRect(4), x, y)) EnterSection(SubPageDateStep, ScreenBirthDate);
    else if (Contains(RowRect(5), x, y)) EnterSection(SubPage, ScreenExtras);
    else if (Contains(IconRect(Layout().Information), x, y)) {
        OpenPopup(PopupAbout);
    } else if (Contains(IconRect(Layout().Help), x, y)) {
        OpenPopup(PopupHelp);
    } else if (Contains(IconRect(Layout().Exit), x, y)) {
        SaveSettings();
        PlatformPostQuit(0);
    }
}
