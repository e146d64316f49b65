// How the device screen is shown in a window of any size: scaled to fit
// with its aspect kept, centred on a margin that continues the screen's
// edges (platform/canvas/Margin.h).
//
// The fitting rule, which the web page follows too (platform/web/Page.js,
// fitView; both are checked against tests/view-fit-cases.txt):
//  - fit = the largest scale at which the whole screen fits the window;
//  - when the whole factor floor(fit) fills at least nine tenths of that,
//    every device pixel becomes a square of exactly that many window pixels;
//  - otherwise the picture fills the window in one direction, and is scaled
//    sharply: enlarged by repeating pixels to the next whole factor
//    (`Upscale`), then smoothed down to its size, so that only the seams
//    between device pixels are blended, never whole pixels smeared as plain
//    bilinear scaling of pixel art would.
// Pointer positions are mapped back through the same numbers, so a click
// on what is drawn lands on it. No system calls here: the backend brings
// the window's pixels and the tests bring their own.
#pragma once

#include "platform/Platform.h"

#include <cstdint>

struct ViewTransform {
    int DeviceWidth, DeviceHeight;
    int WindowWidth, WindowHeight;   // window pixels
    int Left, Top, Width, Height;    // where the device screen is drawn
    int Factor;                      // the whole factor, or 0 when scaled sharply
    int Upscale;                     // the whole factor pixels are repeated by first
};

// The theme colour of the web page and its manifest: the window's colour
// while it shows no picture.
constexpr uint32_t MarginColour = 0x141A3C;

ViewTransform FitView(int deviceWidth, int deviceHeight, int windowWidth, int windowHeight);

// The device pixel under a window position in pixels (fractional positions
// allowed: pointers on scaled monitors fall between pixels). False when the
// position is on the margin; *x, *y are then the nearest device pixel.
bool WindowToDevice(const ViewTransform& view, double x, double y, int* deviceX, int* deviceY);
// A pointer reported in window points (pixelsPerPoint window pixels each),
// taken at the centre of the point it names.
bool PointerToDevice(const ViewTransform& view, int pointX, int pointY, double pixelsPerPointX,
                     double pixelsPerPointY, int* deviceX, int* deviceY);

// The window pixels whose colour depends on any pixel of the device
// rectangle: what must be redrawn when that rectangle was painted.
PixelRect DeviceToWindow(const ViewTransform& view, const PixelRect& device);

// Draws the window pixels of `area` from the device framebuffer (0x00RRGGBB,
// DeviceWidth x DeviceHeight): the picture where it lies, the margin around
// it. Each pixel depends only on its own position, so drawing a part gives
// the same pixels as drawing the whole; DeviceToWindow includes the margin
// beside a painted edge.
void PaintWindow(const ViewTransform& view, const uint32_t* device, uint32_t* window,
                 int windowPitchPixels, const PixelRect& area);

// The whole factor a window starts at without STELLARION_ZOOM: the largest
// whose window fits in three quarters of the display's height (and its
// width), so that a small device screen does not open tiny; at least 1.
int StartZoom(int deviceWidth, int deviceHeight, int displayWidth, int displayHeight);

// The window size to start with: the device screen enlarged `scale` times,
// made smaller, with its aspect kept, until it fits width x height.
void StartWindowSize(int deviceWidth, int deviceHeight, double scale, int fitWidth,
                     int fitHeight, int* width, int* height);
