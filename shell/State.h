// The program's global state: display classification, the layered screen
// state, navigation values and the positions the page painters publish.
// Everything starts at 0, so the first paint shows the main menu.
#pragma once

#include <cstdint>

struct LayoutPoint {
    int X, Y;
};

// ---- Display classification ---------------------------------------------------
extern int ScreenWidth, ScreenHeight;
extern unsigned DisplayMode;        // 1 … 7; 8 = unsupported (start-up only)
extern double ScaleFactor[2];       // pixels per layout unit, horizontal and vertical
extern LayoutPoint LayoutShift;     // centring shift on tall or wide screens
extern int HeightExtra;             // covers the hidden title bar

// ---- Layered screen state -----------------------------------------------------
extern int BaseScreen, PopupScreen, InputPanel, SubPage, ResultKind;
extern int ScreenReady, RedrawAll, PanelOnly;
extern uint8_t KeyLatch, SkipRelease, WasDeactivated;

// ---- Navigation ----------------------------------------------------------------
extern int SignIndex, ReportPage, ReportSubpage, ProfileReadAll, PopupBand, AbandonTarget;
extern int ReportPageCount[6];      // entries 1, 2, 4 and 5 are used

// ---- Positions published by the painter of the page on screen -------------------
extern int MarginX;
extern LayoutPoint ContentOrigin, TitlePos;
extern LayoutPoint ButtonSlot1, ButtonSlot2, ButtonSlot3;
// The result view's corner buttons are its use of the three slots.
inline LayoutPoint& BackButton = ButtonSlot1;
inline LayoutPoint& NextPageButton = ButtonSlot2;
inline LayoutPoint& PrevPageButton = ButtonSlot3;
extern int SummarySpacing;

// ---- Section values ---------------------------------------------------------------
extern int MySignChoice, LoverSignChoice, PairMySign, PairLoverSign;
extern LayoutPoint MyRow, LoverRow;
extern int FirstRating, SecondRating, ThirdRating, FourthRating;
extern int DayIndex, MonthIndex, BirthYear, EntryField;
// The birth date as entered and accepted (memory only; empty at start).
constexpr int DateTextCapacity = 16;
extern wchar_t DayText[DateTextCapacity], MonthText[DateTextCapacity], YearText[DateTextCapacity];

// ---- Entry panels ---------------------------------------------------------------------
extern const wchar_t* PanelMessage;
extern int PressedButton;           // 0 none, 1 first button, 2 second
// The keyboard panel.
constexpr int EditCapacity = 13;    // 12 characters and the terminator
extern wchar_t EditText[EditCapacity];
extern wchar_t PanelTitle[16];
extern bool EditSelected, ShiftOn;
extern int KeyboardPage;            // 0 letters, 1 digits and symbols
extern LayoutPoint PanelOrigin;

// Screen values of BaseScreen, PopupScreen and InputPanel.
enum : int {
    ScreenMainMenu = 0, ScreenCompatibilityPicker = 1, ScreenForecastPicker = 2,
    ScreenProfilePicker = 3, ScreenBirthDate = 5, ScreenResult = 6, ScreenExtras = 7,
};
enum : int { PopupNone = 0, PopupAbout = 1, PopupExtras = 4, PopupHelp = 5 };
enum : int { PanelNone = 0, PanelKeyboard = 1, PanelMessageBox = 10, PanelConfirm = 11 };
enum : int { KindNone = 0, KindCompatibility = 1, KindForecast = 2, KindProfile = 4, KindNumerology = 5 };

// True in the double-resolution modes 3, 4 and 6.
inline bool DoubleResolution() { return DisplayMode == 3 || DisplayMode == 4 || DisplayMode == 6; }
// True on the 320-unit-wide layouts (modes 2, 4, 7).
inline bool WideLayout() { return DisplayMode == 2 || DisplayMode == 4 || DisplayMode == 7; }
// True on the 240-unit-high layouts (modes 2, 4, 5, 6).
inline bool ShortLayout() {
    return DisplayMode == 2 || DisplayMode == 4 || DisplayMode == 5 || DisplayMode == 6;
}
