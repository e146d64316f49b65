// The range of every state variable, as the program can reach it: what the
// random-use test and the fuzzing of scripts check after every event.
#pragma once

#include "draw/TextView.h"
#include "resources/Signs.h"
#include "screens/ResultPage.h"
#include "shell/Pages.h"
#include "shell/core/State.h"

#include <cwchar>
#include <iterator>
#include <initializer_list>
#include <string>

namespace state_bounds {

inline bool OneOf(long value, std::initializer_list<long> allowed) {
    for (const long a : allowed)
        if (a == value) return true;
    return false;
}

inline bool Within(long value, long lowest, long highest) { return value >= lowest && value <= highest; }

// A report's question, or none.
inline bool AbandonTargetOfAReport(int target) {
    for (int i = 0; i < ReportCount(); ++i)
        if (ReportAt(i).Question == target) return true;
    return target == AbandonNone;
}

// The page counts all unset, as at start-up, or each report's own.
inline bool ReportPageCountsSet() {
    bool unset = true, counts = true;
    for (int i = 0; i < ReportCount(); ++i) {
        unset = unset && ReportPageCount[ReportAt(i).Kind] == 0;
        counts = counts && ReportPageCount[ReportAt(i).Kind] == ReportAt(i).Pages;
    }
    return unset || counts;
}

// The highest page and sub-page any report reaches.
inline int MostReportPages() {
    int most = 0;
    for (int i = 0; i < ReportCount(); ++i)
        if (LastReportPage(ReportAt(i)) > most) most = LastReportPage(ReportAt(i));
    return most;
}

inline int MostSubpages() {
    int most = 0;
    for (int topic = 1; topic <= NumerologyTopics; ++topic)
        if (NumerologySubpageCount(topic) > most) most = NumerologySubpageCount(topic);
    return most;
}

inline bool OnLayout(LayoutPoint p) { return Within(p.X, -40, 400) && Within(p.Y, -40, 400); }

template <int Capacity>
bool Terminated(const wchar_t (&text)[Capacity]) {
    return std::wmemchr(text, 0, Capacity) != nullptr;
}

// What start-up fixed for the whole run.
struct Start {
    double Scale;
    int Extra;
};

// Notes the first variable found out of its range, as "Name=value".
#define CHECK_STATE(condition, value)                                                  \
    do {                                                                                \
        if (!(condition) && problem->empty()) *problem = std::string(#value "=") + std::to_string(value); \
    } while (false)

inline void CheckDisplayState(const Start& start, std::string* problem) {
    CHECK_STATE(Within(DisplayMode, 1, 7), DisplayMode);
    CHECK_STATE(ScreenWidth > 0 && ScreenHeight > 0, ScreenWidth);
    CHECK_STATE(ScaleFactor[0] == start.Scale && ScaleFactor[1] == start.Scale, ScaleFactor[0]);
    CHECK_STATE(HeightExtra == start.Extra, HeightExtra);
    const bool shift = (LayoutShift.X == 0 || LayoutShift.X == 40) &&
                       (LayoutShift.Y == 0 || LayoutShift.Y == 40) && LayoutShift.X + LayoutShift.Y <= 40;
    CHECK_STATE(shift, LayoutShift.X * 100 + LayoutShift.Y);
}

inline void CheckScreenState(std::string* problem) {
    CHECK_STATE(FindPage(Layer::Page, BaseScreen) != nullptr, BaseScreen);
    CHECK_STATE(PopupScreen == PopupNone || FindPage(Layer::Popup, PopupScreen) != nullptr, PopupScreen);
    CHECK_STATE(InputPanel == PanelNone || FindPage(Layer::Panel, InputPanel) != nullptr, InputPanel);
    CHECK_STATE(Within(SubPage, SubPageNone, SubPageExtras), SubPage);
    CHECK_STATE(ResultKind == KindNone || FindReport(ResultKind) != nullptr, ResultKind);
    CHECK_STATE(BaseScreen != ScreenResult || ResultKind != KindNone, ResultKind);
    // Only the main menu marks its static parts as drawn.
    CHECK_STATE(OneOf(ScreenReady, {0, 1}) && (ScreenReady == 0 || BaseScreen == ScreenMainMenu), ScreenReady);
    CHECK_STATE(OneOf(RedrawAll, {0, 1}), RedrawAll);
    CHECK_STATE(OneOf(PanelOnly, {0, 1}), PanelOnly);
    CHECK_STATE(OneOf(KeyLatch, {0, 1}), KeyLatch);
    CHECK_STATE(OneOf(SkipRelease, {0, 1}), SkipRelease);
    CHECK_STATE(OneOf(WasDeactivated, {0, 1}), WasDeactivated);
    CHECK_STATE(Within(MarginX, 0, 40) && MarginX % 40 == 0, MarginX);
    CHECK_STATE(OnLayout(ContentOrigin) && OnLayout(TitlePos), ContentOrigin.X);
    CHECK_STATE(OnLayout(ButtonSlot1) && OnLayout(ButtonSlot2) && OnLayout(ButtonSlot3), ButtonSlot1.X);
    CHECK_STATE(OneOf(SummarySpacing, {0, 26}), SummarySpacing);
}

inline void CheckReportState(std::string* problem) {
    CHECK_STATE(Within(SignIndex, 0, SignCount), SignIndex);
    CHECK_STATE(Within(ReportPage, 0, MostReportPages()), ReportPage);
    CHECK_STATE(Within(ReportSubpage, 0, MostSubpages()), ReportSubpage);
    CHECK_STATE(OneOf(ProfileReadAll, {0, 1}), ProfileReadAll);
    CHECK_STATE(OneOf(PopupBand, {0, 210}), PopupBand);
    CHECK_STATE(AbandonTargetOfAReport(AbandonTarget), AbandonTarget);
    CHECK_STATE(ReportPageCountsSet(), ReportPageCount[KindCompatibility]);
    // Entries no report uses stay 0.
    for (int kind = 0; kind < static_cast<int>(std::size(ReportPageCount)); ++kind)
        CHECK_STATE(FindReport(kind) || ReportPageCount[kind] == 0, kind);
    if (const ReportRoute* report = BaseScreen == ScreenResult ? FindReport(ResultKind) : nullptr) {
        // The page the report can reach, and on a report of topics the
        // topic's sub-page.
        CHECK_STATE(Within(ReportPage, 1, LastReportPage(*report)), ReportPage);
        if (report->Turns == ReportPaging::Topics)
            CHECK_STATE(Within(ReportSubpage, 1, NumerologySubpageCount(ReportPage)), ReportSubpage);
    }
    for (const int sign : {MySignChoice, LoverSignChoice, PairMySign, PairLoverSign})
        CHECK_STATE(Within(sign, 0, SignCount), sign);
    CHECK_STATE(OnLayout(MyRow) && OnLayout(LoverRow), MyRow.Y);
    for (const int rating : {FirstRating, SecondRating, ThirdRating, FourthRating})
        CHECK_STATE(Within(rating, 0, 10), rating);
}

inline void CheckEntryState(std::string* problem) {
    // -1 for a text that is not a date part; the year as entered (1910 to
    // 2017 are accepted).
    for (const int part : {DayIndex, MonthIndex}) CHECK_STATE(Within(part, -1, 30), part);
    CHECK_STATE(Within(BirthYear, -1, 30) || Within(BirthYear, 1910, 2017), BirthYear);
    CHECK_STATE(Within(EntryField, 0, 3), EntryField);
    CHECK_STATE(Terminated(DayText) && Terminated(MonthText) && Terminated(YearText), 0);
    CHECK_STATE(Terminated(EditText) && Terminated(PanelTitle), 0);
    CHECK_STATE(InputPanel < PanelMessageBox || PanelMessage != nullptr, InputPanel);
    CHECK_STATE(Within(PressedButton, 0, 2), PressedButton);
    CHECK_STATE(Within(KeyboardPage, 0, FindPage(Layer::Panel, PanelKeyboard)->Pages - 1), KeyboardPage);
    CHECK_STATE(OnLayout(PanelOrigin), PanelOrigin.X);
}

inline void CheckTextViewState(std::string* problem) {
    CHECK_STATE(Within(LineCount, 0, LineSlots - 1), LineCount);
    CHECK_STATE(OneOf(ScrollActive, {0, 1}), ScrollActive);
    CHECK_STATE(OneOf(ScrollStarted, {0, 1}), ScrollStarted);
    CHECK_STATE(MaxScrollOffset >= 0 && MaxScrollOffset < LineSlots, MaxScrollOffset);
    CHECK_STATE(ScrollActive == 0 || MaxScrollOffset > 0, MaxScrollOffset);
    CHECK_STATE(Within(ScrollOffset, 0, MaxScrollOffset), ScrollOffset);
}

#undef CHECK_STATE

}  // namespace state_bounds

// The first state variable outside its range, as "Name=value"; empty when
// every one is within it.
inline std::string StateOutOfBounds(double startScale, int startExtra) {
    using namespace state_bounds;
    std::string problem;
    CheckDisplayState({startScale, startExtra}, &problem);
    CheckScreenState(&problem);
    CheckReportState(&problem);
    CheckEntryState(&problem);
    CheckTextViewState(&problem);
    return problem;
}
