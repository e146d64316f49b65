// The text faces as the build bakes them (tools/fonts): for each cell height
// and weight the program uses, one coverage strip and one advance per
// character. Text is drawn and measured from these tables alone.
#pragma once

#include <cstdint>
#include <cstring>

struct BakedGlyph {
    uint32_t Code;      // the character
    uint32_t Offset;    // its first packed byte (see UnpackCoverage)
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
    int Baseline;    // pixels from the cell top down to the baseline
    int Weight;      // 400, 700 or 900
    bool Smooth;     // antialiased coverage; hard-edged (0 or 255) otherwise
    int GlyphCount;
    const BakedGlyph* Glyphs;
    const uint8_t* Packed;  // every glyph's coverage, packed
};

extern const BakedFont BakedFonts[];
extern const int BakedFontCount;

// Coverage is packed to keep the program small. Hard-edged glyphs take one
// bit per pixel, row after row, the first pixel in the top bit. Smooth
// glyphs are runs: a byte whose top two bits say what follows and whose low
// six bits are one less than the number of pixels, with the literal pixels
// themselves after a RunLiteral byte. Both read a whole glyph from its
// first byte on.
constexpr uint8_t RunClear = 0x00, RunFull = 0x40, RunLiteral = 0x80;
constexpr int RunLongest = 64;

// Bounds the baker keeps to, so that a font unpacks into fixed buffers: its
// glyphs, and the pixels of all of them together.
constexpr int BakedGlyphsMost = 256;
constexpr int BakedCoverageMost = 48 * 1024;

inline void UnpackBits(const uint8_t* in, int count, uint8_t* out) {
    for (int i = 0; i < count; ++i) out[i] = (in[i >> 3] >> (7 - (i & 7))) & 1 ? 255 : 0;
}

inline void UnpackRuns(const uint8_t* in, int count, uint8_t* out) {
    for (int at = 0; at < count;) {
        const uint8_t token = *in++;
        const int length = (token & (RunLongest - 1)) + 1;
        if (token >= RunLiteral) {
            std::memcpy(out + at, in, static_cast<size_t>(length));
            in += length;
        } else {
            std::memset(out + at, token >= RunFull ? 255 : 0, static_cast<size_t>(length));
        }
        at += length;
    }
}

// The glyph's Width x Height coverage bytes, 0 (none) … 255 (full), to `out`.
inline void UnpackCoverage(const BakedFont& font, const BakedGlyph& glyph, uint8_t* out) {
    const int count = glyph.Width * glyph.Height;
    if (font.Smooth) UnpackRuns(font.Packed + glyph.Offset, count, out);
    else UnpackBits(font.Packed + glyph.Offset, count, out);
}
