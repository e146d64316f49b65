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

// Every object under the frame, dialogs' children after their dialog.
std::vector<AtkObject*> All() {
    std::vector<AtkObject*> all;
    for (AtkObject* child : Children(AccessibleFrame())) {
        all.push_back(child);
        for (AtkObject* inner : Children(child)) all.push_back(inner);
    }
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
    EXPECT_EQ(atk_object_get_role(children.back()), ATK_ROLE_NOTIFICATION);
    EXPECT_FALSE(Has(children.back(), ATK_STATE_SHOWING));
    EXPECT_EQ(atk_object_get_role(AccessibleRoot()), ATK_ROLE_APPLICATION);
    EXPECT_EQ(Name(AccessibleRoot()), "Stellarion");

    // Drawn at device 32, 258, 177 x 16: twice that, from the window's corner.
    AtkObject* zodiac = Find(ATK_ROLE_PUSH_BUTTON, "Zodiac Signs");
    ASSERT_NE(zodiac, nullptr);
    int x = 0, y = 0, w = 0, h = 0;
    atk_component_get_extents(ATK_COMPONENT(zodiac), &x, &y, &w, &h, ATK_XY_SCREEN);
    EXPECT_EQ(std::vector<int>({x, y, w, h}), std::vector<int>({164, 566, 354, 32}));
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

TEST_F(AccessibleTree, RolesAndStatesOfChoicesKeysAndLayers) {
    // The compatibility picker: the chosen signs are checked radio buttons.
    ASSERT_TRUE(Click(Find(ATK_ROLE_PUSH_BUTTON, "Matchmaker by Sign")));
    AtkObject* checked = nullptr;
    for (AtkObject* object : All())
        if (atk_object_get_role(object) == ATK_ROLE_RADIO_BUTTON && Has(object, ATK_STATE_CHECKED)) checked = object;
    ASSERT_NE(checked, nullptr);
    EXPECT_TRUE(Has(checked, ATK_STATE_CHECKABLE));

    // A popup is a dialog named by its heading; the page under it takes no taps.
    ShowBirthDate(5);
    PlatformInvalidateWindow();
    int code = 0;
    HeadlessRunPending(&code);
    SyncTree();
    AtkObject* next = Find(ATK_ROLE_PUSH_BUTTON, "Next");
    ASSERT_NE(next, nullptr);
    EXPECT_TRUE(Has(next, ATK_STATE_SENSITIVE));
    ShowMessagePanel(L"Write from 1 to 31.");
    PlatformInvalidateWindow();
    HeadlessRunPending(&code);
    SyncTree();
    AtkObject* alert = Find(ATK_ROLE_ALERT, "Write from 1 to 31.");
    ASSERT_NE(alert, nullptr);
    EXPECT_FALSE(Has(next, ATK_STATE_SENSITIVE));
    EXPECT_FALSE(atk_action_do_action(ATK_ACTION(next), 0));
    ASSERT_NE(FocusedObject(), nullptr);
    EXPECT_EQ(atk_object_get_parent(FocusedObject()), alert);

    // The keyboard's Shift is a toggle; Shift pressed checks it and the
    // same object stays, its letters renamed.
    InputPanel = 0;
    ShowKeyboard(L"Day", 0);
    PlatformInvalidateWindow();
    HeadlessRunPending(&code);
    SyncTree();
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
    const std::string announced = Name(AnnouncementObject());
    EXPECT_EQ(announced.rfind("Explanation: 2 of ", 0), 0u) << announced;
    EXPECT_NE(announced.find("out of 10"), std::string::npos) << announced;
}

}  // namespace
