#include "draw/TextView.h"

#include "platform/Platform.h"
#include "shell/Repaint.h"
#include "shell/State.h"

int ScrollOffset, MaxScrollOffset, LineCount, ScrollStarted;
unsigned char ScrollActive;
TextViewRect ViewRect;

namespace {

// Only the view's rows move; the page redraws its content around them.
void RepaintView() {
    RedrawAll = 0;
    RepaintRect(ViewRect.X, ViewRect.Y, ViewRect.X + ViewRect.Width + 5,
                ViewRect.Y + ViewRect.Height);
}

bool Step(int delta) {
    const int next = ScrollOffset + delta;
    if (next < 0 || next > MaxScrollOffset) return false;
    ScrollOffset = next;
    RepaintView();
    return true;
}

}  // namespace

void ScrollTap(int x, int y) {
    if (!ScrollActive) return;
    const int ax = ViewRect.X + ViewRect.Width - 11;
    if (x < ax - 13 || x > ax + 27) return;
    if (y >= ViewRect.Y - 12 && y <= ViewRect.Y + 27) {
        Step(-1);
        return;
    }
    const int dy = ViewRect.Y + ViewRect.Height - 5;
    if (y >= dy - 20 && y <= dy + 19) Step(+1);
}

void ScrollKey(int keyCode) {
    if (!ScrollActive) return;
    if (keyCode == KeyCodeUp) Step(-1);
    if (keyCode == KeyCodeDown) Step(+1);
}

void ResetScroll() { ScrollStarted = 0; }
