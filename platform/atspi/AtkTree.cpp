// The description as accessible objects: the application, the window's
// frame, and under it the page's headings, texts and targets in reading
// order (the frame named by the place's title and described by the page's
// hint), each popup or entry panel a dialog (an alert when it carries a
// message) with its own. A labelled group is a panel holding its radio
// buttons; a field is an entry whose text is its value. An object stays the
// same object across repaints while it stands for the same thing (a target
// with the same role and box, a text with the same words), so that a reader
// is told only of changes. Another screen (its key changed) focuses its
// heading; on the same screen what its status lines say anew is announced.
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
    PixelRect Box;        // device pixels where it is drawn; empty when unplaced
    char* Text;           // UTF-8, owned: its words, a field's value
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

// What a target's state On is: a field's selected box (the one a tap opens
// the keyboard for), a button pressed, a choice or a key checked.
AtkStateType OnState(int role) {
    return role == RoleField ? ATK_STATE_SELECTED : role == RoleButton ? ATK_STATE_PRESSED : ATK_STATE_CHECKED;
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
        if (node->Role == RoleField) AddStates(set, {ATK_STATE_SINGLE_LINE, ATK_STATE_SELECTABLE});
        else if (node->State != StateNone && node->Role != RoleButton)
            atk_state_set_add_state(set, ATK_STATE_CHECKABLE);
        if (node->State == StateOn) atk_state_set_add_state(set, OnState(node->Role));
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

bool HasBox(const PixelRect& r) { return r.Left < r.Right && r.Top < r.Bottom; }

PixelRect Union(const PixelRect& a, const PixelRect& b) {
    if (!HasBox(a)) return b;
    if (!HasBox(b)) return a;
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

// A dialog covers what it holds.
PixelRect DeviceBox(const Node* node) {
    if (node->Kind != NodeLayer) return node->Box;
    PixelRect box{};
    for (guint i = 0; i < node->Children->len; ++i)
        box = Union(box, DeviceBox(AsNode(g_ptr_array_index(node->Children, i))));
    return box;
}

// Each object where it is drawn; one drawn nowhere (a heading without its
// rows, the announcement) is an empty box at the device screen's corner.
PixelRect ScreenBox(const Node* node) {
    if (node->Kind == NodeApplication || node->Kind == NodeFrame) return DesktopWindowOnScreen();
    const PixelRect box = DeviceBox(node);
    return DesktopBoxOnScreen(HasBox(box) ? box : PixelRect{});
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

// Takes the UTF-8 words over as the node's text.
void SetWords(Node* node, char* utf8) {
    g_free(node->Text);
    node->Text = utf8;
    node->Length = g_utf8_strlen(TextOf(node), -1);
}

void SetName(AtkObject* object, const char* name) {
    const char* now = atk_object_get_name(object);
    if (std::strcmp(now ? now : "", name) != 0) atk_object_set_name(object, name);
}

void SetDescription(AtkObject* object, const char* description) {
    const char* now = atk_object_get_description(object);
    if (std::strcmp(now ? now : "", description) != 0) atk_object_set_description(object, description);
}

// ---- The tree ----------------------------------------------------------------------

Node* Application = nullptr;
Node* Frame = nullptr;
Node* Announcement = nullptr;
Node* Layers[3] = {};   // the dialogs of the popup and the panel; [LayerPage] unused
Node* Focused = nullptr;
bool RingShown = false;  // the window's focus ring is on a target ...
PixelRect RingBox{};     // ... drawn here: the same control across repaints
bool FocusChanged = false;
bool FocusGone = false;  // the focused object left the tree in the last rebuild
bool ScreenTurned = false;
Node* Title = nullptr;   // the active layer's first heading or message, held by the tree
constexpr const char* AppName = "Stellarion";
std::string WindowTitle = AppName;
std::wstring ScreenKey;             // the screens the layers show, as last synced
std::vector<std::wstring> Statuses;  // what the active layer's status lines said then
std::vector<Node*> InTree;          // every object of the tree being built
std::vector<GPtrArray*> Replaced;   // children lists replaced meanwhile, held until all are

char* Utf8(const wchar_t* text) {
    static_assert(sizeof(wchar_t) == sizeof(gunichar));
    char* utf8 = g_ucs4_to_utf8(reinterpret_cast<const gunichar*>(text), -1, nullptr, nullptr, nullptr);
    return utf8 ? utf8 : g_strdup("");
}

AtkRole TargetRole(int role, int state) {
    if (role == RoleChoice) return ATK_ROLE_RADIO_BUTTON;
    if (role == RoleField) return ATK_ROLE_ENTRY;
    if (role == RoleKey && state != StateNone) return ATK_ROLE_TOGGLE_BUTTON;
    return ATK_ROLE_PUSH_BUTTON;
}

AtkRole ItemRole(const DescribedItem& item) {
    switch (item.Kind) {
    case ItemHeading: return ATK_ROLE_HEADING;
    case ItemText: return ATK_ROLE_PARAGRAPH;
    case ItemAlert: return ATK_ROLE_LABEL;
    case ItemGroup: return ATK_ROLE_PANEL;
    default: return TargetRole(item.Role, item.State);
    }
}

bool SameBox(const PixelRect& a, const PixelRect& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

bool IsField(const DescribedItem& item) { return item.Kind == ItemTarget && item.Role == RoleField; }

// A choice of a group of which one is chosen, drawn inside the group's box.
bool InGroup(const DescribedItem& item, const DescribedItem& group) {
    if (item.Kind != ItemTarget || item.Role != RoleChoice || item.State == StateNone) return false;
    const int x = (item.Box.Left + item.Box.Right) / 2, y = (item.Box.Top + item.Box.Bottom) / 2;
    return x >= group.Box.Left && x < group.Box.Right && y >= group.Box.Top && y < group.Box.Bottom;
}

// Whether the node can stand for the item: a target by its role and box
// (its name, state and value may change), a group by its box and label,
// anything else by its words.
bool StandsFor(const Node* node, const DescribedItem& item, const char* words) {
    if (node->Kind != item.Kind || node->Layer != item.Layer) return false;
    if (item.Kind == ItemTarget)
        return node->Role == item.Role && SameBox(node->Box, item.Box) &&
               atk_object_get_role(ATK_OBJECT(node)) == TargetRole(item.Role, item.State);
    return (item.Kind != ItemGroup || SameBox(node->Box, item.Box)) && std::strcmp(TextOf(node), words) == 0;
}

void SetState(Node* node, AtkStateType state, bool was, bool now) {
    if (was != now) atk_object_notify_state_change(ATK_OBJECT(node), state, now);
}

// A field's value changed under a reader: the old text goes, the new comes.
void ChangeWords(Node* node, char* words) {
    if (node->Length > 0) g_signal_emit_by_name(node, "text-remove", 0, static_cast<gint>(node->Length), TextOf(node));
    SetWords(node, words);
    if (node->Length > 0) g_signal_emit_by_name(node, "text-insert", 0, static_cast<gint>(node->Length), TextOf(node));
}

// The item's words: a field's value, else its text; its name: a field's
// own name, else the words (a paragraph has none).
char* WordsOf(const DescribedItem& item) { return Utf8(IsField(item) ? item.Value : item.Text); }

void NameAfter(Node* node, const DescribedItem& item) {
    if (item.Kind == ItemText) return;
    if (!IsField(item)) return SetName(ATK_OBJECT(node), TextOf(node));
    char* name = Utf8(item.Text);
    SetName(ATK_OBJECT(node), name);
    g_free(name);
}

// A reused target takes the item's name, value, state and index.
void Refresh(Node* node, const DescribedItem& item, int index, char* words, bool live) {
    node->Item = index;
    if (std::strcmp(TextOf(node), words) == 0) g_free(words);
    else if (IsField(item)) ChangeWords(node, words);
    else SetWords(node, words);
    NameAfter(node, item);
    SetState(node, OnState(node->Role), node->State == StateOn, item.State == StateOn);
    node->State = item.State;
    SetState(node, ATK_STATE_SENSITIVE, node->Live, live);
    node->Live = live;
}

Node* NewItem(const DescribedItem& item, int index, char* words, bool live) {
    Node* node = NewNode(ItemType(), item.Kind, ItemRole(item), item.Layer);
    node->Role = item.Role;
    node->State = item.State;
    node->Box = item.Box;
    node->Item = index;
    node->Live = live && item.Kind == ItemTarget;
    SetWords(node, words);
    NameAfter(node, item);
    return node;
}

// Gives the parent its new children, each a reference the caller hands
// over, and tells the readers of those that came and went; the old list is
// held until the whole tree is built (Retire), as a child may have moved.
void ReplaceChildren(Node* parent, const std::vector<Node*>& next) {
    GPtrArray* old = parent->Children;
    parent->Children = g_ptr_array_new_full(static_cast<guint>(next.size()), g_object_unref);
    for (Node* child : next) g_ptr_array_add(parent->Children, child);
    for (guint i = 0; i < old->len; ++i) {
        Node* child = AsNode(g_ptr_array_index(old, i));
        if (std::find(next.begin(), next.end(), child) == next.end())
            g_signal_emit_by_name(parent, "children-changed::remove", i, child);
    }
    for (size_t i = 0; i < next.size(); ++i) {
        if (g_ptr_array_find(old, next[i], nullptr)) continue;
        atk_object_set_parent(ATK_OBJECT(next[i]), ATK_OBJECT(parent));
        g_signal_emit_by_name(parent, "children-changed::add", static_cast<guint>(i), next[i]);
    }
    Replaced.push_back(old);
}

// The objects that left the tree are defunct; a reader may still hold them.
void Retire() {
    for (GPtrArray* old : Replaced) {
        for (guint i = 0; i < old->len; ++i) {
            Node* child = AsNode(g_ptr_array_index(old, i));
            if (child->Gone || std::find(InTree.begin(), InTree.end(), child) != InTree.end()) continue;
            child->Gone = true;
            if (child == Focused) {
                Focused = nullptr;
                child->Focused = false;
                FocusGone = true;
            }
            atk_object_notify_state_change(ATK_OBJECT(child), ATK_STATE_DEFUNCT, TRUE);
        }
        g_ptr_array_unref(old);
    }
    Replaced.clear();
}

// The parent's objects and those of its groups, to be reused.
void Pool(const Node* parent, std::vector<Node*>* pool) {
    for (guint i = 0; i < parent->Children->len; ++i) {
        Node* child = AsNode(g_ptr_array_index(parent->Children, i));
        pool->push_back(child);
        if (child->Kind == ItemGroup) Pool(child, pool);
    }
}

// A reference to an object of the pool for the item (taken out of the
// pool), or a new one.
Node* NodeFor(std::vector<Node*>* pool, const DescribedItem& item, int index, bool live) {
    char* words = WordsOf(item);
    const bool takesTaps = live && item.Kind == ItemTarget;
    for (Node*& node : *pool) {
        if (!node || !StandsFor(node, item, words)) continue;
        Node* found = AsNode(g_object_ref(node));
        node = nullptr;
        Refresh(found, item, index, words, takesTaps);
        return found;
    }
    return NewItem(item, index, words, takesTaps);
}

// Each radio of a group is a member of it with the others, so that a reader
// says where it stands among them ("2 of 12"); a relation is renewed only
// when the members changed.
void RelateMembers(const std::vector<Node*>& members) {
    std::vector<AtkObject*> targets;
    for (Node* member : members) targets.push_back(ATK_OBJECT(member));
    for (Node* member : members) {
        AtkRelationSet* set = atk_object_ref_relation_set(ATK_OBJECT(member));
        AtkRelation* relation = atk_relation_set_get_relation_by_type(set, ATK_RELATION_MEMBER_OF);
        GPtrArray* now = relation ? atk_relation_get_target(relation) : nullptr;
        const bool same = now && now->len == targets.size() &&
                          std::equal(targets.begin(), targets.end(), reinterpret_cast<AtkObject**>(now->pdata));
        if (!same) {
            if (relation) atk_relation_set_remove(set, relation);
            AtkRelation* fresh =
                atk_relation_new(targets.data(), static_cast<gint>(targets.size()), ATK_RELATION_MEMBER_OF);
            atk_relation_set_add(set, fresh);
            g_object_unref(fresh);
        }
        g_object_unref(set);
    }
}

// The nodes for the layer's items in reading order, a reference to each,
// reusing what the parent already holds. The choices of a group go into its
// panel, which stands where its first choice does.
std::vector<Node*> LayerNodes(const Node* parent, int layer, bool live) {
    struct Group {
        int Item;
        Node* Panel;
        std::vector<Node*> Members;
    };
    std::vector<Node*> pool, nodes;
    Pool(parent, &pool);
    std::vector<Group> groups;
    for (int i = 0; i < DescriptionCount(); ++i)
        if (DescriptionAt(i).Layer == layer && DescriptionAt(i).Kind == ItemGroup) groups.push_back({i, nullptr, {}});
    int order[256];
    const int count = ItemsInReadingOrder(layer, order, 256);
    for (int i = 0; i < count; ++i) {
        const DescribedItem& item = DescriptionAt(order[i]);
        Node* node = NodeFor(&pool, item, order[i], live);
        InTree.push_back(node);
        const auto group = std::find_if(groups.begin(), groups.end(),
                                        [&](const Group& g) { return InGroup(item, DescriptionAt(g.Item)); });
        if (group == groups.end()) {
            nodes.push_back(node);
            continue;
        }
        if (!group->Panel) {
            group->Panel = NodeFor(&pool, DescriptionAt(group->Item), group->Item, live);
            InTree.push_back(group->Panel);
            nodes.push_back(group->Panel);
        }
        group->Members.push_back(node);
    }
    for (const Group& group : groups) {
        if (!group.Panel) continue;
        ReplaceChildren(group.Panel, group.Members);
        RelateMembers(group.Members);
    }
    return nodes;
}

// The first text of the kind the layer publishes, as UTF-8 (to be freed).
char* LayerText(int layer, int kind) {
    for (int i = 0; i < DescriptionCount(); ++i)
        if (DescriptionAt(i).Layer == layer && DescriptionAt(i).Kind == kind) return Utf8(DescriptionAt(i).Text);
    return g_strdup("");
}

// The object that names a layer: its first heading, else its message.
Node* TitleOf(const std::vector<Node*>& nodes) {
    const auto first = std::find_if(nodes.begin(), nodes.end(),
                                    [](const Node* n) { return n->Kind == ItemHeading || n->Kind == ItemAlert; });
    return first == nodes.end() ? nullptr : *first;
}

// A popup is a dialog named by its heading and described by its hint; a
// panel with a message and no heading is an alert named by the message.
// Returns a reference to it, or null when the layer is empty; the active
// layer's title object in *title.
Node* SyncLayer(int layer, bool live, Node** title) {
    Node* dialog = Layers[layer];
    if (!dialog) dialog = NewNode(ItemType(), NodeLayer, ATK_ROLE_DIALOG, layer);
    else g_object_ref(dialog);
    const std::vector<Node*> nodes = LayerNodes(dialog, layer, live);
    if (nodes.empty()) {
        ReplaceChildren(dialog, nodes);
        g_object_unref(dialog);
        Layers[layer] = nullptr;
        return nullptr;
    }
    ReplaceChildren(dialog, nodes);
    InTree.push_back(dialog);
    Node* first = TitleOf(nodes);
    const AtkRole role = first && first->Kind == ItemAlert ? ATK_ROLE_ALERT : ATK_ROLE_DIALOG;
    if (atk_object_get_role(ATK_OBJECT(dialog)) != role) atk_object_set_role(ATK_OBJECT(dialog), role);
    SetName(ATK_OBJECT(dialog), first ? TextOf(first) : "");
    char* hint = LayerText(layer, ItemHint);
    SetDescription(ATK_OBJECT(dialog), hint);
    g_free(hint);
    if (live) *title = first;
    Layers[layer] = dialog;
    return dialog;
}

Node* FindItem(const Node* parent, int item) {
    for (guint i = 0; i < parent->Children->len; ++i) {
        Node* child = AsNode(g_ptr_array_index(parent->Children, i));
        if (child->Item == item && child->Kind == ItemTarget) return child;
        if (Node* inner = FindItem(child, item)) return inner;
    }
    return nullptr;
}

// The frame is named by the place's title beside the window's ("Aries and
// Aries, Sex - Stellarion"), and described by the page's hint.
void DescribeFrame() {
    const wchar_t* place = DescribedTitle();
    char* title = place ? Utf8(place) : nullptr;
    char* name = title ? g_strconcat(title, " - ", WindowTitle.c_str(), nullptr) : g_strdup(WindowTitle.c_str());
    SetName(ATK_OBJECT(Frame), name);
    g_free(name);
    g_free(title);
    char* hint = LayerText(LayerPage, ItemHint);
    SetDescription(ATK_OBJECT(Frame), hint);
    g_free(hint);
}

void Announce(const char* words) {
    atk_object_set_name(ATK_OBJECT(Announcement), words);
    if (Announcing) atk_object_notify_state_change(ATK_OBJECT(Announcement), ATK_STATE_SHOWING, FALSE);
    Announcing = true;
    atk_object_notify_state_change(ATK_OBJECT(Announcement), ATK_STATE_SHOWING, TRUE);
}

// The keys of the screens every layer shows: another key, another screen.
std::wstring ScreenKeys() {
    std::wstring key;
    for (int i = 0; i < DescriptionCount(); ++i)
        if (DescriptionAt(i).Kind == ItemScreen) key.append(DescriptionAt(i).Text).push_back(L'|');
    return key;
}

std::vector<std::wstring> StatusLines(int layer) {
    std::vector<std::wstring> lines;
    for (int i = 0; i < DescriptionCount(); ++i)
        if (DescriptionAt(i).Layer == layer && DescriptionAt(i).Kind == ItemStatus)
            lines.emplace_back(DescriptionAt(i).Text);
    return lines;
}

// On the same screen, what its status lines say anew ("Sex, page 2 of 4:
// 7 out of 10", "Day: 14"), one sentence each.
void AnnounceStatus(const std::vector<std::wstring>& lines) {
    std::wstring said;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i < Statuses.size() && lines[i] == Statuses[i]) continue;
        if (!said.empty()) said += L". ";
        said += lines[i];
    }
    if (said.empty()) return;
    char* words = Utf8(said.c_str());
    Announce(words);
    g_free(words);
}

// What the tree stands for, to tell a repaint that described the same
// again (most do) from a change at the cost of a comparison.
struct Seen {
    DescribedItem Item;
    std::wstring Text;
    std::wstring Value;
};
std::vector<Seen> SeenItems;

bool SameWords(const wchar_t* now, const std::wstring& then) {
    // Lengths first: both calls are the C library's vectorised ones.
    return std::wcslen(now) == then.size() && std::wmemcmp(now, then.data(), then.size()) == 0;
}

bool SameAsSeen() {
    if (static_cast<size_t>(DescriptionCount()) != SeenItems.size()) return false;
    for (size_t i = 0; i < SeenItems.size(); ++i) {
        const DescribedItem& now = DescriptionAt(static_cast<int>(i));
        const DescribedItem& then = SeenItems[i].Item;
        if (now.Kind != then.Kind || now.Layer != then.Layer || now.Role != then.Role || now.State != then.State ||
            !SameBox(now.Box, then.Box) || !SameWords(now.Text, SeenItems[i].Text) ||
            !SameWords(now.Value, SeenItems[i].Value))
            return false;
    }
    return true;
}

void Remember() {
    SeenItems.resize(static_cast<size_t>(DescriptionCount()));
    for (size_t i = 0; i < SeenItems.size(); ++i) {
        SeenItems[i].Item = DescriptionAt(static_cast<int>(i));
        SeenItems[i].Text = SeenItems[i].Item.Text;
        SeenItems[i].Value = SeenItems[i].Item.Value;
    }
}

void Rebuild() {
    Remember();
    const int active = ActiveLayer();
    InTree.clear();
    std::vector<Node*> frame = LayerNodes(Frame, LayerPage, active == LayerPage);
    Node* title = active == LayerPage ? TitleOf(frame) : nullptr;
    for (int layer = LayerPopup; layer <= LayerPanel; ++layer)
        if (Node* dialog = SyncLayer(layer, layer == active, &title)) frame.push_back(dialog);
    frame.push_back(AsNode(g_object_ref(Announcement)));
    InTree.push_back(Announcement);
    const Node* kept = Focused;
    ReplaceChildren(Frame, frame);
    Retire();
    Title = title;
    DescribeFrame();
    const std::wstring key = ScreenKeys();
    std::vector<std::wstring> lines = StatusLines(active);
    ScreenTurned = key != ScreenKey;
    // Another screen under a control that keeps the ring (Back where Back
    // was): the focus does not move, so the new heading is announced.
    if (ScreenTurned && kept && kept == Focused && RingShown && title && title->Kind == ItemHeading)
        Announce(TextOf(title));
    else if (!ScreenTurned) AnnounceStatus(lines);
    ScreenKey = key;
    Statuses = std::move(lines);
}

// The window's focus ring where there is one; on a new screen without one,
// or when the focused object left, the screen's title, so that a reader
// reads it; else what had it.
void ApplyFocus() {
    Node* focus = Focused;
    const int ring = RingShown ? FindTarget(RingBox) : -1;
    if (ring >= 0) focus = FindItem(Frame, ring);
    else if (ScreenTurned || FocusGone) focus = Title;
    ScreenTurned = FocusGone = false;
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
        atk_object_set_name(ATK_OBJECT(Application), AppName);
        Frame = NewNode(FrameType(), NodeFrame, ATK_ROLE_FRAME, LayerPage);
        Announcement = NewNode(ItemType(), NodeAnnouncement, ATK_ROLE_NOTIFICATION, LayerPage);
        ReplaceChildren(Application, {Frame});
        ReplaceChildren(Frame, {Announcement});
        Retire();
    }
    return ATK_OBJECT(Application);
}

AtkObject* AccessibleFrame() { return AccessibleRoot(), ATK_OBJECT(Frame); }

AtkObject* AnnouncementObject() { return AccessibleRoot(), ATK_OBJECT(Announcement); }

AtkObject* FocusedObject() { return Focused ? ATK_OBJECT(Focused) : nullptr; }

void NameFrame(const char* title) {
    AccessibleRoot();
    WindowTitle = title;
    DescribeFrame();
}

void SetTreeFocus(int focus) {
    // Held by the box: the ring stays on the same control when a repaint
    // renumbers the description under it.
    const bool shown = focus >= 0;
    const PixelRect box = shown ? DescriptionAt(focus).Box : PixelRect{};
    FocusChanged = FocusChanged || shown != RingShown || !SameBox(box, RingBox);
    RingShown = shown;
    RingBox = box;
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
