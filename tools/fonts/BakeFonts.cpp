// Bakes the text face into a C++ source of glyph metrics and advances and a
// file of chunks of glyph coverage, one chunk a font, for tools/pack to
// pack, so the program draws text without opening a font file.
//
//   bake-fonts OUTPUT.cpp CHUNKS FACE.ttf HEIGHTS WEIGHTS FILE...
//   bake-fonts --sheet OUTPUT.pgm FACE.ttf HEIGHTS OTHER_BOLD.ttf...
//
// HEIGHTS are the cell heights of the small screens (comma-separated); each
// is baked as it is, hinted and hard-edged as the device drew text without
// smoothing, and at the double-size screens' 2 × height − 1, antialiased.
// WEIGHTS (400, 700, 900) are baked at every height: the bold weights are
// the regular outlines made heavier, with the advances widened to match.
// Every character of the UTF-8 FILEs is baked, and always U+0020 … U+007E.
//
// The sheet mode draws sample lines of the baked weights next to other bold
// faces at every height, for choosing the bold by eye.
#include "platform/canvas/BakedFonts.h"
#include "tools/pack/Chunks.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

bool Fail(const std::string& message) {
    std::fprintf(stderr, "bake-fonts: %s\n", message.c_str());
    return false;
}

struct Glyph {
    uint32_t Code = 0;
    int Left = 0, Top = 0, Width = 0, Height = 0, Advance = 0;
    std::vector<uint8_t> Coverage;  // Width x Height
};

struct Font {
    int CellHeight = 0, Baseline = 0, Weight = 400;
    bool Smooth = false;
    std::vector<Glyph> Glyphs;
};

// How a cell height becomes a size on the face: the cell is the face's
// Windows ascent plus descent, as the device measured it, and the baseline
// lies the Windows ascent below the cell's top.
struct Cell {
    int PixelsPerEm = 0, Baseline = 0;
};

Cell CellFor(FT_Face face, int cellHeight) {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const double em = face->units_per_EM;
    double height = 1.0, ascent = 0.8;
    if (os2 && em > 0 && os2->usWinAscent + os2->usWinDescent > 0) {
        height = (os2->usWinAscent + os2->usWinDescent) / em;
        ascent = os2->usWinAscent / em;
    }
    const int ppem = std::max(1, static_cast<int>(std::lround(cellHeight / height)));
    return {ppem, static_cast<int>(std::lround(ascent * ppem))};
}

// How much heavier a weight is drawn than the face's regular. Hard-edged
// sizes take whole pixels across, so stems stay even: one more for bold and
// two for black, and none upwards, which would close the gaps over i and j.
// From 15 pixels per em on, where the face's own stems are no thicker and
// one pixel would leave the larger bold lighter than the smaller, strokes
// grow a pixel more inwards only, so that the letters get no wider.
// Smooth sizes grow by a share of the em (26.6 pixels) across and half as
// much up: the stroke difference between the regular and bold cuts of such
// faces.
struct Strength {
    FT_Pos Across = 0, Up = 0, Inwards = 0;
};

Strength StrengthFor(int weight, bool smooth, int ppem) {
    if (weight < 600) return {};
    const bool black = weight >= 800;
    if (!smooth) return {black ? 2 : 1, 0, ppem >= 15 ? 1 : 0};
    const FT_Pos across = std::lround(ppem * 64 * (black ? 0.065 : 0.04));
    return {across, across / 2};
}

void CopyBitmap(const FT_Bitmap& bitmap, Glyph* glyph) {
    glyph->Width = static_cast<int>(bitmap.width);
    glyph->Height = static_cast<int>(bitmap.rows);
    glyph->Coverage.assign(static_cast<size_t>(glyph->Width) * glyph->Height, 0);
    const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
    for (int y = 0; y < glyph->Height; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
        for (int x = 0; x < glyph->Width; ++x)
            glyph->Coverage[static_cast<size_t>(y) * glyph->Width + x] =
                mono ? ((row[x >> 3] >> (7 - (x & 7))) & 1) * 255 : row[x];
    }
}

bool HasInk(const FT_Bitmap& bitmap) {
    const size_t bytes = static_cast<size_t>(bitmap.rows) * std::abs(bitmap.pitch);
    return std::any_of(bitmap.buffer, bitmap.buffer + bytes, [](unsigned char b) { return b != 0; });
}

// Hard-edged bold: every ink pixel also inks the `outwards` + `inwards`
// pixels to its right, so a stem of n pixels becomes that much wider, but
// the glyph grows by `outwards` on its right side only. A gap between two
// strokes of a row keeps its last pixel clear, so that counters (o, e, a)
// and the room between stems (n, m) stay open however heavy the weight.
void Thicken(Glyph* glyph, int outwards, int inwards) {
    const int pixels = outwards + inwards;
    if (pixels <= 0 || glyph->Width == 0) return;
    const int width = glyph->Width + outwards;
    const auto ink = [&](int x, int y) {
        return x < glyph->Width && glyph->Coverage[static_cast<size_t>(y) * glyph->Width + x] != 0;
    };
    std::vector<uint8_t> thick(static_cast<size_t>(width) * glyph->Height, 0);
    for (int y = 0; y < glyph->Height; ++y)
        for (int x = 0, reach = -1; x < width; ++x) {
            if (ink(x, y)) reach = x + pixels;
            const bool lastOfGap = ink(x + 1, y);
            if (ink(x, y) || (x <= reach && !lastOfGap)) thick[static_cast<size_t>(y) * width + x] = 255;
        }
    glyph->Width = width;
    glyph->Coverage.swap(thick);
}

// Hard-edged sizes use the face's own bitmaps where it has them for the
// size (its look without smoothing) and its outlines, hinted to the pixel
// grid, elsewhere, with the advances of its design rounded to pixels.
// Smooth sizes use the outlines, hinted only vertically.
bool Rasterize(FT_Face face, uint32_t code, int weight, bool smooth, const Cell& cell,
               Glyph* glyph) {
    const FT_UInt index = FT_Get_Char_Index(face, code);
    if (!index) return false;
    const FT_Int32 load = smooth ? FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_LIGHT : FT_LOAD_TARGET_MONO;
    if (FT_Load_Glyph(face, index, load)) return false;
    FT_GlyphSlot slot = face->glyph;
    const bool fromBitmap = slot->format == FT_GLYPH_FORMAT_BITMAP;
    // A space has no stroke to thicken and keeps its width.
    const bool ink = fromBitmap ? HasInk(slot->bitmap) : slot->outline.n_points > 0;
    const Strength strength = ink ? StrengthFor(weight, smooth, cell.PixelsPerEm) : Strength{};
    if (smooth && strength.Across) {
        // Each side moves out by half the strength; moved back by as much,
        // the left edge and the baseline stay.
        FT_Outline_EmboldenXY(&slot->outline, strength.Across, strength.Up);
        FT_Outline_Translate(&slot->outline, strength.Across / 2, strength.Up / 2);
    }
    if (!fromBitmap && FT_Render_Glyph(slot, smooth ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO))
        return false;
    glyph->Code = code;
    glyph->Left = slot->bitmap_left;
    glyph->Top = cell.Baseline - slot->bitmap_top;
    CopyBitmap(slot->bitmap, glyph);
    // The advance grows by the ink's growth at most: the smooth glyph keeps
    // the face's spacing, the hard-edged one keeps the regular's advance, and
    // KeepApart adds a pixel wherever two letters would then touch.
    if (smooth) {
        glyph->Advance = static_cast<int>((slot->advance.x + strength.Across + 32) >> 6);
    } else {
        const FT_Pos advance = fromBitmap ? slot->advance.x : (slot->linearHoriAdvance + 512) >> 10;
        glyph->Advance = static_cast<int>((advance + 32) >> 6);
        Thicken(glyph, static_cast<int>(strength.Across), static_cast<int>(strength.Inwards));
    }
    return true;
}

// Ink of one row of a glyph, as pen-relative columns; empty when first > last.
struct Span {
    int First = 1, Last = 0;
};

Span InkSpan(const Glyph& glyph, int cellRow) {
    Span span;
    const int y = cellRow - glyph.Top;
    if (y < 0 || y >= glyph.Height) return span;
    for (int x = 0; x < glyph.Width; ++x) {
        if (glyph.Coverage[static_cast<size_t>(y) * glyph.Width + x] < 128) continue;
        if (span.First > span.Last) span.First = glyph.Left + x;
        span.Last = glyph.Left + x;
    }
    return span;
}

bool Touch(const Glyph& a, const Glyph& b, int cellHeight) {
    const int top = std::min(a.Top, b.Top), bottom = std::max(a.Top + a.Height, b.Top + b.Height);
    for (int row = std::min(top, 0); row < std::max(bottom, cellHeight); ++row) {
        const Span left = InkSpan(a, row), right = InkSpan(b, row);
        if (left.First > left.Last || right.First > right.Last) continue;
        if (left.Last + 1 >= a.Advance + right.First) return true;
    }
    return false;
}

bool IsLetterOrDigit(uint32_t c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Letters and digits never touch their neighbours: a glyph whose ink would
// reach the next one gets the extra pixel of advance it needs.
void KeepApart(Font& font) {
    for (bool widened = true; widened;) {
        widened = false;
        for (Glyph& a : font.Glyphs) {
            if (!IsLetterOrDigit(a.Code)) continue;
            for (const Glyph& b : font.Glyphs)
                if (IsLetterOrDigit(b.Code) && Touch(a, b, font.CellHeight)) {
                    ++a.Advance;
                    widened = true;
                }
        }
    }
}

bool Bake(FT_Face face, int cellHeight, int weight, bool smooth,
          const std::vector<uint32_t>& codes, Font* font) {
    const Cell cell = CellFor(face, cellHeight);
    if (FT_Set_Pixel_Sizes(face, 0, cell.PixelsPerEm)) return Fail("cannot size the face");
    *font = {cellHeight, cell.Baseline, weight, smooth, {}};
    for (const uint32_t code : codes) {
        Glyph glyph;
        if (Rasterize(face, code, weight, smooth, cell, &glyph)) font->Glyphs.push_back(glyph);
        else if (code < BakedAsciiFirst + BakedAsciiCount) return Fail("the face lacks ASCII");
        else std::fprintf(stderr, "bake-fonts: no glyph for U+%04X\n", code);
    }
    KeepApart(*font);
    return true;
}

// A heavier weight is never narrower than a lighter one of the same size:
// the smooth sizes round their grown advances and keep their letters apart
// each on its own, which can leave a black letter a pixel short of the bold.
void NoNarrowerThan(const Font& lighter, Font* font) {
    for (size_t i = 0; i < font->Glyphs.size() && i < lighter.Glyphs.size(); ++i)
        font->Glyphs[i].Advance = std::max(font->Glyphs[i].Advance, lighter.Glyphs[i].Advance);
}

// Decodes UTF-8 leniently: the files are checked elsewhere.
void CollectCodes(const std::string& bytes, std::set<uint32_t>* codes) {
    for (size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : 0;
        uint32_t c = extra == 0 ? b : b & (0x3F >> extra);
        for (int k = 1; k <= extra && i + k < bytes.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
        if (c >= 0xA0) codes->insert(c);
        i += static_cast<size_t>(extra) + 1;
    }
}

std::vector<int> Numbers(const std::string& list) {
    std::vector<int> out;
    std::stringstream in(list);
    for (std::string item; std::getline(in, item, ',');) out.push_back(std::stoi(item));
    return out;
}

std::vector<uint8_t> PackBits(const std::vector<uint8_t>& coverage) {
    std::vector<uint8_t> packed((coverage.size() + 7) / 8, 0);
    for (size_t i = 0; i < coverage.size(); ++i)
        if (coverage[i]) packed[i / 8] |= static_cast<uint8_t>(0x80 >> (i % 8));
    return packed;
}

// The packed glyph, checked against the program's own unpacking.
bool Pack(const Font& font, const Glyph& glyph, std::vector<uint8_t>* packed) {
    *packed = font.Smooth ? glyph.Coverage : PackBits(glyph.Coverage);
    if (!font.Smooth && std::any_of(glyph.Coverage.begin(), glyph.Coverage.end(),
                                    [](uint8_t v) { return v != 0 && v != 255; }))
        return Fail("partial coverage in a hard-edged glyph");
    const BakedFont baked{font.CellHeight, font.Baseline, font.Weight, font.Smooth, 0, nullptr, 0};
    const BakedGlyph at{glyph.Code, 0, 0, static_cast<uint8_t>(glyph.Width), static_cast<uint8_t>(glyph.Height), 0};
    if (PackedSize(baked, at) != static_cast<int>(packed->size())) return Fail("packed size misjudged");
    std::vector<uint8_t> unpacked(glyph.Coverage.size());
    UnpackCoverage(baked, at, packed->data(), unpacked.data());
    return unpacked == glyph.Coverage || Fail("packing loses coverage");
}

bool WriteFont(std::ostream& out, std::ostream& chunks, const Font& font, int number) {
    size_t pixels = 0;
    for (const Glyph& glyph : font.Glyphs) pixels += glyph.Coverage.size();
    if (font.Glyphs.size() > BakedGlyphsMost || pixels > BakedCoverageMost)
        return Fail("a font too large to unpack");
    std::string coverage;
    for (const Glyph& glyph : font.Glyphs) {
        std::vector<uint8_t> packed;
        if (!Pack(font, glyph, &packed)) return false;
        coverage.append(packed.begin(), packed.end());
    }
    WriteChunk(chunks, coverage);
    out << "constexpr BakedGlyph Glyphs" << number << "[] = {\n";
    for (size_t i = 0; i < font.Glyphs.size(); ++i) {
        const Glyph& g = font.Glyphs[i];
        out << "  {" << g.Code << "," << g.Left << "," << g.Top << ","
            << g.Width << "," << g.Height << "," << g.Advance << "},\n";
    }
    out << "};\n";
    return true;
}

bool WriteSource(const std::string& path, const std::string& chunksPath, const std::vector<Font>& fonts) {
    std::ostringstream out;
    std::ofstream chunks(chunksPath, std::ios::binary);
    out << "// Written by tools/fonts/BakeFonts.cpp; do not edit.\n"
           "#include \"platform/canvas/BakedFonts.h\"\n\nnamespace {\n";
    for (size_t i = 0; i < fonts.size(); ++i)
        if (!WriteFont(out, chunks, fonts[i], static_cast<int>(i))) return false;
    out << "}  // namespace\n\nextern const BakedFont BakedFonts[] = {\n";
    for (size_t i = 0; i < fonts.size(); ++i)
        out << "  {" << fonts[i].CellHeight << "," << fonts[i].Baseline << "," << fonts[i].Weight << ","
            << (fonts[i].Smooth ? "true" : "false") << "," << fonts[i].Glyphs.size() << ",Glyphs"
            << i << "," << i << "},\n";
    out << "};\nextern const int BakedFontCount = " << fonts.size() << ";\n";
    std::ofstream file(path, std::ios::binary);
    file << out.str();
    return (file.good() && chunks.flush()) || Fail("cannot write " + path);
}

std::string ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<uint32_t> CodesOf(int fileCount, char** files) {
    std::vector<uint32_t> codes;
    for (uint32_t c = BakedAsciiFirst; c < BakedAsciiFirst + BakedAsciiCount; ++c) codes.push_back(c);
    std::set<uint32_t> others;
    for (int i = 0; i < fileCount; ++i) CollectCodes(ReadFile(files[i]), &others);
    codes.insert(codes.end(), others.begin(), others.end());
    return codes;
}

// ---- The sheet ---------------------------------------------------------------------

struct Sheet {
    int Width = 1800, Height = 0;
    std::vector<uint8_t> Pixels;  // grey, white paper

    void Grow(int height) {
        Height += height;
        Pixels.resize(static_cast<size_t>(Width) * Height, 255);
    }
    void Draw(const Glyph& glyph, int x, int top) {
        for (int y = 0; y < glyph.Height; ++y)
            for (int c = 0; c < glyph.Width; ++c) {
                const int px = x + glyph.Left + c, py = top + glyph.Top + y;
                if (px < 0 || px >= Width || py < 0 || py >= Height) continue;
                uint8_t& p = Pixels[static_cast<size_t>(py) * Width + px];
                p = static_cast<uint8_t>(std::min<int>(p, 255 - glyph.Coverage[static_cast<size_t>(y) * glyph.Width + c]));
            }
    }
    void Line(const Font& font, const std::string& text, int x) {
        const int top = Height;
        Grow(font.CellHeight + 4);
        for (const char c : text)
            for (const Glyph& glyph : font.Glyphs)
                if (glyph.Code == static_cast<unsigned char>(c)) {
                    Draw(glyph, x, top);
                    x += glyph.Advance;
                }
    }
};

constexpr const char* Sample = "learn close Virgin NUMEROLOGY: RICH PURPLE 0123456789 Aquarius";

bool WriteSheet(const char* path, const char* face, const std::vector<int>& heights,
                int otherCount, char** others) {
    FT_Library library;
    if (FT_Init_FreeType(&library)) return Fail("FreeType unavailable");
    std::vector<uint32_t> codes;
    for (uint32_t c = BakedAsciiFirst; c < BakedAsciiFirst + BakedAsciiCount; ++c) codes.push_back(c);
    Sheet sheet;
    // Per height: the regular, the baked bold and black, then each other
    // face at its own regular weight (a bold face needs no emboldening).
    for (const bool smooth : {false, true})
        for (const int height : heights) {
            const int cell = smooth ? 2 * height - 1 : height;
            const auto row = [&](const char* file, int weight) {
                FT_Face f;
                if (FT_New_Face(library, file, 0, &f)) return Fail(std::string("cannot open ") + file);
                Font font;
                const bool ok = Bake(f, cell, weight, smooth, codes, &font);
                FT_Done_Face(f);
                // Each line names its face (the file's name) and weight.
                const std::string name = std::string(file).substr(std::string(file).find_last_of('/') + 1);
                const bool baked = std::string(file) == face && weight >= 600;
                const std::string label = name.substr(0, name.find('.')) + " " + std::to_string(weight) +
                                          (baked ? " as baked " : " ") + std::to_string(cell) + "px: ";
                if (ok) sheet.Line(font, label + Sample, 4);
                return ok;
            };
            for (const int weight : {400, 700, 900})
                if (!row(face, weight)) return false;
            for (int i = 0; i < otherCount; ++i)
                if (!row(others[i], 400)) return false;
            sheet.Grow(8);
        }
    FT_Done_FreeType(library);
    std::ofstream out(path, std::ios::binary);
    out << "P5\n" << sheet.Width << " " << sheet.Height << "\n255\n";
    out.write(reinterpret_cast<const char*>(sheet.Pixels.data()), static_cast<std::streamsize>(sheet.Pixels.size()));
    return out.good() || Fail(std::string("cannot write ") + path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 5 && std::string(argv[1]) == "--sheet")
        return WriteSheet(argv[2], argv[3], Numbers(argv[4]), argc - 5, argv + 5) ? 0 : 1;
    if (argc < 6) {
        Fail("usage: bake-fonts OUTPUT.cpp CHUNKS FACE.ttf HEIGHTS WEIGHTS FILE...");
        return 2;
    }
    FT_Library library;
    FT_Face face;
    if (FT_Init_FreeType(&library) || FT_New_Face(library, argv[3], 0, &face)) {
        Fail(std::string("cannot open ") + argv[3]);
        return 1;
    }
    const std::vector<uint32_t> codes = CodesOf(argc - 6, argv + 6);
    std::vector<Font> fonts;
    for (const bool smooth : {false, true})
        for (const int height : Numbers(argv[4]))
            for (const int weight : Numbers(argv[5])) {
                fonts.emplace_back();
                if (!Bake(face, smooth ? 2 * height - 1 : height, weight, smooth, codes, &fonts.back()))
                    return 1;
                // The weights come lightest first.
                if (weight != Numbers(argv[5]).front()) NoNarrowerThan(fonts[fonts.size() - 2], &fonts.back());
            }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return WriteSource(argv[1], argv[2], fonts) ? 0 : 1;
}
