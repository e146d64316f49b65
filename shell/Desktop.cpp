// The program's answers to a desktop's questions (typed keys, the mouse
// wheel, the clipboard). Each answer comes from where the knowledge lives,
// the keyboard or the text view, and is turned into device pixels the way
// the tap layer turns taps back into layout units, so that the tap the
// platform makes of it lands where the answer meant.
#include "draw/TextView.h"
#include "platform/Platform.h"
#include "screens/Keyboard.h"
#include "shell/Shell.h"
#include "shell/State.h"

namespace {

int Scale() { return DoubleResolution() ? 2 : 1; }

// The text view a tap would reach now, and the shift of its form: popups
// draw theirs unshifted, report pages theirs shifted like the page.
bool ViewOnScreen(LayoutPoint* shift) {
    if (PopupScreen == PopupExtras || PopupScreen == PopupHelp) {
        *shift = {0, 0};
        return true;
    }
    if (PopupScreen == PopupNone && BaseScreen == ScreenResult) {
        *shift = LayoutShift;
        return true;
    }
    return false;
}

bool KeyToTap(wchar_t character, int* x, int* y, bool* more) {
    LayoutPoint key{};
    if (InputPanel != PanelKeyboard || !KeyboardKeyFor(character, &key, more)) return false;
    *x = (key.X + LayoutShift.X) * Scale();
    *y = (key.Y + LayoutShift.Y) * Scale();
    return true;
}

bool ScrollArrowToTap(int x, int y, int direction, int* tapX, int* tapY) {
    LayoutPoint shift{};
    // An open panel takes every tap: the wheel must not reach under it.
    if (InputPanel != PanelNone || !ViewOnScreen(&shift)) return false;
    int arrowX = 0, arrowY = 0;
    if (!ScrollArrowAt(x / Scale() - shift.X, y / Scale() - shift.Y, direction, &arrowX, &arrowY))
        return false;
    *tapX = (arrowX + shift.X) * Scale();
    *tapY = (arrowY + shift.Y) * Scale();
    return true;
}

int ReadingOnScreen(wchar_t* text, int capacity) {
    LayoutPoint shift{};
    if (capacity < 1) return 0;
    if (!ViewOnScreen(&shift)) {
        text[0] = 0;
        return 0;
    }
    return LaidOutText(text, capacity);
}

}  // namespace

void RegisterDesktopQueries() {
    PlatformSetDesktopQueries({KeyToTap, ScrollArrowToTap, ReadingOnScreen});
}
