// A record as the web edition keeps it in local storage: its bytes as
// hexadecimal text, two digits a byte. Free of the browser, so that it is
// built and fuzzed natively too.
#pragma once

#include <cstddef>
#include <string>

// The bytes of `text` (`length` characters, either case) into `out`: true
// only when it is exactly 2 * size hexadecimal digits; `out` is untouched
// otherwise.
bool DecodeHexRecord(const char* text, size_t length, unsigned char* out, size_t size);
// The bytes as lower-case hexadecimal text.
std::string EncodeHexRecord(const unsigned char* bytes, size_t size);
