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

// Indexed by DisplayMode 1 … 7.
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

void PublishPositions() {
    if (DisplayMode < 1 || DisplayMode > 7) return;
    const MenuLayout& layout = Layouts[DisplayMode];
    MarginX = layout.MarginX;
    ContentOrigin = layout.ContentOrigin;
    ButtonSlot1 = layout.Exit;
    ButtonSlot2 = layout.Help;
    ButtonSlot3 = layout.Information;
    TitlePos = layout.TitlePos;
}

void DrawMenuList(DeviceContext* dc) {
    if (DoubleResolution())
        DrawKeyedBitmap(dc, PictureMenuMenulist.Large, 351, 163, ContentOrigin.X, ContentOrigin.Y, 255,
                        204, 255);
    else
        DrawKeyedBitmap(dc, PictureMenuMenulist.Small, 176, 80, ContentOrigin.X, ContentOrigin.Y, 255,
                        204, 255);
}

// Tall and wide screens: pictures close the 40-unit bands on either side of
// the layout, above and below (tall) or left and right (wide). They are
// stored at double size and shrunk on the other modes.
void DrawFillers(DeviceContext* dc, bool tall) {
    if (tall ? LayoutShift.Y != 40 : LayoutShift.X != 40) return;
    const int width = tall ? 480 : 80, height = tall ? 80 : 480;
    const int first = tall ? PictureMenuFillerTop : PictureMenuFillerLeft;
    const int second = tall ? PictureMenuFillerBottom : PictureMenuFillerRight;
    const LayoutPoint before = tall ? LayoutPoint{0, -40} : LayoutPoint{-40, 0};
    const LayoutPoint after = tall ? LayoutPoint{0, 320} : LayoutPoint{320, 0};
    if (DoubleResolution()) {
        DrawBitmap(dc, first, width, height, before.X, before.Y);
        DrawBitmap(dc, second, width, height, after.X, after.Y);
    } else {
        StretchBitmap(dc, first, width, height, before.X, before.Y, width / 2, height / 2);
        StretchBitmap(dc, second, width, height, after.X, after.Y, width / 2, height / 2);
    }
}

void DrawPicture(DeviceContext* dc) {
    switch (DisplayMode) {
    case 1:
        DrawBitmap(dc, PictureMenuBackground.Small, 240, 320, 0, 0);
        DrawFillers(dc, true);
        DrawMenuList(dc);
        break;
    case 2:
        DrawBitmap(dc, PictureMenuBackground.Small, 240, 320, 40, -50);
        DrawFillers(dc, false);
        DrawMenuList(dc);
        DrawBitmap(dc, PictureMenuSidebarLeft, 40, 240, 0, 0);
        DrawBitmap(dc, PictureMenuSidebarRight, 40, 240, 280, 0);
        break;
    case 3:
        DrawBitmap(dc, PictureMenuBackground.Large, 480, 640, 0, 0);
        DrawBitmap(dc, PictureMenuTitle, 480, 108, TitlePos.X, TitlePos.Y);
        DrawMenuList(dc);
        DrawFillers(dc, true);
        break;
    case 4:
        DrawBitmap(dc, PictureMenuBackground.Large, 480, 640, 40, -50);
        DrawBitmap(dc, PictureMenuTitle, 480, 108, TitlePos.X, TitlePos.Y);
        DrawFillers(dc, false);
        DrawMenuList(dc);
        StretchBitmap(dc, PictureMenuSidebarLeft, 40, 240, 0, 0, 80, 480);
        StretchBitmap(dc, PictureMenuSidebarRight, 40, 240, 560, 0, 80, 480);
        break;
    case 5:
        DrawBitmap(dc, PictureMenuBackground.Small, 240, 320, 0, -50);
        DrawMenuList(dc);
        break;
    case 6:
        DrawBitmap(dc, PictureMenuBackground.Large, 480, 640, 0, -50);
        DrawBitmap(dc, PictureMenuTitle, 480, 108, TitlePos.X, TitlePos.Y);
        DrawMenuList(dc);
        break;
    case 7:
        DrawBitmap(dc, PictureMenuBackground.Small, 240, 320, 40, 0);
        DrawBitmap(dc, PictureMenuSidebarLeft, 40, 240, 0, 50);
        DrawBitmap(dc, PictureMenuSidebarRight, 40, 240, 280, 50);
        DrawMenuList(dc);
        FillBox(dc, 66, 190, 173, 0, 290, 40, 320);
        FillBox(dc, 255, 219, 115, 280, 290, 320, 320);
        DrawBitmap(dc, PictureMenuCornerLeft, 41, 51, 0, 0);
        DrawBitmap(dc, PictureMenuCornerRight, 41, 55, 279, 0);
        break;
    default:
        break;
    }
}

void DrawIcons(DeviceContext* dc) {
    DrawPicturePair(dc, PictureMenuIconExit, 17, 17, ButtonSlot1.X, ButtonSlot1.Y);
    DrawPicturePair(dc, PictureMenuIconHelp, 17, 17, ButtonSlot2.X, ButtonSlot2.Y);
    DrawPicturePair(dc, PictureMenuIconInfo, 17, 17, ButtonSlot3.X, ButtonSlot3.Y);
}

LayoutRect IconRect(LayoutPoint icon) { return {icon.X, icon.Y, icon.X + 17, icon.Y + 17}; }

// The list's five rows (the sections), each down to its bottom, from the
// list's top; the list is 177 units wide.
constexpr int RowBottoms[5] = {17, 32, 48, 64, 80};

LayoutRect RowRect(int row) {
    const int x = ContentOrigin.X, y = ContentOrigin.Y;
    return {x, y + (row == 1 ? 0 : RowBottoms[row - 2] + 1), x + 176, y + RowBottoms[row - 1]};
}

void DescribeMenu() {
    PlatformDescribeHeading(ControlName("main-menu"));
    DescribeBox({RowRect(1).Left, ContentOrigin.Y - 20, RowRect(1).Right, ContentOrigin.Y - 1});
    for (int row = 1; row <= 5; ++row) {
        char key[16];
        std::snprintf(key, sizeof key, "section-%d", row);
        DescribeTarget(RowRect(row), RoleButton, ControlName(key));
    }
    DescribeTarget(IconRect(ButtonSlot3), RoleButton, ControlName("about"));
    DescribeTarget(IconRect(ButtonSlot2), RoleButton, ControlName("help"));
    DescribeTarget(IconRect(ButtonSlot1), RoleButton, ControlName("exit"));
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
    PublishPositions();
    DrawPicture(dc);
    DrawIcons(dc);
    DescribeMenu();
}

void MainMenuTap(int x, int y) {
    if (PopupScreen != PopupNone) return;
    if (Contains(RowRect(1), x, y)) EnterSection(SubPageCompatibility, ScreenCompatibilityPicker);
    else if (Contains(RowRect(2), x, y)) EnterSection(SubPageForecast, ScreenForecastPicker);
    else if (Contains(RowRect(3), x, y)) EnterSection(SubPageSignGrid, ScreenProfilePicker);
    else if (Contains(RowRect(4), x, y)) EnterSection(SubPageDateStep, ScreenBirthDate);
    else if (Contains(RowRect(5), x, y)) EnterSection(SubPage, ScreenExtras);
    else if (Contains(IconRect(ButtonSlot3), x, y)) {
        OpenPopup(PopupAbout);
    } else if (Contains(IconRect(ButtonSlot2), x, y)) {
        OpenPopup(PopupHelp);
    } else if (Contains(IconRect(ButtonSlot1), x, y)) {
        SaveSettings();
        PlatformPostQuit(0);
    }
}
