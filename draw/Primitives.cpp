#include "draw/Primitives.h"

#include "shell/core/Display.h"
#include "shell/core/State.h"

namespace {

FontHandle Current = 0;

Colour MakeColour(int r, int g, int b) {
    // Only the low eight bits of each component count.
    return {static_cast<uint8_t>(r & 0xFF), static_cast<uint8_t>(g & 0xFF),
            static_cast<uint8_t>(b & 0xFF)};
}

// Both forms share one body each; `shift` is LayoutShift or (0, 0).
void Fill(DeviceContext* dc, LayoutPoint shift, int r, int g, int b, int left, int top,
          int right, int bottom) {
    PlatformFillRect(dc, LayoutToPixels(shift, left, top, right, bottom), MakeColour(r, g, b));
}

void Copy(DeviceContext* dc, LayoutPoint shift, int id, int width, int height, int x, int y,
          const Colour* key) {
    const LayoutPoint at = LayoutToPixel({x, y}, shift);
    PlatformCopyPicture(dc, id, width, height, at.X, at.Y, key);
}

void Text(DeviceContext* dc, LayoutPoint shift, const wchar_t* text, int r, int g, int b,
          int backR, int backG, int backB, int left, int top, int right, int bottom,
          int transparent, int format) {
    PlatformSetTextColour(dc, MakeColour(r, g, b));
    PlatformSetBackground(dc, transparent == 1, MakeColour(backR, backG, backB));
    if (transparent == 0) Fill(dc, shift, backR, backG, backB, left, top, right, bottom);
    PlatformDrawText(dc, text, LayoutToPixels(shift, left, top, right, bottom), format == 1);
}

void Line(DeviceContext* dc, LayoutPoint shift, int r, int g, int b, int x1, int y1, int x2,
          int y2) {
    const PixelRect ends = LayoutToPixels(shift, x1, y1, x2, y2);
    PlatformLine(dc, ends.Left, ends.Top, ends.Right, ends.Bottom, UnitsToPixels(1),
                 MakeColour(r, g, b));
}

constexpr LayoutPoint NoShift{0, 0};

// A font's cell height in pixels: a little under twice its height on the
// double-resolution modes.
int FontPixels(int height) { return DoubleResolution() ? 2 * height - 1 : height; }

}  // namespace

void SetTextFont(const wchar_t*, int height, int weight) {
    // The face is always Tahoma; the platform's text service provides it.
    if (Current) PlatformDeleteFont(Current);
    Current = PlatformCreateFont(FontPixels(height), weight);
}

int MeasureText(int height, int weight, const wchar_t* text) {
    return PlatformMeasureText(FontPixels(height), weight, text);
}

FontHandle CurrentFont() { return Current; }

void FillBox(DeviceContext* dc, int r, int g, int b, int left, int top, int right, int bottom) {
    Fill(dc, LayoutShift, r, g, b, left, top, right, bottom);
}
void FillBoxFixed(DeviceContext* dc, int r, int g, int b, int left, int top, int right,
                  int bottom) {
    Fill(dc, NoShift, r, g, b, left, top, right, bottom);
}

void DrawBitmap(DeviceContext* dc, int id, int width, int height, int x, int y) {
    Copy(dc, LayoutShift, id, width, height, x, y, nullptr);
}
void DrawBitmapFixed(DeviceContext* dc, int id, int width, int height, int x, int y) {
    Copy(dc, NoShift, id, width, height, x, y, nullptr);
}

void StretchBitmap(DeviceContext* dc, int id, int sourceWidth, int sourceHeight, int x, int y,
                   int width, int height) {
    const LayoutPoint shift = LayoutToPixel({0, 0}, LayoutShift);
    PlatformStretchPicture(dc, id, sourceWidth, sourceHeight, x + shift.X, y + shift.Y, width,
                           height);
}

void DrawKeyedBitmap(DeviceContext* dc, int id, int width, int height, int x, int y, int keyR,
                     int keyG, int keyB) {
    const Colour key = MakeColour(keyR, keyG, keyB);
    Copy(dc, LayoutShift, id, width, height, x, y, &key);
}
void DrawKeyedBitmapFixed(DeviceContext* dc, int id, int width, int height, int x, int y,
                          int keyR, int keyG, int keyB) {
    const Colour key = MakeColour(keyR, keyG, keyB);
    Copy(dc, NoShift, id, width, height, x, y, &key);
}

int ForResolution(PicturePair pair) { return DoubleResolution() ? pair.Large : pair.Small; }

void DrawPicturePair(DeviceContext* dc, PicturePair pair, int width, int height, int x, int y) {
    const int scale = CurrentDisplayMode().Scale;
    Copy(dc, LayoutShift, ForResolution(pair), scale * width, scale * height, x, y, nullptr);
}
void DrawKeyedPicturePair(DeviceContext* dc, PicturePair pair, int width, int height, int x, int y,
                          Colour key) {
    const int scale = CurrentDisplayMode().Scale;
    Copy(dc, LayoutShift, ForResolution(pair), scale * width, scale * height, x, y, &key);
}

void DrawTextBox(DeviceContext* dc, const wchar_t* text, int r, int g, int b, int backR,
                 int backG, int backB, int left, int top, int right, int bottom, int transparent,
                 int format) {
    Text(dc, LayoutShift, text, r, g, b, backR, backG, backB, left, top, right, bottom,
         transparent, format);
}
void DrawTextBoxFixed(DeviceContext* dc, const wchar_t* text, int r, int g, int b, int backR,
                      int backG, int backB, int left, int top, int right, int bottom,
                      int transparent, int format) {
    Text(dc, NoShift, text, r, g, b, backR, backG, backB, left, top, right, bottom, transparent,
         format);
}

void DrawLine(DeviceContext* dc, int r, int g, int b, int x1, int y1, int x2, int y2) {
    Line(dc, LayoutShift, r, g, b, x1, y1, x2, y2);
}
void DrawLineFixed(DeviceContext* dc, int r, int g, int b, int x1, int y1, int x2, int y2) {
    Line(dc, NoShift, r, g, b, x1, y1, x2, y2);
}

void DrawRoundBox(DeviceContext* dc, int fillR, int fillG, int fillB, int lineR, int lineG,
                  int lineB, int left, int top, int right, int bottom, int ellipse) {
    PlatformRoundRect(dc, LayoutToPixels(LayoutShift, left, top, right, bottom),
                      UnitsToPixels(ellipse), UnitsToPixels(ellipse), MakeColour(fillR, fillG, fillB),
                      MakeColour(lineR, lineG, lineB), UnitsToPixels(1));
}
