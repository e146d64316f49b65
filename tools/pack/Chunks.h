// The file of chunks the embedding tools write for tools/pack/pack.py: each
// chunk is its length (four bytes, low byte first), then its bytes.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

inline void WriteChunk(std::ostream& out, const std::string& bytes) {
    const auto size = static_cast<uint32_t>(bytes.size());
    for (int shift = 0; shift < 32; shift += 8) out.put(static_cast<char>((size >> shift) & 0xFF));
    out << bytes;
}
