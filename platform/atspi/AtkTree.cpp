// The description as accessible objects: the application, the window's
// frame, and under it the page's headings, texts and targets in reading
// order, each popup or entry panel a dialog (an alert when it carries a
// message) with its own. An object stays the same object across repaints
// while it stands for the same thing (a target with the same role and box,
// a text with the same words), so that a reader is told only of changes.
#include "platform/atspi/AtkTree.h"

#include "platform/Backend.h"
#include "platform/atspi/Accessible.h"
#include "platform/canvas/Description.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

// What a node stands for besides the description's own kinds.
enum NodeKind : int { NodeApplication = 100, NodeFrame, NodeLayer, NodeAnnouncement };

struct Node {
    AtkObject Parent;
    int Kind;
    int Layer;
    int Role;             // the description's role, targets only
    int State;
    int Item;             // the item in the description, -1 when none
    PixelRect Box;        // device pixels, targets only
    char* Text;           // UTF-8, owned
    glong Length;         // of Text, in characters
    GPtrArray* Children;  // owned references
    bool Focused;
    bool Live;            // a target of the active layer: it takes taps and the focus
    bool Gone;            // left the tree; a reader may still hold it
};

struct NodeClass {
    AtkObjectClass Parent;
};

AtkObjectClass* BaseClass = nullptr;

Node* AsNode(gpointer object) { return reinterpret_cast<Node*>(object); }
const char* TextOf(const Node* node) { return node->Text ? node->Text : ""; }

// ---- The object --------------------------------------------------------------------

gint ChildCount(AtkObject* object) { return static_cast<gint>(AsNode(object)->Children->len); }

AtkObject* RefChild(AtkObject* object, gint index) {
    const GPtrArray* children = AsNode(object)->Children;
    if (index < 0 || static_cast<guint>(index) >= children->len) return nullptr;
    return ATK_OBJECT(g_object_ref(g_ptr_array_index(children, index)));
}

gint IndexInParent(AtkObject* object) {
    AtkObject* parent = atk_object_get_parent(object);
    guint index = 0;
    if (!parent || AsNode(object)->Gone || !g_ptr_array_find(AsNode(parent)->Children, object, &index))
        return -1;
    return static_cast<gint>(index);
}

bool Announcing = false;
bool WindowActive = false;

void AddStates(AtkStateSet* set, std::initializer_list<AtkStateType> states) {
    for (const AtkStateType state : states) atk_state_set_add_state(set, state);
}

AtkStateSet* RefStates(AtkObject* object) {
    AtkStateSet* set = BaseClass->ref_state_set(object);
    const Node* node = AsNode(object);
    if (node->Gone) {
        atk_state_set_add_state(set, ATK_STATE_DEFUNCT);
        return set;
    }
    if (node->Kind != NodeAnnouncement || Announcing) AddStates(set, {ATK_STATE_VISIBLE, ATK_STATE_SHOWING});
    if (node->Focused) atk_state_set_add_state(set, ATK_STATE_FOCUSED);
    switch (node->Kind) {
    case NodeFrame:
        AddStates(set, {ATK_STATE_ENABLED, ATK_STATE_SENSITIVE, ATK_STATE_RESIZABLE});
        if (WindowActive) atk_state_set_add_state(set, ATK_STATE_ACTIVE);
        break;
    case NodeLayer: atk_state_set_add_state(set, ATK_STATE_MODAL); break;
    case ItemHeading: atk_state_set_add_state(set, ATK_STATE_FOCUSABLE); break;
    case ItemText: AddStates(set, {ATK_STATE_MULTI_LINE, ATK_STATE_READ_ONLY}); break;
    case ItemTarget:
        if (node->Live) AddStates(set, {ATK_STATE_ENABLED, ATK_STATE_SENSITIVE, ATK_STATE_FOCUSABLE});
        if (node->State != StateNone && node->Role != RoleButton) atk_state_set_add_state(set, ATK_STATE_CHECKABLE);
        if (node->State == StateOn)
            atk_state_set_add_state(set, node->Role == RoleButton ? ATK_STATE_PRESSED : ATK_STATE_CHECKED);
        break;
    default: break;
    }
    return set;
}

// A heading's level: the page's first is the top one, as on the web page.
AtkAttributeSet* Attributes(AtkObject* object) {
    const Node* node = AsNode(object);
    if (node->Kind != ItemHeading) return nullptr;
    AtkObject* parent = atk_object_get_parent(object);
    const bool top = node->Layer == LayerPage && parent &&
                     g_ptr_array_index(AsNode(parent)->Children, 0) == object;
    auto* level = static_cast<AtkAttribute*>(g_malloc(sizeof(AtkAttribute)));
    level->name = g_strdup("level");
    level->value = g_strdup(top ? "1" : "2");
    return g_slist_append(nullptr, level);
}

void Finalize(GObject* object) {
    Node* node = AsNode(object);
    g_ptr_array_unref(node->Children);
    g_free(node->Text);
    G_OBJECT_CLASS(BaseClass)->finalize(object);
}

void InitClass(gpointer klass, gpointer) {
    BaseClass = ATK_OBJECT_CLASS(g_type_class_peek_parent(klass));
    G_OBJECT_CLASS(klass)->finalize = Finalize;
    AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
    atk->get_n_children = ChildCount;
    atk->ref_child = RefChild;
    atk->get_index_in_parent = IndexInParent;
    atk->ref_state_set = RefStates;
    atk->get_attributes = Attributes;
}

void InitNode(GTypeInstance* instance, gpointer) {
    Node* node = AsNode(instance);
    node->Item = -1;
    node->Children = g_ptr_array_new_with_free_func(g_object_unref);
}

// ---- Where it is ---------------------------------------------------------------------

PixelRect ScreenBox(const Node* node) {
    if (node->Kind == NodeApplication || node->Kind == NodeFrame) return DesktopWindowOnScreen();
    if (node->Kind == ItemTarget) return DesktopBoxOnScreen(node->Box);
    // Texts, headings and dialogs: the device screen they are drawn on.
    return DesktopBoxOnScreen({0, 0, PlatformScreenWidth(), PlatformScreenHeight()});
}

void Extents(AtkComponent* component, gint* x, gint* y, gint* width, gint* height, AtkCoordType coords) {
    const PixelRect box = ScreenBox(AsNode(component));
    PixelRect origin{};
    if (coords == ATK_XY_WINDOW) origin = DesktopWindowOnScreen();
    AtkObject* parent = atk_object_get_parent(ATK_OBJECT(component));
    if (coords == ATK_XY_PARENT && parent) origin = ScreenBox(AsNode(parent));
    *x = box.Left - origin.Left;
    *y = box.Top - origin.Top;
    *width = box.Right - box.Left;
    *height = box.Bottom - box.Top;
}

void InitComponent(gpointer iface, gpointer) { static_cast<AtkComponentIface*>(iface)->get_extents = Extents; }

// ---- Its action: a tap on the target's centre, as a click would make -----------------

unsigned Synced = 0;  // the description version the tree stands for
bool EverSynced = false;

gint ActionCount(AtkAction* action) { return AsNode(action)->Kind == ItemTarget ? 1 : 0; }

gboolean DoAction(AtkAction* action, gint index) {
    const Node* node = AsNode(action);
    if (index != 0 || node->Kind != ItemTarget || !node->Live || node->Gone || Synced != DescriptionVersion())
        return FALSE;
    int x = 0, y = 0;
    TargetCentre(node->Item, &x, &y);
    PostDeviceMessage(MessageButtonDown, 1, PackPoint(x, y));
    PostDeviceMessage(MessageButtonUp, 0, PackPoint(x, y));
    return TRUE;
}

const gchar* ActionName(AtkAction* action, gint index) {
    return index == 0 && AsNode(action)->Kind == ItemTarget ? "click" : nullptr;
}

void InitAction(gpointer iface, gpointer) {
    auto* action = static_cast<AtkActionIface*>(iface);
    action->get_n_actions = ActionCount;
    action->do_action = DoAction;
    action->get_name = ActionName;
}

// ---- Its text ----------------------------------------------------------------------

// Offsets in characters, cut to the text; an end below 0 is the text's end.
gchar* Slice(const Node* node, gint start, gint end) {
    if (end < 0 || end > node->Length) end = static_cast<gint>(node->Length);
    start = std::clamp<gint>(start, 0, end);
    const char* from = g_utf8_offset_to_pointer(TextOf(node), start);
    return g_strndup(from, g_utf8_offset_to_pointer(from, end - start) - from);
}

gchar* Text(AtkText* text, gint start, gint end) { return Slice(AsNode(text), start, end); }
gint CharacterCount(AtkText* text) { return static_cast<gint>(AsNode(text)->Length); }
gint Caret(AtkText*) { return 0; }

gunichar CharacterAt(AtkText* text, gint offset) {
    const Node* node = AsNode(text);
    return offset >= 0 && offset < node->Length ? g_utf8_get_char(g_utf8_offset_to_pointer(TextOf(node), offset)) : 0;
}

// A character, or else the whole text: each text is one paragraph, and a
// reader finds its words and sentences in it.
gchar* StringAt(AtkText* text, gint offset, AtkTextGranularity granularity, gint* start, gint* end) {
    const Node* node = AsNode(text);
    const bool character = granularity == ATK_TEXT_GRANULARITY_CHAR && offset >= 0 && offset < node->Length;
    *start = character ? offset : 0;
    *end = character ? offset + 1 : static_cast<gint>(node->Length);
    return Slice(node, *start, *end);
}

void InitText(gpointer iface, gpointer) {
    auto* text = static_cast<AtkTextIface*>(iface);
    text->get_text = Text;
    text->get_character_count = CharacterCount;
    text->get_caret_offset = Caret;
    text->get_character_at_offset = CharacterAt;
    text->get_string_at_offset = StringAt;
}

// ---- The types ---------------------------------------------------------------------

GType RegisterType(GType parent, const char* name) {
    const GTypeInfo info{sizeof(NodeClass), nullptr, nullptr, parent == ATK_TYPE_OBJECT ? InitClass : nullptr,
                         nullptr, nullptr, sizeof(Node), 0, parent == ATK_TYPE_OBJECT ? InitNode : nullptr,
                         nullptr};
    return g_type_register_static(parent, name, &info, GTypeFlags(0));
}

void AddInterface(GType type, GType iface, GInterfaceInitFunc init) {
    const GInterfaceInfo info{init, nullptr, nullptr};
    g_type_add_interface_static(type, iface, &info);
}

// The application: children only.
GType NodeType() {
    static const GType type = RegisterType(ATK_TYPE_OBJECT, "StellarionNode");
    return type;
}

// Headings, texts, targets and dialogs.
GType ItemType() {
    static const GType type = [] {
        const GType item = RegisterType(NodeType(), "StellarionItem");
        AddInterface(item, ATK_TYPE_COMPONENT, InitComponent);
        AddInterface(item, ATK_TYPE_ACTION, InitAction);
        AddInterface(item, ATK_TYPE_TEXT, InitText);
        return item;
    }();
    return type;
}

// The window: a frame that is activated and deactivated.
GType FrameType() {
    static const GType type = [] {
        const GType frame = RegisterType(NodeType(), "StellarionFrame");
        AddInterface(frame, ATK_TYPE_COMPONENT, InitComponent);
        AddInterface(frame, ATK_TYPE_WINDOW, nullptr);
        return frame;
    }();
    return type;
}

Node* NewNode(GType type, int kind, AtkRole role, int layer) {
    Node* node = AsNode(g_object_new(type, nullptr));
    node->Kind = kind;
    node->Layer = layer;
    atk_object_set_role(ATK_OBJECT(node), role);
    return node;
}

void SetText(Node* node, char* utf8) {
    g_free(node->Text);
    node->Text = utf8;
    node->Length = g_utf8_strlen(TextOf(node), -1);
    if (node->Kind != ItemText) atk_object_set_name(ATK_OBJECT(node), TextOf(node));
}

// ---- The tree ----------------------------------------------------------------------

Node* Application = nullptr;
Node* Frame = nullptr;
Node* Announcement = nullptr;
Node* Layers[3] = {};   // the dialogs of the popup and the panel; [LayerPage] unused
Node* Focused = nullptr;
int WantedFocus = -1;
bool FocusChanged = false;
int ShownLayer = -1;     // the active layer when last synced
bool ScreenTurned = false;
Node* Title = nullptr;   // the active layer's first heading or message, held by the tree

char* Utf8(const wchar_t* text) {
    static_assert(sizeof(wchar_t) == sizeof(gunichar));
    char* utf8 = g_ucs4_to_utf8(reinterpret_cast<const gunichar*>(text), -1, nullptr, nullptr, nullptr);
    return utf8 ? utf8 : g_strdup("");
}

AtkRole TargetRole(int role, int state) {
    if (role == RoleChoice) return ATK_ROLE_RADIO_BUTTON;
    if (role == RoleKey && state != StateNone) return ATK_ROLE_TOGGLE_BUTTON;
    return ATK_ROLE_PUSH_BUTTON;
}

AtkRole ItemRole(const DescribedItem& item) {
    switch (item.Kind) {
    case ItemHeading: return ATK_ROLE_HEADING;
    case ItemText: return ATK_ROLE_PARAGRAPH;
    case ItemAlert: return ATK_ROLE_LABEL;
    default: return TargetRole(item.Role, item.State);
    }
}

bool SameBox(const PixelRect& a, const PixelRect& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

// Whether the node can stand for the item: a target by its role and box
// (its name and state may change), anything else by its words.
bool StandsFor(const Node* node, const DescribedItem& item, const char* utf8) {
    if (node->Kind != item.Kind || node->Layer != item.Layer) return false;
    if (item.Kind == ItemTarget)
        return node->Role == item.Role && SameBox(node->Box, item.Box) &&
               atk_object_get_role(ATK_OBJECT(node)) == TargetRole(item.Role, item.State);
    return std::strcmp(TextOf(node), utf8) == 0;
}

void SetState(Node* node, AtkStateType state, bool was, bool now) {
    if (was != now) atk_object_notify_state_change(ATK_OBJECT(node), state, now);
}

// A reused target takes the item's name, state and index.
void Refresh(Node* node, const DescribedItem& item, int index, char* utf8, bool live) {
    node->Item = index;
    if (std::strcmp(TextOf(node), utf8) != 0) SetText(node, utf8);
    else g_free(utf8);
    const AtkStateType checked = node->Role == RoleButton ? ATK_STATE_PRESSED : ATK_STATE_CHECKED;
    SetState(node, checked, node->State == StateOn, item.State == StateOn);
    node->State = item.State;
    SetState(node, ATK_STATE_SENSITIVE, node->Live, live);
    node->Live = live;
}

Node* NewItem(const DescribedItem& item, int index, char* utf8, bool live) {
    Node* node = NewNode(ItemType(), item.Kind, ItemRole(item), item.Layer);
    node->Role = item.Role;
    node->State = item.State;
    node->Box = item.Box;
    node->Item = index;
    node->Live = live && item.Kind == ItemTarget;
    SetText(node, utf8);
    return node;
}

bool ReadsBefore(const PixelRect& a, const PixelRect& b) {
    return a.Top != b.Top ? a.Top < b.Top : a.Left < b.Left;
}

// The layer's items as a reader meets them: its headings, then its targets
// top to bottom and left to right, each after the texts published since the
// target before it, then the texts after the last target (as the web page
// orders them).
std::vector<int> ReadingOrder(int layer) {
    struct Group {
        std::vector<int> Texts;
        int Target;
    };
    std::vector<int> order;
    std::vector<Group> groups;
    Group pending{{}, -1};
    for (int i = 0; i < DescriptionCount(); ++i) {
        const DescribedItem& item = DescriptionAt(i);
        if (item.Layer != layer) continue;
        if (item.Kind == ItemHeading) {
            order.push_back(i);
        } else if (item.Kind == ItemTarget) {
            pending.Target = i;
            groups.push_back(std::move(pending));
            pending = {{}, -1};
        } else {
            pending.Texts.push_back(i);
        }
    }
    std::stable_sort(groups.begin(), groups.end(), [](const Group& a, const Group& b) {
        return ReadsBefore(DescriptionAt(a.Target).Box, DescriptionAt(b.Target).Box);
    });
    groups.push_back(std::move(pending));
    for (const Group& group : groups) {
        order.insert(order.end(), group.Texts.begin(), group.Texts.end());
        if (group.Target >= 0) order.push_back(group.Target);
    }
    return order;
}

// Gives the parent its new children, each a reference the caller hands
// over; tells the readers of those that left and those that came.
void ReplaceChildren(Node* parent, const std::vector<Node*>& next) {
    GPtrArray* old = parent->Children;
    parent->Children = g_ptr_array_new_full(static_cast<guint>(next.size()), g_object_unref);
    for (Node* child : next) g_ptr_array_add(parent->Children, child);
    for (guint i = 0; i < old->len; ++i) {
        Node* child = AsNode(g_ptr_array_index(old, i));
        if (std::find(next.begin(), next.end(), child) != next.end()) continue;
        child->Gone = true;
        if (child == Focused) Focused = nullptr, child->Focused = false;
        g_signal_emit_by_name(parent, "children-changed::remove", i, child);
        atk_object_notify_state_change(ATK_OBJECT(child), ATK_STATE_DEFUNCT, TRUE);
    }
    for (size_t i = 0; i < next.size(); ++i) {
        if (g_ptr_array_find(old, next[i], nullptr)) continue;
        atk_object_set_parent(ATK_OBJECT(next[i]), ATK_OBJECT(parent));
        g_signal_emit_by_name(parent, "children-changed::add", static_cast<guint>(i), next[i]);
    }
    g_ptr_array_unref(old);
}

// The nodes for the layer's items, a reference to each, reusing what the
// parent already holds.
std::vector<Node*> LayerNodes(const Node* parent, int layer, bool live, Node** title, bool* titleNew) {
    std::vector<Node*> nodes, created;
    for (const int index : ReadingOrder(layer)) {
        const DescribedItem& item = DescriptionAt(index);
        char* utf8 = Utf8(item.Text);
        Node* node = nullptr;
        for (guint i = 0; i < parent->Children->len && !node; ++i) {
            Node* child = AsNode(g_ptr_array_index(parent->Children, i));
            if (StandsFor(child, item, utf8) && std::find(nodes.begin(), nodes.end(), child) == nodes.end())
                node = child;
        }
        if (node) {
            g_object_ref(node);
            Refresh(node, item, index, utf8, live && item.Kind == ItemTarget);
        } else {
            node = NewItem(item, index, utf8, live);
            created.push_back(node);
        }
        if (!*title && (item.Kind == ItemHeading || item.Kind == ItemAlert)) {
            *title = node;
            *titleNew = std::find(created.begin(), created.end(), node) != created.end();
        }
        nodes.push_back(node);
    }
    return nodes;
}

// A popup is a dialog named by its heading; a panel with a message and no
// heading is an alert named by the message. Returns a reference to it, or
// null when the layer is empty.
Node* SyncLayer(int layer, bool live, Node** title, bool* titleNew) {
    Node* dialog = Layers[layer];
    if (!dialog) dialog = NewNode(ItemType(), NodeLayer, ATK_ROLE_DIALOG, layer);
    else g_object_ref(dialog);
    Node* first = nullptr;
    bool firstNew = false;
    const std::vector<Node*> nodes = LayerNodes(dialog, layer, live, &first, &firstNew);
    if (nodes.empty()) {
        g_object_unref(dialog);
        Layers[layer] = nullptr;
        return nullptr;
    }
    ReplaceChildren(dialog, nodes);
    const AtkRole role = first && first->Kind == ItemAlert ? ATK_ROLE_ALERT : ATK_ROLE_DIALOG;
    if (atk_object_get_role(ATK_OBJECT(dialog)) != role) atk_object_set_role(ATK_OBJECT(dialog), role);
    const char* name = first ? TextOf(first) : "";
    if (std::strcmp(atk_object_get_name(ATK_OBJECT(dialog)) ? atk_object_get_name(ATK_OBJECT(dialog)) : "", name) != 0)
        atk_object_set_name(ATK_OBJECT(dialog), name);
    if (live) {
        *title = first;
        *titleNew = firstNew || !Layers[layer];
    }
    Layers[layer] = dialog;
    return dialog;
}

Node* FindItem(const Node* parent, int item) {
    for (guint i = 0; i < parent->Children->len; ++i) {
        Node* child = AsNode(g_ptr_array_index(parent->Children, i));
        if (child->Item == item && child->Kind != NodeLayer) return child;
        if (child->Kind == NodeLayer)
            if (Node* inner = FindItem(child, item)) return inner;
    }
    return nullptr;
}

// Says the new page's heading and its closing line (a rating), where one is
// short enough to be one.
void Announce(const Node* heading) {
    constexpr glong LongestClosingLine = 80;
    const Node* closing = nullptr;
    for (guint i = 0; i < Frame->Children->len; ++i) {
        const Node* child = AsNode(g_ptr_array_index(Frame->Children, i));
        if (child->Kind == ItemText) closing = child;
    }
    char* words = closing && closing->Length <= LongestClosingLine
                      ? g_strconcat(TextOf(heading), ". ", TextOf(closing), nullptr)
                      : g_strdup(TextOf(heading));
    atk_object_set_name(ATK_OBJECT(Announcement), words);
    g_free(words);
    if (Announcing) atk_object_notify_state_change(ATK_OBJECT(Announcement), ATK_STATE_SHOWING, FALSE);
    Announcing = true;
    atk_object_notify_state_change(ATK_OBJECT(Announcement), ATK_STATE_SHOWING, TRUE);
}

// What the tree stands for, to tell a repaint that described the same
// again (most do) from a change at the cost of a comparison.
struct Seen {
    DescribedItem Item;
    std::wstring Text;
};
std::vector<Seen> SeenItems;

bool SameAsSeen() {
    if (static_cast<size_t>(DescriptionCount()) != SeenItems.size()) return false;
    for (size_t i = 0; i < SeenItems.size(); ++i) {
        const DescribedItem& now = DescriptionAt(static_cast<int>(i));
        const DescribedItem& then = SeenItems[i].Item;
        if (now.Kind != then.Kind || now.Layer != then.Layer || now.Role != then.Role || now.State != then.State ||
            !SameBox(now.Box, then.Box))
            return false;
        // Lengths first: both calls are the C library's vectorised ones.
        const std::wstring& text = SeenItems[i].Text;
        if (std::wcslen(now.Text) != text.size() || std::wmemcmp(now.Text, text.data(), text.size()) != 0)
            return false;
    }
    return true;
}

void Remember() {
    SeenItems.resize(static_cast<size_t>(DescriptionCount()));
    for (size_t i = 0; i < SeenItems.size(); ++i) {
        SeenItems[i].Item = DescriptionAt(static_cast<int>(i));
        SeenItems[i].Text = SeenItems[i].Item.Text;
    }
}

void Rebuild() {
    Remember();
    const int active = ActiveLayer();
    Node* title = nullptr;
    bool titleNew = false;
    std::vector<Node*> frame = LayerNodes(Frame, LayerPage, active == LayerPage, &title, &titleNew);
    if (active != LayerPage) title = nullptr, titleNew = false;
    for (int layer = LayerPopup; layer <= LayerPanel; ++layer)
        if (Node* dialog = SyncLayer(layer, layer == active, &title, &titleNew)) frame.push_back(dialog);
    frame.push_back(AsNode(g_object_ref(Announcement)));
    const Node* kept = Focused;
    ReplaceChildren(Frame, frame);
    Title = title;
    ScreenTurned = title && (titleNew || active != ShownLayer);
    // A page turned under a control that keeps the focus (Next page): the
    // focus does not move, so the new page is announced.
    if (ScreenTurned && kept && kept == Focused && WantedFocus >= 0 && title->Kind == ItemHeading) Announce(title);
    ShownLayer = active;
}

// The keyboard's focus where there is one; on a new screen without one,
// the screen's title, so that a reader reads it; else what had it.
void ApplyFocus() {
    Node* focus = Focused;
    if (WantedFocus >= 0) focus = FindItem(Frame, WantedFocus);
    else if (ScreenTurned) focus = Title;
    ScreenTurned = false;
    if (focus == Focused) return;
    if (Focused) {
        Focused->Focused = false;
        atk_object_notify_state_change(ATK_OBJECT(Focused), ATK_STATE_FOCUSED, FALSE);
    }
    Focused = focus;
    if (!focus) return;
    focus->Focused = true;
    atk_object_notify_state_change(ATK_OBJECT(focus), ATK_STATE_FOCUSED, TRUE);
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    atk_focus_tracker_notify(ATK_OBJECT(focus));
    G_GNUC_END_IGNORE_DEPRECATIONS
}

}  // namespace

AtkObject* AccessibleRoot() {
    if (!Application) {
        Application = NewNode(NodeType(), NodeApplication, ATK_ROLE_APPLICATION, LayerPage);
        atk_object_set_name(ATK_OBJECT(Application), "Stellarion");
        Frame = NewNode(FrameType(), NodeFrame, ATK_ROLE_FRAME, LayerPage);
        Announcement = NewNode(ItemType(), NodeAnnouncement, ATK_ROLE_NOTIFICATION, LayerPage);
        ReplaceChildren(Application, {Frame});
        ReplaceChildren(Frame, {Announcement});
    }
    return ATK_OBJECT(Application);
}

AtkObject* AccessibleFrame() { return AccessibleRoot(), ATK_OBJECT(Frame); }

AtkObject* AnnouncementObject() { return AccessibleRoot(), ATK_OBJECT(Announcement); }

AtkObject* FocusedObject() { return Focused ? ATK_OBJECT(Focused) : nullptr; }

void NameFrame(const char* title) { atk_object_set_name(AccessibleFrame(), title); }

void SetTreeFocus(int focus) {
    // The window hands it over after every repaint; a new description is
    // looked at anyway.
    FocusChanged = FocusChanged || focus != WantedFocus;
    WantedFocus = focus;
}

void SetFrameActive(bool active) {
    AtkObject* frame = AccessibleFrame();
    WindowActive = active;
    atk_object_notify_state_change(frame, ATK_STATE_ACTIVE, active);
    g_signal_emit_by_name(frame, active ? "activate" : "deactivate");
}

bool SyncTree() {
    AccessibleRoot();
    const unsigned version = DescriptionVersion();
    const bool changed = !EverSynced || (version != Synced && !SameAsSeen());
    Synced = version;
    EverSynced = true;
    if (changed) Rebuild();
    if (!changed && !FocusChanged) return false;
    FocusChanged = false;
    ApplyFocus();
    return true;
}
