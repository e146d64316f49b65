// The web edition's record text: hexadecimal, two digits a byte. The first
// byte is the size asked for, the rest the stored text. Decoding agrees with
// a decoder written apart from it (strtoul on each pair), leaves the output
// untouched when it refuses, and round trips with the encoder both ways.
#include "FuzzSupport.h"

#include "platform/web/HexRecord.h"

#include <cctype>
#include <cstdint>
#include <cstring>

namespace {

constexpr size_t MostBytes = 64;

// The reference: exactly 2 * size characters, each pair two hexadecimal
// digits in either case.
bool ReferenceDecode(const std::string& text, size_t size, unsigned char* out) {
    if (size > MostBytes || text.size() != 2 * size) return false;
    for (size_t i = 0; i < size; ++i) {
        const std::string pair = text.substr(2 * i, 2);
        if (!std::isxdigit(static_cast<unsigned char>(pair[0])) || !std::isxdigit(static_cast<unsigned char>(pair[1])))
            return false;
        out[i] = static_cast<unsigned char>(std::strtoul(pair.c_str(), nullptr, 16));
    }
    return true;
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const size_t wanted = data[0] % (MostBytes + 8);
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    unsigned char decoded[MostBytes + 8], reference[MostBytes + 8];
    std::memset(decoded, 0xA5, sizeof decoded);
    const bool ok = DecodeHexRecord(text.data(), text.size(), decoded, wanted);
    const bool referenceOk = ReferenceDecode(text, wanted, reference);
    if (ok != referenceOk) Finding(ok ? "decoded what is not a record" : "refused a record");
    if (!ok) {
        for (const unsigned char byte : decoded)
            if (byte != 0xA5) Finding("a refused text changed the output");
        return 0;
    }
    if (std::memcmp(decoded, reference, wanted) != 0) Finding("decoded other bytes than the reference");
    if (EncodeHexRecord(decoded, wanted) != Lower(text)) Finding("the encoding of the bytes is not the text");
    // And from bytes: any bytes come back from their own encoding.
    const size_t count = std::min(size, MostBytes);
    const std::string encoded = EncodeHexRecord(data, count);
    unsigned char back[MostBytes];
    if (!DecodeHexRecord(encoded.data(), encoded.size(), back, count) || std::memcmp(back, data, count) != 0)
        Finding("bytes did not come back from their encoding");
    return 0;
}
