#include "platform/sdl/ViewTransform.h"

#include "platform/canvas/Margin.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// A whole factor is used when it fills at least this share of the fitting
// size: a few pixels of extra margin are worth crisp pixels; half the
// window is not.
constexpr double WholeFactorShare = 0.9;

int Clamp(int v, int low, int high) { return std::max(low, std::min(v, high)); }

// Sharp scaling: the position of a window pixel's centre in the picture
// enlarged `upscale` times, in 1/256 of its pixels, relative to the centre
// of its pixel 0.
int SourcePosition(int windowPixel, int origin, int windowSize, int enlargedSize) {
    const double centre = (windowPixel + 0.5 - origin) * enlargedSize / windowSize - 0.5;
    return static_cast<int>(std::floor(centre * 256.0));
}

int FloorDivide(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

uint32_t Mix(uint32_t a, uint32_t b, uint32_t weight) {
    const uint32_t rb = ((a & 0xFF00FF) * (256 - weight) + (b & 0xFF00FF) * weight) >> 8;
    const uint32_t g = ((a & 0x00FF00) * (256 - weight) + (b & 0x00FF00) * weight) >> 8;
    return (rb & 0xFF00FF) | (g & 0x00FF00);
}

struct Sample {
    int First, Second;  // neighbouring device pixels
    uint32_t Weight;    // of the second, in 1/256
};

// The two neighbouring pixels of the enlarged picture blended for a window
// pixel, named by the device pixels they repeat: within one device pixel's
// square both are the same pixel and the blend changes nothing.
Sample SampleAt(int windowPixel, int origin, int windowSize, int deviceSize, int upscale) {
    const int position = SourcePosition(windowPixel, origin, windowSize, deviceSize * upscale);
    const int first = position >> 8;  // arithmetic shift: floor, also left of pixel 0
    return {Clamp(FloorDivide(first, upscale), 0, deviceSize - 1),
            Clamp(FloorDivide(first + 1, upscale), 0, deviceSize - 1), static_cast<uint32_t>(position & 0xFF)};
}

// One row of the picture within [left, right) of the window, from device
// row samples; `columns` holds the samples of those window columns.
void DrawPictureRow(const ViewTransform& v, const uint32_t* device, int y, int left, int right,
                    const std::vector<Sample>& columns, uint32_t* row) {
    if (v.Factor > 0) {
        const uint32_t* source = device + static_cast<size_t>((y - v.Top) / v.Factor) * v.DeviceWidth;
        if (v.Factor == 1) std::copy(source + (left - v.Left), source + (right - v.Left), row + left);
        else for (int x = left; x < right; ++x) row[x] = source[(x - v.Left) / v.Factor];
        return;
    }
    const Sample sy = SampleAt(y, v.Top, v.Height, v.DeviceHeight, v.Upscale);
    const uint32_t* row1 = device + static_cast<size_t>(sy.First) * v.DeviceWidth;
    const uint32_t* row2 = device + static_cast<size_t>(sy.Second) * v.DeviceWidth;
    for (int x = left; x < right; ++x) {
        const Sample& sx = columns[static_cast<size_t>(x - left)];
        row[x] = Mix(Mix(row1[sx.First], row1[sx.Second], sx.Weight),
                     Mix(row2[sx.First], row2[sx.Second], sx.Weight), sy.Weight);
    }
}

}  // namespace

ViewTransform FitView(int deviceWidth, int deviceHeight, int windowWidth, int windowHeight) {
    ViewTransform v{deviceWidth, deviceHeight, windowWidth, windowHeight, 0, 0, 0, 0, 0, 1};
    if (deviceWidth < 1 || deviceHeight < 1 || windowWidth < 1 || windowHeight < 1) return v;
    const double fit = std::min(static_cast<double>(windowWidth) / deviceWidth,
                                static_cast<double>(windowHeight) / deviceHeight);
    const int whole = static_cast<int>(fit);
    if (whole >= 1 && whole >= WholeFactorShare * fit) {
        v.Factor = whole;
        v.Width = deviceWidth * whole;
        v.Height = deviceHeight * whole;
        v.Upscale = whole;
    } else if (static_cast<long long>(windowWidth) * deviceHeight <=
               static_cast<long long>(windowHeight) * deviceWidth) {
        v.Width = windowWidth;
        v.Height = Clamp(static_cast<int>(std::lround(static_cast<double>(deviceHeight) *
                                                      windowWidth / deviceWidth)),
                         1, windowHeight);
    } else {
        v.Height = windowHeight;
        v.Width = Clamp(static_cast<int>(std::lround(static_cast<double>(deviceWidth) *
                                                     windowHeight / deviceHeight)),
                        1, windowWidth);
    }
    if (v.Factor == 0) v.Upscale = std::max(1, static_cast<int>(std::ceil(fit)));
    v.Left = (windowWidth - v.Width) / 2;
    v.Top = (windowHeight - v.Height) / 2;
    return v;
}

bool WindowToDevice(const ViewTransform& v, double x, double y, int* deviceX, int* deviceY) {
    if (v.Width < 1 || v.Height < 1) return false;
    const double dx = std::floor((x - v.Left) * v.DeviceWidth / v.Width);
    const double dy = std::floor((y - v.Top) * v.DeviceHeight / v.Height);
    const bool inside = dx >= 0 && dx < v.DeviceWidth && dy >= 0 && dy < v.DeviceHeight;
    *deviceX = static_cast<int>(std::clamp(dx, 0.0, v.DeviceWidth - 1.0));
    *deviceY = static_cast<int>(std::clamp(dy, 0.0, v.DeviceHeight - 1.0));
    return inside;
}

bool PointerToDevice(const ViewTransform& v, int pointX, int pointY, double pixelsPerPointX,
                     double pixelsPerPointY, int* deviceX, int* deviceY) {
    return WindowToDevice(v, (pointX + 0.5) * pixelsPerPointX, (pointY + 0.5) * pixelsPerPointY,
                          deviceX, deviceY);
}

PixelRect DeviceToWindow(const ViewTransform& v, const PixelRect& d) {
    if (v.Width < 1 || v.Height < 1 || d.Left >= d.Right || d.Top >= d.Bottom) return {};
    const double sx = static_cast<double>(v.Width) / v.DeviceWidth;
    const double sy = static_cast<double>(v.Height) / v.DeviceHeight;
    // Smoothly scaled pixels blend with their neighbours: one more around.
    const int bleed = v.Factor > 0 ? 0 : 1;
    PixelRect area{Clamp(v.Left + static_cast<int>(std::floor(d.Left * sx)) - bleed, v.Left, v.Left + v.Width),
                   Clamp(v.Top + static_cast<int>(std::floor(d.Top * sy)) - bleed, v.Top, v.Top + v.Height),
                   Clamp(v.Left + static_cast<int>(std::ceil(d.Right * sx)) + bleed, v.Left, v.Left + v.Width),
                   Clamp(v.Top + static_cast<int>(std::ceil(d.Bottom * sy)) + bleed, v.Top, v.Top + v.Height)};
    const bool top = d.Top <= 0, bottom = d.Bottom >= v.DeviceHeight;
    const bool left = d.Left <= 0, right = d.Right >= v.DeviceWidth;
    if (!top && !bottom && !left && !right) return area;
    // A painted edge pixel colours the margin beside it and beside its
    // neighbours along the edge as far as MarginReach, out to the corners
    // where it lies that near one.
    const PixelRect reach{
        d.Left - MarginReach <= 0 ? 0 : v.Left + static_cast<int>(std::floor((d.Left - MarginReach) * sx)),
        d.Top - MarginReach <= 0 ? 0 : v.Top + static_cast<int>(std::floor((d.Top - MarginReach) * sy)),
        d.Right + MarginReach >= v.DeviceWidth ? v.WindowWidth
                                               : v.Left + static_cast<int>(std::ceil((d.Right + MarginReach) * sx)),
        d.Bottom + MarginReach >= v.DeviceHeight ? v.WindowHeight
                                                 : v.Top + static_cast<int>(std::ceil((d.Bottom + MarginReach) * sy))};
    if (top || bottom) {
        area.Left = std::min(area.Left, reach.Left);
        area.Right = std::max(area.Right, reach.Right);
    }
    if (left || right) {
        area.Top = std::min(area.Top, reach.Top);
        area.Bottom = std::max(area.Bottom, reach.Bottom);
    }
    if (top) area.Top = 0;
    if (bottom) area.Bottom = v.WindowHeight;
    if (left) area.Left = 0;
    if (right) area.Right = v.WindowWidth;
    return area;
}

namespace {

// The device pixel of the screen's side under a margin pixel at `window`
// along it: the nearest, as if the screen's edge pixels were drawn on out
// into the margin at the picture's own scale.
int EdgeIndexAt(int window, int origin, int windowSize, int deviceSize) {
    const long index = static_cast<long>(window - origin) * deviceSize / std::max(windowSize, 1);
    return Clamp(static_cast<int>(window < origin ? -1 : index), 0, deviceSize - 1);
}

// The margin colours of one edge for the window pixels [from, to) along it
// (columns for the top and bottom, rows for the sides): the corners beyond
// the picture take the edge's ends.
void MarginRun(const ViewTransform& v, const uint32_t* device, ScreenEdge edge, int from, int to, uint32_t* out) {
    const bool across = edge == EdgeTop || edge == EdgeBottom;
    const int origin = across ? v.Left : v.Top, size = across ? v.Width : v.Height;
    const int deviceSize = across ? v.DeviceWidth : v.DeviceHeight;
    const int first = EdgeIndexAt(from, origin, size, deviceSize), last = EdgeIndexAt(to - 1, origin, size, deviceSize);
    static std::vector<uint32_t> colours;
    colours.resize(static_cast<size_t>(last - first + 1));
    MarginColours(device, v.DeviceWidth, v.DeviceHeight, edge, first, last + 1, colours.data());
    for (int w = from; w < to; ++w) out[w - from] = colours[static_cast<size_t>(EdgeIndexAt(w, origin, size, deviceSize) - first)];
}

}  // namespace

void PaintWindow(const ViewTransform& v, const uint32_t* device, uint32_t* window,
                 int windowPitchPixels, const PixelRect& area) {
    const int left = std::max(area.Left, 0), right = std::min(area.Right, v.WindowWidth);
    const int top = std::max(area.Top, 0), bottom = std::min(area.Bottom, v.WindowHeight);
    if (left >= right || top >= bottom) return;
    if (v.Width < 1 || v.Height < 1) {
        for (int y = top; y < bottom; ++y)
            std::fill(window + static_cast<size_t>(y) * windowPitchPixels + left,
                      window + static_cast<size_t>(y) * windowPitchPixels + right, MarginColour);
        return;
    }
    // The picture's part of the area; the rest is margin.
    const int pictureLeft = std::clamp(v.Left, left, right);
    const int pictureRight = std::clamp(v.Left + v.Width, pictureLeft, right);
    // Kept from one present to the next: they grow to the window's size once.
    static std::vector<Sample> columns;
    static std::vector<uint32_t> above, below, leftSide, rightSide;
    columns.clear();
    if (v.Factor == 0)
        for (int x = pictureLeft; x < pictureRight; ++x)
            columns.push_back(SampleAt(x, v.Left, v.Width, v.DeviceWidth, v.Upscale));
    // Every margin row above the picture is the same, and every one below.
    const int width = right - left, height = bottom - top;
    above.resize(static_cast<size_t>(width));
    below.resize(static_cast<size_t>(width));
    leftSide.resize(static_cast<size_t>(height));
    rightSide.resize(static_cast<size_t>(height));
    if (top < v.Top) MarginRun(v, device, EdgeTop, left, right, above.data());
    if (bottom > v.Top + v.Height) MarginRun(v, device, EdgeBottom, left, right, below.data());
    if (left < v.Left) MarginRun(v, device, EdgeLeft, top, bottom, leftSide.data());
    if (right > v.Left + v.Width) MarginRun(v, device, EdgeRight, top, bottom, rightSide.data());
    for (int y = top; y < bottom; ++y) {
        uint32_t* row = window + static_cast<size_t>(y) * windowPitchPixels;
        if (y < v.Top || y >= v.Top + v.Height) {
            const std::vector<uint32_t>& band = y < v.Top ? above : below;
            std::copy(band.begin(), band.end(), row + left);
            continue;
        }
        std::fill(row + left, row + pictureLeft, leftSide[static_cast<size_t>(y - top)]);
        if (pictureLeft < pictureRight) DrawPictureRow(v, device, y, pictureLeft, pictureRight, columns, row);
        std::fill(row + pictureRight, row + right, rightSide[static_cast<size_t>(y - top)]);
    }
}

int StartZoom(int deviceWidth, int deviceHeight, int displayWidth, int displayHeight) {
    if (deviceWidth < 1 || deviceHeight < 1) return 1;
    const int byHeight = displayHeight * 3 / 4 / deviceHeight, byWidth = displayWidth / deviceWidth;
    return std::max(1, std::min(byHeight, byWidth));
}

void StartWindowSize(int deviceWidth, int deviceHeight, double scale, int fitWidth,
                     int fitHeight, int* width, int* height) {
    double w = deviceWidth * scale, h = deviceHeight * scale;
    if (fitWidth > 0 && fitHeight > 0) {
        const double shrink = std::min({1.0, fitWidth / w, fitHeight / h});
        w *= shrink;
        h *= shrink;
    }
    *width = std::max(1, static_cast<int>(std::floor(w)));
    *height = std::max(1, static_cast<int>(std::floor(h)));
}
