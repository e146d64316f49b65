// The text faces as the build bakes them (tools/fonts): for each cell height
// and weight the program uses, one coverage strip and one advance per
// character. Text is drawn and measured from these tables alone.
#pragma once

#include <cstdint>

struct BakedGlyph {
    uint32_t Code;      // the character
    uint32_t Offset;    // its first coverage byte: Height rows of Width bytes
    int16_t Left, Top;  // the ink's top left, from the pen position and the cell top
    uint8_t Width, Height;
    uint8_t Advance;    // how far the pen moves on
};

// The first BakedAsciiCount glyphs of every font are U+0020 … U+007E in
// order; the others follow sorted by code.
constexpr uint32_t BakedAsciiFirst = 0x20;
constexpr int BakedAsciiCount = 0x7F - 0x20;

struct BakedFont {
    int CellHeight;  // pixels from one line to the next
    int Weight;      // 400, 700 or 900
    bool Smooth;     // antialiased coverage; hard-edged (0 or 255) otherwise
    int GlyphCount;
    const BakedGlyph* Glyphs;
    const uint8_t* Coverage;  // 0 … 255 per pixel
};

extern const BakedFont BakedFonts[];
extern const int BakedFontCount;
