// The numerology page (date entry, then the topic menu) and the extras
// page, which show and edit the same birth date.
#include "screens/BirthDate.h"

#include "draw/Primitives.h"
#include "draw/TextView.h"
#include "screens/Keyboard.h"
#include "screens/Screens.h"
#include "shell/core/Navigation.h"
#include "shell/core/Repaint.h"
#include "shell/core/State.h"
#include "shell/core/Targets.h"

#include <cstdio>

#include <cwchar>

namespace {

// Date boxes: day, month and year, from the date row's x.
constexpr int BoxLeft[4] = {0, 38, 88, 138}, BoxRight[4] = {0, 78, 128, 200};

struct DateStepLayout {
    int Xs, S;  // extra x offset; upward shift on 240-unit-high layouts
    LayoutPoint Logo, Next;
    int PromptLeft, PromptRight;  // the prompt's line, centred between them
};

// Indexed by DisplayMode 1 … 7 (0: no layout).
constexpr DateStepLayout DateLayouts[8] = {
    {},
    {0, 0, {9, 35}, {50, 260}, 0, 240},    {40, 30, {49, 20}, {93, 200}, 40, 280},
    {0, 0, {9, 35}, {50, 260}, 0, 240},    {40, 30, {49, 20}, {93, 200}, 40, 280},
    {0, 30, {9, 20}, {53, 200}, 0, 240},   {0, 30, {9, 20}, {53, 200}, 0, 240},
    {40, 0, {49, 35}, {93, 260}, 0, 320},
};

struct TopicStepLayout {
    bool Logo;            // the logo picture; otherwise the "NUMEROLOGY:" heading
    LayoutPoint Heading;  // the logo's position, or the heading's x
    LayoutPoint Menu;
};

constexpr TopicStepLayout TopicLayouts[8] = {
    {},
    {true, {9, 15}, {10, 108}},  {false, {40, 0}, {50, 32}}, {true, {9, 15}, {10, 108}},
    {false, {40, 0}, {50, 32}},  {false, {0, 0}, {10, 32}},  {false, {0, 0}, {10, 32}},
    {true, {40, 15}, {50, 108}},
};

// The two steps' layouts in the current display mode.
const DateStepLayout& DateLayout() { return InMode(DateLayouts); }
const TopicStepLayout& TopicLayout() { return InMode(TopicLayouts); }

LayoutRect NextRect() {
    const LayoutPoint next = DateLayout().Next;
    return {next.X, next.Y, next.X + 140, next.Y + 35};
}

// Topic row n of the menu: rows are 34 units apart, the first 30 high and
// the others 32, so the strips between them select nothing.
LayoutRect TopicRect(int n) {
    const LayoutPoint menu = TopicLayout().Menu;
    const int top = menu.Y + 34 * (n - 1);
    return {menu.X, top, menu.X + 220, top + (n == 1 ? 29 : 31)};
}

constexpr const char* DateBoxNames[4] = {"", "day", "month", "year"};

LayoutRect DateBoxRect(int x, int top, int box) { return {x + BoxLeft[box], top, x + BoxRight[box], top + 20}; }

// The page's background. Unlike the pickers', it also covers the bands
// above and below when a tall screen's shift outlived a turn to the
// 240-unit-high narrow layout.
void FillPage(DeviceContext* dc, int r, int g, int b) {
    if (!WideLayout() && ShortLayout() && LayoutShift.Y == 40) FillBox(dc, r, g, b, 0, -40, 240, 400);
    else FillLayoutArea(dc, r, g, b);
}

// The logo, and the page's heading over it.
void DrawLogo(DeviceContext* dc, LayoutPoint at, const wchar_t* heading) {
    DrawKeyedPicturePair(dc, PictureNumerologyLogo, 222, 90, at.X, at.Y, {255, 156, 254});
    DescribeHeadingAt(heading, at.X, at.Y, at.X + 222, at.Y + 90);
}

void DrawDateStep(DeviceContext* dc) {
    const DateStepLayout& layout = DateLayout();
    const int xs = layout.Xs, s = layout.S;
    DrawLogo(dc, layout.Logo, L"Birth date");
    wchar_t title[48];
    std::swprintf(title, 48, L"%ls, birth date", ControlName("section-4"));
    PlatformDescribeTitle(title);
    SetTextFont(L"Tahoma", 13, 700);
    const FontHandle previous = PlatformSelectFont(dc, CurrentFont());
    constexpr const wchar_t* prompt = L"Please input your birth date:";
    DrawTextBox(dc, prompt, 142, 4, 4, 0, 0, 0, layout.PromptLeft, 150 - s, layout.PromptRight, 170 - s, 1, 1);
    DescribeTextAt(prompt, layout.PromptLeft, 150 - s, layout.PromptRight, 170 - s);
    DrawRoundBox(dc, 255, 255, 255, 119, 119, 119, xs + 20, 170 - s, xs + 220, 220 - s, 5);
    DrawPicturePair(dc, PictureNumerologyNext, 140, 36, layout.Next.X, layout.Next.Y);
    DescribeTarget(NextRect(), RoleButton, ControlName("next"));
    DrawSmallBackIcon(dc);
    const BirthDateAnchors anchors = BirthDateLayout();
    DrawDateBoxes(dc, anchors.DateRow.X, anchors.DateRow.Y);
    PlatformSelectFont(dc, previous);
}

void DrawTopicStep(DeviceContext* dc) {
    const TopicStepLayout& layout = TopicLayout();
    wchar_t heading[48];
    std::swprintf(heading, 48, L"%ls: topics", ControlName("section-4"));
    PlatformDescribeTitle(ControlName("section-4"));
    if (layout.Logo) {
        DrawLogo(dc, layout.Heading, heading);
    } else {
        SetTextFont(L"Tahoma", 13, 700);
        const FontHandle previous = PlatformSelectFont(dc, CurrentFont());
        DrawTextBox(dc, L"NUMEROLOGY:", 142, 4, 4, 0, 0, 0, layout.Heading.X, 10,
                    layout.Heading.X + 240, 25, 1, 1);
        DescribeHeadingAt(heading, layout.Heading.X, 10, layout.Heading.X + 240, 25);
        PlatformSelectFont(dc, previous);
    }
    DrawPicturePair(dc, PictureNumerologyTopics, 220, 202, layout.Menu.X, layout.Menu.Y);
    for (int n = 1; n <= 6; ++n) {
        char key[16];
        std::snprintf(key, sizeof key, "numerology-%d", n);
        DescribeTarget(TopicRect(n), RoleButton, ControlName(key));
    }
    DrawSmallBackIcon(dc);
}

// The topic row under a tap, or 0.
int TopicAt(int x, int y) {
    for (int n = 1; n <= 6; ++n)
        if (Contains(TopicRect(n), x, y)) return n;
    return 0;
}

void DateStepTap(int x, int y) {
    if (Contains(NextRect(), x, y)) {
        ParseBirthDate();
        SubPage = SubPageTopicStep;
        ScreenReady = 0;
        RepaintAll();
    } else if (InCloseBox(x, y)) {
        SubPage = SubPageNone;
        BackToMainMenu();
    } else {
        const LayoutPoint row = BirthDateLayout().DateRow;
        if (const int box = DateBoxAt(row.X, row.Y, x, y)) SelectDateBox(box, row.X, row.Y);
    }
}

void TopicStepTap(int x, int y) {
    if (const int topic = TopicAt(x, y)) {
        ReportPage = topic;
        ReportSubpage = 1;
        OpenReport(KindNumerology);
    } else if (InCloseBox(x, y)) {
        SubPage = SubPageDateStep;
        ScreenReady = 0;
        RepaintAll();
    }
}

}  // namespace

BirthDateAnchors BirthDateLayout() {
    const DateStepLayout& date = DateLayout();
    return {{date.Xs, 186 - date.S}, date.Next, TopicLayout().Menu};
}

int ParseDatePart(const wchar_t* text) {
    const size_t length = std::wcslen(text);
    if (length == 4) {
        int value = 0;
        for (int i = 0; i < 4; ++i) {
            if (text[i] < L'0' || text[i] > L'9') return 0;
            value = value * 10 + (text[i] - L'0');
        }
        return value + 1;
    }
    if (length == 0 || length > 2) return 0;
    for (size_t i = 0; i < length; ++i)
        if (text[i] < L'0' || text[i] > L'9') return 0;
    const int value = length == 1 ? text[0] - L'0' : 10 * (text[0] - L'0') + (text[1] - L'0');
    // "00" is not among the day and month texts; "0" and "01" … "09" are.
    if (length == 2 && value == 0) return 0;
    return value <= 31 ? value : 0;
}

void DefaultBirthDate() {
    if (DayText[0]) return;
    std::wcscpy(DayText, L"24");
    std::wcscpy(MonthText, L"1");
    std::wcscpy(YearText, L"2010");
    EntryField = 1;
}

void ParseBirthDate() {
    DayIndex = ParseDatePart(DayText) - 1;
    MonthIndex = ParseDatePart(MonthText) - 1;
    BirthYear = ParseDatePart(YearText) - 1;
}

void DrawDateBoxes(DeviceContext* dc, int x, int top) {
    SetTextFont(L"Tahoma", 15, 700);
    const FontHandle previous = PlatformSelectFont(dc, CurrentFont());
    const wchar_t* texts[4] = {nullptr, DayText, MonthText, YearText};
    for (int box = 1; box <= 3; ++box)
        DrawTextBox(dc, texts[box], 0, 0, 0, 255, 255, 0, x + BoxLeft[box], top, x + BoxRight[box],
                    top + 20, 0, 0);
    if (EntryField >= 1 && EntryField <= 3)
        DrawTextBox(dc, texts[EntryField], 255, 255, 255, 0, 0, 255, x + BoxLeft[EntryField], top,
                    x + BoxRight[EntryField], top + 20, 0, 0);
    PlatformSelectFont(dc, previous);
    for (int box = 1; box <= 3; ++box)
        DescribeField(DateBoxRect(x, top, box), ControlName(DateBoxNames[box]), texts[box], Selected(box == EntryField));
}

int DateBoxAt(int x, int top, int tapX, int tapY) {
    for (int box = 1; box <= 3; ++box)
        if (Contains(DateBoxRect(x, top, box), tapX, tapY)) return box;
    return 0;
}

void SelectDateBox(int box, int x, int top) {
    constexpr const wchar_t* Captions[4] = {L"", L"Day", L"Month", L"Year"};
    if (EntryField == box) {
        OpenKeyboard(Captions[box]);
        return;
    }
    EntryField = box;
    RepaintRect(x + BoxLeft[1], top, x + BoxRight[3], top + 20);
}

void DrawBirthDatePage(DeviceContext* dc) {
    if (!HasLayout()) return;
    MarginX = LayoutMargin();
    FillPage(dc, 255, 153, 255);
    DefaultBirthDate();
    if (SubPage == SubPageTopicStep) DrawTopicStep(dc);
    else DrawDateStep(dc);
}

void BirthDateTap(int x, int y) {
    if (!HasLayout()) return;
    if (SubPage == SubPageTopicStep) TopicStepTap(x, y);
    else DateStepTap(x, y);
}
