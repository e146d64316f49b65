// Putting the program into a known state without gtest, for the tests and
// the benchmarks alike.
#pragma once

#include "draw/TextView.h"
#include "screens/BirthDate.h"
#include "screens/Keyboard.h"
#include "shell/Settings.h"
#include "shell/State.h"

#include <cstring>

// Every state variable back to its value at a program start.
inline void ZeroState() {
    BaseScreen = PopupScreen = InputPanel = SubPage = ResultKind = 0;
    ScreenReady = RedrawAll = PanelOnly = 0;
    KeyLatch = SkipRelease = WasDeactivated = 0;
    SignIndex = ReportPage = ReportSubpage = ProfileReadAll = PopupBand = AbandonTarget = 0;
    for (int& count : ReportPageCount) count = 0;
    MarginX = 0;
    ContentOrigin = TitlePos = ButtonSlot1 = ButtonSlot2 = ButtonSlot3 = {0, 0};
    MySignChoice = LoverSignChoice = PairMySign = PairLoverSign = 0;
    FirstRating = SecondRating = ThirdRating = FourthRating = 0;
    DayIndex = MonthIndex = BirthYear = EntryField = 0;
    PanelMessage = nullptr;
    PressedButton = 0;
    DayText[0] = MonthText[0] = YearText[0] = 0;
    EditText[0] = PanelTitle[0] = 0;
    EditSelected = ShiftOn = false;
    KeyboardPage = 0;
    PanelOrigin = {0, 0};
    ScrollOffset = MaxScrollOffset = LineCount = ScrollStarted = 0;
    ScrollActive = 0;
    ViewRect = {};
    std::memset(SettingsBlob, 0, sizeof SettingsBlob);
}

// Puts the program on the result view of a report, as the pickers leave it.
inline void ShowReport(int kind, int subPage, int page) {
    ResultKind = kind;
    SubPage = subPage;
    ReportPage = page;
    BaseScreen = ScreenResult;
    ScreenReady = 0;
}

// The birth-date page (sub-page 5) or its topic menu (6), with the default
// date parsed.
inline void ShowBirthDate(int subPage) {
    BaseScreen = ScreenBirthDate;
    SubPage = subPage;
    DefaultBirthDate();
    ParseBirthDate();
}

// A sub-page of a numerology topic for the default date.
inline void ShowNumerology(int topic, int subpage) {
    ShowBirthDate(6);
    ShowReport(KindNumerology, 6, topic);
    ReportSubpage = subpage;
}

// The keyboard open on the day box, on its letters (0) or digits (1).
inline void ShowKeyboard(const wchar_t* title, int page) {
    ShowBirthDate(5);
    EntryField = 1;
    OpenKeyboard(title);
    KeyboardPage = page;
}

inline void ShowMessagePanel(const wchar_t* message) {
    ShowBirthDate(5);
    InputPanel = PanelMessageBox;
    PanelMessage = message;
}
