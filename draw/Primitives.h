// The drawing primitives. Callers give layout units of the 240-wide design
// and a surface (shell/core/Display.h): on a page every position moves with
// LayoutShift, on a popup it does not; then it is doubled on the
// double-resolution modes. The forms without a surface draw on the page.
// Bitmap sizes are device pixels and are never scaled.
#pragma once

#include "generated/PictureNames.h"
#include "platform/Platform.h"
#include "shell/core/Display.h"

constexpr Colour UsualKey{255, 204, 255};

// A colour from three components, of which only the low eight bits count.
constexpr Colour MakeColour(int r, int g, int b) {
    return {static_cast<uint8_t>(r & 0xFF), static_cast<uint8_t>(g & 0xFF), static_cast<uint8_t>(b & 0xFF)};
}

// Replaces the toolkit's current font (face Tahoma); the caller selects it.
void SetTextFont(const wchar_t* face, int height, int weight);
FontHandle CurrentFont();
// The width in pixels of a text in the font SetTextFont(height, weight)
// makes, measured without a device context (for taps).
int MeasureText(int height, int weight, const wchar_t* text);

void FillBoxOn(DeviceContext* dc, Surface surface, int r, int g, int b, int left, int top, int right,
               int bottom);
inline void FillBox(DeviceContext* dc, int r, int g, int b, int left, int top, int right, int bottom) {
    FillBoxOn(dc, Surface::Page, r, g, b, left, top, right, bottom);
}
void DrawBitmapOn(DeviceContext* dc, Surface surface, int id, int width, int height, int x, int y);
inline void DrawBitmap(DeviceContext* dc, int id, int width, int height, int x, int y) {
    DrawBitmapOn(dc, Surface::Page, id, width, height, x, y);
}
// A page's background: the layout's area and the bands the centring shift
// opens beside it (TallBands, WideBands). The narrow layouts are filled 320
// units down, what the 240-unit-high one does not show included.
void FillLayoutArea(DeviceContext* dc, int r, int g, int b);
// x and y are device pixels here; only the (scaled) shift is added.
void StretchBitmap(DeviceContext* dc, int id, int sourceWidth, int sourceHeight, int x, int y,
                   int width, int height);
void DrawKeyedBitmapOn(DeviceContext* dc, Surface surface, int id, int width, int height, int x, int y,
                       Colour key);
inline void DrawKeyedBitmap(DeviceContext* dc, int id, int width, int height, int x, int y, int keyR,
                            int keyG, int keyB) {
    DrawKeyedBitmapOn(dc, Surface::Page, id, width, height, x, y, MakeColour(keyR, keyG, keyB));
}
// The picture of a pair that the display mode draws: the double-size one on
// the double-resolution modes, else the quarter-size one.
int ForResolution(PicturePair pair);
// A pair whose double-size picture is exactly twice the quarter-size one,
// given by the quarter-size picture's size, drawn at a layout position.
void DrawPicturePairOn(DeviceContext* dc, Surface surface, PicturePair pair, int width, int height, int x,
                       int y);
inline void DrawPicturePair(DeviceContext* dc, PicturePair pair, int width, int height, int x, int y) {
    DrawPicturePairOn(dc, Surface::Page, pair, width, height, x, y);
}
void DrawKeyedPicturePair(DeviceContext* dc, PicturePair pair, int width, int height, int x, int y,
                          Colour key);
void DrawTextBoxOn(DeviceContext* dc, Surface surface, const wchar_t* text, int r, int g, int b, int backR,
                   int backG, int backB, int left, int top, int right, int bottom, int transparent,
                   int format);
inline void DrawTextBox(DeviceContext* dc, const wchar_t* text, int r, int g, int b, int backR, int backG,
                        int backB, int left, int top, int right, int bottom, int transparent, int format) {
    DrawTextBoxOn(dc, Surface::Page, text, r, g, b, backR, backG, backB, left, top, right, bottom,
                  transparent, format);
}
void DrawLineOn(DeviceContext* dc, Surface surface, int r, int g, int b, int x1, int y1, int x2, int y2);
inline void DrawLine(DeviceContext* dc, int r, int g, int b, int x1, int y1, int x2, int y2) {
    DrawLineOn(dc, Surface::Page, r, g, b, x1, y1, x2, y2);
}
// A white or coloured rounded box with a one-unit outline (two pixels on the
// double-resolution modes); the corner ellipse is given in layout units.
void DrawRoundBox(DeviceContext* dc, int fillR, int fillG, int fillB, int lineR, int lineG,
                  int lineB, int left, int top, int right, int bottom, int ellipse);
