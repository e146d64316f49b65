// Turns the reading texts (plain UTF-8 files under resources/texts/) into
// the catalogue's table (OUTPUT.cpp) and the texts themselves in chunks
// (CHUNKS, for tools/pack to pack), so nobody edits escapes by hand.
//
//   embed-texts OUTPUT.cpp CHUNKS TEXTS_FOLDER CRLF_CATALOGUES ALIASES FILE...
//
// Each FILE is named relative to TEXTS_FOLDER; its key is that name without
// ".txt" (e.g. "compatibility/aries-leo-1"). The file's final newline is
// dropped; in the catalogues listed in CRLF_CATALOGUES (comma-separated
// folder names) every line break becomes CR LF. ALIASES names a file of
// "key = other key" lines: keys that share another key's text.
#include "resources/Catalogue.h"
#include "tools/pack/Chunks.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

bool Fail(const std::string& message) {
    std::fprintf(stderr, "embed-texts: %s\n", message.c_str());
    return false;
}

// Decodes UTF-8; false on a malformed sequence.
bool Decode(const std::string& bytes, std::u32string* out) {
    for (size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + extra >= bytes.size() + (extra == 0 ? 1 : 0)) return false;
        char32_t c = extra == 0 ? b : b & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            c = (c << 6) | (next & 0x3F);
        }
        out->push_back(c);
        i += static_cast<size_t>(extra) + 1;
    }
    return true;
}

// The file's UTF-8 with the line breaks the catalogue needs, and its length
// in characters.
bool ReadText(const std::string& path, bool crlf, std::string* text, size_t* length) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Fail("cannot read " + path);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!bytes.empty() && bytes.back() == '\n') bytes.pop_back();
    for (const char c : bytes) {
        if (c == '\r') continue;  // line breaks are made below, whatever the editor wrote
        if (c == '\n' && crlf) text->push_back('\r');
        text->push_back(c);
    }
    std::u32string decoded;
    if (!Decode(*text, &decoded)) return Fail(path + " is not UTF-8");
    *length = decoded.size();
    return true;
}

bool ReadAliases(const std::string& path, std::map<std::string, std::string>* aliases) {
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string key, equals, target;
        if (!(words >> key >> equals >> target) || equals != "=") return Fail("bad alias: " + line);
        (*aliases)[key] = target;
    }
    return true;
}

// The order the texts are written in: by catalogue, and within it by the
// last part of the key (a compatibility reading's page), so that texts alike
// lie close together and the packing finds more of their words within its
// reach.
std::string Group(const std::string& key) {
    return key.substr(0, key.find('/')) + "/" + key.substr(key.find_last_of('-') + 1);
}

std::vector<std::string> WritingOrder(const std::map<std::string, std::string>& texts) {
    std::vector<std::string> keys;
    for (const auto& entry : texts) keys.push_back(entry.first);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const std::string& a, const std::string& b) { return Group(a) < Group(b); });
    return keys;
}

// A chunk is unpacked whole when a text of it is first read. Each holds at
// least ChunkLeast bytes, since packing finds more words again the more it
// has seen, and ends where a catalogue or a compatibility page does: the
// largest, a compatibility page with the small catalogues before it, is
// about 210 KB and unpacks in under 3 ms natively, a few times that in the
// browser and four times more again on a slow phone. (A chunk of a whole
// catalogue packs 8% smaller, but the compatibility readings' 400 KB would
// make a slow phone wait about 60 ms.)
constexpr size_t ChunkLeast = 112 * 1024;

}  // namespace

int main(int argc, char** argv) {
    if (argc < 6) return Fail("usage: embed-texts OUTPUT CHUNKS TEXTS CRLF ALIASES FILE..."), 2;
    const std::string folder = argv[3];
    std::set<std::string> crlf;
    std::istringstream catalogues(argv[4]);
    for (std::string name; std::getline(catalogues, name, ',');) crlf.insert(name);
    std::map<std::string, std::string> aliases;
    if (!ReadAliases(argv[5], &aliases)) return 1;
    std::map<std::string, std::string> texts;
    std::map<std::string, size_t> lengths;
    for (int i = 6; i < argc; ++i) {
        std::string name = argv[i];
        if (name.size() < 5 || name.compare(name.size() - 4, 4, ".txt") != 0) continue;
        const std::string key = name.substr(0, name.size() - 4);
        const std::string catalogue = key.substr(0, key.find('/'));
        std::string text;
        size_t length = 0;
        if (!ReadText(folder + "/" + name, crlf.count(catalogue) > 0, &text, &length))
            return 1;
        if (length >= CatalogueTextCapacity)
            return Fail(name + " is longer than the program's " + std::to_string(CatalogueTextCapacity) +
                        " characters"), 1;
        texts[key] = text;
        lengths[key] = length;
    }
    for (const auto& [key, target] : aliases) {
        if (!texts.count(target)) return Fail("alias " + key + " names missing " + target), 1;
        if (texts.count(key)) return Fail("alias " + key + " also has a file of its own"), 1;
    }
    // Every key, aliases included, in order, with the key whose text it shows.
    std::map<std::string, std::string> sorted;
    for (const auto& entry : texts) sorted[entry.first] = entry.first;
    for (const auto& [key, target] : aliases) sorted[key] = target;
    // The texts, each ending in its NUL, in the writing order, cut into
    // chunks.
    std::map<std::string, std::pair<int, size_t>> places;  // chunk, offset
    std::ofstream chunks(argv[2], std::ios::binary);
    std::string chunk, group;
    int chunkCount = 0;
    for (const std::string& key : WritingOrder(texts)) {
        if (chunk.size() >= ChunkLeast && Group(key) != group) {
            WriteChunk(chunks, chunk);
            chunk.clear();
            ++chunkCount;
        }
        group = Group(key);
        places[key] = {chunkCount, chunk.size()};
        chunk += texts[key];
        chunk += '\0';
    }
    WriteChunk(chunks, chunk);
    if (chunkCount >= CatalogueChunksMost)
        return Fail("the texts take more than the program's " + std::to_string(CatalogueChunksMost) + " chunks"), 1;
    std::ostringstream file;
    file << "// Written by the build from resources/texts; edit the text files instead.\n"
         << "#include \"resources/Catalogue.h\"\n\nconst CatalogueEntry CatalogueEntries[] = {\n";
    for (const auto& [key, target] : sorted)
        file << "    {\"" << key << "\", " << places[target].first << ", " << places[target].second << ", "
             << lengths[target] << "},\n";
    file << "};\nconst int CatalogueSize = " << sorted.size() << ";\nconst int CatalogueChunkCount = "
         << chunkCount + 1 << ";\n";
    std::ofstream out(argv[1], std::ios::binary);
    out << file.str();
    if (!out.flush() || !chunks.flush()) return Fail("cannot write the texts"), 1;
    return 0;
}
