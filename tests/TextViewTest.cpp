// The ruled text view: scroll bar geometry, scrolling by taps and keys, and
// the Help popup that shows it.
#include "Harness.h"

namespace {

// 19 one-word lines.
void NineteenLines() {
    ClearPageText();
    std::wstring text;
    for (int i = 1; i <= 19; ++i) text += L"line" + std::to_wstring(i) + (i < 19 ? L"\n" : L"");
    AppendPageText(text.c_str());
}

bool TwoWords(TextViewPlace* place) {
    ClearPageText();
    AppendPageText(L"Two words");
    *place = {8, 10, 34, 220};
    return true;
}

uint32_t ThumbPixel(int y) { return HeadlessPixel(10 + 220 - 4, y); }

}  // namespace

TEST(TextView, ThumbStepAndLengthFollowTheOffset) {
    ZeroState();
    HeadlessStart(240, 320);
    DisplayMode = 1;
    for (const int offset : {0, 11}) {
        PlatformInvalidateWindow();
        DeviceContext* dc = PlatformBeginPaint();
        PlatformFillRect(dc, {0, 0, 240, 320}, {255, 0, 0});
        NineteenLines();
        ScrollOffset = offset;
        DrawTextPageOn(dc, Surface::Popup, {8, 10, 34, 220});
        PlatformEndPaint(dc);
        EXPECT_EQ(LineCount, 19);
        EXPECT_EQ(MaxScrollOffset, 11);
        EXPECT_EQ(ScrollActive, 1);
        // step = (140 - 7) / 12 = 11, length = 140 - 121 - 4 = 15.
        const int top = 34 + 11 + 11 * ScrollOffset;
        EXPECT_EQ(ThumbPixel(top + 1), 0xFFFFFFu);
        EXPECT_EQ(ThumbPixel(top + 2), 0u);
        EXPECT_EQ(ThumbPixel(top + 2 + 14), 0u);
        EXPECT_EQ(ThumbPixel(top + 2 + 15), 0xFFFFFFu);
        EXPECT_EQ(ThumbPixel(top + 2 + 17), 0xBDBEBDu);  // the track below
    }
    // The first layout of a view starts at its top, later ones keep the offset.
    EXPECT_EQ(ScrollOffset, 11);
}

TEST(TextView, ShortTextShowsAFullThumbAndIgnoresArrows) {
    ZeroState();
    HeadlessStart(240, 320);
    DisplayMode = 1;
    PlatformInvalidateWindow();
    DeviceContext* dc = PlatformBeginPaint();
    ClearPageText();
    AppendPageText(L"Two words");
    DrawTextPageOn(dc, Surface::Popup, {8, 10, 34, 220});
    PlatformEndPaint(dc);
    EXPECT_EQ(ScrollActive, 0);
    ASSERT_EQ(LaidOutLineCount(), 1);
    EXPECT_STREQ(LaidOutLine(0), L"Two words  ");
    EXPECT_STREQ(LaidOutLine(1), L"");
    EXPECT_STREQ(LaidOutLine(-1), L"");
    EXPECT_EQ(ThumbPixel(34 + 13), 0u);
    EXPECT_EQ(ThumbPixel(34 + 160 - 12), 0u);
    ScrollTap(TwoWords, 219, 40);
    EXPECT_EQ(ScrollOffset, 0);
}

TEST(TextView, HelpPopupScrollsByArrowsAndKeys) {
    ASSERT_TRUE(StartProgram(240, 320));
    Tap(207, 5);
    ASSERT_EQ(PopupScreen, PopupHelp);
    ASSERT_EQ(ScrollActive, 1);  // the help text is longer than eight rows
    const std::vector<uint32_t> top = Screenshot();
    Tap(225, 34);  // up at the top: nothing moves, nothing repaints
    EXPECT_EQ(ScrollOffset, 0);
    EXPECT_EQ(Screenshot(), top);
    Tap(225, 190);  // the down arrow
    EXPECT_EQ(ScrollOffset, 1);
    EXPECT_NE(Screenshot(), top);
    Send(MessageKeyDown, KeyCodeUp);
    Send(MessageKeyUp, KeyCodeUp);
    EXPECT_EQ(ScrollOffset, 0);
    EXPECT_EQ(Screenshot(), top);
    for (int i = 0; i < 40; ++i) Tap(225, 190);
    EXPECT_EQ(ScrollOffset, MaxScrollOffset);
    // Closing and opening again starts from the top.
    Tap(222, 10);
    Tap(207, 5);
    EXPECT_EQ(ScrollOffset, 0);
}

// The page keys and the arrows reach the view of the screen shown, never
// one an earlier screen's paint left in the state: About over the main menu
// has none, nor has the forecast's outcome page.
TEST(TextView, KeysAndTapsMoveNoViewWhereTheScreenHasNone) {
    ASSERT_TRUE(StartProgram(240, 320));
    ShowReport(KindCompatibility, SubPageCompatibility, 1);
    PairMySign = PairLoverSign = 1;
    PlatformInvalidateWindow();
    int code = 0;
    ASSERT_TRUE(HeadlessRunPending(&code));
    ASSERT_EQ(ScrollActive, 1);
    BaseScreen = ScreenMainMenu;
    ScreenReady = 0;
    PlatformInvalidateWindow();
    ASSERT_TRUE(HeadlessRunPending(&code));
    Tap(187, 6);  // the information icon
    ASSERT_EQ(PopupScreen, PopupAbout);
    Send(MessageKeyDown, KeyCodePageDown);
    Send(MessageKeyUp, KeyCodePageDown);
    EXPECT_EQ(ScrollOffset, 0);

    ASSERT_TRUE(StartProgram(240, 320));
    ShowReport(KindForecast, SubPageForecast, 4);
    SignIndex = 1;
    PlatformInvalidateWindow();
    ASSERT_TRUE(HeadlessRunPending(&code));
    ASSERT_EQ(ScrollActive, 1);
    const TextViewRect fourth = ViewRect;
    Tap(205, 290);  // Next: the outcome
    ASSERT_EQ(ReportPage, 5);
    Tap(fourth.X + fourth.Width - 4, fourth.Y + fourth.Height - 8);  // where the down arrow was
    EXPECT_EQ(ScrollOffset, 0);
}

TEST(TextView, PopupsStayAtTheWindowsTopLeftOnShiftedScreens) {
    ASSERT_TRUE(StartProgram(240, 400));
    ASSERT_EQ(LayoutShift.Y, 40);
    Tap(186, 45);  // the information icon, 40 units down
    ASSERT_EQ(PopupScreen, PopupAbout);
    // The frame's title bar is at the very top, not 40 units down.
    EXPECT_NE(HeadlessPixel(120, 3), HeadlessPixel(120, 215));
    Tap(222, 10);  // the close box is not shifted either
    EXPECT_EQ(PopupScreen, PopupNone);
    EXPECT_EQ(BaseScreen, ScreenMainMenu);
}

namespace {

// Paints the view of `text` at the given mode into a fresh screen and
// returns the screen.
std::vector<uint32_t> ViewOf(const wchar_t* text, unsigned mode, int offset) {
    const int w = mode == 3 ? 480 : 240, h = mode == 3 ? 640 : 320;
    HeadlessStart(w, h);
    DisplayMode = mode;
    ScrollStarted = 1;
    ScrollOffset = offset;
    PlatformInvalidateWindow();
    DeviceContext* dc = PlatformBeginPaint();
    ClearPageText();
    AppendPageText(text);
    DrawTextPageOn(dc, Surface::Popup, {8, 10, 34, 220});
    PlatformEndPaint(dc);
    return std::vector<uint32_t>(HeadlessPixels(), HeadlessPixels() + w * h);
}

}  // namespace

// Lines kept from one paint to the next are exactly those a fresh layout
// gives: after a scroll, for a text of the same length, at another scale.
TEST(TextView, KeptLayoutDrawsWhatAFreshOneWould) {
    ZeroState();
    const wchar_t* first = L"Some couples fall in love over dinner, others over an argument about time travel "
                           L"at two in the morning in a kitchen full of smoke and unwashed cups of tea.";
    const wchar_t* second = L"Some couples fall in love over dinner, others over an argument about time travel "
                            L"at two in the morning in a kitchen full of smoke and unwashed mugs of tea.";
    for (const unsigned mode : {1u, 3u}) {
        for (const wchar_t* text : {first, second}) {
            const std::vector<uint32_t> kept = (ViewOf(text, mode, 0), ViewOf(text, mode, 1));
            std::wstring lines;
            for (int i = 1; i <= LineCount; ++i) lines += PageLines[i];
            // A layout made elsewhere in between leaves nothing to keep.
            HeadlessStart(240, 320);
            PlatformInvalidateWindow();
            DeviceContext* dc = PlatformBeginPaint();
            ClearPageText();
            AppendPageText(L"unrelated");
            LayOutPageText(15, 700, 100);
            PlatformEndPaint(dc);
            EXPECT_EQ(ViewOf(text, mode, 1), kept) << mode;
            std::wstring fresh;
            for (int i = 1; i <= LineCount; ++i) fresh += PageLines[i];
            EXPECT_EQ(fresh, lines);
            EXPECT_NE(lines.find(text == first ? L"cups" : L"mugs"), std::wstring::npos) << mode;
        }
    }
}

TEST(TextView, NewLayoutOfFewerLinesKeepsTheOffsetWithinTheText) {
    // The Chinese sign scrolled to its end on a 240 x 400 screen, then shown
    // on an 800 x 480 one: its wider lines give fewer of them.
    ASSERT_TRUE(StartProgram(240, 400));
    TapLayout(ContentOrigin.X + 20, ContentOrigin.Y + 8 + 16 * 4);  // Extras
    ASSERT_EQ(BaseScreen, ScreenExtras);
    TapLayout(MarginX + 156 + 30, 190 + 10);  // find your Chinese sign
    ASSERT_EQ(PopupScreen, PopupExtras);
    for (int i = 0; i < 60; ++i) Tap(225, 190);
    const int end = MaxScrollOffset;
    ASSERT_EQ(ScrollOffset, end);
    ASSERT_TRUE(ChangeScreen(800, 480));
    ASSERT_LT(MaxScrollOffset, end);
    EXPECT_EQ(ScrollOffset, MaxScrollOffset);
}
