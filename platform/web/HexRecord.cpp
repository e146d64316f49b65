#include "platform/web/HexRecord.h"

#include <algorithm>

namespace {

constexpr size_t MaxRecordSize = 64;
constexpr char HexDigits[] = "0123456789abcdef";

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

bool DecodeHexRecord(const char* text, size_t length, unsigned char* out, size_t size) {
    if (size > MaxRecordSize || length != 2 * size) return false;
    unsigned char bytes[MaxRecordSize];
    for (size_t i = 0; i < size; ++i) {
        const int high = HexValue(text[2 * i]), low = HexValue(text[2 * i + 1]);
        if (high < 0 || low < 0) return false;
        bytes[i] = static_cast<unsigned char>(high * 16 + low);
    }
    std::copy_n(bytes, size, out);
    return true;
}

std::string EncodeHexRecord(const unsigned char* bytes, size_t size) {
    std::string text;
    for (size_t i = 0; i < size; ++i) {
        text += HexDigits[bytes[i] >> 4];
        text += HexDigits[bytes[i] & 15];
    }
    return text;
}
