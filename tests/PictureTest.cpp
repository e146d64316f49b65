// The compiled picture catalogue against its manifests.
#include "Harness.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace {

struct ManifestRow {
    int Width, Height;
    bool Keyed;
    Colour Key;
    bool CornersDrawn;  // a keyed shape that reaches the picture's corners
};

std::map<int, ManifestRow> ReadManifests() {
    std::map<int, ManifestRow> rows;
    const std::filesystem::path folder = std::filesystem::path(STELLARION_SOURCE) / "resources/pictures/manifest";
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".tsv") continue;
        std::ifstream in(entry.path());
        std::string line;
        while (std::getline(in, line)) {
            if (line.empty() || line[0] == '#') continue;
            std::istringstream cells(line);
            std::string id, width, height, key, partner, source, description;
            std::getline(cells, id, '\t');
            std::getline(cells, width, '\t');
            std::getline(cells, height, '\t');
            std::getline(cells, key, '\t');
            std::getline(cells, partner, '\t');
            std::getline(cells, source, '\t');
            std::getline(cells, description, '\t');
            ManifestRow row{std::stoi(width), std::stoi(height), key != "-", {},
                            description.find("corners drawn") != std::string::npos};
            int r = 0, g = 0, b = 0;
            if (row.Keyed && std::sscanf(key.c_str(), "%d,%d,%d", &r, &g, &b) == 3)
                row.Key = {static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)};
            EXPECT_TRUE(rows.emplace(std::stoi(id), row).second) << "id " << id << " listed twice";
        }
    }
    return rows;
}

// Draws the picture alone on a black screen and collects its pixels.
std::vector<uint32_t> PixelsOf(int id, int width, int height) {
    HeadlessStart(std::max(width, 1), std::max(height, 1));
    PlatformInvalidateWindow();
    DeviceContext* dc = PlatformBeginPaint();
    PlatformCopyPicture(dc, id, width, height, 0, 0, nullptr);
    PlatformEndPaint(dc);
    return Screenshot();
}

}  // namespace

TEST(Pictures, EveryPictureTheProgramDrawsIsListed) {
    // The pictures the pages draw: the menus and popup frame (162 … 173),
    // the header edges, and every id from 328 on except 353 … 355.
    std::set<int> drawn = {319, 322, 323, 326};
    for (int id = 162; id <= 173; ++id) drawn.insert(id);
    for (int id = 328; id <= 486; ++id)
        if (id < 353 || id > 355) drawn.insert(id);
    std::set<int> listed;
    for (const auto& entry : ReadManifests()) listed.insert(entry.first);
    EXPECT_EQ(listed, drawn);
    EXPECT_EQ(listed.size(), 172u);
}

TEST(Pictures, CompiledPicturesMatchTheirManifest) {
    for (const auto& [id, row] : ReadManifests()) {
        SCOPED_TRACE("picture " + std::to_string(id));
        int width = 0, height = 0;
        ASSERT_TRUE(PlatformPictureSize(id, &width, &height));
        EXPECT_EQ(width, row.Width);
        EXPECT_EQ(height, row.Height);
        const std::vector<uint32_t> pixels = PixelsOf(id, width, height);
        const std::set<uint32_t> colours(pixels.begin(), pixels.end());
        EXPECT_GT(colours.size(), 1u) << "a single flat colour";
        if (row.Keyed) {
            // A keyed picture has something that vanishes when drawn, its
            // corners first of all.
            const uint32_t key = (uint32_t{row.Key.Red} << 16) | (uint32_t{row.Key.Green} << 8) | row.Key.Blue;
            EXPECT_TRUE(colours.count(key)) << "no key-coloured pixel";
            if (!row.CornersDrawn) {
                for (const size_t corner : {size_t{0}, size_t(width - 1), size_t(width) * (height - 1),
                                            size_t(width) * height - 1})
                    EXPECT_EQ(pixels[corner], key) << "corner " << corner;
            }
        }
    }
}

namespace {

struct Region {
    int Left, Top, Right, Bottom;  // inclusive, in the picture's own pixels
};

// Every pixel of the region has the given colour.
void ExpectPlain(int id, const Region& region, uint32_t colour) {
    int width = 0, height = 0;
    ASSERT_TRUE(PlatformPictureSize(id, &width, &height));
    const std::vector<uint32_t> pixels = PixelsOf(id, width, height);
    int drawn = 0;
    for (int y = region.Top; y <= region.Bottom; ++y)
        for (int x = region.Left; x <= region.Right; ++x)
            if (pixels[static_cast<size_t>(y) * width + x] != colour) ++drawn;
    EXPECT_EQ(drawn, 0) << "picture " << id << ": pixels drawn in (" << region.Left << ", " << region.Top
                        << ")-(" << region.Right << ", " << region.Bottom << ")";
}

Region Doubled(const Region& r) { return {2 * r.Left, 2 * r.Top, 2 * r.Right + 1, 2 * r.Bottom + 1}; }

}  // namespace

// Pictures drawn under a label or a button that some layout places over
// them leave that part plain, so nothing shows through or runs into it.
TEST(Pictures, LeaveRoomForWhatThePagesDrawOverThem) {
    // The compatibility banner stands at y 0 on the 240-unit-high layouts,
    // where "I am:" is written from y 44 - 13 = 31, and at x 12 on the
    // 240 x 240 ones, where the Back icon covers x 222 … 238, y 1 … 17.
    const uint32_t pickerBlue = 0x99CCFF;
    const Region underLabel{0, 31, 212, 40}, underBack{222 - 12, 1, 212, 17};
    for (const Region& region : {underLabel, underBack}) {
        ExpectPlain(340, region, pickerBlue);
        ExpectPlain(339, Doubled(region), pickerBlue);
    }
    // Planets and sign symbols stand at (90, 39); read in sequence on the
    // 240 x 240 layouts, Back is at (208, 39), 32 x 18 units.
    const Region underSequenceBack{208 - 90, 0, 141, 39 + 18 - 1 - 39};
    for (int id = 403; id <= 424; ++id) ExpectPlain(id, underSequenceBack, 0xFFFFFF);
    // On the 240 x 240 layouts the short Back button stands at x 142, over
    // the header box's right edge (x 140 … 143): those columns stay keyed.
    const uint32_t key = 0xFFCCFF;
    const Region overHeaderEdge{0, 0, 143 - 142, 17};
    ExpectPlain(384, overHeaderEdge, key);
    ExpectPlain(385, Doubled(overHeaderEdge), key);
}
