#include "shell/core/Display.h"

#include "Harness.h"

TEST(ScreenClassification, EveryRuleOfTheTable) {
    struct Case {
        int w, h;
        unsigned mode;
        ScreenMatch match;
    };
    const Case cases[] = {
        {240, 320, 1, ScreenMatch::Exact}, {240, 240, 5, ScreenMatch::Exact},
        {240, 400, 1, ScreenMatch::Tall},  {240, 300, 8, ScreenMatch::Unsupported},
        {320, 240, 2, ScreenMatch::Exact}, {320, 320, 7, ScreenMatch::Exact},
        {320, 480, 8, ScreenMatch::Unsupported},
        {480, 640, 3, ScreenMatch::Exact}, {480, 480, 6, ScreenMatch::Exact},
        {480, 240, 2, ScreenMatch::Wide},  {480, 800, 3, ScreenMatch::Tall},
        {640, 480, 4, ScreenMatch::Exact}, {640, 240, 2, ScreenMatch::Wide},
        {800, 480, 4, ScreenMatch::Wide},  {400, 240, 2, ScreenMatch::Wide},
        {360, 640, 8, ScreenMatch::Unsupported}, {200, 240, 8, ScreenMatch::Unsupported},
        {480, 600, 8, ScreenMatch::Unsupported}, {800, 600, 8, ScreenMatch::Unsupported},
    };
    for (const Case& c : cases) {
        const ScreenClass found = ClassifyScreen(c.w, c.h);
        EXPECT_EQ(found.Mode, c.mode) << c.w << "x" << c.h;
        EXPECT_EQ(found.Match, c.match) << c.w << "x" << c.h;
    }
}

TEST(ScreenClassification, StartUpSetsScaleAndTitleBarCoverButNoShift) {
    ASSERT_TRUE(StartProgram(240, 320));
    EXPECT_EQ(DisplayMode, 1u);
    EXPECT_EQ(ScaleFactor[0], 1.0);
    EXPECT_EQ(HeightExtra, PlatformCaptionHeight() + 3);
    EXPECT_EQ(LayoutShift.X, 0);
    EXPECT_EQ(LayoutShift.Y, 0);

    ASSERT_TRUE(StartProgram(320, 320));
    EXPECT_EQ(HeightExtra, PlatformCaptionHeight() + 4);

    // The shift of a wide screen is in force from the first paint on.
    ASSERT_TRUE(StartProgram(800, 480));
    EXPECT_EQ(DisplayMode, 4u);
    EXPECT_EQ(ScaleFactor[1], 2.0);
    EXPECT_EQ(HeightExtra, PlatformCaptionHeight() + 6);
    EXPECT_EQ(LayoutShift.X, 40);

    ASSERT_TRUE(StartProgram(240, 400));
    EXPECT_EQ(LayoutShift.Y, 40);
}

TEST(ScreenClassification, UnsupportedScreenRefusesToStart) {
    EXPECT_FALSE(StartProgram(320, 480));
    EXPECT_EQ(DisplayMode, 8u);
    ASSERT_EQ(MessageBoxes.size(), 1u);
    EXPECT_EQ(MessageBoxes[0], "Warning!: This screen is not supported.");
}

TEST(ScreenClassification, RefreshKeepsScaleAndIgnoresUnsupportedSizes) {
    ASSERT_TRUE(StartProgram(240, 320));
    HeadlessChangeScreen(320, 240);
    int code = 0;
    ASSERT_TRUE(HeadlessRunPending(&code));
    EXPECT_EQ(DisplayMode, 2u);
    HeadlessChangeScreen(320, 480);
    ASSERT_TRUE(HeadlessRunPending(&code));
    EXPECT_EQ(DisplayMode, 2u);
    // A shift, once set, stays when an exact size follows.
    HeadlessChangeScreen(400, 240);
    ASSERT_TRUE(HeadlessRunPending(&code));
    EXPECT_EQ(LayoutShift.X, 40);
    HeadlessChangeScreen(320, 240);
    ASSERT_TRUE(HeadlessRunPending(&code));
    EXPECT_EQ(LayoutShift.X, 40);
    EXPECT_EQ(ScaleFactor[0], 1.0);
}

// The margin and the centring bands follow from the mode table and the
// shift; a shift that outlives a turn opens no band on a layout that was
// not made for it.
TEST(DisplayModes, MarginAndBandsOfEveryScreen) {
    struct Case {
        int w, h, margin;
        bool tall, wide;
    };
    const Case cases[] = {
        {240, 320, 0, false, false}, {240, 400, 0, true, false},  {480, 800, 0, true, false},
        {320, 240, 40, false, false}, {400, 240, 40, false, true}, {800, 480, 40, false, true},
        {320, 320, 40, false, false}, {240, 240, 0, false, false}, {480, 480, 0, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        ASSERT_TRUE(StartProgram(c.w, c.h));
        EXPECT_TRUE(HasLayout());
        EXPECT_EQ(LayoutMargin(), c.margin);
        EXPECT_EQ(MarginX, c.margin);  // as the menu publishes it
        EXPECT_EQ(TallBands(), c.tall);
        EXPECT_EQ(WideBands(), c.wide);
    }
    ASSERT_TRUE(StartProgram(240, 400));
    ASSERT_TRUE(ChangeScreen(240, 240));
    EXPECT_EQ(LayoutShift.Y, 40);
    EXPECT_FALSE(TallBands());
    EXPECT_EQ(SurfaceShift(Surface::Page).Y, 40);
    EXPECT_EQ(SurfaceShift(Surface::Popup).Y, 0);
}
