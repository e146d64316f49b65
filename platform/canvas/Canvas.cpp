// Solid fills, pen lines and rounded rectangles on the framebuffer, always
// clipped to the area being painted.
#include "platform/canvas/Device.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

PixelRect Clipped(const DeviceContext* dc, PixelRect r) {
    r.Left = std::max(r.Left, dc->Clip.Left);
    r.Top = std::max(r.Top, dc->Clip.Top);
    r.Right = std::min(r.Right, dc->Clip.Right);
    r.Bottom = std::min(r.Bottom, dc->Clip.Bottom);
    return r;
}

void FillSpan(DeviceContext* dc, int y, int left, int right, uint32_t pixel) {
    if (y < dc->Clip.Top || y >= dc->Clip.Bottom) return;
    left = std::max(left, dc->Clip.Left);
    right = std::min(right, dc->Clip.Right);
    if (left >= right) return;
    // A few pixels one by one, then the filled part copied onto what
    // follows, doubling each time: block copies run at memory speed.
    uint32_t* span = dc->Pixels + static_cast<size_t>(y) * dc->Width + left;
    const int length = right - left;
    int filled = std::min(length, 8);
    std::fill(span, span + filled, pixel);
    for (; filled < length; filled *= 2)
        std::copy(span, span + std::min(filled, length - filled), span + filled);
}

// Half-width of a rounded rectangle's row, measured from its left edge
// inwards: how many pixels of the row the corner cuts away.
int CornerInset(int row, int height, double rx, double ry) {
    const double fromEdge = std::min(row + 0.5, height - row - 0.5);
    if (ry <= 0 || fromEdge >= ry) return 0;
    const double dy = (ry - fromEdge) / ry;
    return static_cast<int>(std::lround(rx - rx * std::sqrt(std::max(0.0, 1 - dy * dy))));
}

}  // namespace

void PlatformFillRect(DeviceContext* dc, const PixelRect& rect, Colour colour) {
    const PixelRect r = Clipped(dc, rect);
    if (r.Left >= r.Right || r.Top >= r.Bottom) return;
    FillSpan(dc, r.Top, r.Left, r.Right, PackColour(colour));
    // The other rows are copies of the first: a block copy runs at memory
    // speed where a pixel-by-pixel fill does not.
    const uint32_t* first = dc->Pixels + static_cast<size_t>(r.Top) * dc->Width + r.Left;
    for (int y = r.Top + 1; y < r.Bottom; ++y)
        std::copy(first, first + (r.Right - r.Left), dc->Pixels + static_cast<size_t>(y) * dc->Width + r.Left);
}

void PlatformLine(DeviceContext* dc, int x1, int y1, int x2, int y2, int width,
                  Colour colour) {
    // A level or upright line is a rectangle of the pen's width; the end
    // point stays out either way.
    if (y1 == y2 && x1 != x2) {
        const int left = x1 < x2 ? x1 : x2 + 1, right = x1 < x2 ? x2 : x1 + 1;
        PlatformFillRect(dc, {left, y1, right, y1 + width}, colour);
        return;
    }
    if (x1 == x2 && y1 != y2) {
        const int top = y1 < y2 ? y1 : y2 + 1, bottom = y1 < y2 ? y2 : y1 + 1;
        PlatformFillRect(dc, {x1, top, x1 + width, bottom}, colour);
        return;
    }
    const uint32_t pixel = PackColour(colour);
    const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    // A wide pen thickens the line across its main direction.
    const bool mostlyHorizontal = dx >= -dy;
    int error = dx + dy;
    // The end point itself is not drawn, as with the device's pens.
    while (x1 != x2 || y1 != y2) {
        if (mostlyHorizontal)
            for (int w = 0; w < width; ++w) FillSpan(dc, y1 + w, x1, x1 + 1, pixel);
        else
            FillSpan(dc, y1, x1, x1 + width, pixel);
        const int e2 = 2 * error;
        if (e2 >= dy) { error += dy; x1 += sx; }
        if (e2 <= dx) { error += dx; y1 += sy; }
    }
}

void PlatformRoundRect(DeviceContext* dc, const PixelRect& rect, int ellipseWidth,
                       int ellipseHeight, Colour fill, Colour outline, int penWidth) {
    const int width = rect.Right - rect.Left, height = rect.Bottom - rect.Top;
    if (width <= 0 || height <= 0) return;
    const double rx = ellipseWidth / 2.0, ry = ellipseHeight / 2.0;
    const uint32_t fillPixel = PackColour(fill), penPixel = PackColour(outline);
    for (int row = 0; row < height; ++row) {
        const int y = rect.Top + row;
        const int outer = CornerInset(row, height, rx, ry);
        FillSpan(dc, y, rect.Left + outer, rect.Right - outer, penPixel);
        // The inner shape is the outer one shrunk by the pen width.
        const int innerRow = row - penWidth, innerHeight = height - 2 * penWidth;
        if (innerRow < 0 || innerRow >= innerHeight) continue;
        const int inner = penWidth + CornerInset(innerRow, innerHeight,
                                                 std::max(0.0, rx - penWidth),
                                                 std::max(0.0, ry - penWidth));
        FillSpan(dc, y, rect.Left + inner, rect.Right - inner, fillPixel);
    }
}
