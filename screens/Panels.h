// The message panel ("ok") and the confirmation panel ("yes" / "no").
#pragma once

// Press and release on the open panel, layout units.
void PanelButtonDown(int x, int y);
void PanelButtonUp(int x, int y);

struct PanelGeometry {
    int BandLeft, BandRight, BandTop;  // the band's x range and top line
    int ButtonX, ButtonY;              // the first button's top left
    int TextWidth;
};

// Where the open panel (InputPanel 10 or 11) stands in the current mode.
PanelGeometry PanelLayout();
