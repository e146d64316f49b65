// The window procedure: routes every message of the one window, and the
// paint dispatcher that draws the three layers (page, popup, entry panel).
#include "draw/TextView.h"
#include "platform/Platform.h"
#include "screens/Keyboard.h"
#include "screens/Popups.h"
#include "screens/Screens.h"
#include "shell/core/Display.h"
#include "shell/Pages.h"
#include "shell/Shell.h"
#include "shell/core/State.h"

#include <cwchar>

namespace {

void DrawLayer(DeviceContext* dc, Layer layer, int value) {
    if (const Page* page = FindPage(layer, value)) page->Paint(dc);
}

// The page on screen has a text view that the page keys scroll.
bool PageHasTextView() {
    const Page* page = FindPage(Layer::Page, BaseScreen);
    return page && page->TextView;
}

// Names the screen a layer shows, so that a reader can tell another screen
// from a page turned or a value changed on the same one: the page's
// screen, its step and report, and the topic where a topic is a screen of
// its own; the popup; the panel.
void DescribeScreenKey(int layer) {
    wchar_t key[48];
    if (layer == LayerPage) {
        const bool topicScreen = BaseScreen == ScreenResult &&
                                 (ResultKind == KindNumerology || (ResultKind == KindProfile && ProfileReadAll == 0));
        std::swprintf(key, 48, L"page %d.%d.%d.%d", BaseScreen, SubPage, BaseScreen == ScreenResult ? ResultKind : 0,
                      topicScreen ? ReportPage : 0);
    } else if (layer == LayerPopup) {
        std::swprintf(key, 48, L"popup %d.%d", PopupScreen, PopupScreen == PopupExtras ? EntryField : 0);
    } else {
        std::swprintf(key, 48, L"panel %d", InputPanel);
    }
    PlatformDescribeScreen(key);
}

void Paint() {
    DeviceContext* dc = PlatformBeginPaint();
    RefreshClassification();
    // Each layer drawn describes itself afresh; a closed one is described
    // as empty.
    if (PanelOnly == 0) {
        if ((InputPanel == PanelNone && PopupScreen == PopupNone) || RedrawAll == 1) {
            PlatformDescribeLayer(LayerPage);
            DescribeScreenKey(LayerPage);
            DrawLayer(dc, Layer::Page, BaseScreen);
        }
        RedrawAll = 0;
        PlatformDescribeLayer(LayerPopup);
        if (PopupScreen > 0) DescribeScreenKey(LayerPopup);
        DrawLayer(dc, Layer::Popup, PopupScreen);
    }
    PlatformDescribeLayer(LayerPanel);
    if (InputPanel > 0) {
        DescribeScreenKey(LayerPanel);
        DrawLayer(dc, Layer::Panel, InputPanel);
        PanelOnly = 0;
    }
    PlatformEndPaint(dc);
}

void Activate(long state) {
    if (state == 0) {
        WasDeactivated = 1;
        return;
    }
    if (state != 1 && state != 2) return;
    if (PopupScreen > 0 || InputPanel > 0) RedrawAll = 1;
    if (WasDeactivated == 1) {
        const PixelRect rect = PlatformWindowRect();
        PlatformFullScreenRequest(FullScreenFlags);
        PlatformMoveWindow(rect.Left, rect.Top, rect.Right, rect.Bottom + HeightExtra, true);
        WasDeactivated = 0;
    }
}

void ScreenChanged(bool moved) {
    RefreshClassification();
    if (InputPanel == PanelKeyboard) {
        PlaceKeyboard();
        ScreenReady = 0;
    }
    if (moved) {
        if (PageHasTextView()) ScrollOffset = 0;
        else if (BaseScreen == ScreenMainMenu) ScreenReady = 0;
    }
    if (PopupScreen > 0 || InputPanel > 0) RedrawAll = 1;
}

int PointX(long second) { return static_cast<int>(second & 0xFFFF); }
int PointY(long second) { return static_cast<int>((second >> 16) & 0xFFFF); }

bool PageTakesTaps() { return InputPanel > 0 || PopupScreen == PopupNone; }

// Up and down step a popup's text; the page keys move a popup's text or a
// report's, when no entry panel is open.
void ScrollKeyDown(int code) {
    LayoutPoint shift{};
    const TextViewSource view = TextViewOnScreen(&shift);
    if (code == KeyCodeUp || code == KeyCodeDown) {
        if (PopupScreen > 0) ScrollKey(view, code);
        return;
    }
    if (InputPanel == PanelNone) ScrollKey(view, code);
}

}  // namespace

TextViewSource TextViewOnScreen(LayoutPoint* shift) {
    if (PopupScreen != PopupNone) {
        const Page* popup = FindPage(Layer::Popup, PopupScreen);
        *shift = {0, 0};
        return popup && popup->TextView ? PopupTextView : nullptr;
    }
    *shift = LayoutShift;
    return PageHasTextView() ? ReportTextView : nullptr;
}

long WindowProcedureMain(int message, long first, long second) {
    switch (message) {
    case MessageCreate: return 0;
    case MessageDestroy: PlatformPostQuit(0); return 0;
    case MessageActivate: Activate(first); return 0;
    case MessagePaint: Paint(); return 0;
    case MessageSettingChange: ScreenChanged(false); return 0;
    case MessagePositionChanged: ScreenChanged(true); return 0;
    case MessageKeyDown:
        if (KeyLatch == 0) {
            KeyLatch = 1;
            ScrollKeyDown(static_cast<int>(first));
        }
        return 0;
    case MessageKeyUp: KeyLatch = 0; return 0;
    case MessageCommand: return PlatformDefaultHandling(message, first, second);
    case MessageMouseMove:
        if (PageTakesTaps()) Drag(PointX(second), PointY(second));
        return 0;
    case MessageButtonDown:
        if (PageTakesTaps()) TapDown(PointX(second), PointY(second));
        else PopupTap(PointX(second), PointY(second));
        return 0;
    case MessageButtonUp:
        if (SkipRelease == 0 && PageTakesTaps()) TapUp(PointX(second), PointY(second));
        SkipRelease = 0;
        return 0;
    case MessageTypedCharacter: TypeCharacter(static_cast<wchar_t>(first)); return 0;
    case MessageWheel: WheelStep(static_cast<int>(first), PointX(second), PointY(second)); return 0;
    case MessageCopy: CopyReading(); return 0;
    case MessageSaveScreen: SaveScreen(); return 0;
    case MessageComeForward: ComeForward(); return 0;
    default: return PlatformDefaultHandling(message, first, second);
    }
}
