// Random taps, drags, keys (the window's focus keys too), activations and screen changes on every display
// mode and the tall and wide variants: after every event each state
// variable holds one of its values, and nothing touches memory it does not
// own (the sanitizer build runs this too). tools/soak.sh runs the same
// campaign at length: STELLARION_MONKEY_EVENTS sets the number of events in
// all, STELLARION_MONKEY_SEED the random sequence.
#include "Harness.h"

#include "platform/canvas/Description.h"

#include <cstdio>
#include <cwchar>
#include <random>
#include <sstream>

namespace {

bool OneOf(long value, std::initializer_list<long> allowed) {
    for (const long a : allowed)
        if (a == value) return true;
    return false;
}

bool Within(long value, long lowest, long highest) { return value >= lowest && value <= highest; }

bool OnLayout(LayoutPoint p) { return Within(p.X, -40, 400) && Within(p.Y, -40, 400); }

template <int Capacity>
bool Terminated(const wchar_t (&text)[Capacity]) {
    return std::wmemchr(text, 0, Capacity) != nullptr;
}

// What start-up fixed for the whole run.
struct Start {
    double Scale;
    int Extra;
};

#define EXPECT_STATE(condition, value) EXPECT_TRUE(condition) << #value "=" << (value)

void ExpectDisplayState(const Start& start) {
    EXPECT_STATE(Within(DisplayMode, 1, 7), DisplayMode);
    EXPECT_STATE(ScreenWidth > 0 && ScreenHeight > 0, ScreenWidth);
    EXPECT_STATE(ScaleFactor[0] == start.Scale && ScaleFactor[1] == start.Scale, ScaleFactor[0]);
    EXPECT_STATE(HeightExtra == start.Extra, HeightExtra);
    const bool shift = (LayoutShift.X == 0 || LayoutShift.X == 40) &&
                       (LayoutShift.Y == 0 || LayoutShift.Y == 40) && LayoutShift.X + LayoutShift.Y <= 40;
    EXPECT_STATE(shift, LayoutShift.X * 100 + LayoutShift.Y);
}

void ExpectScreenState() {
    EXPECT_STATE(OneOf(BaseScreen, {0, 1, 2, 3, 5, 6, 7}), BaseScreen);
    EXPECT_STATE(OneOf(PopupScreen, {0, 1, 4, 5}), PopupScreen);
    EXPECT_STATE(OneOf(InputPanel, {0, 1, 10, 11}), InputPanel);
    EXPECT_STATE(Within(SubPage, 0, 7), SubPage);
    EXPECT_STATE(OneOf(ResultKind, {0, 1, 2, 4, 5}), ResultKind);
    EXPECT_STATE(BaseScreen != ScreenResult || ResultKind != KindNone, ResultKind);
    // Only the main menu marks its static parts as drawn.
    EXPECT_STATE(OneOf(ScreenReady, {0, 1}) && (ScreenReady == 0 || BaseScreen == 0), ScreenReady);
    EXPECT_STATE(OneOf(RedrawAll, {0, 1}), RedrawAll);
    EXPECT_STATE(OneOf(PanelOnly, {0, 1}), PanelOnly);
    EXPECT_STATE(OneOf(KeyLatch, {0, 1}), KeyLatch);
    EXPECT_STATE(OneOf(SkipRelease, {0, 1}), SkipRelease);
    EXPECT_STATE(OneOf(WasDeactivated, {0, 1}), WasDeactivated);
    EXPECT_STATE(Within(MarginX, 0, 40) && MarginX % 40 == 0, MarginX);
    EXPECT_STATE(OnLayout(ContentOrigin) && OnLayout(TitlePos), ContentOrigin.X);
    EXPECT_STATE(OnLayout(ButtonSlot1) && OnLayout(ButtonSlot2) && OnLayout(ButtonSlot3), ButtonSlot1.X);
    EXPECT_STATE(OneOf(SummarySpacing, {0, 26}), SummarySpacing);
}

void ExpectReportState() {
    EXPECT_STATE(Within(SignIndex, 0, 12), SignIndex);
    EXPECT_STATE(Within(ReportPage, 0, 10), ReportPage);
    EXPECT_STATE(Within(ReportSubpage, 0, 4), ReportSubpage);
    EXPECT_STATE(OneOf(ProfileReadAll, {0, 1}), ProfileReadAll);
    EXPECT_STATE(OneOf(PopupBand, {0, 210}), PopupBand);
    EXPECT_STATE(Within(AbandonTarget, 0, 3), AbandonTarget);
    const bool unset = ReportPageCount[1] == 0 && ReportPageCount[2] == 0 &&
                       ReportPageCount[4] == 0 && ReportPageCount[5] == 0;
    const bool counts = ReportPageCount[1] == 3 && ReportPageCount[2] == 4 &&
                        ReportPageCount[4] == 10 && ReportPageCount[5] == 4;
    EXPECT_STATE(unset || counts, ReportPageCount[1]);
    if (BaseScreen == ScreenResult) {
        // The page each report can reach: the compatibility report and the
        // forecast one past their count (the outcome), numerology six topics
        // with four, four and three sub-pages.
        const int last[6] = {0, 4, 5, 0, 10, 6};
        EXPECT_STATE(Within(ReportPage, 1, last[ResultKind]), ReportPage);
        if (ResultKind == KindNumerology) {
            const int subpages = ReportPage == 3 || ReportPage == 4 ? 4 : ReportPage == 5 ? 3 : 1;
            EXPECT_STATE(Within(ReportSubpage, 1, subpages), ReportSubpage);
        }
    }
    for (const int sign : {MySignChoice, LoverSignChoice, PairMySign, PairLoverSign})
        EXPECT_STATE(Within(sign, 0, 12), sign);
    EXPECT_STATE(OnLayout(MyRow) && OnLayout(LoverRow), MyRow.Y);
    for (const int rating : {FirstRating, SecondRating, ThirdRating, FourthRating})
        EXPECT_STATE(Within(rating, 0, 10), rating);
}

void ExpectEntryState() {
    // -1 for a text that is not a date part; the year as entered (1910 to
    // 2017 are accepted).
    for (const int part : {DayIndex, MonthIndex}) EXPECT_STATE(Within(part, -1, 30), part);
    EXPECT_STATE(Within(BirthYear, -1, 30) || Within(BirthYear, 1910, 2017), BirthYear);
    EXPECT_STATE(Within(EntryField, 0, 3), EntryField);
    EXPECT_TRUE(Terminated(DayText) && Terminated(MonthText) && Terminated(YearText));
    EXPECT_TRUE(Terminated(EditText) && Terminated(PanelTitle));
    EXPECT_STATE(InputPanel < PanelMessageBox || PanelMessage != nullptr, InputPanel);
    EXPECT_STATE(Within(PressedButton, 0, 2), PressedButton);
    EXPECT_STATE(OneOf(KeyboardPage, {0, 1}), KeyboardPage);
    EXPECT_STATE(OnLayout(PanelOrigin), PanelOrigin.X);
}

void ExpectTextViewState() {
    EXPECT_STATE(Within(LineCount, 0, LineSlots - 1), LineCount);
    EXPECT_STATE(OneOf(ScrollActive, {0, 1}), ScrollActive);
    EXPECT_STATE(OneOf(ScrollStarted, {0, 1}), ScrollStarted);
    EXPECT_STATE(MaxScrollOffset >= 0 && MaxScrollOffset < LineSlots, MaxScrollOffset);
    EXPECT_STATE(ScrollActive == 0 || MaxScrollOffset > 0, MaxScrollOffset);
    EXPECT_STATE(Within(ScrollOffset, 0, MaxScrollOffset), ScrollOffset);
}

int EnvironmentNumber(const char* name, int fallback) {
    const char* text = std::getenv(name);
    const int value = text ? std::atoi(text) : 0;
    return value > 0 ? value : fallback;
}

// Supported screens, and one the program refuses while running.
constexpr int Screens[][2] = {{240, 320}, {320, 240}, {480, 640}, {640, 480}, {240, 240}, {480, 480},
                              {320, 320}, {240, 400}, {400, 240}, {480, 800}, {800, 480}};
constexpr int ScreenCount = sizeof Screens / sizeof Screens[0];

// One random event, described in *what; false when it made the program quit
// (the exit icon).
bool RandomEvent(std::mt19937& random, std::string* what) {
    const int w = PlatformScreenWidth(), h = PlatformScreenHeight();
    const int x = static_cast<int>(random() % w), y = static_cast<int>(random() % h);
    const long where = PackPoint(x, y);
    // Each text starts as a std::string: GCC 12 at -O3 takes the insert
    // behind `"literal" + std::string` for an overlapping copy (-Wrestrict).
    const std::string at = std::string(" ") + std::to_string(x) + "," + std::to_string(y);
    int code = 0;
    switch (random() % 24) {
    case 0: *what = "drag" + at; return Send(MessageMouseMove, 1, where);
    case 1: {
        const bool up = random() % 2;
        *what = up ? "key down up" : "key down down";
        return Send(MessageKeyDown, up ? KeyCodeUp : KeyCodeDown);
    }
    case 2: *what = "key up"; return Send(MessageKeyUp, KeyCodeUp);
    case 3: {
        const long state = static_cast<long>(random() % 3);
        *what = std::string("activate ") + std::to_string(state);
        return Send(MessageActivate, state);
    }
    case 4: *what = "setting change"; return Send(MessageSettingChange);
    case 5: {
        // Now and then the device turns, or the screen becomes another one
        // (or one the program does not support).
        int to[2] = {h, w};
        if (random() % 6 != 0) {
            if (random() % 6 != 0) {
                *what = "nothing";
                return HeadlessRunPending(&code);
            }
            const int pick = static_cast<int>(random() % (ScreenCount + 1));
            to[0] = pick == ScreenCount ? 320 : Screens[pick][0];
            to[1] = pick == ScreenCount ? 480 : Screens[pick][1];
        }
        *what = std::string("screen ") + std::to_string(to[0]) + "x" + std::to_string(to[1]);
        return ChangeScreen(to[0], to[1]);
    }
    case 8:
    case 9:
    case 10: {
        // A key as the window's keyboard gives it: the focus keys among them.
        constexpr const char* Names[] = {"tab",  "shift-tab", "enter",  "space",    "escape",
                                         "left", "right",     "up",     "down",     "pageup",
                                         "pagedown", "home",  "end"};
        const int key = static_cast<int>(random() % 13);
        *what = std::string("key ") + Names[key];
        return HeadlessKey(DeviceKeyTab + key, &code);
    }
    case 6: *what = "press" + at; return Send(MessageButtonDown, 1, where);
    case 7: *what = "release" + at; return Send(MessageButtonUp, 0, where);
    default: *what = "tap" + at; return Tap(x, y);
    }
}

std::string State() {
    static char text[StateTextCapacity];
    FormatState(text, StateTextCapacity);
    return text;
}

// What an event changed: the state lines that differ, as "Name=before -> after".
std::string Changes(const std::string& before, const std::string& after) {
    std::istringstream was(before), is(after);
    std::string changes, old, now;
    while (std::getline(was, old) && std::getline(is, now))
        if (old != now) changes += "\n    " + old + " -> " + now.substr(now.find('=') + 1);
    return changes;
}

}  // namespace

TEST(Monkey, RandomUseKeepsEveryStateInRange) {
    const int events = EnvironmentNumber("STELLARION_MONKEY_EVENTS", 2500 * ScreenCount);
    const int seed = EnvironmentNumber("STELLARION_MONKEY_SEED", 2010);
    std::mt19937 random(static_cast<unsigned>(seed));
    int done = 0;
    for (int s = 0; s < ScreenCount && !::testing::Test::HasFailure(); ++s) {
        const int w = Screens[s][0], h = Screens[s][1];
        ASSERT_TRUE(StartProgram(w, h));
        const Start start{ScaleFactor[0], HeightExtra};
        const int share = events / ScreenCount + (s < events % ScreenCount ? 1 : 0);
        std::string what, before;
        for (int step = 0; step < share; ++step) {
            before = State();
            const bool running = RandomEvent(random, &what);
            ++done;
            ExpectDisplayState(start);
            ExpectScreenState();
            ExpectReportState();
            ExpectEntryState();
            ExpectTextViewState();
            // The first finding ends the campaign: what follows it proves nothing.
            if (::testing::Test::HasFailure()) {
                ADD_FAILURE() << "event " << done << " (seed " << seed << "), started on " << w << "x" << h
                              << ": " << what << "\n  changed:" << Changes(before, State())
                              << "\n  before:\n" << before;
                break;
            }
            if (!running) {
                ASSERT_TRUE(StartProgram(w, h));  // the exit icon quit
            }
        }
    }
    std::printf("monkey: %d events, %d findings\n", done, ::testing::Test::HasFailure() ? 1 : 0);
}
