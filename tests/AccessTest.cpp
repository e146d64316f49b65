// The description each paint publishes beside its pixels, checked on every
// screen size by a user who knows the screens only through it: each walk
// reaches the screens by the described names alone, and on every screen
// every target is named, lies on the screen and, tapped at its centre, does
// what its role says.
#include "Harness.h"
#include "TestSupport.h"
#include "platform/canvas/Description.h"
#include "platform/canvas/DrawnTexts.h"
#include "readings/Profile.h"
#include "resources/Catalogue.h"

#include <cwchar>

namespace {

std::vector<int> ActiveTargets() {
    std::vector<int> targets;
    for (int i = 0; i < DescriptionCount(); ++i)
        if (DescriptionAt(i).Kind == ItemTarget && DescriptionAt(i).Layer == ActiveLayer()) targets.push_back(i);
    return targets;
}

std::string Utf8(const wchar_t* text) {
    std::string out;
    for (; *text; ++text) out += *text < 0x80 ? static_cast<char>(*text) : '?';
    return out;
}

// The active target whose name starts with `prefix`, or -1.
int Find(const std::wstring& prefix) {
    for (const int i : ActiveTargets())
        if (std::wstring(DescriptionAt(i).Text).rfind(prefix, 0) == 0) return i;
    return -1;
}

bool TapTarget(int index, int* exitCode = nullptr) {
    int x = 0, y = 0;
    TargetCentre(index, &x, &y);
    return Tap(x, y, exitCode);
}

// Taps the named control; false when there is none.
bool Activate(const std::wstring& prefix) {
    const int index = Find(prefix);
    EXPECT_GE(index, 0) << "no control named " << Utf8(prefix.c_str());
    return index >= 0 && TapTarget(index);
}

// What a tap can change, as a user would notice it.
struct Observed {
    int Base, Sub, Popup, Panel, Kind, Page, Subpage, Scroll, Entry, My, Lover, Sign, ReadAll, KeyPage;
    bool Shift, Selected;
    std::wstring Edit;
    bool operator==(const Observed&) const = default;
};

Observed Observe() {
    return {BaseScreen, SubPage, PopupScreen, InputPanel, ResultKind, ReportPage, ReportSubpage, ScrollOffset,
            EntryField, MySignChoice, LoverSignChoice, SignIndex, ProfileReadAll, KeyboardPage, ShiftOn,
            EditSelected, EditText};
}

bool ScreenChanged(const Observed& a, const Observed& b) {
    return a.Base != b.Base || a.Sub != b.Sub || a.Popup != b.Popup || a.Panel != b.Panel;
}

// The target probed in a child process, and the child's verdict: 0 when the
// tap did what the role says.
int Probed = -1;

int ProbeTarget() {
    const DescribedItem target = DescriptionAt(Probed);
    const Observed before = Observe();
    if (target.Role == RoleScrollUp) {
        // Up acts once the view has moved down.
        const int down = TargetWithRole(RoleScrollDown);
        if (down < 0 || !TapTarget(down) || ScrollOffset != before.Scroll + 1) return 3;
        const int up = FindTarget(target.Box);
        return up >= 0 && TapTarget(up) && ScrollOffset == before.Scroll ? 0 : 1;
    }
    int exitCode = -1;
    if (!TapTarget(Probed, &exitCode)) return exitCode == 0 && target.Role == RoleButton ? 0 : 4;
    const Observed after = Observe();
    switch (target.Role) {
    case RoleBack:
    case RoleClose: return ScreenChanged(before, after) ? 0 : 1;
    case RolePrevious:
        return after.Page == before.Page - 1 || after.Subpage == before.Subpage - 1 ? 0 : 1;
    case RoleNext: return after.Page == before.Page + 1 || after.Subpage == before.Subpage + 1 ? 0 : 1;
    case RoleScrollDown: return after.Scroll == before.Scroll + 1 ? 0 : 1;
    case RoleChoice: {
        // Either the choice is now the selected one, or it led on.
        if (ScreenChanged(before, after)) return 0;
        const int same = FindTarget(target.Box);
        if (same < 0) return after.Entry != before.Entry ? 0 : 2;
        return DescriptionAt(same).State == StateOn ? 0 : 2;
    }
    default: return after == before ? 1 : 0;
    }
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// The kind of the active layer's items, the count of those of that kind.
int CountOf(int kind) {
    int count = 0;
    for (int i = 0; i < DescriptionCount(); ++i)
        count += DescriptionAt(i).Kind == kind && DescriptionAt(i).Layer == ActiveLayer();
    return count;
}

// The screen's words where they are drawn: every heading, text and alert
// has a box on the screen, and each drawn line of some length lies in the
// box of the item that says it, so that a finger on the words finds them.
// A screen is named: a heading (an alert on a message panel), its key and,
// but for the main menu, a title.
void CheckWords(const std::string& where) {
    const PixelRect screen{0, 0, PlatformScreenWidth(), PlatformScreenHeight()};
    std::vector<int> words;
    for (int i = 0; i < DescriptionCount(); ++i) {
        const DescribedItem& item = DescriptionAt(i);
        if (item.Layer != ActiveLayer() || item.Kind < ItemHeading || item.Kind > ItemAlert) continue;
        words.push_back(i);
        const PixelRect& b = item.Box;
        EXPECT_TRUE(b.Left < b.Right && b.Top < b.Bottom && b.Left >= 0 && b.Top >= 0 && b.Right <= screen.Right &&
                    b.Bottom <= screen.Bottom)
            << where << ": \"" << Utf8(item.Text) << "\" has no place on the screen";
    }
    for (int d = 0; d < DrawnTextCount(); ++d) {
        std::wstring line = DrawnTextAt(d).Text;
        while (!line.empty() && line.back() == L' ') line.pop_back();
        if (line.size() < 16 || line.find(L'\r') != std::wstring::npos) continue;
        for (const int i : words) {
            if (std::wstring(DescriptionAt(i).Text).find(line) == std::wstring::npos) continue;
            EXPECT_TRUE(Overlap(DescriptionAt(i).Box, DrawnTextAt(d).Box))
                << where << ": \"" << Utf8(line.c_str()) << "\" is drawn outside its item's box";
            break;
        }
    }
    EXPECT_GE(CountOf(ItemHeading) + CountOf(ItemAlert), 1) << where << ": no heading";
    EXPECT_EQ(CountOf(ItemScreen), 1) << where;
    if (BaseScreen != ScreenMainMenu || ActiveLayer() != LayerPage) {
        EXPECT_TRUE(DescribedTitle() && *DescribedTitle()) << where << ": no title";
    }
}

// Every target of the screen on show: named, on the screen, answering.
void CheckScreen(const std::string& where) {
    CheckWords(where);
    const std::vector<int> targets = ActiveTargets();
    EXPECT_FALSE(targets.empty()) << where;
    for (const int i : targets) {
        const DescribedItem& target = DescriptionAt(i);
        const std::string name = Utf8(target.Text);
        EXPECT_NE(name, "") << where;
        EXPECT_TRUE(target.Box.Left >= 0 && target.Box.Top >= 0 && target.Box.Right <= PlatformScreenWidth() &&
                    target.Box.Bottom <= PlatformScreenHeight() && target.Box.Left < target.Box.Right &&
                    target.Box.Top < target.Box.Bottom)
            << where << ": " << name;
        Probed = i;
        EXPECT_EQ(RunInChild(ProbeTarget), 0) << where << ": a tap on \"" << name << "\" (role " << target.Role
                                              << ") does not do what it says";
    }
}

// A reading as paragraphs: no carriage returns, no blank lines, no blanks
// at paragraph ends.
std::wstring Paragraphs(const std::wstring& text) {
    std::wstring out, line;
    const auto flush = [&] {
        while (!line.empty() && line.back() == L' ') line.pop_back();
        if (!line.empty()) out += (out.empty() ? L"" : L"\n") + line;
        line.clear();
    };
    for (const wchar_t c : text) {
        if (c == L'\r') continue;
        if (c == L'\n') flush();
        else line += c;
    }
    flush();
    return out;
}

std::wstring PublishedTexts() {
    std::wstring out;
    for (int i = 0; i < DescriptionCount(); ++i)
        if (DescriptionAt(i).Kind == ItemText && DescriptionAt(i).Layer == ActiveLayer())
            out += std::wstring(L"\n") + DescriptionAt(i).Text;
    return out + L"\n";
}

void ExpectReading(const wchar_t* shown, const std::string& where) {
    const std::wstring expected = Paragraphs(shown);
    ASSERT_FALSE(expected.empty()) << where;
    EXPECT_NE(PublishedTexts().find(L"\n" + expected + L"\n"), std::wstring::npos)
        << where << ": the published reading is not the one shown";
}

class Access : public testing::TestWithParam<std::pair<int, int>> {
protected:
    void SetUp() override {
        const auto [w, h] = GetParam();
        size_ = std::to_string(w) + "x" + std::to_string(h);
        KeepDrawnTexts(true);
        ASSERT_TRUE(StartProgram(w, h));
    }
    void TearDown() override { KeepDrawnTexts(false); }
    std::string At(const std::string& screen) const { return size_ + " " + screen; }
    // Activates the named control, then checks the screen it leads to.
    void Open(const std::wstring& name, const std::string& screen) {
        ASSERT_TRUE(Activate(name)) << At(screen);
        CheckScreen(At(screen));
    }
    std::string size_;
};

TEST_P(Access, MainMenuAndPopups) {
    CheckScreen(At("main menu"));
    Open(L"About", "About");
    ASSERT_TRUE(Activate(L"Close"));
    ASSERT_TRUE(Activate(L"Help"));
    EXPECT_NE(PublishedTexts().find(L"HOW TO USE IT:"), std::wstring::npos);
    CheckScreen(At("Help"));
}

TEST_P(Access, CompatibilityReport) {
    Open(L"Matchmaker by Sign", "compatibility picker");
    ASSERT_TRUE(Activate(L"Leo,"));  // the first grid is "I am"
    ASSERT_TRUE(Activate(L"Match"));
    for (int page = 1; page <= 4; ++page) {
        const std::string where = At("compatibility page " + std::to_string(page));
        ExpectReading(CatalogueText(("compatibility/leo-aries-" + std::to_string(page)).c_str()), where);
        CheckScreen(where);
        if (page < 4) {
            ASSERT_TRUE(Activate(L"Next page"));
        }
    }
    EXPECT_NE(PublishedTexts().find(L"Relationship: " + std::to_wstring(FirstRating) + L" out of 10"),
              std::wstring::npos);
}

TEST_P(Access, AbandonQuestion) {
    ASSERT_TRUE(Activate(L"Matchmaker by Sign"));
    ASSERT_TRUE(Activate(L"Match"));
    ASSERT_TRUE(Activate(L"Back"));
    ASSERT_EQ(ActiveLayer(), LayerPanel);
    CheckScreen(At("abandon question"));
}

TEST_P(Access, ForecastAndProfile) {
    Open(L"Horoscopes 2010", "forecast picker");
    Open(L"Leo,", "forecast page 1");
    ASSERT_TRUE(Activate(L"Back"));
    ASSERT_TRUE(Activate(L"yes"));  // leaving before the outcome asks first
    ASSERT_TRUE(Activate(L"Back"));
    Open(L"Zodiac Signs", "profile signs");
    Open(L"Pisces,", "profile topics");
    ASSERT_TRUE(Activate(L"Show Everything!"));
    for (int page = 1; page <= 10; ++page) {
        const std::string where = At("profile page " + std::to_string(page));
        if (page != 5) ExpectReading(ProfileText(page), where);  // page 5 has a lead-in
        CheckScreen(where);
        if (page < 10) {
            ASSERT_TRUE(Activate(L"Next page"));
        }
    }
}

TEST_P(Access, BirthDateKeyboardAndNumerology) {
    Open(L"Numerology", "birth date");
    Open(L"Day", "keyboard letters");  // selected already: the keyboard opens
    Open(L"Digits and symbols", "keyboard digits");
    ASSERT_TRUE(Activate(L"9"));
    Open(L"Return", "refused entry");  // "249" is no day
    ASSERT_TRUE(Activate(L"ok"));
    Open(L"Next", "numerology topics");
    Open(L"Challenge Numbers", "challenges page 1");
    Open(L"Next page", "challenges page 2");
}

TEST_P(Access, Extras) {
    Open(L"Extras", "extras");
    Open(L"Find your Chinese Sign.", "Chinese sign");
}

// The keyboard's way round a screen, as the desktop window moves its ring.
TEST(KeyboardFocus, MovesInReadingOrderAndWithinGrids) {
    ASSERT_TRUE(StartProgram(480, 640));
    EXPECT_EQ(EscapeTarget(), -1) << "the main menu's exit is never Escape's";
    int focus = -1;
    std::vector<std::wstring> order;
    for (int i = 0; i < 4; ++i) order.push_back(DescriptionAt(focus = FocusStep(focus, +1)).Text);
    EXPECT_EQ(order, (std::vector<std::wstring>{L"About", L"Help", L"Exit", L"Matchmaker by Sign"}));
    EXPECT_STREQ(DescriptionAt(FocusStep(FocusStep(-1, +1), -1)).Text, L"Extras") << "Shift+Tab wraps round";
    ASSERT_TRUE(TapTarget(focus));
    ASSERT_EQ(BaseScreen, ScreenCompatibilityPicker);
    const int aries = Find(L"Aries,");
    EXPECT_STREQ(DescriptionAt(FocusToward(aries, 1, 0)).Text, L"Leo, July 23 to August 22");
    EXPECT_STREQ(DescriptionAt(FocusToward(aries, 0, 1)).Text, L"Gemini, May 21 to June 21");
    EXPECT_EQ(FocusToward(aries, -1, 0), aries) << "nothing left of the first column";
    EXPECT_EQ(FocusToward(Find(L"Match"), 1, 0), Find(L"Match")) << "a plain button is no grid";
    ASSERT_GE(EscapeTarget(), 0);
    EXPECT_TRUE(TapTarget(EscapeTarget()));
    EXPECT_EQ(BaseScreen, ScreenMainMenu);
}

// A finger that lands a little beside a target reaches it; one inside a
// target, or far from all, lands where it is; between two, the nearer wins.
TEST(Touch, ForgivesANearMissOnly) {
    ASSERT_TRUE(StartProgram(480, 640));
    const int forecast = Find(L"Horoscopes 2010");
    ASSERT_GE(forecast, 0);
    const PixelRect row = DescriptionAt(forecast).Box;
    const int middle = (row.Top + row.Bottom) / 2;
    int x = row.Left - 8, y = middle;
    EXPECT_TRUE(ForgiveTouch(12, &x, &y));
    EXPECT_EQ(x, row.Left);
    EXPECT_EQ(y, middle);
    x = row.Left - 8, y = middle;
    EXPECT_FALSE(ForgiveTouch(6, &x, &y)) << "beyond the reach";
    x = row.Left + 3, y = row.Top;
    EXPECT_FALSE(ForgiveTouch(12, &x, &y)) << "inside a target";
    EXPECT_EQ(x, row.Left + 3);
    // Between this row and the next below, the nearer row's edge.
    PixelRect next{0, 1 << 20, 0, 0};
    for (const int i : ActiveTargets()) {
        const PixelRect& box = DescriptionAt(i).Box;
        if (box.Top >= row.Bottom && box.Top < next.Top && box.Left <= row.Left + 3 && row.Left + 3 < box.Right) next = box;
    }
    ASSERT_LT(next.Top, 1 << 20) << "a row below";
    if (next.Top > row.Bottom + 1) {
        x = row.Left + 3, y = next.Top - 1;
        EXPECT_TRUE(ForgiveTouch(12, &x, &y));
        EXPECT_EQ(y, next.Top);
    }
    // A press forgiven carries its release with it: the tap opens the picker.
    x = row.Left - 8, y = middle;
    PointerPressed(12, &x, &y);
    int releaseX = row.Left - 8, releaseY = middle;
    PointerFollows(&releaseX, &releaseY);
    EXPECT_EQ(releaseX, x);
    ASSERT_TRUE(Tap(x, y));
    EXPECT_EQ(BaseScreen, ScreenForecastPicker);
}

TEST(KeyboardFocus, PageKeysScrollAReadingAndAPopup) {
    ASSERT_TRUE(StartProgram(240, 320));
    const auto key = [](int code) { return Send(MessageKeyDown, code) && Send(MessageKeyUp, code); };
    ASSERT_TRUE(key(KeyCodePageDown));
    EXPECT_EQ(BaseScreen, ScreenMainMenu) << "no text on the menu to scroll";
    ASSERT_TRUE(Activate(L"Help"));
    ASSERT_TRUE(key(KeyCodeEnd));
    EXPECT_GT(ScrollOffset, 0);
    EXPECT_EQ(ScrollOffset, MaxScrollOffset);
    ASSERT_TRUE(key(KeyCodeHome));
    EXPECT_EQ(ScrollOffset, 0);
    ASSERT_TRUE(Activate(L"Close"));
    EXPECT_EQ(ActiveLayer(), LayerPage) << "a closed popup leaves no description behind";
    ASSERT_TRUE(Activate(L"Matchmaker by Sign"));
    ASSERT_TRUE(Activate(L"Aquarius,"));
    ASSERT_TRUE(Activate(L"Match"));
    ASSERT_GT(MaxScrollOffset, 8);
    ASSERT_TRUE(key(KeyCodePageDown));
    EXPECT_EQ(ScrollOffset, 8) << "a page is the view's eight rows";
    ASSERT_TRUE(key(KeyCodePageUp));
    EXPECT_EQ(ScrollOffset, 0);
    ASSERT_TRUE(key(KeyCodePageUp));
    EXPECT_EQ(ScrollOffset, 0) << "a page up at the top stays there";
}

INSTANTIATE_TEST_SUITE_P(EveryScreen, Access,
                         testing::Values(std::pair{240, 320}, std::pair{320, 240}, std::pair{480, 640},
                                         std::pair{640, 480}, std::pair{240, 240}, std::pair{480, 480},
                                         std::pair{320, 320}, std::pair{240, 400}, std::pair{800, 480}),
                         [](const auto& info) {
                             return std::to_string(info.param.first) + "x" + std::to_string(info.param.second);
                         });

}  // namespace

namespace {

// The active layer's first item of the kind, or "".
std::wstring FirstOf(int kind) {
    for (int i = 0; i < DescriptionCount(); ++i)
        if (DescriptionAt(i).Kind == kind && DescriptionAt(i).Layer == ActiveLayer()) return DescriptionAt(i).Text;
    return L"";
}

// The active layer's headings, texts and targets as a reader meets them.
std::vector<std::wstring> ReadingOrder() {
    int order[256];
    const int count = ItemsInReadingOrder(ActiveLayer(), order, 256);
    std::vector<std::wstring> texts;
    for (int i = 0; i < count; ++i) texts.push_back(DescriptionAt(order[i]).Text);
    return texts;
}

size_t Position(const std::vector<std::wstring>& texts, const std::wstring& prefix) {
    for (size_t i = 0; i < texts.size(); ++i)
        if (texts[i].rfind(prefix, 0) == 0) return i;
    return texts.size();
}

}  // namespace

// Each screen names the place and the page; the title follows it, and a page
// turn says what the reader now sees. Reading order is the drawing order.
TEST(Places, HeadingsTitlesAndWhatAPageTurnSays) {
    ASSERT_TRUE(StartProgram(240, 320));
    EXPECT_EQ(FirstOf(ItemHeading), L"Stellarion");
    ASSERT_TRUE(Activate(L"Matchmaker by Sign"));
    ASSERT_TRUE(Activate(L"Leo,"));
    const int pisces = [] {
        int last = -1;
        for (const int i : ActiveTargets())
            if (std::wstring(DescriptionAt(i).Text).rfind(L"Pisces,", 0) == 0) last = i;
        return last;  // the second grid's
    }();
    ASSERT_TRUE(TapTarget(pisces));
    EXPECT_EQ(FirstOf(ItemStatus), L"I am Leo, my lover is Pisces");
    const std::vector<std::wstring> picker = ReadingOrder();
    EXPECT_LT(Position(picker, L"I am:"), Position(picker, L"Aries,"));
    ASSERT_TRUE(Activate(L"Match"));
    ASSERT_TRUE(Activate(L"Next page"));
    EXPECT_EQ(FirstOf(ItemHeading), L"Leo and Pisces: Sex, page 2 of 4");
    EXPECT_STREQ(DescribedTitle(), L"Leo and Pisces, Sex");
    EXPECT_EQ(FirstOf(ItemStatus), L"Sex, page 2 of 4: " + std::to_wstring(SecondRating) + L" out of 10");
    const std::vector<std::wstring> report = ReadingOrder();
    EXPECT_EQ(Position(report, L"Leo and Pisces:"), 0u);
    const std::wstring reading = CatalogueText("compatibility/leo-pisces-2");
    const size_t text = Position(report, reading.substr(0, reading.find(L'\n')));
    ASSERT_LT(text, report.size());
    EXPECT_LT(Position(report, L"Sex: "), text) << "the rating, drawn above the reading, is read before it";

    ASSERT_TRUE(StartProgram(240, 320));
    ASSERT_TRUE(Activate(L"Horoscopes 2010"));
    ASSERT_TRUE(Activate(L"Virgo,"));
    EXPECT_EQ(FirstOf(ItemHeading), L"Virgo: forecast 2010, Life, page 1 of 5");
    EXPECT_STREQ(DescribedTitle(), L"Virgo, forecast 2010, Life");

    ASSERT_TRUE(StartProgram(480, 640));
    ASSERT_TRUE(Activate(L"Zodiac Signs"));
    ASSERT_TRUE(Activate(L"Scorpio,"));
    const std::wstring list = FirstOf(ItemHeading), listTitle = DescribedTitle();
    EXPECT_EQ(list, L"Scorpio: topics");
    for (const wchar_t* topic : {L"Famous Persons", L"General Information"}) {
        ASSERT_TRUE(Activate(topic));
        EXPECT_EQ(FirstOf(ItemHeading), std::wstring(L"Scorpio: ") + topic);
        EXPECT_NE(std::wstring(DescribedTitle()), listTitle);
        ASSERT_TRUE(Activate(L"Back"));
        EXPECT_EQ(FirstOf(ItemHeading), list);
    }

    ASSERT_TRUE(StartProgram(240, 320));
    ASSERT_TRUE(Activate(L"Numerology"));
    const std::vector<std::wstring> date = ReadingOrder();
    EXPECT_EQ(date.front(), L"Birth date");
    EXPECT_LT(Position(date, L"Please input your birth date:"), Position(date, L"Day"));
    const int day = Find(L"Day");
    ASSERT_GE(day, 0);
    EXPECT_EQ(DescriptionAt(day).Role, RoleField);
    EXPECT_STREQ(DescriptionAt(day).Value, L"24");
    ASSERT_TRUE(StartProgram(240, 320));
    ASSERT_TRUE(Activate(L"Extras"));
    ASSERT_TRUE(Activate(L"What tree"));
    EXPECT_EQ(FirstOf(ItemHeading), L"Extras: your tree");
    ASSERT_TRUE(Activate(L"Close"));
    EXPECT_GE(Find(L"Back"), 0) << "the house icon is Back";
}
