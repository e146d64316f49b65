#include "Harness.h"
#include "TestSupport.h"
#include "platform/canvas/Device.h"
#include "screens/Screens.h"

#include <algorithm>
#include <cstdio>

namespace {

struct ModeScreen {
    int w, h;
    LayoutPoint origin, exit, help, info;
};

// One screen per display mode, with the menu's published positions.
const ModeScreen Modes[] = {
    {240, 320, {32, 225}, {221, 2}, {202, 2}, {183, 2}},
    {320, 240, {72, 158}, {302, 2}, {302, 21}, {302, 40}},
    {480, 640, {32, 225}, {221, 2}, {202, 2}, {183, 2}},
    {640, 480, {72, 158}, {302, 2}, {302, 21}, {302, 40}},
    {240, 240, {32, 158}, {221, 2}, {221, 21}, {221, 40}},
    {480, 480, {32, 158}, {221, 2}, {221, 21}, {221, 40}},
    {320, 320, {72, 225}, {302, 2}, {302, 21}, {302, 40}},
};


}  // namespace

TEST(MainMenu, RowsAndIconsOnEveryMode) {
    const int rowTops[5] = {0, 18, 33, 49, 65};
    const int rowBottoms[5] = {17, 32, 48, 64, 80};
    const int screens[5] = {ScreenCompatibilityPicker, ScreenForecastPicker, ScreenProfilePicker,
                            ScreenBirthDate, ScreenExtras};
    for (const ModeScreen& mode : Modes) {
        SCOPED_TRACE(std::to_string(mode.w) + "x" + std::to_string(mode.h));
        for (int row = 0; row < 5; ++row) {
            for (const int y : {rowTops[row], rowBottoms[row]}) {
                ASSERT_TRUE(StartProgram(mode.w, mode.h));
                EXPECT_EQ(ContentOrigin.X, mode.origin.X);
                EXPECT_EQ(ContentOrigin.Y, mode.origin.Y);
                TapLayout(mode.origin.X + 176, mode.origin.Y + y);
                EXPECT_EQ(BaseScreen, screens[row]) << "row " << row + 1 << " at +" << y;
            }
        }
        ASSERT_TRUE(StartProgram(mode.w, mode.h));
        TapLayout(mode.origin.X + 177, mode.origin.Y);  // right of the list
        EXPECT_EQ(BaseScreen, ScreenMainMenu);
        TapLayout(mode.info.X + 17, mode.info.Y + 17);
        EXPECT_EQ(PopupScreen, PopupAbout);
        ASSERT_TRUE(StartProgram(mode.w, mode.h));
        TapLayout(mode.help.X, mode.help.Y);
        EXPECT_EQ(PopupScreen, PopupHelp);
        ASSERT_TRUE(StartProgram(mode.w, mode.h));
        int code = -1;
        const LayoutPoint exit = LayoutToPixel(mode.exit, {0, 0});
        EXPECT_FALSE(Tap(exit.X, exit.Y, &code));
        EXPECT_EQ(code, 0);
    }
}

TEST(MainMenu, TallScreenTapsAreShifted) {
    ASSERT_TRUE(StartProgram(240, 400));
    Tap(50, 265);  // ContentOrigin + (18, 0)
    EXPECT_EQ(BaseScreen, ScreenCompatibilityPicker);
    EXPECT_EQ(SubPage, 1);
}

TEST(MainMenu, ReturningResetsTheSelections) {
    ASSERT_TRUE(StartProgram(240, 320));
    EXPECT_EQ(MySignChoice, 1);
    EXPECT_EQ(ReportPageCount[KindProfile], 10);
    Tap(32 + 10, 225 + 5);
    MySignChoice = 7;
    LoverSignChoice = 3;
    SignIndex = 4;
    DayIndex = 23;
    FirstRating = 9;
    Tap(230, 5);  // the picker's close box
    ASSERT_EQ(BaseScreen, ScreenMainMenu);
    EXPECT_EQ(MySignChoice, 1);
    EXPECT_EQ(LoverSignChoice, 1);
    EXPECT_EQ(SignIndex, 0);
    EXPECT_EQ(DayIndex, 0);
    EXPECT_EQ(FirstRating, 0);
    EXPECT_EQ(ScreenReady, 1);
}

TEST(MainMenu, PopupBandRepaintRestoresTheMenuExactly) {
    for (const ModeScreen& mode : {Modes[0], Modes[2], Modes[3]}) {
        ASSERT_TRUE(StartProgram(mode.w, mode.h));
        const std::vector<uint32_t> before = Screenshot();
        TapLayout(mode.help.X, mode.help.Y);
        ASSERT_EQ(PopupScreen, PopupHelp);
        const LayoutPoint close = LayoutToPixel({222, 5}, {0, 0});
        Tap(close.X, close.Y);
        ASSERT_EQ(PopupScreen, PopupNone);
        EXPECT_EQ(Screenshot(), before);
    }
}

TEST(MainMenu, RotationRedrawsFromScratch) {
    ASSERT_TRUE(StartProgram(240, 320));
    MySignChoice = 5;
    HeadlessChangeScreen(320, 240);
    int code = 0;
    ASSERT_TRUE(HeadlessRunPending(&code));
    EXPECT_EQ(DisplayMode, 2u);
    EXPECT_EQ(MySignChoice, 1);  // the selection reset ran again
    EXPECT_EQ(ButtonSlot2.X, 302);
    // The menu fills the whole landscape screen: no black left over.
    EXPECT_NE(HeadlessPixel(2, 120), 0u);
    EXPECT_NE(HeadlessPixel(317, 230), 0u);
}

TEST(MainMenu, ReactivationRepaintsUnderAnOpenPopup) {
    ASSERT_TRUE(StartProgram(240, 320));
    Tap(202 + 5, 5);
    Send(MessageActivate, 0);
    EXPECT_EQ(WasDeactivated, 1);
    Send(MessageActivate, 1);
    EXPECT_EQ(WasDeactivated, 0);
    EXPECT_EQ(RedrawAll, 0);  // set, then consumed by the repaint
    EXPECT_EQ(PlatformWindowRect().Top, 0);
}

namespace {

constexpr int FirstPicture = 162, LastPicture = 486;
int StartWidth, StartHeight;

// In a child process: the menu's first paint decodes the pictures it
// lists, and no other. (Pictures that tests before it in the same process
// decoded cannot be told apart; run alone, as CTest runs it, none are.)
int FirstPaintDecodesWhatItLists() {
    bool before[LastPicture + 1] = {};
    for (int id = FirstPicture; id <= LastPicture; ++id) before[id] = PictureDecoded(id);
    if (!StartProgram(StartWidth, StartHeight)) return 2;
    int listed[MainMenuPictureMost];
    const int count = MainMenuPictures(listed, MainMenuPictureMost);
    if (count == 0 || count == MainMenuPictureMost) return 3;  // none, or perhaps cut short
    for (int id = FirstPicture; id <= LastPicture; ++id) {
        const bool isListed = std::find(listed, listed + count, id) != listed + count;
        if (PictureDecoded(id) == (isListed || before[id])) continue;
        std::fprintf(stderr, "picture %d is %s but %s\n", id, isListed ? "listed" : "not listed",
                     PictureDecoded(id) ? "was decoded" : "was not decoded");
        return 1;
    }
    return 0;
}

}  // namespace

TEST(MainMenu, ListsThePicturesItDraws) {
    constexpr int Screens[][2] = {{240, 320}, {320, 240}, {480, 640}, {640, 480}, {240, 240}, {480, 480},
                                  {320, 320}, {240, 400}, {400, 240}, {480, 800}, {800, 480}};
    for (const auto& [w, h] : Screens) {
        StartWidth = w;
        StartHeight = h;
        EXPECT_EQ(RunInChild(FirstPaintDecodesWhatItLists), 0) << w << "x" << h;
    }
}
