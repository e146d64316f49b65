// Turns the rendered pictures (resources/pictures/<id>.png) into the
// program's compiled-in pictures, so that every build, native or
// WebAssembly, links them in the same way:
//
//   embed-pictures OUTPUT.cpp CHUNKS PNG...
//
// OUTPUT.cpp gets the table by id; CHUNKS the pictures for tools/pack to
// pack, one chunk per picture, each its width and height (two bytes each,
// low byte first), its number of colours less one, those colours (red,
// green, blue, each less the one of the colour before) and one colour
// index per pixel, row after row. Every picture
// has at most 256 colours (tools/pictures/render.py sees to it), and indices
// pack far better than the PNG files' own compression, which cannot look
// across rows.
//
// A PNG whose name is not a number is not a picture of the program and is
// left out.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>

#include "tools/pack/Chunks.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

bool Fail(const std::string& message) {
    std::fprintf(stderr, "embed-pictures: %s\n", message.c_str());
    return false;
}

// The id a file name stands for, or 0.
int PictureId(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    const size_t dot = name.find('.');
    if (dot == 0 || dot == std::string::npos || name.substr(dot) != ".png" || dot > 6) return 0;
    int id = 0;
    for (size_t i = 0; i < dot; ++i) {
        if (name[i] < '0' || name[i] > '9') return 0;
        id = id * 10 + (name[i] - '0');
    }
    return id;
}

int Distance(uint32_t a, uint32_t b) {
    int distance = 0;
    for (const int shift : {16, 8, 0})
        distance += std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
    return distance;
}

// The colours in a chain, from the smallest value on, each followed by the
// nearest of those left (the smaller value of two as near): the small steps
// between them pack tighter, 28 KB less over all the pictures than the
// colours in the order of their values.
std::vector<uint32_t> Chain(std::vector<uint32_t> left) {
    std::sort(left.begin(), left.end());
    std::vector<uint32_t> chain;
    while (!left.empty()) {
        size_t next = 0;
        if (!chain.empty())
            for (size_t i = 1; i < left.size(); ++i)
                if (Distance(chain.back(), left[i]) < Distance(chain.back(), left[next])) next = i;
        chain.push_back(left[next]);
        left.erase(left.begin() + static_cast<long>(next));
    }
    return chain;
}

bool Serialize(const std::string& path, std::string* out) {
    int width = 0, height = 0, channels = 0;
    unsigned char* rgb = stbi_load(path.c_str(), &width, &height, &channels, 3);
    if (!rgb) return Fail("cannot read " + path);
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = (uint32_t{rgb[3 * i]} << 16) | (uint32_t{rgb[3 * i + 1]} << 8) | rgb[3 * i + 2];
    stbi_image_free(rgb);
    std::vector<uint32_t> colours(pixels);
    std::sort(colours.begin(), colours.end());
    colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
    if (colours.size() > 256) return Fail(path + " has more than 256 colours");
    const std::vector<uint32_t> palette = Chain(colours);
    if (width > 0xFFFF || height > 0xFFFF) return Fail(path + " is too large");
    std::map<uint32_t, int> index;
    for (size_t i = 0; i < palette.size(); ++i) index[palette[i]] = static_cast<int>(i);
    for (const int side : {width, height}) {
        out->push_back(static_cast<char>(side & 0xFF));
        out->push_back(static_cast<char>(side >> 8));
    }
    out->push_back(static_cast<char>(palette.size() - 1));
    uint32_t before = 0;
    for (const uint32_t c : palette) {
        for (const int shift : {16, 8, 0}) out->push_back(static_cast<char>(((c >> shift) - (before >> shift)) & 0xFF));
        before = c;
    }
    for (const uint32_t p : pixels) out->push_back(static_cast<char>(index[p]));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Fail("usage: embed-pictures OUTPUT CHUNKS PNG..."), 2;
    std::map<int, std::string> pictures;
    for (int i = 3; i < argc; ++i) {
        const int id = PictureId(argv[i]);
        if (id != 0 && !Serialize(argv[i], &pictures[id])) return 1;
    }
    std::ofstream chunks(argv[2], std::ios::binary);
    std::ostringstream file;
    file << "// Written by the build from resources/pictures; edit the picture sources instead.\n"
            "#include \"platform/canvas/Device.h\"\n\nconst EmbeddedPicture StellarionPictures[] = {\n";
    int chunk = 0;
    for (const auto& [id, bytes] : pictures) {
        WriteChunk(chunks, bytes);
        file << "    {" << id << ", " << chunk++ << "},\n";
    }
    file << "    {0, 0},\n};\n";
    std::ofstream out(argv[1], std::ios::binary);
    out << file.str();
    if (!out.flush() || !chunks.flush()) return Fail("cannot write the pictures"), 1;
    return 0;
}
