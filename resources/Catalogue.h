// The reading texts compiled into the program, looked up by key: the text
// file's path under resources/texts without ".txt", e.g.
// "compatibility/aries-leo-1" or "profile/love/leo". They are stored as
// UTF-8, a quarter of the size of wide characters, packed in chunks of
// texts alike (a catalogue, a compatibility page), unpacked when a text of
// the chunk is first read and expanded into wide characters when a report
// asks for one.
#pragma once

#include "platform/canvas/Unpack.h"

struct CatalogueEntry {
    const char* Key;
    int Chunk;      // in TextChunks
    int Offset;     // of its UTF-8, ended by a NUL, in the unpacked chunk
    int Length;     // in wide characters
};

extern const CatalogueEntry CatalogueEntries[];  // sorted by key
extern const int CatalogueSize;
extern const PackedChunk TextChunks[];
extern const int CatalogueChunkCount;

// The longest text, terminator included; the build refuses longer ones.
constexpr int CatalogueTextCapacity = 4096;
// The most chunks the texts may take; the build refuses more.
constexpr int CatalogueChunksMost = 64;

// The text of a key in wide characters, or an empty text when there is
// none. It is expanded into the next of a few buffers taken in turn, so it
// stays valid through the next three lookups: a page holds at most two
// texts at once (the About box's two addresses, a cycle's introduction and
// its reading).
const wchar_t* CatalogueText(const char* key);

// Expands UTF-8 into `out` (capacity in wide characters, terminator
// included); returns the characters written. Malformed bytes are skipped.
int ExpandUtf8(const char* text, wchar_t* out, int capacity);
