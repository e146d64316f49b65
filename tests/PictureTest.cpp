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
            std::string id, width, height, key;
            std::getline(cells, id, '\t');
            std::getline(cells, width, '\t');
            std::getline(cells, height, '\t');
            std::getline(cells, key, '\t');
            ManifestRow row{std::stoi(width), std::stoi(height), key != "-", {}};
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

TEST(Pictures, EveryPictureTheMenuDrawsIsListed) {
    const auto rows = ReadManifests();
    for (int id : {162, 163, 328, 329, 330, 331, 332, 437, 438, 440, 441, 462, 463, 464, 465,
                   478, 479, 480, 481})
        EXPECT_TRUE(rows.count(id)) << id;
    for (const auto& [id, row] : rows) EXPECT_TRUE(id >= 162 && id <= 486) << id;
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
            // A keyed picture has something that vanishes when drawn.
            const uint32_t key = (uint32_t{row.Key.Red} << 16) | (uint32_t{row.Key.Green} << 8) | row.Key.Blue;
            EXPECT_TRUE(colours.count(key)) << "no key-coloured pixel";
        }
    }
}
