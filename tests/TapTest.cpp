// Tap conversion, routing to panel, popup or page, and the result view's
// navigation rules.
#include "draw/ResultView.h"
#include "screens/Panels.h"
#include "screens/ResultPage.h"
#include "screens/Screens.h"

#include "Harness.h"

TEST(Taps, DoubleResolutionTapsAreHalvedBeforeTheShift) {
    ASSERT_TRUE(StartProgram(480, 640));
    Tap(183 * 2 + 4, 2 * 2 + 4);  // the information icon
    EXPECT_EQ(PopupScreen, PopupAbout);
    Tap(460, 10);  // (230, 5): the popup's close box
    EXPECT_EQ(PopupScreen, PopupNone);
    EXPECT_EQ(BaseScreen, ScreenMainMenu);
}

TEST(Taps, WideScreenCloseBoxIsShifted) {
    ASSERT_TRUE(StartProgram(400, 240));
    ASSERT_EQ(LayoutShift.X, 40);
    Tap(72 + 40 + 10, 158 + 25);  // list row 2
    ASSERT_EQ(BaseScreen, ScreenForecastPicker);
    Tap(370, 5);  // (330, 5): right of the close box
    EXPECT_EQ(BaseScreen, ScreenForecastPicker);
    Tap(350, 5);  // (310, 5)
    EXPECT_EQ(BaseScreen, ScreenMainMenu);
}

TEST(Taps, PanelThenPopupThenPageTakeTheTap) {
    ASSERT_TRUE(StartProgram(240, 320));
    Tap(202 + 5, 5);  // help icon
    ASSERT_EQ(PopupScreen, PopupHelp);
    Tap(32 + 10, 225 + 5);  // the list row under the popup
    EXPECT_EQ(BaseScreen, ScreenMainMenu);
    // An open panel takes taps even while a popup value is set.
    InputPanel = PanelMessageBox;
    const PanelGeometry panel = PanelLayout();
    Send(MessageButtonDown, 1, PackPoint(panel.ButtonX + 5, panel.ButtonY + 5));
    EXPECT_EQ(PressedButton, 1);
    Send(MessageButtonUp, 0, PackPoint(panel.ButtonX + 5, panel.ButtonY + 5));
    EXPECT_EQ(InputPanel, PanelNone);
    EXPECT_EQ(PopupScreen, PopupHelp);
    Tap(222, 25);  // below the close box
    EXPECT_EQ(PopupScreen, PopupHelp);
    Tap(222, 10);
    EXPECT_EQ(PopupScreen, PopupNone);
}

TEST(Taps, HeldKeyActsOnce) {
    ASSERT_TRUE(StartProgram(240, 320));
    Tap(202 + 5, 5);
    Send(MessageKeyDown, KeyCodeDown);
    Send(MessageKeyDown, KeyCodeDown);  // auto-repeat while held
    EXPECT_EQ(ScrollOffset, 1);
    Send(MessageKeyUp, KeyCodeDown);
    Send(MessageKeyDown, KeyCodeDown);
    EXPECT_EQ(ScrollOffset, 2);
    Send(MessageKeyUp, KeyCodeDown);
    Send(MessageKeyDown, KeyCodeUp);
    EXPECT_EQ(ScrollOffset, 1);
}

TEST(Taps, ReportBackAsksUnlessOnTheClosingPage) {
    ASSERT_TRUE(StartProgram(240, 320));
    ShowReport(KindCompatibility, 1, 2);
    Send(MessageButtonDown, 1, PackPoint(20, 290));
    EXPECT_EQ(InputPanel, PanelConfirm);
    EXPECT_EQ(AbandonTarget, AbandonToCompatibilityPicker);
    EXPECT_STREQ(PanelMessage, L"Abandon to the previous screen?");
    // The release of the tap that opened the question is ignored.
    Send(MessageButtonUp, 0, PackPoint(20, 290));
    EXPECT_EQ(InputPanel, PanelConfirm);
    // "no" leaves the report as it was.
    const PanelGeometry panel = PanelLayout();
    Tap(panel.ButtonX + 5, panel.ButtonY + 34 + 5);
    EXPECT_EQ(InputPanel, PanelNone);
    EXPECT_EQ(BaseScreen, ScreenResult);
    EXPECT_EQ(ResultKind, KindCompatibility);
    EXPECT_EQ(ReportPage, 2);
    // "yes" returns to the picker.
    Tap(20, 290);
    Tap(panel.ButtonX + 5, panel.ButtonY + 5);
    EXPECT_EQ(BaseScreen, ScreenCompatibilityPicker);
    EXPECT_EQ(SubPage, SubPageCompatibility);
    EXPECT_EQ(ResultKind, KindNone);
    EXPECT_EQ(AbandonTarget, AbandonNone);
    // On the closing page back, at the top right, goes straight to the picker.
    ShowReport(KindCompatibility, 1, 4);
    Tap(206 + 5, 5);
    EXPECT_EQ(InputPanel, PanelNone);
    EXPECT_EQ(BaseScreen, ScreenCompatibilityPicker);
}

TEST(Taps, ReportPagingStopsAtTheEnds) {
    ASSERT_TRUE(StartProgram(240, 320));
    ShowReport(KindForecast, 2, 1);
    Tap(170, 290);  // previous on page 1
    EXPECT_EQ(ReportPage, 1);
    for (int i = 0; i < 6; ++i) Tap(205, 290);
    EXPECT_EQ(ReportPage, 5);  // the closing page, one past the count
    Tap(170, 290);
    EXPECT_EQ(ReportPage, 5);  // no previous from the closing page

    // One profile topic: no paging, back without a question.
    ShowReport(KindProfile, 4, 3);
    ProfileReadAll = 0;
    Tap(205, 290);
    Tap(170, 290);
    EXPECT_EQ(ReportPage, 3);
    Tap(20, 290);
    EXPECT_EQ(InputPanel, PanelNone);
    EXPECT_EQ(BaseScreen, ScreenProfilePicker);
    EXPECT_EQ(SubPage, SubPageTopicList);

    // Numerology sub-pages: four Challenges, three Periods.
    ShowReport(KindNumerology, 6, 3);
    ReportSubpage = 1;
    for (int i = 0; i < 5; ++i) Tap(205, 290);
    EXPECT_EQ(ReportSubpage, 4);
    ReportPage = 5;
    ReportSubpage = 1;
    for (int i = 0; i < 5; ++i) Tap(205, 290);
    EXPECT_EQ(ReportSubpage, 3);
    Tap(20, 290);
    EXPECT_EQ(BaseScreen, ScreenBirthDate);
    EXPECT_EQ(SubPage, SubPageTopicStep);
}

namespace {

// The centre of a corner button of the result view.
void TapButton(LayoutPoint at) { TapLayout(at.X + 16, at.Y + 14); }

// The result view's targets for the state as it is, unpainted.
ResultViewLayout UnpaintedResultView(int page, int count) {
    const ReportButtons buttons = ButtonsOfPage(FindReport(ResultKind), page, count);
    return LayOutResultView(&buttons);
}

}  // namespace

// A tap that follows a change of state before any paint (a backend's queued
// messages, a screen turned) finds the targets of the new state, not those
// the last paint left: the buttons, and the text view's arrows and range.
TEST(Taps, TapAfterAStateChangeFindsTheNewLayoutUnpainted) {
    ASSERT_TRUE(StartProgram(320, 240));
    const LayoutPoint menuBack = BackButton;
    // One topic of a profile: Back at the top right on the short layout.
    ShowReport(KindProfile, SubPageTopicList, 3);
    SignIndex = 2;
    ProfileReadAll = 0;
    const ResultViewLayout single = UnpaintedResultView(3, 10);
    ASSERT_NE(single.Back.X, menuBack.X);
    TapButton(single.Back);
    EXPECT_EQ(BaseScreen, ScreenProfilePicker);

    // Read in sequence: Back moves below the title band, Next turns.
    ShowReport(KindProfile, SubPageTopicList, 3);
    ProfileReadAll = 1;
    const ResultViewLayout sequence = UnpaintedResultView(3, 10);
    EXPECT_NE(sequence.Back.Y, single.Back.Y);
    TapButton(sequence.Next);
    EXPECT_EQ(ReportPage, 4);

    // A report opened on another screen size: the arrows of its text view,
    // scrolled by a tap and by the page keys, with none of it painted yet.
    ASSERT_TRUE(StartProgram(240, 320));
    ShowReport(KindForecast, SubPageForecast, 2);
    SignIndex = 7;
    ResetScroll();
    ASSERT_EQ(ScrollActive, 0);  // nothing painted the view yet
    TextViewPlace place{};
    ASSERT_TRUE(ReportTextView(&place));
    const TextViewLayout view = LayOutTextView(place);
    ASSERT_TRUE(view.Scrolls);
    Send(MessageButtonDown, 1, PackPoint((view.Down.Left + view.Down.Right) / 2, view.Down.Bottom - 2));
    EXPECT_EQ(ScrollOffset, 1);
    EXPECT_EQ(MaxScrollOffset, view.MaxScroll);  // the paint it asked for agrees
    ShowReport(KindForecast, SubPageForecast, 3);
    ResetScroll();
    Send(MessageKeyDown, KeyCodeEnd);
    Send(MessageKeyUp, KeyCodeEnd);
    ASSERT_TRUE(ReportTextView(&place));
    EXPECT_EQ(ScrollOffset, LayOutTextView(place).MaxScroll);
}

TEST(Taps, PickerCellsAndCloseBoxes) {
    ASSERT_TRUE(StartProgram(240, 320));
    Tap(32 + 10, 225 + 25);
    ASSERT_EQ(BaseScreen, ScreenForecastPicker);
    Tap(30, 94 + 71);  // the gap between rows
    EXPECT_EQ(BaseScreen, ScreenForecastPicker);
    Tap(124, 244);
    EXPECT_EQ(SignIndex, 11);
    EXPECT_EQ(ResultKind, KindForecast);
    EXPECT_EQ(BaseScreen, ScreenResult);

    BaseScreen = ScreenProfilePicker;
    SubPage = SubPageSignGrid;
    Tap(124, 244);
    EXPECT_EQ(SignIndex, 11);
    ASSERT_EQ(SubPage, SubPageTopicList);
    SubPage = SubPageSignGrid;
    Tap(30, 94 + 71);  // no gaps on the profile grid: Virgo
    EXPECT_EQ(SignIndex, 5);
    Tap(50, 85 + 21);  // between topics 1 and 2
    EXPECT_EQ(BaseScreen, ScreenProfilePicker);
    Tap(50, 85 + 215);
    EXPECT_EQ(ProfileReadAll, 1);
    EXPECT_EQ(ReportPage, 1);
    EXPECT_EQ(ResultKind, KindProfile);
}

TEST(Taps, CompatibilityGridBandEdges) {
    ASSERT_TRUE(StartProgram(240, 320));
    Tap(32 + 10, 225 + 10);
    ASSERT_EQ(BaseScreen, ScreenCompatibilityPicker);
    Tap(40, 90 + 40);
    EXPECT_EQ(MySignChoice, 1);
    Tap(41, 90 + 41);
    EXPECT_EQ(MySignChoice, 8);
    Tap(240, 200 + 83);
    EXPECT_EQ(LoverSignChoice, 12);
    Tap(241, 200 + 83);
    EXPECT_EQ(LoverSignChoice, 12);
    Tap(75 + 90, 296 + 15);
    EXPECT_EQ(BaseScreen, ScreenResult);
    EXPECT_EQ(ResultKind, KindCompatibility);
}

// A tap that comes right after a change of page, before any paint, lands on
// the new page's targets: they come from its layout in the display mode,
// not from the positions the main menu's paint left published.
TEST(Taps, BeforeAnyPaintTheNewPagesTargetsAnswer) {
    struct Case {
        int w, h;
        LayoutPoint lover, match, forecast, topics;  // the grids' and lists' origins, Match
    };
    const Case cases[] = {
        {240, 320, {0, 200}, {75, 296}, {4, 94}, {10, 85}},
        {640, 480, {40, 140}, {124, 225}, {44, 22}, {43, 10}},
        {240, 240, {0, 140}, {84, 225}, {4, 22}, {3, 10}},
    };
    const auto showPage = [](int screen, int subPage) {
        BaseScreen = screen;
        SubPage = subPage;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        ASSERT_TRUE(StartProgram(c.w, c.h));
        showPage(ScreenCompatibilityPicker, SubPageCompatibility);
        TapLayout(c.lover.X + 220, c.lover.Y + 60);
        EXPECT_EQ(LoverSignChoice, 12);  // Pisces

        ASSERT_TRUE(StartProgram(c.w, c.h));
        showPage(ScreenCompatibilityPicker, SubPageCompatibility);
        ASSERT_NE(ButtonSlot1.X, c.match.X);  // still the menu's exit icon
        TapLayout(c.match.X + 45, c.match.Y + 7);
        EXPECT_EQ(ResultKind, KindCompatibility);

        ASSERT_TRUE(StartProgram(c.w, c.h));
        showPage(ScreenForecastPicker, SubPageForecast);
        TapLayout(c.forecast.X + 10, c.forecast.Y + 10);
        EXPECT_EQ(SignIndex, 1);
        EXPECT_EQ(ResultKind, KindForecast);

        ASSERT_TRUE(StartProgram(c.w, c.h));
        showPage(ScreenProfilePicker, SubPageTopicList);
        SignIndex = 5;
        TapLayout(c.topics.X + 50, c.topics.Y + 215);  // every topic in sequence
        EXPECT_EQ(ProfileReadAll, 1);
        EXPECT_EQ(ResultKind, KindProfile);
    }
}

TEST(TextLayout, LineFeedsEndLinesAndCarriageReturnsStay) {
    const TextCanvas canvas;  // the layouts of 240 x 320
    ClearPageText();
    AppendPageText(L"Title\r\n\r\nA  paragraph");
    EXPECT_EQ(LayOutPageText(15, 700, 200), 3);
    EXPECT_STREQ(PageLines[1], L"Title\r ");
    EXPECT_STREQ(PageLines[2], L"\r ");
    EXPECT_STREQ(PageLines[3], L"A  paragraph  ");  // the empty word keeps its space
    EXPECT_EQ(PageText[0], 0);
    // A word wider than the view stands on a line of its own.
    ClearPageText();
    AppendPageText(L"Antidisestablishmentarianism");
    // (The appended space makes a last, empty word: it goes on a third line.)
    EXPECT_EQ(LayOutPageText(15, 700, 40), 3);
    EXPECT_STREQ(PageLines[1], L"");
    EXPECT_STREQ(PageLines[2], L"Antidisestablishmentarianism ");
    // The source buffer never overflows.
    ClearPageText();
    for (int i = 0; i < 300; ++i) AppendPageText(L"overflowing");
    EXPECT_EQ(PageText[PageTextCapacity - 1], 0);
}
