// The keyboard focus over the described targets, and the keys beside typed
// text, for the desktop window and the simulator alike.
#include "platform/canvas/Description.h"
#include "platform/canvas/Device.h"

namespace {

int Focus = -1;            // an item of the description, or -1
PixelRect FocusBox{};      // the focused target's box: the same control after a repaint
unsigned FocusVersion = 0; // the description the focus was found in

void SetFocus(int focus) {
    Focus = focus;
    FocusBox = focus >= 0 ? DescriptionAt(focus).Box : PixelRect{};
    FocusVersion = DescriptionVersion();
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

void ResetKeyboardFocus() { SetFocus(-1); }

int KeyboardFocus() {
    if (FocusVersion != DescriptionVersion()) SetFocus(Focus >= 0 ? FindTarget(FocusBox) : -1);
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
