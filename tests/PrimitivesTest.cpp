#include "draw/Primitives.h"

#include "Harness.h"

namespace {

// A paint of the whole screen in the given mode and shift, on a screen of
// that mode's size, starting from black.
class Canvas {
public:
    Canvas(unsigned mode, LayoutPoint shift, int w, int h) {
        HeadlessStart(w, h);
        DisplayMode = mode;
        LayoutShift = shift;
        ScaleFactor[0] = ScaleFactor[1] = DoubleResolution() ? 2.0 : 1.0;
        PlatformInvalidateWindow();
        dc_ = PlatformBeginPaint();
    }
    ~Canvas() { PlatformEndPaint(dc_); }
    DeviceContext* dc() { return dc_; }

private:
    DeviceContext* dc_;
};

constexpr uint32_t Red = 0xFF0000, Black = 0;

// The bounding box of the pixels of one colour.
PixelRect BoundsOf(uint32_t colour) {
    PixelRect r{1 << 20, 1 << 20, -1, -1};
    for (int y = 0; y < PlatformScreenHeight(); ++y)
        for (int x = 0; x < PlatformScreenWidth(); ++x)
            if (HeadlessPixel(x, y) == colour) {
                r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1),
                     std::max(r.Bottom, y + 1)};
            }
    return r;
}

void ExpectRect(const PixelRect& got, const PixelRect& want) {
    EXPECT_EQ(got.Left, want.Left);
    EXPECT_EQ(got.Top, want.Top);
    EXPECT_EQ(got.Right, want.Right);
    EXPECT_EQ(got.Bottom, want.Bottom);
}

}  // namespace

TEST(Primitives, FillShiftsThenDoubles) {
    {
        Canvas canvas(3, {0, 40}, 480, 800);
        FillBox(canvas.dc(), 255, 0, 0, 0, 29, 320, 31);
    }
    ExpectRect(BoundsOf(Red), {0, 138, 480, 142});  // (0,138)-(640,142), clipped to the screen
    {
        Canvas canvas(1, {0, 40}, 240, 400);
        FillBoxOn(canvas.dc(), Surface::Popup, 255 + 256, 0, 0, 10, 10, 20, 30);  // high bits ignored
    }
    ExpectRect(BoundsOf(Red), {10, 10, 20, 30});
}

// A page's background reaches into the bands the centring shift opens, and
// only on the layouts made for them: a shift that outlived a turn to the
// square or the short narrow layout opens none.
TEST(Primitives, LayoutAreaCoversTheBandsOfItsLayout) {
    struct Case {
        unsigned mode;
        LayoutPoint shift;
        int w, h;
        PixelRect want;
    };
    const Case cases[] = {
        {1, {0, 40}, 240, 400, {0, 0, 240, 400}},  {3, {0, 40}, 480, 800, {0, 0, 480, 800}},
        {2, {40, 0}, 400, 240, {0, 0, 400, 240}},  {4, {40, 0}, 800, 480, {0, 0, 800, 480}},
        {7, {0, 40}, 320, 320, {0, 40, 320, 320}}, {5, {0, 40}, 240, 240, {0, 40, 240, 240}},
        {6, {0, 0}, 480, 480, {0, 0, 480, 480}},   {2, {0, 40}, 320, 240, {0, 40, 320, 240}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode));
        {
            Canvas canvas(c.mode, c.shift, c.w, c.h);
            FillLayoutArea(canvas.dc(), 255, 0, 0);
        }
        ExpectRect(BoundsOf(Red), c.want);
    }
}

TEST(Primitives, LinesAreOneUnitWide) {
    {
        Canvas canvas(3, {0, 0}, 480, 640);
        DrawLine(canvas.dc(), 255, 0, 0, 8, 1, 160, 1);
    }
    ExpectRect(BoundsOf(Red), {16, 2, 320, 4});
    {
        Canvas canvas(7, {0, 0}, 320, 320);
        DrawLine(canvas.dc(), 255, 0, 0, 8, 1, 160, 1);
    }
    ExpectRect(BoundsOf(Red), {8, 1, 160, 2});
}

TEST(Primitives, BitmapsKeepTheirPixelSize) {
    {
        Canvas canvas(4, {40, 0}, 720, 480);
        DrawBitmap(canvas.dc(), 359, 480, 60, 0, 0);
    }
    // Drawn at device (80, 0), 480 x 60: nothing left of it, something at its corners.
    EXPECT_EQ(HeadlessPixel(79, 0), Black);
    EXPECT_EQ(HeadlessPixel(79, 59), Black);
    EXPECT_EQ(HeadlessPixel(80 + 480, 30), Black);
    EXPECT_EQ(HeadlessPixel(100, 60), Black);
    int width = 0, height = 0;
    ASSERT_TRUE(PlatformPictureSize(359, &width, &height));
    EXPECT_EQ(width, 480);
    EXPECT_EQ(height, 60);
}

TEST(Primitives, KeyedBitmapLeavesKeyPixelsUntouched) {
    {
        Canvas canvas(1, {0, 0}, 240, 320);
        FillBox(canvas.dc(), 255, 0, 0, 0, 0, 240, 320);
        DrawKeyedBitmap(canvas.dc(), 477, 14, 7, 10, 10, 255, 204, 255);
    }
    int kept = 0, drawn = 0;
    for (int y = 10; y < 17; ++y)
        for (int x = 10; x < 24; ++x) (HeadlessPixel(x, y) == Red ? kept : drawn)++;
    EXPECT_GT(kept, 0);   // the key colour let the red show through
    EXPECT_GT(drawn, 0);  // the arrow itself was drawn
    for (int y = 0; y < 320; ++y)
        for (int x = 0; x < 240; ++x)
            if (HeadlessPixel(x, y) == 0xFFCCFF) ADD_FAILURE() << "key colour drawn at " << x << "," << y;
}

TEST(Primitives, StretchAddsTheScaledShiftOnly) {
    {
        Canvas canvas(3, {0, 40}, 480, 800);
        StretchBitmap(canvas.dc(), 425, 100, 100, 240, 120, 200, 200);
    }
    // Device position (240, 120) gains twice the 40-unit shift; 200 x 200.
    EXPECT_EQ(HeadlessPixel(239, 250), Black);
    EXPECT_EQ(HeadlessPixel(240, 199), Black);
    EXPECT_NE(HeadlessPixel(240, 200), Black);
    EXPECT_NE(HeadlessPixel(439, 399), Black);
    EXPECT_EQ(HeadlessPixel(440, 399), Black);
    EXPECT_EQ(HeadlessPixel(439, 400), Black);
}

TEST(Primitives, TextBoxesFillOnlyWhenOpaqueAndClipToTheBox) {
    {
        Canvas canvas(1, {0, 0}, 240, 320);
        SetTextFont(L"Tahoma", 15, 700);
        PlatformSelectFont(canvas.dc(), CurrentFont());
        DrawTextBox(canvas.dc(), L"Transparent words", 255, 0, 0, 0, 0, 255, 10, 10, 200, 30, 1, 0);
        DrawTextBox(canvas.dc(), L"Opaque words wrap onto further lines when the box is narrow",
                    255, 0, 0, 0, 255, 0, 10, 50, 110, 80, 0, 0);
    }
    // Transparent: glyphs only, never the blue background.
    EXPECT_EQ(BoundsOf(0x0000FF).Right, -1);
    const PixelRect glyphs = BoundsOf(Red);
    EXPECT_GE(glyphs.Left, 10);
    // Opaque: the whole box is green where no glyph covers it, nothing below it.
    EXPECT_EQ(HeadlessPixel(109, 51), 0x00FF00u);
    ExpectRect(BoundsOf(0x00FF00), {10, 50, 110, 80});
    EXPECT_LE(glyphs.Bottom, 80);
}

TEST(Primitives, FontHeightIsTheCellHeight) {
    DisplayMode = 1;
    HeadlessStart(240, 320);
    PlatformInvalidateWindow();
    DeviceContext* dc = PlatformBeginPaint();
    const wchar_t* sample = L"Ag";
    SetTextFont(L"Tahoma", 13, 700);
    PlatformSelectFont(dc, CurrentFont());
    PlatformSetTextColour(dc, {255, 0, 0});
    PlatformSetBackground(dc, false, {0, 0, 255});
    PlatformDrawText(dc, sample, {0, 0, 100, 100}, false);
    const int smallWidth = PlatformTextWidth(dc, sample);
    // Double resolution: 2 x 13 - 1 = 25 pixels.
    DisplayMode = 3;
    SetTextFont(L"Tahoma", 13, 700);
    PlatformSelectFont(dc, CurrentFont());
    PlatformDrawText(dc, sample, {100, 0, 200, 100}, false);
    const int bigWidth = PlatformTextWidth(dc, sample);
    PlatformEndPaint(dc);
    // Opaque text fills its cell: as high as the font's cell.
    int smallHeight = 0, bigHeight = 0;
    for (int y = 0; y < 100; ++y) {
        smallHeight += HeadlessPixel(1, y) != Black;
        bigHeight += HeadlessPixel(101, y) != Black;
    }
    EXPECT_EQ(smallHeight, 13);
    EXPECT_EQ(bigHeight, 25);
    EXPECT_GT(bigWidth, smallWidth * 3 / 2);
}

TEST(Primitives, FontDeletedWhileSelectedDrawsUntilThePaintEnds) {
    Canvas canvas(1, {0, 0}, 240, 320);
    SetTextFont(L"Tahoma", 18, 900);
    const FontHandle title = CurrentFont();
    PlatformSelectFont(canvas.dc(), title);
    const int titleWidth = PlatformTextWidth(canvas.dc(), L"Some Famous Leos:");
    SetTextFont(L"Tahoma", 15, 700);  // replaces, and so deletes, the title font
    const FontHandle previous = PlatformSelectFont(canvas.dc(), CurrentFont());
    const int bodyWidth = PlatformTextWidth(canvas.dc(), L"Some Famous Leos:");
    EXPECT_LT(bodyWidth, titleWidth);
    EXPECT_EQ(previous, title);
    PlatformSelectFont(canvas.dc(), previous);
    EXPECT_EQ(PlatformTextWidth(canvas.dc(), L"Some Famous Leos:"), titleWidth);
}

// Every stretch, whatever its path, gives each target pixel the average of
// the source pixels its area covers (one pixel when enlarging), also when
// the target lies partly off the screen.
TEST(Primitives, StretchesAverageTheSourcePixelsTheyCover) {
    int w = 0, h = 0;
    ASSERT_TRUE(PlatformPictureSize(439, &w, &h));
    std::vector<uint32_t> source;
    {
        Canvas canvas(1, {0, 0}, 800, 480);
        PlatformCopyPicture(canvas.dc(), 439, w, h, 0, 0, nullptr);
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) source.push_back(HeadlessPixel(x, y));
    struct Case {
        int X, Y, Width, Height;
    };
    for (const Case& c : {Case{0, 0, 2 * w, 2 * h}, Case{5, 3, 2 * w, 2 * h + 1}, Case{-7, -5, 3 * w, 3 * h},
                          Case{0, 0, w / 2, h / 2}, Case{1, 2, w / 3, h / 2}, Case{790 - 2 * w, 0, 2 * w + 20, 2 * h}}) {
        {
            Canvas canvas(1, {0, 0}, 800, 480);
            PlatformStretchPicture(canvas.dc(), 439, w, h, c.X, c.Y, c.Width, c.Height);
        }
        for (int ty = std::max(0, c.Y); ty < c.Y + c.Height; ++ty)
            for (int tx = std::max(0, c.X); tx < std::min(800, c.X + c.Width); ++tx) {
                const int sy0 = (ty - c.Y) * h / c.Height, sy1 = std::max(sy0 + 1, (ty - c.Y + 1) * h / c.Height);
                const int sx0 = (tx - c.X) * w / c.Width, sx1 = std::max(sx0 + 1, (tx - c.X + 1) * w / c.Width);
                uint32_t sum[3] = {}, count = 0;
                for (int sy = sy0; sy < sy1; ++sy)
                    for (int sx = sx0; sx < sx1; ++sx, ++count)
                        for (int k = 0; k < 3; ++k) sum[k] += (source[sy * w + sx] >> (16 - 8 * k)) & 0xFF;
                const uint32_t want = (sum[0] / count) << 16 | (sum[1] / count) << 8 | sum[2] / count;
                ASSERT_EQ(HeadlessPixel(tx, ty), want) << c.Width << "x" << c.Height << " at " << tx << "," << ty;
            }
        // Nothing outside the target.
        EXPECT_EQ(HeadlessPixel(799, 479), 0u);
    }
}
