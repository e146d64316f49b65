// Every text the program draws shows whole on every screen: titles,
// headers, rating labels, menu and panel labels, popup captions and the
// reading texts' rows keep all their lines inside their boxes, and no title
// runs under the Back button.
#include "platform/canvas/DrawnTexts.h"
#include "readings/NumerologyReport.h"
#include "resources/Signs.h"
#include "shell/core/Navigation.h"

#include "Harness.h"

#include <set>
#include <string>

namespace {

// The seven display modes' screens, in DisplayMode order.
constexpr std::pair<int, int> Screens[] = {{240, 320}, {320, 240}, {480, 640}, {640, 480},
                                           {240, 240}, {480, 480}, {320, 320}};

// Texts that lost a line, or put ink where they should not, with where.
using Faults = std::set<std::wstring>;

std::wstring Where(const wchar_t* text) {
    return L"mode " + std::to_wstring(DisplayMode) + L" \"" + text + L"\"";
}

// Paints every layer afresh, as after a screen change, and checks what the
// paint drew: every line of every text inside its box.
void PaintAndCheck(Faults* faults) {
    ScreenReady = 0;
    RedrawAll = 1;
    PlatformInvalidateWindow();
    int code = 0;
    HeadlessRunPending(&code);
    for (int i = 0; i < DrawnTextCount(); ++i) {
        const DrawnText& text = DrawnTextAt(i);
        if (text.Drawn.LinesShown < text.Drawn.Lines)
            faults->insert(Where(text.Text) + L" shows " + std::to_wstring(text.Drawn.LinesShown) +
                           L" of " + std::to_wstring(text.Drawn.Lines) + L" lines");
    }
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// No text of the last paint inks the Back button's tap box (32 x 28 units).
void CheckBackButtonClear(Faults* faults) {
    const int scale = DoubleResolution() ? 2 : 1;
    const int left = (BackButton.X + LayoutShift.X) * scale, top = (BackButton.Y + LayoutShift.Y) * scale;
    const PixelRect back{left, top, left + 32 * scale, top + 28 * scale};
    for (int i = 0; i < DrawnTextCount(); ++i)
        if (Overlap(DrawnTextAt(i).Drawn.Ink, back)) faults->insert(Where(DrawnTextAt(i).Text) + L" under Back");
}

std::wstring Joined(const Faults& faults) {
    std::wstring all;
    for (const std::wstring& fault : faults) all += fault + L"\n";
    return all;
}

// Runs `visit` on a fresh program on each screen, recording drawn texts.
template <typename Visit>
void OnEveryScreen(Visit visit) {
    for (const auto& [width, height] : Screens) {
        ASSERT_TRUE(StartProgram(width, height));
        KeepDrawnTexts(true);
        visit();
    }
    KeepDrawnTexts(false);
}

// The date from 1925 … 2010 whose title on a numerology page is the
// longest, so that the widest numbers are drawn.
void LongestTitleDate(int topic, int subpage) {
    int longest = 0;
    for (int year = 1925; year <= 2010; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= 28; ++day) {
                wchar_t title[64];
                const int length = NumerologyTitle(topic, subpage, day, month, year, title, 64);
                if (length <= longest) continue;
                longest = length;
                DayIndex = day - 1, MonthIndex = month - 1, BirthYear = year;
            }
}

}  // namespace

// All twelve signs, all ten topics, opened one by one and read in sequence.
TEST(Titles, ProfilePagesShowWholeAndClearOfBack) {
    Faults faults;
    OnEveryScreen([&] {
        for (int sign = 1; sign <= SignCount; ++sign)
            for (const int readAll : {0, 1})
                for (int page = 1; page <= 10; ++page) {
                    ShowReport(KindProfile, 4, page);
                    SignIndex = sign;
                    ProfileReadAll = readAll;
                    PaintAndCheck(&faults);
                    CheckBackButtonClear(&faults);
                }
    });
    EXPECT_TRUE(faults.empty()) << Joined(faults);
}

// Every pair's compatibility pages with their rating labels, every sign's
// forecast, and every numerology page at its widest numbers.
TEST(Titles, ReportPagesShowWhole) {
    Faults faults;
    OnEveryScreen([&] {
        for (int mine = 1; mine <= SignCount; ++mine)
            for (int lover = 1; lover <= SignCount; ++lover)
                for (int page = 1; page <= 4; ++page) {  // the outcome page after the ratings
                    ShowReport(KindCompatibility, 1, page);
                    PairMySign = mine;
                    PairLoverSign = lover;
                    PaintAndCheck(&faults);
                }
        for (int sign = 1; sign <= SignCount; ++sign)
            for (int page = 1; page <= 5; ++page) {
                ShowReport(KindForecast, 2, page);
                SignIndex = sign;
                PaintAndCheck(&faults);
            }
        const int subpages[] = {1, 1, 4, 4, 3, 1};
        for (int topic = 1; topic <= 6; ++topic)
            for (int subpage = 1; subpage <= subpages[topic - 1]; ++subpage) {
                ShowNumerology(topic, subpage);
                LongestTitleDate(topic, subpage);
                PaintAndCheck(&faults);
            }
    });
    EXPECT_TRUE(faults.empty()) << Joined(faults);
}

// The menus, pickers, topic lists, entry page, keyboard, panels and popups.
TEST(Titles, ScreenLabelsShowWhole) {
    Faults faults;
    OnEveryScreen([&] {
        const auto show = [&](int base, int subPage, int sign = 0) {
            ZeroState();
            BaseScreen = base;
            SubPage = subPage;
            SignIndex = sign;
            PaintAndCheck(&faults);
        };
        show(ScreenMainMenu, 0);
        show(ScreenCompatibilityPicker, ScreenCompatibilityPicker);
        show(ScreenForecastPicker, ScreenForecastPicker);
        show(ScreenProfilePicker, ScreenProfilePicker);
        for (int sign = 1; sign <= SignCount; ++sign) show(ScreenProfilePicker, 4, sign);  // the topics
        show(ScreenExtras, 0);
        for (const int subPage : {5, 6}) {
            ShowBirthDate(subPage);
            PaintAndCheck(&faults);
        }
        for (const wchar_t* title : {L"Day", L"Month", L"Year"})
            for (const int page : {0, 1}) {
                ShowKeyboard(title, page);
                PaintAndCheck(&faults);
            }
        for (const wchar_t* message : {L"Write from 1 to 31.", L"Write from 1 to 12.",
                                       L"Write from 1925 to 2010", L"Write from 1910 to 2017"}) {
            ShowMessagePanel(message);
            PaintAndCheck(&faults);
        }
        ShowReport(KindCompatibility, 1, 1);
        AskAbandon(AbandonToCompatibilityPicker);
        PaintAndCheck(&faults);
        for (const PopupValue popup : {PopupAbout, PopupHelp}) {
            ZeroState();
            OpenPopup(popup);
            PaintAndCheck(&faults);
        }
        for (int kind = 1; kind <= 3; ++kind) {
            ZeroState();
            BaseScreen = ScreenExtras;
            SubPage = SubPageExtras;
            DefaultBirthDate();
            ParseBirthDate();
            EntryField = kind;
            OpenPopup(PopupExtras);
            PaintAndCheck(&faults);
        }
    });
    EXPECT_TRUE(faults.empty()) << Joined(faults);
}
