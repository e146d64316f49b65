// Entering a birth date: the date boxes, the keyboard's rules and the
// message panel, on the numerology page and on the extras page.
#include "screens/BirthDate.h"

#include "Harness.h"

#include <cwchar>

namespace {

// Presses the key whose rectangle holds (kx, ky) of the key area.
void TapKey(int kx, int ky) { TapLayout(PanelOrigin.X + kx, PanelOrigin.Y + 60 + ky); }

void TapDigit(wchar_t digit) {
    const int index = digit == L'0' ? 9 : digit - L'1';
    TapKey(12 + 24 * index, 20);
}

void TapReturn() { TapKey(210, 145); }
void TapBackspace() { TapKey(224, 100); }
void TapPageSwitch() { TapKey(30, 145); }

// The numerology page in mode 1: the date row's top is at 186.
void OpenNumerologyPage() {
    ASSERT_TRUE(StartProgram(240, 320));
    TapLayout(32 + 20, 225 + 55);
    ASSERT_EQ(BaseScreen, ScreenBirthDate);
}

// Opens the keyboard on a date box (1 day, 2 month, 3 year) and types.
void Type(int box, const wchar_t* text) {
    const int x[4] = {0, 50, 100, 160};
    if (EntryField != box) TapLayout(x[box], 190);
    TapLayout(x[box], 190);
    ASSERT_EQ(InputPanel, PanelKeyboard);
    if (KeyboardPage == 0) TapPageSwitch();
    while (EditText[0]) TapBackspace();
    for (const wchar_t* c = text; *c; ++c) TapDigit(*c);
    TapReturn();
}

void DismissMessage() {
    ASSERT_EQ(InputPanel, PanelMessageBox);
    TapLayout(15 + 100, 270 + 10);
    ASSERT_EQ(InputPanel, PanelNone);
}

}  // namespace

TEST(BirthDate, FirstVisitDefaultsAndNext) {
    OpenNumerologyPage();
    EXPECT_STREQ(DayText, L"24");
    EXPECT_STREQ(MonthText, L"1");
    EXPECT_STREQ(YearText, L"2010");
    EXPECT_EQ(EntryField, 1);
    TapLayout(100, 190);  // the month box: selected, no keyboard yet
    EXPECT_EQ(EntryField, 2);
    EXPECT_EQ(InputPanel, PanelNone);
    TapLayout(100, 190);
    EXPECT_EQ(InputPanel, PanelKeyboard);
    EXPECT_STREQ(PanelTitle, L"Month");
    EXPECT_STREQ(EditText, L"1");
    TapReturn();
    TapLayout(50 + 70, 260 + 17);  // Next
    EXPECT_EQ(SubPage, SubPageTopicStep);
    EXPECT_EQ(DayIndex, 23);
    EXPECT_EQ(MonthIndex, 0);
    EXPECT_EQ(BirthYear, 2010);
    TapLayout(10 + 50, 108 + 31);  // between the first two topics
    EXPECT_EQ(BaseScreen, ScreenBirthDate);
    TapLayout(10 + 50, 108 + 34 * 2 + 10);
    EXPECT_EQ(BaseScreen, ScreenResult);
    EXPECT_EQ(ReportPage, 3);
    EXPECT_EQ(ReportSubpage, 1);
    TapLayout(15 + 5, 288 + 5);  // back to the topic menu
    EXPECT_EQ(BaseScreen, ScreenBirthDate);
    EXPECT_EQ(SubPage, SubPageTopicStep);
}

TEST(BirthDate, KeyboardRules) {
    OpenNumerologyPage();
    Type(1, L"05");
    EXPECT_STREQ(DayText, L"5");
    for (const wchar_t* bad : {L"0", L"32", L"123"}) {
        Type(1, bad);
        EXPECT_STREQ(PanelMessage, L"Write from 1 to 31.");
        DismissMessage();
        EXPECT_STREQ(DayText, L"5");
    }
    Type(1, L"31");
    EXPECT_STREQ(DayText, L"31");
    Type(2, L"13");
    EXPECT_STREQ(PanelMessage, L"Write from 1 to 12.");
    DismissMessage();
    for (const wchar_t* bad : {L"201", L"02010", L"1924", L"2011"}) {
        Type(3, bad);
        EXPECT_STREQ(PanelMessage, L"Write from 1925 to 2010");
        DismissMessage();
    }
    Type(3, L"1925");
    EXPECT_STREQ(YearText, L"1925");
}

TEST(BirthDate, KeyboardEditing) {
    OpenNumerologyPage();
    TapLayout(50, 190);
    ASSERT_EQ(InputPanel, PanelKeyboard);
    ASSERT_EQ(KeyboardPage, 0);
    // Backspace to empty lights Shift: the next letter is upper case.
    TapBackspace();
    TapBackspace();
    EXPECT_STREQ(EditText, L"");
    EXPECT_TRUE(ShiftOn);
    TapKey(12, 20);  // q
    EXPECT_STREQ(EditText, L"Q");
    EXPECT_FALSE(ShiftOn);
    // A selected edit field is replaced by the next key.
    TapLayout(PanelOrigin.X + 100, PanelOrigin.Y + 40);
    EXPECT_TRUE(EditSelected);
    TapPageSwitch();
    EXPECT_STREQ(EditText, L"");
    TapDigit(L'7');
    EXPECT_STREQ(EditText, L"7");
    // Twelve characters at most; the thirteenth is ignored.
    for (int i = 0; i < 13; ++i) TapDigit(L'1');
    EXPECT_EQ(std::wcslen(EditText), 12u);
    // The release of a rejected Return does not press "ok".
    Send(MessageButtonDown, 1, PackPoint(PanelOrigin.X + 210, PanelOrigin.Y + 60 + 145));
    ASSERT_EQ(InputPanel, PanelMessageBox);
    Send(MessageButtonUp, 0, PackPoint(15 + 100, 270 + 10));
    EXPECT_EQ(InputPanel, PanelMessageBox);
}

TEST(BirthDate, ParseDatePart) {
    EXPECT_EQ(ParseDatePart(L"2010"), 2011);
    EXPECT_EQ(ParseDatePart(L"24"), 24);
    EXPECT_EQ(ParseDatePart(L"07"), 7);
    EXPECT_EQ(ParseDatePart(L"0"), 0);
    EXPECT_EQ(ParseDatePart(L"32"), 0);
    EXPECT_EQ(ParseDatePart(L""), 0);
    EXPECT_EQ(ParseDatePart(L"123"), 0);
}

TEST(Extras, ButtonsDateBoxesAndPopup) {
    ASSERT_TRUE(StartProgram(240, 320));
    TapLayout(32 + 20, 225 + 70);
    ASSERT_EQ(BaseScreen, ScreenExtras);
    EXPECT_EQ(EntryField, 1);
    TapLayout(50, 265);  // below the buttons
    EXPECT_EQ(PopupScreen, PopupNone);
    TapLayout(50, 200);
    EXPECT_EQ(PopupScreen, PopupExtras);
    EXPECT_EQ(EntryField, 1);  // the tree
    EXPECT_EQ(SubPage, SubPageExtras);
    EXPECT_EQ(BirthYear, 2010);
    Tap(222, 10);  // close: no date box stays selected
    EXPECT_EQ(PopupScreen, PopupNone);
    EXPECT_EQ(EntryField, 0);
    TapLayout(100, 130);
    EXPECT_EQ(EntryField, 2);
    TapLayout(100, 130);
    EXPECT_EQ(InputPanel, PanelKeyboard);
    TapPageSwitch();
    TapBackspace();
    for (const wchar_t* c = L"1910"; *c; ++c) TapDigit(*c);
    EXPECT_STREQ(EditText, L"1910");
    TapReturn();  // a month of 1910 is refused
    EXPECT_STREQ(PanelMessage, L"Write from 1 to 12.");

    // The extras page takes years from 1910 to 2017.
    ZeroState();
    ASSERT_TRUE(StartProgram(240, 240));
    TapLayout(32 + 20, 158 + 70);
    ASSERT_EQ(BaseScreen, ScreenExtras);
    TapLayout(50, 160);  // mode 5: the buttons stand 40 units higher
    EXPECT_EQ(PopupScreen, PopupExtras);
    Tap(222, 10);
    TapLayout(170, 110);
    TapLayout(170, 110);
    ASSERT_EQ(InputPanel, PanelKeyboard);
    TapPageSwitch();
    while (EditText[0]) TapBackspace();
    for (const wchar_t* c = L"2017"; *c; ++c) TapDigit(*c);
    TapReturn();
    EXPECT_EQ(InputPanel, PanelNone);
    EXPECT_STREQ(YearText, L"2017");
    TapLayout(206 + 5, 5);  // the house button
    EXPECT_EQ(BaseScreen, ScreenMainMenu);
}
