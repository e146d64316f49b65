// The drawing primitives. Callers give layout units of the 240-wide design;
// the page form adds LayoutShift, and every position is doubled on the
// double-resolution modes. The fixed form (…Fixed) adds no shift: popups use
// it. Bitmap sizes are device pixels and are never scaled.
#pragma once

#include "generated/PictureNames.h"
#include "platform/Platform.h"

constexpr Colour UsualKey{255, 204, 255};

// Replaces the toolkit's current font (face Tahoma); the caller selects it.
void SetTextFont(const wchar_t* face, int height, int weight);
FontHandle CurrentFont();
// The width in pixels of a text in the font SetTextFont(height, weight)
// makes, measured without a device context (for taps).
int MeasureText(int height, int weight, const wchar_t* text);

void FillBox(DeviceContext* dc, int r, int g, int b, int left, int top, int right, int bottom);
void FillBoxFixed(DeviceContext* dc, int r, int g, int b, int left, int top, int right, int bottom);
void DrawBitmap(DeviceContext* dc, int id, int width, int height, int x, int y);
void DrawBitmapFixed(DeviceContext* dc, int id, int width, int height, int x, int y);
// x and y are device pixels here; only the (scaled) shift is added.
void StretchBitmap(DeviceContext* dc, int id, int sourceWidth, int sourceHeight, int x, int y,
                   int width, int height);
void DrawKeyedBitmap(DeviceContext* dc, int id, int width, int height, int x, int y, int keyR,
                     int keyG, int keyB);
void DrawKeyedBitmapFixed(DeviceContext* dc, int id, int width, int height, int x, int y,
                          int keyR, int keyG, int keyB);
// The picture of a pair that the display mode draws: the double-size one on
// the double-resolution modes, else the quarter-size one.
int ForResolution(PicturePair pair);
// A pair whose double-size picture is exactly twice the quarter-size one,
// given by the quarter-size picture's size, drawn at a layout position.
void DrawPicturePair(DeviceContext* dc, PicturePair pair, int width, int height, int x, int y);
void DrawKeyedPicturePair(DeviceContext* dc, PicturePair pair, int width, int height, int x, int y,
                          Colour key);
void DrawTextBox(DeviceContext* dc, const wchar_t* text, int r, int g, int b, int backR,
                 int backG, int backB, int left, int top, int right, int bottom, int transparent,
                 int format);
void DrawTextBoxFixed(DeviceContext* dc, const wchar_t* text, int r, int g, int b, int backR,
                      int backG, int backB, int left, int top, int right, int bottom,
                      int transparent, int format);
void DrawLine(DeviceContext* dc, int r, int g, int b, int x1, int y1, int x2, int y2);
void DrawLineFixed(DeviceContext* dc, int r, int g, int b, int x1, int y1, int x2, int y2);
// A white or coloured rounded box with a one-unit outline (two pixels on the
// double-resolution modes); the corner ellipse is given in layout units.
void DrawRoundBox(DeviceContext* dc, int fillR, int fillG, int fillB, int lineR, int lineG,
                  int lineB, int left, int top, int right, int bottom, int ellipse);
