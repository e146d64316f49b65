// The tap layer: converts stylus positions to layout units and routes each
// tap to the topmost layer: entry panel, else popup, else the page.
#include "screens/BirthDate.h"
#include "screens/Keyboard.h"
#include "screens/Panels.h"
#include "screens/Popups.h"
#include "screens/Screens.h"
#include "shell/Shell.h"
#include "shell/core/Display.h"
#include "shell/core/State.h"

namespace {

void PageTap(int x, int y) {
    switch (BaseScreen) {
    case ScreenMainMenu: MainMenuTap(x, y); break;
    case ScreenCompatibilityPicker: CompatibilityPickerTap(x, y); break;
    case ScreenForecastPicker: ForecastPickerTap(x, y); break;
    case ScreenProfilePicker: ProfilePickerTap(x, y); break;
    case ScreenBirthDate: BirthDateTap(x, y); break;
    case ScreenResult: ResultViewTap(x, y); break;
    case ScreenExtras: ExtrasMenuTap(x, y); break;
    default: break;
    }
}

}  // namespace

void TapDown(int x, int y) {
    const LayoutPoint at = PixelToLayout(x, y, LayoutShift);
    switch (InputPanel) {
    case PanelNone: PageTap(at.X, at.Y); break;
    case PanelMessageBox:
    case PanelConfirm: PanelButtonDown(at.X, at.Y); break;
    case PanelKeyboard: KeyboardTap(at.X, at.Y); break;
    default: break;
    }
}

void TapUp(int x, int y) {
    const LayoutPoint at = PixelToLayout(x, y, LayoutShift);
    if (InputPanel == PanelMessageBox || InputPanel == PanelConfirm) PanelButtonUp(at.X, at.Y);
}

// No page, popup or panel reacts to a drag; the position is converted only.
void Drag(int, int) {}

void PopupTap(int x, int y) {
    const LayoutPoint at = PixelToLayout(x, y, {0, 0});
    PopupLayerTap(at.X, at.Y);
}
