// The tap layer: converts stylus positions to layout units and routes each
// tap to the topmost layer: entry panel, else popup, else the page.
#include "screens/Panels.h"
#include "shell/Pages.h"
#include "shell/Shell.h"
#include "shell/core/Display.h"
#include "shell/core/State.h"

void TapDown(int x, int y) {
    const LayoutPoint at = PixelToLayout(x, y, SurfaceShift(Surface::Page));
    const Page* layer = InputPanel == PanelNone ? FindPage(Layer::Page, BaseScreen) : FindPage(Layer::Panel, InputPanel);
    if (layer) layer->Tap(at.X, at.Y);
}

void TapUp(int x, int y) {
    const LayoutPoint at = PixelToLayout(x, y, SurfaceShift(Surface::Page));
    if (InputPanel == PanelMessageBox || InputPanel == PanelConfirm) PanelButtonUp(at.X, at.Y);
}

// No page, popup or panel reacts to a drag; the position is converted only.
void Drag(int, int) {}

void PopupTap(int x, int y) {
    const LayoutPoint at = PixelToLayout(x, y, SurfaceShift(Surface::Popup));
    if (const Page* popup = FindPage(Layer::Popup, PopupScreen)) popup->Tap(at.X, at.Y);
}
