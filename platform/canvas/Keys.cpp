// The keyboard focus over the described targets, and the keys beside typed
// text, for the desktop window and the simulator alike.
#include "platform/canvas/Description.h"
#include "platform/canvas/Device.h"

namespace {

int Focus = -1;            // an item of the description, or -1
PixelRect FocusBox{};      // the focused target's box: the same control after a repaint
unsigned FocusVersion = 0; // the description the focus was found in

// The controls that had the focus when their screen or layer gave way (a
// topic row, the date box, the Help icon), latest last: where one comes back
// with nothing focused, the focus returns to it. Bounded: the oldest goes.
constexpr int OpenerCapacity = 4;
PixelRect Openers[OpenerCapacity];
int OpenerCount = 0;

void SetFocus(int focus) {
    Focus = focus;
    FocusBox = focus >= 0 ? DescriptionAt(focus).Box : PixelRect{};
    FocusVersion = DescriptionVersion();
}

void RememberOpener(const PixelRect& box) {
    if (OpenerCount == OpenerCapacity) {
        for (int i = 1; i < OpenerCapacity; ++i) Openers[i - 1] = Openers[i];
        --OpenerCount;
    }
    Openers[OpenerCount++] = box;
}

// The latest opener the screen shows again, forgetting it and every later
// one; -1 where none is back.
int ReturningOpener() {
    for (int i = OpenerCount - 1; i >= 0; --i) {
        const int target = FindTarget(Openers[i]);
        if (target < 0) continue;
        OpenerCount = i;
        return target;
    }
    return -1;
}

// The focus on a new description: the same control where it still stands;
// else the control that went is remembered as an opener, and an opener that
// came back takes the focus.
int FocusAfterRepaint() {
    if (Focus >= 0) {
        if (const int same = FindTarget(FocusBox); same >= 0) return same;
        RememberOpener(FocusBox);
    }
    return ReturningOpener();
}

void TapTarget(int target) {
    int x = 0, y = 0;
    TargetCentre(target, &x, &y);
    PostDeviceMessage(MessageButtonDown, 1, PackPoint(x, y));
    PostDeviceMessage(MessageButtonUp, 0, PackPoint(x, y));
}

// The program's key code of a key it scrolls by, 0 for others.
int ScrollKeyCode(int key) {
    switch (key) {
    case DeviceKeyUp: return KeyCodeUp;
    case DeviceKeyDown: return KeyCodeDown;
    case DeviceKeyPageUp: return KeyCodePageUp;
    case DeviceKeyPageDown: return KeyCodePageDown;
    case DeviceKeyHome: return KeyCodeHome;
    case DeviceKeyEnd: return KeyCodeEnd;
    default: return 0;
    }
}

// Whether the focus takes the key, and what it does with it.
bool FocusTakes(int key) {
    const int focus = KeyboardFocus();
    const int role = focus >= 0 ? DescriptionAt(focus).Role : 0;
    const bool grid = role == RoleChoice || role == RoleKey;
    const auto toward = [&](int dx, int dy) {
        if (grid) SetFocus(FocusToward(focus, dx, dy));
        return grid;
    };
    switch (key) {
    case DeviceKeyTab: SetFocus(FocusStep(focus, +1)); return true;
    case DeviceKeyShiftTab: SetFocus(FocusStep(focus, -1)); return true;
    case DeviceKeyEscape:
        if (const int back = EscapeTarget(); back >= 0) TapTarget(back);
        return true;
    case DeviceKeyEnter:
    case DeviceKeySpace:
        if (focus < 0) return false;
        TapTarget(focus);
        return true;
    case DeviceKeyLeft: return toward(-1, 0);
    case DeviceKeyRight: return toward(1, 0);
    case DeviceKeyUp: return toward(0, -1);
    case DeviceKeyDown: return toward(0, 1);
    default: return false;
    }
}

}  // namespace

void ResetKeyboardFocus() {
    SetFocus(-1);
    OpenerCount = 0;
}

int KeyboardFocus() {
    if (FocusVersion != DescriptionVersion()) SetFocus(FocusAfterRepaint());
    return Focus;
}

bool PressDeviceKey(int key) {
    if (FocusTakes(key)) return true;
    PostKeyToProgram(key);
    return false;
}

void PostKeyToProgram(int key) {
    if (const int code = ScrollKeyCode(key)) PostDeviceMessage(MessageKeyDown, code, 0);
    if (key == DeviceKeyEnter) PostDeviceMessage(MessageTypedCharacter, TypedReturn, 0);
}

void ReleaseDeviceKey(int key) {
    if (const int code = ScrollKeyCode(key)) PostDeviceMessage(MessageKeyUp, code, 0);
}
