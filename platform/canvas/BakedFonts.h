// The text faces as the build bakes them (tools/fonts): for each cell height
// and weight the program uses, one coverage strip and one advance per
// character. Text is drawn and measured from these tables alone.
#pragma once

#include "platform/canvas/Unpack.h"

#include <algorithm>
#include <cstdint>

struct BakedGlyph {
    uint32_t Code;      // the character
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
    int Chunk;  // in FontChunks: every glyph's coverage, packed, in the order of Glyphs
};

extern const BakedFont BakedFonts[];
extern const int BakedFontCount;
extern const PackedChunk FontChunks[];

// Hard-edged glyphs are packed to keep the program small: one bit per
// pixel, row after row, the first pixel in the top bit. Smooth glyphs are
// one byte per pixel. Both read a whole glyph from its first byte on, and
// each glyph's bytes follow those of the one before it: the table does not
// say where each starts. A font's bytes are then packed as one chunk
// (Unpack.h).

// Bounds the baker keeps to, so that a font unpacks into fixed buffers: its
// glyphs, and the pixels of all of them together.
constexpr int BakedGlyphsMost = 256;
constexpr int BakedCoverageMost = 48 * 1024;

inline void UnpackBits(const uint8_t* in, int count, uint8_t* out) {
    for (int i = 0; i < count; ++i) out[i] = (in[i >> 3] >> (7 - (i & 7))) & 1 ? 255 : 0;
}

// How many packed bytes a glyph takes.
inline int PackedSize(const BakedFont& font, const BakedGlyph& glyph) {
    const int count = glyph.Width * glyph.Height;
    return font.Smooth ? count : (count + 7) / 8;
}

// The glyph's Width x Height coverage bytes, 0 (none) … 255 (full), to
// `out`, from its packed bytes `in`.
inline void UnpackCoverage(const BakedFont& font, const BakedGlyph& glyph, const uint8_t* in, uint8_t* out) {
    const int count = glyph.Width * glyph.Height;
    if (font.Smooth) {
        std::copy(in, in + count, out);
    } else {
        UnpackBits(in, count, out);
    }
}
