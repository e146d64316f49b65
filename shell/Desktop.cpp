// What a desktop or a browser offers beyond a stylus, as its backend posts
// it: a typed character taps the matching key of the on-screen keyboard, a
// wheel step taps a scroll arrow of the text view under the pointer, copy
// puts the reading on screen on the clipboard, and the screen is saved or
// brought forward. A tap made here goes through the window procedure as a
// press and a release, so it does exactly what a stylus tap there does,
// feedback included. Typed keys and the wheel find their targets from the
// state alone, as taps do; copy and save read what is painted, so they
// first paint what earlier messages left invalid, and so does a typed key,
// whose feedback repaints the keyboard alone.
#include "draw/TextView.h"
#include "platform/Platform.h"
#include "screens/Keyboard.h"
#include "shell/core/Display.h"
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

}  // namespace

void TypeCharacter(wchar_t character) {
    for (int tap = 0; tap < MostTapsPerCharacter; ++tap) {
        // The key's feedback repaints the keyboard alone (PanelOnly): what
        // earlier messages left invalid, a turned screen say, must be
        // painted in full before.
        PlatformUpdateWindow();
        LayoutPoint key{};
        bool more = false;
        if (InputPanel != PanelKeyboard || !KeyboardKeyFor(character, &key, &more)) return;
        TapAt(key, LayoutShift);
        if (!more) return;
    }
}

void WheelStep(int direction, int x, int y) {
    LayoutPoint shift{};
    const TextViewSource view = TextViewOnScreen(&shift);
    // An open panel takes every tap: the wheel must not reach under it.
    if (InputPanel != PanelNone || !view) return;
    const LayoutPoint at = PixelToLayout(x, y, shift);
    LayoutPoint arrow{};
    if (ScrollArrowAt(view, at.X, at.Y, direction < 0 ? -1 : 1, &arrow.X, &arrow.Y)) TapAt(arrow, shift);
}

// The reading as the screen's description tells it (its heading, result
// line and ratings, then the reading); without a reading on screen the
// clipboard keeps what it had.
void CopyReading() {
    // The reading is taken from the description, which painting makes.
    PlatformUpdateWindow();
    static wchar_t text[ReadingCapacity];
    LayoutPoint shift{};
    if (TextViewOnScreen(&shift) && PlatformDescribedReading(text, ReadingCapacity) > 0) PlatformSetClipboard(text);
}

void SaveScreen() {
    // The screen saved is the one painted.
    PlatformUpdateWindow();
    PlatformSaveScreen();
}

// A later copy was started: this one takes the full-screen state again and
// repaints, as on activation.
void ComeForward() {
    PlatformFullScreenRequest(FullScreenFlags);
    PlatformInvalidateWindow();
}
