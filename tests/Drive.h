// Putting the program into a known state without gtest, for the tests and
// the benchmarks alike (ZeroState is the shell's).
#pragma once

#include "draw/TextView.h"
#include "screens/BirthDate.h"
#include "screens/Keyboard.h"
#include "shell/core/State.h"

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
