// Repaint operations used by every handler: invalidate without erasing,
// then update at once (the paint runs before the call returns).
#pragma once

// A layout rectangle: shifted by LayoutShift unless a popup is open, scaled.
void RepaintRect(int left, int top, int right, int bottom);
// The same, invalidated only: the next paint shows it.
void InvalidateLayoutRect(int left, int top, int right, int bottom);
// (0, 0)–(240, height) in layout units, never shifted: the popup band.
void RepaintBand(int height);
// The band at the bottom of the layout where the entry panels sit.
void RepaintPanelBand();
// The same two repaints drawing the open entry panel alone (PanelOnly).
void RepaintPanelOnly(int left, int top, int right, int bottom);
void RepaintPanelBandOnly();
void RepaintAll();
