// The pickers and the reports as a user reaches them: taps on the real
// pages, with the anchors their painters publish.
#include "screens/Panels.h"
#include "screens/Screens.h"
#include "shell/core/Repaint.h"

#include "Harness.h"

#include <algorithm>

namespace {


void OpenSection(int row) {
    TapLayout(ContentOrigin.X + 20, ContentOrigin.Y + 8 + 16 * (row - 1));
}

uint32_t LayoutPixel(int x, int y) {
    const LayoutPoint pixel = LayoutToPixel({x, y}, LayoutShift);
    return HeadlessPixel(pixel.X, pixel.Y);
}

}  // namespace

TEST(Reports, CompatibilityPairRatingsAndWayBack) {
    ASSERT_TRUE(StartProgram(240, 320));
    OpenSection(1);
    ASSERT_EQ(BaseScreen, ScreenCompatibilityPicker);
    EXPECT_EQ(PairMySign, 1);  // Aries and Aries are ringed on arrival
    EXPECT_EQ(PairLoverSign, 1);
    TapLayout(75 + 45, 296 + 7);  // Match
    ASSERT_EQ(BaseScreen, ScreenResult);
    EXPECT_EQ(ReportPage, 1);
    EXPECT_EQ(FirstRating, 8);
    TapLayout(205, 290);
    EXPECT_EQ(SecondRating, 7);
    TapLayout(205, 290);
    EXPECT_EQ(ThirdRating, 10);
    TapLayout(205, 290);
    ASSERT_EQ(ReportPage, 4);
    // The outcome page offers only Back, at the top right: no question.
    EXPECT_EQ(BackButton.X, 206);
    TapLayout(170, 290);
    EXPECT_EQ(ReportPage, 4);
    TapLayout(210, 5);
    EXPECT_EQ(BaseScreen, ScreenCompatibilityPicker);
    // The pair is ordered: Leo → Aries rates the relationship 10.
    TapLayout(0 + 60, 90 + 10);    // I am Leo
    TapLayout(0 + 10, 200 + 10);   // my lover is Aries
    TapLayout(75 + 45, 296 + 7);
    EXPECT_EQ(PairMySign, 2);
    EXPECT_EQ(PairLoverSign, 1);
    EXPECT_EQ(FirstRating, 10);
}

TEST(Reports, ForecastOutcomeRowsFollowTheSpacing) {
    for (const auto& [w, h, spacing] : {std::tuple{240, 320, 26}, std::tuple{320, 240, 0}}) {
        ASSERT_TRUE(StartProgram(w, h));
        OpenSection(2);
        ASSERT_EQ(BaseScreen, ScreenForecastPicker);
        TapLayout(ContentOrigin.X + 65, ContentOrigin.Y + 10);  // Leo
        ASSERT_EQ(SignIndex, 2);
        for (int i = 0; i < 4; ++i) TapLayout(NextPageButton.X + 5, NextPageButton.Y + 5);
        ASSERT_EQ(ReportPage, 5);
        EXPECT_EQ(SummarySpacing, spacing);
        EXPECT_EQ(SecondRating, 10);  // Leo's love
        // The four icons stand at 39, S + 89, 2S + 139 and 3S + 189.
        for (const int top : {39, spacing + 89, 2 * spacing + 139, 3 * spacing + 189})
            EXPECT_NE(LayoutPixel(26, top + 25), 0xFFFFFFu) << "icon at " << top;
    }
}

TEST(Reports, ProfileOneTopicAndInSequence) {
    ASSERT_TRUE(StartProgram(240, 240));  // mode 5: no bottom bar
    OpenSection(3);
    ASSERT_EQ(BaseScreen, ScreenProfilePicker);
    TapLayout(ContentOrigin.X + 190, ContentOrigin.Y + 160);  // Pisces
    ASSERT_EQ(SignIndex, 12);
    ASSERT_EQ(SubPage, SubPageTopicList);
    TapLayout(ContentOrigin.X + 50, ContentOrigin.Y + 45);  // About Health
    ASSERT_EQ(BaseScreen, ScreenResult);
    EXPECT_EQ(ReportPage, 3);
    EXPECT_EQ(BackButton.X, 206);
    EXPECT_EQ(BackButton.Y, 0);
    TapLayout(210, 5);
    ASSERT_EQ(BaseScreen, ScreenProfilePicker);
    EXPECT_EQ(SubPage, SubPageTopicList);

    ASSERT_TRUE(StartProgram(240, 320));
    OpenSection(3);
    TapLayout(ContentOrigin.X + 10, ContentOrigin.Y + 80);  // Virgo
    TapLayout(ContentOrigin.X + 50, ContentOrigin.Y + 215);  // Show Everything!
    ASSERT_EQ(ProfileReadAll, 1);
    for (int page = 2; page <= 8; ++page) TapLayout(NextPageButton.X + 5, NextPageButton.Y + 5);
    ASSERT_EQ(ReportPage, 8);
    // Virgo's colour of choice comes in two halves.
    EXPECT_EQ(LayoutPixel(100, 55), 0x00FF00u);
    EXPECT_EQ(LayoutPixel(100, 155), 0x660000u);
    TapLayout(NextPageButton.X + 5, NextPageButton.Y + 5);
    TapLayout(NextPageButton.X + 5, NextPageButton.Y + 5);
    EXPECT_EQ(ReportPage, 10);
    TapLayout(NextPageButton.X + 5, NextPageButton.Y + 5);  // no Next on the last page
    EXPECT_EQ(ReportPage, 10);
    TapLayout(BackButton.X + 5, BackButton.Y + 5);  // the last page goes back at once
    EXPECT_EQ(InputPanel, PanelNone);
    EXPECT_EQ(BaseScreen, ScreenProfilePicker);
}

TEST(Reports, SharedPlanetsShowTheSamePage) {
    std::vector<uint32_t> pictures[2];
    const int signs[2][2] = {{4, 8}, {5, 7}};  // Taurus and Libra, Virgo and Gemini
    for (const auto& pair : signs) {
        for (int i = 0; i < 2; ++i) {
            ASSERT_TRUE(StartProgram(240, 320));
            OpenSection(3);
            const int cell = pair[i] - 1;
            TapLayout(ContentOrigin.X + 10 + 60 * (cell % 4), ContentOrigin.Y + 10 + 76 * (cell / 4));
            ASSERT_EQ(SignIndex, pair[i]);
            TapLayout(ContentOrigin.X + 50, ContentOrigin.Y + 110);  // Planet Ruling
            ASSERT_EQ(ReportPage, 6);
            pictures[i].clear();
            for (int y = 39; y < 181; ++y)
                for (int x = 90; x < 232; ++x) pictures[i].push_back(LayoutPixel(x, y));
        }
        EXPECT_EQ(pictures[0], pictures[1]);
    }
}

TEST(Reports, EveryPageDrawsInEveryMode) {
    const int screens[][2] = {{240, 320}, {320, 240}, {480, 640}, {640, 480},
                              {240, 240}, {480, 480}, {320, 320}, {240, 400}, {800, 480}};
    for (const auto& screen : screens) {
        SCOPED_TRACE(std::to_string(screen[0]) + "x" + std::to_string(screen[1]));
        ASSERT_TRUE(StartProgram(screen[0], screen[1]));
        for (int section = 1; section <= 3; ++section) {
            ScreenReady = 0;
            BaseScreen = ScreenMainMenu;
            RepaintAll();
            OpenSection(section);
            const std::vector<uint32_t> picker = Screenshot();
            if (section == 1) TapLayout(ButtonSlot1.X + 45, ButtonSlot1.Y + 7);
            else TapLayout(ContentOrigin.X + 10, ContentOrigin.Y + 10);
            if (section == 3) TapLayout(ContentOrigin.X + 50, ContentOrigin.Y + 215);
            ASSERT_EQ(BaseScreen, ScreenResult) << "section " << section;
            EXPECT_NE(Screenshot(), picker);
            const int pages = section == 3 ? 10 : 4;
            for (int page = 1; page < pages; ++page) {
                const std::vector<uint32_t> before = Screenshot();
                TapLayout(NextPageButton.X + 5, NextPageButton.Y + 5);
                EXPECT_NE(Screenshot(), before) << "section " << section << " page " << page;
            }
        }
    }
}

namespace {

// Taps the text view's down arrow, or its up arrow, n times.
void ScrollView(bool down, int times) {
    const int x = ViewRect.X + ViewRect.Width - 11;
    const int y = down ? ViewRect.Y + ViewRect.Height - 5 : ViewRect.Y;
    for (int i = 0; i < times; ++i) TapLayout(x, y);
}

void OpenTopic(int topicTop) { TapLayout(ContentOrigin.X + 50, ContentOrigin.Y + topicTop + 5); }

}  // namespace

TEST(Reports, EveryNewTopicStartsAtItsFirstLine) {
    ASSERT_TRUE(StartProgram(240, 320));
    OpenSection(3);
    TapLayout(ContentOrigin.X + 10, ContentOrigin.Y + 10);  // Aries
    OpenTopic(0);  // general information, the longest
    ASSERT_EQ(ScrollActive, 1);
    const int end = MaxScrollOffset;
    ScrollView(true, end);
    ASSERT_EQ(ScrollOffset, end);
    TapLayout(BackButton.X + 5, BackButton.Y + 5);
    ASSERT_EQ(SubPage, SubPageTopicList);
    for (const int topicTop : {22, 146}) {  // love (scrollable), colour (short)
        OpenTopic(topicTop);
        ASSERT_EQ(BaseScreen, ScreenResult);
        EXPECT_EQ(ScrollOffset, 0) << "topic at " << topicTop;
        TapLayout(BackButton.X + 5, BackButton.Y + 5);
    }
    // The same holds for the forecast opened after a scrolled profile.
    OpenTopic(0);
    ScrollView(true, 3);
    TapLayout(BackButton.X + 5, BackButton.Y + 5);
    TapLayout(2 * MarginX + 230, 5);  // the topic list's close box
    TapLayout(2 * MarginX + 230, 5);  // the sign grid's
    OpenSection(2);
    TapLayout(ContentOrigin.X + 10, ContentOrigin.Y + 10);
    ASSERT_EQ(ResultKind, KindForecast);
    EXPECT_EQ(ScrollOffset, 0);
}

TEST(Reports, UpArrowAlwaysLeavesAnOffsetPastTheEnd) {
    ASSERT_TRUE(StartProgram(240, 320));
    OpenSection(3);
    TapLayout(ContentOrigin.X + 10, ContentOrigin.Y + 10);
    OpenTopic(0);
    ASSERT_EQ(ScrollActive, 1);
    // An offset beyond the last position, as a longer text could leave it
    // before a paint: the view shows its last position, and one step up
    // leaves it by a line.
    ScrollOffset = MaxScrollOffset + 5;
    ScrollView(false, 1);
    EXPECT_EQ(ScrollOffset, MaxScrollOffset - 1);
    ScrollView(false, MaxScrollOffset + 10);
    EXPECT_EQ(ScrollOffset, 0);
}

TEST(Reports, HiddenNextOnAnOutcomePageLetsTheDownArrowAct) {
    for (const auto& [w, h] : {std::pair{240, 320}, std::pair{480, 640}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        ASSERT_TRUE(StartProgram(w, h));
        OpenSection(1);
        TapLayout(ButtonSlot1.X + 45, ButtonSlot1.Y + 7);  // Match
        for (int i = 0; i < 3; ++i) TapLayout(NextPageButton.X + 5, NextPageButton.Y + 5);
        ASSERT_EQ(ReportPage, 4);  // the outcome page: no Next drawn
        ASSERT_EQ(ScrollActive, 1);
        // A point of both the Next rectangle and the down arrow's.
        const int ax = ViewRect.X + ViewRect.Width - 11, dy = ViewRect.Y + ViewRect.Height - 5;
        const int x = std::max(NextPageButton.X, ax - 13), y = std::max(NextPageButton.Y, dy - 20);
        ASSERT_LE(x, std::min(NextPageButton.X + 32, ax + 27));
        ASSERT_LE(y, std::min(NextPageButton.Y + 28, dy + 19));
        ASSERT_GE(MaxScrollOffset, 3);
        for (int step = 1; step <= 3; ++step) {
            TapLayout(x, y);
            EXPECT_EQ(ReportPage, 4);
            EXPECT_EQ(ScrollOffset, step);  // the hidden Next does not hold it back
        }
    }
}

namespace {

// Paints the result view afresh, as a picker's tap leaves it.
void PaintReport() {
    ScreenReady = 0;
    RedrawAll = 1;
    PlatformInvalidateWindow();
    int code = 0;
    HeadlessRunPending(&code);
}

// The report's position: ReportPage, or the sub-page of a numerology topic.
int Section() { return ResultKind == KindNumerology ? ReportSubpage : ReportPage; }

// Taps the centre of Previous or Next until the report reaches section
// `to`. Every tap turns the page and shows the new section at its first
// line; returns how many of those turns landed on the new page's scroll
// arrows, which would have moved the view had the tap been offered to them.
int TurnThrough(const LayoutPoint& button, int to, const std::string& what) {
    int overlaps = 0;
    while (Section() != to) {
        const int x = button.X + 16, y = button.Y + 14, before = Section();
        TapLayout(x, y);
        if (Section() == before) {
            ADD_FAILURE() << what << " does not turn from " << before;
            break;
        }
        EXPECT_EQ(ScrollOffset, 0) << what << ", turned to " << Section();
        // Would the scroll arrows have taken the same tap?
        ScrollTap(ReportTextView, x, y);
        overlaps += ScrollOffset != 0;
        ScrollOffset = 0;
        PaintReport();
    }
    return overlaps;
}

}  // namespace

// One tap has one effect: a Previous or Next that turns the page is not
// also a tap on the new page's scroll arrows, on any report or screen.
TEST(Reports, ATapThatTurnsThePageDoesNotScrollTheNewOne) {
    const int screens[][2] = {{240, 320}, {320, 240}, {480, 640}, {640, 480},
                              {240, 240}, {480, 480}, {320, 320}, {240, 400}, {800, 480}};
    int overlaps = 0;
    for (const auto& screen : screens) {
        const std::string size = std::to_string(screen[0]) + "x" + std::to_string(screen[1]);
        ASSERT_TRUE(StartProgram(screen[0], screen[1]));
        // Forward from the first section to the end, then back from the
        // last before the outcome.
        const auto walk = [&](const std::string& what, int end, int last) {
            PaintReport();
            overlaps += TurnThrough(NextPageButton, end, size + " " + what + " next");
            (ResultKind == KindNumerology ? ReportSubpage : ReportPage) = last;
            PaintReport();
            overlaps += TurnThrough(PrevPageButton, 1, size + " " + what + " previous");
        };
        for (const auto& [me, lover] : {std::pair{2, 12}, std::pair{1, 1}, std::pair{12, 9}}) {
            PairMySign = me;
            PairLoverSign = lover;
            ShowReport(KindCompatibility, 1, 1);
            walk("compatibility " + std::to_string(me) + "-" + std::to_string(lover), 4, 3);
        }
        for (int sign = 1; sign <= 12; sign += 5) {
            SignIndex = sign;
            ShowReport(KindForecast, 2, 1);
            walk("forecast " + std::to_string(sign), 5, 4);
            ShowReport(KindProfile, 4, 1);
            ProfileReadAll = 1;
            walk("profile " + std::to_string(sign), 10, 10);
            ProfileReadAll = 0;
        }
        for (const int topic : {3, 4, 5}) {
            ShowNumerology(topic, 1);
            walk("numerology " + std::to_string(topic), topic == 5 ? 3 : 4, topic == 5 ? 3 : 4);
        }
    }
    // The case the rule is for occurs: a turn landing on the new page's arrows.
    EXPECT_GT(overlaps, 0);
}

TEST(Reports, PanelOnlyRepaintOffTheScreenDoesNotStopPainting) {
    // Started on a VGA screen, then given a quarter-VGA one: the scale stays
    // 2, so the bottom panel band lies wholly below the screen.
    ASSERT_TRUE(StartProgram(480, 640));
    ASSERT_TRUE(ChangeScreen(240, 320));
    ASSERT_EQ(DisplayMode, 1u);
    OpenSection(1);
    TapLayout(ButtonSlot1.X + 45, ButtonSlot1.Y + 7);  // Match
    TapLayout(NextPageButton.X + 5, NextPageButton.Y + 5);
    ASSERT_EQ(ReportPage, 2);
    TapLayout(BackButton.X + 5, BackButton.Y + 5);
    ASSERT_EQ(InputPanel, PanelConfirm);
    const PanelGeometry panel = PanelLayout();
    TapLayout(panel.ButtonX + 5, panel.ButtonY + 34 + 5);  // "no"
    ASSERT_EQ(InputPanel, PanelNone);
    // The next page paints, with its painter's side effects.
    ThirdRating = 0;
    TapLayout(NextPageButton.X + 5, NextPageButton.Y + 5);
    EXPECT_EQ(ReportPage, 3);
    EXPECT_EQ(PanelOnly, 0);
    EXPECT_EQ(ThirdRating, 10);
}
// The title band's underline meets the side fillers' and runs under the
// band's right end without a gap, at both resolutions.
TEST(Reports, TitleBandUnderlineRunsAcrossTheScreen) {
    for (const auto& [w, h] : {std::pair{640, 480}, std::pair{800, 480}, std::pair{400, 240}, std::pair{480, 640}}) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        ASSERT_TRUE(StartProgram(w, h));
        OpenSection(3);
        TapLayout(ContentOrigin.X + 10, ContentOrigin.Y + 10);  // Aries
        TapLayout(ContentOrigin.X + 50, ContentOrigin.Y + 5);   // General Information
        ASSERT_EQ(BaseScreen, ScreenResult);
        // The header box covers the underline from x 4 to its right edge.
        const PixelRect header = LayoutToPixels(LayoutShift, 4, 0, 140 + 4, 0);
        for (int row = UnitsToPixels(28); row < UnitsToPixels(29); ++row)
            for (int x = 0; x < w; ++x) {
                if (x >= header.Left && x < header.Right) continue;
                ASSERT_EQ(HeadlessPixel(x, row), 0x000000u) << "x " << x << ", row " << row;
            }
    }
}
