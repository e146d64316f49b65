#include "platform/canvas/Description.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A page publishes a few dozen targets and its reading (at most the text
// view's 2 059 characters); the keyboard some forty keys.
constexpr int ItemSlots = 128;
constexpr int PoolCapacity = 8192;
constexpr int LayerCount = 3;

struct LayerRecord {
    DescribedItem Items[ItemSlots];
    int Count;
    wchar_t Pool[PoolCapacity];
    int PoolUsed;
};

bool Keeping = true;
unsigned Version;
LayerRecord Layers[LayerCount];
int Current = LayerPage;
int PointerShiftX = 0, PointerShiftY = 0;  // of the pointer in contact, by ForgiveTouch

// A copy of the text in the layer's pool, cut to what is left of it.
const wchar_t* Keep(LayerRecord& layer, const wchar_t* text) {
    static const wchar_t empty[1] = {};
    if (layer.PoolUsed >= PoolCapacity - 1) return empty;
    wchar_t* copy = layer.Pool + layer.PoolUsed;
    int length = 0;
    while (text[length] && layer.PoolUsed + length < PoolCapacity - 1) {
        copy[length] = text[length];
        ++length;
    }
    copy[length] = 0;
    layer.PoolUsed += length + 1;
    return copy;
}

void Add(int kind, int role, int state, const PixelRect& box, const wchar_t* text,
         const wchar_t* value = L"") {
    if (!Keeping) return;
    LayerRecord& layer = Layers[Current];
    if (!text || layer.Count >= ItemSlots || layer.PoolUsed >= PoolCapacity - 1) return;
    const wchar_t* kept = Keep(layer, text);
    layer.Items[layer.Count++] = {kind, Current, role, state, box, kept, Keep(layer, value ? value : L"")};
    ++Version;
}

bool HasBox(const PixelRect& r) { return r.Left < r.Right && r.Top < r.Bottom; }

bool Readable(int kind) { return kind >= ItemHeading && kind <= ItemTarget; }

bool IsTarget(int index) {
    return index >= 0 && index < DescriptionCount() && DescriptionAt(index).Kind == ItemTarget &&
           DescriptionAt(index).Layer == ActiveLayer();
}

int CentreX(const PixelRect& r) { return (r.Left + r.Right) / 2; }
int CentreY(const PixelRect& r) { return (r.Top + r.Bottom) / 2; }

// Reading order: rows first, then columns.
bool ReadsBefore(const PixelRect& a, const PixelRect& b) {
    return a.Top != b.Top ? a.Top < b.Top : a.Left < b.Left;
}

}  // namespace

void KeepDescription(bool keep) { Keeping = keep; }

unsigned DescriptionVersion() { return Version; }

void PlatformDescribeLayer(int layer) {
    if (!Keeping || layer < 0 || layer >= LayerCount) return;
    Current = layer;
    if (Layers[layer].Count > 0) ++Version;
    Layers[layer].Count = 0;
    Layers[layer].PoolUsed = 0;
}

void PlatformDescribeHeading(const wchar_t* text) {
    if (text && *text) Add(ItemHeading, 0, StateNone, {}, text);
}
void PlatformDescribeText(const wchar_t* text) {
    if (text && *text) Add(ItemText, 0, StateNone, {}, text);
}
void PlatformDescribeAlert(const wchar_t* text) { Add(ItemAlert, 0, StateNone, {}, text); }

void PlatformDescribeTarget(const PixelRect& box, int role, const wchar_t* name, int state) {
    if (HasBox(box)) Add(ItemTarget, role, state, box, name);
}

void PlatformDescribeField(const PixelRect& box, const wchar_t* name, const wchar_t* value, int state) {
    if (HasBox(box)) Add(ItemTarget, RoleField, state, box, name, value);
}

void PlatformDescribeBox(const PixelRect& box) {
    LayerRecord& layer = Layers[Current];
    if (!Keeping || layer.Count == 0) return;
    DescribedItem& last = layer.Items[layer.Count - 1];
    if (last.Kind == ItemHeading || last.Kind == ItemText || last.Kind == ItemAlert) {
        last.Box = box;
        ++Version;
    }
}

void PlatformDescribeTitle(const wchar_t* text) {
    if (text && *text) Add(ItemTitle, 0, StateNone, {}, text);
}
void PlatformDescribeStatus(const wchar_t* text) {
    if (text && *text) Add(ItemStatus, 0, StateNone, {}, text);
}
void PlatformDescribeScreen(const wchar_t* key) {
    if (key && *key) Add(ItemScreen, 0, StateNone, {}, key);
}
void PlatformDescribeGroup(const PixelRect& box, const wchar_t* label) {
    if (HasBox(box)) Add(ItemGroup, 0, StateNone, box, label);
}
void PlatformDescribeHint(const wchar_t* text) {
    if (text && *text) Add(ItemHint, 0, StateNone, {}, text);
}

int DescriptionCount() {
    int count = 0;
    for (const LayerRecord& layer : Layers) count += layer.Count;
    return count;
}

const DescribedItem& DescriptionAt(int index) {
    for (const LayerRecord& layer : Layers) {
        if (index < layer.Count) return layer.Items[index];
        index -= layer.Count;
    }
    static const DescribedItem none{};
    return none;
}

int ActiveLayer() {
    for (int layer = LayerCount - 1; layer > 0; --layer)
        if (Layers[layer].Count > 0) return layer;
    return LayerPage;
}

int ItemsInReadingOrder(int layer, int* indices, int capacity) {
    if (layer < 0 || layer >= LayerCount) return 0;
    int first = 0;
    for (int l = 0; l < layer; ++l) first += Layers[l].Count;
    const LayerRecord& record = Layers[layer];
    // Each item's place: its own box, or that of the next one with a box.
    PixelRect place[ItemSlots];
    PixelRect next{0, 1 << 30, 0, 1 << 30};
    for (int i = record.Count - 1; i >= 0; --i) {
        if (HasBox(record.Items[i].Box)) next = record.Items[i].Box;
        place[i] = next;
    }
    const auto before = [&](int a, int b) {
        const bool headingA = record.Items[a].Kind == ItemHeading, headingB = record.Items[b].Kind == ItemHeading;
        if (headingA != headingB) return headingA;
        return !headingA && ReadsBefore(place[a], place[b]);
    };
    int count = 0;
    for (int i = 0; i < record.Count && count < capacity; ++i) {
        if (!Readable(record.Items[i].Kind)) continue;
        // Insertion keeps publishing order among equals.
        int at = count++;
        while (at > 0 && before(i, indices[at - 1] - first)) {
            indices[at] = indices[at - 1];
            --at;
        }
        indices[at] = first + i;
    }
    return count;
}

const wchar_t* DescribedTitle() {
    for (int layer = LayerCount - 1; layer >= 0; --layer)
        for (int i = 0; i < Layers[layer].Count; ++i)
            if (Layers[layer].Items[i].Kind == ItemTitle) return Layers[layer].Items[i].Text;
    return nullptr;
}

int PlatformDescribedReading(wchar_t* text, int capacity) {
    if (capacity <= 0) return 0;
    int order[ItemSlots];
    const int count = ItemsInReadingOrder(ActiveLayer(), order, ItemSlots);
    int length = 0;
    for (int i = 0; i < count; ++i) {
        const DescribedItem& item = DescriptionAt(order[i]);
        if (item.Kind != ItemHeading && item.Kind != ItemText) continue;
        for (const wchar_t* c = item.Text; *c && length < capacity - 1; ++c) text[length++] = *c;
        if (length < capacity - 1) text[length++] = L'\n';
    }
    text[length] = 0;
    return length;
}

int TargetsInReadingOrder(int* indices, int capacity) {
    int count = 0;
    for (int i = 0; i < DescriptionCount() && count < capacity; ++i) {
        if (!IsTarget(i)) continue;
        // Insertion into the sorted run: a layer has a few dozen targets.
        int at = count++;
        while (at > 0 && ReadsBefore(DescriptionAt(i).Box, DescriptionAt(indices[at - 1]).Box)) {
            indices[at] = indices[at - 1];
            --at;
        }
        indices[at] = i;
    }
    return count;
}

int FocusStep(int focus, int step) {
    int order[ItemSlots];
    const int count = TargetsInReadingOrder(order, ItemSlots);
    if (count == 0) return -1;
    for (int i = 0; i < count; ++i)
        if (order[i] == focus) return order[(i + step + count) % count];
    return step > 0 ? order[0] : order[count - 1];
}

int FocusToward(int focus, int dx, int dy) {
    if (!IsTarget(focus)) return focus;
    const DescribedItem& from = DescriptionAt(focus);
    const int x = CentreX(from.Box), y = CentreY(from.Box);
    int best = focus;
    long bestCost = 0;
    for (int i = 0; i < DescriptionCount(); ++i) {
        if (i == focus || !IsTarget(i) || DescriptionAt(i).Role != from.Role) continue;
        const PixelRect& box = DescriptionAt(i).Box;
        const long along = dx != 0 ? dx * (CentreX(box) - x) : dy * (CentreY(box) - y);
        const long across = dx != 0 ? std::labs(CentreY(box) - y) : std::labs(CentreX(box) - x);
        if (along <= 0) continue;
        // Staying in the row (or column) counts far more than the distance.
        const long cost = along + 4 * across;
        if (best == focus || cost < bestCost) {
            best = i;
            bestCost = cost;
        }
    }
    return best;
}

int TargetWithRole(int role) {
    for (int i = 0; i < DescriptionCount(); ++i)
        if (IsTarget(i) && DescriptionAt(i).Role == role) return i;
    return -1;
}

int EscapeTarget() {
    const int back = TargetWithRole(RoleBack);
    return back >= 0 ? back : TargetWithRole(RoleClose);
}

int FindTarget(const PixelRect& box) {
    for (int i = 0; i < DescriptionCount(); ++i) {
        const PixelRect& b = DescriptionAt(i).Box;
        if (IsTarget(i) && b.Left == box.Left && b.Top == box.Top && b.Right == box.Right &&
            b.Bottom == box.Bottom)
            return i;
    }
    return -1;
}

bool ForgiveTouch(int reach, int* x, int* y) {
    long best = -1;
    int bestX = *x, bestY = *y;
    for (int i = 0; i < DescriptionCount(); ++i) {
        if (!IsTarget(i)) continue;
        const PixelRect& box = DescriptionAt(i).Box;
        const int nearX = std::clamp(*x, box.Left, box.Right - 1), nearY = std::clamp(*y, box.Top, box.Bottom - 1);
        const long dx = nearX - *x, dy = nearY - *y;
        const long distance = dx * dx + dy * dy;
        if (distance == 0) return false;
        if (distance <= static_cast<long>(reach) * reach && (best < 0 || distance < best)) {
            best = distance;
            bestX = nearX;
            bestY = nearY;
        }
    }
    if (best < 0) return false;
    *x = bestX;
    *y = bestY;
    return true;
}

void PointerPressed(int reach, int* x, int* y) {
    const int fromX = *x, fromY = *y;
    ForgiveTouch(reach, x, y);
    PointerShiftX = *x - fromX;
    PointerShiftY = *y - fromY;
}

void PointerFollows(int* x, int* y) {
    *x = std::clamp(*x + PointerShiftX, 0, std::max(0, PlatformScreenWidth() - 1));
    *y = std::clamp(*y + PointerShiftY, 0, std::max(0, PlatformScreenHeight() - 1));
}

void TargetCentre(int index, int* x, int* y) {
    const PixelRect& box = DescriptionAt(index).Box;
    *x = CentreX(box);
    *y = CentreY(box);
}
