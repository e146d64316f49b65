// The baked text faces: nothing read from font files, a glyph for every
// character the program shows, and bold that reads as bold.
#include "platform/canvas/BakedFonts.h"
#include "resources/Catalogue.h"

#include "Harness.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <vector>

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const BakedGlyph* Find(const BakedFont& font, uint32_t code) {
    for (int i = 0; i < font.GlyphCount; ++i)
        if (font.Glyphs[i].Code == code) return &font.Glyphs[i];
    return nullptr;
}

// The characters of the program's own wide literals (L"…"), UTF-8 decoded;
// escapes other than \r, \n and \" do not occur in the labels.
void LabelCharacters(const std::string& source, std::set<uint32_t>* codes) {
    for (size_t at = source.find("L\""); at != std::string::npos; at = source.find("L\"", at)) {
        for (at += 2; at < source.size() && source[at] != '"'; ++at) {
            auto b = static_cast<unsigned char>(source[at]);
            if (b == '\\') {
                ++at;
                continue;
            }
            const int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : 3;
            uint32_t c = extra ? b & (0x3F >> extra) : b;
            for (int k = 0; k < extra; ++k) c = (c << 6) | (static_cast<unsigned char>(source[++at]) & 0x3F);
            codes->insert(c);
        }
    }
}

// A glyph's coverage bytes, unpacked once.
const std::vector<uint8_t>& CoverageOf(const BakedFont& font, const BakedGlyph& glyph) {
    static std::map<const BakedGlyph*, std::vector<uint8_t>> unpacked;
    std::vector<uint8_t>& coverage = unpacked[&glyph];
    if (coverage.empty() && glyph.Width * glyph.Height > 0) {
        static std::map<const BakedFont*, std::vector<uint8_t>> fontBytes;
        std::vector<uint8_t>& bytes = fontBytes[&font];
        if (bytes.empty()) {
            bytes.resize(FontChunks[font.Chunk].Length);
            EXPECT_TRUE(Unpack(FontChunks[font.Chunk], bytes.data(), bytes.size()));
        }
        const uint8_t* packed = bytes.data();
        for (const BakedGlyph* before = font.Glyphs; before != &glyph; ++before) packed += PackedSize(font, *before);
        coverage.resize(static_cast<size_t>(glyph.Width) * glyph.Height);
        UnpackCoverage(font, glyph, packed, coverage.data());
    }
    return coverage;
}

// A row of a glyph's ink (coverage of at least half) in pen-relative columns.
bool InkSpan(const BakedFont& font, const BakedGlyph& glyph, int row, int* first, int* last) {
    const int y = row - glyph.Top;
    if (y < 0 || y >= glyph.Height) return false;
    *first = 1, *last = 0;
    for (int x = 0; x < glyph.Width; ++x)
        if (CoverageOf(font, glyph)[y * glyph.Width + x] >= 128) {
            if (*first > *last) *first = glyph.Left + x;
            *last = glyph.Left + x;
        }
    return *first <= *last;
}

// Ink per glyph, and ink per horizontal run of ink: the stroke thickness.
struct Weight {
    double Ink = 0, Stroke = 0;
};

Weight WeightOf(const BakedFont& font) {
    long ink = 0, runs = 0, glyphs = 0;
    for (uint32_t c = 'a'; c <= 'z'; ++c) {
        const BakedGlyph& glyph = *Find(font, c);
        const std::vector<uint8_t>& coverage = CoverageOf(font, glyph);
        ++glyphs;
        for (int y = 0; y < glyph.Height; ++y)
            for (int x = 0; x < glyph.Width; ++x) {
                const int value = coverage[y * glyph.Width + x];
                ink += value;
                const bool left = x > 0 && coverage[y * glyph.Width + x - 1] >= 128;
                runs += value >= 128 && !left;
            }
    }
    return {ink / 255.0 / glyphs, ink / 255.0 / runs};
}

// The clear regions a hard-edged glyph's ink closes in on every side, the
// pixels touching by their edges as a stroke's pixels do. With `openBelow`
// the bottom counts as closed too: the room under an arch (n, m).
int EnclosedRegions(const BakedFont& font, const BakedGlyph& glyph, bool openBelow) {
    const std::vector<uint8_t>& coverage = CoverageOf(font, glyph);
    // The glyph in a frame of clear pixels, but for the bottom row when open below.
    const int width = glyph.Width + 2, height = glyph.Height + (openBelow ? 1 : 2);
    std::vector<int> region(static_cast<size_t>(width) * height, -1);  // -1 unseen, 0 ink
    for (int y = 0; y < glyph.Height; ++y)
        for (int x = 0; x < glyph.Width; ++x)
            if (coverage[y * glyph.Width + x]) region[(y + 1) * width + x + 1] = 0;
    int regions = 0;
    for (int start = 0; start < width * height; ++start) {
        if (region[start] != -1) continue;
        ++regions;  // the first is the outside, reached from the frame's corner
        std::vector<int> todo{start};
        region[start] = regions;
        while (!todo.empty()) {
            const int at = todo.back();
            todo.pop_back();
            const int x = at % width, y = at / width;
            for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int nx = x + dx, ny = y + dy;
                if (nx < 0 || ny < 0 || nx >= width || ny >= height || region[ny * width + nx] != -1) continue;
                region[ny * width + nx] = regions;
                todo.push_back(ny * width + nx);
            }
        }
    }
    return regions - 1;
}

const BakedFont* FontOf(int height, int weight) {
    for (int i = 0; i < BakedFontCount; ++i)
        if (BakedFonts[i].CellHeight == height && BakedFonts[i].Weight == weight) return &BakedFonts[i];
    return nullptr;
}

constexpr const char* LetterAndDigits =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

}  // namespace

// The binaries name no font file or font library, and a run that draws
// reports opens no font file (seen by tracing its system calls).
TEST(Text, TheProgramOpensNoFontFile) {
    for (const char* binary : {STELLARION_APP, STELLARION_SIM}) {
        const std::string bytes = ReadFile(binary);
        ASSERT_FALSE(bytes.empty()) << binary;
        for (const char* name : {".ttf", ".otf", ".pfb", "libSDL2_ttf", "libfreetype", "libfontconfig"})
            EXPECT_EQ(bytes.find(name), std::string::npos) << binary << " names " << name;
    }
    const std::string folder = TemporaryFolder();
    std::ofstream(folder + "/script") << "tap 60 240\ntap 120 303\nshot " << folder << "/report.png\n";
    const std::string trace = folder + "/trace";
    // The leak checker cannot run under a tracer; it has nothing to do here.
    const std::string command = "ASAN_OPTIONS=detect_leaks=0 strace -f -qq -e trace=open,openat,openat2 -o " +
                                trace + " " + STELLARION_SIM + " --config-dir " + folder + " " + folder +
                                "/script >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    const std::string opened = ReadFile(trace);
    if (opened.empty()) GTEST_SKIP() << "the simulator cannot run under strace here";
    EXPECT_EQ(status, 0);
    EXPECT_NE(opened.find("report.png"), std::string::npos);
    for (const char* name : {".ttf", ".otf", ".fon\"", ".pfb", "/fonts/"})
        EXPECT_EQ(opened.find(name), std::string::npos) << "opened a font file: " << name;
}

TEST(Text, EveryTextAndLabelHasItsGlyphs) {
    std::set<uint32_t> codes;
    for (int i = 0; i < CatalogueSize; ++i)
        for (const wchar_t* p = CatalogueText(CatalogueEntries[i].Key); *p; ++p) codes.insert(static_cast<uint32_t>(*p));
    const std::filesystem::path root = STELLARION_SOURCE;
    for (const char* folder : {"shell", "draw", "screens", "readings", "resources"})
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root / folder))
            if (entry.path().extension() == ".cpp" || entry.path().extension() == ".h")
                LabelCharacters(ReadFile(entry.path()), &codes);
    EXPECT_GT(codes.size(), 70u);
    ASSERT_GT(BakedFontCount, 0);
    for (int i = 0; i < BakedFontCount; ++i)
        for (const uint32_t c : codes)
            if (c >= 0x20) {
                EXPECT_NE(Find(BakedFonts[i], c), nullptr) << "U+" << std::hex << c;
            }
}

// Every pair of letters and digits keeps at least one clear pixel between
// its two glyphs in every row, at every baked size and weight.
TEST(Text, NeighbouringGlyphsNeverTouch) {
    for (int i = 0; i < BakedFontCount; ++i) {
        const BakedFont& font = BakedFonts[i];
        for (const char* a = LetterAndDigits; *a; ++a)
            for (const char* b = LetterAndDigits; *b; ++b) {
                const BakedGlyph& left = *Find(font, *a);
                const BakedGlyph& right = *Find(font, *b);
                for (int row = -font.CellHeight; row < 2 * font.CellHeight; ++row) {
                    int l0, l1, r0, r1;
                    if (InkSpan(font, left, row, &l0, &l1) && InkSpan(font, right, row, &r0, &r1)) {
                        ASSERT_LT(l1 + 1, left.Advance + r0)
                            << font.CellHeight << "/" << font.Weight << " " << *a << *b << " row " << row;
                    }
                }
            }
    }
}

// 400, 700 and 900 differ at every size, heavier and wider in that order,
// and a bigger bold is no lighter than a smaller one.
TEST(Text, BoldIsHeavierAndWider) {
    std::set<int> heights;
    for (int i = 0; i < BakedFontCount; ++i) heights.insert(BakedFonts[i].CellHeight);
    for (const int height : heights) {
        const BakedFont *regular = FontOf(height, 400), *bold = FontOf(height, 700), *black = FontOf(height, 900);
        ASSERT_TRUE(regular && bold && black) << height;
        EXPECT_LT(WeightOf(*regular).Stroke, WeightOf(*bold).Stroke) << height;
        EXPECT_LT(WeightOf(*bold).Ink, WeightOf(*black).Ink) << height;
        EXPECT_LT(WeightOf(*bold).Stroke, WeightOf(*black).Stroke) << height;
        // A glyph the spacing already widened in the regular may keep its
        // advance; no glyph narrows, and the alphabet grows.
        int regularWidth = 0, boldWidth = 0, blackWidth = 0;
        for (const char* c = LetterAndDigits; *c; ++c) {
            EXPECT_GE(Find(*bold, *c)->Advance, Find(*regular, *c)->Advance) << height << " " << *c;
            EXPECT_GE(Find(*black, *c)->Advance, Find(*bold, *c)->Advance) << height << " " << *c;
            regularWidth += Find(*regular, *c)->Advance;
            boldWidth += Find(*bold, *c)->Advance;
            blackWidth += Find(*black, *c)->Advance;
        }
        EXPECT_LT(regularWidth, boldWidth) << height;
        EXPECT_LT(boldWidth, blackWidth) << height;
        EXPECT_EQ(Find(*bold, ' ')->Advance, Find(*regular, ' ')->Advance);
    }
    EXPECT_GE(WeightOf(*FontOf(18, 700)).Stroke, WeightOf(*FontOf(15, 700)).Stroke);
    EXPECT_GE(WeightOf(*FontOf(35, 700)).Stroke, WeightOf(*FontOf(29, 700)).Stroke);
}

// No weight closes a letter at the hard-edged sizes: the counters of a, e,
// o and g stay open, and m and n keep clear room under each arch.
TEST(Text, HeavyWeightsKeepCountersOpen) {
    for (int i = 0; i < BakedFontCount; ++i) {
        const BakedFont& font = BakedFonts[i];
        if (font.Smooth) continue;
        for (const char c : std::string("aeogmn")) {
            const int arches = c == 'm' ? 2 : 1;
            EXPECT_GE(EnclosedRegions(font, *Find(font, c), c == 'm' || c == 'n'), arches)
                << font.CellHeight << "/" << font.Weight << " " << c;
        }
    }
}

// Small screens draw hard-edged text, double-size screens smooth text.
TEST(Text, OneLookPerScale) {
    for (int i = 0; i < BakedFontCount; ++i) {
        const BakedFont& font = BakedFonts[i];
        bool partial = false;
        for (int g = 0; g < font.GlyphCount; ++g)
            for (const uint8_t value : CoverageOf(font, font.Glyphs[g]))
                partial = partial || (value != 0 && value != 255);
        EXPECT_EQ(font.Smooth, font.CellHeight > 20) << font.CellHeight;
        EXPECT_EQ(partial, font.Smooth) << font.CellHeight << "/" << font.Weight;
    }
}

// Widths are sums of advances: a word measures the same alone and inside a
// line, and the drawn ink stays within the measured width.
TEST(Text, MeasuredWidthIsTheSumOfAdvances) {
    DisplayMode = 1;
    HeadlessStart(240, 320);
    PlatformInvalidateWindow();
    DeviceContext* dc = PlatformBeginPaint();
    SetTextFont(L"Tahoma", 15, 700);
    PlatformSelectFont(dc, CurrentFont());
    const int words = PlatformTextWidth(dc, L"Virgin") + PlatformTextWidth(dc, L" ") +
                      PlatformTextWidth(dc, L"NUMEROLOGY:");
    EXPECT_EQ(PlatformTextWidth(dc, L"Virgin NUMEROLOGY:"), words);
    PlatformSetTextColour(dc, {255, 255, 255});
    PlatformSetBackground(dc, true, {0, 0, 0});
    PlatformDrawText(dc, L"Virgin NUMEROLOGY:", {10, 10, 230, 40}, false);
    PlatformEndPaint(dc);
    int right = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 240; ++x)
            if (HeadlessPixel(x, y) != 0) right = std::max(right, x);
    EXPECT_GT(right, 10 + words / 2);
    EXPECT_LT(right, 10 + words);
}
