// The content decoder on any bytes: the first byte is the properties, the
// next two the length asked for, the rest the stream. Whatever it says, it
// writes only the bytes it was given room for (the sanitizers watch the
// buffers, each allocated to its exact size), and a stream it accepts
// unpacks the same again.
#include "FuzzSupport.h"

#include "platform/canvas/Unpack.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    const int properties = data[0];
    const size_t length = data[1] | size_t{data[2]} << 8;
    std::unique_ptr<uint8_t[]> in(new uint8_t[size - 3]);
    std::copy(data + 3, data + size, in.get());
    std::unique_ptr<uint8_t[]> first(new uint8_t[length + 1]), again(new uint8_t[length + 1]);
    if (!UnpackStream(in.get(), size - 3, properties, first.get(), length)) return 0;
    if (!UnpackStream(in.get(), size - 3, properties, again.get(), length) ||
        !std::equal(first.get(), first.get() + length, again.get()))
        Finding("an accepted stream unpacked differently the second time");
    return 0;
}
