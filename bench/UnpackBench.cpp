// What unpacking the compiled-in content costs: the largest chunk of the
// texts, the fonts and the pictures (the longest a first use waits), and
// every chunk once (what the whole program would cost were it all read).
//   build/bench/stellarion_bench --benchmark_filter=Unpack
#include "platform/canvas/BakedFonts.h"
#include "platform/canvas/Device.h"
#include "resources/Catalogue.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

std::vector<const PackedChunk*> AllChunks() {
    std::vector<const PackedChunk*> chunks;
    for (int i = 0; i < CatalogueChunkCount; ++i) chunks.push_back(&TextChunks[i]);
    for (int i = 0; i < BakedFontCount; ++i) chunks.push_back(&FontChunks[BakedFonts[i].Chunk]);
    for (const EmbeddedPicture* p = StellarionPictures; p->Id != 0; ++p) chunks.push_back(&PictureChunks[p->Chunk]);
    return chunks;
}

void UnpackChunks(benchmark::State& state, const std::vector<const PackedChunk*>& chunks) {
    size_t most = 0, bytes = 0;
    for (const PackedChunk* chunk : chunks) {
        most = std::max<size_t>(most, chunk->Length);
        bytes += chunk->Length;
    }
    std::vector<uint8_t> out(most);
    for (auto _ : state)
        for (const PackedChunk* chunk : chunks)
            if (!Unpack(*chunk, out.data(), out.size())) state.SkipWithError("a chunk did not unpack");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["chunks"] = static_cast<double>(chunks.size());
    state.counters["bytes"] = static_cast<double>(bytes);
}

const PackedChunk* Largest(const PackedChunk* first, int count) {
    const PackedChunk* largest = first;
    for (int i = 1; i < count; ++i)
        if (first[i].Length > largest->Length) largest = &first[i];
    return largest;
}

int PictureCount() {
    int count = 0;
    while (StellarionPictures[count].Id != 0) ++count;
    return count;
}

void LargestText(benchmark::State& state) { UnpackChunks(state, {Largest(TextChunks, CatalogueChunkCount)}); }
void LargestFont(benchmark::State& state) { UnpackChunks(state, {Largest(FontChunks, BakedFontCount)}); }
void LargestPicture(benchmark::State& state) { UnpackChunks(state, {Largest(PictureChunks, PictureCount())}); }
void Everything(benchmark::State& state) { UnpackChunks(state, AllChunks()); }

}  // namespace

BENCHMARK(LargestText)->Name("Unpack/LargestTextChunk")->Unit(benchmark::kMillisecond);
BENCHMARK(LargestFont)->Name("Unpack/LargestFontChunk")->Unit(benchmark::kMillisecond);
BENCHMARK(LargestPicture)->Name("Unpack/LargestPictureChunk")->Unit(benchmark::kMillisecond);
BENCHMARK(Everything)->Name("Unpack/EveryChunk")->Unit(benchmark::kMillisecond);
