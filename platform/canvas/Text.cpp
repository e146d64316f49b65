// Text in the Tahoma face: fonts by cell height and weight, word-broken text
// drawn into a rectangle, and width measurement that matches the drawing.
// Everything comes from the glyph tables the build bakes (BakedFonts.h): a
// text's width is the sum of its characters' advances, without kerning, so
// a word measures the same alone and inside a line.
#include "platform/canvas/BakedFonts.h"
#include "platform/canvas/Device.h"
#include "platform/canvas/DrawnTexts.h"

#include <algorithm>
#include <cstdlib>

namespace {

struct CreatedFont {
    const BakedFont* Font = nullptr;
    bool DeletePending = false;  // deleted while selected: released when the paint ends
};

constexpr int MaxFonts = 64;
CreatedFont Fonts[MaxFonts + 1];  // handle 0 is "no font"

// The baked font closest to the request: the nearest cell height, then the
// nearest weight. The program asks only for baked ones.
const BakedFont* ClosestFont(int height, int weight) {
    const BakedFont* best = nullptr;
    long bestDistance = 0;
    for (int i = 0; i < BakedFontCount; ++i) {
        const BakedFont& font = BakedFonts[i];
        const long distance = 10000L * std::abs(font.CellHeight - height) + std::abs(font.Weight - weight);
        if (!best || distance < bestDistance) {
            best = &font;
            bestDistance = distance;
        }
    }
    return best;
}

const BakedFont* Selected(const DeviceContext* dc) {
    if (dc->Font <= 0 || dc->Font > MaxFonts) return nullptr;
    return Fonts[dc->Font].Font;
}

// Drawing reads one coverage byte per pixel: the fonts in use are unpacked
// once, into a few slots, the one unused longest making room for the next.
struct UnpackedFont {
    const BakedFont* Font = nullptr;
    unsigned LastUse = 0;
    uint32_t Offsets[BakedGlyphsMost];  // each glyph's first byte in Coverage
    uint8_t Coverage[BakedCoverageMost];
};

constexpr int UnpackedSlots = 6;  // more fonts than one paint uses
UnpackedFont Unpacked[UnpackedSlots];
unsigned Uses = 0;

const UnpackedFont& UnpackedOf(const BakedFont& font) {
    UnpackedFont* oldest = &Unpacked[0];
    for (UnpackedFont& slot : Unpacked) {
        if (slot.Font == &font) {
            slot.LastUse = ++Uses;
            return slot;
        }
        if (slot.LastUse < oldest->LastUse) oldest = &slot;
    }
    oldest->Font = &font;
    oldest->LastUse = ++Uses;
    // The font's chunk unpacks into its glyphs' packed bytes, at most one
    // byte a pixel; a damaged one draws nothing.
    static uint8_t packedBytes[BakedCoverageMost];
    if (!Unpack(FontChunks[font.Chunk], packedBytes, sizeof packedBytes)) {
        std::fill(std::begin(oldest->Offsets), std::end(oldest->Offsets), 0);
        std::fill(std::begin(oldest->Coverage), std::end(oldest->Coverage), 0);
        return *oldest;
    }
    uint32_t offset = 0;
    const uint8_t* packed = packedBytes;
    for (int i = 0; i < font.GlyphCount; ++i) {
        oldest->Offsets[i] = offset;
        UnpackCoverage(font, font.Glyphs[i], packed, oldest->Coverage + offset);
        packed += PackedSize(font, font.Glyphs[i]);
        offset += font.Glyphs[i].Width * font.Glyphs[i].Height;
    }
    return *oldest;
}

// Control characters and characters the face lacks draw nothing.
const BakedGlyph* FindGlyph(const BakedFont& font, wchar_t c) {
    const auto code = static_cast<uint32_t>(c);
    if (code < BakedAsciiFirst) return nullptr;
    if (code < BakedAsciiFirst + BakedAsciiCount) return &font.Glyphs[code - BakedAsciiFirst];
    const BakedGlyph* begin = font.Glyphs + BakedAsciiCount;
    const BakedGlyph* end = font.Glyphs + font.GlyphCount;
    const BakedGlyph* found = std::lower_bound(
        begin, end, code, [](const BakedGlyph& glyph, uint32_t wanted) { return glyph.Code < wanted; });
    return found != end && found->Code == code ? found : nullptr;
}

int Advance(const BakedFont& font, wchar_t c) {
    const BakedGlyph* glyph = FindGlyph(font, c);
    return glyph ? glyph->Advance : 0;
}

int Width(const BakedFont& font, const wchar_t* begin, const wchar_t* end) {
    int width = 0;
    for (const wchar_t* p = begin; p != end; ++p) width += Advance(font, *p);
    return width;
}

uint32_t Blend(uint32_t under, uint32_t over, unsigned alpha) {
    const auto mix = [&](int shift) {
        const unsigned a = (under >> shift) & 0xFF, b = (over >> shift) & 0xFF;
        return ((a * (255 - alpha) + b * alpha + 127) / 255) << shift;
    };
    return mix(16) | mix(8) | mix(0);
}

// The smallest rectangle holding both; an empty one holds nothing.
PixelRect Union(const PixelRect& a, const PixelRect& b) {
    if (a.Left >= a.Right || a.Top >= a.Bottom) return b;
    if (b.Left >= b.Right || b.Top >= b.Bottom) return a;
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

// One glyph's coverage at pen position (x, cell top y): full coverage is
// the colour itself, partial coverage a blend, none leaves the pixel. The
// pixels it may have covered join *ink.
void DrawGlyph(DeviceContext* dc, const UnpackedFont& font, const BakedGlyph& glyph, int x, int y,
               uint32_t colour, const PixelRect& clip, PixelRect* ink) {
    const int left = x + glyph.Left, top = y + glyph.Top;
    const int fromRow = std::max(top, clip.Top), toRow = std::min(top + glyph.Height, clip.Bottom);
    const int fromColumn = std::max(left, clip.Left), toColumn = std::min(left + glyph.Width, clip.Right);
    *ink = Union(*ink, {fromColumn, fromRow, toColumn, toRow});
    const uint8_t* glyphCoverage = font.Coverage + font.Offsets[&glyph - font.Font->Glyphs];
    for (int row = fromRow; row < toRow; ++row) {
        const uint8_t* coverage = glyphCoverage + static_cast<size_t>(row - top) * glyph.Width;
        uint32_t* target = dc->Pixels + static_cast<size_t>(row) * dc->Width;
        for (int column = fromColumn; column < toColumn; ++column) {
            const unsigned alpha = coverage[column - left];
            if (alpha == 255) target[column] = colour;
            else if (alpha) target[column] = Blend(target[column], colour, alpha);
        }
    }
}

// Draws a line of `width` pixels (as measured) with its pen at (x, y).
void DrawLine(DeviceContext* dc, const UnpackedFont& font, const wchar_t* begin, const wchar_t* end,
              int width, int x, int y, const PixelRect& clip, PixelRect* ink) {
    if (!dc->TransparentText) {
        const PixelRect cell{std::max(x, clip.Left), std::max(y, clip.Top),
                             std::min(x + width, clip.Right),
                             std::min(y + font.Font->CellHeight, clip.Bottom)};
        PlatformFillRect(dc, cell, dc->BackColour);
    }
    const uint32_t colour = PackColour(dc->TextColour);
    for (const wchar_t* p = begin; p != end; ++p) {
        const BakedGlyph* glyph = FindGlyph(*font.Font, *p);
        if (!glyph) continue;
        DrawGlyph(dc, font, *glyph, x, y, colour, clip, ink);
        x += glyph->Advance;
    }
}

bool IsBreak(wchar_t c) { return c == L'\r' || c == L'\n'; }

// The end of the line that starts at `begin` in a paragraph ending at `end`:
// as many whole words (each with the spaces before it) as fit in `width`;
// a word wider than the box stands alone on its line. The line's own width
// goes to *measured.
const wchar_t* LineEnd(const BakedFont& font, const wchar_t* begin, const wchar_t* end, int width,
                       int* measured) {
    const wchar_t* lineEnd = begin;
    int lineWidth = 0;
    while (lineEnd < end) {
        const wchar_t* wordEnd = lineEnd;
        int wordWidth = 0;
        while (wordEnd < end && *wordEnd == L' ') wordWidth += Advance(font, *wordEnd++);
        while (wordEnd < end && *wordEnd != L' ') wordWidth += Advance(font, *wordEnd++);
        if (lineEnd != begin && lineWidth + wordWidth > width) break;
        lineEnd = wordEnd;
        lineWidth += wordWidth;
    }
    *measured = lineWidth;
    return lineEnd;
}

}  // namespace

FontHandle PlatformCreateFont(int height, int weight) {
    for (int handle = 1; handle <= MaxFonts; ++handle) {
        if (Fonts[handle].Font) continue;
        Fonts[handle] = {ClosestFont(height, weight), false};
        return Fonts[handle].Font ? handle : 0;
    }
    return 0;
}

void PlatformDeleteFont(FontHandle font) {
    if (font <= 0 || font > MaxFonts) return;
    // As on the device, a font still selected for drawing stays usable: the
    // painters select it back after the toolkit has replaced its font.
    if (Device.Paint.Font == font) Fonts[font].DeletePending = true;
    else Fonts[font] = {};
}

void ReleaseDeletedFonts() {
    for (CreatedFont& font : Fonts)
        if (font.DeletePending) font = {};
}

FontHandle PlatformSelectFont(DeviceContext* dc, FontHandle font) {
    const FontHandle previous = dc->Font;
    dc->Font = font;
    return previous;
}

void PlatformSetTextColour(DeviceContext* dc, Colour colour) { dc->TextColour = colour; }

void PlatformSetBackground(DeviceContext* dc, bool transparent, Colour colour) {
    dc->TransparentText = transparent;
    dc->BackColour = colour;
}

namespace {

// Lines below the rectangle are laid out but not drawn, so that the
// caller learns what did not fit.
TextInk DrawTextLines(DeviceContext* dc, const wchar_t* text, const PixelRect& rect, bool centred) {
    TextInk made{{0, 0, 0, 0}, 0, 0};
    const BakedFont* font = Selected(dc);
    if (!font) return made;
    const PixelRect clip{std::max(rect.Left, dc->Clip.Left), std::max(rect.Top, dc->Clip.Top),
                         std::min(rect.Right, dc->Clip.Right), std::min(rect.Bottom, dc->Clip.Bottom)};
    const bool visible = clip.Left < clip.Right && clip.Top < clip.Bottom;
    const UnpackedFont& unpacked = UnpackedOf(*font);
    const int width = rect.Right - rect.Left;
    int y = rect.Top;
    for (const wchar_t* paragraph = text;;) {
        const wchar_t* end = paragraph;
        while (*end && !IsBreak(*end)) ++end;
        const wchar_t* line = paragraph;
        do {
            int lineWidth = 0;
            const wchar_t* lineEnd = LineEnd(*font, line, end, width, &lineWidth);
            const int x = centred ? rect.Left + (width - lineWidth) / 2 : rect.Left;
            if (visible && y < rect.Bottom)
                DrawLine(dc, unpacked, line, lineEnd, lineWidth, x, y, clip, &made.Ink);
            ++made.Lines;
            // A line shows when it is no wider than the box and its
            // letters reach the baseline inside it.
            if (lineWidth <= width && y + font->Baseline <= rect.Bottom) ++made.LinesShown;
            y += font->CellHeight;
            // Spaces at a break are swallowed by the break.
            line = lineEnd;
            while (line < end && *line == L' ') ++line;
        } while (line < end);
        if (!*end) break;
        paragraph = end + ((end[0] == L'\r' && end[1] == L'\n') ? 2 : 1);
    }
    return made;
}

}  // namespace

// Recorded as asked for, even where nothing of it shows.
TextInk PlatformDrawText(DeviceContext* dc, const wchar_t* text, const PixelRect& rect,
                         bool centred) {
    const TextInk made = DrawTextLines(dc, text, rect, centred);
    RecordDrawnText(text, rect, dc->TextColour, made);
    return made;
}

namespace {

int TextWidth(const BakedFont* font, const wchar_t* text) {
    if (!font) return 0;
    const wchar_t* end = text;
    while (*end) ++end;
    return Width(*font, text, end);
}

}  // namespace

int PlatformTextWidth(DeviceContext* dc, const wchar_t* text) { return TextWidth(Selected(dc), text); }

int PlatformMeasureText(int height, int weight, const wchar_t* text) {
    return TextWidth(ClosestFont(height, weight), text);
}
