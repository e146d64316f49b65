// The program's global state: display classification, the layered screen
// state, navigation values, the positions the page painters publish, the
// entry panels, the text view's scroll and the saved record. Everything
// starts at 0, so the first paint shows the main menu.
#pragma once

#include <cstdint>

struct LayoutPoint {
    int X, Y;
};

struct TextViewRect {
    int X, Y, Width, Height;  // layout units of the last layout
};

constexpr int DateTextCapacity = 16;  // the birth date's texts, as entered
constexpr int EditCapacity = 13;      // the keyboard's text: 12 characters and the terminator
constexpr int PanelTitleCapacity = 16;
constexpr int SettingsSize = 40;      // the saved record

// Every state variable, once: type, name and array extent (empty for one
// value). The declarations below, the definitions, the zeroing and the
// printed state (State.cpp) are all made from this table, so none of them
// can leave a variable out. The text view's source text and line slots are
// not state: they are refilled at every paint (draw/TextView.h).
#define STELLARION_STATE(X)                                                                   \
    /* Display classification */                                                              \
    X(int, ScreenWidth, )                                                                     \
    X(int, ScreenHeight, )                                                                    \
    X(unsigned, DisplayMode, )          /* 1 … 7; 8 = unsupported (start-up only) */          \
    X(double, ScaleFactor, [2])         /* pixels per layout unit, horizontal and vertical */ \
    X(LayoutPoint, LayoutShift, )       /* centring shift on tall or wide screens */          \
    X(int, HeightExtra, )               /* covers the hidden title bar */                     \
    /* Layered screen state */                                                                \
    X(int, BaseScreen, )                                                                      \
    X(int, PopupScreen, )                                                                     \
    X(int, InputPanel, )                                                                      \
    X(int, SubPage, )                                                                         \
    X(int, ResultKind, )                                                                      \
    X(int, ScreenReady, )                                                                     \
    X(int, RedrawAll, )                                                                       \
    X(int, PanelOnly, )                                                                       \
    X(uint8_t, KeyLatch, )                                                                    \
    X(uint8_t, SkipRelease, )                                                                 \
    X(uint8_t, WasDeactivated, )                                                              \
    /* Navigation */                                                                          \
    X(int, SignIndex, )                                                                       \
    X(int, ReportPage, )                                                                      \
    X(int, ReportSubpage, )                                                                   \
    X(int, ProfileReadAll, )                                                                  \
    X(int, PopupBand, )                                                                       \
    X(int, AbandonTarget, )                                                                   \
    X(int, ReportPageCount, [6])        /* entries 1, 2, 4 and 5 are used */                  \
    /* Positions published by the painter of the page on screen */                            \
    X(int, MarginX, )                                                                         \
    X(LayoutPoint, ContentOrigin, )                                                           \
    X(LayoutPoint, TitlePos, )                                                                \
    X(LayoutPoint, ButtonSlot1, )                                                             \
    X(LayoutPoint, ButtonSlot2, )                                                             \
    X(LayoutPoint, ButtonSlot3, )                                                             \
    X(int, SummarySpacing, )                                                                  \
    /* Section values */                                                                      \
    X(int, MySignChoice, )                                                                    \
    X(int, LoverSignChoice, )                                                                 \
    X(int, PairMySign, )                                                                      \
    X(int, PairLoverSign, )                                                                   \
    X(LayoutPoint, MyRow, )                                                                   \
    X(LayoutPoint, LoverRow, )                                                                \
    X(int, FirstRating, )                                                                     \
    X(int, SecondRating, )                                                                    \
    X(int, ThirdRating, )                                                                     \
    X(int, FourthRating, )                                                                    \
    X(int, DayIndex, )                                                                        \
    X(int, MonthIndex, )                                                                      \
    X(int, BirthYear, )                                                                       \
    X(int, EntryField, )                                                                      \
    X(wchar_t, DayText, [DateTextCapacity])  /* memory only; empty at start */                \
    X(wchar_t, MonthText, [DateTextCapacity])                                                 \
    X(wchar_t, YearText, [DateTextCapacity])                                                  \
    /* Entry panels */                                                                        \
    X(int, PressedButton, )             /* 0 none, 1 first button, 2 second */                \
    X(const wchar_t*, PanelMessage, )                                                         \
    X(wchar_t, PanelTitle, [PanelTitleCapacity])                                              \
    X(wchar_t, EditText, [EditCapacity])                                                      \
    X(bool, EditSelected, )                                                                   \
    X(bool, ShiftOn, )                                                                        \
    X(int, KeyboardPage, )              /* 0 letters, 1 digits and symbols */                 \
    X(LayoutPoint, PanelOrigin, )                                                             \
    /* The text view's scroll state, shared by the result view and popups */                 \
    X(int, ScrollOffset, )                                                                    \
    X(int, MaxScrollOffset, )                                                                 \
    X(unsigned char, ScrollActive, )                                                          \
    X(int, LineCount, )                                                                       \
    X(int, ScrollStarted, )                                                                   \
    X(TextViewRect, ViewRect, )                                                               \
    /* The saved record (shell/core/Settings.h): held for the whole run, zero until loaded */      \
    X(uint8_t, SettingsBlob, [SettingsSize])

#define STELLARION_DECLARE_STATE(type, name, extent) extern type name extent;
STELLARION_STATE(STELLARION_DECLARE_STATE)
#undef STELLARION_DECLARE_STATE

// The result view's corner buttons are its use of the three slots.
inline LayoutPoint& BackButton = ButtonSlot1;
inline LayoutPoint& NextPageButton = ButtonSlot2;
inline LayoutPoint& PrevPageButton = ButtonSlot3;

// Every state variable back to 0, as at a program start (tests and
// benchmarks).
void ZeroState();
// Every state variable as "Name=value" lines, in the table's order: arrays
// as their entries joined by commas, points as "x,y", texts as they are.
// Cut to `capacity` and terminated; returns the length.
constexpr int StateTextCapacity = 8192;
int FormatState(char* text, int capacity);

// The values of the screen-state variables, by name. The variables stay
// plain ints (their numbers are what the state printout and the record
// show); code names every value it means, and never takes one numbering for
// another: a report's kind is not its picker's screen.
// BaseScreen: the full-screen page.
enum ScreenValue : int {
    ScreenMainMenu = 0, ScreenCompatibilityPicker = 1, ScreenForecastPicker = 2,
    ScreenProfilePicker = 3, ScreenBirthDate = 5, ScreenResult = 6, ScreenExtras = 7,
};
// PopupScreen and InputPanel: the layers over it.
enum PopupValue : int { PopupNone = 0, PopupAbout = 1, PopupExtras = 4, PopupHelp = 5 };
enum PanelValue : int { PanelNone = 0, PanelKeyboard = 1, PanelMessageBox = 10, PanelConfirm = 11 };
// ResultKind: the report the result view shows.
enum KindValue : int {
    KindNone = 0, KindCompatibility = 1, KindForecast = 2, KindProfile = 4, KindNumerology = 5,
};
// SubPage: the main-menu section and its step.
enum SubPageValue : int {
    SubPageNone = 0, SubPageCompatibility = 1, SubPageForecast = 2, SubPageSignGrid = 3,
    SubPageTopicList = 4, SubPageDateStep = 5, SubPageTopicStep = 6, SubPageExtras = 7,
};
// AbandonTarget: where "yes" on the confirmation leads.
enum AbandonValue : int {
    AbandonNone = 0, AbandonToCompatibilityPicker = 1, AbandonToForecastPicker = 2,
    AbandonToTopicList = 3,
};

// The text view's next layout starts from the top.
inline void ResetScroll() { ScrollStarted = 0; }

// The display modes, by DisplayMode (1 … 7; 0 and 8 have no layout): how
// many device pixels a layout unit is, whether the layout is 320 units wide
// (else 240) and 240 units high (else 320), and how many pixels beyond the
// caption's height the window grows to hide its title bar.
struct DisplayModeInfo {
    int Scale;
    bool Wide, Short;
    int TitleCover;
};
constexpr DisplayModeInfo DisplayModes[9] = {
    {1, false, false, 0},
    {1, false, false, 3},  // 1: 240 x 320
    {1, true, true, 3},    // 2: 320 x 240
    {2, false, false, 6},  // 3: 480 x 640
    {2, true, true, 6},    // 4: 640 x 480
    {1, false, true, 3},   // 5: 240 x 240
    {2, false, true, 6},   // 6: 480 x 480
    {1, true, false, 4},   // 7: 320 x 320
    {1, false, false, 0},  // 8: unsupported
};
inline const DisplayModeInfo& CurrentDisplayMode() { return DisplayModes[DisplayMode < 9 ? DisplayMode : 0]; }

// True in the double-resolution modes 3, 4 and 6.
inline bool DoubleResolution() { return CurrentDisplayMode().Scale == 2; }
// True on the 320-unit-wide layouts (modes 2, 4, 7).
inline bool WideLayout() { return CurrentDisplayMode().Wide; }
// True on the 240-unit-high layouts (modes 2, 4, 5, 6).
inline bool ShortLayout() { return CurrentDisplayMode().Short; }
