// Turns the rendered pictures (resources/pictures/<id>.png) into a C++
// source of byte strings and a table by id, so that every build, native or
// WebAssembly, links them in the same way.
//
//   embed-pictures OUTPUT.cpp PNG...
//
// A PNG whose name is not a number is not a picture of the program and is
// left out.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

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

// A string literal of the bytes: printable characters as they are, the rest
// as three-digit octal escapes (which never run on into a following digit).
void WriteBytes(std::ostream& out, const std::string& bytes) {
    constexpr size_t LineLength = 100;
    size_t column = 0;
    out << "    \"";
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        char escaped[8];
        if (b >= 0x20 && b < 0x7F && c != '"' && c != '\\' && c != '?')
            std::snprintf(escaped, sizeof escaped, "%c", c);
        else
            std::snprintf(escaped, sizeof escaped, "\\%03o", b);
        out << escaped;
        column += std::string(escaped).size();
        if (column >= LineLength) {
            out << "\"\n    \"";
            column = 0;
        }
    }
    out << "\"";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Fail("usage: embed-pictures OUTPUT PNG..."), 2;
    std::map<int, std::string> pictures;
    for (int i = 2; i < argc; ++i) {
        const int id = PictureId(argv[i]);
        if (id == 0) continue;
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) return Fail(std::string("cannot read ") + argv[i]), 1;
        pictures[id].assign(std::istreambuf_iterator<char>(in), {});
    }
    std::ostringstream file;
    file << "// Written by the build from resources/pictures; edit the picture sources instead.\n"
            "#include \"platform/canvas/Device.h\"\n\nnamespace {\n";
    for (const auto& [id, bytes] : pictures) {
        file << "const unsigned char Picture" << id << "[] =\n";
        WriteBytes(file, bytes);
        file << ";\n";
    }
    file << "}  // namespace\n\nconst EmbeddedPicture StellarionPictures[] = {\n";
    for (const auto& [id, bytes] : pictures)
        file << "    {" << id << ", Picture" << id << ", " << bytes.size() << "},\n";
    file << "    {0, nullptr, 0},\n};\n";
    std::ofstream out(argv[1], std::ios::binary);
    out << file.str();
    if (!out.flush()) return Fail(std::string("cannot write ") + argv[1]), 1;
    return 0;
}
