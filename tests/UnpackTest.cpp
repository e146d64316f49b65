// The packed content and its decoder: every chunk the build packed unpacks
// to what its source holds, and a damaged stream is refused without writing
// past the buffer it was given (the sanitizer build watches that).
#include "platform/canvas/BakedFonts.h"
#include "platform/canvas/Device.h"
#include "resources/Catalogue.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> Unpacked(const PackedChunk& chunk) {
    std::vector<uint8_t> bytes(chunk.Length);
    EXPECT_TRUE(Unpack(chunk, bytes.data(), bytes.size()));
    return bytes;
}

// A copy in a heap block of its own exact size, so that a read past its end
// is caught.
std::unique_ptr<uint8_t[]> Copy(const uint8_t* data, size_t size) {
    std::unique_ptr<uint8_t[]> copy(new uint8_t[size]);
    std::copy(data, data + size, copy.get());
    return copy;
}

// Unpacks into a block of exactly `length` bytes; the block when it succeeded.
bool UnpackExactly(const uint8_t* in, size_t size, int properties, size_t length, std::vector<uint8_t>* out) {
    std::unique_ptr<uint8_t[]> block(new uint8_t[length]);
    const bool ok = UnpackStream(in, size, properties, block.get(), length);
    if (ok) out->assign(block.get(), block.get() + length);
    return ok;
}

}  // namespace

// The pictures as packed give exactly the pixels of the rendered PNG files.
TEST(Unpack, EveryPictureHasThePixelsOfItsFile) {
    int count = 0;
    for (const EmbeddedPicture* p = StellarionPictures; p->Id != 0; ++p, ++count) {
        SCOPED_TRACE(p->Id);
        const std::vector<uint8_t> bytes = Unpacked(PictureChunks[p->Chunk]);
        int width = 0, height = 0;
        std::vector<uint32_t> pixels;
        ASSERT_TRUE(ReadPicture(bytes.data(), bytes.size(), &width, &height, &pixels));
        std::ifstream in(std::string(STELLARION_SOURCE "/resources/pictures/") + std::to_string(p->Id) + ".png",
                         std::ios::binary);
        const std::vector<unsigned char> png{std::istreambuf_iterator<char>(in), {}};
        int fileWidth = 0, fileHeight = 0;
        std::vector<uint32_t> filePixels;
        ASSERT_TRUE(DecodePngWithAlpha(png.data(), png.size(), &fileWidth, &fileHeight, &filePixels));
        for (uint32_t& pixel : filePixels) pixel &= 0xFFFFFF;
        EXPECT_EQ(width, fileWidth);
        EXPECT_EQ(height, fileHeight);
        EXPECT_TRUE(pixels == filePixels);
    }
    EXPECT_GT(count, 150);
}

// Every text chunk and font chunk unpacks whole; the texts' entries point
// inside their chunk at a text that ends there.
TEST(Unpack, EveryTextAndFontChunkUnpacks) {
    std::vector<std::vector<uint8_t>> texts;
    for (int i = 0; i < CatalogueChunkCount; ++i) texts.push_back(Unpacked(TextChunks[i]));
    for (int i = 0; i < CatalogueSize; ++i) {
        const CatalogueEntry& entry = CatalogueEntries[i];
        ASSERT_LT(entry.Chunk, CatalogueChunkCount) << entry.Key;
        const std::vector<uint8_t>& chunk = texts[entry.Chunk];
        ASSERT_LT(static_cast<size_t>(entry.Offset), chunk.size()) << entry.Key;
        EXPECT_NE(std::find(chunk.begin() + entry.Offset, chunk.end(), 0), chunk.end()) << entry.Key;
    }
    for (int i = 0; i < BakedFontCount; ++i) {
        const BakedFont& font = BakedFonts[i];
        size_t packed = 0;
        for (int g = 0; g < font.GlyphCount; ++g) packed += PackedSize(font, font.Glyphs[g]);
        EXPECT_EQ(Unpacked(FontChunks[font.Chunk]).size(), packed) << i;
    }
}

// A stream cut short, a buffer too small, properties the packer never uses
// and a first byte that is not zero are refused.
TEST(Unpack, RefusesWhatCannotBeWhole) {
    const PackedChunk& chunk = TextChunks[0];
    std::vector<uint8_t> out;
    EXPECT_TRUE(UnpackExactly(chunk.Data, chunk.Size, chunk.Properties, chunk.Length, &out));
    for (const size_t cut : {size_t{0}, size_t{3}, size_t{chunk.Size / 2}, size_t{chunk.Size * 3 / 4}}) {
        const auto shorter = Copy(chunk.Data, cut);
        EXPECT_FALSE(UnpackExactly(shorter.get(), cut, chunk.Properties, chunk.Length, &out)) << cut;
    }
    std::vector<uint8_t> small(chunk.Length - 1);
    EXPECT_FALSE(Unpack(chunk, small.data(), small.size()));
    EXPECT_FALSE(UnpackExactly(chunk.Data, chunk.Size, 5 * 9 * 5, chunk.Length, &out));  // beyond every table
    EXPECT_FALSE(UnpackExactly(chunk.Data, chunk.Size, 0 * 9 + 4 + 9 * 1, chunk.Length, &out));  // lc + lp = 5
    auto changed = Copy(chunk.Data, chunk.Size);
    changed[0] = 1;
    EXPECT_FALSE(UnpackExactly(changed.get(), chunk.Size, chunk.Properties, chunk.Length, &out));
}

// A damaged byte anywhere either is refused or unpacks to the length asked
// for, never writing or reading outside the buffers; asked for a shorter
// length, a stream gives its first bytes or is refused.
TEST(Unpack, DamageStaysWithinTheBuffers) {
    const PackedChunk& chunk = PictureChunks[0];
    const std::vector<uint8_t> whole = Unpacked(chunk);
    int refused = 0;
    for (uint32_t at = 1; at < chunk.Size; at += 1 + chunk.Size / 97) {
        auto damaged = Copy(chunk.Data, chunk.Size);
        damaged[at] ^= 0x5A;
        std::vector<uint8_t> out;
        if (!UnpackExactly(damaged.get(), chunk.Size, chunk.Properties, chunk.Length, &out)) ++refused;
        else EXPECT_EQ(out.size(), whole.size());
    }
    EXPECT_GT(refused, 0);
    for (const size_t length : {size_t{1}, whole.size() / 2, whole.size() - 1}) {
        std::vector<uint8_t> out;
        if (UnpackExactly(chunk.Data, chunk.Size, chunk.Properties, length, &out)) {
            EXPECT_TRUE(std::equal(out.begin(), out.end(), whole.begin())) << length;
        }
    }
}

// A picture's header must agree with its bytes, and every index name a
// colour.
TEST(Unpack, PictureBytesMustHoldTogether) {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    const uint8_t good[] = {2, 0, 1, 0, 1, 0x10, 0x20, 0x30, 0xF0, 0x01, 0x00, 1, 0};
    ASSERT_TRUE(ReadPicture(good, sizeof good, &width, &height, &pixels));
    EXPECT_EQ(pixels, (std::vector<uint32_t>{0x002130, 0x102030}));  // each colour a step from the one before
    EXPECT_FALSE(ReadPicture(good, sizeof good - 1, &width, &height, &pixels));
    EXPECT_FALSE(ReadPicture(good, 4, &width, &height, &pixels));
    const uint8_t badIndex[] = {2, 0, 1, 0, 1, 0, 0, 0, 255, 255, 255, 0, 2};
    EXPECT_FALSE(ReadPicture(badIndex, sizeof badIndex, &width, &height, &pixels));
}
