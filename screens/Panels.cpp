#include "screens/Panels.h"

#include "draw/Primitives.h"
#include "screens/Keyboard.h"
#include "screens/ResultPage.h"

#include "shell/core/Repaint.h"
#include "shell/core/State.h"
#include "shell/core/Targets.h"

namespace {

constexpr int ButtonWidth = 210, ButtonHeight = 31, SecondButtonOffset = 34;

LayoutRect ButtonRect(const PanelGeometry& panel, int button) {
    const int top = panel.ButtonY + (button == 2 ? SecondButtonOffset : 0);
    return {panel.ButtonX, top, panel.ButtonX + ButtonWidth, top + ButtonHeight};
}

bool InButton(const PanelGeometry& panel, int button, int x, int y) {
    return Contains(ButtonRect(panel, button), x, y);
}

int ButtonAt(const PanelGeometry& panel, int x, int y) {
    if (InButton(panel, 1, x, y)) return 1;
    if (InputPanel == PanelConfirm && InButton(panel, 2, x, y)) return 2;
    return 0;
}

void RepaintButton(const PanelGeometry& panel, int button) {
    const int top = panel.ButtonY + (button == 2 ? SecondButtonOffset : 0);
    RepaintPanelOnly(panel.ButtonX, top, panel.ButtonX + ButtonWidth, top + ButtonHeight);
}

void RepaintBandOf(const PanelGeometry& panel) {
    InvalidateLayoutRect(panel.BandLeft, panel.BandTop, panel.BandRight, panel.BandTop + 100);
}

}  // namespace

PanelGeometry PanelLayout() {
    // The band runs across the layout, and on a wide screen across the bands
    // beside it too; it stands 100 units above the layout's bottom, lower
    // by the band below it on a tall screen.
    const int width = WideLayout() ? 320 : 240, band = WideBands() ? 40 : 0;
    const int top = (ShortLayout() ? 140 : 220) + (TallBands() ? 40 : 0);
    PanelGeometry panel{-band, width + band, top, WideLayout() ? 55 : 15, top + 50, width};
    if (InputPanel == PanelConfirm) {
        // The confirmation's buttons stand higher to make room for the second.
        panel.ButtonY = top + 33;
        panel.BandTop = top;
    }
    return panel;
}

void PanelButtonDown(int x, int y) {
    const PanelGeometry panel = PanelLayout();
    if (const int button = ButtonAt(panel, x, y)) {
        PressedButton = button;
        RepaintButton(panel, button);
    }
}

void PanelButtonUp(int x, int y) {
    const PanelGeometry panel = PanelLayout();
    const int button = ButtonAt(panel, x, y);
    if (button == 0) {
        if (PressedButton == 0) return;
        const int pressed = PressedButton;
        PressedButton = 0;
        RepaintButton(panel, pressed);
        return;
    }
    const bool confirm = InputPanel == PanelConfirm;
    InputPanel = PanelNone;
    PressedButton = 0;
    if (!confirm) {
        if (BaseScreen == ScreenBirthDate || BaseScreen == ScreenExtras) RepaintAll();
        else RepaintBandOf(panel);
    } else if (button == 1) {
        AbandonReport();
    } else if (BaseScreen == ScreenResult) {
        RepaintPanelBand();
    }
}

namespace {

void DrawBand(DeviceContext* dc, const PanelGeometry& panel, int bottom) {
    const int left = panel.BandLeft, right = panel.BandRight, top = panel.BandTop;
    FillBox(dc, 0, 0, 0, left, top, right, top + 1);
    FillBox(dc, 201, 203, 208, left, top + 1, right, top + 2);
    FillBox(dc, 90, 100, 110, left, top + 2, right, top + 27);
    FillBox(dc, 80, 87, 98, left, top + 27, right, bottom);
}

void DrawPanelButton(DeviceContext* dc, int x, int y, bool pressed) {
    DrawPicturePair(dc, pressed ? PictureFramePanelButtonPressed : PictureFramePanelButton, 210, 31, x, y);
}

void DrawCentred(DeviceContext* dc, const wchar_t* text, int height, int width, int top, int bottom) {
    SetTextFont(L"Tahoma", height, 700);
    PlatformSelectFont(dc, CurrentFont());
    DrawTextBox(dc, text, 255, 255, 255, 0, 0, 0, 0, top, width, bottom, 1, 1);
}

}  // namespace

void DrawMessagePanel(DeviceContext* dc) {
    const PanelGeometry panel = PanelLayout();
    const int bx = panel.ButtonX, by = panel.ButtonY;
    DrawBand(dc, panel, panel.BandTop + 100);
    DrawPanelButton(dc, bx, by, PressedButton == 1);
    const FontHandle previous = PlatformSelectFont(dc, CurrentFont());
    DrawCentred(dc, PanelMessage ? PanelMessage : L"", 15, panel.TextWidth, by - 43, by - 20);
    DrawCentred(dc, L"ok", 18, panel.TextWidth, by + 5, by + 25);
    PlatformSelectFont(dc, previous);
    PlatformDescribeAlert(PanelMessage ? PanelMessage : L"");
    DescribeBox({0, by - 43, panel.TextWidth - 1, by - 21});
    DescribeTarget(ButtonRect(panel, 1), RoleButton, L"ok");
}

void DrawConfirmPanel(DeviceContext* dc) {
    const PanelGeometry panel = PanelLayout();
    const int bx = panel.ButtonX, by = panel.ButtonY;
    DrawBand(dc, panel, by + 67);
    DrawPanelButton(dc, bx, by, PressedButton == 1);
    DrawPanelButton(dc, bx, by + SecondButtonOffset, PressedButton == 2);
    const FontHandle previous = PlatformSelectFont(dc, CurrentFont());
    DrawCentred(dc, PanelMessage ? PanelMessage : L"", 15, panel.TextWidth, by - 26, by);
    DrawCentred(dc, L"yes", 18, panel.TextWidth, by + 5, by + 25);
    DrawCentred(dc, L"no", 18, panel.TextWidth, by + 39, by + 59);
    PlatformSelectFont(dc, previous);
    PlatformDescribeAlert(PanelMessage ? PanelMessage : L"");
    DescribeBox({0, by - 26, panel.TextWidth - 1, by - 1});
    // Plain buttons: their pressed look lasts only while the stylus is down.
    DescribeTarget(ButtonRect(panel, 1), RoleButton, L"yes");
    DescribeTarget(ButtonRect(panel, 2), RoleButton, L"no");
}
