// The desktop window's view of the device screen: the environment it starts
// from, the fit to any window, and pointer positions mapped back to device
// pixels.
#include "platform/canvas/Margin.h"
#include "platform/posix/Screenshot.h"
#include "platform/sdl/DesktopOptions.h"
#include "platform/sdl/ViewTransform.h"

#include "Harness.h"

#include <fstream>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

TEST(DesktopOptions, ScreenSizesAreWholeNumbersOrNothing) {
    int w = 7, h = 9;
    EXPECT_TRUE(ParseScreenSize("240x320", &w, &h));
    EXPECT_EQ(w, 240);
    EXPECT_EQ(h, 320);
    EXPECT_TRUE(ParseScreenSize("4096x480", &w, &h));
    EXPECT_EQ(w, 4096);
    for (const char* bad : {"-240x320", "2147483647x2", "0x0", "5000x5000", "240x0", "x320",
                            "240x", "240", "240X320", " 240x320", "240x320 ", "240x320x2",
                            "24a0x320", "240x+320", "99999999999999999999x1", "", "garbage"}) {
        w = 7, h = 9;
        EXPECT_FALSE(ParseScreenSize(bad, &w, &h)) << bad;
        EXPECT_EQ(w, 7) << bad;  // nothing half-parsed is kept
        EXPECT_EQ(h, 9) << bad;
    }
    EXPECT_FALSE(ParseScreenSize(nullptr, &w, &h));
}

TEST(DesktopOptions, ZoomIsAWholeFactorFromOneToEight) {
    int zoom = 3;
    EXPECT_TRUE(ParseZoom("8", &zoom));
    EXPECT_EQ(zoom, 8);
    for (const char* bad : {"0", "9", "-1", "2x", "1.5", "", "two"}) {
        zoom = 3;
        EXPECT_FALSE(ParseZoom(bad, &zoom)) << bad;
        EXPECT_EQ(zoom, 3) << bad;
    }
}

TEST(PicturesFolder, FromTheUserDirsFile) {
    char folder[64] = "unchanged";
    EXPECT_TRUE(PicturesFolderFromLine("XDG_PICTURES_DIR=\"$HOME/Bilder\"\n", "/home/ada", folder, sizeof folder));
    EXPECT_STREQ(folder, "/home/ada/Bilder");
    EXPECT_TRUE(PicturesFolderFromLine("  XDG_PICTURES_DIR=\"/srv/shots\"", "/home/ada", folder, sizeof folder));
    EXPECT_STREQ(folder, "/srv/shots");
    EXPECT_TRUE(PicturesFolderFromLine("XDG_PICTURES_DIR=\"$HOME\"", "/home/ada", folder, sizeof folder));
    EXPECT_STREQ(folder, "/home/ada");
    for (const char* other : {"# XDG_PICTURES_DIR=\"$HOME/x\"", "XDG_MUSIC_DIR=\"$HOME/Music\"",
                              "XDG_PICTURES_DIR=\"relative\"", "XDG_PICTURES_DIR=\"$HOMEx\"",
                              "XDG_PICTURES_DIR=\"$HOME/unended", "XDG_PICTURES_DIR=\"\""})
        EXPECT_FALSE(PicturesFolderFromLine(other, "/home/ada", folder, sizeof folder)) << other;
    // A folder longer than the buffer is refused, not cut short.
    EXPECT_FALSE(PicturesFolderFromLine("XDG_PICTURES_DIR=\"$HOME/a-very-long-folder-name-indeed\"",
                                        "/home/someone-with-a-long-name", folder, 40));
}

// The user-dirs file line by line, whatever a line's length: the tail of a
// long comment is never read as a line of its own.
TEST(DesktopOptions, PicturesFolderFromTheWholeLinesOfTheFile) {
    const std::string file = TemporaryFolder() + "/user-dirs.dirs";
    const auto folderIn = [&](const std::string& contents) {
        std::ofstream(file) << contents;
        char folder[LongestUserDirsLine] = "";
        return PicturesFolderFromFile(file.c_str(), "/home/ada", folder, sizeof folder) ? std::string(folder)
                                                                                       : "none";
    };
    const std::string planted = "XDG_PICTURES_DIR=\"/tmp/planted\"\n";
    for (const size_t length : {1023u, 2046u, 4095u, 4096u, 100000u}) {
        const std::string comment = "# " + std::string(length - 2, 'x');
        EXPECT_EQ(folderIn(comment + planted), "none") << length;
        EXPECT_EQ(folderIn(comment + planted + "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n"), "/home/ada/Bilder") << length;
    }
    // Lines up to the bound are read, the last one without its line end too.
    const std::string padding(LongestUserDirsLine - std::strlen("XDG_PICTURES_DIR=\"/srv\""), '/');
    EXPECT_EQ(folderIn("XDG_MUSIC_DIR=\"$HOME/Music\"\nXDG_PICTURES_DIR=\"/srv" + padding + "\""),
              "/srv" + padding);
    EXPECT_EQ(folderIn("XDG_PICTURES_DIR=\"/srv" + padding + "x\""), "none");
    EXPECT_EQ(folderIn(""), "none");
    EXPECT_FALSE(PicturesFolderFromFile((file + ".missing").c_str(), "/home/ada", nullptr, 0));
}

namespace {

struct Screen {
    int Width, Height;
};
constexpr Screen Screens[] = {{240, 320}, {320, 240}, {480, 640}, {640, 480}, {240, 240}, {800, 480}, {240, 400}};

}  // namespace

TEST(DesktopView, FitsAnyWindowCentredWithTheAspectKept) {
    std::mt19937 random(9);
    for (const Screen s : Screens)
        for (int i = 0; i < 400; ++i) {
            const int ww = 1 + static_cast<int>(random() % 2600), wh = 1 + static_cast<int>(random() % 1700);
            const ViewTransform v = FitView(s.Width, s.Height, ww, wh);
            SCOPED_TRACE(testing::Message() << s.Width << "x" << s.Height << " in " << ww << "x" << wh);
            ASSERT_GE(v.Width, 1);
            ASSERT_GE(v.Height, 1);
            EXPECT_LE(v.Width, ww);
            EXPECT_LE(v.Height, wh);
            // Centred: the margins on either side differ by at most a pixel.
            EXPECT_LE(std::abs((ww - v.Width - v.Left) - v.Left), 1);
            EXPECT_LE(std::abs((wh - v.Height - v.Top) - v.Top), 1);
            // Aspect kept to within the rounding of one side.
            EXPECT_NEAR(static_cast<double>(v.Width) * s.Height / s.Width, v.Height, 1.0);
            if (v.Factor > 0) {
                EXPECT_EQ(v.Width, s.Width * v.Factor);
                EXPECT_EQ(v.Height, s.Height * v.Factor);
            } else {
                // Smooth scaling fills the window in one direction.
                EXPECT_TRUE(v.Width == ww || v.Height == wh);
            }
        }
}

TEST(DesktopView, UsesWholeFactorsWhenTheyNearlyFill) {
    EXPECT_EQ(FitView(480, 640, 480, 640).Factor, 1);
    EXPECT_EQ(FitView(240, 320, 960, 1280).Factor, 4);
    EXPECT_EQ(FitView(240, 320, 500, 700).Factor, 2);     // a frame of a few pixels
    EXPECT_EQ(FitView(480, 640, 1920, 1080).Factor, 0);   // 1.69: smooth, not a small 1x
    EXPECT_EQ(FitView(480, 640, 300, 400).Factor, 0);     // smaller than the device
    const ViewTransform v = FitView(480, 640, 1920, 1080);
    EXPECT_EQ(v.Height, 1080);
    EXPECT_EQ(v.Width, 810);
    EXPECT_EQ(v.Left, 555);
}

// The cases the web page's fitView is checked against as well.
TEST(DesktopView, FitsTheSharedCases) {
    std::ifstream cases(STELLARION_SOURCE "/tests/view-fit-cases.txt");
    ASSERT_TRUE(cases);
    int count = 0;
    for (std::string line; std::getline(cases, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream in(line);
        int dw, dh, ww, wh;
        ViewTransform e{};
        ASSERT_TRUE(in >> dw >> dh >> ww >> wh >> e.Left >> e.Top >> e.Width >> e.Height >> e.Factor >> e.Upscale)
            << line;
        const ViewTransform v = FitView(dw, dh, ww, wh);
        SCOPED_TRACE(line);
        EXPECT_EQ(v.Left, e.Left);
        EXPECT_EQ(v.Top, e.Top);
        EXPECT_EQ(v.Width, e.Width);
        EXPECT_EQ(v.Height, e.Height);
        EXPECT_EQ(v.Factor, e.Factor);
        EXPECT_EQ(v.Upscale, e.Upscale);
        ++count;
    }
    EXPECT_GE(count, 10);
}

// The pixel drawn nearest to a device pixel's centre maps back to that
// device pixel, at every scale, so a click on anything drawn hits it.
TEST(DesktopView, ClicksOnWhatIsDrawnHitIt) {
    std::mt19937 random(4);
    for (const Screen s : Screens)
        for (int i = 0; i < 60; ++i) {
            const int ww = 100 + static_cast<int>(random() % 2000), wh = 100 + static_cast<int>(random() % 1400);
            const ViewTransform v = FitView(s.Width, s.Height, ww, wh);
            SCOPED_TRACE(testing::Message() << s.Width << "x" << s.Height << " in " << ww << "x" << wh);
            if (v.Width < s.Width || v.Height < s.Height) continue;  // pixels merge when shrunk
            for (int dx = 0; dx < s.Width; dx += 7) {
                const double centre = v.Left + (dx + 0.5) * v.Width / s.Width;
                int x = -1, y = -1;
                EXPECT_TRUE(WindowToDevice(v, std::floor(centre) + 0.5, v.Top + v.Height / 2.0, &x, &y));
                EXPECT_EQ(x, dx);
            }
            for (int dy = 0; dy < s.Height; dy += 7) {
                const double centre = v.Top + (dy + 0.5) * v.Height / s.Height;
                int x = -1, y = -1;
                EXPECT_TRUE(WindowToDevice(v, v.Left + 0.5, std::floor(centre) + 0.5, &x, &y));
                EXPECT_EQ(y, dy);
            }
        }
}

TEST(DesktopView, WholeFactorsMapEveryWindowPixelOfADevicePixel) {
    const ViewTransform v = FitView(320, 240, 1000, 760);  // factor 3, margins 20 x 20
    ASSERT_EQ(v.Factor, 3);
    int x = 0, y = 0;
    for (int wx = v.Left; wx < v.Left + 3; ++wx) {
        EXPECT_TRUE(PointerToDevice(v, wx, v.Top + 2, 1.0, 1.0, &x, &y));
        EXPECT_EQ(x, 0);
        EXPECT_EQ(y, 0);
    }
    EXPECT_TRUE(PointerToDevice(v, v.Left + 3, v.Top + 3 * 239 + 2, 1.0, 1.0, &x, &y));
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 239);
    // On the margin: no tap, but the nearest pixel for a drag or a release.
    EXPECT_FALSE(PointerToDevice(v, v.Left - 1, 5, 1.0, 1.0, &x, &y));
    EXPECT_EQ(x, 0);
    EXPECT_FALSE(PointerToDevice(v, 999, 759, 1.0, 1.0, &x, &y));
    EXPECT_EQ(x, 319);
    EXPECT_EQ(y, 239);
}

// On a monitor scaled by 1.25, 1.5 or 2, pointers come in points and the
// picture is drawn in pixels: the same device pixel either way.
TEST(DesktopView, FractionalMonitorScalesMapPointsToTheRightPixel) {
    for (const double scale : {1.25, 1.5, 1.75, 2.0}) {
        const int points = 700;
        const int pixels = static_cast<int>(points * scale);
        const ViewTransform v = FitView(240, 320, pixels * 3 / 4, pixels);
        SCOPED_TRACE(scale);
        for (int py = 0; py < points; py += 3) {
            int x = 0, y = 0;
            const int px = static_cast<int>((v.Left + v.Width / 2) / scale);
            if (!PointerToDevice(v, px, py, scale, scale, &x, &y)) continue;
            // The point's centre lies within the band of window pixels
            // that shows device row y.
            const double centre = (py + 0.5) * scale;
            EXPECT_LE(v.Top + static_cast<double>(y) * v.Height / 320, centre);
            EXPECT_GT(v.Top + static_cast<double>(y + 1) * v.Height / 320, centre);
            EXPECT_GE(y, 0);
            EXPECT_LT(y, 320);
        }
    }
}

namespace {

std::vector<uint32_t> Pattern(int w, int h, uint32_t seed) {
    std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
    std::mt19937 random(seed);
    for (uint32_t& p : pixels) p = random() & 0xFFFFFF;
    return pixels;
}

std::vector<uint32_t> Painted(const ViewTransform& v, const std::vector<uint32_t>& device) {
    std::vector<uint32_t> window(static_cast<size_t>(v.WindowWidth) * v.WindowHeight, 1);
    PaintWindow(v, device.data(), window.data(), v.WindowWidth, {0, 0, v.WindowWidth, v.WindowHeight});
    return window;
}

}  // namespace

TEST(DesktopView, WholeFactorsRepeatPixels) {
    const auto device = Pattern(240, 320, 1);
    const ViewTransform v = FitView(240, 320, 500, 660);
    ASSERT_EQ(v.Factor, 2);
    const auto window = Painted(v, device);
    for (int y = 0; y < 320; y += 13)
        for (int x = 0; x < 240; x += 11)
            for (int k = 0; k < 4; ++k)
                EXPECT_EQ(window[static_cast<size_t>(v.Top + 2 * y + k / 2) * 500 + v.Left + 2 * x + k % 2],
                          device[static_cast<size_t>(y) * 240 + x]);
}

TEST(DesktopView, SmoothScalingStaysWithinTheNeighbouringColours) {
    std::vector<uint32_t> device(240 * 320);
    for (int y = 0; y < 320; ++y)
        for (int x = 0; x < 240; ++x) device[static_cast<size_t>(y) * 240 + x] = (x + y) % 2 ? 0xFFFFFF : 0;
    const ViewTransform v = FitView(240, 320, 397, 1000);
    ASSERT_EQ(v.Factor, 0);
    for (const uint32_t p : Painted(v, device)) {
        if (p == MarginColour) continue;
        // A grey: red, green and blue blended alike from black and white.
        EXPECT_EQ(p >> 16, (p >> 8) & 0xFF);
        EXPECT_EQ(p >> 16, p & 0xFF);
    }
}

// Sharp scaling blends only across the seams between device pixels: in a
// row of alternating black and white pixels at 2.4375 window pixels each,
// at most one window pixel per seam is grey, where plain bilinear scaling
// would blur most of them.
TEST(DesktopView, SharpScalingBlendsOnlyTheSeams) {
    std::vector<uint32_t> device(480 * 800);
    for (size_t i = 0; i < device.size(); ++i) device[i] = (i % 480) % 2 ? 0xFFFFFF : 0;
    const ViewTransform v = FitView(480, 800, 1170, 2532);
    ASSERT_EQ(v.Factor, 0);
    ASSERT_EQ(v.Upscale, 3);
    const auto window = Painted(v, device);
    const uint32_t* row = &window[static_cast<size_t>(v.Top + 100) * 1170];
    int blended = 0;
    for (int x = 0; x < 1170; ++x) {
        if (row[x] != 0 && row[x] != 0xFFFFFF) ++blended;
        // Wherever the window pixel lies wholly inside one device pixel,
        // it has that pixel's colour.
        const double left = x * 480.0 / 1170, right = (x + 1) * 480.0 / 1170;
        if (std::floor(left) == std::floor(right - 1e-9)) {
            EXPECT_EQ(row[x], device[static_cast<size_t>(left)]) << x;
        }
    }
    EXPECT_LE(blended, 479);
    EXPECT_GE(blended, 100);  // the seams are smoothed, not cut unevenly
}

// The margin continues the screen's edges: a gradient and flat colours
// exactly, beside every edge pixel; a single bright pixel on an edge does
// not streak out; the corners take the edges' ends.
TEST(DesktopView, TheMarginContinuesTheScreensEdges) {
    constexpr int W = 240, H = 320;
    std::vector<uint32_t> device(static_cast<size_t>(W) * H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) device[static_cast<size_t>(y) * W + x] = 0x102040u + static_cast<uint32_t>(y / 4) * 0x010101u;
    device[100] = 0xFFFFFF;                                   // a star on the top edge
    device[static_cast<size_t>(150) * W] = 0xFFFFFF;          // a rule's end on the left edge
    for (int x = 50; x < 60; ++x) device[static_cast<size_t>(H - 1) * W + x] = 0xFF0000;  // a wide red band
    for (const int windowWidth : {500, 397, 611}) {
        const ViewTransform v = FitView(W, H, windowWidth, 1000);
        SCOPED_TRACE(windowWidth);
        const auto window = Painted(v, device);
        const auto at = [&](int x, int y) { return window[static_cast<size_t>(y) * windowWidth + x]; };
        const auto shown = [&](int dx, int dy) { return device[static_cast<size_t>(dy) * W + dx]; };
        // Beside each side's middle and far out, the edge's own colour.
        for (const int y : {v.Top + 5, v.Top + v.Height / 2, v.Top + v.Height - 3}) {
            const int dy = (y - v.Top) * H / v.Height;
            EXPECT_EQ(at(0, y), shown(0, dy) == 0xFFFFFF ? shown(0, dy - 1) : shown(0, dy)) << y;
            EXPECT_EQ(at(v.Left - 1, y), at(0, y));
            EXPECT_EQ(at(windowWidth - 1, y), shown(W - 1, dy));
        }
        const int starColumn = v.Left + 100 * v.Width / W + 1;
        EXPECT_EQ(at(starColumn, 0), shown(99, 0)) << "the star streaks";
        EXPECT_EQ(at(starColumn, v.Top - 1), shown(99, 0));
        EXPECT_EQ(at(v.Left + 55 * v.Width / W, 999), 0xFF0000u) << "a wide band continues";
        EXPECT_EQ(at(0, 0), shown(0, 0));
        EXPECT_EQ(at(windowWidth - 1, 999), shown(W - 1, H - 1));
    }
}

// The median of nine, checked against sorting on random edges.
TEST(DesktopView, MarginColoursAreTheMediansAlongTheEdge) {
    constexpr int W = 37, H = 23;
    const auto device = Pattern(W, H, 4);
    std::vector<uint32_t> top(W), right(H);
    MarginColours(device.data(), W, H, EdgeTop, 0, W, top.data());
    MarginColours(device.data(), W, H, EdgeRight, 0, H, right.data());
    const auto median = [](std::vector<uint32_t> run) {
        uint32_t result = 0;
        for (int shift = 0; shift <= 16; shift += 8) {
            std::vector<int> channel;
            for (size_t i = 0; i < 9; ++i) channel.push_back(static_cast<int>(run[i % run.size()] >> shift & 0xFF));
            std::nth_element(channel.begin(), channel.begin() + 4, channel.end());
            result |= static_cast<uint32_t>(channel[4]) << shift;
        }
        return result;
    };
    for (int i = 0; i < W; ++i) {
        std::vector<uint32_t> run;
        for (int k = std::max(0, i - MarginReach); k <= std::min(W - 1, i + MarginReach); ++k) run.push_back(device[k]);
        EXPECT_EQ(top[i], median(run)) << i;
    }
    for (int i = 0; i < H; ++i) {
        std::vector<uint32_t> run;
        for (int k = std::max(0, i - MarginReach); k <= std::min(H - 1, i + MarginReach); ++k)
            run.push_back(device[static_cast<size_t>(k) * W + W - 1]);
        EXPECT_EQ(right[i], median(run)) << i;
    }
}

TEST(DesktopView, StartsSmallScreensAtAWholeFactorFillingThreeQuartersOfTheHeight) {
    EXPECT_EQ(StartZoom(240, 320, 1920, 1080), 2);
    EXPECT_EQ(StartZoom(240, 320, 3840, 2160), 5);
    EXPECT_EQ(StartZoom(240, 240, 1366, 768), 2);
    EXPECT_EQ(StartZoom(480, 640, 1920, 1080), 1);
    EXPECT_EQ(StartZoom(800, 480, 1024, 768), 1);   // too wide for 2x
    EXPECT_EQ(StartZoom(4096, 480, 1920, 1080), 1);  // larger than the display: 1, shrunk later
}

// Redrawing only the window pixels of a painted device rectangle must give
// the same window as redrawing everything; otherwise stale seams stay.
TEST(DesktopView, RedrawingThePaintedPartEqualsRedrawingAll) {
    for (const int windowWidth : {480, 611, 1003, 250}) {
        const ViewTransform v = FitView(480, 640, windowWidth, 997);
        SCOPED_TRACE(windowWidth);
        auto device = Pattern(480, 640, 2);
        auto window = Painted(v, device);
        // Inside, and on each edge, where the margin beside it changes too.
        for (const PixelRect painted : {PixelRect{101, 203, 187, 260}, PixelRect{0, 0, 3, 2},
                                        PixelRect{200, 0, 201, 1}, PixelRect{477, 300, 480, 302},
                                        PixelRect{5, 639, 9, 640}, PixelRect{0, 100, 1, 101}}) {
            const auto fresh = Pattern(480, 640, 3 + painted.Left);
            for (int y = painted.Top; y < painted.Bottom; ++y)
                for (int x = painted.Left; x < painted.Right; ++x)
                    device[static_cast<size_t>(y) * 480 + x] = fresh[static_cast<size_t>(y) * 480 + x];
            PaintWindow(v, device.data(), window.data(), v.WindowWidth, DeviceToWindow(v, painted));
            EXPECT_EQ(window, Painted(v, device)) << painted.Left << "," << painted.Top;
        }
    }
}

TEST(DesktopView, StartSizeShrinksToFitTheDisplay) {
    int w = 0, h = 0;
    StartWindowSize(480, 640, 1.5, 1920, 1040, &w, &h);
    EXPECT_EQ(w, 720);
    EXPECT_EQ(h, 960);
    StartWindowSize(4096, 480, 8, 1920, 1040, &w, &h);  // far wider than the display
    EXPECT_EQ(w, 1920);
    EXPECT_EQ(h, 225);
    StartWindowSize(240, 320, 2, 0, 0, &w, &h);  // nothing known about the display
    EXPECT_EQ(w, 480);
    EXPECT_EQ(h, 640);
}
