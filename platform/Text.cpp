// Text in the Tahoma face: fonts by cell height and weight, word-broken text
// drawn into a rectangle, and width measurement that matches the drawing.
#include "platform/Internal.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Face {
    const char* Regular;
    const char* Bold;  // null: bold is the regular face drawn twice
};

// The packaged Tahoma Bold has full-weight bitmaps only for small sizes and
// thin, widely spaced outlines above them, so bold text is the regular face
// drawn twice, a pixel or two apart: one even weight at every size, and
// widths that grow with the size as the layout expects.
constexpr Face Tahoma{"/usr/share/wine/fonts/tahoma.ttf", nullptr};
// Close in width and x-height, for machines without the Tahoma files.
constexpr Face Fallback{"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                        "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"};

struct CreatedFont {
    TTF_Font* Font = nullptr;
    int Height = 0;        // cell height: the advance between lines
    int StrikeOffset = 0;  // drawn again this many pixels to the right, for weight
    int BaselineDrop = 0;  // where the cell puts the baseline, below the glyphs' own
    bool DeletePending = false;  // deleted while selected: released when the paint ends
};

// The face's cell as the device measures it, per unit of em: the height
// from its Windows ascent and descent, and the ascent alone. FreeType
// measures this face by its typographic ascent and descent, which are
// smaller, so sizes and baselines are taken from here instead.
struct CellMetrics {
    double Height = 1.0, Ascent = 0.8;
};

constexpr int MaxFonts = 64;
CreatedFont Fonts[MaxFonts + 1];  // handle 0 is "no font"
std::map<std::pair<bool, int>, TTF_Font*> OpenFonts;  // (bold, point size)
const Face* ChosenFace = nullptr;
CellMetrics Cell;

unsigned BigEndian(const std::string& data, size_t at, int bytes) {
    unsigned value = 0;
    for (int i = 0; i < bytes; ++i) value = (value << 8) | static_cast<unsigned char>(data[at + i]);
    return value;
}

// Reads usWinAscent and usWinDescent (OS/2 table) and unitsPerEm (head).
CellMetrics ReadCellMetrics(const char* path) {
    std::ifstream in(path, std::ios::binary);
    const std::string data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    size_t os2 = 0, head = 0;
    if (data.size() < 12) return {};
    const unsigned tables = BigEndian(data, 4, 2);
    for (unsigned i = 0; i < tables && 12 + 16 * (i + 1) <= data.size(); ++i) {
        const size_t entry = 12 + 16 * i;
        const std::string tag = data.substr(entry, 4);
        const size_t offset = BigEndian(data, entry + 8, 4);
        if (tag == "OS/2") os2 = offset;
        if (tag == "head") head = offset;
    }
    if (!os2 || !head || os2 + 78 > data.size() || head + 20 > data.size()) return {};
    const double em = BigEndian(data, head + 18, 2);
    const double ascent = BigEndian(data, os2 + 74, 2), descent = BigEndian(data, os2 + 76, 2);
    if (em <= 0 || ascent + descent <= 0) return {};
    return {(ascent + descent) / em, ascent / em};
}

// Open fonts live until the program ends.
void CloseFonts() {
    for (auto& entry : OpenFonts)
        if (entry.second) TTF_CloseFont(entry.second);
    OpenFonts.clear();
    TTF_Quit();
}

const Face& CurrentFace() {
    if (ChosenFace) return *ChosenFace;
    std::atexit(CloseFonts);
    if (TTF_Init() != 0) std::fprintf(stderr, "stellarion: text unavailable: %s\n", TTF_GetError());
    if (FILE* probe = std::fopen(Tahoma.Regular, "rb")) {
        std::fclose(probe);
        ChosenFace = &Tahoma;
    } else {
        std::fprintf(stderr, "stellarion: Tahoma not found under /usr/share/wine/fonts "
                             "(install fonts-wine); using DejaVu Sans instead\n");
        ChosenFace = &Fallback;
    }
    Cell = ReadCellMetrics(ChosenFace->Regular);
    return *ChosenFace;
}

TTF_Font* OpenAt(bool bold, int pointSize) {
    auto [it, added] = OpenFonts.try_emplace({bold, pointSize}, nullptr);
    if (added) {
        const Face& face = CurrentFace();
        it->second = TTF_OpenFont(bold && face.Bold ? face.Bold : face.Regular, pointSize);
    }
    return it->second;
}

// The point size (em in pixels) whose cell is the requested height.
int PointSizeForCell(int cellHeight) {
    CurrentFace();
    return std::max(1, static_cast<int>(std::lround(cellHeight / Cell.Height)));
}

const CreatedFont* Selected(const DeviceContext* dc) {
    if (dc->Font <= 0 || dc->Font > MaxFonts || !Fonts[dc->Font].Font) return nullptr;
    return &Fonts[dc->Font];
}

std::string Utf8(const wchar_t* begin, const wchar_t* end) {
    std::string out;
    for (const wchar_t* p = begin; p != end; ++p) {
        const auto c = static_cast<uint32_t>(*p);
        if (c < 0x20) continue;  // control characters have no glyph
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

int Width(const CreatedFont& font, const std::string& text) {
    int width = 0, height = 0;
    if (text.empty() || TTF_SizeUTF8(font.Font, text.c_str(), &width, &height) != 0) return 0;
    return width + font.StrikeOffset;
}

uint32_t Blend(uint32_t under, uint32_t over, unsigned alpha) {
    const auto mix = [&](int shift) {
        const unsigned a = (under >> shift) & 0xFF, b = (over >> shift) & 0xFF;
        return ((a * (255 - alpha) + b * alpha + 127) / 255) << shift;
    };
    return mix(16) | mix(8) | mix(0);
}

void BlendGlyphs(DeviceContext* dc, SDL_Surface* glyphs, int x, int y,
                 const PixelRect& clip) {
    const uint32_t colour = PackColour(dc->TextColour);
    const int top = std::max(y, clip.Top), bottom = std::min(y + glyphs->h, clip.Bottom);
    const int left = std::max(x, clip.Left), right = std::min(x + glyphs->w, clip.Right);
    for (int row = top; row < bottom; ++row) {
        const auto* source = reinterpret_cast<const uint32_t*>(
            static_cast<const unsigned char*>(glyphs->pixels) + static_cast<size_t>(row - y) * glyphs->pitch);
        uint32_t* target = dc->Pixels + static_cast<size_t>(row) * dc->Width;
        for (int column = left; column < right; ++column) {
            const unsigned alpha = source[column - x] >> 24;
            if (alpha) target[column] = Blend(target[column], colour, alpha);
        }
    }
}

void DrawLine(DeviceContext* dc, const CreatedFont& font, const std::string& text,
              int x, int y, const PixelRect& clip) {
    const int width = Width(font, text);
    if (!dc->TransparentText) {
        const PixelRect cell{std::max(x, clip.Left), std::max(y, clip.Top),
                             std::min(x + width, clip.Right),
                             std::min(y + font.Height, clip.Bottom)};
        PlatformFillRect(dc, cell, dc->BackColour);
    }
    if (text.empty()) return;
    SDL_Surface* glyphs = TTF_RenderUTF8_Blended(font.Font, text.c_str(), SDL_Color{255, 255, 255, 255});
    if (!glyphs) return;
    for (int offset = 0; offset <= font.StrikeOffset; ++offset)
        BlendGlyphs(dc, glyphs, x + offset, y + font.BaselineDrop, clip);
    SDL_FreeSurface(glyphs);
}

bool IsBreak(wchar_t c) { return c == L'\r' || c == L'\n'; }

// Splits one paragraph into lines no wider than `width`, breaking at spaces;
// a word wider than the box stands alone on its line.
void WrapParagraph(const CreatedFont& font, const wchar_t* begin, const wchar_t* end,
                   int width, std::vector<std::string>& lines) {
    if (begin == end) {
        lines.emplace_back();
        return;
    }
    const wchar_t* lineStart = begin;
    while (lineStart < end) {
        const wchar_t* lineEnd = lineStart;
        const wchar_t* scan = lineStart;
        while (scan < end) {
            const wchar_t* wordEnd = scan;
            while (wordEnd < end && *wordEnd == L' ') ++wordEnd;
            while (wordEnd < end && *wordEnd != L' ') ++wordEnd;
            if (lineEnd != lineStart && Width(font, Utf8(lineStart, wordEnd)) > width) break;
            lineEnd = scan = wordEnd;
        }
        lines.push_back(Utf8(lineStart, lineEnd));
        lineStart = lineEnd;
        // Spaces at a break are swallowed by the break.
        while (lineStart < end && *lineStart == L' ') ++lineStart;
    }
}

// How much further right bold text is drawn again: a pixel at the small
// screens' sizes, two at the double-size ones, and one step more for the
// heaviest weight. A face with a bold of its own needs it only for that.
int StrikeOffset(int height, int weight) {
    const int step = height >= 22 ? 2 : 1;
    const int bold = weight >= 600 && !CurrentFace().Bold ? step : 0;
    const int heavy = weight >= 800 ? step : 0;
    return bold + heavy;
}

}  // namespace

FontHandle PlatformCreateFont(int height, int weight) {
    for (int handle = 1; handle <= MaxFonts; ++handle) {
        if (Fonts[handle].Font) continue;
        const bool bold = weight >= 600;
        const int pointSize = PointSizeForCell(height);
        TTF_Font* font = OpenAt(bold, pointSize);
        if (!font) return 0;
        const int drop = static_cast<int>(std::lround(Cell.Ascent * pointSize)) - TTF_FontAscent(font);
        Fonts[handle] = {font, height, StrikeOffset(height, weight), drop};
        return handle;
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

void PlatformDrawText(DeviceContext* dc, const wchar_t* text, const PixelRect& rect,
                      bool centred) {
    const CreatedFont* font = Selected(dc);
    if (!font) return;
    const PixelRect clip{std::max(rect.Left, dc->Clip.Left), std::max(rect.Top, dc->Clip.Top),
                         std::min(rect.Right, dc->Clip.Right), std::min(rect.Bottom, dc->Clip.Bottom)};
    if (clip.Left >= clip.Right || clip.Top >= clip.Bottom) return;
    std::vector<std::string> lines;
    const wchar_t* paragraph = text;
    while (true) {
        const wchar_t* end = paragraph;
        while (*end && !IsBreak(*end)) ++end;
        WrapParagraph(*font, paragraph, end, rect.Right - rect.Left, lines);
        if (!*end) break;
        paragraph = end + ((end[0] == L'\r' && end[1] == L'\n') ? 2 : 1);
    }
    int y = rect.Top;
    for (const std::string& line : lines) {
        if (y >= rect.Bottom) break;
        const int x = centred ? rect.Left + (rect.Right - rect.Left - Width(*font, line)) / 2
                              : rect.Left;
        DrawLine(dc, *font, line, x, y, clip);
        y += font->Height;
    }
}

int PlatformTextWidth(DeviceContext* dc, const wchar_t* text) {
    const CreatedFont* font = Selected(dc);
    if (!font) return 0;
    const wchar_t* end = text;
    while (*end) ++end;
    return Width(*font, Utf8(text, end));
}
