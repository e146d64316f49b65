#include "draw/Primitives.h"

#include "shell/core/Display.h"
#include "shell/core/State.h"

namespace {

FontHandle Current = 0;

void Copy(DeviceContext* dc, Surface surface, int id, int width, int height, int x, int y,
          const Colour* key) {
    const LayoutPoint at = LayoutToPixel({x, y}, SurfaceShift(surface));
    PlatformCopyPicture(dc, id, width, height, at.X, at.Y, key);
}

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

void FillBoxOn(DeviceContext* dc, Surface surface, int r, int g, int b, int left, int top, int right,
               int bottom) {
    PlatformFillRect(dc, LayoutToPixels(SurfaceShift(surface), left, top, right, bottom), MakeColour(r, g, b));
}

void FillLayoutArea(DeviceContext* dc, int r, int g, int b) {
    const int width = WideLayout() ? 320 : 240, height = WideLayout() && ShortLayout() ? 240 : 320;
    const int across = WideBands() ? 40 : 0, down = TallBands() ? 40 : 0;
    FillBox(dc, r, g, b, -across, -down, width + 2 * across, height + 2 * down);
}

void DrawBitmapOn(DeviceContext* dc, Surface surface, int id, int width, int height, int x, int y) {
    Copy(dc, surface, id, width, height, x, y, nullptr);
}

void StretchBitmap(DeviceContext* dc, int id, int sourceWidth, int sourceHeight, int x, int y,
                   int width, int height) {
    const LayoutPoint shift = LayoutToPixel({0, 0}, LayoutShift);
    PlatformStretchPicture(dc, id, sourceWidth, sourceHeight, x + shift.X, y + shift.Y, width,
                           height);
}

void DrawKeyedBitmapOn(DeviceContext* dc, Surface surface, int id, int width, int height, int x, int y,
                       Colour key) {
    Copy(dc, surface, id, width, height, x, y, &key);
}

int ForResolution(PicturePair pair) { return DoubleResolution() ? pair.Large : pair.Small; }

void DrawPicturePairOn(DeviceContext* dc, Surface surface, PicturePair pair, int width, int height, int x,
                       int y) {
    const int scale = CurrentDisplayMode().Scale;
    Copy(dc, surface, ForResolution(pair), scale * width, scale * height, x, y, nullptr);
}
void DrawKeyedPicturePair(DeviceContext* dc, PicturePair pair, int width, int height, int x, int y,
                          Colour key) {
    const int scale = CurrentDisplayMode().Scale;
    Copy(dc, Surface::Page, ForResolution(pair), scale * width, scale * height, x, y, &key);
}

void DrawTextBoxOn(DeviceContext* dc, Surface surface, const wchar_t* text, int r, int g, int b, int backR,
                   int backG, int backB, int left, int top, int right, int bottom, int transparent,
                   int format) {
    PlatformSetTextColour(dc, MakeColour(r, g, b));
    PlatformSetBackground(dc, transparent == 1, MakeColour(backR, backG, backB));
    if (transparent == 0) FillBoxOn(dc, surface, backR, backG, backB, left, top, right, bottom);
    PlatformDrawText(dc, text, LayoutToPixels(SurfaceShift(surface), left, top, right, bottom), format == 1);
}

void DrawLineOn(DeviceContext* dc, Surface surface, int r, int g, int b, int x1, int y1, int x2, int y2) {
    const PixelRect ends = LayoutToPixels(SurfaceShift(surface), x1, y1, x2, y2);
    PlatformLine(dc, ends.Left, ends.Top, ends.Right, ends.Bottom, UnitsToPixels(1), MakeColour(r, g, b));
}

void DrawRoundBox(DeviceContext* dc, int fillR, int fillG, int fillB, int lineR, int lineG,
                  int lineB, int left, int top, int right, int bottom, int ellipse) {
    PlatformRoundRect(dc, LayoutToPixels(LayoutShift, left, top, right, bottom),
                      UnitsToPixels(ellipse), UnitsToPixels(ellipse), MakeColour(fillR, fillG, fillB),
                      MakeColour(lineR, lineG, lineB), UnitsToPixels(1));
}
