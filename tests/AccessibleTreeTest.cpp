// The accessible objects the desktop window publishes on the accessibility
// bus, built from the real program's description on the headless device
// and read through ATK as the bus's bridge reads them.
#include "Harness.h"
#include "platform/atspi/Accessible.h"
#include "platform/atspi/AtkTree.h"
#include "platform/canvas/Description.h"

#include <string>
#include <vector>

// The window stands at (100, 50) on the desktop and shows the device
// screen at twice its size.
PixelRect DesktopWindowOnScreen() {
    return {100, 50, 100 + 2 * PlatformScreenWidth(), 50 + 2 * PlatformScreenHeight()};
}
PixelRect DesktopBoxOnScreen(const PixelRect& d) {
    return {100 + 2 * d.Left, 50 + 2 * d.Top, 100 + 2 * d.Right, 50 + 2 * d.Bottom};
}
void DesktopWake() {}

namespace {

std::vector<AtkObject*> Children(AtkObject* parent) {
    std::vector<AtkObject*> children;
    for (int i = 0; i < atk_object_get_n_accessible_children(parent); ++i) {
        AtkObject* child = atk_object_ref_accessible_child(parent, i);
        children.push_back(child);
        g_object_unref(child);  // the tree holds it
    }
    return children;
}

void AddAll(AtkObject* parent, std::vector<AtkObject*>* all) {
    for (AtkObject* child : Children(parent)) {
        all->push_back(child);
        AddAll(child, all);
    }
}

// Every object under the frame, a dialog's or group's after it.
std::vector<AtkObject*> All() {
    std::vector<AtkObject*> all;
    AddAll(AccessibleFrame(), &all);
    return all;
}

std::string Name(AtkObject* object) {
    const char* name = atk_object_get_name(object);
    return name ? name : "";
}

AtkObject* Find(AtkRole role, const std::string& prefix) {
    for (AtkObject* object : All())
        if (atk_object_get_role(object) == role && Name(object).rfind(prefix, 0) == 0) return object;
    return nullptr;
}

bool Has(AtkObject* object, AtkStateType state) {
    AtkStateSet* states = atk_object_ref_state_set(object);
    const bool has = atk_state_set_contains_state(states, state);
    g_object_unref(states);
    return has;
}

std::string Text(AtkObject* object) {
    char* text = atk_text_get_text(ATK_TEXT(object), 0, -1);
    std::string copy = text;
    g_free(text);
    return copy;
}

// Where the object lies on the desktop: x, y, width, height.
std::vector<int> Extents(AtkObject* object) {
    int x = 0, y = 0, w = 0, h = 0;
    atk_component_get_extents(ATK_COMPONENT(object), &x, &y, &w, &h, ATK_XY_SCREEN);
    return {x, y, w, h};
}

void Repaint() {
    PlatformInvalidateWindow();
    int code = 0;
    HeadlessRunPending(&code);
    SyncTree();
}

// A click through the object's action, and what the program makes of it.
bool Click(AtkObject* object) {
    if (!object || !atk_action_do_action(ATK_ACTION(object), 0)) return false;
    int code = 0;
    HeadlessRunPending(&code);
    SyncTree();
    return true;
}

struct AccessibleTree : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(StartProgram(240, 320));
        SetTreeFocus(-1);
        SyncTree();
    }
};

TEST_F(AccessibleTree, MainMenuReadsInOrderWhereItIsDrawn) {
    const std::vector<AtkObject*> children = Children(AccessibleFrame());
    std::vector<std::string> read;
    for (AtkObject* child : children) read.push_back(Name(child));
    EXPECT_EQ(read, (std::vector<std::string>{"Stellarion", "About", "Help", "Exit", "Matchmaker by Sign",
                                              "Horoscopes 2010", "Zodiac Signs", "Numerology", "Extras", ""}));
    EXPECT_EQ(atk_object_get_role(children.front()), ATK_ROLE_HEADING);
    // The heading lies where it is drawn, device 32, 205, 177 x 20; the
    // frame keeps the window's name where the screen names no place.
    EXPECT_EQ(Extents(children.front()), std::vector<int>({164, 460, 354, 40}));
    EXPECT_EQ(Name(AccessibleFrame()), "Stellarion");
    EXPECT_EQ(atk_object_get_role(children.back()), ATK_ROLE_NOTIFICATION);
    EXPECT_FALSE(Has(children.back(), ATK_STATE_SHOWING));
    EXPECT_EQ(atk_object_get_role(AccessibleRoot()), ATK_ROLE_APPLICATION);
    EXPECT_EQ(Name(AccessibleRoot()), "Stellarion");

    // Drawn at device 32, 258, 177 x 16: twice that, from the window's corner.
    AtkObject* zodiac = Find(ATK_ROLE_PUSH_BUTTON, "Zodiac Signs");
    ASSERT_NE(zodiac, nullptr);
    EXPECT_EQ(Extents(zodiac), std::vector<int>({164, 566, 354, 32}));
    int x = 0, y = 0, w = 0, h = 0;
    atk_component_get_extents(ATK_COMPONENT(zodiac), &x, &y, &w, &h, ATK_XY_WINDOW);
    EXPECT_EQ(std::vector<int>({x, y}), std::vector<int>({64, 516}));
    EXPECT_EQ(atk_action_get_n_actions(ATK_ACTION(zodiac)), 1);
    EXPECT_STREQ(atk_action_get_name(ATK_ACTION(zodiac), 0), "click");
}

TEST_F(AccessibleTree, ObjectsLastAcrossRepaintsAndLeaveWithTheirScreen) {
    AtkObject* zodiac = Find(ATK_ROLE_PUSH_BUTTON, "Zodiac Signs");
    ASSERT_NE(zodiac, nullptr);
    g_object_ref(zodiac);
    int added = 0, removed = 0;
    const auto count = +[](AtkObject*, guint, gpointer, gpointer counter) { ++*static_cast<int*>(counter); };
    const gulong onAdd = g_signal_connect(AccessibleFrame(), "children-changed::add", G_CALLBACK(count), &added);
    const gulong onRemove =
        g_signal_connect(AccessibleFrame(), "children-changed::remove", G_CALLBACK(count), &removed);

    RedrawAll = 1;
    PlatformInvalidateWindow();
    int code = 0;
    HeadlessRunPending(&code);
    // A click on a description the tree does not stand for yet is refused.
    EXPECT_FALSE(atk_action_do_action(ATK_ACTION(zodiac), 0));
    SyncTree();
    EXPECT_EQ(Find(ATK_ROLE_PUSH_BUTTON, "Zodiac Signs"), zodiac);
    EXPECT_EQ(added + removed, 0);

    ASSERT_TRUE(Click(zodiac));
    EXPECT_TRUE(Has(zodiac, ATK_STATE_DEFUNCT));
    EXPECT_EQ(Find(ATK_ROLE_PUSH_BUTTON, "Zodiac Signs"), nullptr);
    int signs = 0;
    for (AtkObject* object : All()) signs += atk_object_get_role(object) == ATK_ROLE_RADIO_BUTTON;
    EXPECT_EQ(signs, 12);
    EXPECT_NE(Find(ATK_ROLE_RADIO_BUTTON, "Aries, March 21"), nullptr);
    EXPECT_GT(added, 12);
    EXPECT_GT(removed, 8);
    // The new screen's heading takes the focus, so that a reader reads it.
    ASSERT_NE(FocusedObject(), nullptr);
    EXPECT_EQ(atk_object_get_role(FocusedObject()), ATK_ROLE_HEADING);
    EXPECT_TRUE(Has(FocusedObject(), ATK_STATE_FOCUSED));

    g_signal_handler_disconnect(AccessibleFrame(), onAdd);
    g_signal_handler_disconnect(AccessibleFrame(), onRemove);
    g_object_unref(zodiac);
}

TEST_F(AccessibleTree, GroupsOfSignsAndTheirChoice) {
    // The compatibility picker: two panels named by their labels, each
    // holding its twelve signs as radio buttons, the chosen one checked.
    ASSERT_TRUE(Click(Find(ATK_ROLE_PUSH_BUTTON, "Matchmaker by Sign")));
    for (const char* label : {"I am", "My lover is"}) {
        AtkObject* group = Find(ATK_ROLE_PANEL, label);
        ASSERT_NE(group, nullptr) << label;
        EXPECT_EQ(Name(group), label);
        const std::vector<AtkObject*> radios = Children(group);
        ASSERT_EQ(radios.size(), 12u) << label;
        int checked = 0;
        for (AtkObject* radio : radios) {
            EXPECT_EQ(atk_object_get_role(radio), ATK_ROLE_RADIO_BUTTON);
            EXPECT_TRUE(Has(radio, ATK_STATE_CHECKABLE));
            checked += Has(radio, ATK_STATE_CHECKED);
        }
        EXPECT_EQ(checked, 1) << label;
        // Each radio is a member of its group, with the other eleven.
        AtkRelationSet* relations = atk_object_ref_relation_set(radios[5]);
        AtkRelation* members = atk_relation_set_get_relation_by_type(relations, ATK_RELATION_MEMBER_OF);
        ASSERT_NE(members, nullptr);
        EXPECT_EQ(atk_relation_get_target(members)->len, 12u);
        EXPECT_EQ(g_ptr_array_index(atk_relation_get_target(members), 0), radios.front());
        g_object_unref(relations);
        EXPECT_EQ(Name(radios.front()), "Aries, March 21 to April 19");
    }
    EXPECT_EQ(Name(AccessibleFrame()), "Matchmaker by Sign - Stellarion");

    // Choosing Leo in the lover's group: the same radio becomes checked and
    // the choice is announced; the screen is the same, the focus stays.
    AtkObject* leo = Children(Find(ATK_ROLE_PANEL, "My lover is"))[1];
    AtkObject* focused = FocusedObject();
    ASSERT_TRUE(Click(leo));
    EXPECT_TRUE(Has(leo, ATK_STATE_CHECKED));
    EXPECT_FALSE(Has(leo, ATK_STATE_DEFUNCT));
    EXPECT_EQ(FocusedObject(), focused);
    EXPECT_EQ(Name(AnnouncementObject()), "I am Aries, my lover is Leo");
}

TEST_F(AccessibleTree, FieldsDialogsAndAlerts) {
    // The birth date: its instruction read before the Day, Month and Year
    // entries, each holding its value, clicked as a tap.
    ShowBirthDate(5);
    Repaint();
    EXPECT_EQ(Name(AccessibleFrame()), "Numerology, birth date - Stellarion");
    std::vector<std::string> read;
    for (AtkObject* child : Children(AccessibleFrame()))
        if (atk_object_get_role(child) != ATK_ROLE_NOTIFICATION)
            read.push_back(atk_object_get_role(child) == ATK_ROLE_PARAGRAPH ? Text(child) : Name(child));
    EXPECT_EQ(read, (std::vector<std::string>{"Birth date", "Back", "Please input your birth date:", "Day", "Month",
                                              "Year", "Next"}));
    AtkObject* day = Find(ATK_ROLE_ENTRY, "Day");
    AtkObject* month = Find(ATK_ROLE_ENTRY, "Month");
    ASSERT_NE(day, nullptr);
    ASSERT_NE(month, nullptr);
    EXPECT_EQ(Text(day), "24");
    EXPECT_EQ(Text(month), "1");
    EXPECT_EQ(Text(Find(ATK_ROLE_ENTRY, "Year")), "2010");
    EXPECT_TRUE(Has(day, ATK_STATE_SELECTED));
    EXPECT_FALSE(Has(month, ATK_STATE_SELECTED));
    EXPECT_STREQ(atk_action_get_name(ATK_ACTION(month), 0), "click");
    ASSERT_TRUE(Click(month));
    EXPECT_TRUE(Has(month, ATK_STATE_SELECTED));
    EXPECT_FALSE(Has(day, ATK_STATE_SELECTED));

    // A second click opens the month's keyboard, a dialog whose entry
    // follows the keys; what they change is announced.
    ASSERT_TRUE(Click(month));
    AtkObject* panel = Find(ATK_ROLE_DIALOG, "Month: keyboard");
    ASSERT_NE(panel, nullptr);
    AtkObject* typed = nullptr;
    for (AtkObject* object : Children(panel))
        if (atk_object_get_role(object) == ATK_ROLE_ENTRY) typed = object;
    ASSERT_NE(typed, nullptr);
    EXPECT_EQ(Text(typed), "1");
    ASSERT_TRUE(Click(Find(ATK_ROLE_PUSH_BUTTON, "Backspace")));
    EXPECT_EQ(Text(typed), "");
    EXPECT_EQ(Name(AnnouncementObject()), "Month: empty");
    ASSERT_TRUE(Click(Find(ATK_ROLE_PUSH_BUTTON, "Digits and symbols")));
    EXPECT_EQ(Name(AnnouncementObject()), "Digits and symbols");
    ASSERT_TRUE(Click(Find(ATK_ROLE_PUSH_BUTTON, "7")));
    EXPECT_EQ(Text(typed), "7");
    EXPECT_EQ(Name(AnnouncementObject()), "Month: 7");
    EXPECT_FALSE(Has(typed, ATK_STATE_DEFUNCT));

    // A message over the page: the page under it takes no taps.
    InputPanel = 0;
    ShowBirthDate(5);
    Repaint();
    AtkObject* next = Find(ATK_ROLE_PUSH_BUTTON, "Next");
    ASSERT_NE(next, nullptr);
    EXPECT_TRUE(Has(next, ATK_STATE_SENSITIVE));
    ShowMessagePanel(L"Write from 1 to 31.");
    int code = 0;
    PlatformInvalidateWindow();
    HeadlessRunPending(&code);
    SyncTree();
    AtkObject* alert = Find(ATK_ROLE_ALERT, "Write from 1 to 31.");
    ASSERT_NE(alert, nullptr);
    EXPECT_FALSE(Has(next, ATK_STATE_SENSITIVE));
    EXPECT_FALSE(atk_action_do_action(ATK_ACTION(next), 0));
    ASSERT_NE(FocusedObject(), nullptr);
    EXPECT_EQ(atk_object_get_parent(FocusedObject()), alert);
}

TEST_F(AccessibleTree, HelpIsADialogDescribedByItsHintAndTheKeyboardsShiftAToggle) {
    ASSERT_TRUE(Click(Find(ATK_ROLE_PUSH_BUTTON, "Help")));
    AtkObject* help = Find(ATK_ROLE_DIALOG, "Help");
    ASSERT_NE(help, nullptr);
    g_object_ref(help);
    const char* description = atk_object_get_description(help);
    ASSERT_NE(description, nullptr);
    EXPECT_NE(std::string(description).find("Escape"), std::string::npos) << description;
    // The hint is the dialog's description, not one of its objects.
    for (AtkObject* object : Children(help)) EXPECT_NE(Name(object), description);
    ASSERT_TRUE(Click(Find(ATK_ROLE_PUSH_BUTTON, "Close")));
    EXPECT_EQ(Find(ATK_ROLE_DIALOG, ""), nullptr);
    EXPECT_TRUE(Has(help, ATK_STATE_DEFUNCT));
    g_object_unref(help);

    // The keyboard's Shift is a toggle; Shift pressed checks it and the
    // same object stays, its letters renamed.
    ShowKeyboard(L"Day", 0);
    Repaint();
    AtkObject* shift = nullptr;
    for (AtkObject* object : All())
        if (atk_object_get_role(object) == ATK_ROLE_TOGGLE_BUTTON) shift = object;
    ASSERT_NE(shift, nullptr);
    EXPECT_NE(Find(ATK_ROLE_DIALOG, ""), nullptr);
    const bool before = Has(shift, ATK_STATE_CHECKED);
    ASSERT_TRUE(Click(shift));
    EXPECT_NE(Has(shift, ATK_STATE_CHECKED), before);
    EXPECT_FALSE(Has(shift, ATK_STATE_DEFUNCT));
}

TEST_F(AccessibleTree, FocusFollowsTheRingAndAPageTurnIsAnnounced) {
    PairMySign = PairLoverSign = 1;
    ShowReport(KindCompatibility, 1, 1);
    PlatformInvalidateWindow();
    int code = 0;
    HeadlessRunPending(&code);
    SyncTree();
    // The heading names the signs, the part and the page, where the header
    // draws it; the frame names the place.
    AtkObject* heading = Children(AccessibleFrame()).front();
    EXPECT_EQ(Name(heading), "Aries and Aries: Relationship, page 1 of 4");
    EXPECT_EQ(Extents(heading), std::vector<int>({116, 58, 264, 56}));
    EXPECT_EQ(Name(AccessibleFrame()), "Aries and Aries, Relationship - Stellarion");
    // The rating, drawn above the reading, is read before it.
    std::vector<std::string> texts;
    for (AtkObject* child : Children(AccessibleFrame()))
        if (atk_object_get_role(child) == ATK_ROLE_PARAGRAPH) texts.push_back(Text(child));
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[0], "Relationship: 8 out of 10");
    EXPECT_EQ(texts[1], "I am Aries, My Lover is Aries");

    // The reading's paragraphs are text objects holding its words.
    AtkObject* paragraph = Find(ATK_ROLE_PARAGRAPH, "");
    ASSERT_NE(paragraph, nullptr);
    const std::string words = Text(paragraph);
    EXPECT_FALSE(words.empty());
    EXPECT_EQ(atk_text_get_character_count(ATK_TEXT(paragraph)), g_utf8_strlen(words.c_str(), -1));
    char* slice = atk_text_get_text(ATK_TEXT(paragraph), 2, 6);
    EXPECT_EQ(std::string(slice), words.substr(2, 4));
    g_free(slice);

    // The ring on Next page, as the window's Tab puts it there.
    const int next = TargetWithRole(RoleNext);
    ASSERT_GE(next, 0);
    const PixelRect box = DescriptionAt(next).Box;
    SetTreeFocus(next);
    SyncTree();
    AtkObject* focused = FocusedObject();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(Name(focused), "Next page");

    // The page turns under it; the window finds the same control again.
    ASSERT_TRUE(atk_action_do_action(ATK_ACTION(focused), 0));
    HeadlessRunPending(&code);
    SetTreeFocus(FindTarget(box));
    SyncTree();
    EXPECT_EQ(FocusedObject(), focused);
    EXPECT_TRUE(Has(AnnouncementObject(), ATK_STATE_SHOWING));
    EXPECT_EQ(Name(AnnouncementObject()), "Sex, page 2 of 4: 7 out of 10");
    EXPECT_EQ(Name(Children(AccessibleFrame()).front()), "Aries and Aries: Sex, page 2 of 4");

    // The same repaint again says nothing new.
    atk_object_set_name(AnnouncementObject(), "");
    RedrawAll = 1;
    Repaint();
    EXPECT_EQ(Name(AnnouncementObject()), "");
}

}  // namespace
