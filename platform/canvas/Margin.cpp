#include "platform/canvas/Margin.h"

#include <algorithm>

namespace {

constexpr int Window = 2 * MarginReach + 1;

inline void Order(uint8_t& a, uint8_t& b) {
    const uint8_t low = std::min(a, b);
    b = std::max(a, b);
    a = low;
}

// The median of nine values by a fixed network of exchanges: no branches,
// and only the exchanges the middle value depends on.
uint8_t MedianOfNine(uint8_t* p) {
    Order(p[1], p[2]); Order(p[4], p[5]); Order(p[7], p[8]);
    Order(p[0], p[1]); Order(p[3], p[4]); Order(p[6], p[7]);
    Order(p[1], p[2]); Order(p[4], p[5]); Order(p[7], p[8]);
    Order(p[0], p[3]); Order(p[5], p[8]); Order(p[4], p[7]);
    Order(p[3], p[6]); Order(p[1], p[4]); Order(p[2], p[5]);
    Order(p[4], p[7]); Order(p[4], p[2]); Order(p[6], p[4]);
    Order(p[4], p[2]);
    return p[4];
}

// The median of each channel of the run (count of them, 1 to Window), the
// run repeated to nine where the edge cut it short at a corner.
uint32_t MedianColour(const uint32_t* run, int count) {
    uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        uint8_t channel[Window];
        for (int i = 0; i < Window; ++i) channel[i] = static_cast<uint8_t>(run[i % count] >> shift);
        result |= uint32_t{MedianOfNine(channel)} << shift;
    }
    return result;
}

}  // namespace

static_assert(Window == 9, "MedianOfNine sorts nine values");

void MarginColours(const uint32_t* pixels, int width, int height, ScreenEdge edge, int first, int last,
                   uint32_t* out) {
    const bool across = edge == EdgeTop || edge == EdgeBottom;
    const int length = across ? width : height;
    // Where the edge's pixel i lies and the step to the next one.
    const long start = edge == EdgeTop || edge == EdgeLeft ? 0
                       : edge == EdgeBottom              ? static_cast<long>(height - 1) * width
                                                         : width - 1;
    const long step = across ? 1 : width;
    first = std::max(first, 0);
    last = std::min(last, length);
    for (int i = first; i < last; ++i) {
        const int from = std::max(0, i - MarginReach), to = std::min(length, i + MarginReach + 1);
        uint32_t run[Window];
        bool flat = true;
        for (int k = from; k < to; ++k) {
            run[k - from] = pixels[start + k * step] & 0xFFFFFF;
            flat = flat && run[k - from] == run[0];
        }
        // Most edges are one colour for long runs: nothing to sort there.
        out[i - first] = flat ? run[0] : MedianColour(run, to - from);
    }
}
