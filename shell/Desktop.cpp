// What a desktop or a browser offers beyond a stylus, as its backend posts
// it: a typed character taps the matching key of the on-screen keyboard, a
// wheel step taps a scroll arrow of the text view under the pointer, copy
// puts the reading on screen on the clipboard, and the screen is saved or
// brought forward. A tap made here goes through the window procedure as a
// press and a release, so it does exactly what a stylus tap there does,
// feedback included. Each starts by painting what earlier messages left
// invalid, so that it finds the screen they left.
#include "draw/TextView.h"
#include "platform/Platform.h"
#include "screens/Keyboard.h"
#include "shell/core/Display.h"
#include "shell/Pages.h"
#include "shell/Shell.h"
#include "shell/core/State.h"

namespace {

// A character needs at most a page switch before its key.
constexpr int MostTapsPerCharacter = 2;
// More than the text view holds.
constexpr int ReadingCapacity = 8192;

void TapAt(LayoutPoint point, LayoutPoint shift) {
    const LayoutPoint pixel = LayoutToPixel(point, shift);
    WindowProcedureMain(MessageButtonDown, 1, PackPoint(pixel.X, pixel.Y));
    WindowProcedureMain(MessageButtonUp, 0, PackPoint(pixel.X, pixel.Y));
}

// The text view a tap would reach now, and the shift of its form: popups
// draw theirs unshifted, report pages theirs shifted like the page.
bool ViewOnScreen(LayoutPoint* shift) {
    if (PopupScreen != PopupNone) {
        const Page* popup = FindPage(Layer::Popup, PopupScreen);
        *shift = {0, 0};
        return popup && popup->TextView;
    }
    const Page* page = FindPage(Layer::Page, BaseScreen);
    *shift = LayoutShift;
    return page && page->TextView;
}

}  // namespace

void TypeCharacter(wchar_t character) {
    for (int tap = 0; tap < MostTapsPerCharacter; ++tap) {
        PlatformUpdateWindow();
        LayoutPoint key{};
        bool more = false;
        if (InputPanel != PanelKeyboard || !KeyboardKeyFor(character, &key, &more)) return;
        TapAt(key, LayoutShift);
        if (!more) return;
    }
}

void WheelStep(int direction, int x, int y) {
    PlatformUpdateWindow();
    LayoutPoint shift{};
    // An open panel takes every tap: the wheel must not reach under it.
    if (InputPanel != PanelNone || !ViewOnScreen(&shift)) return;
    const LayoutPoint at = PixelToLayout(x, y, shift);
    LayoutPoint arrow{};
    if (ScrollArrowAt(at.X, at.Y, direction < 0 ? -1 : 1, &arrow.X, &arrow.Y)) TapAt(arrow, shift);
}

// The reading as the screen's description tells it (its heading, result
// line and ratings, then the reading); without a reading on screen the
// clipboard keeps what it had.
void CopyReading() {
    PlatformUpdateWindow();
    static wchar_t text[ReadingCapacity];
    LayoutPoint shift{};
    if (ViewOnScreen(&shift) && PlatformDescribedReading(text, ReadingCapacity) > 0) PlatformSetClipboard(text);
}

void SaveScreen() {
    PlatformUpdateWindow();
    PlatformSaveScreen();
}

// A later copy was started: this one takes the full-screen state again and
// repaints, as on activation.
void ComeForward() {
    PlatformFullScreenRequest(FullScreenFlags);
    PlatformInvalidateWindow();
}
