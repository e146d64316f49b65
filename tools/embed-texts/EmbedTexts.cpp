// Turns the reading texts (plain UTF-8 files under resources/texts/) into a
// C++ source of one array of UTF-8 string literals, so nobody edits escapes
// by hand.
//
//   embed-texts OUTPUT.cpp TEXTS_FOLDER CRLF_CATALOGUES ALIASES FILE...
//
// Each FILE is named relative to TEXTS_FOLDER; its key is that name without
// ".txt" (e.g. "compatibility/aries-leo-1"). The file's final newline is
// dropped; in the catalogues listed in CRLF_CATALOGUES (comma-separated
// folder names) every line break becomes CR LF. ALIASES names a file of
// "key = other key" lines: keys that share another key's text.
#include "resources/Catalogue.h"

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

// Bytes outside printable ASCII are written as three-digit octal escapes,
// which, unlike hexadecimal ones, cannot swallow a following digit.
std::string Literal(const std::string& utf8) {
    std::string out = "\"";
    for (const char byte : utf8) {
        const auto c = static_cast<unsigned char>(byte);
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n\"\n    \"";
        else if (c == '"') out += "\\\"";
        else if (c == '\\') out += "\\\\";
        else if (c >= 0x20 && c < 0x7F) out += static_cast<char>(c);
        else {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\%03o", c);
            out += buffer;
        }
    }
    return out + "\"";
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
// lie close together and the web download's gzip finds more of their words
// within its reach (9 KB less than in the order of the keys).
std::vector<std::string> WritingOrder(const std::map<std::string, std::string>& texts) {
    std::vector<std::string> keys;
    for (const auto& entry : texts) keys.push_back(entry.first);
    const auto group = [](const std::string& key) {
        return std::make_pair(key.substr(0, key.find('/')), key.substr(key.find_last_of('-') + 1));
    };
    std::stable_sort(keys.begin(), keys.end(),
                     [&](const std::string& a, const std::string& b) { return group(a) < group(b); });
    return keys;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) return Fail("usage: embed-texts OUTPUT TEXTS CRLF ALIASES FILE..."), 2;
    const std::string folder = argv[2];
    std::set<std::string> crlf;
    std::istringstream catalogues(argv[3]);
    for (std::string name; std::getline(catalogues, name, ',');) crlf.insert(name);
    std::map<std::string, std::string> aliases;
    if (!ReadAliases(argv[4], &aliases)) return 1;
    std::map<std::string, std::string> texts;
    std::map<std::string, size_t> lengths;
    for (int i = 5; i < argc; ++i) {
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
    // One array of every text, each ending in its NUL, in the writing
    // order: the compiler lays out separate arrays as the table uses them.
    std::map<std::string, size_t> offsets;
    std::ostringstream file;
    file << "// Written by the build from resources/texts; edit the text files instead.\n"
         << "#include \"resources/Catalogue.h\"\n\nnamespace {\nconst char Texts[] =\n";
    size_t offset = 0;
    for (const std::string& key : WritingOrder(texts)) {
        offsets[key] = offset;
        offset += texts[key].size() + 1;
        file << "    " << Literal(texts[key]) << " \"\\0\"\n";
    }
    file << "    ;\n}  // namespace\n\nconst CatalogueEntry CatalogueEntries[] = {\n";
    for (const auto& [key, target] : sorted)
        file << "    {\"" << key << "\", Texts + " << offsets[target] << ", " << lengths[target] << "},\n";
    file << "};\nconst int CatalogueSize = " << sorted.size() << ";\n";
    std::ofstream(argv[1], std::ios::binary) << file.str();
    return 0;
}
