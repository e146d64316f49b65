#include "resources/Catalogue.h"

#include <cstring>
#include <memory>

namespace {

constexpr int ExpandedBuffers = 4;
wchar_t Expanded[ExpandedBuffers][CatalogueTextCapacity];
int NextBuffer = 0;

const CatalogueEntry* Find(const char* key) {
    int low = 0, high = CatalogueSize - 1;
    while (low <= high) {
        const int middle = (low + high) / 2;
        const int order = std::strcmp(CatalogueEntries[middle].Key, key);
        if (order == 0) return &CatalogueEntries[middle];
        if (order < 0) low = middle + 1;
        else high = middle - 1;
    }
    return nullptr;
}

// The unpacked chunks, by number; an empty one is not unpacked yet. A
// damaged one stays empty and its texts read as empty.
std::unique_ptr<char[]> Unpacked[CatalogueChunksMost];

// The UTF-8 of an entry, or nullptr.
const char* EntryText(const CatalogueEntry& entry) {
    if (entry.Chunk < 0 || entry.Chunk >= CatalogueChunkCount || entry.Chunk >= CatalogueChunksMost) return nullptr;
    std::unique_ptr<char[]>& chunk = Unpacked[entry.Chunk];
    const PackedChunk& packed = TextChunks[entry.Chunk];
    if (!chunk) {
        chunk.reset(new char[packed.Length + 1]);
        // A NUL after the end keeps a damaged chunk's texts from running on.
        chunk[packed.Length] = 0;
        if (!Unpack(packed, reinterpret_cast<uint8_t*>(chunk.get()), packed.Length)) {
            chunk.reset();
            return nullptr;
        }
    }
    return entry.Offset >= 0 && static_cast<uint32_t>(entry.Offset) < packed.Length ? chunk.get() + entry.Offset
                                                                                      : nullptr;
}

// The number of continuation bytes after a lead byte, or -1 for a byte that
// cannot start a character.
int ContinuationBytes(unsigned char lead) {
    if (lead < 0x80) return 0;
    if ((lead >> 5) == 6) return 1;
    if ((lead >> 4) == 14) return 2;
    if ((lead >> 3) == 30) return 3;
    return -1;
}

}  // namespace

int ExpandUtf8(const char* text, wchar_t* out, int capacity) {
    int written = 0;
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p && written < capacity - 1) {
        const int extra = ContinuationBytes(*p);
        if (extra < 0) {
            ++p;
            continue;
        }
        char32_t c = extra == 0 ? *p : *p & (0x3F >> extra);
        int k = 1;
        for (; k <= extra && (p[k] & 0xC0) == 0x80; ++k) c = (c << 6) | (p[k] & 0x3F);
        p += k;
        if (k > extra) out[written++] = static_cast<wchar_t>(c);
    }
    out[written] = 0;
    return written;
}

const wchar_t* CatalogueText(const char* key) {
    const CatalogueEntry* entry = Find(key);
    const char* text = entry ? EntryText(*entry) : nullptr;
    if (!text) return L"";
    wchar_t* buffer = Expanded[NextBuffer];
    NextBuffer = (NextBuffer + 1) % ExpandedBuffers;
    ExpandUtf8(text, buffer, CatalogueTextCapacity);
    return buffer;
}
