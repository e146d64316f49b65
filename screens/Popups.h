// The popups drawn over the page: About, Help and the extras result. They
// occupy the band (0, 0)–(240, PopupBand) at the window's top left and
// ignore the centring shift.
#pragma once

struct DeviceContext;

// White panel, title bar with its close cross, borders, bottom bar, caption;
// the heading (and the title) that name the popup for a reader.
void DrawPopupFrame(DeviceContext* dc, const wchar_t* caption, const wchar_t* heading);
void DrawAboutPopup(DeviceContext* dc);
void DrawHelpPopup(DeviceContext* dc);
// The result of the extras page's button: tree, birthday colour or Chinese sign.
void DrawExtrasPopup(DeviceContext* dc);
// The open popup's text view (a TextViewSource): Help's and the extras
// result's.
struct TextViewPlace;
bool PopupTextView(TextViewPlace* place);
// A tap (layout units, unshifted) on the open popup: its close cross, then
// its text view's scroll arrows.
void PopupLayerTap(int x, int y);
