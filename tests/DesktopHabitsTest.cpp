// The desktop's extra ways in, as a backend posts them: typed keys on the
// on-screen keyboard, wheel steps over a text view, the text a copy takes
// and a saved screen. Each must do exactly what the matching tap does.
#include "Harness.h"

#include "screens/BirthDate.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace {

void RunPending() {
    int code = 0;
    ASSERT_TRUE(HeadlessRunPending(&code));
}

void TypeText(const wchar_t* text) {
    for (const wchar_t* c = text; *c; ++c) HeadlessPost(MessageTypedCharacter, *c, 0);
    RunPending();
}

void Wheel(int x, int y, int direction) { HeadlessPost(MessageWheel, direction, PackPoint(x, y)); }

std::string Copy() {
    Send(MessageCopy);
    return HeadlessClipboard();
}

// The numerology page's day box, with the keyboard open on it.
void OpenDayKeyboard(int w, int h) {
    ASSERT_TRUE(StartProgram(w, h));
    TapLayout(ContentOrigin.X + 20, ContentOrigin.Y + 55);  // Numerology
    ASSERT_EQ(BaseScreen, ScreenBirthDate);
    const int top = ShortLayout() ? 166 : 186;
    TapLayout(MarginX + 50, top + 4);  // selected on arrival: a second tap opens it
    if (InputPanel != PanelKeyboard) TapLayout(MarginX + 50, top + 4);
    ASSERT_EQ(InputPanel, PanelKeyboard);
}

void TapKey(int kx, int ky) { TapLayout(PanelOrigin.X + kx, PanelOrigin.Y + 60 + ky); }

void OpenCompatibilityReport(int w, int h) {
    ASSERT_TRUE(StartProgram(w, h));
    TapLayout(ContentOrigin.X + 20, ContentOrigin.Y + 8);
    ASSERT_EQ(BaseScreen, ScreenCompatibilityPicker);
    TapLayout(ButtonSlot1.X + 45, ButtonSlot1.Y + 7);  // Match: Aries and Aries
    ASSERT_EQ(BaseScreen, ScreenResult);
    ASSERT_EQ(ReportPage, 1);
}

std::string SourceText(const std::string& name) {
    std::ifstream file(std::string(STELLARION_SOURCE) + "/resources/texts/" + name);
    std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    while (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

// Device pixels of a layout point of the page.
int PageX(int x) { return LayoutToPixel({x, 0}, LayoutShift).X; }
int PageY(int y) { return LayoutToPixel({0, y}, LayoutShift).Y; }

}  // namespace

TEST(DesktopHabits, TypedKeysActOnBothKeyboardPages) {
    for (const auto& [w, h] : {std::pair{240, 320}, {320, 240}, {480, 640}, {240, 400}}) {
        SCOPED_TRACE(testing::Message() << w << "x" << h);
        OpenDayKeyboard(w, h);
        ASSERT_EQ(KeyboardPage, 0);
        TypeText(L"\b\b");  // emptying the text lights Shift, as a tap does
        EXPECT_STREQ(EditText, L"");
        EXPECT_TRUE(ShiftOn);
        TypeText(L"qm P");
        EXPECT_STREQ(EditText, L"Qm p");
        TypeText(L"7");  // on the other page: the page switch, then the key
        EXPECT_EQ(KeyboardPage, 1);
        TypeText(L"?(");
        TypeText(L"k");
        EXPECT_EQ(KeyboardPage, 0);
        EXPECT_STREQ(EditText, L"Qm p7?(k");
        TypeText(L"\u00e9\t");  // no key types these
        EXPECT_STREQ(EditText, L"Qm p7?(k");
        TypeText(L"\b\b\b\b\b\b\b\b31\r");
        EXPECT_EQ(InputPanel, PanelNone);
        EXPECT_STREQ(DayText, L"31");
    }
}

TEST(DesktopHabits, TypingShowsWhatTappingShows) {
    OpenDayKeyboard(480, 640);
    TapKey(30, 145);        // page switch
    TapKey(12 + 24 * 4, 20);  // 5
    TapKey(224, 100);       // Backspace
    TapKey(30, 145);
    TapKey(12, 20);         // q
    const std::vector<uint32_t> tapped = Screenshot();
    const std::wstring tappedText = EditText;
    OpenDayKeyboard(480, 640);
    TypeText(L"5\bq");
    EXPECT_EQ(EditText, tappedText);
    EXPECT_EQ(Screenshot(), tapped);
}

TEST(DesktopHabits, RejectedReturnShowsTheMessageAndTheReleaseDoesNotDismissIt) {
    OpenDayKeyboard(240, 320);
    TypeText(L"\b\b32\r");
    EXPECT_EQ(InputPanel, PanelMessageBox);
    EXPECT_STREQ(PanelMessage, L"Write from 1 to 31.");
    TypeText(L"5\r");  // the message panel has no keys
    EXPECT_EQ(InputPanel, PanelMessageBox);
}

TEST(DesktopHabits, TypedKeysReachNothingWithoutTheKeyboard) {
    ASSERT_TRUE(StartProgram(240, 320));
    const std::vector<uint32_t> before = Screenshot();
    TypeText(L"abc 12\r\b");
    EXPECT_EQ(BaseScreen, ScreenMainMenu);
    EXPECT_EQ(InputPanel, PanelNone);
    EXPECT_EQ(Screenshot(), before);
}

TEST(DesktopHabits, WheelStepsTheTextViewLikeItsArrows) {
    for (const auto& [w, h] : {std::pair{240, 320}, {640, 480}}) {
        SCOPED_TRACE(w);
        OpenCompatibilityReport(w, h);
        ASSERT_EQ(ScrollActive, 1);
        const int x = PageX(ViewRect.X + 40), y = PageY(ViewRect.Y + 30);
        Wheel(x, y, +1);
        Wheel(x, y, +1);
        RunPending();
        EXPECT_EQ(ScrollOffset, 2);
        const std::vector<uint32_t> wheeled = Screenshot();
        Wheel(x, y, -1);
        RunPending();
        EXPECT_EQ(ScrollOffset, 1);
        // The arrow tapped once more gives the same screen as the wheel.
        Tap(PageX(ViewRect.X + ViewRect.Width - 4), PageY(ViewRect.Y + ViewRect.Height - 2));
        EXPECT_EQ(Screenshot(), wheeled);
        for (int i = 0; i < 5; ++i) Wheel(x, y, -1);
        RunPending();
        EXPECT_EQ(ScrollOffset, 0);  // not past the top
        // Off the view, nothing scrolls.
        Wheel(PageX(ViewRect.X + 20), PageY(ViewRect.Y - 30), +1);
        RunPending();
        EXPECT_EQ(ScrollOffset, 0);
    }
}

// Wheel steps queued behind a turn of the screen, before any paint: each
// finds the text view where the turned screen has it, and the screen ends
// as when the turn was painted first.
TEST(DesktopHabits, WheelRightAfterATurnFindsTheTurnedView) {
    const auto turnThenWheel = [](bool paintBetween) {
        OpenCompatibilityReport(240, 320);
        HeadlessChangeScreen(320, 240);
        if (paintBetween) RunPending();
        // Inside the view on 320 x 240, below it on 240 x 320.
        Wheel(300, 200, +1);
        Wheel(300, 200, +1);
        RunPending();
        EXPECT_EQ(ScrollOffset, 2);
        return Screenshot();
    };
    EXPECT_EQ(turnThenWheel(false), turnThenWheel(true));
    // A popup's view the same, its page drawn whole around it.
    const auto helpTurnThenWheel = [](bool paintBetween) {
        EXPECT_TRUE(StartProgram(240, 320));
        TapLayout(202, 2);
        HeadlessChangeScreen(240, 400);
        if (paintBetween) RunPending();
        Wheel(100, 100, +1);
        RunPending();
        EXPECT_EQ(ScrollOffset, 1);
        return Screenshot();
    };
    EXPECT_EQ(helpTurnThenWheel(false), helpTurnThenWheel(true));
}

TEST(DesktopHabits, WheelNeverReachesUnderAnOpenPanel) {
    OpenCompatibilityReport(240, 320);
    TapLayout(BackButton.X + 5, BackButton.Y + 5);  // "Abandon to the previous screen?"
    ASSERT_EQ(InputPanel, PanelConfirm);
    Wheel(PageX(ViewRect.X + 40), PageY(ViewRect.Y + 30), +1);
    RunPending();
    EXPECT_EQ(ScrollOffset, 0);
    EXPECT_EQ(InputPanel, PanelConfirm);
    EXPECT_EQ(BaseScreen, ScreenResult);
}

// A report page copies as its source text: the wrapped lines joined into
// paragraphs, ordinary line breaks, no carriage returns, whatever the scroll.
// A source text as one paragraph a line, without the blank lines between.
std::string OneParagraphALine(const std::string& text) {
    std::string out;
    for (size_t at = 0; at <= text.size();) {
        const size_t end = std::min(text.find('\n', at), text.size());
        if (end > at) out += text.substr(at, end - at) + "\n";
        at = end + 1;
    }
    return out;
}

// Copy takes what the description publishes: the page's heading, its
// rating in words, then the whole reading, scrolled or not.
TEST(DesktopHabits, CopyTakesTheWholeReportPage) {
    for (const auto& [w, h] : {std::pair{240, 320}, {480, 640}}) {
        OpenCompatibilityReport(w, h);
        Wheel(PageX(ViewRect.X + 40), PageY(ViewRect.Y + 30), +1);
        RunPending();
        ASSERT_EQ(ScrollOffset, 1);
        EXPECT_EQ(Copy(), "Aries and Aries: Relationship, page 1 of 4\nRelationship: " + std::to_string(FirstRating) +
                              " out of 10\n" + OneParagraphALine(SourceText("compatibility/aries-aries-1.txt")));
    }
}

// A numerology page: its result line comes before the reading.
TEST(DesktopHabits, CopyTakesTheResultLine) {
    OpenDayKeyboard(240, 320);
    TapKey(210, 145);  // Return: the day stays 24
    ASSERT_EQ(InputPanel, PanelNone);
    TapLayout(BirthDateLayout().Next.X + 70, BirthDateLayout().Next.Y + 17);
    ASSERT_EQ(SubPage, 6);
    const LayoutPoint menu = BirthDateLayout().Menu;
    TapLayout(menu.X + 100, menu.Y + 10);  // Life Path Number
    ASSERT_EQ(BaseScreen, ScreenResult);
    const std::string copied = Copy();
    EXPECT_EQ(copied.rfind("Numerology: Life Path Number\nYour Life Path is: ", 0), 0u) << copied;
    EXPECT_NE(copied.find("\nBirthday: 24/1/2010\n"), std::string::npos) << copied;
}

TEST(DesktopHabits, CopyTakesThePopupTextAndNothingElse) {
    ASSERT_TRUE(StartProgram(240, 320));
    EXPECT_EQ(Copy(), "");  // the main menu has no reading
    TapLayout(202, 2);  // Help
    ASSERT_EQ(PopupScreen, PopupHelp);
    const std::string help = Copy();
    EXPECT_EQ(help.rfind("Help\nStellarion is used to advice you about matchmaking by sign, your "
                         "horoscope, zodiac sign analysis and numerology.\nHOW TO USE IT:\n"
                         "Just click on the screen and choose the things you want to see.",
                         0),
              0u)
        << help;
    EXPECT_NE(help.find(" return to the main menu. In some cases you need to input some text"),
              std::string::npos)
        << help;
    EXPECT_EQ(help.find('\r'), std::string::npos);
    // The popup's view steps too, and its text copies the same scrolled.
    ASSERT_EQ(ScrollActive, 1);
    Wheel(ViewRect.X + 40, ViewRect.Y + 40, +1);
    RunPending();
    EXPECT_EQ(ScrollOffset, 1);
    EXPECT_EQ(Copy(), help);
    Tap(222, 5);  // closed: the menu again, nothing to copy
    ASSERT_EQ(PopupScreen, PopupNone);
    EXPECT_EQ(Copy(), help);  // the clipboard keeps what it had
}

// Saved as the screen shows it once everything before has been painted, in
// Pictures of the home folder when no user-dirs file names another.
TEST(DesktopHabits, SaveScreenKeepsTheScreenInThePicturesFolder) {
    const std::string home = TemporaryFolder();
    const char* before = std::getenv("HOME");
    const std::string oldHome = before ? before : "";
    setenv("HOME", home.c_str(), 1);
    ASSERT_TRUE(StartProgram(240, 320));
    HeadlessPost(MessageButtonDown, 1, PackPoint(205, 5));  // Help, not yet painted
    HeadlessPost(MessageButtonUp, 0, PackPoint(205, 5));
    Send(MessageSaveScreen);
    setenv("HOME", oldHome.c_str(), 1);
    ASSERT_EQ(PopupScreen, PopupHelp);
    std::vector<std::filesystem::path> saved;
    for (const auto& entry : std::filesystem::directory_iterator(home + "/Pictures"))
        saved.push_back(entry.path());
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].filename().string().rfind("Stellarion-", 0), 0u);
    const std::string expected = home + "/expected.png";
    ASSERT_TRUE(HeadlessSavePng(expected));
    const auto bytes = [](const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    };
    EXPECT_EQ(bytes(saved[0].string()), bytes(expected));
}
