// The compiled-in content's packing: the build packs texts, glyph coverage
// and pictures in chunks (tools/pack/pack.py, LZMA without headers), and the
// program unpacks a chunk when it first needs one. A chunk unpacks in a few
// milliseconds, so no start-up or paint waits long on it.
#pragma once

#include <cstddef>
#include <cstdint>

struct PackedChunk {
    const uint8_t* Data;
    uint32_t Size;       // packed bytes
    uint32_t Length;     // the bytes it unpacks to
    uint8_t Properties;  // the literal context and position bits: (pb * 5 + lp) * 9 + lc
};

// Unpacks `size` bytes of an LZMA stream with the given properties into
// exactly `length` bytes of `out`. False, leaving `out` partly written, for
// a stream that is corrupt, ends early, refers before its own start or would
// write past `length`; also for properties the packer never uses
// (lc + lp > 4, pb > 4), which bound the decoder's tables.
bool UnpackStream(const uint8_t* in, size_t size, int properties, uint8_t* out, size_t length);

// A chunk into `out`, which holds `capacity` bytes; false when it does not
// hold the chunk or the chunk is damaged.
bool Unpack(const PackedChunk& chunk, uint8_t* out, size_t capacity);
